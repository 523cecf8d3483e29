#pragma once

#include "core/search/search_fold.h"
#include "core/text/utf8.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillara {

// A text's compared form (TSearchFolder's) is words, runs of word bytes, with signs and white
// space between them. The book search index sees it as a list of tokens: each word, and each run
// between two words (or before the first, or after the last) unless that run is a single space,
// which two neighbouring words imply. The tokens, one after the other with a space between two
// neighbouring words, give back the whole compared form, so a query is matched against tokens
// and where they lie in the list without the text.

// Calls found(token, start) for every token of a UTF-8 text in order, with its compared form and
// where the character that begins it starts in the text. `token` is scratch space.
template <typename Found>
void ForEachSearchToken(std::string_view text, std::string& token, Found&& found) {
    token.clear();
    bool word = false;
    std::size_t start = 0;
    bool afterSpace = true;
    std::string folded;
    const auto end = [&] {
        if (!token.empty() && (word || token != " ")) found(std::string_view(token), start);
        token.clear();
    };
    const auto take = [&](std::string_view piece, bool isWord, std::size_t at) {
        if (isWord != word) {
            end();
            word = isWord;
        }
        if (token.empty()) start = at;
        token += piece;
    };
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t at = pos;
        const auto byte = static_cast<unsigned char>(text[pos]);
        // ASCII, most of any book, needs no decoding.
        if (byte < 0x80) {
            ++pos;
            if (byte <= 0x20 || byte == 0x7F) {
                if (!afterSpace) take(" ", false, at);
                afterSpace = true;
                continue;
            }
            afterSpace = false;
            const char c = static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
            take(std::string_view(&c, 1), IsWordByte(c), at);
            continue;
        }
        folded.clear();
        TSearchFolder folder(afterSpace);
        folder.Append(NextCodePoint(text, pos), folded);
        afterSpace = folder.AfterSpace();
        // Invisible characters fold to nothing, inside a word or not.
        if (!folded.empty()) take(folded, IsWordByte(folded.front()), at);
    }
    end();
}

} // namespace quillara
