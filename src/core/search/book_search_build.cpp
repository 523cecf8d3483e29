#include "core/search/book_search_build.h"

#include "core/search/book_search_texts.h"
#include "core/search/page_text.h"

#include <algorithm>

namespace quillara {

namespace {

// Glossary entries indexed between two reports of progress.
constexpr int EntriesPerStep = 4096;

} // namespace

std::unique_ptr<TBookSearchIndex> BuildBookSearchIndex(const TBookSearchSource& source,
                                                       const TSearchBuildProgress& progress) {
    auto texts = std::make_unique<TBookSearchTexts>(source.Directory);
    const int entries = source.HasGlossary ? texts->OpenGlossary() : 0;
    const int chapters = std::clamp(source.ChapterCount, 0, 255);
    const int total = chapters + (entries + EntriesPerStep - 1) / EntriesPerStep;
    int done = 0;
    if (!progress(done, total)) return nullptr;

    // A topic listed twice under one title is one page.
    std::vector<std::string> titles;
    for (const std::string& title : source.TopicTitles)
        if (std::find(titles.begin(), titles.end(), title) == titles.end()) titles.push_back(title);

    // The index holds the texts' source from the start; the source notes what the build reads.
    TBookSearchTexts& reading = *texts;
    auto index = std::make_unique<TBookSearchIndex>(std::move(texts));
    for (int chapter = 1; chapter <= chapters; ++chapter) {
        const std::vector<std::string> pages = reading.ReadPages(chapter, titles);
        for (std::size_t i = 0; i < titles.size(); ++i)
            if (!pages[i].empty())
                index->Add({TSearchPlace::TopicPage, chapter, titles[i], 0}, PageText(pages[i]));
        if (!progress(++done, total)) return nullptr;
    }
    for (int entry = 0; entry < entries; ++entry) {
        const std::optional<TDefinition> definition = reading.NextEntry();
        const std::string term(definition->Term);
        const auto number = static_cast<std::size_t>(entry);
        index->Add({TSearchPlace::GlossaryTerm, 0, term, number},
                   GlossaryEntryText(*definition, TSearchPlace::GlossaryTerm));
        index->Add({TSearchPlace::GlossaryDefinition, 0, term, number},
                   GlossaryEntryText(*definition, TSearchPlace::GlossaryDefinition));
        if ((entry + 1) % EntriesPerStep == 0 || entry + 1 == entries)
            if (!progress(++done, total)) return nullptr;
    }
    // Past the last entry the glossary's file is closed.
    if (entries > 0) reading.NextEntry();
    index->Finish();
    return index;
}

} // namespace quillara
