#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillara {

// Appends the UTF-8 bytes of a code point; the caller passes only valid scalar values.
void AppendUtf8(std::string& out, char32_t c);

// The code point that starts at `pos`, moving `pos` past it. A byte that does not begin a
// well-formed sequence reads as U+FFFD and moves `pos` by one, so every text can be walked.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

} // namespace quillara
