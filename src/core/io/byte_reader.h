#pragma once

#include "core/numeric/extended.h"

#include <bit>
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

    // The small reads are inline: readers call them for every field of every record.
    std::uint8_t ReadByte(std::string_view field) { return *Take(1, field); }
    std::uint16_t ReadUInt16(std::string_view field) {
        const unsigned char* p = Take(2, field);
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::int16_t ReadInt16(std::string_view field) {
        return static_cast<std::int16_t>(ReadUInt16(field));
    }
    double ReadDouble(std::string_view field) {
        const unsigned char* p = Take(8, field);
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i)
            bits = (bits << 8) | p[i];
        return std::bit_cast<double>(bits);
    }
    Extended ReadExtended(std::string_view field);
    // A view of the next n bytes, valid as long as the underlying bytes are.
    std::string_view ReadBytes(std::size_t n, std::string_view field) {
        return {reinterpret_cast<const char*>(Take(n, field)), n};
    }

    std::size_t Position() const { return Pos; }
    void Seek(std::size_t position) { Pos = position <= Bytes.size() ? position : Bytes.size(); }
    std::size_t Remaining() const { return Bytes.size() - Pos; }
    bool AtEnd() const { return Pos == Bytes.size(); }
    const std::string& FileName() const { return Name; }

private:
    const unsigned char* Take(std::size_t n, std::string_view field) {
        if (n > Remaining()) Truncated(field);
        auto* p = reinterpret_cast<const unsigned char*>(Bytes.data() + Pos);
        Pos += n;
        return p;
    }
    [[noreturn]] void Truncated(std::string_view field) const;

    std::string_view Bytes;
    std::string Name;
    std::size_t Start;
    std::size_t Pos = 0;
};

} // namespace quillara
