#include "core/book/book_properties_writer.h"
#include "core/scores/score_file.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace quillara {
namespace {

using nlohmann::json;
using testing::RunProgram;
using testing::RunTool;
using testing::TempBookDir;

// Reads a CSV file the way a spreadsheet takes it in: Python's csv module in strict mode, and each
// row's first field as an ISO 8601 date and time, given back as [y, m, d, H, M, S].
constexpr const char* ReadBack = R"(
import csv, datetime, json, sys
with open(sys.argv[1], newline='', encoding='utf-8') as f:
    rows = list(csv.reader(f, strict=True))
for row in rows[1:]:
    row[0] = list(datetime.datetime.fromisoformat(row[0]).timetuple())[:6]
print(json.dumps(rows))
)";

struct ScoresCsv : ::testing::Test {
    ScoresCsv() {
        TBookProperties book;
        book.ChapterNames = {"Cells", "Energy, \"light\""};
        bookDir.Write("BOOK.DEF", WriteBookProperties(book, 5, TRegionalSettings{}));
        TScoreHistory history;
        for (const auto& [date, description] :
             {std::pair{45358 + (14 * 3600 + 5 * 60 + 9) / 86400.0, "Review, \"final\"\r\nCaf\xE9"},
              std::pair{45359.5, "True False Quiz"}}) {
            auto score = std::make_unique<TScore>();
            score->date = date;
            score->setDescription(description);
            score->addCorrect(2);
            score->addIncorrect(2);
            history.AddAttempt(std::move(score));
        }
        scoreFile = dir.Write("SCORES.SAV", history.writeScores());
    }
    TempBookDir dir;
    TempBookDir bookDir;
    std::filesystem::path scoreFile;
};

TEST_F(ScoresCsv, ASpreadsheetParserReadsBackEveryFieldAndDate) {
    const std::string before = TempBookDir::ReadFile(scoreFile);
    const auto csv =
        RunTool({"dump", scoreFile.string(), "--csv", "--book", bookDir.Path().string()});
    ASSERT_EQ(csv.ExitCode, 0) << csv.Err;
    EXPECT_EQ(TempBookDir::ReadFile(scoreFile), before);
    const auto parsed = RunProgram(
        "/usr/bin/env", {"python3", "-c", ReadBack, dir.Write("scores.csv", csv.Out).string()});
    if (parsed.ExitCode == 127) GTEST_SKIP() << "python3 is not installed";
    ASSERT_EQ(parsed.ExitCode, 0) << parsed.Err;
    EXPECT_EQ(json::parse(parsed.Out), json::parse(R"([
        ["Date", "Description", "Chapter", "Chapter name", "Correct", "Incorrect", "Percent"],
        [[2024, 3, 7, 14, 5, 9], "Review, \"final\"\r\nCafé", "2", "Energy, \"light\"",
         "1", "1", "50"],
        [[2024, 3, 8, 12, 0, 0], "True False Quiz", "2", "Energy, \"light\"", "1", "1", "50"]
    ])"));

    // --csv tells the kind, so a score file under another name prints too; without --book the
    // chapter names are left empty.
    const auto copy = RunTool({"dump", dir.Write("backup.bin", before).string(), "--csv"});
    EXPECT_EQ(copy.ExitCode, 0) << copy.Err;
    EXPECT_NE(copy.Out.find("\r\n2024-03-08T12:00:00,True False Quiz,2,,1,1,50\r\n"),
              std::string::npos);
}

TEST_F(ScoresCsv, FailuresPrintNothingAndSaySo) {
    const std::string whole = TempBookDir::ReadFile(scoreFile);
    const auto cut = dir.Write("CUT.SAV", whole.substr(0, whole.size() - 3));
    const auto truncated = RunTool({"dump", cut.string(), "--csv"});
    EXPECT_EQ(truncated.ExitCode, 1);
    EXPECT_EQ(truncated.Out, "");
    EXPECT_NE(truncated.Err.find("the file ends inside"), std::string::npos) << truncated.Err;

    // A count that does not match the records is no whole score file either, as JSON or CSV.
    const struct {
        std::string Bytes;
        const char* Said;
    } damaged[] = {
        {whole + "x", "1 bytes follow the 2 scores the file counts"},
        {std::string("\x01\x00", 2) + whole.substr(2), "bytes follow the 1 scores"},
        {std::string("\xFF\xFF", 2) + whole.substr(2), "the score count -1"},
    };
    for (const auto& c : damaged) {
        const auto file = dir.Write("DAMAGED.SAV", c.Bytes);
        for (const bool csv : {false, true}) {
            const auto dumped = RunTool(csv ? std::vector<std::string>{"dump", file.string(), "--csv"}
                                            : std::vector<std::string>{"dump", file.string(),
                                                                       "--kind", "scores"});
            EXPECT_EQ(dumped.ExitCode, 1) << c.Said;
            EXPECT_EQ(dumped.Out, "") << c.Said;
            EXPECT_NE(dumped.Err.find(c.Said), std::string::npos) << dumped.Err;
        }
    }

    const auto noBook =
        RunTool({"dump", scoreFile.string(), "--csv", "--book", dir.Path().string()});
    EXPECT_EQ(noBook.ExitCode, 1);
    EXPECT_EQ(noBook.Out, "");
    EXPECT_NE(noBook.Err.find("cannot read the book in"), std::string::npos) << noBook.Err;

    // A full disk under a redirected output is an error, not a short table.
    const auto full = RunProgram("/bin/sh", {"-c", "\"$0\" dump \"$1\" --csv > /dev/full",
                                             QUILLARA_BOOK_TOOL, scoreFile.string()});
    EXPECT_EQ(full.ExitCode, 1) << full.Err;

    const std::vector<std::vector<std::string>> misuse = {
        {"dump", (bookDir.Path() / "BOOK.DEF").string(), "--csv"},
        {"dump", scoreFile.string(), "--kind", "glossary", "--csv"},
        {"dump", scoreFile.string(), "--book", bookDir.Path().string()},
        {"dump", scoreFile.string(), "--csv", "--book"},
    };
    for (const auto& args : misuse)
        EXPECT_EQ(RunTool(args).ExitCode, 2) << args[2] << " " << args.back();
}

} // namespace
} // namespace quillara
