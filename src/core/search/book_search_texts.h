#pragma once

#include "core/book/glossary.h"
#include "core/platform/file_identity.h"
#include "core/search/delta_column.h"
#include "core/search/search_texts.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillara {

// The reader's text of a glossary entry's term or definition (UTF-8).
std::string GlossaryEntryText(const TDefinition& entry, TSearchPlace place);

// A book's topic pages and glossary entries, read for a build of the search index and read again
// from the book's files when a hit is shown: a page from its chapter's topic file, an entry from
// where it starts in GLOSSARY.DEF. A file that is no longer the one the build read (another file,
// or another size or time of change) gives no text, so nothing is shown from a page that has
// changed since.
class TBookSearchTexts : public TSearchTexts {
public:
    explicit TBookSearchTexts(std::filesystem::path directory);
    ~TBookSearchTexts() override;

    // The pages of the topics for a chapter, as FindTopicTexts finds them.
    std::vector<std::string> ReadPages(int chapter, const std::vector<std::string>& titles);
    // Opens GLOSSARY.DEF to read its entries in order with NextEntry; raises as the glossary's
    // reader does.
    int OpenGlossary();
    // The next entry, its texts valid until the next call; nothing after the last, when the file
    // is closed.
    std::optional<TDefinition> NextEntry();

    std::optional<std::string> Text(std::uint32_t number,
                                    const TSearchDocument& document) const override;
    bool Unchanged(std::uint32_t number, const TSearchDocument& document) const override;
    std::size_t MemoryBytes() const override;

private:
    struct TGlossaryReading;
    // The identity of a file as the build found it, nothing when it could not be told.
    std::optional<TFileIdentity> Identify(std::string_view name) const;
    bool Unchanged(std::string_view name, const std::optional<TFileIdentity>& identity) const;

    std::filesystem::path Directory;
    // The topic file of each chapter, and the glossary, as the build read them.
    std::vector<std::optional<TFileIdentity>> TopicFiles;
    std::optional<TFileIdentity> GlossaryFile;
    // Where each glossary entry starts in GLOSSARY.DEF.
    TDeltaColumn EntryOffsets;
    std::unique_ptr<TGlossaryReading> Reading;
};

} // namespace quillara
