#include "aiken_reader.h"
#include "imported_question_check.h"
#include "quiz_format.h"

#include <gtest/gtest.h>

namespace quillara::tool {
namespace {

using testing::ExpectedImport;
using K = TImportedKind;

TEST(AikenReader, ReadsQuestionsWithEitherChoiceMarkAndTheirAnswer) {
    struct AikenCase {
        const char* Name;
        std::string File;
        std::vector<ExpectedImport> Questions;
    };
    const std::vector<AikenCase> cases = {
        {"dots and parentheses, a blank line between",
         "Which is red?\nA. Grass\nB) Blood\nC. Sky\nANSWER: B\n\nNext?\nA) x\nB) y\nANSWER: A\n",
         {{K::MultipleChoice, "line 1", "Which is red?", {"Grass", "=Blood", "Sky"}},
          {K::MultipleChoice, "line 7", "Next?", {"=x", "y"}}}},
        {"no blank line between, CRLF ends, no space after ANSWER:",
         "One?\r\nA. a\r\nB. b\r\nANSWER:B\r\nTwo?\r\nA. c\r\nB. d\r\nANSWER: A\r\n",
         {{K::MultipleChoice, "line 1", "One?", {"a", "=b"}},
          {K::MultipleChoice, "line 5", "Two?", {"=c", "d"}}}},
        {"a question over several lines, indented",
         "  First line\n  second line\n\tA. yes\n\tB. no\n  ANSWER: A",
         {{K::MultipleChoice, "line 1", "First line\nsecond line", {"=yes", "no"}}}},
        {"more choices than a book holds are read, for the import to refuse",
         "Q?\nA. 1\nB. 2\nC. 3\nD. 4\nE. 5\nF. 6\nANSWER: F\n",
         {{K::MultipleChoice, "line 1", "Q?", {"1", "2", "3", "4", "5", "=6"}}}},
        {"lowercase letters, in the choices and the answer",
         "Q?\na. x\nb) y\nANSWER: b\n\nR?\nA. u\nb. v\nANSWER: a\n",
         {{K::MultipleChoice, "line 1", "Q?", {"x", "=y"}},
          {K::MultipleChoice, "line 6", "R?", {"=u", "v"}}}},
        {"the answer written \"B)\" or \"b.\", after \"Answer:\" and double spaces",
         "Q?\nA) x\nB) y\nANSWER:  B)\n\nR?\nA. u\nB. v\nAnswer: b.\n",
         {{K::MultipleChoice, "line 1", "Q?", {"x", "=y"}},
          {K::MultipleChoice, "line 6", "R?", {"u", "=v"}}}},
        {"a question that cannot be read is left out; the next one is read",
         "Q?\nA. x\nC. y\nANSWER: A\n\nR?\nA. u\nB. v\nANSWER: B\n",
         {{K::Unsupported, "line 1", "", {}, "", "", "line 3: choices are lettered in order"},
          {K::MultipleChoice, "line 6", "R?", {"u", "=v"}}}},
        {"an empty choice is read empty, for the import to refuse",
         "Q?\nA. \nB.\nC) z\nANSWER: C\n",
         {{K::MultipleChoice, "line 1", "Q?", {"", "", "=z"}}}},
    };
    for (const AikenCase& c : cases) {
        SCOPED_TRACE(c.Name);
        testing::ExpectEachRead(ReadAiken, c.File, c.Questions);
    }
}

TEST(AikenReader, AFileOutOfOrderNamesItsLine) {
    testing::ExpectEachRefused(
        ReadAiken,
        {
            {"Q?\nA. x\nB. y\n", 1, 1, "has no \"ANSWER:\" line"},
            {"Q?\nA. x\nB. y\nANSWER: C\n", 4, 9, "the answer \"C\" names none"},
            {"Q?\nA. x\nB. y\nANSWER: AB\n", 4, 9, "the answer \"AB\" names none"},
            {"Q?\nA. x\nB. y\nANSWER:\n", 4, 9, "the answer \"\" names none"},
            {"A. x\nB. y\nANSWER: A\n", 1, 1, "a choice comes before its question"},
            {"Q?\nA. x\nC. y\nANSWER: A\n", 3, 1, "expected B"},
            {"Q?\nANSWER: A\n", 2, 1, "without a question's choices"},
            {"Q?\nA. x\nB. y\nANSWER: A\nANSWER: B\n", 5, 1, "without a question's choices"},
            {"Q?\na. x\nb. y\nANSWER: c\n", 4, 9, "the answer \"c\" names none"},
            {"Q?\na. x\nc. y\nANSWER: a\n", 3, 1, "expected B"},
            // A line after the choices is named, whether stray or the next question's.
            {"Q?\nA. x\nB. y\nOne more line\nANSWER: A\n", 4, 1,
             "expected choice C or the question's \"ANSWER:\" line"},
            {"Q?\nA. x\nB. y\n\nNext?\nA. z\nB. w\nANSWER: A\n", 5, 1,
             "expected choice C or the question's \"ANSWER:\" line"},
        });
}

// ANSWER: lines without braces make a file Aiken; XML is Moodle XML; anything else is GIFT.
TEST(AikenReader, FormatIsGuessedFromTheContentFirst) {
    struct GuessCase {
        const char* File;
        const char* Content;
        TQuizFormat Format;
    };
    const GuessCase cases[] = {
        {"q.txt", "Q?\nA. x\nB. y\n  ANSWER: A\n", TQuizFormat::Aiken},
        {"q.txt", "Q? {=a ~b}\nANSWER: A\n", TQuizFormat::Gift},
        {"q.txt", "Q?\na) x\nb) y\nAnswer: b)\n", TQuizFormat::Aiken},
        {"q.gift", "Q?\nA. x\nANSWER: A\n", TQuizFormat::Gift},
        {"q.TXT", "\xEF\xBB\xBF  \n<quiz/>", TQuizFormat::MoodleXml},
        {"Q.XML", "Q {T}", TQuizFormat::MoodleXml},
        {"q", "", TQuizFormat::Gift},
    };
    for (const GuessCase& c : cases)
        EXPECT_EQ(GuessQuizFormat(c.File, c.Content), c.Format) << c.File << ": " << c.Content;
}

} // namespace
} // namespace quillara::tool
