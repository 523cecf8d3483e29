#pragma once

#include <optional>
#include <string_view>

namespace quillara {

// The character an HTML 4 entity name stands for ("eacute" is U+00E9), names compared exactly;
// none for a name HTML 4 does not have. The page viewer knows the same names.
std::optional<char32_t> NamedEntity(std::string_view name);

} // namespace quillara
