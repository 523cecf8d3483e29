#pragma once

#include "core/numeric/extended.h"

#include <cstdint>
#include <limits>

namespace quillara {

// Rounds to decimal places with ties to even; negative places round to tens, hundreds and so on.
// A scaled value outside the 64-bit integer range raises EInvalidOp; a power of ten beyond the
// extended range, or a result beyond the double range, raises EOverflow. It never returns an
// infinity or a NaN.
double RoundToPlaces(std::int32_t places, double value);

// More places than this overflow the power of ten: nothing is rounded to them.
constexpr std::int32_t MaxRoundingPlaces = std::numeric_limits<Extended>::max_exponent10;

} // namespace quillara
