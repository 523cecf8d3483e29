#include "core/search/book_search_build.h"

#include "core/book/glossary.h"
#include "core/book/topic_pages.h"
#include "core/search/page_text.h"

#include <algorithm>

namespace quillara {

namespace {

// Glossary entries indexed between two reports of progress.
constexpr std::size_t EntriesPerStep = 4096;

} // namespace

std::unique_ptr<TBookSearchIndex> BuildBookSearchIndex(const TBookSearchSource& source,
                                                       const TSearchBuildProgress& progress) {
    TGlossary glossary;
    if (source.HasGlossary) glossary.LoadGlossary(source.Directory, false);
    const int chapters = std::clamp(source.ChapterCount, 0, 255);
    const int glossarySteps =
        source.HasGlossary
            ? static_cast<int>((glossary.Entries().size() + EntriesPerStep - 1) / EntriesPerStep)
            : 0;
    const int total = chapters + glossarySteps;
    int done = 0;
    if (!progress(done, total)) return nullptr;

    // A topic listed twice under one title is one page.
    std::vector<std::string> titles;
    for (const std::string& title : source.TopicTitles)
        if (std::find(titles.begin(), titles.end(), title) == titles.end()) titles.push_back(title);

    auto index = std::make_unique<TBookSearchIndex>();
    for (int chapter = 1; chapter <= chapters; ++chapter) {
        const std::vector<std::string> pages = FindTopicTexts(source.Directory, chapter, titles);
        for (std::size_t i = 0; i < titles.size(); ++i)
            if (!pages[i].empty())
                index->Add({TSearchPlace::TopicPage, chapter, titles[i], 0}, PageText(pages[i]));
        if (!progress(++done, total)) return nullptr;
    }
    for (std::size_t entry = 0; entry < glossary.Entries().size(); ++entry) {
        const TDefinition& definition = glossary.Entries()[entry];
        const std::string term(definition.Term);
        index->Add({TSearchPlace::GlossaryTerm, 0, term, entry}, PlainText(definition.Term));
        index->Add({TSearchPlace::GlossaryDefinition, 0, term, entry},
                   PlainText(definition.DefinitionText));
        if ((entry + 1) % EntriesPerStep == 0 || entry + 1 == glossary.Entries().size())
            if (!progress(++done, total)) return nullptr;
    }
    index->Finish();
    return index;
}

} // namespace quillara
