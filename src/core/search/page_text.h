#pragma once

#include <string>
#include <string_view>

namespace quillara {

// The text of a topic page (HTML in Windows-1252) as the reader sees it, in UTF-8: markup
// dropped, entities resolved, the content of scripts, style sheets and the title left out, and
// white space collapsed to single spaces. Blocks, line breaks, table cells and pictures stand
// between the words around them as a space does.
std::string PageText(std::string_view html);

// A plain book text (Windows-1252) as it reads on one line, in UTF-8: white space collapsed to
// single spaces.
std::string PlainText(std::string_view text);

} // namespace quillara
