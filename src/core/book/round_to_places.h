#pragma once

#include <cstdint>

namespace quillara {

// Rounds to decimal places with ties to even; negative places round to tens, hundreds and so on.
// A scaled value outside the 64-bit integer range raises EInvalidOp.
double RoundToPlaces(std::int32_t places, double value);

} // namespace quillara
