#include "core/search/book_search_index.h"
#include "core/search/find_text.h"
#include "core/search/search_fold.h"
#include "core/search/search_tokens.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillara {
namespace {

// The tokens of a text, one after the other, with a space between two neighbouring words, give
// back its whole compared form.
TEST(SearchTokens, GiveBackTheWholeComparedForm) {
    for (const std::string text :
         {"", "   ", "word", "  lead and trail  ", "(note) the end.", "a, b;c - d", "...",
          "caf\xC3\xA9 \xC2\xA0 na\xC3\xAFve\xC2\xAD word", "x\xE2\x80\xA6 \xEF\xAC\x81ne\n\tend ",
          "\xFF broken \xC3"}) {
        std::string joined;
        std::string scratch;
        bool lastWasWord = false;
        std::size_t lastStart = 0;
        bool first = true;
        ForEachSearchToken(text, scratch, [&](std::string_view token, std::size_t start) {
            const bool word = IsWordByte(token.front());
            if (word && lastWasWord) joined += ' ';
            joined += token;
            EXPECT_TRUE(first || start > lastStart) << text;
            first = false;
            lastWasWord = word;
            lastStart = start;
        });
        std::string folded;
        TSearchFolder().AppendText(text, folded);
        if (!folded.empty() && folded.back() == ' ') folded.pop_back();
        EXPECT_EQ(joined, folded) << text;
    }
}

// Phrases checked by where their tokens stand, where a query's ends share a token with the next
// match, repeat a word, or begin or end with signs: the index finds what FindText finds.
TEST(SearchTokens, PhrasesFoundByTheirTokensAreThoseFindTextFinds) {
    const std::vector<std::string> texts = {
        "a.a.a.a", "the eye eel", "e e e e e", "the cell the cell the cell wall",
        "(note) (note)(note)", "end. end.. end", "x-ray, x - ray", "ab ab, ab ab ab",
        "word", "the cell. The cell"};
    TBookSearchIndex index;
    for (const std::string& text : texts)
        index.Add({}, text);
    index.Finish();
    for (const char* query : {"a.a", "a.a.", ".a.", "e e", "e e e", "the cell the cell", "cell the",
                              "(note)", "(note", "note)", ") (", "end.", ". end", "end..",
                              "x - ray", "ray, x", "ab ab", "ab, ab ab", "b a", "cell. the",
                              "word", "d. t"}) {
        std::vector<std::pair<std::uint32_t, TTextRange>> expected;
        for (std::uint32_t d = 0; d < texts.size(); ++d)
            for (const TTextRange& range : FindText(texts[d], query))
                expected.emplace_back(d, range);
        const TSearchResult result = index.Search(query, 100);
        std::vector<std::pair<std::uint32_t, TTextRange>> found;
        for (const TSearchHit& hit : result.Hits)
            found.emplace_back(hit.Document, index.HitRange(hit));
        EXPECT_EQ(found, expected) << query;
        EXPECT_EQ(result.Total, expected.size()) << query;
    }
}

} // namespace
} // namespace quillara
