#include "core/search/book_search_texts.h"

#include "core/book/book_files.h"
#include "core/book/glossary_stream.h"
#include "core/book/record_stream.h"
#include "core/book/topic_pages.h"
#include "core/io/book_errors.h"
#include "core/search/page_text.h"

#include <limits>

namespace quillara {

namespace {

constexpr std::string_view GlossaryFileName = "GLOSSARY.DEF";

} // namespace

std::string GlossaryEntryText(const TDefinition& entry, TSearchPlace place) {
    return PlainText(place == TSearchPlace::GlossaryTerm ? entry.Term : entry.DefinitionText);
}

// GLOSSARY.DEF open for the build.
struct TBookSearchTexts::TGlossaryReading {
    TBookFileStream File;
    TGlossaryStream Entries;

    explicit TGlossaryReading(const std::filesystem::path& path)
        : File(path, MaxGlossarySize), Entries(File, std::string(GlossaryFileName)) {}
};

TBookSearchTexts::TBookSearchTexts(std::filesystem::path directory)
    : Directory(std::move(directory)) {}

TBookSearchTexts::~TBookSearchTexts() = default;

std::optional<TFileIdentity> TBookSearchTexts::Identify(std::string_view name) const {
    const auto path = FindBookFile(Directory, name);
    if (!path) return std::nullopt;
    return IdentityOf(path->string());
}

bool TBookSearchTexts::Unchanged(std::string_view name,
                                 const std::optional<TFileIdentity>& identity) const {
    return identity && Identify(name) == identity;
}

std::vector<std::string> TBookSearchTexts::ReadPages(int chapter,
                                                     const std::vector<std::string>& titles) {
    if (chapter < 0) return std::vector<std::string>(titles.size());
    if (TopicFiles.size() <= static_cast<std::size_t>(chapter)) TopicFiles.resize(chapter + 1);
    // Told before the file is read: a change while it is read makes the pages count as changed.
    TopicFiles[chapter] = Identify(TopicFileName(chapter));
    return FindTopicTexts(Directory, chapter, titles);
}

int TBookSearchTexts::OpenGlossary() {
    GlossaryFile = Identify(GlossaryFileName);
    Reading = std::make_unique<TGlossaryReading>(RequireBookFile(Directory, GlossaryFileName));
    return Reading->Entries.Count();
}

std::optional<TDefinition> TBookSearchTexts::NextEntry() {
    if (!Reading) return std::nullopt;
    const std::uint64_t offset = Reading->Entries.Offset();
    std::optional<TDefinition> entry = Reading->Entries.Next();
    if (!entry) {
        Reading.reset();
        EntryOffsets.ShrinkToFit();
        return std::nullopt;
    }
    // A glossary file is far below 4 GB (MaxGlossarySize).
    EntryOffsets.Push(static_cast<std::uint32_t>(offset));
    return entry;
}

bool TBookSearchTexts::Unchanged(std::uint32_t, const TSearchDocument& document) const {
    if (document.Place != TSearchPlace::TopicPage)
        return document.Entry < EntryOffsets.Size() && Unchanged(GlossaryFileName, GlossaryFile);
    const auto chapter = static_cast<std::size_t>(document.Chapter);
    return chapter < TopicFiles.size() &&
           Unchanged(TopicFileName(document.Chapter), TopicFiles[chapter]);
}

std::optional<std::string> TBookSearchTexts::Text(std::uint32_t number,
                                                  const TSearchDocument& document) const {
    if (!Unchanged(number, document)) return std::nullopt;
    try {
        if (document.Place == TSearchPlace::TopicPage)
            return PageText(FindTopicText(Directory, document.Chapter, document.Title));
        TBookFileStream file(RequireBookFile(Directory, GlossaryFileName), MaxGlossarySize);
        if (!file.seekg(EntryOffsets[document.Entry])) return std::nullopt;
        TRecordStream record(file, std::string(GlossaryFileName));
        return GlossaryEntryText(record.Take(ReadGlossaryEntry), document.Place);
    } catch (const TBookFileError&) {
        return std::nullopt;
    }
}

std::size_t TBookSearchTexts::MemoryBytes() const {
    return TopicFiles.capacity() * sizeof(TopicFiles.front()) + EntryOffsets.MemoryBytes();
}

} // namespace quillara
