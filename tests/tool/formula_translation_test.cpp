#include "core/book/book_properties.h"
#include "core/formula/formula.h"
#include "formula_translation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillara::tool {
namespace {

// Quiz file formulas in the book's language, or the reason they cannot be.
TEST(FormulaTranslation, QuizFileFormulasBecomeTheBooksOrAreRefusedWithTheReason) {
    struct FormulaCase {
        const char* Quiz;
        const char* Book;  // empty when refused
        const char* Error; // the end of the reason
        bool UsesSqrt;
    };
    const FormulaCase cases[] = {
        {"{a}+{b}*2", "{a}+{b}*2", "", false},
        {"  ( {a} + {b} ) * 2 ", "({a}+{b})*2", "", false},
        {"{a}-({b}-{c})", "{a}-({b}-{c})", "", false},
        {"{a}-{b}-{c}", "{a}-{b}-{c}", "", false},
        {"{a}/{b}/{c}", "{a}/{b}/{c}", "", false},
        {"{a}/({b}*{c})", "{a}/({b}*{c})", "", false},
        {"-{a}", "0-{a}", "", false},
        {"--{a}", "0-(0-{a})", "", false},
        {"+{a}", "{a}", "", false},
        {"{a}*-{b}", "{a}*(0-{b})", "", false},
        {"-{a}^2", "0-{a}^2", "", false},
        {"pow({a}, 2)", "{a}^2", "", false},
        {"pow(pow({a}, 2), 3)", "{a}^2^3", "", false},
        {"pow({a}, pow({b}, 2))", "{a}^({b}^2)", "", false},
        {"{a}**{b}", "{a}^{b}", "", false},
        {"2**-1", "2^(0-1)", "", false},
        {"pi()", "3.14159265358979324", "", false},
        {"1.5e2 + .5", "150+0.5", "", false},
        {"sqrt({a})", "sqrt({a})", "", true},
        {"abs({a}-1)", "sqrt(({a}-1)^2)", "", true},
        {"{long name}", "{long name}", "", false},
        {"log({a})", "", "the book's formulas have no function log()", false},
        {"sin(1)", "", "the book's formulas have no function sin()", false},
        {"pow({a})", "", "pow takes 2 arguments", false},
        {"pi(1)", "", "pi takes 0 arguments", false},
        {"sqrt()", "", "sqrt takes 1 arguments", false},
        {"({a}", "", "a \")\" is missing", false},
        {"{a", "", "a \"{\" is not closed", false},
        {"{a} +", "", "it ends where a value was expected", false},
        {"", "", "it ends where a value was expected", false},
        {"{a} {b}", "", "\"{\" is unexpected", false},
        {"2 % 3", "", "\"%\" is unexpected", false},
        {"1e999", "", "a number is malformed", false},
        {"max", "", "a \"(\" is missing", false},
    };
    for (const FormulaCase& c : cases) {
        SCOPED_TRACE(c.Quiz);
        const TTranslatedFormula got = FormulaFromQuizFile(c.Quiz);
        EXPECT_EQ(got.Formula, c.Book);
        EXPECT_TRUE(std::string_view(got.Error).ends_with(c.Error)) << got.Error;
        EXPECT_EQ(got.Error.empty(), *c.Error == '\0') << got.Error;
        if (got.Error.empty()) EXPECT_EQ(got.UsesSqrt, c.UsesSqrt);
    }
}

TEST(FormulaTranslation, NestingIsBoundedWithoutExhaustingTheStack) {
    const std::string deep = std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_NE(FormulaFromQuizFile(deep).Error.find("it nests too deep"), std::string::npos);
    const std::string fine = std::string(50, '(') + "1" + std::string(50, ')');
    EXPECT_EQ(FormulaFromQuizFile(fine).Error, "");
}

TEST(FormulaTranslation, NumbersAreWrittenFixedWithoutUnaryMinus) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},          {12.5, "12.5"},  {-12.5, "0-12.5"},   {0.1, "0.1"},
        {1e-7, "0.0000001"}, {1e21, "1000000000000000000000"}, {-0.0, "0"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormulaNumber(value), text) << value;
    // The largest double still fits the text, all 309 digits of it.
    EXPECT_EQ(FormulaNumber(std::numeric_limits<double>::max()).size(), 309u);
}

// The book's formulas back as quiz files write them: ^ as pow, the book's functions written out.
TEST(FormulaTranslation, BookFormulasGoOutWithTheirFunctionsWrittenOut) {
    TBookProperties book;
    book.Formulas.push_back(std::make_unique<TFormula>(true, "twice(x) = {1}*2", ""));
    book.Formulas.push_back(std::make_unique<TFormula>(true, "sqrt(x) = {1}^0.5", ""));
    book.Formulas.push_back(std::make_unique<TFormula>(true, "loop(x) = loop({1})", ""));
    const TVariableValues noFigures;
    const TFormulaScope scope = book.Scope(noFigures);
    struct ExportCase {
        const char* Book;
        const char* Quiz; // empty when refused
        const char* Error;
    };
    const ExportCase cases[] = {
        {"{a}^2+1", "pow({a}, 2)+1", ""},
        {"({a}+{b})*{c}", "({a}+{b})*{c}", ""},
        {"{a}-({b}-1)", "{a}-({b}-1)", ""},
        {"twice({a}+1)", "(({a}+1)*2)", ""},
        {"sqrt({a})", "sqrt({a})", ""},
        {"0-12.5", "0-12.5", ""},
        {"half({a})", "", "it calls half, which the book does not declare"},
        {"loop(1)", "", "its functions call each other too deep"},
        {"", "", "its formula is empty"},
    };
    for (const ExportCase& c : cases) {
        SCOPED_TRACE(c.Book);
        std::string error;
        EXPECT_EQ(FormulaForQuizFile(c.Book, scope, error), c.Quiz);
        EXPECT_NE(error.find(c.Error), std::string::npos) << error;
        EXPECT_EQ(error.empty(), *c.Error == '\0') << error;
    }
}

} // namespace
} // namespace quillara::tool
