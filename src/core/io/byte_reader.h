#pragma once

#include "numeric/extended.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillara {

// Reads little-endian fields from the bytes of one file. Every read names its field, so that a
// file ending early is reported with the file, the field and the offset instead of being read past.
class TByteReader {
public:
    // `startOffset` is where the bytes begin in the file, when they are only a piece of it, so
    // that a failure names the file's own offset.
    TByteReader(std::string_view bytes, std::string fileName, std::size_t startOffset = 0)
        : Bytes(bytes), Name(std::move(fileName)), Start(startOffset) {}

    std::uint8_t ReadByte(std::string_view field);
    std::uint16_t ReadUInt16(std::string_view field);
    std::int16_t ReadInt16(std::string_view field);
    double ReadDouble(std::string_view field);
    Extended ReadExtended(std::string_view field);
    // A view of the next n bytes, valid as long as the underlying bytes are.
    std::string_view ReadBytes(std::size_t n, std::string_view field);

    std::size_t Position() const { return Pos; }
    void Seek(std::size_t position) { Pos = position <= Bytes.size() ? position : Bytes.size(); }
    std::size_t Remaining() const { return Bytes.size() - Pos; }
    bool AtEnd() const { return Pos == Bytes.size(); }
    const std::string& FileName() const { return Name; }

private:
    const unsigned char* Take(std::size_t n, std::string_view field);

    std::string_view Bytes;
    std::string Name;
    std::size_t Start;
    std::size_t Pos = 0;
};

} // namespace quillara
