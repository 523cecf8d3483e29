#include "core/book/book_properties_writer.h"
#include "core/book/question.h"
#include "core/formula/evaluator.h"
#include "core/formula/variable_values.h"
#include "core/io/byte_reader.h"
#include "scripted_random.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <gtest/gtest.h>
#include <map>

namespace quillara {
namespace {

using testing::RunTool;
using testing::TempBookDir;

// A book of three chapters whose BOOK.DEF already draws a variable "r".
struct ImportFixture : ::testing::Test {
    ImportFixture() {
        testing::ScriptedRandom random;
        TBookProperties book;
        book.Title = "Imported";
        book.ChapterNames = {"One", "Two", "Three"};
        book.Variables.push_back(
            std::make_unique<TVarible>("r", vkPercent, TReal48::FromExtended(0.01L),
                                       TReal48::FromExtended(0.2L), 3, std::nullopt));
        dir.Write("BOOK.DEF", WriteBookProperties(book, 5, TRegionalSettings{}));
    }
    testing::ToolResult Import(const std::string& name, const std::string& content, int chapter,
                               const std::vector<std::string>& extra = {}) {
        const auto file = files.Write(name, content);
        std::vector<std::string> args{"import", file.string(), dir.Path().string(), "--chapter",
                                      std::to_string(chapter)};
        args.insert(args.end(), extra.begin(), extra.end());
        return RunTool(args);
    }
    std::vector<TQuestion> Bank(int chapter) const {
        const std::string bytes = dir.Read(QuestionBankName(chapter));
        TByteReader in(bytes, QuestionBankName(chapter));
        return ReadQuestionBank(in);
    }
    std::unique_ptr<TBookProperties> Book() const {
        testing::ScriptedRandom random;
        return LoadBookProperties(dir.Path(), TRegionalSettings{});
    }

    TempBookDir dir;
    TempBookDir files;
};

struct ExpectedQuestion {
    TQuestionKind Kind;
    char Answer;
    int ChoiceCount;
    std::string Text;
    std::string Explanation;
    std::string Formula;
    int RoundTo;
};

struct FormatCase {
    const char* Name;
    const char* File;
    std::string Content;
    std::vector<ExpectedQuestion> Expected;
};

// Every kind each format can bring in, with its answers, choices, explanations and formulas.
TEST_F(ImportFixture, EachFormatsKindsComeInWithAnswersChoicesAndExplanations) {
    const std::vector<FormatCase> cases = {
        {"gift",
         "kinds.gift",
         "// units\n::Sun::The sun is a star.{T#Look at the sky.####Stars make light.}\n\n"
         "Pick the [html] odd one:{\n=3 ~2#Two is even. ~4\n}\n\n"
         "[markdown]The **sum** of 2 and 2 is {=4 ~5} in base ten.\n\n"
         "Pi to two places?{#3.14:0.005####Three and a bit.}\n\n"
         "How many below zero?{#-5}\n\n"
         "Weeks in a year?{#52:0.5 #Right. ~#Count the weeks.####Seven days each.}\n",
         {{qkTrueFalse, 'T', 0, "The sun is a star.", "Stars make light.\r\nLook at the sky.", "",
           0},
          // Choices in an order drawn from the question's text, the same each time.
          {qkMultipleChoice, 'A', 3, "Pick the [html] odd one:\r\nA) 3\r\nB) 2\r\nC) 4",
           "B) Two is even.", "", 0},
          {qkMultipleChoice, 'A', 2, "The sum of 2 and 2 is _____ in base ten.\r\nA) 4\r\nB) 5", "",
           "", 0},
          {qkWordProblem, 0, 0, "Pi to two places?", "Three and a bit.", "3.14", 2},
          // An exact answer is asked with the finest rounding.
          {qkWordProblem, 0, 0, "How many below zero?", "", "0-5", 4},
          {qkWordProblem, 0, 0, "Weeks in a year?", "Seven days each.\r\nCount the weeks.", "52",
           0}}},
        {"aiken",
         "kinds.txt",
         "Which is a primary colour?\nA. Green\nB) Red\nC. Purple\nANSWER: B\n\n"
         "Water boils at sea level at\nA. 90 degrees\nB. 100 degrees\nANSWER: B\n",
         {{qkMultipleChoice, 'B', 3,
           "Which is a primary colour?\r\nA) Green\r\nB) Red\r\nC) Purple", "", "", 0},
          {qkMultipleChoice, 'B', 2,
           "Water boils at sea level at\r\nA) 90 degrees\r\nB) 100 degrees", "", "", 0}}},
        {"moodle-xml",
         "kinds.xml",
         R"(<?xml version="1.0" encoding="UTF-8"?><quiz>
<question type="category"><category><text>$course$/x</text></category></question>
<question type="truefalse"><name><text>Moon</text></name>
 <questiontext format="html"><text><![CDATA[<p>The moon is a <b>planet</b>.</p>]]></text></questiontext>
 <generalfeedback format="html"><text>It orbits a planet.</text></generalfeedback>
 <answer fraction="0"><text>true</text><feedback><text>&lt;p&gt;No&amp;nbsp;moons are.&lt;/p&gt;</text></feedback></answer>
 <answer fraction="100"><text>false</text></answer></question>
<question type="multichoice"><name><text>Gas</text></name>
 <questiontext format="plain_text"><text>Which is a gas
at room temperature?</text></questiontext><single>true</single>
 <answer fraction="0"><text>Iron</text><feedback><text>A metal.</text></feedback></answer>
 <answer fraction="100"><text>Neon</text></answer></question>
<question type="calculated"><name><text>Area</text></name>
 <questiontext format="html"><text>A square of side {s} cm has what area?</text></questiontext>
 <answer fraction="100"><text>pow({s}, 2) - -1 + abs(0-{s})*0</text><tolerance>0.05</tolerance><tolerancetype>2</tolerancetype>
  <correctanswerformat>1</correctanswerformat><correctanswerlength>1</correctanswerlength></answer>
 <dataset_definitions><dataset_definition><name><text>s</text></name>
  <distribution><text>uniform</text></distribution><minimum><text>1.5</text></minimum>
  <maximum><text>9.5</text></maximum><decimals><text>1</text></decimals></dataset_definition></dataset_definitions></question>
</quiz>)",
         {{qkTrueFalse, 'F', 0, "The moon is a planet.", "It orbits a planet.\r\nNo\xA0moons are.",
           "", 0},
          {qkMultipleChoice, 'A', 2, "Which is a gas\r\nat room temperature?\r\nA) Neon\r\nB) Iron",
           "B) A metal.", "", 0},
          {qkWordProblem, 0, 0, "A square of side {s} cm has what area?", "",
           "{s}^2-(0-1)+sqrt((0-{s})^2)*0", 1}}},
    };
    int chapter = 0;
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ++chapter;
        // Aiken and GIFT are told apart from the content; the XML by its first character.
        const auto result = Import(c.File, c.Content, chapter);
        ASSERT_EQ(result.ExitCode, 0) << result.Out << result.Err;
        const auto bank = Bank(chapter);
        ASSERT_EQ(bank.size(), c.Expected.size()) << result.Out;
        for (std::size_t i = 0; i < bank.size(); ++i) {
            SCOPED_TRACE(i + 1);
            const ExpectedQuestion& e = c.Expected[i];
            EXPECT_EQ(bank[i].Kind, e.Kind);
            EXPECT_EQ(bank[i].Answer, e.Answer);
            EXPECT_EQ(bank[i].ChoiceCount, e.ChoiceCount);
            EXPECT_EQ(bank[i].Text, e.Text);
            EXPECT_EQ(bank[i].Explanation, e.Explanation);
            EXPECT_EQ(bank[i].Formula, e.Formula);
            EXPECT_EQ(bank[i].RoundTo, e.RoundTo);
        }
    }
    // The calculated question's variable: its range kept whole, Max one step beyond, as the
    // book never draws its Max.
    const auto book = Book();
    const TVarible* s = book->FindVariable("s");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Kind, vkNumber);
    EXPECT_EQ(s->Decimals, 1);
    EXPECT_EQ(s->Min, TReal48::FromExtended(1.5));
    EXPECT_EQ(s->Max, TReal48::FromExtended(9.6));
    const TVariableValues noFigures;
    ASSERT_NE(book->Scope(noFigures).FindFormula("sqrt"), nullptr);
}

TEST_F(ImportFixture, WhatCannotComeInIsNamedByItsLineOrNameWithItsReason) {
    const auto gift = Import("skips.gift",
                             "Kept {T}\n\n"
                             "// a matching question\n"
                             "Match {\n=a -> 1\n=b -> 2\n}\n\n"
                             "Name it {=Paris =paris}\n\n"
                             "Tell me {}\n\n"
                             "Two right {~%50%a ~%50%b ~c}\n\n"
                             "Six {=a ~b ~c ~d ~e ~f}\n\n"
                             "Just a text without answers.\n\n"
                             "Bell\x01 rings {T}\n",
                             1);
    ASSERT_EQ(gift.ExitCode, 0) << gift.Err;
    const std::string file = (files.Path() / "skips.gift").string();
    for (const std::string line : {
             ": line 4: skipped: a matching question\n",
             ": line 9: skipped: a short-answer question",
             ": line 11: skipped: an essay question",
             ": line 13: skipped: answers with partial credit and none with full credit",
             ": line 15: skipped: 6 choices, where a book's questions have two to five\n",
             ": line 17: skipped: a text without answers",
             ": line 19: skipped: it holds the control character U+0001, which no question may\n",
         })
        EXPECT_NE(gift.Out.find(file + line), std::string::npos) << line << "\n" << gift.Out;
    EXPECT_NE(gift.Out.find("chapter 1: imported 1 (1 True/False, 0 Multiple Choice, 0 Word "
                            "Problem), skipped 7\n"),
              std::string::npos)
        << gift.Out;
    EXPECT_EQ(Bank(1).size(), 1u);

    const auto xml = Import("skips.xml",
                            "<quiz>\n<question type=\"essay\"><name><text>Why</text></name>"
                            "<questiontext><text>Why?</text></questiontext></question>\n"
                            "<question type=\"calculated\"><name><text>Free</text></name>"
                            "<questiontext><text>{x}?</text></questiontext><answer fraction="
                            "\"100\"><text>log({x})</text></answer></question>\n</quiz>\n",
                            2);
    EXPECT_NE(xml.Out.find(": question \"Why\" (line 2): skipped: an essay question"),
              std::string::npos)
        << xml.Out;
    EXPECT_NE(xml.Out.find(": question \"Free\" (line 3): skipped: its formula \"log({x})\" "
                           "cannot be computed: the book's formulas have no function log()"),
              std::string::npos)
        << xml.Out;
    // Nothing came in, so nothing was written.
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / QuestionBankName(2)));

    // An empty choice leaves its question out, not the file.
    const auto aiken =
        Import("skips.txt", "Empty?\nA. \nB. b\nANSWER: b\n\nKept?\na. x\nb. y\nANSWER: a\n", 3);
    ASSERT_EQ(aiken.ExitCode, 0) << aiken.Err;
    EXPECT_NE(aiken.Out.find(": line 1: skipped: its choice A has no text\n"), std::string::npos)
        << aiken.Out;
    ASSERT_EQ(Bank(3).size(), 1u);
    EXPECT_EQ(Bank(3)[0].Text, "Kept?\r\nA) x\r\nB) y");
}

TEST_F(ImportFixture, AFileThatDoesNotParseChangesNothingAndNamesItsLineAndColumn) {
    ASSERT_EQ(Import("good.gift", "Before {T}\n", 1).ExitCode, 0);
    const std::string bank = dir.Read(QuestionBankName(1));
    const std::string definition = dir.Read("BOOK.DEF");
    struct BrokenCase {
        const char* File;
        std::string Content;
        const char* Place;
    };
    std::string tooMany;
    for (int i = 0; i < 40000; ++i)
        tooMany += "Q" + std::to_string(i) + " {T}\n\n";
    const BrokenCase cases[] = {
        // A file none of whose questions can be read is none of its format.
        {"title.gift", "::Untitled {T}\n", ": no question in it reads as gift"},
        {"number.gift", "Count {#12:abc}\n", ": no question in it reads as gift"},
        {"answer.txt", "Q?\nA. yes\nB. no\nANSWER: C\n", ": no question in it reads as aiken"},
        {"tag.xml",
         "<?xml version=\"1.0\"?>\n<quiz>\n<question type=\"truefalse\">\n</questio>\n</quiz>\n",
         ":4:11: an element is closed with another element's name"},
        {"root.xml", "<?xml version=\"1.0\"?>\n\n<questions/>\n", ":3:1: a quiz file holds"},
        // Entities declared by the file itself are the way to a billion laughs: refused.
        {"entities.xml",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [<!ENTITY a \"aaaaaaaa\"><!ENTITY b "
         "\"&a;&a;&a;&a;\">]>\n<quiz><question type=\"essay\"><name><text>&b;</text></name>"
         "</question></quiz>\n",
         ":2:1: the file declares a document type"},
        // Encodings read as nothing at all are refused with the reason.
        {"utf32.gift", std::string("\xFF\xFE\0\0Q\0\0\0", 8), ": the file is in UTF-32"},
        {"nul.gift", std::string("Q\0 {T}\n", 7), ": the file holds NUL bytes"},
        // The bank holds 32767 questions: the import stops at the one past them.
        {"many.gift", tooMany,
         ": line 65533: QUESTION.1 would hold more than 32767 questions, the most a bank may"},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.File);
        const auto result = Import(c.File, c.Content, 1);
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_NE(result.Err.find((files.Path() / c.File).string() + c.Place), std::string::npos)
            << result.Err;
        EXPECT_NE(result.Err.find("; nothing was imported\n"), std::string::npos) << result.Err;
        EXPECT_EQ(result.Out.find("chapter 1: imported"), std::string::npos) << result.Out;
        EXPECT_EQ(dir.Read(QuestionBankName(1)), bank);
        EXPECT_EQ(dir.Read("BOOK.DEF"), definition);
    }
    // One question that cannot be read is left out with its place; the others come in.
    const auto open = Import("open.gift", "Fine {T}\n\nAlso {#2}\n\nLost {=a ~b\n", 1);
    EXPECT_EQ(open.ExitCode, 0);
    EXPECT_NE(open.Out.find("open.gift: line 5: skipped: line 5, column 6: the answers that start "
                            "here have no closing \"}\"\n"),
              std::string::npos)
        << open.Out;
    EXPECT_EQ(Bank(1).size(), 3u);

    // A chapter the book does not have is refused before anything is read.
    const auto beyond = Import("good.gift", "Before {T}\n", 4);
    EXPECT_EQ(beyond.ExitCode, 1);
    EXPECT_NE(beyond.Err.find("the book has 3 chapters; chapter 4 is none of them"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / QuestionBankName(4)));
}

// Characters the book's texts cannot hold, braces that would draw values and a variable whose
// name the book already draws otherwise are each told, never silently changed.
TEST_F(ImportFixture, WhatTheBookCannotHoldAsWrittenIsTold) {
    const auto result = Import("told.xml",
                               R"(<quiz><question type="calculated"><name><text>Rate</text></name>
<questiontext format="plain_text"><text>At {r}% a year, is CH₃COOH ≤ {x}? {r}</text></questiontext>
<answer fraction="100"><text>{r}*2</text><tolerance>0.01</tolerance><tolerancetype>1</tolerancetype>
<correctanswerformat>1</correctanswerformat><correctanswerlength>2</correctanswerlength></answer>
<dataset_definitions><dataset_definition><name><text>r</text></name><minimum><text>1</text></minimum>
<maximum><text>5</text></maximum><decimals><text>0</text></decimals></dataset_definition></dataset_definitions>
</question></quiz>)",
                               1);
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    const std::string where = ": question \"Rate\" (line 1): ";
    for (const std::string note : {
             "the book's variable \"r\" draws other values; this question's is added as \"r_2\"",
             // 1% of the answer where the ranges have their middle, 7: no looser than 0.07.
             "its relative tolerance of 1% (0.07 where its ranges have their middle) is asked as "
             "rounding, shown as (Round to nearest 0.1)",
             "braces in its text would be read as drawn values; written as ( )",
             "\"₃\" in its text has no Windows-1252 character; written \"3\"",
             "\"≤\" in its text has no Windows-1252 character; written \"<=\"",
         })
        EXPECT_NE(result.Out.find(where + note + "\n"), std::string::npos) << note << result.Out;
    const auto bank = Bank(1);
    ASSERT_EQ(bank.size(), 1u);
    EXPECT_EQ(bank[0].Text, "At {r_2}% a year, is CH3COOH <= (x)? {r_2}");
    EXPECT_EQ(bank[0].Formula, "{r_2}*2");
    EXPECT_EQ(bank[0].RoundTo, 1);
    const auto book = Book();
    EXPECT_EQ(book->FindVariable("r")->Kind, vkPercent);
    EXPECT_EQ(book->FindVariable("r_2")->Max, TReal48::FromExtended(6));

    // The same question again draws from the variable it added, adding none.
    ASSERT_EQ(Import("told.xml", files.Read("told.xml"), 2).ExitCode, 0);
    EXPECT_EQ(Book()->Variables.size(), 2u);
}

// A chapter exported and imported into an empty chapter gives the same questions.
TEST_F(ImportFixture, ExportThenImportGivesTheSameQuestions) {
    std::vector<TQuestion> questions(4);
    questions[0].Kind = qkTrueFalse;
    questions[0].Answer = 'F';
    questions[0].Text = "Braces {like these} and C:\\path; stay # = ~ as written";
    questions[0].Explanation = "Two\r\nlines & <tags>";
    // In the order the import draws for these choices, whatever order a file gives them in.
    questions[1].Text = "Which?\r\nA) caf\xE9\r\nB) 50%\r\nC) x < y";
    questions[1].Answer = 'B';
    questions[1].ChoiceCount = 3;
    questions[1].Explanation = "Because.";
    questions[2].Kind = qkWordProblem;
    questions[2].Text = "How much is it?";
    questions[2].Formula = "0-12.5";
    questions[2].RoundTo = -1;
    questions[3].Kind = qkWordProblem;
    questions[3].Text = "What is {n} squared plus {n}?";
    questions[3].Formula = "{n}^2+{n}";
    questions[3].RoundTo = 2;
    {
        testing::ScriptedRandom random;
        auto book = LoadBookProperties(dir.Path(), TRegionalSettings{});
        book->Variables.push_back(std::make_unique<TVarible>(
            "n", vkNumber, TReal48::FromExtended(2), TReal48::FromExtended(8.5L), 1, std::nullopt));
        dir.Write("BOOK.DEF", WriteBookProperties(*book, 5, TRegionalSettings{}));
    }
    dir.Write(QuestionBankName(1), WriteQuestionBank(questions));
    // The braces of a text that draws nothing are written as parentheses on the way in.
    questions[0].Text = "Braces (like these) and C:\\path; stay # = ~ as written";

    struct RoundTrip {
        const char* Format;
        int Chapter;
        std::size_t Questions; // GIFT has no questions that draw values
    };
    for (const RoundTrip& trip : {RoundTrip{"gift", 2, 3}, RoundTrip{"moodle-xml", 3, 4}}) {
        SCOPED_TRACE(trip.Format);
        const auto file = files.Path() / (std::string("out.") + trip.Format);
        const auto exported = RunTool(
            {"export", dir.Path().string(), "1", "--format", trip.Format, "-o", file.string()});
        ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
        if (trip.Questions == 3)
            EXPECT_NE(exported.Err.find("QUESTION.1: question 4: left out: it draws values"),
                      std::string::npos)
                << exported.Err;
        // The book keeps no names: the file names each question from its text.
        const std::string written = TempBookDir::ReadFile(file);
        for (const char* name : {"Which?", "How much is it?"})
            if (trip.Questions == 3)
                EXPECT_NE(written.find("::" + std::string(name) + "::[plain]"), std::string::npos)
                    << written;
        const auto imported = RunTool({"import", file.string(), dir.Path().string(), "--chapter",
                                       std::to_string(trip.Chapter)});
        ASSERT_EQ(imported.ExitCode, 0) << imported.Err;
        EXPECT_EQ(imported.Out.find("skipped: "), std::string::npos) << imported.Out;
        const auto bank = Bank(trip.Chapter);
        ASSERT_EQ(bank.size(), trip.Questions) << imported.Out;
        for (std::size_t i = 0; i < bank.size(); ++i) {
            SCOPED_TRACE(i + 1);
            EXPECT_EQ(bank[i].Kind, questions[i].Kind);
            EXPECT_EQ(bank[i].Answer, questions[i].Answer);
            EXPECT_EQ(bank[i].ChoiceCount, questions[i].ChoiceCount);
            EXPECT_EQ(bank[i].Text, questions[i].Text);
            EXPECT_EQ(bank[i].Explanation, questions[i].Explanation);
            EXPECT_EQ(bank[i].Formula, questions[i].Formula);
            EXPECT_EQ(bank[i].RoundTo, questions[i].RoundTo);
        }
    }
    // The variable came back as the one the book has, so none was added.
    EXPECT_EQ(Book()->Variables.size(), 2u);
}

// A calculated question's formula in the book's language computes what the quiz file's did;
// one the book cannot compute is left out with the reason.
TEST_F(ImportFixture, CalculatedFormulasComeInAsTheBooksFormulas) {
    struct FormulaCase {
        const char* QuizFormula;
        const char* BookFormula; // empty when left out
        double ValueAt3And2;     // with a = 3 and b = 2
        const char* Reason;
    };
    const FormulaCase cases[] = {
        {"{a} + {b} * 2", "{a}+{b}*2", 7, ""},
        {"({a} + {b}) * 2", "({a}+{b})*2", 10, ""},
        {"{a} - ({b} - 1)", "{a}-({b}-1)", 2, ""},
        {"{a} / ({b} * 2)", "{a}/({b}*2)", 0.75, ""},
        {"-{a} * 2 - -1", "(0-{a})*2-(0-1)", -5, ""},
        // 9^81 is more than the book's numbers hold: check would refuse it, so it stays out.
        {"pow({a}, pow({b}, 2))", "", 0, "check would find: the formula \"{a}^({b}^2)\" fails"},
        {"{b}**3/4", "{b}^3/4", 2, ""},
        {"1.5e1 * {a} + pi() * 0", "15*{a}+3.14159265358979324*0", 45, ""},
        {"sqrt({a} + 1) + abs({b} - 5)", "sqrt({a}+1)+sqrt(({b}-5)^2)", 5, ""},
        {"sin({a})", "", 0, "the book's formulas have no function sin()"},
        {"{a} + {c}", "", 0, "its formula uses {c}, which neither it nor the book draws"},
        {"{a} +", "", 0, "it ends where a value was expected"},
        {"pow({a})", "", 0, "pow takes 2 arguments"},
        {"({a}", "", 0, "a \")\" is missing"},
    };
    std::string xml = "<quiz>\n";
    for (const FormulaCase& c : cases)
        xml += std::string("<question type=\"calculated\"><name><text>") + c.QuizFormula +
               "</text></name><questiontext><text>{a} and {b}?</text></questiontext><answer "
               "fraction=\"100\"><text>" +
               c.QuizFormula +
               "</text><tolerance>0.005</tolerance>"
               "<tolerancetype>2</tolerancetype></answer><dataset_definitions>"
               "<dataset_definition><name><text>a</text></name><minimum><text>1</text></minimum>"
               "<maximum><text>9</text></maximum><decimals><text>0</text></decimals>"
               "</dataset_definition><dataset_definition><name><text>b</text></name><minimum>"
               "<text>1</text></minimum><maximum><text>9</text></maximum><decimals><text>0"
               "</text></decimals></dataset_definition></dataset_definitions></question>\n";
    const auto result = Import("formulas.xml", xml + "</quiz>\n", 1);
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    const auto bank = Bank(1);
    auto book = Book();
    TVariableValues values;
    values.Set(*book->FindVariable("a"), 3);
    values.Set(*book->FindVariable("b"), 2);
    std::size_t next = 0;
    for (const FormulaCase& c : cases) {
        SCOPED_TRACE(c.QuizFormula);
        if (*c.BookFormula == '\0') {
            EXPECT_NE(result.Out.find(std::string(c.QuizFormula) + "\" (line"), std::string::npos);
            EXPECT_NE(result.Out.find(c.Reason), std::string::npos) << result.Out;
            continue;
        }
        ASSERT_LT(next, bank.size());
        const TQuestion& question = bank[next++];
        EXPECT_EQ(question.Formula, c.BookFormula);
        TFormula formula(2);
        formula.Source = question.Formula;
        EXPECT_NEAR(static_cast<double>(Evaluate(formula, book->Scope(values))), c.ValueAt3And2,
                    1e-12);
    }
    EXPECT_EQ(next, bank.size());
}

// Rounding to some places accepts what the tolerance accepts only at 0.5 × 10^-places; any other
// tolerance is told.
TEST_F(ImportFixture, TolerancesAndAnswerDecimalsBecomeTheRounding) {
    struct RoundingCase {
        const char* Answer;
        int RoundTo;
        const char* Note; // empty when the rounding is exact
    };
    const char* Exact = "its exact answer is asked with rounding, shown as (Round to nearest "
                        "0.0001), the finest a book has";
    const RoundingCase cases[] = {
        {"#3.14:0.005", 2, ""},
        {"#1200:50", -2, ""},
        {"#7:0.5", 0, ""},
        {"#9.5..10.5", 0, ""},
        // An exact answer is asked with the finest rounding, never one that accepts 2.4 for 2.
        {"#2.50", 4, Exact},
        {"#2.125:0", 4, Exact},
        {"#3.14159", 4, Exact},
        {"#10:1", 0,
         "its tolerance of 1 is asked as rounding, shown as (Round to nearest integer)"},
        {"#0.001:0.00001", 4,
         "its tolerance of 1e-05 is asked as rounding, shown as (Round to nearest 0.0001), the "
         "finest a book has, which accepts more"},
    };
    std::string gift;
    for (const RoundingCase& c : cases)
        gift += std::string("How much? {") + c.Answer + "}\n\n";
    const auto result = Import("rounding.gift", gift, 1);
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    const auto bank = Bank(1);
    ASSERT_EQ(bank.size(), std::size(cases));
    for (std::size_t i = 0; i < bank.size(); ++i) {
        SCOPED_TRACE(cases[i].Answer);
        EXPECT_EQ(bank[i].RoundTo, cases[i].RoundTo);
        const std::string where = ": line " + std::to_string(2 * i + 1) + ": ";
        if (*cases[i].Note)
            EXPECT_NE(result.Out.find(where + cases[i].Note + "\n"), std::string::npos)
                << result.Out;
        else
            EXPECT_EQ(result.Out.find(where), std::string::npos) << result.Out;
    }
}

// HTML, Markdown and GIFT's escapes become the plain text a question shows.
TEST_F(ImportFixture, MarkupBecomesWhatAQuestionShows) {
    struct MarkupCase {
        const char* Written;
        const char* Shown;
    };
    const MarkupCase cases[] = {
        {"[html]<p>One</p><p>Two &amp; three</p>", "One\r\n\r\nTwo & three"},
        {"[html]Line<br>break   and\tspaces", "Line\r\nbreak and spaces"},
        {"[html]<ul><li>first</li><li>second</li></ul>", "- first\r\n- second"},
        {"[html]See <img src=\"chart.png\" alt=\"the chart\"> now", "See [the chart] now"},
        {"[html]x &lt; y<script>alert(1)</script>", "x < y"},
        {"[markdown]# Title\n**bold** and [a link](http://example.org) `code`",
         "Title\r\nbold and a link code"},
        {"[plain]<b>as typed</b>", "<b>as typed</b>"},
        {"a \\= b \\~ c \\# d \\: e\\nf \\{g\\}", "a = b ~ c # d : e\r\nf (g)"},
    };
    std::string gift;
    for (const MarkupCase& c : cases)
        gift += std::string(c.Written) + "{T}\n\n";
    // A file saved as Windows-1252 is read as such.
    gift += "Caf\xE9 au lait{T}\n";
    const auto result = Import("markup.gift", gift, 1);
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_NE(result.Out.find("markup.gift: not UTF-8; read as Windows-1252\n"), std::string::npos);
    const auto bank = Bank(1);
    ASSERT_EQ(bank.size(), std::size(cases) + 1);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(bank[i].Text, cases[i].Shown) << cases[i].Written;
    EXPECT_EQ(bank.back().Text, "Caf\xE9 au lait");
}

// The quiz files a teacher wrote by hand come into a new book that show then prints.
TEST(ImportTeachersFiles, GiftAndMoodleXmlWrittenByHandComeIntoABookThatShows) {
    testing::ScriptedRandom random;
    TempBookDir dir;
    TBookProperties book;
    book.Title = "Money";
    book.ChapterNames = {"Budgets", "Interest"};
    dir.Write("BOOK.DEF", WriteBookProperties(book, 5, TRegionalSettings{}));
    const std::string data = QUILLARA_TOOL_DATA;

    const auto gift =
        RunTool({"import", data + "/budgeting.gift", dir.Path().string(), "--chapter", "1"});
    EXPECT_EQ(gift.ExitCode, 0) << gift.Err;
    EXPECT_NE(gift.Out.find("chapter 1: imported 8 (2 True/False, 3 Multiple Choice, 3 Word "
                            "Problem), skipped 3\n"),
              std::string::npos)
        << gift.Out;
    const auto xml = RunTool({"import", data + "/interest.xml", dir.Path().string(), "--chapter",
                              "2", "--format", "moodle-xml"});
    EXPECT_EQ(xml.ExitCode, 0) << xml.Err;
    EXPECT_NE(xml.Out.find("chapter 2: imported 4 (1 True/False, 1 Multiple Choice, 2 Word "
                           "Problem), skipped 2\n"),
              std::string::npos)
        << xml.Out;

    const auto shown = RunTool({"show", dir.Path().string(), "2", "--seed", "7"});
    ASSERT_EQ(shown.ExitCode, 0) << shown.Err;
    EXPECT_NE(shown.Out.find("(Word Problem, formula {p}*{r}/100*{t})"), std::string::npos)
        << shown.Out;
    // The placeholders were filled with drawn values.
    EXPECT_EQ(shown.Out.find("${p}"), std::string::npos) << shown.Out;
    EXPECT_NE(shown.Out.find("You deposit $"), std::string::npos) << shown.Out;
    // check finds nothing to say of the questions (the book has no pictures or pages).
    const auto check = RunTool({"check", dir.Path().string()});
    EXPECT_EQ(check.Out.find("QUESTION."), std::string::npos) << check.Out;
}

// A book file marked read-only is left as it is, though its folder would let it be replaced.
TEST_F(ImportFixture, ABookFileMarkedReadOnlyIsNotReplaced) {
    ASSERT_EQ(Import("first.gift", "First {T}\n", 1).ExitCode, 0);
    const std::string calculated =
        "<quiz><question type=\"calculated\"><questiontext><text>{n}?</text></questiontext>"
        "<answer fraction=\"100\"><text>{n}</text></answer><dataset_definitions>"
        "<dataset_definition><name><text>n</text></name><minimum><text>1</text></minimum>"
        "<maximum><text>5</text></maximum><decimals><text>0</text></decimals>"
        "</dataset_definition></dataset_definitions></question></quiz>";
    struct ReadOnlyCase {
        const char* File;
        const char* Content;
        std::string ReadOnly;
    };
    const ReadOnlyCase cases[] = {
        {"second.gift", "Second {F}\n", QuestionBankName(1)},
        {"drawn.xml", calculated.c_str(), "BOOK.DEF"},
    };
    for (const ReadOnlyCase& c : cases) {
        SCOPED_TRACE(c.ReadOnly);
        const auto path = dir.Path() / c.ReadOnly;
        const auto perms = std::filesystem::status(path).permissions();
        std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::group_read);
        const std::string bank = dir.Read(QuestionBankName(1));
        const std::string definition = dir.Read("BOOK.DEF");
        const auto names = testing::TempBookDir::FileNames(dir.Path());
        const auto result = Import(c.File, c.Content, 1);
        std::filesystem::permissions(path, perms);
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_NE(result.Err.find("\"" + path.string() + "\" is read-only; nothing was imported"),
                  std::string::npos)
            << result.Err;
        EXPECT_EQ(dir.Read(QuestionBankName(1)), bank);
        EXPECT_EQ(dir.Read("BOOK.DEF"), definition);
        EXPECT_EQ(testing::TempBookDir::FileNames(dir.Path()), names);
    }
}

// A bank or BOOK.DEF that an import replaces keeps the permissions its owner gave it.
TEST_F(ImportFixture, ABookFileReplacedKeepsItsPermissions) {
    namespace fs = std::filesystem;
    ASSERT_EQ(Import("first.gift", "First {T}\n", 1).ExitCode, 0);
    const std::map<std::string, fs::perms> kept = {
        {QuestionBankName(1), static_cast<fs::perms>(0640)},
        {"BOOK.DEF", static_cast<fs::perms>(0604)},
    };
    for (const auto& [name, perms] : kept)
        fs::permissions(dir.Path() / name, perms);
    // A calculated question adds its variable to BOOK.DEF: both files are replaced.
    const auto result = Import("drawn.xml",
                               "<quiz><question type=\"calculated\"><questiontext><text>{n}?"
                               "</text></questiontext><answer fraction=\"100\"><text>{n}</text>"
                               "</answer><dataset_definitions><dataset_definition><name><text>n"
                               "</text></name><minimum><text>1</text></minimum><maximum><text>5"
                               "</text></maximum><decimals><text>0</text></decimals>"
                               "</dataset_definition></dataset_definitions></question></quiz>",
                               1);
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_EQ(Bank(1).size(), 2u);
    EXPECT_NE(Book()->FindVariable("n"), nullptr);
    for (const auto& [name, perms] : kept)
        EXPECT_EQ(fs::status(dir.Path() / name).permissions(), perms) << name;
}

// Control characters in a book's texts cannot stand in XML: they are left out and told, so that
// the file written reads back.
TEST_F(ImportFixture, ControlCharactersAreLeftOutOfExportedFiles) {
    std::vector<TQuestion> questions(1);
    questions[0].Kind = qkTrueFalse;
    questions[0].Answer = 'T';
    questions[0].Text = "Bell\x01 and\x1B escape";
    questions[0].Explanation = "Kept\x7F";
    dir.Write(QuestionBankName(1), WriteQuestionBank(questions));
    for (const char* format : {"moodle-xml", "gift"}) {
        SCOPED_TRACE(format);
        const auto file = files.Path() / (std::string("out.") + format);
        const auto exported =
            RunTool({"export", dir.Path().string(), "1", "--format", format, "-o", file.string()});
        ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
        EXPECT_NE(exported.Err.find("question 1: control characters in its text are left out\n"),
                  std::string::npos)
            << exported.Err;
        EXPECT_NE(exported.Err.find("question 1: control characters in its explanation are left "
                                    "out\n"),
                  std::string::npos)
            << exported.Err;
        const auto imported = RunTool({"import", file.string(), dir.Path().string(), "--chapter",
                                       std::string(format) == "gift" ? "2" : "3"});
        ASSERT_EQ(imported.ExitCode, 0) << imported.Err;
        const auto bank = Bank(std::string(format) == "gift" ? 2 : 3);
        ASSERT_EQ(bank.size(), 1u);
        EXPECT_EQ(bank[0].Text, "Bell and escape");
        EXPECT_EQ(bank[0].Explanation, "Kept");
    }
}

// UTF-16 with its byte-order mark reads as the same text as UTF-8 does, in either byte order.
TEST_F(ImportFixture, Utf16FilesReadAsTheirText) {
    const auto utf16 = [](std::u16string_view text, bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t unit : text) {
            const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
            bytes += bigEndian ? std::string{high, low} : std::string{low, high};
        }
        return bytes;
    };
    struct EncodingCase {
        const char* File;
        std::string Content;
        int Chapter;
    };
    const EncodingCase cases[] = {
        {"little.gift", utf16(u"Caf\u00e9 \u20ac {T}\n\nSecond {F}\n", false), 1},
        {"big.gift", utf16(u"Caf\u00e9 \u20ac {T}\r\n\r\nSecond {F}\r\n", true), 2},
        {"aiken.txt",
         utf16(u"Caf\u00e9 \u20ac\nA. x\nB. y\nANSWER: A\n\nSecond\nA. x\nB. y\n"
               u"ANSWER: B\n",
               false),
         3},
    };
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.File);
        const auto result = Import(c.File, c.Content, c.Chapter);
        ASSERT_EQ(result.ExitCode, 0) << result.Err;
        const auto bank = Bank(c.Chapter);
        ASSERT_EQ(bank.size(), 2u);
        EXPECT_TRUE(bank[0].Text.starts_with("Caf\xE9 \x80")) << bank[0].Text;
        EXPECT_TRUE(bank[1].Text.starts_with("Second")) << bank[1].Text;
    }
}

// A file imported twice adds its questions once: the second import counts those the bank
// holds already, and --again adds them all the same.
TEST_F(ImportFixture, QuestionsTheBankHoldsAreCountedNotAddedAgain) {
    const std::string gift = "One {T}\n\nTwo {=a ~b}\n";
    ASSERT_EQ(Import("twice.gift", gift, 1).ExitCode, 0);
    const std::string bank = dir.Read(QuestionBankName(1));
    struct AgainCase {
        std::string Content;
        std::vector<std::string> Extra;
        std::string Summary;
        std::size_t Questions;
    };
    const AgainCase cases[] = {
        {gift,
         {},
         "imported 0 (0 True/False, 0 Multiple Choice, 0 Word Problem), skipped 0, 2 already in "
         "the bank (--again adds them once more)\n",
         2},
        {gift + "\nThree {F}\n",
         {},
         "imported 1 (1 True/False, 0 Multiple Choice, 0 Word Problem), skipped 0, 2 already in "
         "the bank (--again adds them once more)\n",
         3},
        {gift,
         {"--again"},
         "imported 2 (1 True/False, 1 Multiple Choice, 0 Word Problem), "
         "skipped 0\n",
         5},
    };
    for (const AgainCase& c : cases) {
        const auto result = Import("twice.gift", c.Content, 1, c.Extra);
        ASSERT_EQ(result.ExitCode, 0) << result.Err;
        EXPECT_EQ(result.Out, "chapter 1: " + c.Summary);
        EXPECT_EQ(Bank(1).size(), c.Questions);
    }
    EXPECT_EQ(dir.Read(QuestionBankName(1)).substr(0, 2), std::string("\x05\0", 2));
    EXPECT_NE(bank, dir.Read(QuestionBankName(1)));
}

// An export that cannot be written whole says so and exits 1; it never takes the place of one
// of the book's own files, nor writes through a link planted where it goes.
TEST_F(ImportFixture, ExportFailuresAreToldAndTheBookIsNeverOverwritten) {
    namespace fs = std::filesystem;
    std::string many = "First {T}\n";
    for (int i = 0; i < 50; ++i)
        many += "\nMore " + std::to_string(i) + " {F}\n";
    ASSERT_EQ(Import("first.gift", many, 1).ExitCode, 0);
    const std::string bank = dir.Read(QuestionBankName(1));
    const std::string tool = QUILLARA_BOOK_TOOL;
    const auto earlier = files.Write("earlier.gift", "the earlier export");
    const std::string book = dir.Path().string();
    struct ExportCase {
        std::string ShellLine;
        std::string Told;
    };
    const ExportCase cases[] = {
        {tool + " export " + book + " 1 --format gift -o " + book + "/QUESTION.1",
         "is a file of the book in"},
        {tool + " export " + book + " 1 --format gift -o " + book + "/question.1",
         "is a file of the book in"},
        {tool + " export " + book + " 1 --format gift -o " + book + "/BOOK.DEF",
         "is a file of the book in"},
        {tool + " export " + book + " 1 --format gift > /dev/full",
         "cannot write to the standard output: No space left on device"},
        {tool + " export " + book + " 1 --format gift >&-",
         "cannot write to the standard output: Bad file descriptor"},
        {tool + " export " + book + " 1 --format gift -o /dev/null", "it is not a file"},
        // A file that cannot grow past 512 bytes fails part way: the earlier one stays whole.
        {"ulimit -f 1; trap '' XFSZ; " + tool + " export " + book + " 1 --format gift -o " +
             earlier.string(),
         "cannot write it: File too large"},
        {tool + " dump " + book + " -o " + book + "/TOPICS.1", "is a file of the book dumped"},
        {tool + " export " + book + " 1 --format gift -o " + book + "/no-such/out.gift",
         "cannot write it: there is no folder"},
    };
    for (const ExportCase& c : cases) {
        SCOPED_TRACE(c.ShellLine);
        const auto result = testing::RunProgram("/bin/sh", {"-c", c.ShellLine});
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_NE(result.Err.find(c.Told), std::string::npos) << result.Err;
        EXPECT_EQ(dir.Read(QuestionBankName(1)), bank);
    }

    EXPECT_EQ(files.Read("earlier.gift"), "the earlier export");

    // A link where the export goes is replaced by the file; what it led to is left alone.
    const auto outside = files.Write("outside", "not to be written");
    fs::create_symlink(outside, files.Path() / "linked.gift");
    const auto linked = RunTool(
        {"export", book, "1", "--format", "gift", "-o", (files.Path() / "linked.gift").string()});
    ASSERT_EQ(linked.ExitCode, 0) << linked.Err;
    EXPECT_EQ(files.Read("outside"), "not to be written");
    EXPECT_FALSE(fs::is_symlink(files.Path() / "linked.gift"));
    EXPECT_NE(files.Read("linked.gift").find("First"), std::string::npos);
    EXPECT_EQ(testing::TempBookDir::FileNames(files.Path()),
              (std::vector<std::string>{"earlier.gift", "first.gift", "linked.gift", "outside"}));
}

} // namespace
} // namespace quillara
