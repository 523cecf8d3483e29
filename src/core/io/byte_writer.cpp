#include "core/io/byte_writer.h"

#include <bit>

namespace quillara {

void TByteWriter::WriteUInt16(std::uint16_t value) {
    WriteByte(static_cast<std::uint8_t>(value & 0xFF));
    WriteByte(static_cast<std::uint8_t>(value >> 8));
}

void TByteWriter::WriteDouble(double value) {
    auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        WriteByte(static_cast<std::uint8_t>(bits >> (8 * i)));
}

void TByteWriter::WriteExtended(Extended value) {
    for (std::uint8_t b : EncodeExtended(value))
        WriteByte(b);
}

} // namespace quillara
