#include "core/book/settings_file.h"
#include "core/picture/jpeg_encoder.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace quillara {
namespace {

using nlohmann::json;
using testing::RunTool;
using testing::TempBookDir;

json Manifest(int version) {
    return json::parse(R"json({
      "book": {
        "version": 5, "Title": "Caf\u00e9 Maths", "Text2": "Second", "Copyright": "(c) us",
        "HasGlossary": true, "HasMatchingQuiz": true, "HasAuthorsNotes": true,
        "ReservedFlags": [false, true, false, false],
        "Topics": [{"Title": "Summary", "TopicAttribute": 2},
                   {"Title": "Old style", "RecordVersion": 0}],
        "ChapterNames": ["One", "Two"],
        "Variables": [{"Name": "n", "Kind": 2, "Min": 1.5, "Max": 9.25, "Decimals": 2, "Choices": null},
                      {"Name": "old", "Kind": 1, "Min": 10, "Max": 20, "Decimals": 0, "RecordVersion": 0},
                      {"Name": "colour", "Kind": 3, "Choices": ["red", "green"]}],
        "Expressions": [{"FirstText": "a", "SecondText": "b"}],
        "Formulas": [{"HasDeclaration": true, "Source": "twice(x) = {1}*2", "SecondText": ""},
                     {"RecordVersion": 0}]
      },
      "topics": {"1": {"entries": [{"key": "Summary", "pageFile": "summary.html"}]},
                 "2": {"entries": [{"key": "Summary", "page": "<p>\u20ac and \u4e2d</p>"}]}},
      "questions": {"1": {"questions": [
          {"version": 2, "Kind": 1, "Answer": "T", "Text": "True?", "Explanation": "Yes."},
          {"version": 1, "Kind": 0, "Answer": "B", "ChoiceCount": 2, "Text": "Pick\r\nA) x\r\nB) y",
           "GlossaryTerms": ["Budget"]},
          {"version": 2, "Kind": 2, "Text": "{n} twice?", "Formula": "twice({n})", "RoundTo": 2}]}},
      "glossary": {"entries": [{"PageRef": "4", "DefinitionText": "A plan", "Term": "Budget", "ChapterRef": "1, 2"}]},
      "authors": {"text": "Notes\r\nmore"},
      "pictures": {"cover.jpg": "cover.jpg"}
    })json")
        .patch(json::array({{{"op", "replace"}, {"path", "/book/version"}, {"value", version}}}));
}

struct BuildFixture : ::testing::Test {
    std::filesystem::path WriteSource(const json& manifest) {
        source.Write("summary.html", "<h2>Caf\xC3\xA9</h2>");
        source.Write("cover.jpg", "not really a jpeg");
        return source.Write("book.json", manifest.dump());
    }
    json DumpDir(const std::filesystem::path& dir) {
        const auto result = RunTool({"dump", dir.string()});
        EXPECT_EQ(result.ExitCode, 0) << result.Err;
        return json::parse(result.Out);
    }
    TempBookDir source;
    TempBookDir out;
};

TEST_F(BuildFixture, DumpAndBuildAreInversesForEveryVersion) {
    for (int version = 0; version <= 5; ++version) {
        SCOPED_TRACE("version " + std::to_string(version));
        const auto manifest = WriteSource(Manifest(version));
        const auto first = out.Path() / ("v" + std::to_string(version));
        // A book of every record form, not a sound one: --force writes it all the same.
        ASSERT_EQ(RunTool({"build", manifest.string(), first.string(), "--force"}).ExitCode, 0);
        const json dumped = DumpDir(first);
        EXPECT_EQ(dumped["book"]["version"], version);
        EXPECT_EQ(dumped["book"]["Title"], "Caf\xC3\xA9 Maths");
        EXPECT_EQ(dumped["book"]["Variables"].size(), version >= 1 ? 3u : 0u);
        EXPECT_EQ(dumped["topics"]["1"]["entries"][0]["page"], "<h2>Caf\xC3\xA9</h2>");
        EXPECT_EQ(dumped["topics"]["2"]["entries"][0]["page"], "<p>\xE2\x82\xAC and &#20013;</p>");
        EXPECT_EQ(dumped["questions"]["1"]["questions"][2]["RoundTo"], 2.0);
        EXPECT_EQ(dumped["questions"]["1"]["questions"][1]["version"], 1);
        EXPECT_EQ(dumped["authors"]["text"], "Notes\r\nmore");
        EXPECT_EQ(dumped["pictures"], (json{{"cover.jpg", (first / "cover.jpg").string()}}));

        // The dump builds the same book again.
        const auto again = out.Path() / ("again" + std::to_string(version));
        const auto dumpFile = source.Write("dumped.json", dumped.dump());
        ASSERT_EQ(RunTool({"build", dumpFile.string(), again.string(), "--pictures", first.string(),
                           "--force"})
                      .ExitCode,
                  0);
        json pictureInAgain = dumped;
        pictureInAgain["pictures"]["cover.jpg"] = (again / "cover.jpg").string();
        EXPECT_EQ(DumpDir(again), pictureInAgain);
        for (const char* name :
             {"BOOK.DEF", "QUESTION.1", "TOPICS.1", "GLOSSARY.DEF", "AUTHORS", "cover.jpg"})
            EXPECT_EQ(TempBookDir::ReadFile(first / name), TempBookDir::ReadFile(again / name))
                << name;
    }
}

TEST_F(BuildFixture, SourceFaultsNameThePlaceAndWriteNothing) {
    struct Case {
        const char* path;
        json value;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"/questions/1/questions/1/Kind", "two",
         "question 2 of chapter 1, \"Kind\": expected a whole number"},
        {"/book/Variables/0/Min", 1e40, "the book, variable 1: "},
        {"/book/Formulas/0/Source", "f(x) = (1))", "the book, formula 1, \"Source\": "},
        {"/topics/1/entries/0/pageFile", "missing.html",
         "page 1 of chapter 1, \"pageFile\": cannot read"},
        {"/pictures/cover.jpg", "nowhere.jpg", "picture \"cover.jpg\": cannot read"},
        {"/questions/0", json::object({{"questions", json::array()}}),
         "the questions of chapter 0: chapter keys"},
        {"/settings", json::object({{"Currency", "en_US\nSave Directory=/etc/"}}),
         "the settings, \"Currency\": a settings value is one line"},
        {"/settings", json::object({{"[x]", "1"}}), "the settings, \"[x]\": a settings key"},
        {"/glossary/entries/0/Term", 7, "the glossary, entry 1, \"Term\": expected a text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const json broken =
            Manifest(5).patch(json::array({{{"op", "add"}, {"path", c.path}, {"value", c.value}}}));
        const auto manifest = WriteSource(broken);
        const auto target = out.Path() / "broken";
        const auto result = RunTool({"build", manifest.string(), target.string()});
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_NE(result.Err.find(manifest.string() + ": " + c.expected), std::string::npos)
            << result.Err;
        EXPECT_FALSE(std::filesystem::exists(target));
    }
    // Settings become the book's own section of the settings file, which the window finds by
    // the whole title, however long and whatever it holds.
    const std::string title = "[Long] title; with = signs " + std::string(228, 'x');
    const auto manifest = WriteSource(Manifest(5).patch(
        json::array({{{"op", "add"}, {"path", "/settings"}, {"value", {{"Currency", "en_GB ;gb"}}}},
                     {{"op", "replace"}, {"path", "/book/Title"}, {"value", title}}})));
    ASSERT_EQ(
        RunTool({"build", manifest.string(), (out.Path() / "set").string(), "--force"}).ExitCode,
        0);
    const std::string ini = TempBookDir::ReadFile(out.Path() / "set" / "WQUILLARA.INI");
    EXPECT_EQ(ReadSettingsSection(ini, title),
              (std::map<std::string, std::string>{{"CURRENCY", "en_GB ;gb"}}));

    source.Write("bad.json", "{ not json");
    EXPECT_EQ(
        RunTool({"build", (source.Path() / "bad.json").string(), out.Path().string()}).ExitCode, 1);
    EXPECT_EQ(RunTool({"build", "only-one"}).ExitCode, 2);
}

// A source whose bank would be larger than the program reads is refused, and nothing written.
TEST_F(BuildFixture, ABookFileOverItsLimitIsNotBuilt) {
    json manifest = Manifest(5);
    json& questions = manifest["questions"]["1"]["questions"];
    json long_question = questions[0];
    long_question["Text"] = std::string(16000, 'w');
    for (int i = 0; i < 2100; ++i) // 2,100 x 16,000 characters: over 32 MiB
        questions.push_back(long_question);
    const auto target = out.Path() / "big";
    const auto result = RunTool({"build", WriteSource(manifest).string(), target.string()});
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_NE(result.Err.find("QUESTION.1 would be "), std::string::npos) << result.Err;
    EXPECT_NE(result.Err.find("more than the 33554432 bytes such a file may have"),
              std::string::npos)
        << result.Err;
    EXPECT_FALSE(std::filesystem::exists(target));
}

// A book that check finds nothing wrong with: every picture, three topics, a question of each kind.
json SoundManifest() {
    return json::parse(R"json({
      "book": {"Title": "Sound", "ChapterNames": ["One"],
               "Topics": [{"Title": "Summary"}, {"Title": "Key Ideas"}, {"Title": "Examples"}],
               "Variables": [{"Name": "n", "Kind": 2, "Min": 1, "Max": 9, "Decimals": 0}]},
      "topics": {"1": {"entries": [{"key": "Summary", "page": "s"}, {"key": "Key Ideas", "page": "k"},
                                   {"key": "Examples", "page": "e"}]}},
      "questions": {"1": {"questions": [
          {"Kind": 1, "Answer": "T", "Text": "True?"},
          {"Kind": 0, "Answer": "B", "ChoiceCount": 3, "Text": "Pick\r\nA) x\r\nB) y\r\nC) z"},
          {"Kind": 2, "Text": "{n} doubled?", "Formula": "{n}*2"}]}},
      "pictures": {"cover.jpg": "cover.jpg", "CHAP1.JPG": "chap1.jpg"}
    })json");
}

struct SoundBuild : ::testing::Test {
    SoundBuild() {
        const std::string jpeg =
            EncodeJpeg(TDecodedPicture{4, 4, std::vector<std::uint8_t>(48, 90)});
        source.Write("cover.jpg", jpeg);
        source.Write("chap1.jpg", jpeg);
        source.Write("chap1.png", "\x89PNG\r\n\x1a\n");
    }
    testing::ToolResult Build(const json& manifest, std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"build", Manifest().string(), Target().string()};
        source.Write("book.json", manifest.dump());
        args.insert(args.end(), extra.begin(), extra.end());
        return RunTool(args);
    }
    std::filesystem::path Manifest() const { return source.Path() / "book.json"; }
    std::filesystem::path Target() const { return out.Path() / "book"; }
    TempBookDir source;
    TempBookDir out;
};

TEST_F(SoundBuild, BuildsWhatCheckPasses) {
    const auto built = Build(SoundManifest());
    ASSERT_EQ(built.ExitCode, 0) << built.Err;
    EXPECT_EQ(built.Err, "");
    EXPECT_EQ(RunTool({"check", Target().string()}).Out, "0 errors, 0 warnings\n");
}

// What check reports as an error, and a text the book's encoding would lose, keep the book from
// being written; each is named by file and question or entry, counted from 1. --force writes it.
TEST_F(SoundBuild, RefusesWhatCheckReportsUnlessForced) {
    const std::vector<std::pair<json, std::string>> cases = {
        {{{"op", "replace"}, {"path", "/questions/1/questions/1/Answer"}, {"value", "E"}},
         "QUESTION.1: question 2: error: the answer \"E\" is not among its 3 choices"},
        {{{"op", "replace"}, {"path", "/questions/1/questions/2/Formula"}, {"value", "({n}*2"}},
         "QUESTION.1: question 3: error: the formula \"({n}*2\" does not evaluate: A \"(\" is not "
         "closed"},
        {{{"op", "replace"}, {"path", "/questions/1/questions/1/ChoiceCount"}, {"value", 4}},
         "QUESTION.1: question 2: error: ChoiceCount is 4 but the text writes 3 choices"},
        {{{"op", "add"}, {"path", "/questions/2"}, {"value", {{"questions", json::array()}}}},
         "QUESTION.2: error: chapter 2 is beyond the book's 1 chapters"},
        {{{"op", "replace"}, {"path", "/pictures/CHAP1.JPG"}, {"value", "chap1.png"}},
         "CHAP1.JPG: error: not a readable JPEG picture"},
        {{{"op", "replace"},
          {"path", "/questions/1/questions/0/Text"},
          {"value", "Is CH₃COOH an acid?"}},
         "question 1 of chapter 1, \"Text\": error: \"Is CH₃COOH an acid?\" holds \"₃\", "
         "which the book's Windows-1252 text cannot carry"},
        {{{"op", "replace"}, {"path", "/book/ChapterNames/0"}, {"value", "x ≤ y and Na⁺"}},
         "the book, chapter name 1: error: \"x ≤ y and Na⁺\" holds \"≤\", \"⁺\""},
    };
    for (const auto& [patch, expected] : cases) {
        SCOPED_TRACE(expected);
        const json broken = SoundManifest().patch(json::array({patch}));
        const auto refused = Build(broken);
        EXPECT_EQ(refused.ExitCode, 1);
        EXPECT_NE(refused.Err.find(Manifest().string() + ": " + expected), std::string::npos)
            << refused.Err;
        EXPECT_NE(refused.Err.find("1 error, so nothing was written"), std::string::npos)
            << refused.Err;
        EXPECT_FALSE(std::filesystem::exists(Target()));

        const auto forced = Build(broken, {"--force"});
        EXPECT_EQ(forced.ExitCode, 0) << forced.Err;
        EXPECT_TRUE(std::filesystem::exists(Target() / "BOOK.DEF"));
        std::filesystem::remove_all(Target());
    }
}

// A folder is built into only when it is empty or holds an earlier build of the same book,
// whose files the book no longer has go; --force builds over anything, leaving files that are
// no book's.
TEST_F(SoundBuild, AFolderHoldingAnythingButAnEarlierBuildIsLeftUnlessForced) {
    namespace fs = std::filesystem;
    ASSERT_EQ(Build(SoundManifest()).ExitCode, 0);
    const auto fresh = TempBookDir::FileNames(Target());
    json larger = SoundManifest();
    larger["book"]["ChapterNames"].push_back("Two");
    larger["questions"]["2"] = {{"questions", {{{"Kind", 1}, {"Answer", "F"}, {"Text", "No?"}}}}};
    larger["pictures"]["CHAP2.JPG"] = "chap1.jpg";
    json other = larger;
    other["book"]["Title"] = "Other";
    const auto with = [&](std::vector<std::string> names, const std::string& more) {
        names.push_back(more);
        std::sort(names.begin(), names.end());
        return names;
    };
    struct FolderCase {
        const char* What;
        json Earlier;
        const char* Extra;
        std::vector<std::string> Force;
        int ExitCode;
        std::string Told;
        std::vector<std::string> Names;
    };
    const FolderCase cases[] = {
        {"a larger build of the same book",
         larger,
         "SCORES.SAV",
         {},
         0,
         "",
         with(fresh, "SCORES.SAV")},
        {"another book", other, nullptr, {}, 1, " holds another book (", {}},
        {"another book, forced", other, nullptr, {"--force"}, 0, "", fresh},
        {"other files", SoundManifest(), "notes.txt", {}, 1, " holds other files (notes.txt)", {}},
        {"other files, forced",
         SoundManifest(),
         "notes.txt",
         {"--force"},
         0,
         "",
         with(fresh, "notes.txt")},
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove_all(Target());
        ASSERT_EQ(Build(c.Earlier, {"--force"}).ExitCode, 0);
        if (c.Extra) std::ofstream(Target() / c.Extra) << "kept";
        const auto before = TempBookDir::FileNames(Target());
        const auto built = Build(SoundManifest(), c.Force);
        EXPECT_EQ(built.ExitCode, c.ExitCode) << built.Err;
        EXPECT_NE(built.Err.find(c.Told), std::string::npos) << built.Err;
        EXPECT_EQ(TempBookDir::FileNames(Target()), c.ExitCode == 0 ? c.Names : before);
        // The score file written here is no real one; check is for the book alone.
        if (c.ExitCode == 0 && (!c.Extra || std::string(c.Extra) != "SCORES.SAV"))
            EXPECT_EQ(RunTool({"check", Target().string()}).ExitCode, 0);
    }
}

// A source that is not JSON is named by line and column, in plain words.
TEST_F(SoundBuild, JsonFaultsGiveLineAndColumn) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{\"book\": {\"Title\": \"x\",}}",
         "line 1, column 24: the comma before this closing bracket is one too many"},
        {"{\"book\": {\"Title\": \"x\"\n  \"ChapterNames\": []}}",
         "line 2, column 3: unexpected '\"ChapterNames\": ...': look for a missing comma"},
        {"{\"book\": {\"Title\": tru}}", "line 1, column 20: a value that is neither"},
        {"{\"book\": {\"Title\": \"a\nb\"}}",
         "line 1, column 22: a line break or tab inside a text"},
        {"{\"book\": ", "line 1, column 10: the text ends before the JSON does"},
        {" \n", "line 1, column 1: the file is empty"},
        {"{\"book\": {\"Title\": \"x\",\n \"Min\": 1e999}}",
         "line 2, column 9: a number too large to read"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        source.Write("book.json", text);
        const auto result = RunTool({"build", Manifest().string(), Target().string()});
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_NE(result.Err.find(Manifest().string() + ": " + expected), std::string::npos)
            << result.Err;
        EXPECT_EQ(result.Err.find("exception"), std::string::npos) << result.Err;
        EXPECT_FALSE(std::filesystem::exists(Target()));
    }
}

// Every file of a folder by name, with its bytes.
std::map<std::string, std::string> FilesOf(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        files[entry.path().filename().string()] = TempBookDir::ReadFile(entry.path());
    return files;
}

// A dump builds the book it came from byte for byte, saved wherever the author keeps it: printed
// and saved in an unrelated folder, or written with -o into a folder that then moves together
// with the book's pictures.
TEST(BookRoundTrip, ADumpBuildsTheSameBookWhereverItIsSaved) {
    TempBookDir root;
    const auto book = root.Path() / "work" / "book";
    ASSERT_EQ(RunTool({"synth", book.string(), "--chapters", "2"}).ExitCode, 0);
    const auto original = FilesOf(book);
    ASSERT_TRUE(original.contains("cover.jpg"));

    const auto printed = RunTool({"dump", book.string()});
    ASSERT_EQ(printed.ExitCode, 0) << printed.Err;
    TempBookDir elsewhere;
    const auto manifest = elsewhere.Write("book.json", printed.Out);
    const auto built = root.Path() / "built";
    const auto fromPrinted = RunTool({"build", manifest.string(), built.string()});
    ASSERT_EQ(fromPrinted.ExitCode, 0) << fromPrinted.Err;
    EXPECT_TRUE(fromPrinted.Out.starts_with("wrote " + built.string() + ": BOOK.DEF, "))
        << fromPrinted.Out;
    EXPECT_EQ(FilesOf(built), original);

    std::filesystem::create_directories(root.Path() / "work" / "manifests");
    const auto written = RunTool(
        {"dump", book.string(), "-o", (root.Path() / "work" / "manifests" / "book.json").string()});
    ASSERT_EQ(written.ExitCode, 0) << written.Err;
    EXPECT_EQ(written.Out, "");
    std::filesystem::rename(root.Path() / "work", root.Path() / "moved");
    const auto moved = root.Path() / "moved" / "manifests" / "book.json";
    EXPECT_EQ(json::parse(TempBookDir::ReadFile(moved))["pictures"]["cover.jpg"],
              "../book/cover.jpg");
    const auto rebuilt = root.Path() / "rebuilt";
    const auto fromWritten = RunTool({"build", moved.string(), rebuilt.string()});
    ASSERT_EQ(fromWritten.ExitCode, 0) << fromWritten.Err;
    EXPECT_EQ(FilesOf(rebuilt), original);

    // A picture that is not there is named, with the full path where it was looked for.
    std::filesystem::remove(root.Path() / "moved" / "book" / "figure.jpg");
    const auto missing = RunTool({"build", moved.string(), (root.Path() / "not-built").string()});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_NE(missing.Err.find("picture \"figure.jpg\": cannot read \"../book/figure.jpg\": there "
                               "is no such file at \"" +
                               (root.Path() / "moved" / "book" / "figure.jpg").string() + "\""),
              std::string::npos)
        << missing.Err;
    EXPECT_FALSE(std::filesystem::exists(root.Path() / "not-built"));
    // A --pictures folder is searched by the picture's file name, whatever path the manifest has.
    elsewhere.Write("figure.jpg", original.at("figure.jpg"));
    const auto found = root.Path() / "found";
    const auto fromFolder =
        RunTool({"build", moved.string(), found.string(), "--pictures", elsewhere.Path().string()});
    ASSERT_EQ(fromFolder.ExitCode, 0) << fromFolder.Err;
    EXPECT_EQ(FilesOf(found), original);
}

} // namespace
} // namespace quillara
