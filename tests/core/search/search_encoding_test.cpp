#include "core/search/book_search_index.h"
#include "core/search/delta_column.h"
#include "core/search/find_text.h"
#include "core/search/posting_codec.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace quillara {
namespace {

constexpr std::uint32_t Max = std::numeric_limits<std::uint32_t>::max();

TEST(PostingCodec, NumbersReadBackAsWrittenAtEveryWidth) {
    const struct {
        std::uint32_t Value;
        std::size_t Size;
    } cases[] = {{0, 1},        {127, 1},
                 {128, 2},      {16383, 2},
                 {16384, 3},    {(1u << 21) - 1, 3},
                 {1u << 21, 4}, {(1u << 28) - 1, 4},
                 {1u << 28, 5}, {Max, 5}};
    for (const auto& c : cases) {
        std::uint8_t bytes[6] = {0, 0, 0, 0, 0, 0xEE};
        const std::uint8_t* end = WriteVarint(bytes, c.Value);
        EXPECT_EQ(static_cast<std::size_t>(end - bytes), c.Size) << c.Value;
        EXPECT_EQ(VarintSize(c.Value), c.Size) << c.Value;
        const std::uint8_t* in = bytes;
        EXPECT_EQ(ReadVarint(in), c.Value);
        EXPECT_EQ(in, end) << c.Value;
        EXPECT_EQ(bytes[5], 0xEE) << "nothing written past the number";
    }
}

TEST(PostingCodec, ACursorWalksPlacesWrittenAsDistances) {
    const std::vector<std::uint32_t> places = {0, 1, 2, 130, 20000, 3000000, Max - 1, Max};
    std::vector<std::uint8_t> list(places.size() * 5);
    std::uint8_t* out = list.data();
    std::uint32_t last = 0;
    for (const std::uint32_t place : places) {
        out = WriteVarint(out, place - last);
        last = place;
    }
    TPostingCursor cursor(list.data(), static_cast<std::uint32_t>(places.size()));
    std::vector<std::uint32_t> read;
    while (!cursor.Done())
        read.push_back(cursor.Read());
    EXPECT_EQ(read, places);
    EXPECT_TRUE(TPostingCursor(list.data(), 0).Done());
}

// Steps of every size and sign, across block boundaries and through the ends of the range.
TEST(DeltaColumn, GivesBackEveryNumberAndCountsThoseAtMostAValue) {
    std::mt19937 random(7);
    std::vector<std::vector<std::uint32_t>> lists = {
        {},
        {Max},
        {0, Max, 0, 1, Max - 1, 5},
    };
    std::vector<std::uint32_t> mixed;
    for (int i = 0; i < 1000; ++i)
        mixed.push_back(i % 7 == 0 ? static_cast<std::uint32_t>(random())
                                   : (mixed.empty() ? 0 : mixed.back()) + random() % 300 - 150);
    lists.push_back(mixed);
    for (const std::size_t size : {TDeltaColumn::BlockSize - 1, TDeltaColumn::BlockSize,
                                   TDeltaColumn::BlockSize + 1, std::size_t{1000}}) {
        std::vector<std::uint32_t> rising;
        for (std::uint32_t value = 0; rising.size() < size;
             value += random() % 3 == 0 ? 0 : random() % 5000)
            rising.push_back(value);
        lists.push_back(rising);
    }
    for (const auto& list : lists) {
        TDeltaColumn column;
        for (const std::uint32_t value : list)
            column.Push(value);
        column.ShrinkToFit();
        ASSERT_EQ(column.Size(), list.size());
        for (std::size_t i = 0; i < list.size(); ++i)
            ASSERT_EQ(column[i], list[i]) << i << " of " << list.size();
        if (!std::is_sorted(list.begin(), list.end())) continue;
        for (std::size_t i = 0; i < list.size(); ++i)
            for (const std::uint32_t probe : {list[i] - 1, list[i], list[i] + 1}) {
                const auto count = static_cast<std::size_t>(
                    std::upper_bound(list.begin(), list.end(), probe) - list.begin());
                std::uint32_t last = 12345;
                std::uint32_t next = 12345;
                ASSERT_EQ(column.CountAtMost(probe, &last, &next), count) << probe;
                EXPECT_EQ(last, count > 0 ? list[count - 1] : 12345) << probe;
                EXPECT_EQ(next, count < list.size() ? list[count] : 12345) << probe;
            }
    }
    // A rising column of small steps takes about a byte for each.
    TDeltaColumn small;
    for (std::uint32_t i = 0; i < 10000; ++i)
        small.Push(i * 40);
    small.ShrinkToFit();
    EXPECT_LT(small.MemoryBytes(), 10000u * 3 / 2);
}

// Titles the index tells from texts (a term's, a definition's) and those it keeps, with every
// place, chapter and entry, read back as they were added.
TEST(BookSearchIndex, GivesBackEveryDocumentAsAdded) {
    const std::vector<std::pair<TSearchDocument, std::string>> added = {
        {{TSearchPlace::TopicPage, 1, "Summary", 0}, "Summary of chapter 1"},
        {{TSearchPlace::TopicPage, 255, "Summary", 0}, ""},
        {{TSearchPlace::TopicPage, 3, "", 0}, ""},
        {{TSearchPlace::TopicPage, 3, "", 0}, "text"},
        {{TSearchPlace::GlossaryTerm, 0, "Cell wall", 0}, "Cell wall"},
        {{TSearchPlace::GlossaryDefinition, 0, "Cell wall", 0}, "A rigid layer."},
        // a term whose text differs from the stored term (white space collapsed, UTF-8)
        {{TSearchPlace::GlossaryTerm, 0, "Caf\xE9  au lait", 1}, "Caf\xC3\xA9 au lait"},
        {{TSearchPlace::GlossaryDefinition, 0, "Caf\xE9  au lait", 1}, "Coffee."},
        {{TSearchPlace::GlossaryTerm, 0, "Coffee.", 65534}, "Coffee."},
        {{TSearchPlace::GlossaryDefinition, 0, "Coffee.", 65534}, "Coffee."},
        {{TSearchPlace::GlossaryDefinition, 0, "Summary", 1000000}, "Summary"},
    };
    TBookSearchIndex index;
    for (const auto& [document, text] : added)
        index.Add(document, text);
    index.Finish();
    ASSERT_EQ(index.DocumentCount(), added.size());
    for (std::uint32_t d = 0; d < added.size(); ++d) {
        const TSearchDocument document = index.Document(d);
        EXPECT_EQ(document.Place, added[d].first.Place) << d;
        EXPECT_EQ(document.Chapter, added[d].first.Chapter) << d;
        EXPECT_EQ(document.Title, added[d].first.Title) << d;
        EXPECT_EQ(document.Entry, added[d].first.Entry) << d;
        EXPECT_EQ(index.Text(d), added[d].second) << d;
    }
    EXPECT_THROW(index.Document(static_cast<std::uint32_t>(added.size())), std::out_of_range);
    EXPECT_EQ(index.Search("coffee", 10).Total, 3u);
}

// A query is checked in the text where that reads byte for byte as its folded form, and folded
// where it does not: the two must agree wherever characters that fold shorter, longer or to
// nothing stand between the looked-up word (the rare "zz") and the query's ends.
TEST(BookSearchIndex, ChecksQueriesAroundCharactersThatFoldToOtherLengths) {
    const std::vector<std::string> texts = {
        "ab\xC2\xA0zz end",     // a no-break space, two bytes folded to one
        "AB zz end",            // plain, in capitals
        "a\xC3\x9F zz end",     // a sharp s, two bytes folded to two letters
        "ab\xC2\xAD zz end",    // a soft hyphen folds to nothing
        "ab  zz end",           // two spaces fold to one
        "\xEF\xAC\x81x zz end", // a ligature, three bytes folded to two letters
        "x\xE2\x80\xA6 zz\xE2\x80\xA6"
        "end", // ellipses, three bytes folded to three
        "ab ab ab ab ab ab ab ab ab ab ass ass ass ass fix fix fix fix end end end end",
    };
    TBookSearchIndex index;
    for (const std::string& text : texts)
        index.Add({}, text);
    index.Finish();
    for (const char* query : {"ab zz", "b zz", "ass zz", "fix zz", "x... zz...end", "zz end",
                              "z end", "ab zz e", "b zz e"}) {
        std::vector<std::pair<std::uint32_t, TTextRange>> expected;
        for (std::uint32_t d = 0; d < texts.size(); ++d)
            for (const TTextRange& range : FindText(texts[d], query))
                expected.emplace_back(d, range);
        std::vector<std::pair<std::uint32_t, TTextRange>> found;
        for (const TSearchHit& hit : index.Search(query, 100).Hits)
            found.emplace_back(hit.Document, index.HitRange(hit));
        EXPECT_EQ(found, expected) << query;
    }
}

} // namespace
} // namespace quillara
