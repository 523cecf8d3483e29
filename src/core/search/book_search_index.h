#pragma once

#include "search/find_text.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillara {

enum class TSearchPlace : std::uint8_t { TopicPage, GlossaryTerm, GlossaryDefinition };

// A searched text: a chapter's topic page, or a glossary entry's term or definition.
struct TSearchDocument {
    TSearchPlace Place = TSearchPlace::TopicPage;
    int Chapter = 0;
    // The topic's title, or the entry's term, as the book stores it (Windows-1252).
    std::string Title;
    // The glossary entry, counted from 0 in the order of the glossary file.
    std::size_t Entry = 0;
};

// A match: its document, and where it lies in the index's folded text.
struct TSearchHit {
    std::uint32_t Document = 0;
    std::uint32_t Begin = 0;
    std::uint32_t End = 0;
};

struct TSearchResult {
    // The first matches in the order of the documents, and of the text within each.
    std::vector<TSearchHit> Hits;
    // Every match in the book.
    std::size_t Total = 0;
};

// A match in the reader's text of its document with some text on either side, all UTF-8. The
// sides end on whole words, and "…" marks where they were cut.
struct TSearchSnippet {
    std::string Before;
    std::string Match;
    std::string After;
};

// The texts of a book as the reader sees them, searched as FindText searches one text: without
// case or accents, a match never overlapping the one before it. Every word is indexed, so a
// search looks only where the query's rarest word lies instead of reading the whole book.
class TBookSearchIndex {
public:
    TBookSearchIndex();
    ~TBookSearchIndex();
    TBookSearchIndex(const TBookSearchIndex&) = delete;
    TBookSearchIndex& operator=(const TBookSearchIndex&) = delete;

    // Adds a document's text (UTF-8) after the ones before it. A book too large to index in
    // 32-bit offsets raises std::length_error.
    void Add(TSearchDocument document, std::string_view text);
    // Ends the adding: sorts the words. Searching needs it; adding after it is not allowed.
    void Finish();

    // The matches of the query (UTF-8): the first `limit` of them and how many there are.
    TSearchResult Search(std::string_view query, std::size_t limit) const;

    std::size_t DocumentCount() const { return Documents.size(); }
    const TSearchDocument& Document(std::uint32_t document) const;
    // The reader's text of a document, as it was added.
    std::string_view Text(std::uint32_t document) const;
    // Where the hit lies in its document's Text().
    TTextRange HitRange(const TSearchHit& hit) const;
    // The hit with up to `context` characters of its document on either side.
    TSearchSnippet Snippet(const TSearchHit& hit, std::size_t context) const;
    // How many matches come before the hit in its document: FindText over the document's text
    // finds the hit at this place in its list.
    std::size_t OrdinalInDocument(const TSearchHit& hit) const;
    // What the index holds in memory, in bytes.
    std::size_t MemoryBytes() const;

private:
    struct TSpan {
        std::uint32_t Text;
        std::uint32_t Folded;
    };
    // Where folding may start again in the middle of a document.
    struct TCheckpoint {
        std::uint32_t Folded;
        std::uint32_t Text;
        bool AfterSpace;
    };
    // A distinct word: one of its occurrences in Folded, and its postings.
    struct TWord {
        std::uint32_t At;
        std::uint32_t Length;
        std::uint32_t First;
        std::uint32_t Count;
    };
    struct TStringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    // While adding: each distinct word's id, and every word of the text in order as an id and
    // where it starts in Folded.
    struct TBuilding {
        std::unordered_map<std::string, std::uint32_t, TStringHash, std::equal_to<>> Ids;
        std::vector<std::uint32_t> Counts;
        std::vector<std::uint32_t> TokenIds;
        std::vector<std::uint32_t> TokenStarts;
    };
    struct TPart;
    struct TCandidates;

    void AddWord(std::size_t begin, std::size_t end);
    std::string_view WordText(const TWord& word) const;
    std::uint32_t DocumentAt(std::size_t folded) const;
    TCandidates Candidates(std::string_view query, const TPart& part) const;
    TSearchResult SearchInWords(const std::string& query, const TCandidates& candidates,
                                std::size_t limit) const;
    TSearchResult SearchVerified(const std::string& query, const TPart& part,
                                 const TCandidates& candidates, std::size_t limit) const;
    TSearchResult ScanAll(const std::string& query, std::size_t limit) const;
    TSearchHit MakeHit(std::size_t begin, std::size_t length) const;

    std::vector<TSearchDocument> Documents;
    std::vector<TSpan> Spans;
    // Every document's text one after the other, and every folded text each ended by a NUL,
    // which no query holds, so that no match runs from one document into the next.
    std::string Texts;
    std::string Folded;
    std::vector<TCheckpoint> Checkpoints;
    // Sorted by their text; the postings are the offsets in Folded where each word starts.
    std::vector<TWord> Words;
    std::vector<std::uint32_t> Postings;
    std::unique_ptr<TBuilding> Building;
};

} // namespace quillara
