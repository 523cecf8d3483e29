#include "core/formula/variable.h"
#include "core/io/book_errors.h"
#include "core/numeric/math_errors.h"
#include "scripted_random.h"
#include "core/text/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>

namespace quillara {
namespace {

using testing::ScriptedRandom;

TVarible Number(Extended min, Extended max, std::int16_t decimals, std::int16_t kind = vkNumber) {
    return TVarible("v", kind, TReal48::FromExtended(min), TReal48::FromExtended(max), decimals,
                    std::nullopt);
}

TEST(VariableDraws, MaxIsNeverDrawnAndStepsFollowTheDecimals) {
    TSeededRandom seeded(7);
    SetProgramRandom(&seeded);
    {
        TVarible v = Number(1, 10, 0);
        std::set<long double> seen;
        for (int i = 0; i < 500; ++i)
            seen.insert(v.DrawValue());
        EXPECT_EQ(seen, (std::set<long double>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
    SetProgramRandom(nullptr);

    ScriptedRandom random;
    TVarible same = Number(4.5L, 4.5L, 1);
    EXPECT_EQ(same.DrawValue(), 4.5L);
    TVarible cents = Number(0, 1, 2);
    random.Push(99);
    EXPECT_EQ(static_cast<double>(cents.DrawValue()), 0.99);
    EXPECT_EQ(random.Asked.back(), 100u);
}

TEST(VariableDraws, NegativeDecimalsRoundToTensWithTiesToEven) {
    ScriptedRandom random({5, 15, 95});
    const TVarible v = Number(0, 100, -1);
    EXPECT_EQ(v.DrawValue(), 0.0L);
    EXPECT_EQ(random.Asked.back(), 100u);
    EXPECT_EQ(v.DrawValue(), 20.0L);
    EXPECT_EQ(v.DrawValue(), 100.0L);
}

TEST(VariableDraws, MeaninglessBoundsGiveAValueWithoutFailing) {
    ScriptedRandom random;
    EXPECT_EQ(Number(10, 1, 0).DrawValue(), 10.0L);
    EXPECT_EQ(Number(0, 1e30L, 0).DrawValue(), 0.0L);
    EXPECT_EQ(Number(0, 1, 12).DrawValue(), 0.0L);
    const TVarible emptyChoice("c", vkChoice, {}, {}, 0, std::nullopt);
    EXPECT_EQ(emptyChoice.DrawValue(), 0.0L);
    EXPECT_EQ(emptyChoice.DisplayText(0, {}), "");
}

TEST(VariableDraws, EveryArithmeticFailureOfADrawGivesZero) {
    // Places beyond the extended range overflow the rounding; such a draw gives 0 like any other
    // failed draw, never an infinity or a NaN, and shows as 0 with as many places as it has.
    ScriptedRandom random;
    for (std::int16_t decimals :
         {std::int16_t(-5000), std::int16_t(-32768), std::int16_t(5000), std::int16_t(32767)}) {
        SCOPED_TRACE(decimals);
        for (std::int16_t kind : {vkPercent, vkCurrency, vkNumber}) {
            const TVarible v = Number(1, 1000, decimals, kind);
            random.Push(500);
            const Extended value = v.DrawValue();
            EXPECT_EQ(value, 0.0L);
            const std::string text = v.DisplayText(value, {});
            EXPECT_EQ(text.find_first_not_of("0.%$"), std::string::npos) << text.substr(0, 40);
        }
    }
}

TEST(VariableText, AnyNumberOfDecimalsShowsThatManyDigits) {
    ScriptedRandom random;
    TRegionalSettings us;
    for (std::int16_t decimals : {std::int16_t(9), std::int16_t(125), std::int16_t(126),
                                  std::int16_t(400), std::int16_t(32767)}) {
        SCOPED_TRACE(decimals);
        const auto places = static_cast<std::size_t>(decimals);
        EXPECT_EQ(Number(0, 1, decimals).DisplayText(0, us), "0." + std::string(places, '0'));
        EXPECT_EQ(Number(0, 1, decimals, vkPercent).DisplayText(0, us),
                  "0." + std::string(places - 2, '0') + "%");
        EXPECT_EQ(Number(0, 1, decimals, vkCurrency).DisplayText(0, us),
                  "$0." + std::string(places, '0'));
    }
    // A value that cannot be rounded to its places is shown unrounded, its significant digits in
    // place and zeros after them.
    TVarible small = Number(0, 1, 30);
    // 0.00000095367431640625 exactly
    EXPECT_EQ(small.DisplayText(std::ldexp(1.0L, -20), us), "0.000000953674316406250000000000");
    small.Decimals = 200;
    EXPECT_EQ(small.DisplayText(1.5L, us), "1.5" + std::string(199, '0'));
}

TEST(VariableText, PercentNumberAndChoice) {
    ScriptedRandom random;
    TRegionalSettings us;
    TRegionalSettings comma;
    comma.DecimalSeparator = ",";
    TVarible percent = Number(0, 1, 2, vkPercent);
    EXPECT_EQ(percent.DisplayText(0.07L, us), "7%");
    percent.Decimals = 3;
    EXPECT_EQ(percent.DisplayText(0.125L, comma), "12,5%");
    percent.Decimals = 0; // no places at all: a whole percentage
    EXPECT_EQ(percent.DisplayText(1, us), "100%");

    TVarible number = Number(0, 10, 2);
    EXPECT_EQ(number.DisplayText(3, us), "3.00");
    EXPECT_EQ(number.DisplayText(3, comma), "3,00");
    EXPECT_EQ(number.DisplayText(-0.001L, us), "0.00");
    number.Decimals = -2;
    EXPECT_EQ(number.DisplayText(1234567, us), "1234600");

    TVarible choice("c", vkChoice, {}, {}, 0, std::vector<std::string>{"red", "green", "blue"});
    EXPECT_EQ(choice.DisplayText(2, us), "blue");
    EXPECT_EQ(choice.DisplayText(-1, us), "");
    TVarible other("o", 9, TReal48::FromExtended(1), TReal48::FromExtended(5), 0, std::nullopt);
    EXPECT_EQ(other.DisplayText(3, us), "");
}

TEST(NumberText, ParsesOnlyTheUsersDecimalSeparator) {
    TRegionalSettings us;
    TRegionalSettings comma;
    comma.DecimalSeparator = ",";
    EXPECT_EQ(ParseNumberText(" 12.5 ", us), 12.5L);
    EXPECT_EQ(ParseNumberText("-1,25e2", comma), -125.0L);
    EXPECT_EQ(ParseNumberText("+.5", us), 0.5L);
    for (const char* bad : {"", "abc", "1.2.3", "1e", "12,5", "1 2", "."})
        EXPECT_THROW(ParseNumberText(bad, us), EConvertError) << bad;
    EXPECT_THROW(ParseNumberText("12.5", comma), EConvertError);
}

TEST(NumberText, LargeValuesTurnScientificAndPrecisionLimitsDigits) {
    TRegionalSettings us;
    EXPECT_EQ(FormatFixed(123456.789L, 7, 2, us), "123456.80");
    EXPECT_EQ(FormatFixed(12345678.0L, 7, 0, us), "1.234568E+7");
    EXPECT_EQ(FormatCurrency(1234567.891L, 2, us), "$1,234,567.89");
    // Small values with more places than the precision: digits in their places, then zeros.
    EXPECT_EQ(FormatFixed(5e-10L, 18, 28, us), "0.0000000005000000000000000000");
    EXPECT_EQ(FormatFixed(-1e-300L, 18, 400, us),
              "-0." + std::string(299, '0') + "1" + std::string(100, '0'));
    EXPECT_EQ(FormatFixed(std::numeric_limits<Extended>::quiet_NaN(), 18, 2, us), "NAN");
    EXPECT_EQ(FormatCurrency(std::numeric_limits<Extended>::quiet_NaN(), 2, us), "$NAN");
}

} // namespace
} // namespace quillara
