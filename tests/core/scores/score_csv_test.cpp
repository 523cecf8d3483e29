#include "core/book/book_properties.h"
#include "core/book/book_strings.h"
#include "core/io/byte_writer.h"
#include "core/scores/score_csv.h"
#include "core/scores/score_file.h"

#include <gtest/gtest.h>
#include <limits>

namespace quillara {
namespace {

constexpr const char* Header =
    "Date,Description,Chapter,Chapter name,Correct,Incorrect,Percent\r\n";
constexpr double March7 = 45358; // 2024-03-07

double At(double day, double seconds) {
    return day + seconds / 86400;
}

TEST(ScoreCsv, DatesAreIsoLocalTimesToTheSecond) {
    const struct {
        double Date;
        const char* Text;
    } cases[] = {
        {At(March7, 14 * 3600 + 5 * 60 + 9), "2024-03-07T14:05:09"},
        {At(March7, 9.4), "2024-03-07T00:00:09"},        // seconds are cut, not rounded up
        {At(March7, 9.9996), "2024-03-07T00:00:10"},     // but a hair below a second is that second
        {At(March7, 86399.9996), "2024-03-08T00:00:00"}, // and may carry into the next day
        {-693593, "0001-01-01T00:00:00"},
        {At(2958465, 86399.9999), ""}, // would round past the calendar's last day
        {std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsoDateTimeText(c.Date), c.Text) << c.Date;
}

TEST(ScoreCsv, OneRowPerScoreAndChapterQuotedWhereNeeded) {
    TBookProperties book;
    book.ChapterNames = {"Cells   ", "Energy, \"light\"", "\x93Growth\x94"};
    TScoreHistory history;
    const auto add = [&history](double date, const char* description,
                                std::initializer_list<std::int16_t> chapters) {
        auto score = std::make_unique<TScore>();
        score->date = date;
        score->setDescription(description);
        for (const std::int16_t chapter : chapters)
            if (chapter > 0)
                score->addCorrect(chapter);
            else
                score->addIncorrect(static_cast<std::int16_t>(-chapter));
        history.AddAttempt(std::move(score));
    };
    // Positive chapters are correct answers, negative ones incorrect.
    add(At(March7, 3600), "Review, \"final\"\r\nCaf\xE9", {3, 3, -3, -1, 2});
    add(At(March7 + 1, 60), "True False Quiz", {7});
    EXPECT_EQ(ScoresCsv(history, &book),
              std::string(Header) +
                  "2024-03-07T01:00:00,\"Review, \"\"final\"\"\r\nCaf\xC3\xA9\",3,"
                  "\xE2\x80\x9CGrowth\xE2\x80\x9D,2,1,66\r\n"
                  "2024-03-07T01:00:00,\"Review, \"\"final\"\"\r\nCaf\xC3\xA9\",1,Cells,0,1,0\r\n"
                  "2024-03-07T01:00:00,\"Review, \"\"final\"\"\r\nCaf\xC3\xA9\",2,"
                  "\"Energy, \"\"light\"\"\",1,0,100\r\n"
                  "2024-03-08T00:01:00,True False Quiz,7,,1,0,100\r\n");
    // Without a book the names are left empty rather than guessed.
    EXPECT_EQ(ScoresCsv(history, nullptr).find("Cells"), std::string::npos);
    EXPECT_EQ(ScoresCsv(TScoreHistory{}, nullptr), Header);
}

TEST(ScoreCsv, ScoresWithNothingAnsweredAreKeptWithoutAPercent) {
    // A file may hold a score with no chapters, or a chapter with nothing answered.
    TByteWriter file;
    file.WriteInt16(2);
    for (const int details : {0, 1}) {
        file.WriteInt16(static_cast<std::int16_t>(details));
        file.WriteDouble(March7);
        WriteShortString(file, "Empty");
        for (int d = 0; d < details; ++d)
            TScoreDetail(4, 0, 0).write(file);
    }
    TScoreHistory history;
    ASSERT_TRUE(history.readScores(file.Take(), "SCORES.SAV"));
    EXPECT_EQ(ScoresCsv(history, nullptr), std::string(Header) +
                                               "2024-03-07T00:00:00,Empty,,,0,0,\r\n"
                                               "2024-03-07T00:00:00,Empty,4,,0,0,\r\n");
}

// Texts from the file and the book that a spreadsheet would run as formulas are marked as text;
// the numbers beside them, negative ones included, stay numbers.
TEST(ScoreCsv, TextsThatASpreadsheetWouldRunStartWithAnApostrophe) {
    const struct {
        const char* Text;
        const char* Cell;
    } cases[] = {
        {"=1+2", "'=1+2"},
        {"+SUM(A1)", "'+SUM(A1)"},
        {"-2+3", "'-2+3"},
        {"@cmd", "'@cmd"},
        {"\t=1", "'\t=1"},
        {"\r=1", "\"'\r=1\""},
        {"Quiz = 1", "Quiz = 1"},
        {"'quoted", "'quoted"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        TBookProperties book;
        book.ChapterNames = {c.Text};
        // The file's bytes as they are, without the trimming a new description gets.
        TByteWriter file;
        file.WriteInt16(1);
        file.WriteInt16(1);
        file.WriteDouble(March7);
        WriteShortString(file, c.Text);
        TScoreDetail(1, -1, 3).write(file);
        TScoreHistory history;
        ASSERT_TRUE(history.readScores(file.Take(), "SCORES.SAV"));
        EXPECT_EQ(ScoresCsv(history, &book), std::string(Header) + "2024-03-07T00:00:00," +
                                                 c.Cell + ",1," + c.Cell + ",-1,3,-50\r\n");
    }
}

} // namespace
} // namespace quillara
