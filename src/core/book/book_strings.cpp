#include "core/book/book_strings.h"

namespace quillara {

namespace {
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
} // namespace

std::string_view TrimBoth(std::string_view text) {
    text = TrimRight(text);
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

void WriteShortString(TByteWriter& out, std::string_view text) {
    text = TrimRight(text.substr(0, ShortStringLimit));
    out.WriteByte(static_cast<std::uint8_t>(text.size()));
    out.WriteBytes(text);
}

void WriteLongString(TByteWriter& out, std::string_view text) {
    text = TrimRight(text.substr(0, LongStringLimit));
    out.WriteUInt16(static_cast<std::uint16_t>(text.size()));
    out.WriteBytes(text);
}

std::uint8_t ReadFlagByte(TByteReader& in, std::string_view field) {
    return in.ReadByte(field);
}

} // namespace quillara
