#include "core/text/utf8.h"

namespace quillara {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    char32_t c = lead & (0x7F >> length);
    bool wellFormed = length != 0 && pos + length <= text.size();
    for (std::size_t k = 1; wellFormed && k < length; ++k) {
        wellFormed = (byte(pos + k) & 0xC0) == 0x80;
        c = (c << 6) | (byte(pos + k) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    const char32_t smallest = length == 3 ? 0x800 : 0x10000;
    if (!wellFormed || (length > 2 && c < smallest) || (c >= 0xD800 && c < 0xE000) ||
        c > 0x10FFFF) {
        ++pos;
        return 0xFFFD;
    }
    pos += length;
    return c;
}

} // namespace quillara
