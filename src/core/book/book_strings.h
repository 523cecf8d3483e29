#pragma once

#include "core/io/byte_reader.h"
#include "core/io/byte_writer.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillara {

// Texts are kept as the stored bytes (Windows-1252). Readers and writers drop trailing
// characters of code 32 or less, so that what is written is exactly what is read back.

constexpr std::size_t ShortStringLimit = 255;
constexpr std::size_t LongStringLimit = 65535;
// The most bytes a long string takes in a file, its length included.
constexpr std::uint64_t LongStringSize = 2 + LongStringLimit;

// Drops trailing characters of code 32 or less.
inline std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

// The texts as they lie in the reader's bytes, trimmed; valid while those bytes are. Inline,
// like the reader's own reads: every record calls them for each of its texts.
inline std::string_view ReadShortText(TByteReader& in, std::string_view field) {
    const std::uint8_t length = in.ReadByte(field);
    return length == 0 ? std::string_view() : TrimRight(in.ReadBytes(length, field));
}
inline std::string_view ReadLongText(TByteReader& in, std::string_view field) {
    const std::uint16_t length = in.ReadUInt16(field);
    // A final NUL belongs to the stored length but not to the text; TrimRight drops it too.
    return length == 0 ? std::string_view() : TrimRight(in.ReadBytes(length, field));
}
inline std::string ReadShortString(TByteReader& in, std::string_view field) {
    return std::string(ReadShortText(in, field));
}
inline std::string ReadLongString(TByteReader& in, std::string_view field) {
    return std::string(ReadLongText(in, field));
}

// A text longer than the limit is stored as its first 255 (or 65535) bytes.
void WriteShortString(TByteWriter& out, std::string_view text);
void WriteLongString(TByteWriter& out, std::string_view text);
std::uint8_t ReadFlagByte(TByteReader& in, std::string_view field);

// Leading and trailing characters of code 32 or less removed.
std::string_view TrimBoth(std::string_view text);

} // namespace quillara
