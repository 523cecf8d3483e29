#include "core/book/topic_pages.h"
#include "core/search/page_text.h"
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

// A page-heavy book: each page its heading and the asked number of words of prose after it,
// the same for the same seed and another for another seed.
TEST(Synth, WritesPagesOfTheAskedNumberOfWords) {
    TempBookDir dir;
    const auto make = [&](const char* name, const char* seed) {
        const auto book = dir.Path() / name;
        EXPECT_EQ(RunTool({"synth", book.string(), "--chapters", "2", "--terms", "0", "--topics",
                           "4", "--page-words", "300", "--seed", seed})
                      .ExitCode,
                  0);
        return FindTopicTexts(book, 2, {"Summary", "Key Ideas", "Worked Examples", "Topic 4"});
    };
    const auto pages = make("a", "1");
    for (const std::string& page : pages) {
        ASSERT_FALSE(page.empty());
        const std::string text = PageText(page);
        const auto words = std::count(text.begin(), text.end(), ' ') + 1;
        // The heading ("Summary of chapter 2 Text." and the like) comes first.
        EXPECT_EQ(words - std::count(text.begin(), text.begin() + text.find("Text.") + 5, ' ') - 1,
                  300)
            << text.substr(0, 80);
    }
    EXPECT_EQ(make("b", "1"), pages);
    EXPECT_NE(make("c", "2"), pages);
    EXPECT_EQ(RunTool({"check", (dir.Path() / "a").string()}).Out, "0 errors, 0 warnings\n");
}

TEST(Synth, RefusesSizesBeyondWhatTheFilesCanHold) {
    TempBookDir dir;
    for (const auto& [option, value] :
         std::vector<std::pair<std::string, std::string>>{{"--chapters", "256"},
                                                          {"--questions", "32768"},
                                                          {"--terms", "65536"},
                                                          {"--scores", "-1"},
                                                          {"--page-words", "10001"},
                                                          {"--topics", "0"},
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
