// Quiz files written in the ways teachers write them, each imported into a book of its own.
#include "core/book/book_properties_writer.h"
#include "core/book/question.h"
#include "core/io/byte_reader.h"
#include "scripted_random.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>

namespace quillara {
namespace {

using testing::RunTool;
using testing::TempBookDir;

const std::string Teachers = std::string(QUILLARA_TOOL_DATA) + "/teachers/";

struct TeachersFile {
    const char* Name;
    int TrueFalse;
    int MultipleChoice;
    int WordProblems;
    int Skipped;
};

// What each file brings in; every file also names its skipped questions and leaves a book that
// check accepts.
const std::vector<TeachersFile> Files = {
    {"a01_answer_paren.txt", 0, 2, 0, 0},
    {"a02_double_spaces.txt", 0, 2, 0, 0},
    {"a03_italian_lower.txt", 0, 2, 0, 0},
    {"a04_one_bad.txt", 0, 2, 0, 1},
    {"a05_missing_answer.txt", 0, 2, 0, 1},
    {"a06_crlf_bom.txt", 0, 2, 0, 0},
    {"a07_out_of_order.txt", 0, 1, 0, 1},
    {"a08_multiline_question.txt", 0, 2, 0, 0},
    {"g01_capitals_fr.gift", 1, 3, 0, 0},
    {"g02_tilde_equals.gift", 0, 5, 0, 0},
    {"g03_weights.gift", 0, 2, 0, 2},
    {"g04_html_before_title.gift", 1, 3, 0, 0},
    {"g05_title_only.gift", 1, 2, 1, 0},
    {"g06_escapes.gift", 0, 5, 0, 0},
    {"g07_truefalse_forms.gift", 5, 0, 0, 0},
    {"g08_unescaped.gift", 0, 3, 0, 2},
    {"g09_numeric.gift", 0, 0, 6, 0},
    {"g10_skips.gift", 0, 1, 0, 5},
    {"g11_crlf_german.gift", 1, 1, 1, 0},
    {"g12_broken_one.gift", 1, 2, 0, 2},
    {"g13_letters_in_text.gift", 0, 4, 0, 0},
    {"g14_spanish_categories.gift", 0, 2, 1, 0},
    {"x01_categories.xml", 1, 1, 0, 0},
    {"x02_style_cdata.xml", 0, 1, 0, 0},
    {"x03_single_false.xml", 0, 1, 0, 1},
    {"x04_truefalse_as_multichoice.xml", 2, 0, 0, 0},
    {"x05_skips.xml", 0, 1, 0, 5},
    {"x06_no_shuffle.xml", 0, 1, 0, 0},
    {"x07_numerical.xml", 0, 0, 2, 1},
    {"x08_attachment.xml", 1, 1, 0, 0},
    {"x09_too_many_and_dutch.xml", 0, 1, 0, 2},
};

// A book of one chapter with no questions yet.
struct EmptyBook : TempBookDir {
    EmptyBook() {
        testing::ScriptedRandom random;
        TBookProperties book;
        book.Title = "Teachers";
        book.ChapterNames = {"One"};
        Write("BOOK.DEF", WriteBookProperties(book, 5, TRegionalSettings{}));
    }
};

std::vector<TQuestion> Bank(const TempBookDir& dir) {
    const std::string bytes = dir.Read(QuestionBankName(1));
    TByteReader in(bytes, QuestionBankName(1));
    return ReadQuestionBank(in);
}

TEST(TeachersFiles, EachComesInAQuestionAtATimeAndLeavesABookThatChecks) {
    std::set<char> rightAnswers;
    for (const TeachersFile& row : Files) {
        SCOPED_TRACE(row.Name);
        const EmptyBook book;
        const auto result =
            RunTool({"import", Teachers + row.Name, book.Path().string(), "--chapter", "1"});
        ASSERT_EQ(result.ExitCode, 0) << result.Err;
        const std::string summary =
            "imported " + std::to_string(row.TrueFalse + row.MultipleChoice + row.WordProblems) +
            " (" + std::to_string(row.TrueFalse) + " True/False, " +
            std::to_string(row.MultipleChoice) + " Multiple Choice, " +
            std::to_string(row.WordProblems) + " Word Problem), skipped " +
            std::to_string(row.Skipped) + "\n";
        EXPECT_TRUE(result.Out.ends_with(summary)) << result.Out;
        // Each question left out is named with its place and the reason.
        const std::regex skip(": (line \\d+|question \"[^\"]*\" \\(line \\d+\\)): skipped: .+");
        const auto skips =
            std::distance(std::sregex_iterator(result.Out.begin(), result.Out.end(), skip), {});
        EXPECT_EQ(skips, row.Skipped) << result.Out;

        // The bare book lacks its pictures; what came in has no error of its own.
        const auto check = RunTool({"check", book.Path().string()});
        EXPECT_EQ(check.Out.find("QUESTION.1: "), std::string::npos) << check.Out;
        EXPECT_EQ(check.Out.find("BOOK.DEF: error"), std::string::npos) << check.Out;

        // The same file gives the same book again.
        const EmptyBook again;
        RunTool({"import", Teachers + row.Name, again.Path().string(), "--chapter", "1"});
        EXPECT_EQ(book.Read(QuestionBankName(1)), again.Read(QuestionBankName(1)));
        for (const TQuestion& question : Bank(book))
            if (question.Kind == qkMultipleChoice && std::string(row.Name).ends_with(".gift"))
                rightAnswers.insert(question.Answer);
    }
    // The files write the right answer first; the book puts it where chance does.
    EXPECT_GE(rightAnswers.size(), 3u);
}

TEST(TeachersFiles, AFileThatSaysSoKeepsItsOrderAndADryRunWritesNothing) {
    const EmptyBook book;
    const auto dry = RunTool({"import", Teachers + "x06_no_shuffle.xml", book.Path().string(),
                              "--chapter", "1", "--dry-run"});
    EXPECT_EQ(dry.ExitCode, 0);
    EXPECT_NE(dry.Out.find("would import 1 (0 True/False, 1 Multiple Choice, 0 Word Problem), "
                           "skipped 0; nothing was written (--dry-run)"),
              std::string::npos)
        << dry.Out;
    EXPECT_FALSE(std::filesystem::exists(book.Path() / QuestionBankName(1)));

    RunTool({"import", Teachers + "x06_no_shuffle.xml", book.Path().string(), "--chapter", "1"});
    const auto bank = Bank(book);
    ASSERT_EQ(bank.size(), 1u);
    EXPECT_EQ(bank[0].Answer, 'A');
    EXPECT_EQ(bank[0].Text, "Pick the smallest.\r\nA) one\r\nB) two\r\nC) three");
}

// What cannot be told apart from a quiz file at all is refused whole.
TEST(TeachersFiles, OnlyAFileWithNoQuestionOfItsFormatIsRefused) {
    const TempBookDir files;
    const struct {
        const char* Name;
        std::string Content;
        std::string Error;
    } cases[] = {
        {"notes.txt", "Shopping list\nmilk\nbread\n", "no question in it reads as gift"},
        {"broken.gift", "Which?{=a ~b\n\nAnd?{#x}\n", "no question in it reads as gift"},
        {"page.xml", "<html><body>hello</body></html>", "a quiz file holds its questions in"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const EmptyBook book;
        const auto result = RunTool({"import", files.Write(c.Name, c.Content).string(),
                                     book.Path().string(), "--chapter", "1"});
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_NE(result.Err.find(c.Error), std::string::npos) << result.Err;
        EXPECT_FALSE(std::filesystem::exists(book.Path() / QuestionBankName(1)));
    }

    // XML that breaks part way keeps the questions read before the fault, and says so.
    const EmptyBook book;
    const auto cut = RunTool(
        {"import",
         files
             .Write("cut.xml", "<quiz>\n<question type=\"truefalse\"><questiontext><text>So?"
                               "</text></questiontext><answer fraction=\"100\"><text>true</text>"
                               "</answer></question>\n<question type=\"essay\">\n</questio>\n")
             .string(),
         book.Path().string(), "--chapter", "1"});
    EXPECT_EQ(cut.ExitCode, 0) << cut.Err;
    EXPECT_NE(cut.Out.find("cut.xml:4:11: an element is closed with another element's name; the "
                           "rest of the file is not read\n"),
              std::string::npos)
        << cut.Out;
    EXPECT_EQ(Bank(book).size(), 1u);
}

} // namespace
} // namespace quillara
