#include "book/round_to_places.h"

#include "book/extended.h"
#include "book/math_errors.h"

#include <cmath>
#include <cstdint>

namespace quillara {

namespace {
Extended PowerOfTen(std::int32_t exponent) {
    Extended result = 1;
    Extended base = 10;
    for (auto n = static_cast<std::uint32_t>(exponent); n != 0; n >>= 1) {
        if (n & 1) result *= base;
        base *= base;
    }
    return result;
}

std::int64_t RoundHalfEven(double scaled) {
    // 2^63 is the first value outside the range; nearbyint keeps the default ties-to-even mode.
    const double rounded = std::nearbyint(scaled);
    if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0)) throw EInvalidOp();
    return static_cast<std::int64_t>(rounded);
}
} // namespace

double RoundToPlaces(std::int32_t places, double value) {
    if (places >= 0) {
        const Extended factor = PowerOfTen(places);
        const auto scaled = static_cast<double>(value * factor);
        return static_cast<double>(static_cast<Extended>(RoundHalfEven(scaled)) / factor);
    }
    const Extended factor = PowerOfTen(places == INT32_MIN ? INT32_MAX : -places);
    const auto scaled = static_cast<double>(value / factor);
    return static_cast<double>(static_cast<Extended>(RoundHalfEven(scaled)) * factor);
}

} // namespace quillara
