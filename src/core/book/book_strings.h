#pragma once

#include "io/byte_reader.h"
#include "io/byte_writer.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillara {

// Texts are kept as the stored bytes (Windows-1252). Readers and writers drop trailing
// characters of code 32 or less, so that what is written is exactly what is read back.

constexpr std::size_t ShortStringLimit = 255;
constexpr std::size_t LongStringLimit = 65535;
// The most bytes each form takes in a file, its length included.
constexpr std::uint64_t ShortStringSize = 1 + ShortStringLimit;
constexpr std::uint64_t LongStringSize = 2 + LongStringLimit;
// Counts of records are signed 16-bit: at most this many records follow one.
constexpr std::uint64_t MaxRecordCount = 32767;

std::string ReadShortString(TByteReader& in, std::string_view field);
std::string ReadLongString(TByteReader& in, std::string_view field);
// A text longer than the limit is stored as its first 255 (or 65535) bytes.
void WriteShortString(TByteWriter& out, std::string_view text);
void WriteLongString(TByteWriter& out, std::string_view text);
std::uint8_t ReadFlagByte(TByteReader& in, std::string_view field);

std::string_view TrimRight(std::string_view text);
// Leading and trailing characters of code 32 or less removed.
std::string_view TrimBoth(std::string_view text);

} // namespace quillara
