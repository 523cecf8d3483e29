#include "core/io/byte_reader.h"

#include "core/io/book_errors.h"

#include <cstring>

namespace quillara {

void TByteReader::Truncated(std::string_view field) const {
    throw TTruncatedFileError(Name, std::string(field), Start + Pos);
}

Extended TByteReader::ReadExtended(std::string_view field) {
    const unsigned char* p = Take(10, field);
    std::array<std::uint8_t, 10> raw{};
    std::memcpy(raw.data(), p, raw.size());
    return DecodeExtended(raw);
}

} // namespace quillara
