#include "core/book/book_properties_writer.h"
#include "core/formula/builtin_functions.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillara {
namespace {

using testing::RunTool;
using testing::TempBookDir;

TEST(EvalCommand, PrintsTheValueAsTheProgramShowsNumbers) {
    const auto quarter = RunTool({"eval", "10/4"});
    EXPECT_EQ(quarter.ExitCode, 0);
    EXPECT_EQ(quarter.Out, "2.5\n");
    EXPECT_EQ(quarter.Err, "");
    // Fifteen significant digits: no trace of binary fractions.
    EXPECT_EQ(RunTool({"eval", "1/3"}).Out, "0.333333333333333\n");
    EXPECT_EQ(RunTool({"eval", "4.35*100"}).Out, "435\n");
    // 2^-60 survives 1 + 2^-60 only in extended arithmetic.
    EXPECT_EQ(RunTool({"eval", "(1 + 1/2^60) - 1"}).Out, "8.67361737988404E-19\n");
    EXPECT_EQ(RunTool({"eval", "(0-1)*0"}).Out, "0\n");
}

TEST(EvalCommand, SetAndDeclareFeedTheExpression) {
    const auto set = RunTool({"eval", "--set", "n=4", "--set", "rate=0.25", "{n}*{rate}+{n}"});
    EXPECT_EQ(set.ExitCode, 0) << set.Err;
    EXPECT_EQ(set.Out, "5\n");

    const auto call = RunTool({"eval", "--declare", "area(w,h) = {1}*{2}", "--declare",
                               "half(x) = {1}/2", "half(area(3, {w}))+1", "--set", "w=-4"});
    EXPECT_EQ(call.ExitCode, 0) << call.Err;
    EXPECT_EQ(call.Out, "-5\n");
}

TEST(EvalCommand, UsesTheBooksVariablesAndFunctions) {
    TempBookDir dir;
    {
        TBookProperties book;
        book.ChapterNames = {"One"};
        book.Variables.push_back(std::make_unique<TVarible>(
            "n", vkNumber, TReal48::FromExtended(5), TReal48::FromExtended(5), 0, std::nullopt));
        book.Formulas.push_back(std::make_unique<TFormula>(true, "twice(x) = {1}*2", ""));
        dir.Write("BOOK.DEF", WriteBookProperties(book, 5, TRegionalSettings{}));
    }
    const std::string book = dir.Path().string();
    EXPECT_EQ(RunTool({"eval", "--book", book, "twice({n})"}).Out, "10\n");
    EXPECT_EQ(RunTool({"eval", "--book", book, "--set", "n=7", "twice({n})"}).Out, "14\n");

    const auto missing = RunTool({"eval", "--book", (dir.Path() / "nowhere").string(), "1"});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_NE(missing.Err.find("nowhere"), std::string::npos);
    EXPECT_EQ(std::count(missing.Err.begin(), missing.Err.end(), '\n'), 1);
    EXPECT_EQ(missing.Out, "");
}

TEST(EvalCommand, FunctionsListsTheComputedOnesAndTheBooks) {
    const auto alone = RunTool({"eval", "--functions", "--declare", "area(w, h) = {1}*{2}"});
    ASSERT_EQ(alone.ExitCode, 0) << alone.Err;
    ASSERT_FALSE(BuiltinFunctions().empty());
    for (const TBuiltinFunction& function : BuiltinFunctions()) {
        const std::string line = "  " + std::string(function.Name) + "(" +
                                 std::string(function.Parameters) + ")  " +
                                 std::string(function.Description) + "\n";
        EXPECT_NE(alone.Out.find(line), std::string::npos) << alone.Out;
    }
    EXPECT_NE(alone.Out.find("Declared by the book:\n  area(w, h) = w*h\n"), std::string::npos)
        << alone.Out;

    const auto demo = RunTool({"eval", "--functions", "--book", QUILLARA_DEMO_BOOK});
    ASSERT_EQ(demo.ExitCode, 0) << demo.Err;
    for (const char* declared :
         {"  interest(p, r, t) = p*r*t\n", "  future_value(p, r, n) = p*(1+r)^n\n",
          "  doubling_years(r) = 72/(r*100)\n"})
        EXPECT_NE(demo.Out.find(declared), std::string::npos) << demo.Out;
    EXPECT_EQ(RunTool({"eval", "--functions", "1+1"}).ExitCode, 2);
}

TEST(EvalCommand, CompileAndEvaluationFailuresExitOne) {
    for (const char* source : {"3 $ 4", "(1))", "{x"}) {
        SCOPED_TRACE(source);
        const auto result = RunTool({"eval", source});
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_EQ(result.Err, "Error compiling expression\n");
        EXPECT_EQ(result.Out, "");
    }
    const auto zero = RunTool({"eval", "1/(2-2)"});
    EXPECT_EQ(zero.ExitCode, 1);
    EXPECT_EQ(zero.Err, "Invalid Floating Point Operation: Divide by zero\n");
    EXPECT_EQ(RunTool({"eval", "{rate}"}).Err, "EvalNode: unknown varible ({rate})\n");
    EXPECT_EQ(RunTool({"eval", "sqrt(4)"}).Err, "Unknown function: sqrt\n");

    const auto badDeclaration = RunTool({"eval", "--declare", "f(x) = 1)", "1"});
    EXPECT_EQ(badDeclaration.ExitCode, 1);
    EXPECT_NE(badDeclaration.Err.find("f(x) = 1)"), std::string::npos);
}

TEST(EvalCommand, UsageErrorsExitTwo) {
    const std::vector<std::vector<std::string>> lines = {
        {"eval"},
        {"eval", "1", "2"},
        {"eval", "--set", "x", "1"},
        {"eval", "--set", "x=1,5", "{x}"},
        {"eval", "--set", "x=inf", "{x}"},
        {"eval", "--bogus", "1"},
        {"eval", "1", "--declare"},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(line.back());
        const auto result = RunTool(line);
        EXPECT_EQ(result.ExitCode, 2);
        EXPECT_NE(result.Err.find("usage:"), std::string::npos);
    }
}

} // namespace
} // namespace quillara
