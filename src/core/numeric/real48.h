#pragma once

#include "core/numeric/extended.h"

#include <array>
#include <cstdint>

namespace quillara {

// The six-byte real of old variable records: byte 0 the exponent (0 means zero), then a 39-bit
// fraction with the sign in the top bit of byte 5.
struct TReal48 {
    std::array<std::uint8_t, 6> Bytes{};

    // Keeps 39 fraction bits, rounding half away from zero; too small becomes 0, too large raises
    // EOverflow.
    static TReal48 FromExtended(Extended value);
    Extended ToExtended() const;

    friend bool operator==(const TReal48&, const TReal48&) = default;
};

} // namespace quillara
