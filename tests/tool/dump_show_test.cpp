#include "core/book/authors_notes.h"
#include "core/book/book_properties_writer.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/topic_pages.h"
#include "scripted_random.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace quillara {
namespace {

using nlohmann::json;
using testing::RunTool;
using testing::TempBookDir;

struct SmallBook : ::testing::Test {
    SmallBook() {
        testing::ScriptedRandom random;
        TBookProperties book;
        book.Title = "Caf\xE9 Finance"; // Windows-1252 e-acute
        book.Topics = {{"Summary", 0, 2, 1}};
        book.ChapterNames = {"Budgets"};
        book.Variables.push_back(std::make_unique<TVarible>(
            "n", vkNumber, TReal48::FromExtended(2), TReal48::FromExtended(3), 0, std::nullopt));
        book.Formulas.push_back(std::make_unique<TFormula>(true, "twice(x) = {1}*2", ""));
        dir.Write("BOOK.DEF", WriteBookProperties(book, 5, TRegionalSettings{}));
        dir.Write("TOPICS.1", WriteTopicFile({{"Summary", "<h1>Budgets</h1>"}}));
        TQuestion tf;
        tf.Kind = qkTrueFalse;
        tf.Answer = 'T';
        tf.Text = "You have {n} accounts.";
        tf.Explanation = "Count them.";
        TQuestion mc;
        mc.Text = "Pick:\r\nA) one\r\nB) two";
        mc.Answer = 'A';
        mc.ChoiceCount = 2;
        mc.GlossaryTerms = std::vector<std::string>{"Budget"};
        mc.RecordVersion = 1;
        dir.Write("question.1", WriteQuestionBank({tf, mc}));
        dir.Write("GLOSSARY.DEF", WriteGlossary({{"4", "A plan", "Budget", "1"}}));
        dir.Write("AUTHORS", WriteAuthorsNotes("Hello"));
    }
    json Dump(const std::string& name, std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"dump", (dir.Path() / name).string()};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto result = RunTool(args);
        EXPECT_EQ(result.ExitCode, 0) << result.Err;
        return json::parse(result.Out);
    }
    TempBookDir dir;
};

TEST_F(SmallBook, DumpPrintsEveryFileKindWithItsFieldNames) {
    const json book = Dump("BOOK.DEF");
    EXPECT_EQ(book["version"], 5);
    EXPECT_EQ(book["Title"], "Caf\xC3\xA9 Finance");
    EXPECT_EQ(book["Topics"][0]["Title"], "Summary");
    EXPECT_EQ(book["Variables"][0]["Min"], 2.0);
    EXPECT_TRUE(book["Variables"][0]["Choices"].is_null());
    EXPECT_EQ(book["Formulas"][0]["Name"], "twice");
    EXPECT_EQ(book["Formulas"][0]["Parameters"], json::array({"{x}"}));
    EXPECT_EQ(book["Formulas"][0]["Nodes"][2],
              (json{{"NodeKind", 1}, {"Value", 0.0}, {"Text", "*"}}));

    const json bank = Dump("question.1");
    ASSERT_EQ(bank["questions"].size(), 2u);
    EXPECT_EQ(bank["questions"][0]["version"], 2);
    EXPECT_EQ(bank["questions"][0]["Answer"], "T");
    EXPECT_TRUE(bank["questions"][0]["GlossaryTerms"].is_null());
    EXPECT_EQ(bank["questions"][1]["version"], 1);
    EXPECT_EQ(bank["questions"][1]["GlossaryTerms"], json::array({"Budget"}));
    EXPECT_FALSE(bank["questions"][0].contains("Chapter"));

    EXPECT_EQ(Dump("TOPICS.1")["entries"][0]["page"], "<h1>Budgets</h1>");
    EXPECT_EQ(Dump("GLOSSARY.DEF")["entries"][0]["Term"], "Budget");
    EXPECT_EQ(Dump("AUTHORS")["text"], "Hello");
    dir.Write("notes.bin", WriteAuthorsNotes("Kind given"));
    EXPECT_EQ(Dump("notes.bin", {"--kind", "authors"})["text"], "Kind given");
}

TEST_F(SmallBook, DumpReportsBadFilesAndBadUsage) {
    const std::string whole = dir.Read("question.1");
    dir.Write("QUESTION.2", whole.substr(0, whole.size() - 4));
    const auto truncated = RunTool({"dump", (dir.Path() / "QUESTION.2").string()});
    EXPECT_EQ(truncated.ExitCode, 1);
    EXPECT_NE(truncated.Err.find("QUESTION.2: the file ends inside"), std::string::npos);
    EXPECT_EQ(std::count(truncated.Err.begin(), truncated.Err.end(), '\n'), 1);
    // The whole book, printed a question at a time, prints nothing when one of its files is cut.
    const auto book = RunTool({"dump", dir.Path().string()});
    EXPECT_EQ(book.ExitCode, 1);
    EXPECT_EQ(book.Out, "");
    EXPECT_NE(book.Err.find("QUESTION.2"), std::string::npos) << book.Err;

    EXPECT_EQ(RunTool({"dump", (dir.Path() / "missing.def").string(), "--kind", "book"}).ExitCode,
              1);
    EXPECT_EQ(RunTool({"dump", (dir.Path() / "notes.txt").string()}).ExitCode, 2);
    EXPECT_EQ(RunTool({"dump"}).ExitCode, 2);
    EXPECT_EQ(RunTool({"dump", "x", "--kind", "pictures"}).ExitCode, 2);
    EXPECT_EQ(RunTool({"frobnicate"}).ExitCode, 2);
}

TEST_F(SmallBook, ShowExpandsPlaceholdersAndRendersRtf) {
    const auto all = RunTool({"show", dir.Path().string(), "1", "--seed", "4"});
    ASSERT_EQ(all.ExitCode, 0) << all.Err;
    EXPECT_NE(all.Out.find("Question 1 (True/False, answer T)\nYou have 2 accounts."),
              std::string::npos);
    EXPECT_NE(all.Out.find("Explanation: Count them."), std::string::npos);
    EXPECT_NE(all.Out.find("Question 2 (Multiple Choice, answer A)"), std::string::npos);
    EXPECT_NE(all.Out.find("Related terms: [Budget]"), std::string::npos);

    const auto rtf = RunTool({"show", dir.Path().string(), "1", "2", "--rtf", "--size", "12"});
    ASSERT_EQ(rtf.ExitCode, 0) << rtf.Err;
    EXPECT_EQ(rtf.Out,
              "{\\rtf1\\ansi \\fs24\\pard\\li0\\fi0 Pick:\r\n\\par \\pard\\li720\\fi-720\\tx360 "
              "\\par \\tab A)\\tab one\r\n\\par \\par \\tab B)\\tab two\r\n}\n");

    EXPECT_EQ(RunTool({"show", dir.Path().string(), "1", "3"}).ExitCode, 1);
    EXPECT_EQ(RunTool({"show", dir.Path().string(), "9"}).ExitCode, 1);
    // A chapter no book can have is refused, never taken modulo some width for another one.
    for (const std::string chapter : {"0", "256", "4294967297"})
        EXPECT_EQ(RunTool({"show", dir.Path().string(), chapter}).ExitCode, 2) << chapter;
    EXPECT_EQ(RunTool({"show", dir.Path().string()}).ExitCode, 2);
    EXPECT_EQ(RunTool({"show", dir.Path().string(), "one"}).ExitCode, 2);
}

// A word problem shows the values it drew and the answer they give, as the window would judge it.
TEST_F(SmallBook, ShowPrintsWordProblemValuesAndAnswers) {
    TQuestion sound;
    sound.Kind = qkWordProblem;
    sound.Text = "Double {n} and add a half; {n} again.";
    sound.Formula = "twice({n})+0.5";
    sound.RoundTo = 1;
    TQuestion failing = sound;
    failing.Formula = "{n}/0";
    dir.Write("QUESTION.2", WriteQuestionBank({sound, failing}));
    const auto shown = RunTool({"show", dir.Path().string(), "2", "--seed", "4"});
    ASSERT_EQ(shown.ExitCode, 0) << shown.Err;
    const auto values = shown.Out.find("Values: {n} = ");
    ASSERT_NE(values, std::string::npos) << shown.Out;
    const int n = shown.Out[values + 14] - '0';
    ASSERT_TRUE(n == 2 || n == 3) << shown.Out;
    // Each variable once, and the answer fixed to the question's one place.
    EXPECT_NE(shown.Out.find("Values: {n} = " + std::to_string(n) + "\nExpected answer: " +
                             std::to_string(2 * n) + ".5 (Round to nearest 0.1)\n"),
              std::string::npos)
        << shown.Out;
    EXPECT_NE(shown.Out.find("Expected answer: none: Invalid Floating Point Operation: Divide by "
                             "zero\n"),
              std::string::npos)
        << shown.Out;
}

// eval says what the book's variables drew, and prints numbers as the program shows them.
TEST_F(SmallBook, EvalPrintsTheValuesItDrew) {
    const std::string book = dir.Path().string();
    const auto drawn = RunTool({"eval", "--book", book, "{n}*3+{n}"});
    ASSERT_EQ(drawn.ExitCode, 0) << drawn.Err;
    const int n = drawn.Err.size() > 6 ? drawn.Err[6] - '0' : 0;
    ASSERT_TRUE(n == 2 || n == 3) << drawn.Err;
    // Said once, on the standard error: the standard output holds the value alone.
    EXPECT_EQ(drawn.Err, "{n} = " + std::to_string(n) + " (drawn)\n");
    EXPECT_EQ(drawn.Out, std::to_string(4 * n) + "\n");
    // A value given is not drawn.
    const auto given = RunTool({"eval", "--book", book, "--set", "n=7", "{n}*3"});
    EXPECT_EQ(given.Out, "21\n");
    EXPECT_EQ(given.Err, "");
    EXPECT_EQ(RunTool({"eval", "--round-to", "2", "4.35*100"}).Out, "435.00\n");
    EXPECT_EQ(RunTool({"eval", "--round-to", "-2", "1234"}).Out, "1200\n");
    EXPECT_EQ(RunTool({"eval", "--round-to", "5", "1"}).ExitCode, 2);
}

TEST_F(SmallBook, DumpIntoAMissingFolderBlamesTheOutput) {
    const auto output = dir.Path() / "no-such-folder" / "book.json";
    for (const std::string& dumped : {dir.Path().string(), (dir.Path() / "BOOK.DEF").string()}) {
        const auto result = RunTool({"dump", dumped, "-o", output.string()});
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_EQ(result.Err, "quillara-book: " + output.string() +
                                  ": cannot write it: there is no folder \"" +
                                  output.parent_path().string() + "\"; make it first\n");
    }
}

} // namespace
} // namespace quillara
