#include "temp_book_dir.h"
#include "tool_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace quillara {
namespace {

using nlohmann::json;
using testing::RunTool;
using testing::TempBookDir;

TEST(Synth, MakesASoundBookOfTheAskedSizeTheSameWayForTheSameSeed) {
    TempBookDir dir;
    const auto a = dir.Path() / "a";
    const auto b = dir.Path() / "b";
    const std::vector<std::string> size{"--chapters", "3",  "--questions", "20",
                                        "--terms",    "30", "--scores",    "7"};
    auto args = std::vector<std::string>{"synth", a.string()};
    args.insert(args.end(), size.begin(), size.end());
    ASSERT_EQ(RunTool(args).ExitCode, 0);
    args[1] = b.string();
    ASSERT_EQ(RunTool(args).ExitCode, 0);
    for (const char* name : {"BOOK.DEF", "QUESTION.3", "GLOSSARY.DEF", "SCORES.SAV", "CHAP2.JPG"})
        EXPECT_EQ(TempBookDir::ReadFile(a / name), TempBookDir::ReadFile(b / name)) << name;

    const auto check = RunTool({"check", a.string()});
    EXPECT_EQ(check.ExitCode, 0);
    EXPECT_EQ(check.Out, "0 errors, 0 warnings\n");

    const json book = json::parse(RunTool({"dump", a.string()}).Out);
    EXPECT_EQ(book["book"]["ChapterCount"], 3);
    EXPECT_EQ(book["questions"]["2"]["questions"].size(), 20u);
    EXPECT_EQ(book["glossary"]["entries"].size(), 30u);
    const json scores = json::parse(RunTool({"dump", (a / "SCORES.SAV").string()}).Out);
    ASSERT_EQ(scores["scores"].size(), 7u);
    EXPECT_EQ(scores["scores"][1]["description"], "True False Quiz from chapter 2");
    EXPECT_EQ(scores["scores"][1]["details"][0]["chapter"], 2);
}

TEST(Synth, RefusesSizesBeyondWhatTheFilesCanHold) {
    TempBookDir dir;
    for (const auto& [option, value] :
         std::vector<std::pair<std::string, std::string>>{{"--chapters", "256"},
                                                          {"--questions", "32768"},
                                                          {"--terms", "65536"},
                                                          {"--scores", "-1"},
                                                          {"--seed", "x"}})
        EXPECT_EQ(RunTool({"synth", dir.Path().string(), option, value}).ExitCode, 2) << option;
}

TEST(DumpScores, PrintsScoresAndReportsATruncatedFile) {
    TempBookDir dir;
    ASSERT_EQ(RunTool({"synth", dir.Path().string(), "--chapters", "2", "--scores", "3"}).ExitCode,
              0);
    const std::string bytes = dir.Read("SCORES.SAV");
    dir.Write("scores.bin", bytes.substr(0, bytes.size() - 1));
    const auto result = RunTool({"dump", (dir.Path() / "scores.bin").string(), "--kind", "scores"});
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_NE(result.Err.find("the file ends inside"), std::string::npos) << result.Err;
}

} // namespace
} // namespace quillara
