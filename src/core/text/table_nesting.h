#pragma once

#include <string>
#include <string_view>

namespace quillara {

// Laying out a table inside a table costs about twice the inner one, so hostile nesting takes
// time that doubles with every level.
constexpr int MaxTableNesting = 8;

// The HTML page with the table markup (table, row, cell, head, body, foot and caption tags) of
// tables nested deeper than MaxTableNesting taken out: their cells' contents stay, one after the
// other. Comments are left as they are.
std::string FlattenDeepTables(std::string_view html);

} // namespace quillara
