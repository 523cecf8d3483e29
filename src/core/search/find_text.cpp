#include "core/search/find_text.h"

#include "core/search/search_fold.h"
#include "core/text/utf8.h"

#include <string>

namespace quillara {

std::vector<TTextRange> FindText(std::string_view text, std::string_view query) {
    const std::string needle = FoldForSearch(query);
    if (needle.empty()) return {};

    // Each folded byte remembers the character of `text` it came from.
    std::string folded;
    std::vector<TTextRange> source;
    folded.reserve(text.size());
    source.reserve(text.size());
    TSearchFolder folder;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t begin = pos;
        folder.Append(NextCodePoint(text, pos), folded);
        source.resize(folded.size(), {begin, pos});
    }

    std::vector<TTextRange> matches;
    for (std::size_t at = folded.find(needle); at != std::string::npos;
         at = folded.find(needle, at + needle.size()))
        matches.push_back({source[at].Begin, source[at + needle.size() - 1].End});
    return matches;
}

} // namespace quillara
