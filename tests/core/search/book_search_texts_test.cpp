#include "core/book/glossary.h"
#include "core/book/topic_pages.h"
#include "core/search/book_search_build.h"
#include "core/search/page_text.h"
#include "core/search/search_fold.h"
#include "temp_book_dir.h"

#include <gtest/gtest.h>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace quillara {
namespace {

using testing::TempBookDir;

const char* const Queries[] = {"cell",   "cell wall", "the cell", "ete",  "caf",  "lait",
                               "r&d",    "wall.",     ", the",    "e",    "x",    "meaning of",
                               "of 4",   "(note)",    "\xC3\xA9t\xC3\xA9", "end"};

// Hits of every query, from the first to the last, as the window shows them: where each lies,
// its title, its snippet and its place among its document's matches.
std::vector<std::string> Shown(const TBookSearchIndex& index) {
    std::vector<std::string> shown;
    for (const char* query : Queries) {
        const TSearchResult result = index.Search(query, 100000);
        shown.push_back(std::string(query) + ": " + std::to_string(result.Total));
        for (std::size_t i = 0; i < result.Hits.size(); i += i + 1 < result.Hits.size() ? 29 : 1) {
            const TSearchHit& hit = result.Hits[i];
            const TTextRange range = index.HitRange(hit);
            const TSearchSnippet snippet = index.Snippet(hit, 12);
            shown.push_back(std::to_string(hit.Document) + " " + index.Document(hit.Document).Title +
                            " " + std::to_string(range.Begin) + "-" + std::to_string(range.End) +
                            " #" + std::to_string(index.OrdinalInDocument(hit)) + " " +
                            snippet.Before + "[" + snippet.Match + "]" + snippet.After);
        }
    }
    return shown;
}

struct BookSearchTexts : ::testing::Test {
    BookSearchTexts() {
        std::string longPage;
        for (int i = 0; i < 1000; ++i)
            longPage += "<p>The cell wall, " + std::to_string(i) + " (note) caf&eacute;.</p>";
        dir.Write("TOPICS.1", WriteTopicFile({{"Summary", "<p>The <b>cell</b> wall.</p>"},
                                              {"Key Ideas", longPage},
                                              {"Summary", "<p>Cells &eacute;t&eacute; R&amp;D</p>"}}));
        dir.Write("topics.2", WriteTopicFile({{"Summary", "<p>the cell, the end</p>"}}));
        TGlossary glossary;
        for (int i = 0; i < 300; ++i)
            glossary.Add({"", "Meaning\r\nof " + std::to_string(i) + ", the cell.",
                          "Term " + std::to_string(i), "1"});
        // A term that reads otherwise than it is stored, and a definition longer than a piece
        // of the file read at a time.
        glossary.Add({"", "Coffee, the cell of mornings.", "Caf\xE9  au lait", "2"});
        std::string longDefinition;
        while (longDefinition.size() < 30000)
            longDefinition += "wall of the cell end ";
        glossary.Add({"", longDefinition, "Long", "1"});
        glossary.Add({"", "The last wall.", "Last", "2"});
        dir.Write("GLOSSARY.DEF", WriteGlossary(glossary.Entries()));
        source = {dir.Path(), 2, {"Summary", "Key Ideas"}, true};
    }

    std::unique_ptr<TBookSearchIndex> Build() const {
        return BuildBookSearchIndex(source, [](int, int) { return true; });
    }

    // The same texts read as the book holds them, kept by the index.
    std::unique_ptr<TBookSearchIndex> KeepingTexts() const {
        auto index = std::make_unique<TBookSearchIndex>();
        for (int chapter = 1; chapter <= 2; ++chapter) {
            const auto pages = FindTopicTexts(dir.Path(), chapter, source.TopicTitles);
            for (std::size_t i = 0; i < pages.size(); ++i)
                if (!pages[i].empty())
                    index->Add({TSearchPlace::TopicPage, chapter, source.TopicTitles[i], 0},
                               PageText(pages[i]));
        }
        TGlossary glossary;
        glossary.LoadGlossary(dir.Path(), false);
        for (std::size_t entry = 0; entry < glossary.Entries().size(); ++entry) {
            const TDefinition& definition = glossary.Entries()[entry];
            const std::string term(definition.Term);
            index->Add({TSearchPlace::GlossaryTerm, 0, term, entry}, PlainText(definition.Term));
            index->Add({TSearchPlace::GlossaryDefinition, 0, term, entry},
                       PlainText(definition.DefinitionText));
        }
        index->Finish();
        return index;
    }

    TempBookDir dir;
    TBookSearchSource source;
};

TEST_F(BookSearchTexts, TextsReadAgainShowWhatKeptTextsShow) {
    const auto built = Build();
    const auto kept = KeepingTexts();
    ASSERT_EQ(built->DocumentCount(), kept->DocumentCount());
    for (std::uint32_t d = 0; d < built->DocumentCount(); ++d) {
        ASSERT_EQ(built->Text(d), kept->Text(d)) << d;
        EXPECT_EQ(built->Document(d).Title, kept->Document(d).Title) << d;
    }
    EXPECT_EQ(built->Document(3 + 2 * 300).Title, "Caf\xE9  au lait");
    EXPECT_EQ(Shown(*built), Shown(*kept));
    // The index holds no text: less than the texts it indexes.
    EXPECT_GT(built->TextBytes(), 60000u);
    EXPECT_LT(built->MemoryBytes(), built->TextBytes() / 2);
}

// A file changed or gone after the build: its hits are still listed (the search reads no
// text), but show no text and no place in it, and nothing is read from where the old text lay.
TEST_F(BookSearchTexts, AFileChangedOrGoneSinceTheBuildShowsNothingOfIt) {
    const struct Case {
        const char* Name;
        std::uint32_t Document;
        std::function<void(const TempBookDir&)> Change;
    } cases[] = {
        {"page rewritten shorter", 1,
         [](const TempBookDir& dir) {
             dir.Write("TOPICS.1", WriteTopicFile({{"Key Ideas", "<p>cell</p>"}}));
         }},
        // saved later with one letter changed
        {"page rewritten, same size", 0,
         [](const TempBookDir& dir) {
             std::string bytes = dir.Read("TOPICS.1");
             bytes[bytes.find("Cells")] = 'B';
             const auto written = std::filesystem::last_write_time(dir.Write("TOPICS.1", bytes));
             std::filesystem::last_write_time(dir.Path() / "TOPICS.1",
                                              written + std::chrono::seconds(1));
         }},
        {"topic file removed", 2,
         [](const TempBookDir& dir) { std::filesystem::remove(dir.Path() / "topics.2"); }},
        {"glossary cut short", 4 + 2 * 301,
         [](const TempBookDir& dir) {
             const std::string bytes = dir.Read("GLOSSARY.DEF");
             dir.Write("GLOSSARY.DEF", bytes.substr(0, bytes.size() / 2));
         }},
        {"glossary replaced by a folder", 4,
         [](const TempBookDir& dir) {
             std::filesystem::remove(dir.Path() / "GLOSSARY.DEF");
             std::filesystem::create_directory(dir.Path() / "GLOSSARY.DEF");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TempBookDir book;
        for (const char* name : {"TOPICS.1", "topics.2", "GLOSSARY.DEF"})
            book.Write(name, dir.Read(name));
        source.Directory = book.Path();
        const auto index = Build();
        const TSearchResult before = index->Search("cell", 100000);
        std::vector<TSearchHit> hits;
        for (const TSearchHit& hit : before.Hits)
            if (hit.Document == c.Document) hits.push_back(hit);
        ASSERT_FALSE(hits.empty());
        EXPECT_FALSE(index->Snippet(hits.front(), 12).Match.empty());

        c.Change(book);
        EXPECT_EQ(index->Search("cell", 100000).Total, before.Total);
        EXPECT_EQ(index->Text(c.Document), "");
        for (const TSearchHit& hit : hits) {
            const TSearchSnippet snippet = index->Snippet(hit, 12);
            EXPECT_EQ(snippet.Before + snippet.Match + snippet.After, "");
            EXPECT_EQ(index->HitRange(hit), TTextRange{});
            EXPECT_EQ(index->OrdinalInDocument(hit), 0u);
        }
        // Another file's documents show as before.
        const std::uint32_t other = c.Document < 3 ? 4 : 0;
        EXPECT_FALSE(index->Text(other).empty());
    }
}

// A source that gives back another text than the one indexed, as a file changed in a way its
// size and times do not show would.
class TChangedTexts : public TSearchTexts {
public:
    explicit TChangedTexts(std::string text) : Changed(std::move(text)) {}
    std::optional<std::string> Text(std::uint32_t, const TSearchDocument&) const override {
        return Changed;
    }
    bool Unchanged(std::uint32_t, const TSearchDocument&) const override { return true; }
    std::size_t MemoryBytes() const override { return 0; }

private:
    std::string Changed;
};

TEST(BookSearchIndex, ATextReadAgainOtherThanIndexedShowsNothingOutsideIt) {
    const std::string indexed = "alpha beta, gamma delta epsilon";
    // Another number of tokens tells that the text has changed; the same number may not.
    enum TShows { Nothing, Anything, Match };
    const struct Case {
        std::string Changed;
        TShows Shows;
    } cases[] = {
        {"", Nothing},
        {"alpha beta", Nothing},                           // fewer tokens
        {"alpha beta, gamma delta epsilon zeta", Nothing}, // more tokens
        {"a b, c d e", Anything},                          // as many, each shorter
        {"\xFF \xFE, \xC3 \xE2\x80 \xF0", Anything},        // as many, broken UTF-8
        {"ALPHA BETA, GAMMA DELTA EPSILON", Match},        // the same but for case
    };
    for (const Case& c : cases) {
        TBookSearchIndex index(std::make_unique<TChangedTexts>(c.Changed));
        index.Add({}, indexed);
        index.Finish();
        for (const char* query : {"epsilon", "delta eps", "beta, g", ","}) {
            const TSearchResult result = index.Search(query, 10);
            ASSERT_EQ(result.Total, 1u) << query;
            const TSearchHit& hit = result.Hits.front();
            const TTextRange range = index.HitRange(hit);
            const TSearchSnippet snippet = index.Snippet(hit, 5);
            EXPECT_LE(range.End, c.Changed.size()) << c.Changed << " / " << query;
            EXPECT_LE(range.Begin, range.End) << c.Changed << " / " << query;
            EXPECT_EQ(snippet.Match, c.Changed.substr(range.Begin, range.End - range.Begin));
            if (c.Shows == Nothing) EXPECT_EQ(snippet.Match, "") << c.Changed << " / " << query;
            if (c.Shows == Match)
                EXPECT_EQ(FoldForSearch(snippet.Match), FoldForSearch(query)) << query;
            if (c.Shows != Anything) EXPECT_EQ(index.OrdinalInDocument(hit), 0u);
        }
    }
}

} // namespace
} // namespace quillara
