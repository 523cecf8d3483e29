// The demo book's word problems ask what their texts say: each formula, evaluated on the book's
// own functions for values chosen here, gives the answer worked out by hand.
#include "tool_runner.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace quillara {
namespace {

using testing::RunTool;

struct HandWorked {
    std::vector<std::string> Values;
    double Answer;
};

const std::map<std::string, HandWorked> Worked = {
    {"{income}*0.5", {{"income=2500"}, 1250}},
    {"{income}*0.2*12", {{"income=2500"}, 6000}}, // 500 a month
    {"{months}*{income}", {{"months=6", "income=3200"}, 19200}},
    {"interest({principal}, {rate}, {years})",
     {{"principal=1200", "rate=0.05", "years=3"}, 180}}, // 60 a year
    {"future_value({principal}, {rate}, {years})",
     {{"principal=1000", "rate=0.1", "years=2"}, 1210}},            // 1000 x 1.1 x 1.1
    {"doubling_years({rate})", {{"rate=0.06"}, 12}},                // 72 / 6
    {"{principal}*{apr}/12", {{"principal=1200", "apr=0.18"}, 18}}, // 1.5% of 1200
    {"{principal}+interest({principal}, {rate}, {years})",
     {{"principal=2000", "rate=0.04", "years=5"}, 2400}},
    // 1000 x 0.1 x 1.21 / 0.21 = 121 / 0.21
    {"{principal}*{apr}*(1+{apr})^{years}/((1+{apr})^{years}-1)",
     {{"principal=1000", "apr=0.1", "years=2"}, 576.19}},
    {"{principal}*{rate}", {{"principal=4000", "rate=0.07"}, 280}},
    {"{principal}*0.01*{years}", {{"principal=5000", "years=4"}, 200}},
    {"{income}*{years}", {{"income=1800", "years=5"}, 9000}},
    {"{income}*{rate}", {{"income=2000", "rate=0.08"}, 160}},
};

TEST(DemoBook, WordProblemsGiveTheAnswersWorkedOutByHand) {
    std::ifstream source(QUILLARA_DEMO_SOURCE);
    const auto manifest = nlohmann::json::parse(source);
    int chaptersWithProblems = 0;
    for (const auto& [chapter, bank] : manifest.at("questions").items()) {
        int problems = 0;
        for (const auto& question : bank.at("questions")) {
            if (question.at("Kind") != 2) continue;
            ++problems;
            const std::string formula = question.at("Formula");
            SCOPED_TRACE("chapter " + chapter + ": " + formula);
            EXPECT_FALSE(std::string(question.at("Explanation")).empty());
            const auto worked = Worked.find(formula);
            ASSERT_NE(worked, Worked.end()) << "work this problem's answer out by hand";
            std::vector<std::string> args = {"eval", "--book", QUILLARA_DEMO_BOOK};
            for (const std::string& value : worked->second.Values)
                args.insert(args.end(), {"--set", value});
            args.push_back(formula);
            const auto result = RunTool(args);
            ASSERT_EQ(result.ExitCode, 0) << result.Err;
            EXPECT_NEAR(std::stod(result.Out), worked->second.Answer, 0.005);
        }
        if (problems >= 2) ++chaptersWithProblems;
    }
    EXPECT_EQ(chaptersWithProblems, 5);
}

} // namespace
} // namespace quillara
