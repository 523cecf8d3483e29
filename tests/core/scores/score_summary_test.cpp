#include "make_score.h"
#include "core/scores/score_file.h"
#include "core/scores/score_summary.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quillara {
namespace {

// An attempt of any description: only its date and details matter here.
std::unique_ptr<TScore> Score(double date, std::initializer_list<std::array<int, 3>> details) {
    return testing::MakeScore(date, "Quiz", details);
}

TEST(ScoreSummary, ResultTextAndChapters) {
    EXPECT_EQ(ResultText(*Score(0, {{1, 7, 3}})), "7 of 10 for 70%");
    EXPECT_EQ(ResultText(*Score(0, {{1, 2, 1}})), "2 of 3 for 66%");
    EXPECT_EQ(ResultText(*Score(0, {{2, 1, 0}, {5, 0, 2}, {1, 1, 1}})), "2 of 5 for 40%");
    EXPECT_EQ(ResultText(*Score(0, {})), "0 of 0 for ");
    EXPECT_EQ(DistinctChapters(*Score(0, {{2, 1, 0}, {5, 0, 2}, {1, 1, 1}})), 3);
    EXPECT_EQ(DistinctChapters(*Score(0, {{40, 1, 0}, {41, 1, 0}})), 2) << "no limit of 30";
    EXPECT_EQ(DistinctChapters(*Score(0, {{3, 1, 0}})), 1);
}

TEST(ScoreSummary, ChapterHistoryKeepsTheTenNewestOldestFirst) {
    TScoreHistory history;
    for (int i = 1; i <= 12; ++i)
        history.AddAttempt(Score(100 + i, {{2, 1, 2}, {4, i, 10 - i}}));
    history.AddAttempt(Score(200, {{2, 1, 0}}));
    const std::vector<TChapterPoint> points = ChapterHistory(history, 4);
    ASSERT_EQ(points.size(), 10u);
    EXPECT_EQ(points.front().Date, 103) << "the two oldest are left out";
    EXPECT_EQ(points.front().Percent, 30);
    EXPECT_EQ(points.back().Date, 112);
    EXPECT_EQ(points.back().Percent, 100);
    EXPECT_EQ(ChapterHistory(history, 2).back().Percent, 100);
    EXPECT_EQ(ChapterHistory(history, 2).front().Percent, 33) << "1 of 3 plots 33";
    EXPECT_TRUE(ChapterHistory(history, 7).empty());
}

TEST(ScoreSummary, DatesInTheUsersFormat) {
    TRegionalSettings us;
    TRegionalSettings german;
    german.ShortDateFormat = "dd.MM.yy";
    german.DateSeparator = ".";
    TRegionalSettings iso;
    iso.ShortDateFormat = "yyyy-MM-dd";

    const struct {
        double date;
        std::string us, german, iso, monthDay, dayMonth;
    } cases[] = {
        {0, "12/30/1899", "30.12.99", "1899-12-30", "12/30", "30.12"},
        {2.75, "1/1/1900", "01.01.00", "1900-01-01", "01/01", "01.01"},
        {46363.5588, "12/7/2026", "07.12.26", "2026-12-07", "12/07", "07.12"},
        {-693593, "1/1/1", "01.01.01", "1-01-01", "01/01", "01.01"},
        {std::nan(""), "", "", "", "", ""},
        {1e300, "", "", "", "", ""},
        {-1e300, "", "", "", "", ""},
    };
    TRegionalSettings named;
    named.ShortDateFormat = "d MMM yyyy, MMMM";
    EXPECT_EQ(ShortDateText(46363.5588, named), "7 Dec 2026, December");
    for (const auto& c : cases) {
        EXPECT_EQ(ShortDateText(c.date, us), c.us) << c.date;
        EXPECT_EQ(ShortDateText(c.date, german), c.german) << c.date;
        EXPECT_EQ(ShortDateText(c.date, iso), c.iso) << c.date;
        EXPECT_EQ(MonthDayText(c.date, us), c.monthDay) << c.date;
        EXPECT_EQ(MonthDayText(c.date, german), c.dayMonth) << c.date;
    }
}

} // namespace
} // namespace quillara
