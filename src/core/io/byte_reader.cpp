#include "io/byte_reader.h"

#include "io/book_errors.h"

#include <bit>
#include <cstring>

namespace quillara {

const unsigned char* TByteReader::Take(std::size_t n, std::string_view field) {
    if (n > Remaining()) throw TTruncatedFileError(Name, std::string(field), Start + Pos);
    auto* p = reinterpret_cast<const unsigned char*>(Bytes.data() + Pos);
    Pos += n;
    return p;
}

std::uint8_t TByteReader::ReadByte(std::string_view field) {
    return *Take(1, field);
}

std::uint16_t TByteReader::ReadUInt16(std::string_view field) {
    const unsigned char* p = Take(2, field);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::int16_t TByteReader::ReadInt16(std::string_view field) {
    return static_cast<std::int16_t>(ReadUInt16(field));
}

double TByteReader::ReadDouble(std::string_view field) {
    const unsigned char* p = Take(8, field);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    return std::bit_cast<double>(bits);
}

Extended TByteReader::ReadExtended(std::string_view field) {
    const unsigned char* p = Take(10, field);
    std::array<std::uint8_t, 10> raw{};
    std::memcpy(raw.data(), p, raw.size());
    return DecodeExtended(raw);
}

std::string_view TByteReader::ReadBytes(std::size_t n, std::string_view field) {
    const unsigned char* p = Take(n, field);
    return {reinterpret_cast<const char*>(p), n};
}

} // namespace quillara
