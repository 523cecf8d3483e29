#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

enum class TSearchPlace : std::uint8_t { TopicPage, GlossaryTerm, GlossaryDefinition };

// A searched text: a chapter's topic page, or a glossary entry's term or definition.
struct TSearchDocument {
    TSearchPlace Place = TSearchPlace::TopicPage;
    // A topic page's chapter (glossary entries have none).
    int Chapter = 0;
    // The topic's title, or the entry's term, as the book stores it (Windows-1252).
    std::string Title;
    // A glossary entry, counted from 0 in the order of the glossary file (pages have none).
    std::size_t Entry = 0;
};

// Where a book search index finds a document's text again when it needs the text itself (to
// show a hit or a title): the index keeps none.
class TSearchTexts {
public:
    virtual ~TSearchTexts() = default;
    // The reader's text (UTF-8) of the document `number`, which is `document`, as it was
    // indexed; nothing when it can no longer be read as it was (its file has changed or gone).
    // A topic page's document names its title.
    virtual std::optional<std::string> Text(std::uint32_t number,
                                            const TSearchDocument& document) const = 0;
    // Whether a text Text gave before still is the document's (its file has not changed since).
    virtual bool Unchanged(std::uint32_t number, const TSearchDocument& document) const = 0;
    // What finding the texts again holds in memory, in bytes.
    virtual std::size_t MemoryBytes() const = 0;
};

// Texts that no file holds, kept as they were given.
class TKeptSearchTexts : public TSearchTexts {
public:
    void Keep(std::string_view text);
    std::optional<std::string> Text(std::uint32_t number,
                                    const TSearchDocument& document) const override;
    bool Unchanged(std::uint32_t, const TSearchDocument&) const override { return true; }
    std::size_t MemoryBytes() const override;

private:
    std::string Bytes;
    std::vector<std::size_t> Ends;
};

} // namespace quillara
