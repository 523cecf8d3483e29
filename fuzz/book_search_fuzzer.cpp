// Topic pages and a query from arbitrary bytes (NUL-separated: the query, then the pages): the
// index must find exactly what FindText finds in each page's text, wherever it looks.
#include "core/search/book_search_index.h"
#include "core/search/find_text.h"
#include "core/search/page_text.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = input.find('\0', start);
        parts.push_back(input.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    const std::string_view query = parts.front();

    TBookSearchIndex index;
    std::vector<std::string> texts;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        texts.push_back(PageText(parts[i]));
        index.Add({}, texts.back());
    }
    index.Finish();

    const TSearchResult result = index.Search(query, std::numeric_limits<std::size_t>::max());
    std::size_t expected = 0;
    for (const std::string& text : texts)
        expected += FindText(text, query).size();
    if (result.Total != expected || result.Hits.size() != expected) __builtin_trap();
    for (const TSearchHit& hit : result.Hits) {
        const auto found = FindText(texts.at(hit.Document), query);
        const std::size_t ordinal = index.OrdinalInDocument(hit);
        if (ordinal >= found.size() || !(found[ordinal] == index.HitRange(hit))) __builtin_trap();
        const TSearchSnippet snippet = index.Snippet(hit, 20);
        if (snippet.Match.empty()) __builtin_trap();
    }
    return 0;
}
