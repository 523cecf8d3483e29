#include "byte_string.h"
#include "core/io/book_errors.h"
#include "core/scores/score.h"
#include "core/scores/score_file.h"
#include "scripted_random.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

namespace quillara {
namespace {

using testing::Bytes;

// A score file larger than MaxScoreFileSize is refused unread; every history the program writes
// fits: as many scores as the file can count, each a test over every chapter a book can have,
// with the longest description.
TEST(Score, TheLargestHistoryTheProgramWritesFitsTheScoreFileLimit) {
    std::vector<TScoreDetail> details;
    for (std::int16_t chapter = 1; chapter <= 255; ++chapter)
        details.emplace_back(chapter, 100, 100);
    const std::string description(ShortStringLimit, 'd');
    TByteWriter out;
    TScore(45000.5, description, details).write(out);
    EXPECT_LE(2 + std::uint64_t{MaxScoreCount} * out.Bytes().size(), MaxScoreFileSize);
}

TEST(Score, NewAttemptIsDatedNowAndKeepsChaptersInOrderOfFirstAnswer) {
    testing::FakeClock clock(45123.375);
    TScore score;
    EXPECT_EQ(score.date, 45123.375);
    EXPECT_EQ(score.description(), "");
    EXPECT_EQ(score.detailCount(), 0);
    EXPECT_EQ(score.totalAnswered(), 0);

    score.addIncorrect(3);
    score.addCorrect(1);
    score.addCorrect(3);
    score.addCorrect(3);
    score.addIncorrect(1);
    score.addCorrect(7);

    ASSERT_EQ(score.detailCount(), 3);
    EXPECT_EQ(score.detail(0).chapter, 3);
    EXPECT_EQ(score.detail(0).correct, 2);
    EXPECT_EQ(score.detail(0).incorrect, 1);
    EXPECT_EQ(score.detail(1).chapter, 1);
    EXPECT_EQ(score.detail(1).correct, 1);
    EXPECT_EQ(score.detail(1).incorrect, 1);
    EXPECT_EQ(score.detail(2).chapter, 7);
    EXPECT_EQ(score.totalCorrect(), 4);
    EXPECT_EQ(score.totalIncorrect(), 2);
    EXPECT_EQ(score.totalAnswered(), 6);
    EXPECT_THROW(score.detail(3), std::out_of_range);
    EXPECT_THROW(score.detail(-1), std::out_of_range);
}

TEST(ScoreDetail, RecordHoldsTheCountsBeforeTheChapterAndRatioNeedsAnswers) {
    TByteWriter out;
    TScoreDetail(0x0102, 3, -2).write(out);
    EXPECT_EQ(out.Bytes(), Bytes({3, 0, 0xFE, 0xFF, 0x02, 0x01}));

    TByteReader in(out.Bytes(), "SCORES.SAV");
    const TScoreDetail read(in);
    EXPECT_EQ(read.chapter, 0x0102);
    EXPECT_EQ(read.correct, 3);
    EXPECT_EQ(read.incorrect, -2);
    EXPECT_TRUE(in.AtEnd());

    EXPECT_EQ(TScoreDetail(1, 3, 1).answered(), 4);
    EXPECT_DOUBLE_EQ(TScoreDetail(1, 3, 1).ratio(), 0.75);
    EXPECT_EQ(TScoreDetail(1, 0, 0).ratio(), 0.0);
    EXPECT_EQ(TScoreDetail(1, 1, -2).ratio(), 0.0);
}

TEST(Score, RecordLayoutAndReadBack) {
    TScore score;
    score.date = 1.5;
    score.setDescription("Quiz \t ");
    score.addCorrect(2);
    score.addIncorrect(9);
    TByteWriter out;
    score.write(out);
    // detail count, date (1.5 = 0x3FF8000000000000), description without its trailing blanks,
    // then the details in the order of first answer.
    EXPECT_EQ(out.Bytes(), Bytes({2, 0, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 4}) + "Quiz" +
                               Bytes({1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 9, 0}));

    TByteReader in(out.Bytes(), "SCORES.SAV");
    const TScore read(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(read.date, 1.5);
    EXPECT_EQ(read.description(), "Quiz");
    ASSERT_EQ(read.detailCount(), 2);
    EXPECT_EQ(read.detail(0).chapter, 2);
    EXPECT_EQ(read.detail(1).chapter, 9);
    EXPECT_EQ(read.detail(1).incorrect, 1);
}

TEST(Score, RecordEndingInsideADetailRaises) {
    const std::string data = Bytes({2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 1, 0});
    TByteReader in(data, "SCORES.SAV");
    try {
        TScore score(in);
        FAIL() << "no error";
    } catch (const TTruncatedFileError& e) {
        EXPECT_STREQ(e.what(), "SCORES.SAV: the file ends inside incorrect count at byte 19");
    }
}

TEST(Score, CountsAndTotalsNeverWrap) {
    // Three chapters at the largest count a file can hold.
    std::string data = Bytes({3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    for (int chapter = 1; chapter <= 3; ++chapter)
        data += Bytes({0xFF, 0x7F, 0xFF, 0x7F, chapter, 0});
    TByteReader in(data, "SCORES.SAV");
    TScore score(in);
    score.addCorrect(2);
    score.addIncorrect(3);
    EXPECT_EQ(score.detail(1).correct, MaxScoreCount);
    EXPECT_EQ(score.detail(2).incorrect, MaxScoreCount);
    EXPECT_EQ(score.totalCorrect(), 3 * MaxScoreCount);
    EXPECT_EQ(score.totalAnswered(), 6 * MaxScoreCount);
}

// A score read on its own keeps its texts when the bytes it was read from are gone.
TEST(Score, ReadOnItsOwnOutlivesTheBytes) {
    std::optional<TScore> read;
    {
        TByteWriter out;
        TScore score;
        score.setDescription("A description longer than a short string");
        score.addCorrect(4);
        score.write(out);
        std::string bytes = out.Take();
        TByteReader in(bytes, "SCORES.SAV");
        read.emplace(in);
        bytes.assign(bytes.size(), 'x');
    }
    EXPECT_EQ(read->description(), "A description longer than a short string");
    ASSERT_EQ(read->detailCount(), 1);
    EXPECT_EQ(read->detail(0).chapter, 4);
    read->addIncorrect(4);
    EXPECT_EQ(read->totalAnswered(), 2);
}

TEST(WholePercent, TruncatesExactlyAndNeverRoundsUp) {
    EXPECT_EQ(wholePercent(2, 3), 66);
    EXPECT_EQ(wholePercent(1, 3), 33);
    EXPECT_EQ(wholePercent(53, 100), 53);
    // 100 × 0.29 and 100 × 0.57 fall just below a whole number in floating point.
    EXPECT_EQ(wholePercent(29, 100), 29);
    EXPECT_EQ(wholePercent(57, 100), 57);
    EXPECT_EQ(wholePercent(199, 200), 99);
    EXPECT_EQ(wholePercent(3, 3), 100);
    EXPECT_EQ(wholePercent(0, 5), 0);
    EXPECT_EQ(wholePercent(0, 0), 0);
    EXPECT_EQ(wholePercent(4, 0), 0);
    EXPECT_EQ(wholePercent(4, -1), 0);
}

} // namespace
} // namespace quillara
