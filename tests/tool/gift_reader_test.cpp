#include "gift_reader.h"
#include "imported_question_check.h"
#include "quiz_format.h"

#include <gtest/gtest.h>

namespace quillara::tool {
namespace {

using testing::ExpectedImport;
using K = TImportedKind;

struct GiftCase {
    const char* Name;
    std::string File;
    std::vector<ExpectedImport> Questions;
};

// What a teacher's GIFT file holds, question by question, as the reader gives it.
TEST(GiftReader, ReadsEachFormOfQuestionWithItsAnswersAndFeedback) {
    const std::vector<GiftCase> cases = {
        {"a category line just above its question keeps the question",
         "$CATEGORY: $course$/Top\n::Q1:: Is water wet? {T}\n\n$CATEGORY: x\n\nAfter {F}\n",
         {{K::TrueFalse, "line 2", "Is water wet?", {"T"}},
          {K::TrueFalse, "line 6", "After", {"F"}}}},
        {"comments inside and between questions",
         "// before\nOne {\n// inside\n=a ~b}\n\n// only a comment\n\nTwo {TRUE}\n",
         {{K::MultipleChoice, "line 2", "One", {"=a", "b"}},
          {K::TrueFalse, "line 8", "Two", {"T"}}}},
        {"titles, empty and escaped",
         "::::Untitled{F}\n\n::A\\:B:: Titled {FALSE}\n",
         {{K::TrueFalse, "line 1", "Untitled", {"F"}}, {K::TrueFalse, "line 3", "Titled", {"F"}}}},
        {"escapes in text and choices",
         "a \\= b \\~ c \\# d \\{e\\} f\\:g {=yes\\=no ~no\\~way#x\\#y}\n",
         {{K::MultipleChoice, "line 1", "a = b ~ c # d {e} f:g", {"=yes=no", "no~way#x#y"}}}},
        {"True/False feedback: wrong answer's first, general after ####",
         "T? {T#wrong#right####general}\n\nF? {f#only}\n",
         {{K::TrueFalse, "line 1", "T?", {"T"}, "general", "wrong"},
          {K::TrueFalse, "line 3", "F?", {"F"}, "", "only"}}},
        {"a question over several lines, CRLF ends",
         "First line\r\nsecond line\r\n{\r\n=right\r\n~wrong\r\n}\r\n",
         {{K::MultipleChoice, "line 1", "First line\nsecond line", {"=right", "wrong"}}}},
        {"missing-word form keeps a blank",
         "The capital {=Paris ~London} is in France.\n",
         {{K::MultipleChoice, "line 1", "The capital _____ is in France.", {"=Paris", "London"}}}},
        {"weights: full credit is right, none or negative wrong",
         "W {~%-50%a =%100%b ~%0%c}\n",
         {{K::MultipleChoice, "line 1", "W", {"a", "=b", "c"}}}},
        {"numerical forms",
         "A {#4:0.5}\n\nB {#1..5}\n\nC {#=4:0.5#near =%50%4:2#close}\n\nD {#-2.50}\n",
         {{K::Numerical, "line 1", "A", {"4"}},
          {K::Numerical, "line 3", "B", {"3"}},
          {K::Numerical, "line 5", "C", {"4"}, "near", "close"},
          {K::Numerical, "line 7", "D", {"-2.5"}}}},
        {"numerical feedback for any other answer after ~",
         "A {#4:0.5 #Well done ~#Think about weeks}\n\n"
         "B {#\n=4 #Right\n=%50%3 #Close\n~#Count again\n####Four}\n\nC {#4~}\n",
         {{K::Numerical, "line 1", "A", {"4"}, "Well done", "Think about weeks"},
          {K::Numerical, "line 3", "B", {"4"}, "Four", "Close\nCount again"},
          {K::Numerical, "line 9", "C", {"4"}}}},
        {"text formats",
         "[html]<p>One &amp; two</p>{T}\n\n[markdown]**Bold** words{T}\n\n[plain]<b>kept</b>{T}\n",
         {{K::TrueFalse, "line 1", "One & two", {"T"}},
          {K::TrueFalse, "line 3", "Bold words", {"T"}},
          {K::TrueFalse, "line 5", "<b>kept</b>", {"T"}}}},
        {"what a book cannot hold is named with its reason",
         "Match {=a -> 1 =b -> 2}\n\nName {=Paris =paris}\n\nWhy {}\n\nTwo {~%50%a ~%50%b}\n\n"
         "None {~a ~b}\n\nNo credit {#=%50%4}\n\nText only\n\nTwice {=a ~b} and {=c ~d}\n",
         {{K::Unsupported, "line 1", "Match", {}, "", "", "a matching question"},
          {K::Unsupported, "line 3", "Name", {}, "", "", "a short-answer question"},
          {K::Unsupported, "line 5", "Why", {}, "", "", "an essay question"},
          {K::Unsupported,
           "line 7",
           "Two",
           {"a", "b"},
           "",
           "",
           "answers with partial credit and "
           "none with full credit"},
          {K::Unsupported, "line 9", "None", {"a", "b"}, "", "", "no right answer"},
          {K::Unsupported, "line 11", "No credit", {}, "", "", "no answer with full credit"},
          {K::Unsupported, "line 13", "", {}, "", "", "a text without answers"},
          {K::Unsupported, "line 15", "", {}, "", "", "more than one set of answers"}}},
        {"teachers' ways of writing",
         "A {~=x ~y}\n\nB {~%100%x ~%50%y ~z}\n\n[html]::T::<i>C</i>{T}\n\n::D?::{\nTRUE\n}\n\n"
         "E C:\\Users {=a\\: b ~c}\n\nF {=~5 km ~9 km}\n\nG {=x=5#so x=5 ~y -> z}\n\n"
         "H {=1#no ~2#yes, 1 + 1 = 2 ~3}\n\nI {#5#Good = well done}\n",
         {{K::MultipleChoice, "line 1", "A", {"=x", "y"}},
          {K::MultipleChoice, "line 3", "B", {"=x", "y", "z"}},
          {K::TrueFalse, "line 5", "C", {"T"}},
          {K::TrueFalse, "line 7", "D?", {"T"}},
          {K::MultipleChoice, "line 11", "E C:\\Users", {"=a: b", "c"}},
          {K::MultipleChoice, "line 13", "F", {"=~5 km", "9 km"}},
          {K::MultipleChoice, "line 15", "G", {"=x=5#so x=5", "y -> z"}},
          {K::Unsupported,
           "line 17",
           "H",
           {"=1#no", "2#yes, 1 + 1", "=2", "3"},
           "",
           "",
           "line 17, column 24: an unescaped \"=\" in the feedback"},
          {K::Unsupported,
           "line 19",
           "",
           {},
           "",
           "",
           "line 19, column 12: an unescaped \"=\" in the feedback"}}},
    };
    for (const GiftCase& c : cases) {
        SCOPED_TRACE(c.Name);
        testing::ExpectEachRead(ReadGift, c.File, c.Questions);
    }
}

TEST(GiftReader, NumericalToleranceAndWrittenDecimalsAreKept) {
    const auto read = ReadGift("A {#3.50:0.05}\n\nB {#9.5..10.5}\n\nC {#7:-2}\n");
    ASSERT_EQ(read.size(), 3u);
    EXPECT_DOUBLE_EQ(read[0].Tolerance, 0.05);
    EXPECT_EQ(read[0].AnswerDecimals, 2);
    EXPECT_DOUBLE_EQ(read[1].Tolerance, 0.5);
    EXPECT_FALSE(read[1].AnswerDecimals.has_value());
    EXPECT_DOUBLE_EQ(read[2].Tolerance, 2);
}

// A block the format does not allow stops the file at its place, counted in characters.
TEST(GiftReader, MalformedBlocksNameTheirLineAndColumn) {
    testing::ExpectEachRefused(
        ReadGift,
        {
            {"Fine {T}\n\nLost {=a ~b\n", 3, 6, "have no closing \"}\""},
            {"::No end {T}\n", 1, 1, "has no closing \"::\""},
            {"Q } oops\n", 1, 3, "a \"}\" closes no answers"},
            {"Q {=a {~b}\n", 1, 7, "a \"{\" inside answers"},
            {"Count {#12:abc}\n", 1, 9, "\"12:abc\" is not a number"},
            {"Big {#1e400}\n", 1, 7, "\"1e400\" is not a number"},
            {"Empty {#}\n", 1, 9, "needs its answer after \"#\""},
            {"Only feedback {#~#no}\n", 1, 17, "needs its answer after \"#\""},
            {"Other {#4 ~5#no}\n", 1, 11, "\"~\" is followed only by \"#\" and the feedback"},
            {"Weight {~%50a =b}\n", 1, 10, "has no closing \"%\""},
            {"Weight {=%abc%a ~b}\n", 1, 11, "a weight is a number of percent"},
            {"Q {\n?a}\n", 2, 1, "answers start with"},
            {"caf\xC3\xA9 } x\n", 1, 6, "closes no answers"},
        });
}

// A byte-order mark is dropped and a file that is not UTF-8 is read as Windows-1252.
TEST(GiftReader, FileTextDropsTheMarkAndReadsWindows1252) {
    bool windows1252 = true;
    EXPECT_EQ(QuizFileText("\xEF\xBB\xBF::T:: Q {T}", windows1252), "::T:: Q {T}");
    EXPECT_FALSE(windows1252);
    EXPECT_EQ(QuizFileText("Caf\xE9 \x80", windows1252), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_TRUE(windows1252);
    EXPECT_EQ(ReadGift(QuizFileText("\xEF\xBB\xBF::T:: Q {T}", windows1252))[0].Text, "Q");
}

} // namespace
} // namespace quillara::tool
