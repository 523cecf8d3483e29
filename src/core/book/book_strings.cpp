#include "book/book_strings.h"

namespace quillara {

namespace {
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
} // namespace

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view TrimBoth(std::string_view text) {
    text = TrimRight(text);
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string ReadShortString(TByteReader& in, std::string_view field) {
    const std::uint8_t length = in.ReadByte(field);
    if (length == 0) return {};
    return std::string(TrimRight(in.ReadBytes(length, field)));
}

std::string ReadLongString(TByteReader& in, std::string_view field) {
    const std::uint16_t length = in.ReadUInt16(field);
    if (length == 0) return {};
    // A final NUL belongs to the stored length but not to the text; TrimRight drops it too.
    return std::string(TrimRight(in.ReadBytes(length, field)));
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
