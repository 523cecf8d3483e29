#include "core/book/authors_notes.h"
#include "core/book/book_properties_writer.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/topic_pages.h"
#include "core/picture/jpeg_encoder.h"
#include "scripted_random.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <gtest/gtest.h>

namespace quillara {
namespace {

using testing::RunTool;
using testing::TempBookDir;

std::string Picture() {
    return EncodeJpeg(TDecodedPicture{4, 4, std::vector<std::uint8_t>(48, 200)});
}

TQuestion TrueFalse(const std::string& text, char answer) {
    TQuestion q;
    q.Kind = qkTrueFalse;
    q.Text = text;
    q.Answer = answer;
    return q;
}

TQuestion MultipleChoice(char answer, std::uint8_t choices) {
    TQuestion q;
    q.Text = "Pick\r\nA) a\r\nB) b";
    q.Answer = answer;
    q.ChoiceCount = choices;
    return q;
}

// A sound two-chapter book; each test breaks one thing of it.
struct CheckFixture : ::testing::Test {
    CheckFixture() {
        testing::ScriptedRandom random;
        book.Title = "Checked";
        book.HasGlossary = true;
        book.HasAuthorsNotes = true;
        book.Topics = {{"Summary", 0, 2, 1}, {"Key Ideas", 0, 2, 1}, {"Examples", 0, 2, 1}};
        book.ChapterNames = {"One", "Two"};
        book.Variables.push_back(std::make_unique<TVarible>(
            "x", vkNumber, TReal48::FromExtended(1), TReal48::FromExtended(9), 0, std::nullopt));
        for (int chapter = 1; chapter <= 2; ++chapter) {
            banks.push_back({TrueFalse("Is {x} a number?", 'T'), MultipleChoice('B', 2)});
            pages.push_back({{"Summary", "<p>s</p><img src=\"chart.jpg\">"},
                             {"Key Ideas", "k"},
                             {"Examples", "e"}});
        }
        glossary = {{"1", "A plan", "Budget", "1"}, {"2", "Money kept", "Saving", "2, 9"}};
        banks[0][1].GlossaryTerms = std::vector<std::string>{"budget"};
    }
    testing::ToolResult Check() {
        dir.Write("BOOK.DEF", WriteBookProperties(book, 5, TRegionalSettings{}));
        for (std::size_t i = 0; i < banks.size(); ++i) {
            dir.Write(QuestionBankName(static_cast<int>(i + 1)), WriteQuestionBank(banks[i]));
            dir.Write(TopicFileName(static_cast<int>(i + 1)), WriteTopicFile(pages[i]));
            dir.Write(TBookProperties::ChapterPicture(static_cast<int>(i + 1)), Picture());
        }
        dir.Write("GLOSSARY.DEF", WriteGlossary(glossary));
        dir.Write("AUTHORS", WriteAuthorsNotes("notes"));
        dir.Write("cover.jpg", Picture());
        dir.Write("chart.jpg", Picture());
        for (const auto& [name, bytes] : overrides)
            dir.Write(name, bytes);
        return RunTool({"check", dir.Path().string()});
    }
    void ExpectFinding(const std::string& line, int exitCode) {
        const auto result = Check();
        EXPECT_EQ(result.ExitCode, exitCode) << result.Out;
        EXPECT_NE(result.Out.find(line + "\n"), std::string::npos) << result.Out;
    }

    TempBookDir dir;
    TBookProperties book;
    std::vector<std::vector<TQuestion>> banks;
    std::vector<std::vector<TTopicEntry>> pages;
    std::vector<TDefinition> glossary;
    std::vector<std::pair<std::string, std::string>> overrides;
};

TEST_F(CheckFixture, SoundBookPasses) {
    const auto result = Check();
    EXPECT_EQ(result.ExitCode, 0) << result.Out;
    EXPECT_EQ(result.Out, "0 errors, 0 warnings\n");
}

TEST_F(CheckFixture, QuestionFaults) {
    banks[0].push_back(MultipleChoice('A', 0));
    banks[0].push_back(MultipleChoice('C', 2));
    banks[0].push_back(TrueFalse("Sure?", 'Y'));
    banks[1].push_back(TrueFalse("Is {y} set?", 'F'));
    banks[1][1].GlossaryTerms = std::vector<std::string>{"Nowhere"};
    TQuestion word;
    word.Kind = qkWordProblem;
    word.Text = "{x}?";
    word.Formula = "{x}/0";
    banks[1].push_back(word);
    word.Formula = "{x} $ 2";
    banks[1].push_back(word);
    const auto result = Check();
    EXPECT_EQ(result.ExitCode, 1);
    for (const char* line :
         {"QUESTION.1: question 3: error: a Multiple Choice question needs 1 to 5 choices, not 0",
          "QUESTION.1: question 4: error: the answer \"C\" is not among its 2 choices",
          "QUESTION.1: question 5: error: a True/False answer must be T or F, not \"Y\"",
          "QUESTION.2: question 3: warning: placeholder {y} names no variable and shows nothing",
          "QUESTION.2: question 2: warning: related term \"Nowhere\" is not in the glossary",
          "QUESTION.2: question 4: error: the formula \"{x}/0\" does not evaluate: Invalid "
          "Floating "
          "Point Operation: Divide by zero",
          "QUESTION.2: question 5: error: the formula \"{x} $ 2\" does not compile"})
        EXPECT_NE(result.Out.find(std::string(line) + "\n"), std::string::npos) << line << "\n"
                                                                                << result.Out;
    EXPECT_NE(result.Out.find("5 errors, 2 warnings\n"), std::string::npos) << result.Out;
}

TEST_F(CheckFixture, DamagedFilesAndUnknownVersions) {
    overrides.emplace_back("QUESTION.2", std::string("\x02\x00\x03QT!\x07", 7));
    ExpectFinding("QUESTION.2: question 1: error: Unknown version of the question object", 1);
    overrides.clear();
    const std::string bank = WriteQuestionBank(banks[0]);
    overrides.emplace_back("QUESTION.1", bank.substr(0, bank.size() - 2));
    ExpectFinding("QUESTION.1: question 2: error: the file ends inside GlossaryTerms at byte " +
                      std::to_string(bank.size() - 6),
                  1);
    overrides.clear();
    book.Topics[2].RecordVersion = 4;
    ExpectFinding("BOOK.DEF: topic 3: error: unknown version 4 of a topic record", 1);
    overrides.emplace_back("BOOK.DEF", std::string("\x04"
                                                   "BPQZ\x09",
                                                   6));
    ExpectFinding("BOOK.DEF: error: Unknown version of book properties (9).", 1);
}

TEST_F(CheckFixture, MissingPartsAndPictures) {
    book.Topics.pop_back();
    pages[1].erase(pages[1].begin());
    glossary.push_back({"", "Stray", "Orphan", "7"});
    overrides.emplace_back("CHAP2.JPG", "not a picture");
    overrides.emplace_back("chart.jpg", Picture().substr(0, 30));
    const auto result = Check();
    EXPECT_EQ(result.ExitCode, 1);
    for (const char* line :
         {"BOOK.DEF: warning: the book has 2 topics, so the chapter panel shows two topic links "
          "where it has room for three: add topics to fill it",
          "TOPICS.2: warning: no page for the topic \"Summary\"",
          "GLOSSARY.DEF: term 3 \"Orphan\": warning: belongs to no chapter of the book",
          "CHAP2.JPG: error: not a readable JPEG picture"})
        EXPECT_NE(result.Out.find(line), std::string::npos) << line << "\n" << result.Out;
    EXPECT_NE(result.Out.find("chart.jpg: error: not a readable JPEG picture"), std::string::npos);

    std::filesystem::remove(dir.Path() / "cover.jpg");
    book.ChapterNames.push_back("Three");
    dir.Write("BOOK.DEF", WriteBookProperties(book, 5, TRegionalSettings{}));
    const auto missing = RunTool({"check", dir.Path().string()});
    for (const char* line : {"cover: error: picture \"cover.jpg\" is missing",
                             "QUESTION.3: warning: chapter 3 has no question bank",
                             "TOPICS.3: warning: chapter 3 has no topic pages",
                             "chapter 3: error: picture \"CHAP3.JPG\" is missing"})
        EXPECT_NE(missing.Out.find(line), std::string::npos) << line << "\n" << missing.Out;
}

TEST_F(CheckFixture, MoreFindingsOfTheDefinitionAndThePages) {
    testing::ScriptedRandom random;
    book.Variables.push_back(
        std::make_unique<TVarible>("later", vkNumber, TReal48{}, TReal48{}, 0, std::nullopt));
    book.Variables.back()->RecordVersion = 3;
    banks[1].push_back(MultipleChoice('A', 6));
    pages[0][1].Page = "<p>see <IMG SRC='gone.jpg'></p>";
    const auto result = Check();
    EXPECT_EQ(result.ExitCode, 1);
    for (const char* line :
         {"BOOK.DEF: variable 2 \"\": error: unknown version 3 of a variable record",
          "QUESTION.2: question 3: error: a Multiple Choice question needs 1 to 5 choices, not 6",
          "TOPICS.1: \"Key Ideas\": error: picture \"gone.jpg\" is missing"})
        EXPECT_NE(result.Out.find(line), std::string::npos) << line << "\n" << result.Out;
}

TEST_F(CheckFixture, WarningsAloneLeaveTheExitStatusZero) {
    glossary.push_back({"", "Stray", "Orphan", ""});
    ExpectFinding("GLOSSARY.DEF: term 3 \"Orphan\": warning: belongs to no chapter of the book", 0);
}

// A bound written with a decimal comma reads, but not in every older reader: said, not fatal.
TEST_F(CheckFixture, ANumberWrittenWithACommaIsWarnedOf) {
    testing::ScriptedRandom random;
    book.Variables[0]->Max = TReal48::FromExtended(9.5L);
    TRegionalSettings comma;
    comma.DecimalSeparator = ",";
    overrides.push_back({"BOOK.DEF", WriteBookProperties(book, 5, comma)});
    ExpectFinding("BOOK.DEF: variable 1 \"x\": warning: its Min or Max is written with a decimal "
                  "comma; older readers in locales whose separator is a point cannot read it: "
                  "write a point",
                  0);
}

TQuestion WordProblem(const std::string& formula) {
    TQuestion q;
    q.Kind = qkWordProblem;
    q.Text = "What is it for {x}?";
    q.Formula = formula;
    return q;
}

// What a student would meet but the file formats allow: choice buttons that do not match the
// choices written, chapters the book does not have, answers some draws cannot compute.
TEST_F(CheckFixture, FindingsOfWhatTheWindowWouldShow) {
    TQuestion fewer = MultipleChoice('A', 4);
    fewer.Text = "Which?\r\nA) one\r\nB) two\r\nC) three";
    TQuestion more = MultipleChoice('B', 2);
    more.Text = "Which?\r\nA) one\r\nB) two\r\nC) three";
    TQuestion none = MultipleChoice('A', 1);
    none.Text = "Which one is it?";
    banks[0].insert(banks[0].end(), {fewer, more, none});
    // x draws 1 to 9: 5 divides by zero, and 100 draws from the fixed seed meet it.
    banks[1].insert(banks[1].end(), {WordProblem("{x}/({x}-5)"), WordProblem("{x}*2")});
    overrides.emplace_back("QUESTION.3", WriteQuestionBank({TrueFalse("Lost?", 'T')}));
    overrides.emplace_back("topics.7", WriteTopicFile({{"Summary", "s"}}));
    book.Topics.resize(1);
    const auto result = Check();
    EXPECT_EQ(result.ExitCode, 1);
    for (const std::string line :
         {"QUESTION.1: question 3: error: ChoiceCount is 4 but the text writes 3 choices (A, B, "
          "C): the student would get buttons with no choice; set ChoiceCount to 3 or write each "
          "missing choice on a line starting \"D) \"",
          "QUESTION.1: question 4: error: ChoiceCount is 2 but the text writes 3 choices (A, B, "
          "C): the student would have no button for the last; set ChoiceCount to 3 or remove "
          "the choices past B)",
          "QUESTION.1: question 5: error: ChoiceCount is 1 but the text writes no choices",
          "QUESTION.2: question 3: error: the formula \"{x}/({x}-5)\" fails for {x} = 5 "
          "(Invalid Floating Point Operation: Divide by zero), in ",
          "QUESTION.3: error: chapter 3 is beyond the book's 2 chapters, so its questions are "
          "never asked: add the chapter's name to the book or remove the file",
          "TOPICS.7: error: chapter 7 is beyond the book's 2 chapters, so its pages never show",
          "BOOK.DEF: warning: the book has 1 topic, so the chapter panel shows one topic link "
          "where it has room for three"})
        EXPECT_NE(result.Out.find(line), std::string::npos) << line << "\n" << result.Out;
    // The sound word problem, question 4, is not among them.
    EXPECT_EQ(result.Out.find("QUESTION.2: question 4"), std::string::npos) << result.Out;
    EXPECT_NE(result.Out.find("\n6 errors, "), std::string::npos) << result.Out;
    // The draws come from a fixed seed: the same book, the same report.
    EXPECT_EQ(Check().Out, result.Out);
}

} // namespace
} // namespace quillara
