#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace quillara {

// A stretch of a UTF-8 text, in bytes.
struct TTextRange {
    std::size_t Begin = 0;
    std::size_t End = 0;
    bool operator==(const TTextRange&) const = default;
};

// Every match of `query` in `text`, both UTF-8, compared as TSearchFolder compares them: left to
// right, each match starting after the one before it ends. Ranges cover whole characters of
// `text`. An empty or blank query matches nothing.
std::vector<TTextRange> FindText(std::string_view text, std::string_view query);

} // namespace quillara
