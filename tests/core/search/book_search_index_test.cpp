#include "core/search/book_search_index.h"
#include "core/search/find_text.h"
#include "core/search/page_text.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using quillara::FindText;
using quillara::PageText;
using quillara::PlainText;
using quillara::TBookSearchIndex;
using quillara::TSearchDocument;
using quillara::TSearchHit;
using quillara::TSearchPlace;
using quillara::TTextRange;

namespace {

// Where a hit lies, as a reader would point at it.
struct Place {
    std::uint32_t Document;
    std::string Text;
    bool operator==(const Place&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Place& place) {
    return out << place.Document << ":" << place.Text;
}

std::vector<Place> Places(const TBookSearchIndex& index, std::string_view query,
                          std::size_t limit = 100) {
    std::vector<Place> places;
    for (const TSearchHit& hit : index.Search(query, limit).Hits) {
        const TTextRange range = index.HitRange(hit);
        places.push_back(
            {hit.Document,
             std::string(index.Text(hit.Document).substr(range.Begin, range.End - range.Begin))});
    }
    return places;
}

// Two chapters of pages and a glossary of two entries, added as the book build adds them.
struct SmallBook {
    SmallBook() {
        const auto page = [&](int chapter, const char* title, const char* html) {
            index.Add({TSearchPlace::TopicPage, chapter, title, 0}, PageText(html));
        };
        page(1, "Summary",
             "<p>The <b>cell</b> wall is thick.</p><p>Mito<i>chon</i>dria make energy.</p>");
        page(1, "Key Ideas",
             "<p>A caf&eacute; sells cr&egrave;me br&ucirc;l&eacute;e; R&amp;D costs.</p>");
        page(2, "Summary", "<p>Cells divide. The CELL cycle.</p><p>Na\xEFve models fail.</p>");
        const auto entry = [&](std::size_t n, const char* term, const char* definition) {
            index.Add({TSearchPlace::GlossaryTerm, 0, term, n}, PlainText(term));
            index.Add({TSearchPlace::GlossaryDefinition, 0, term, n}, PlainText(definition));
        };
        entry(0, "Zymurgy", "The study of fermentation in brewing.");
        entry(1, "Cell wall", "A rigid layer\r\noutside the cell membrane.");
        index.Finish();
    }
    TBookSearchIndex index;
};

struct SearchCase {
    const char* Query;
    std::vector<Place> Found;
};

TEST(BookSearchIndex, FindsTextAsTheReaderSeesIt) {
    const SmallBook book;
    const SearchCase cases[] = {
        // a phrase across markup, and a word split by it
        {"cell wall", {{0, "cell wall"}, {5, "Cell wall"}}},
        {"mitochondria", {{0, "Mitochondria"}}},
        // entities, matched from plain and accented queries alike
        {"cafe", {{1, "caf\xC3\xA9"}}},
        {"CR\xC3\x88ME BRULEE",
         {{1, "cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
              "e"}}},
        {"r&d", {{1, "R&D"}}},
        // a word only the glossary has, in a term and in a definition
        {"zymurgy", {{3, "Zymurgy"}}},
        {"fermentation in", {{4, "fermentation in"}}},
        {"layer outside", {{6, "layer outside"}}},
        // accents either way, and inside words
        {"naive", {{2, "Na\xC3\xAFve"}}},
        {"ell", {{0, "ell"}, {1, "ell"}, {2, "ell"}, {2, "ELL"}, {5, "ell"}, {6, "ell"}}},
        // signs alone are read through
        {";", {{1, ";"}}},
        {"absent words", {}},
        {"   ", {}},
    };
    for (const SearchCase& c : cases)
        EXPECT_EQ(Places(book.index, c.Query), c.Found) << c.Query;
}

TEST(BookSearchIndex, ListsTheFirstHitsAndCountsThemAll) {
    const SmallBook book;
    const auto result = book.index.Search("cell", 2);
    EXPECT_EQ(result.Total, 5u);
    ASSERT_EQ(result.Hits.size(), 2u);
    EXPECT_EQ(result.Hits[0].Document, 0u);
    EXPECT_EQ(result.Hits[1].Document, 2u);
    EXPECT_EQ(book.index.Search("cell wall", 1).Total, 2u);
    EXPECT_EQ(book.index.Search(".", 0).Total, 8u);
}

TEST(BookSearchIndex, SnippetsCutOnWholeWords) {
    TBookSearchIndex index;
    index.Add({}, "one two three four five six seven eight nine");
    index.Add({}, "\xC3\xA9t\xC3\xA9 short");
    index.Finish();
    const auto hit = index.Search("five", 1).Hits.at(0);
    const auto wide = index.Snippet(hit, 100);
    EXPECT_EQ(wide.Before, "one two three four ");
    EXPECT_EQ(wide.Match, "five");
    EXPECT_EQ(wide.After, " six seven eight nine");
    const auto narrow = index.Snippet(hit, 7);
    EXPECT_EQ(narrow.Before, "\xE2\x80\xA6"
                             "four ");
    EXPECT_EQ(narrow.After, " six\xE2\x80\xA6");

    const auto accented = index.Snippet(index.Search("ete", 1).Hits.at(0), 3);
    EXPECT_EQ(accented.Before, "");
    EXPECT_EQ(accented.Match, "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(accented.After, "\xE2\x80\xA6");
}

// Every search of the index must find exactly what FindText finds in each document, whatever
// word the index anchors on: random texts full of accents, signs and repeats, random queries
// cut from them.
TEST(BookSearchIndex, AgreesWithFindTextOverEveryDocument) {
    std::mt19937 random(20240611);
    const std::vector<std::string> words = {"cell",
                                            "Cells",
                                            "cellar",
                                            "wall",
                                            "walls",
                                            "the",
                                            "The",
                                            "caf\xC3\xA9",
                                            "CAFE",
                                            "aa",
                                            "aaa",
                                            "banana",
                                            "ana",
                                            "Stra\xC3\x9F"
                                            "e",
                                            "strasse",
                                            "R&D",
                                            "x-ray",
                                            "x",
                                            "don\xE2\x80\x99t",
                                            "don't",
                                            "3,500",
                                            "e",
                                            "\xC3\x89t\xC3\xA9",
                                            "...",
                                            "(note)",
                                            "\xEF\xAC\x81"
                                            "ne"};
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    TBookSearchIndex index;
    std::vector<std::string> texts;
    for (int d = 0; d < 40; ++d) {
        std::string text;
        for (std::size_t n = pick(60); n > 0; --n) {
            text += words[pick(words.size())];
            text += pick(4) ? " " : pick(2) ? ", " : "";
        }
        texts.push_back(text);
        index.Add({}, text);
    }
    index.Finish();

    for (int q = 0; q < 400; ++q) {
        const std::string& source = texts[pick(texts.size())];
        if (source.empty()) continue;
        const std::size_t begin = pick(source.size());
        const std::string query =
            source.substr(begin, 1 + pick(std::min<std::size_t>(14, source.size() - begin)));
        std::vector<Place> expected;
        for (std::uint32_t d = 0; d < texts.size(); ++d)
            for (const TTextRange& r : FindText(texts[d], query))
                expected.push_back({d, texts[d].substr(r.Begin, r.End - r.Begin)});

        const auto result = index.Search(query, 1000000);
        EXPECT_EQ(result.Total, expected.size()) << query;
        EXPECT_EQ(Places(index, query, 1000000), expected) << query;
        // The hit's place in its document's own list is what the page view looks for.
        for (const TSearchHit& hit : result.Hits) {
            const auto list = FindText(texts[hit.Document], query);
            const std::size_t ordinal = index.OrdinalInDocument(hit);
            ASSERT_LT(ordinal, list.size()) << query;
            EXPECT_EQ(list[ordinal], index.HitRange(hit)) << query;
        }
    }
}

TEST(BookSearchIndex, PlacesHitsFarIntoLongDocuments) {
    // Past several checkpoints, after runs of space and letters that fold longer or vanish.
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "\xC3\x9F  \xEF\xAC\x81 soft\xC2\xADword ";
    text += "needle";
    TBookSearchIndex index;
    index.Add({}, "first");
    index.Add({}, text);
    index.Finish();
    const auto result = index.Search("NEEDLE", 5);
    ASSERT_EQ(result.Hits.size(), 1u);
    const TTextRange range = index.HitRange(result.Hits[0]);
    EXPECT_EQ(range.End, text.size());
    EXPECT_EQ(text.substr(range.Begin), "needle");
    EXPECT_EQ(index.Search("softword", 1).Total, 3000u);
}

} // namespace
