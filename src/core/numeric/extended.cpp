#include "core/numeric/extended.h"

#include <cmath>
#include <limits>

namespace quillara {

namespace {
constexpr int Bias = 16383;
constexpr int MaxExponent = 0x7FFF;
} // namespace

Extended DecodeExtended(const std::array<std::uint8_t, 10>& bytes) {
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[i];
    const unsigned top = bytes[8] | (bytes[9] << 8);
    const bool negative = (top & 0x8000) != 0;
    const int exponent = static_cast<int>(top & 0x7FFF);

    Extended magnitude;
    if (exponent == MaxExponent) {
        magnitude = (significand << 1) == 0 ? std::numeric_limits<Extended>::infinity()
                                            : std::numeric_limits<Extended>::quiet_NaN();
    } else {
        // Denormals use the exponent of the smallest normal number.
        const int unbiased = (exponent == 0 ? 1 : exponent) - Bias - 63;
        magnitude = std::ldexp(static_cast<Extended>(significand), unbiased);
    }
    return negative ? -magnitude : magnitude;
}

std::array<std::uint8_t, 10> EncodeExtended(Extended value) {
    std::uint64_t significand = 0;
    int exponent = 0;
    const bool negative = std::signbit(value);
    const Extended magnitude = std::fabs(value);

    if (std::isnan(value)) {
        exponent = MaxExponent;
        significand = 0xC000000000000000ULL;
    } else if (std::isinf(value)) {
        exponent = MaxExponent;
        significand = 0x8000000000000000ULL;
    } else if (magnitude != 0) {
        int e2 = 0;
        const Extended fraction = std::frexp(magnitude, &e2); // magnitude = fraction * 2^e2
        exponent = e2 - 1 + Bias;
        if (exponent >= MaxExponent) {
            exponent = MaxExponent;
            significand = 0x8000000000000000ULL;
        } else if (exponent <= 0) {
            significand = static_cast<std::uint64_t>(std::ldexp(magnitude, Bias - 1 + 63));
            exponent = 0;
        } else {
            significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        }
    }

    std::array<std::uint8_t, 10> bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    const unsigned top = static_cast<unsigned>(exponent) | (negative ? 0x8000u : 0u);
    bytes[8] = static_cast<std::uint8_t>(top & 0xFF);
    bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return bytes;
}

} // namespace quillara
