#include "core/book/authors_notes.h"
#include "core/book/book_files.h"
#include "core/book/book_records.h"
#include "core/book/book_strings.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/term_set.h"
#include "core/book/topic_pages.h"
#include "core/io/book_errors.h"
#include "core/quiz/question_set.h"
#include "temp_book_dir.h"
#include "core/text/utf8.h"
#include "core/text/windows1252.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillara {
namespace {

using testing::TempBookDir;

TEST(BookFileLookup, ExactNameFirstThenAnyCaseInsideTheBookOnly) {
    TempBookDir dir;
    dir.Write("AUTHORS", "x");
    dir.Write("Pictures/Chart.JPG", "y");
    dir.Write("cover.jpg", "lower");
    dir.Write("COVER.JPG", "upper");
    EXPECT_EQ(FindBookFile(dir.Path(), "AUTHORS."), dir.Path() / "AUTHORS");
    EXPECT_EQ(FindBookFile(dir.Path(), "authors"), dir.Path() / "AUTHORS");
    EXPECT_EQ(FindBookFile(dir.Path(), "pictures\\chart.jpg"), dir.Path() / "Pictures/Chart.JPG");
    EXPECT_EQ(FindBookFile(dir.Path(), "cover.jpg"), dir.Path() / "cover.jpg");
    EXPECT_EQ(FindBookFile(dir.Path(), "COVER.JPG"), dir.Path() / "COVER.JPG");
    EXPECT_FALSE(FindBookFile(dir.Path(), "missing"));
    EXPECT_FALSE(FindBookFile(dir.Path(), "Pictures")); // a folder is not a book file
    EXPECT_FALSE(FindBookFile(dir.Path(), "../" + dir.Path().filename().string() + "/AUTHORS"));
    EXPECT_FALSE(FindBookFile(dir.Path(), "Pictures/../AUTHORS"));
    EXPECT_FALSE(FindBookFile(dir.Path(), (dir.Path() / "AUTHORS").string()));
    EXPECT_FALSE(FindBookFile(dir.Path(), "C:\\AUTHORS"));
    EXPECT_FALSE(FindBookFile(dir.Path(), ""));
    EXPECT_FALSE(FindBookFile(dir.Path(), std::string("AUTHORS\0.txt", 12)));
    EXPECT_THROW(ReadBookFile(dir.Path(), "nothing", MaxAuthorsNotesSize), TFileOpenError);
}

TEST(BookFileLookup, SymbolicLinksCountOnlyWhenTheyStayInsideTheBook) {
    TempBookDir outside;
    outside.Write("secret", WriteAuthorsNotes("not the book's"));
    outside.Write("TOPICS.1", WriteTopicFile({{"Summary", "elsewhere"}}));
    TempBookDir dir;
    dir.Write("AUTHORS.TXT", WriteAuthorsNotes("the book's"));
    dir.Write("Pictures/chart.jpg", "y");
    namespace fs = std::filesystem;
    fs::create_symlink("AUTHORS.TXT", dir.Path() / "Inside");
    fs::create_symlink("Pictures", dir.Path() / "Figures");
    fs::create_symlink(outside.Path() / "secret", dir.Path() / "AUTHORS");
    fs::create_symlink(outside.Path() / "TOPICS.1", dir.Path() / "TOPICS.1");
    fs::create_symlink(outside.Path(), dir.Path() / "Away");
    fs::create_symlink("../" + outside.Path().filename().string() + "/secret",
                       dir.Path() / "relative");

    EXPECT_EQ(FindBookFile(dir.Path(), "inside"), dir.Path() / "Inside");
    EXPECT_EQ(FindBookFile(dir.Path(), "figures/CHART.JPG"), dir.Path() / "Figures/chart.jpg");
    for (const char* name : {"AUTHORS.", "TOPICS.1", "Away/secret", "away\\TOPICS.1", "relative"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(FindBookFile(dir.Path(), name));
    }
    // Refused like a missing file: nothing of it is read.
    EXPECT_THROW(LoadAuthorsNotes(dir.Path()), TFileOpenError);
    EXPECT_EQ(FindTopicText(dir.Path(), 1, "Summary"), "");

    // A book reached through a link of its own is still that book.
    TempBookDir links;
    fs::create_symlink(dir.Path(), links.Path() / "book");
    EXPECT_EQ(ReadBookFile(links.Path() / "book", "Inside", MaxAuthorsNotesSize),
              WriteAuthorsNotes("the book's"));
}

// Every reader of a book file refuses a FIFO, a device or a folder at once: a FIFO opened to be
// read would hold the program until something wrote to it, /dev/zero would never end. An alarm
// ends the test program rather than let a regression hang it.
TEST(BookFileLookup, OnlyRegularFilesAreReadAndAPipeIsNeverWaitedOn) {
    namespace fs = std::filesystem;
    TempBookDir dir;
    for (const char* name : {"AUTHORS", "GLOSSARY.DEF", "BOOK.DEF", "QUESTION.1", "pipe"})
        ASSERT_EQ(::mkfifo((dir.Path() / name).c_str(), 0600), 0);
    fs::create_symlink("pipe", dir.Path() / "WQUILLARA.INI");
    fs::create_directory(dir.Path() / "TOPICS.1");
    TGlossary glossary;
    TTest quiz;

    ::alarm(20);
    EXPECT_THROW(LoadAuthorsNotes(dir.Path()), TFileOpenError);
    EXPECT_THROW(glossary.LoadGlossary(dir.Path(), false), TFileOpenError);
    EXPECT_THROW(LoadBookProperties(dir.Path(), TRegionalSettings{}), TFileOpenError);
    EXPECT_THROW(ReadBookFile(dir.Path(), "TOPICS.1", MaxTopicFileSize), TFileOpenError);
    EXPECT_THROW(ReadBookFile(dir.Path(), "WQUILLARA.INI", 1 << 20), TFileOpenError);
    // The quiz takes what is no bank for a missing one.
    quiz.LoadChapter(dir.Path(), 1, MakeByteSet({qkTrueFalse, qkMultipleChoice}));
    EXPECT_EQ(quiz.Count(), 0u);
    for (const fs::path& path : {dir.Path() / "pipe", dir.Path() / "WQUILLARA.INI",
                                 fs::path("/dev/zero"), fs::path("/dev/null"), dir.Path()}) {
        SCOPED_TRACE(path.string());
        EXPECT_THROW(ReadWholeFile(path, MaxTopicFileSize), TFileOpenError);
        EXPECT_THROW(TBookFileStream(path, MaxQuestionBankSize), TFileOpenError);
    }
    ::alarm(0);
}

TEST(BookFileLookup, FilesLargerThanTheirKindAllowsAreRefusedUnread) {
    // Sparse files: reading any of them whole would take gigabytes.
    TempBookDir dir;
    TGlossary glossary;
    const TRegionalSettings regional;
    struct Case {
        const char* Name;
        std::uint64_t Limit;
        std::function<void()> Load;
    };
    const Case cases[] = {
        {"AUTHORS", MaxAuthorsNotesSize, [&] { LoadAuthorsNotes(dir.Path()); }},
        {"GLOSSARY.DEF", MaxGlossarySize, [&] { glossary.LoadGlossary(dir.Path(), false); }},
        {"BOOK.DEF", MaxBookDefinitionSize, [&] { LoadBookProperties(dir.Path(), regional); }},
        {"QUESTION.1", MaxQuestionBankSize,
         [&] { ReadBookFile(dir.Path(), "QUESTION.1", MaxQuestionBankSize); }},
        {"QUESTION.2", MaxQuestionBankSize,
         [&] { TTest().LoadChapter(dir.Path(), 2, MakeByteSet({qkTrueFalse})); }},
        {"QUESTION.3", MaxQuestionBankSize,
         [&] { TBookFileStream(dir.Path() / "QUESTION.3", MaxQuestionBankSize); }},
        {"TOPICS.1", MaxTopicFileSize,
         [&] { ReadBookFile(dir.Path(), "TOPICS.1", MaxTopicFileSize); }},
        {"CHAP1.JPG", MaxPictureFileSize,
         [&] { ReadBookFile(dir.Path(), "CHAP1.JPG", MaxPictureFileSize); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        dir.WriteSparse(c.Name, c.Limit + 1);
        try {
            c.Load();
            ADD_FAILURE() << "read";
        } catch (const TFileTooLargeError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Name), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(std::to_string(c.Limit + 1) +
                                                 " bytes, more than the " +
                                                 std::to_string(c.Limit) + " bytes"),
                      std::string::npos)
                << e.what();
        }
    }
    // A topic file too large ends the look-up quietly, like any unreadable one.
    EXPECT_EQ(FindTopicText(dir.Path(), 1, "Summary"), "");

    // The largest author's notes the layout allows are read; one byte more is not.
    dir.Write("AUTHORS", WriteAuthorsNotes(std::string(LongStringLimit, 'x')));
    EXPECT_EQ(LoadAuthorsNotes(dir.Path()).size(), LongStringLimit);
    dir.Write("AUTHORS", WriteAuthorsNotes(std::string(LongStringLimit, 'x')) + " ");
    EXPECT_THROW(LoadAuthorsNotes(dir.Path()), TFileTooLargeError);
}

// A reader moved to another place reads on from there, within the piece held or beyond it.
TEST(BookFileLookup, AStreamReadsOnFromWhereItIsMoved) {
    TempBookDir dir;
    std::string bytes;
    for (int i = 0; bytes.size() < 200000; ++i)
        bytes += std::to_string(i) + ",";
    TBookFileStream in(dir.Write("GLOSSARY.DEF", bytes), MaxGlossarySize);
    char first[10] = {};
    ASSERT_TRUE(in.read(first, sizeof first));
    for (const std::size_t place : {std::size_t{5}, std::size_t{70000}, std::size_t{0},
                                    std::size_t{131072}, bytes.size() - 8}) {
        SCOPED_TRACE(place);
        ASSERT_TRUE(in.seekg(static_cast<std::streamoff>(place)));
        char read[8] = {};
        ASSERT_TRUE(in.read(read, sizeof read));
        EXPECT_EQ(std::string(read, sizeof read), bytes.substr(place, sizeof read));
        EXPECT_EQ(static_cast<std::size_t>(in.tellg()), place + sizeof read);
    }
    // Past the end, a read finds nothing.
    ASSERT_TRUE(in.seekg(static_cast<std::streamoff>(bytes.size())));
    EXPECT_EQ(in.get(), std::char_traits<char>::eof());
}

TEST(TopicPages, LastExactKeyWinsAndFailuresEndQuietly) {
    TempBookDir dir;
    dir.Write("TOPICS.1", WriteTopicFile({{"Summary", "<p>first</p>"},
                                          {"summary", "<p>other case</p>"},
                                          {"Key Ideas   ", "<p>ideas</p>"},
                                          {"Summary", "<p>second</p>"}}));
    EXPECT_EQ(FindTopicText(dir.Path(), 1, "Summary"), "<p>second</p>");
    EXPECT_EQ(FindTopicText(dir.Path(), 1, "Key Ideas"), "<p>ideas</p>");
    EXPECT_EQ(FindTopicText(dir.Path(), 1, "SUMMARY"), "");
    EXPECT_EQ(FindTopicText(dir.Path(), 2, "Summary"), "");

    // A damaged file gives what was found before the damage.
    const std::string whole = WriteTopicFile({{"Summary", "found"}, {"Summary", "cut short"}});
    dir.Write("topics.3", whole.substr(0, whole.size() - 3));
    EXPECT_EQ(FindTopicText(dir.Path(), 3, "Summary"), "found");

    TByteWriter negative;
    negative.WriteInt16(-1);
    dir.Write("TOPICS.4", negative.Bytes());
    EXPECT_EQ(FindTopicText(dir.Path(), 4, "Summary"), "");
}

TEST(TopicPages, ReaderReportsAFileThatEndsEarly) {
    TByteWriter out;
    out.WriteInt16(32767);
    WriteShortString(out, "Summary");
    TByteReader in(out.Bytes(), "TOPICS.9");
    EXPECT_THROW(ReadTopicFile(in), TTruncatedFileError);
}

std::vector<TDefinition> SampleGlossary() {
    return {{"12", "A yellow fruit", "banana", "1,3"},
            {"4, 45", "A red fruit", "Apple", "13"},
            {"", "Also a fruit", "apple", ""},
            {"7", "Unit of life", " Cell", "ch 2 and 11"}};
}

TEST(Glossary, LoadsInFileOrderOrSortedStably) {
    TempBookDir dir;
    dir.Write("Glossary.def", WriteGlossary(SampleGlossary()));
    TGlossary glossary;
    glossary.LoadGlossary(dir.Path(), false);
    ASSERT_EQ(glossary.Entries().size(), 4u);
    EXPECT_EQ(glossary.Entries()[0].Term, "banana");
    EXPECT_EQ(glossary.Entries()[1].PageRef, "4, 45");

    glossary.LoadGlossary(dir.Path(), true);
    std::vector<std::string> terms;
    for (const auto& e : glossary.Entries())
        terms.emplace_back(e.Term);
    EXPECT_EQ(terms, (std::vector<std::string>{" Cell", "Apple", "apple", "banana"}));

    TGlossary inserted;
    for (auto& e : SampleGlossary())
        inserted.AddSorted(e);
    for (std::size_t i = 0; i < terms.size(); ++i)
        EXPECT_EQ(inserted.Entries()[i].Term, terms[i]);
}

TEST(Glossary, FindTermInChapterAndTrimmedTerm) {
    const TGlossary glossary(SampleGlossary());
    EXPECT_EQ(glossary.FindTerm("APPLE"), &glossary.Entries()[1]);
    EXPECT_EQ(glossary.FindTerm("apple "), nullptr);
    EXPECT_EQ(glossary.FindTerm("cell"), nullptr);
    EXPECT_EQ(glossary.FindTerm(" cell"), &glossary.Entries()[3]);

    EXPECT_TRUE(TGlossary::InChapter(glossary.Entries()[0], 1));
    EXPECT_TRUE(TGlossary::InChapter(glossary.Entries()[0], 3));
    EXPECT_FALSE(TGlossary::InChapter(glossary.Entries()[0], 13));
    EXPECT_TRUE(TGlossary::InChapter(glossary.Entries()[1], 13));
    EXPECT_FALSE(TGlossary::InChapter(glossary.Entries()[1], 1));
    EXPECT_FALSE(TGlossary::InChapter(glossary.Entries()[2], 0));
    EXPECT_TRUE(TGlossary::InChapter(glossary.Entries()[3], 11));
    EXPECT_TRUE(TGlossary::InChapter({"", "", "x", "05;5"}, 5));
    EXPECT_FALSE(TGlossary::InChapter({"", "", "x", "05"}, 5));
    EXPECT_EQ(TGlossary::TrimmedTerm(glossary.Entries()[3]), "Cell");
}

// Entries view texts the glossary keeps: texts given to it outlive their source, a file small
// enough to be stored inside its string is kept where the entries view it, and a moved glossary
// takes its texts along.
TEST(Glossary, EntriesOutliveTheTextsTheyWereMadeFrom) {
    TGlossary given;
    for (int i = 0; i < 3; ++i)
        given.AddSorted({std::to_string(i) + std::string(20, 'p'), "Meaning " + std::to_string(i),
                         "Term " + std::to_string(2 - i), std::to_string(i + 1)});
    TGlossary small;
    small.Read(WriteGlossary({{"", "", "ab", ""}}), "GLOSSARY.DEF", false);
    ASSERT_EQ(small.Entries().size(), 1u);

    std::vector<TGlossary> moved;
    moved.push_back(std::move(given));
    moved.push_back(std::move(small));
    const auto& entries = moved[0].Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Term, "Term 0");
    EXPECT_EQ(entries[0].PageRef, "2" + std::string(20, 'p'));
    EXPECT_EQ(entries[2].DefinitionText, "Meaning 0");
    EXPECT_EQ(entries[2].ChapterRef, "1");
    EXPECT_EQ(moved[1].Entries()[0].Term, "ab");
}

TEST(Glossary, TermsCompareWithOnlyTheLettersAToZFolded) {
    const struct {
        std::string_view a, b;
        bool same, before;
    } cases[] = {
        {"cell", "CELL", true, false},
        {"Cell", "cell ", false, true},           // a beginning comes first
        {"\xE9t\xE9", "\xC9T\xC9", false, false}, // accented letters keep their case
        {"zeta", "[x]", false, true},             // compared as ZETA: 'Z' is below '['
        {"a_b", "A_B", true, false},
        {"", "", true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SameTerm(c.a, c.b), c.same) << c.a << " / " << c.b;
        EXPECT_EQ(SameTerm(c.a, c.b), UpperAscii(c.a) == UpperAscii(c.b)) << c.a;
        EXPECT_EQ(TermBefore(c.a, c.b), c.before) << c.a << " / " << c.b;
        EXPECT_EQ(TermBefore(c.a, c.b), UpperAscii(c.a) < UpperAscii(c.b)) << c.a;
        EXPECT_EQ(TTermSet({c.a}).contains(c.b), c.same) << "a set finds " << c.b << " by " << c.a;
    }
}

TEST(Glossary, TermSetFindsEveryTermOfALargeGlossaryAndNothingElse) {
    // Enough terms that many share the first slot they would take.
    std::vector<std::string> stored;
    for (int i = 0; i < 5000; ++i)
        stored.push_back((i % 2 ? "term " : "Term ") + std::to_string(i));
    stored.push_back("TERM 7"); // a second spelling of a term: one key
    stored.push_back("");
    const std::vector<std::string_view> views(stored.begin(), stored.end());
    const TTermSet set(views);
    for (int i = 0; i < 5000; ++i) {
        EXPECT_TRUE(set.contains("TERM " + std::to_string(i))) << i;
        EXPECT_FALSE(set.contains("term " + std::to_string(i) + " ")) << i;
        EXPECT_FALSE(set.contains("term " + std::to_string(i + 5000))) << i;
    }
    EXPECT_TRUE(set.contains(""));
    EXPECT_FALSE(TTermSet({}).contains(""));
}

TEST(Glossary, DamagedFileRaisesAndLeavesTheGlossaryAsItWas) {
    TempBookDir dir;
    TGlossary glossary;
    EXPECT_THROW(glossary.LoadGlossary(dir.Path(), false), TFileOpenError);
    glossary = TGlossary(SampleGlossary());
    TByteWriter out;
    out.WriteUInt16(65535);
    WriteLongString(out, "1");
    dir.Write("GLOSSARY.DEF", out.Bytes());
    EXPECT_THROW(glossary.LoadGlossary(dir.Path(), false), TTruncatedFileError);
    EXPECT_EQ(glossary.Entries().size(), 4u);
    dir.Write("GLOSSARY.DEF", std::string(2, '\0'));
    glossary.LoadGlossary(dir.Path(), false);
    EXPECT_TRUE(glossary.Entries().empty());
}

TEST(AuthorsNotes, ReadsTheNotesWithoutTheirFinalNulAndBlanks) {
    TempBookDir dir;
    TByteWriter out;
    out.WriteUInt16(9);
    out.WriteBytes(std::string("Notes  \0", 8) + " ");
    dir.Write("AUTHORS", out.Bytes());
    EXPECT_EQ(LoadAuthorsNotes(dir.Path()), "Notes");
    dir.Write("AUTHORS", WriteAuthorsNotes("Line one\r\nLine two"));
    EXPECT_EQ(LoadAuthorsNotes(dir.Path()), "Line one\r\nLine two");
}

TEST(Windows1252, ConvertsEveryByteToUtf8AndBack) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
    EXPECT_EQ(Windows1252ToUtf8("\x80 caf\xE9"), "\xE2\x82\xAC caf\xC3\xA9");
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x82\xAC \xE4\xB8\xAD"), "\x80 ?");
}

TEST(Utf8, WalksEveryTextOneCharacterOrOneBadByteAtATime) {
    const struct {
        const char* Text;
        std::vector<char32_t> Read;
    } cases[] = {
        {"a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", {'a', 0xE9, 0x20AC, 0x1F600}},
        {"\xC3", {0xFFFD}}, // cut short
        {"\xE2\x82"
         "A",
         {0xFFFD, 0xFFFD, 'A'}},        // a continuation missing
        {"\x80\xBF", {0xFFFD, 0xFFFD}}, // continuations alone
        {"\xC0\xAF\xE0\x80\xAF", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}}, // overlong
        {"\xED\xA0\x80", {0xFFFD, 0xFFFD, 0xFFFD}},                         // a surrogate
        {"\xF4\x90\x80\x80\xFF", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}}, // past U+10FFFF
    };
    for (const auto& c : cases) {
        const std::string_view text = c.Text;
        std::vector<char32_t> read;
        for (std::size_t pos = 0; pos < text.size();)
            read.push_back(NextCodePoint(text, pos));
        EXPECT_EQ(read, c.Read) << c.Text;
    }
}

} // namespace
} // namespace quillara
