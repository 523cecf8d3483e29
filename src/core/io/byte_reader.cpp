#include "io/byte_reader.h"

#include "io/book_errors.h"

#include <bit>
#include <cstring>

namespace quillara {

void TByteReader::Truncated(std::string_view field) const {
    throw TTruncatedFileError(Name, std::string(field), Start + Pos);
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

} // namespace quillara
