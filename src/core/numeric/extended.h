#pragma once

#include <array>
#include <cstdint>

namespace quillara {

// Word-problem arithmetic runs in long double, which is the 80-bit extended format on x86.
using Extended = long double;

// The stored 80-bit form: 64-bit significand with explicit integer bit, 15-bit biased exponent
// and sign, little-endian. Converted bit by bit so the file format does not depend on what
// long double happens to be on the build machine.
Extended DecodeExtended(const std::array<std::uint8_t, 10>& bytes);
std::array<std::uint8_t, 10> EncodeExtended(Extended value);

} // namespace quillara
