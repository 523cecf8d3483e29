#include "core/numeric/real48.h"

#include "core/numeric/math_errors.h"

#include <cmath>

namespace quillara {

namespace {
constexpr std::uint64_t FractionOne = 1ULL << 39;
}

Extended TReal48::ToExtended() const {
    if (Bytes[0] == 0) return 0;
    std::uint64_t fraction = Bytes[5] & 0x7F;
    for (int i = 4; i >= 1; --i)
        fraction = (fraction << 8) | Bytes[i];
    const Extended magnitude = std::ldexp(static_cast<Extended>(FractionOne + fraction),
                                          static_cast<int>(Bytes[0]) - 129 - 39);
    return (Bytes[5] & 0x80) ? -magnitude : magnitude;
}

TReal48 TReal48::FromExtended(Extended value) {
    TReal48 result;
    if (std::isnan(value) || std::isinf(value)) throw EOverflow();
    if (value == 0) return result;

    int e2 = 0;
    const Extended fraction = std::frexp(std::fabs(value), &e2); // in [0.5, 1)
    // The significand with its integer bit at bit 63; the 63 bits below it are the fraction.
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    std::uint64_t kept = (significand >> 24) & (FractionOne - 1);
    int exponent = e2 + 128;
    if ((significand >> 23) & 1) {
        if (++kept == FractionOne) {
            kept = 0;
            ++exponent;
        }
    }
    if (exponent <= 0) return result;
    if (exponent > 255) throw EOverflow();

    result.Bytes[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 1; i <= 5; ++i)
        result.Bytes[i] = static_cast<std::uint8_t>(kept >> (8 * (i - 1)));
    if (value < 0) result.Bytes[5] |= 0x80;
    return result;
}

} // namespace quillara
