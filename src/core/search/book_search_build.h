#pragma once

#include "core/search/book_search_index.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillara {

// What a search of a book covers, copied out of the book so that a build can run anywhere.
struct TBookSearchSource {
    std::filesystem::path Directory;
    int ChapterCount = 0;
    // The book's topics in their order, as the book stores their titles.
    std::vector<std::string> TopicTitles;
    bool HasGlossary = false;
};

// Told after each step of a build how many steps are done and how many there are; answering
// false stops the build.
using TSearchBuildProgress = std::function<bool(int done, int total)>;

// Reads the topic pages of every chapter and the glossary afresh and indexes them as the reader
// sees them: chapter 1's pages in the order of the book's topics, then chapter 2's and so on,
// then each glossary entry's term and definition in the order of the file. A page the topic
// viewer would not find is left out, as is a chapter whose topic file cannot be read. A glossary
// that cannot be read raises. Nullptr when the build was stopped.
std::unique_ptr<TBookSearchIndex> BuildBookSearchIndex(const TBookSearchSource& source,
                                                       const TSearchBuildProgress& progress);

} // namespace quillara
