#include "core/numeric/round_to_places.h"

#include "core/numeric/extended.h"
#include "core/numeric/math_errors.h"

#include <cmath>
#include <cstdint>

namespace quillara {

namespace {
// Ten to the power, in extended precision; beyond the extended range it is an overflow, as the
// multiplication that would make it is.
Extended PowerOfTen(std::uint32_t exponent) {
    Extended result = 1;
    Extended base = 10;
    for (std::uint32_t n = exponent; n != 0; n >>= 1) {
        if (n & 1) result *= base;
        if (std::isinf(result)) throw EOverflow();
        if (n > 1) base *= base;
    }
    return result;
}

std::int64_t RoundHalfEven(double scaled) {
    // 2^63 is the first value outside the range; nearbyint keeps the default ties-to-even mode.
    const double rounded = std::nearbyint(scaled);
    if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0)) throw EInvalidOp();
    return static_cast<std::int64_t>(rounded);
}

// The rounded value as a double; one that does not fit is an overflow, never an infinity.
double FiniteDouble(Extended value) {
    const auto result = static_cast<double>(value);
    if (!std::isfinite(result)) throw EOverflow();
    return result;
}
} // namespace

double RoundToPlaces(std::int32_t places, double value) {
    if (places >= 0) {
        const Extended factor = PowerOfTen(static_cast<std::uint32_t>(places));
        const auto scaled = static_cast<double>(value * factor);
        return FiniteDouble(static_cast<Extended>(RoundHalfEven(scaled)) / factor);
    }
    const Extended factor =
        PowerOfTen(static_cast<std::uint32_t>(-static_cast<std::int64_t>(places)));
    const auto scaled = static_cast<double>(value / factor);
    return FiniteDouble(static_cast<Extended>(RoundHalfEven(scaled)) * factor);
}

} // namespace quillara
