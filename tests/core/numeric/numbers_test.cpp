#include "core/numeric/extended.h"
#include "core/numeric/math_errors.h"
#include "core/numeric/real48.h"
#include "core/numeric/round_to_places.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace quillara {
namespace {

TEST(Extended, DecodesStoredBytesBitForBit) {
    // 2.0: significand 0x8000000000000000, exponent 16384.
    std::array<std::uint8_t, 10> two{0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x40};
    EXPECT_EQ(DecodeExtended(two), 2.0L);
    std::array<std::uint8_t, 10> minusThree{0, 0, 0, 0, 0, 0, 0, 0xC0, 0x00, 0xC0};
    EXPECT_EQ(DecodeExtended(minusThree), -3.0L);
    std::array<std::uint8_t, 10> infinity{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F};
    EXPECT_TRUE(std::isinf(DecodeExtended(infinity)));
    std::array<std::uint8_t, 10> nan{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
    EXPECT_TRUE(std::isnan(DecodeExtended(nan)));
}

TEST(Extended, EncodesAndDecodesEveryKindOfValue) {
    for (Extended v :
         {0.0L, -0.0L, 1.0L, -2.5L, 0.1L, 1e4000L, -1e-4940L, 123456789.123456789L,
          std::numeric_limits<Extended>::max(), std::numeric_limits<Extended>::denorm_min()}) {
        const Extended back = DecodeExtended(EncodeExtended(v));
        EXPECT_EQ(back, v);
        EXPECT_EQ(std::signbit(back), std::signbit(v));
    }
    EXPECT_EQ(EncodeExtended(2.0L),
              (std::array<std::uint8_t, 10>{0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0x40}));
}

TEST(Real48, DecodesTheStoredLayout) {
    TReal48 one;
    one.Bytes = {129, 0, 0, 0, 0, 0};
    EXPECT_EQ(one.ToExtended(), 1.0L);
    TReal48 minusOneAndHalf;
    minusOneAndHalf.Bytes = {129, 0, 0, 0, 0, 0xC0};
    EXPECT_EQ(minusOneAndHalf.ToExtended(), -1.5L);
    TReal48 zero;
    zero.Bytes = {0, 1, 2, 3, 4, 5};
    EXPECT_EQ(zero.ToExtended(), 0.0L);
}

TEST(Real48, ConvertsBothWaysRoundingAndOverflowing) {
    for (Extended v : {1.0L, -1.5L, 100.0L, 0.25L, 1234.5L, 0x1p100L})
        EXPECT_EQ(TReal48::FromExtended(v).ToExtended(), v);
    // 0.1 keeps 39 fraction bits: close, not exact.
    EXPECT_NEAR(static_cast<double>(TReal48::FromExtended(0.1L).ToExtended()), 0.1, 1e-12);
    // Rounding the fraction up may carry into the exponent: just below 2 becomes 2.
    EXPECT_EQ(TReal48::FromExtended(2.0L - std::ldexp(1.0L, -45)).ToExtended(), 2.0L);
    EXPECT_EQ(TReal48::FromExtended(1e-40L).ToExtended(), 0.0L);
    EXPECT_THROW(TReal48::FromExtended(1e39L), EOverflow);
    EXPECT_NO_THROW(TReal48::FromExtended(1e38L));
}

TEST(RoundToPlaces, RoundsTiesToEvenAtEveryScale) {
    EXPECT_EQ(RoundToPlaces(0, 2.5), 2);
    EXPECT_EQ(RoundToPlaces(0, 3.5), 4);
    EXPECT_EQ(RoundToPlaces(0, -2.5), -2);
    EXPECT_DOUBLE_EQ(RoundToPlaces(1, 0.25), 0.2);
    EXPECT_EQ(RoundToPlaces(-2, 1250), 1200);
    EXPECT_EQ(RoundToPlaces(-1, 15), 20);
    EXPECT_EQ(RoundToPlaces(-1, 25), 20);
    EXPECT_DOUBLE_EQ(RoundToPlaces(2, 3.14159), 3.14);
    EXPECT_THROW(RoundToPlaces(0, 1e19), EInvalidOp);
    EXPECT_THROW(RoundToPlaces(4, 1e300), EInvalidOp);
}

TEST(RoundToPlaces, FailsRatherThanGivingInfinityOrNaN) {
    // Whatever the places, the result is a number or an arithmetic failure a caller can catch.
    struct Case {
        std::int32_t Places;
        double Value;
        bool Fails;
        double Result;
    };
    const Case cases[] = {
        {MaxRoundingPlaces, 0, false, 0},
        {MaxRoundingPlaces + 1, 0, true, 0},
        {-MaxRoundingPlaces, 12, false, 0},
        {-5000, 12, true, 0},
        {-5000, 0, true, 0},
        {INT32_MIN, 1, true, 0},
        {INT32_MAX, 0, true, 0},
        {-308, 1e308, false, 1e308},
        {-308, 1.7e308, true, 0}, // rounds to 2e308, beyond the double range
        {0, std::numeric_limits<double>::quiet_NaN(), true, 0},
        {0, std::numeric_limits<double>::infinity(), true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Places) + " places of " + std::to_string(c.Value));
        if (c.Fails) {
            EXPECT_THROW(RoundToPlaces(c.Places, c.Value), EMathError);
        } else {
            EXPECT_EQ(RoundToPlaces(c.Places, c.Value), c.Result);
        }
    }
}

} // namespace
} // namespace quillara
