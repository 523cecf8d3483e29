#pragma once

#include <string>

namespace quillara {

// Appends the UTF-8 bytes of a code point; the caller passes only valid scalar values.
void AppendUtf8(std::string& out, char32_t c);

} // namespace quillara
