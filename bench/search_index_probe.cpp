// Builds the book search index of a book and searches it, as the search window does, and prints
// what it costs: the reader's text, what the index holds, the build's time and the whole
// process's peak memory. bench/search_index.sh runs it on three books beside the same program
// built from an earlier index.
//   search_index_probe BOOKDIR
#include "core/book/book_properties.h"
#include "core/search/book_search_build.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>

int main(int argc, char** argv) {
    using namespace quillara;
    if (argc != 2) {
        std::fprintf(stderr, "usage: search_index_probe BOOKDIR\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    const auto book = LoadBookProperties(directory, TRegionalSettings{});
    TBookSearchSource source{directory, book->ChapterCount, {}, book->HasGlossary};
    for (const TChapterTopic& topic : book->Topics)
        source.TopicTitles.push_back(topic.Title);

    const auto start = std::chrono::steady_clock::now();
    const auto index = BuildBookSearchIndex(source, [](int, int) { return true; });
    const std::chrono::duration<double, std::milli> build =
        std::chrono::steady_clock::now() - start;

    const auto text = static_cast<std::size_t>(index->TextBytes());
    // The searches of the book search benchmark, each hit listed with its snippet.
    std::size_t hits = 0;
    std::size_t shown = 0;
    for (const char* query : {"term", "definition of", "chapter", "cafe", "e", "ba ce", "."}) {
        const TSearchResult result = index->Search(query, 1000);
        hits += result.Total;
        for (const TSearchHit& hit : result.Hits)
            shown += index->Snippet(hit, 40).Match.size();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("text_bytes %zu index_bytes %zu build_ms %.0f peak_kib %ld hits %zu shown %zu\n",
                text, index->MemoryBytes(), build.count(), usage.ru_maxrss, hits, shown);
    return 0;
}
