#include "core/formula/variable_values.h"
#include "core/book/book_properties.h"
#include "core/formula/evaluator.h"
#include "core/picture/jpeg_decoder.h"
#include "named_parameters.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace quillara {
namespace {

using nlohmann::json;
using testing::RunTool;
using testing::TempBookDir;
namespace fs = std::filesystem;

// Every file of both folders, compared byte for byte.
void ExpectSameFiles(const fs::path& expected, const fs::path& actual) {
    ASSERT_EQ(TempBookDir::FileNames(expected), TempBookDir::FileNames(actual));
    for (const std::string& name : TempBookDir::FileNames(expected))
        EXPECT_EQ(TempBookDir::ReadFile(expected / name), TempBookDir::ReadFile(actual / name))
            << name;
}

TEST(AuthorsForm, NewWritesABookThatBuildsChecksCleanAndOpens) {
    TempBookDir work;
    const fs::path source = work.Path() / "mybook";
    const fs::path book = work.Path() / "built";
    const auto made = RunTool({"new", source.string()});
    ASSERT_EQ(made.ExitCode, 0) << made.Err;
    for (const char* picture : {"pictures/cover.jpg", "pictures/chap1.jpg", "pictures/chap2.jpg"})
        EXPECT_NO_THROW(DecodeJpeg(TempBookDir::ReadFile(source / picture))) << picture;

    const auto built = RunTool({"build", (source / "book.json").string(), book.string()});
    ASSERT_EQ(built.ExitCode, 0) << built.Err;
    const auto checked = RunTool({"check", book.string()});
    EXPECT_EQ(checked.ExitCode, 0) << checked.Out;
    EXPECT_NE(checked.Out.find("\n0 errors, "), std::string::npos) << checked.Out;

    const auto properties = LoadBookProperties(book, TRegionalSettings{});
    EXPECT_EQ(properties->Title, "Water and Solutions");
    EXPECT_EQ(properties->ChapterCount, 2);
    ASSERT_EQ(properties->Formulas.size(), 1u);
    EXPECT_EQ(properties->Formulas[0]->Source, "concentration(mass, volume) = {1} / {2} * 1000");
    // The word problem's formula over the drawn values, as the question runner computes it.
    TVariableValues values;
    values.Set(*properties->FindVariable("mass"), 20);
    values.Set(*properties->FindVariable("volume"), 400);
    TFormula answer(2);
    answer.Source = "concentration({mass}, {volume})";
    EXPECT_EQ(Evaluate(answer, properties->Scope(values)), 50);

    // Another book is never written over an author's work.
    const std::string before = work.Read("mybook/book.json");
    const auto again = RunTool({"new", source.string()});
    EXPECT_EQ(again.ExitCode, 1);
    EXPECT_NE(again.Err.find("not an empty folder"), std::string::npos) << again.Err;
    EXPECT_EQ(work.Read("mybook/book.json"), before);
}

TEST(AuthorsForm, DumpSourceOfTheDemoBookBuildsItAgainFileByFile) {
    TempBookDir work;
    const fs::path source = work.Path() / "source.json";
    const auto dumped = RunTool({"dump", QUILLARA_DEMO_BOOK, "--source", "-o", source.string()});
    ASSERT_EQ(dumped.ExitCode, 0) << dumped.Err;
    const std::string text = TempBookDir::ReadFile(source);
    EXPECT_EQ(text.find("\\r\\n"), std::string::npos);
    EXPECT_EQ(text.find("Nodes"), std::string::npos);
    const json author = json::parse(text);
    EXPECT_EQ(author["Functions"][0], "interest(p, r, t) = p*r*t");
    EXPECT_EQ(author["Chapters"][0]["Questions"][0]["Kind"], "True/False");
    EXPECT_EQ(author["Chapters"][0]["Questions"][0]["Answer"], true);
    EXPECT_EQ(author["Settings"]["Currency"], "en_US");

    const fs::path rebuilt = work.Path() / "rebuilt";
    const auto built = RunTool({"build", source.string(), rebuilt.string()});
    ASSERT_EQ(built.ExitCode, 0) << built.Err;
    ExpectSameFiles(QUILLARA_DEMO_BOOK, rebuilt);
}

// A book with the odd records a book file can hold: old record layouts, a function whose
// parameters cannot be named, texts with stray line breaks, a bare expression.
TEST(AuthorsForm, DumpSourceKeepsEveryOddRecordOfABook) {
    TempBookDir work;
    const json stored = json::parse(R"json({
      "book": {
        "version": 4, "Title": "Odd", "Text4": "four", "Text7": "seven\nlone",
        "HasGlossary": false, "HasMatchingQuiz": true, "ReservedFlags": [true, false, false, false],
        "Topics": [{"Title": "Summary"}, {"Title": "Old", "RecordVersion": 0},
                   {"Title": "Marked", "TopicAttribute": 9}],
        "ChapterNames": ["One", "Two"],
        "Variables": [{"Name": "x", "Kind": 7, "Min": 1.5, "Max": 2, "Decimals": 1},
                      {"Name": "old", "Kind": 1, "Min": 10, "Max": 20, "RecordVersion": 0},
                      {"Name": "c", "Kind": 3, "Choices": []}],
        "Expressions": [{"FirstText": "a", "SecondText": "b", "RecordVersion": 1}],
        "Formulas": [{"Source": "f(a, b) = {1}2+{2}"}, {"Source": "g(x) = x({1})"},
                     {"HasDeclaration": false, "Source": "1+2", "SecondText": "kept"},
                     {"RecordVersion": 0}]
      },
      "questions": {"2": {"questions": [
          {"version": 1, "Kind": 0, "Answer": "E", "ChoiceCount": 4, "Text": "Three\r\nA) x\r\nB) y\r\nC) z"},
          {"Kind": 0, "Answer": "A", "ChoiceCount": 2, "Text": "\r\nA) x\r\nB) two\nlines"},
          {"Kind": 9, "Answer": "t", "Text": "x\r\r\ny\r\n", "GlossaryTerms": []}]}},
      "glossary": {"entries": [{"Term": "T", "DefinitionText": "d\r\n"}]}
    })json");
    const fs::path first = work.Path() / "first";
    const fs::path again = work.Path() / "again";
    // The book is odd on purpose; build writes it as it is only when forced.
    ASSERT_EQ(RunTool({"build", work.Write("stored.json", stored.dump()).string(), first.string(),
                       "--force"})
                  .ExitCode,
              0);
    const fs::path source = work.Path() / "author.json";
    const auto dumped = RunTool({"dump", first.string(), "--source", "-o", source.string()});
    ASSERT_EQ(dumped.ExitCode, 0) << dumped.Err;
    const json author = json::parse(TempBookDir::ReadFile(source));
    // Parameters by place read the same in the author's form, unless a word of the body is
    // a parameter's name.
    EXPECT_EQ(author["Functions"][0], "f(a, b) = {1}2+{2}");
    EXPECT_EQ(author["Functions"][1],
              (json{{"Formula", "g(x) = x({1})"}, {"ParametersByName", false}}));
    EXPECT_EQ(author["Chapters"][1]["Questions"][0]["ChoiceCount"], 4);
    const auto built = RunTool({"build", source.string(), again.string(), "--force"});
    ASSERT_EQ(built.ExitCode, 0) << built.Err;
    ExpectSameFiles(first, again);

    // A bank of a chapter the book does not have has no place in the author's form: said, not
    // dropped.
    fs::copy_file(first / "QUESTION.2", first / "QUESTION.3");
    const auto beyond = RunTool({"dump", first.string(), "--source"});
    EXPECT_EQ(beyond.ExitCode, 1);
    EXPECT_NE(beyond.Err.find("QUESTION.3 belongs to no chapter of the book, which has 2"),
              std::string::npos)
        << beyond.Err;
    EXPECT_EQ(beyond.Out, "");
}

struct AuthorsSource : ::testing::Test {
    static json Source() {
        return json::parse(R"json({
          "Title": "Small", "Topics": ["Summary"],
          "Variables": [{"Name": "n", "Kind": "number", "Min": 1, "Max": 9},
                        {"Name": "c", "Kind": "choice", "Choices": ["a", "b"]}],
          "Functions": ["twice(x) = x*2"],
          "Chapters": [
            {"Name": "One", "Questions": [
              {"Kind": "true/false", "Text": "Line one\nline two", "Answer": false},
              {"Kind": "Multiple Choice", "Text": ["Pick", "one"], "Choices": ["x", "y"], "Answer": "B"},
              {"Kind": "Word Problem", "Text": "{n}?", "Formula": "twice({n})", "RoundTo": 1}]},
            {"Name": "Two", "Pages": [{"Topic": "Summary", "Html": "<p>\u4e2d</p>"}]}],
          "Glossary": [{"Term": "Term", "Definition": "A word\r\nof two lines"}]
        })json");
    }
    TempBookDir work;
};

TEST_F(AuthorsSource, NamesAndLinesBecomeTheStoredCodes) {
    const fs::path book = work.Path() / "book";
    // The source has no pictures: the book is built without them.
    const auto built = RunTool(
        {"build", work.Write("book.json", Source().dump()).string(), book.string(), "--force"});
    ASSERT_EQ(built.ExitCode, 0) << built.Err;
    const auto dumped = RunTool({"dump", book.string()});
    ASSERT_EQ(dumped.ExitCode, 0) << dumped.Err;
    const json stored = json::parse(dumped.Out);
    EXPECT_EQ(stored["book"]["Formulas"][0]["Source"], "twice(x) = {1}*2");
    EXPECT_EQ(stored["book"]["Variables"][1]["Kind"], 3);
    EXPECT_EQ(stored["book"]["Topics"][0]["TopicAttribute"], 2);
    // A glossary makes the book show it, and offer its matching quiz, unless told otherwise.
    EXPECT_EQ(stored["book"]["HasGlossary"], true);
    EXPECT_EQ(stored["book"]["HasMatchingQuiz"], true);
    EXPECT_EQ(stored["book"]["HasAuthorsNotes"], false);
    const json& questions = stored["questions"]["1"]["questions"];
    EXPECT_EQ(questions[0]["Kind"], 1);
    EXPECT_EQ(questions[0]["Text"], "Line one\r\nline two");
    EXPECT_EQ(questions[0]["Answer"], "F");
    EXPECT_EQ(questions[1]["Text"], "Pick\r\none\r\nA) x\r\nB) y");
    EXPECT_EQ(questions[1]["ChoiceCount"], 2);
    EXPECT_EQ(questions[2]["Kind"], 2);
    EXPECT_EQ(stored["topics"]["2"]["entries"][0]["page"], "<p>&#20013;</p>");
    EXPECT_EQ(stored["glossary"]["entries"][0]["DefinitionText"], "A word\r\nof two lines");
    EXPECT_FALSE(stored["topics"].contains("1"));
}

TEST_F(AuthorsSource, FaultsNameTheAuthorsMemberCountingFromOne) {
    struct Case {
        const char* op;
        const char* path;
        json value;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"replace", "/Chapters/0/Questions/1/Kind", "Essay",
         "/Chapters/1/Questions/2/Kind: unknown name \"Essay\"; write one of \"Multiple Choice\""},
        {"replace", "/Chapters/0/Questions/0/Kind", 1,
         "/Chapters/1/Questions/1/Kind: write \"True/False\" for 1"},
        {"add", "/Chapters/0/Questions/0/Explaination", "x",
         "/Chapters/1/Questions/1/Explaination: there is no such member here"},
        {"replace", "/Chapters/0/Questions/1/Choices", json::array({"a", "b", "c", "d", "e", "f"}),
         "/Chapters/1/Questions/2/Choices: a question has two to five choices"},
        {"replace", "/Chapters/0/Questions/0/Text", "CH\u2083COOH",
         "/Chapters/1/Questions/1/Text: a book stores its texts in Windows-1252, which has no "
         "\"\u2083\""},
        {"add", "/Chapters/0/Questions/2/Answer", true,
         "/Chapters/1/Questions/3/Answer: true or false answers a True/False question"},
        {"replace", "/Variables/1/Kind", "percentage", "/Variables/2/Kind: unknown name"},
        {"add", "/Variables/1/Min", 1, "/Variables/2/Min: a variable of Kind \"choice\""},
        {"add", "/Functions/-", "f(x, x) = x", "/Functions/2: two parameters are named \"x\""},
        {"add", "/Functions/-", "f(x) = (x))", "/Functions/2: "},
        {"add", "/Chapters/1/Pages/-", json{{"Topic", "Summary"}, {"File", "missing.html"}},
         "/Chapters/2/Pages/2/File: cannot read \"missing.html\""},
        {"add", "/Settings", json{{"Curency", "en_US"}}, "/Settings/Curency: there is no such"},
        {"remove", "/Chapters/1/Name", nullptr, "/Chapters/2: missing \"Name\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        json patch = {{"op", c.op}, {"path", c.path}};
        if (!c.value.is_null()) patch["value"] = c.value;
        const fs::path source =
            work.Write("book.json", Source().patch(json::array({patch})).dump());
        const fs::path target = work.Path() / "broken";
        const auto result = RunTool({"build", source.string(), target.string()});
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_NE(result.Err.find(source.string() + ": " + c.expected), std::string::npos)
            << result.Err;
        EXPECT_FALSE(fs::exists(target));
    }
}

// What the JSON reader cannot read, and a character the book cannot store in a file the source
// names, are told in the author's words: a line and column, or the member that names the file.
TEST_F(AuthorsSource, UnreadableTextAndLostCharactersAreToldInTheAuthorsWords) {
    json notes = Source();
    notes["AuthorsNotes"] = {{"File", "notes.txt"}};
    work.Write("notes.txt", "Caf\u00e9 is kept, CH\u2083 is not\n");
    struct Case {
        const char* name;
        std::string text;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"comma", R"({"Title": "Small",})",
         ": line 1, column 19: the comma before this closing bracket is one too many"},
        {"word", "{\"Title\": \"Small\",\n  \"Topics\": [nul]}",
         ": line 2, column 14: a value that is neither a number"},
        {"empty", "", ": line 1, column 1: the file is empty"},
        {"open", R"({"Title": "Small", "Chapters": [)", ": line 1, column 33: the text ends"},
        {"lost", notes.dump(),
         ": /AuthorsNotes/File: error: \"Caf\u00e9 is kept, CH\u2083 is not...\" holds \"\u2083\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path source = work.Write("book.json", c.text);
        const fs::path target = work.Path() / "not-built";
        const auto result = RunTool({"build", source.string(), target.string()});
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_NE(result.Err.find(source.string() + c.expected), std::string::npos) << result.Err;
        EXPECT_EQ(result.Err.find("json.exception"), std::string::npos) << result.Err;
        EXPECT_FALSE(fs::exists(target));
    }
    // Forced, the book is written all the same.
    const fs::path source = work.Write("book.json", notes.dump());
    const fs::path forced = work.Path() / "forced";
    ASSERT_EQ(RunTool({"build", source.string(), forced.string(), "--force"}).ExitCode, 0);
    EXPECT_TRUE(fs::exists(forced / "AUTHORS"));
}

TEST(NamedParameters, BodiesNameTheirParametersAndReadBackExactly) {
    struct Case {
        const char* named;
        const char* positional;
    };
    const std::vector<Case> cases = {
        {"interest(p, r, t) = p*r*t", "interest(p, r, t) = {1}*{2}*{3}"},
        // Braces are variables, even of a parameter's name; a call keeps its name.
        {"f(rate) = rate*{rate}+g(1)", "f(rate) = {1}*{rate}+g(1)"},
        {"f(x) = x2+x_1+2", "f(x) = x2+x_1+2"},
        {"f() = 5", "f() = 5"},
        {"not a declaration x", "not a declaration x"},
        {"f(a,b,c,d,e,f,g,h,i,j) = i", "f(a,b,c,d,e,f,g,h,i,j) = {9}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.named);
        EXPECT_EQ(tool::PositionalDeclaration(c.named), c.positional);
    }
    EXPECT_EQ(tool::NamedDeclaration("interest(p, r, t) = {1}*{2}*{3}"),
              "interest(p, r, t) = p*r*t");
    EXPECT_EQ(tool::NamedDeclaration("f(x) = {1}+{x}"), "f(x) = x+{x}");
    // A name that would run into what follows, or a word that is already a parameter's name,
    // cannot be written by name without changing the formula.
    for (const char* positional : {"f(x) = {1}2", "f(x) = x({1})", "f(x, x) = {1}"})
        EXPECT_EQ(tool::NamedDeclaration(positional), std::nullopt) << positional;
    EXPECT_THROW(tool::PositionalDeclaration("f(a,b,c,d,e,f,g,h,i,j) = j"), std::invalid_argument);
    EXPECT_THROW(tool::PositionalDeclaration("f(x, x) = x"), std::invalid_argument);
}

} // namespace
} // namespace quillara
