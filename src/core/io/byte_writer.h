#pragma once

#include "core/numeric/extended.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillara {

// Builds the bytes of one file, little-endian, field by field.
class TByteWriter {
public:
    void WriteByte(std::uint8_t value) { Out.push_back(static_cast<char>(value)); }
    void WriteUInt16(std::uint16_t value);
    void WriteInt16(std::int16_t value) { WriteUInt16(static_cast<std::uint16_t>(value)); }
    void WriteDouble(double value);
    void WriteExtended(Extended value);
    void WriteBytes(std::string_view bytes) { Out.append(bytes); }

    const std::string& Bytes() const { return Out; }
    std::string Take() { return std::move(Out); }

private:
    std::string Out;
};

} // namespace quillara
