#include "book/book_errors.h"
#include "book/math_errors.h"
#include "formula/variable.h"
#include "scripted_random.h"
#include "text/number_text.h"

#include <gtest/gtest.h>
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
        for (int i = 0; i < 500; ++i) {
            v.DrawValue();
            seen.insert(v.Value);
        }
        EXPECT_EQ(seen, (std::set<long double>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
    SetProgramRandom(nullptr);

    ScriptedRandom random;
    TVarible same = Number(4.5L, 4.5L, 1);
    EXPECT_EQ(same.Value, 4.5L);
    TVarible cents = Number(0, 1, 2);
    EXPECT_EQ(random.Asked.back(), 100u);
    random.Push(99);
    cents.DrawValue();
    EXPECT_EQ(static_cast<double>(cents.Value), 0.99);
}

TEST(VariableDraws, NegativeDecimalsRoundToTensWithTiesToEven) {
    ScriptedRandom random({5, 15, 95});
    TVarible v = Number(0, 100, -1);
    EXPECT_EQ(random.Asked.back(), 100u);
    EXPECT_EQ(v.Value, 0.0L);
    v.DrawValue();
    EXPECT_EQ(v.Value, 20.0L);
    v.DrawValue();
    EXPECT_EQ(v.Value, 100.0L);
}

TEST(VariableDraws, MeaninglessBoundsGiveAValueWithoutFailing) {
    ScriptedRandom random;
    TVarible backwards = Number(10, 1, 0);
    EXPECT_EQ(backwards.Value, 10.0L);
    TVarible huge = Number(0, 1e30L, 0);
    EXPECT_EQ(huge.Value, 0.0L);
    TVarible tooPrecise = Number(0, 1, 12);
    EXPECT_EQ(tooPrecise.Value, 0.0L);
    TVarible emptyChoice("c", vkChoice, {}, {}, 0, std::nullopt);
    EXPECT_EQ(emptyChoice.Value, 0.0L);
    EXPECT_EQ(emptyChoice.DisplayText({}), "");
}

TEST(VariableText, PercentNumberAndChoice) {
    ScriptedRandom random;
    TRegionalSettings us;
    TRegionalSettings comma;
    comma.DecimalSeparator = ",";
    TVarible percent = Number(0, 1, 2, vkPercent);
    percent.Value = 0.07L;
    EXPECT_EQ(percent.DisplayText(us), "7%");
    percent.Decimals = 3;
    percent.Value = 0.125L;
    EXPECT_EQ(percent.DisplayText(comma), "12,5%");
    percent.Decimals = 0; // no places at all: a whole percentage
    percent.Value = 1;
    EXPECT_EQ(percent.DisplayText(us), "100%");

    TVarible number = Number(0, 10, 2);
    number.Value = 3;
    EXPECT_EQ(number.DisplayText(us), "3.00");
    EXPECT_EQ(number.DisplayText(comma), "3,00");
    number.Value = -0.001L;
    EXPECT_EQ(number.DisplayText(us), "0.00");
    number.Decimals = -2;
    number.Value = 1234567;
    EXPECT_EQ(number.DisplayText(us), "1234600");

    TVarible choice("c", vkChoice, {}, {}, 0, std::vector<std::string>{"red", "green", "blue"});
    choice.Value = 2;
    EXPECT_EQ(choice.DisplayText(us), "blue");
    choice.Value = -1;
    EXPECT_EQ(choice.DisplayText(us), "");
    TVarible other("o", 9, TReal48::FromExtended(1), TReal48::FromExtended(5), 0, std::nullopt);
    EXPECT_EQ(other.DisplayText(us), "");
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
}

} // namespace
} // namespace quillara
