#pragma once

#include "core/search/delta_column.h"
#include "core/search/find_text.h"
#include "core/search/posting_codec.h"

#include <cstddef>
#include <cstdint>
#include <memory>
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

// A match: its document, and where it lies in the document's text.
struct TSearchHit {
    std::uint32_t Document = 0;
    // The characters of Text() that hold the match.
    std::uint32_t Begin = 0;
    std::uint32_t End = 0;
    // The match's length in compared form, and how much of its first character's compared
    // form comes before it (one letter of a ligature may match on its own).
    std::uint32_t Length = 0;
    std::uint8_t Skip = 0;
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
// search looks only where the query's rarest word lies instead of reading the whole book. The
// index keeps each text once, as the reader sees it, and folds the few characters around a
// place when it checks a query there.
class TBookSearchIndex {
public:
    TBookSearchIndex();
    ~TBookSearchIndex();
    TBookSearchIndex(const TBookSearchIndex&) = delete;
    TBookSearchIndex& operator=(const TBookSearchIndex&) = delete;

    // Adds a document's text (UTF-8) after the ones before it. A book too large to index in
    // 32-bit offsets raises std::length_error.
    void Add(const TSearchDocument& document, std::string_view text);
    // Ends the adding: lists every word's places. Searching needs it; adding after it is not
    // allowed.
    void Finish();

    // The matches of the query (UTF-8): the first `limit` of them and how many there are.
    TSearchResult Search(std::string_view query, std::size_t limit) const;

    std::size_t DocumentCount() const { return DocumentTexts.Size(); }
    TSearchDocument Document(std::uint32_t document) const;
    // The reader's text of a document, as it was added.
    std::string_view Text(std::uint32_t document) const;
    // Where the hit lies in its document's Text().
    TTextRange HitRange(const TSearchHit& hit) const;
    // The hit with up to `context` characters of its document on either side.
    TSearchSnippet Snippet(const TSearchHit& hit, std::size_t context) const;
    // How many matches come before the hit in its document: FindText over the document's text
    // finds the hit at this place in its list.
    std::size_t OrdinalInDocument(const TSearchHit& hit) const;
    // What the index holds in memory, in bytes, the texts included.
    std::size_t MemoryBytes() const;
    // The bytes of the texts alone.
    std::size_t TextBytes() const { return TextEnd; }

private:
    // Texts are kept in blocks of their own, a document never split between two, so that
    // the texts of a large book are never copied whole to grow.
    struct TTextBlock {
        std::uint32_t Base;
        std::string Bytes;
    };
    // A distinct word: where its compared form starts in Vocabulary, and where its list of
    // places starts in Postings (their count, then the places).
    struct TWord {
        std::uint32_t At;
        std::uint32_t First;
    };
    struct TBuilding;
    struct TPart;
    struct TCandidates;
    struct TMatch;
    struct TFoldWindow;

    std::string_view WordText(std::size_t word) const;
    std::size_t WordCount() const { return Words.empty() ? 0 : Words.size() - 1; }
    TPostingCursor Places(std::size_t word) const;
    std::uint32_t PlaceCount(std::size_t word) const;
    // The texts from `begin` to `end`, which lie in one block.
    std::string_view TextBetween(std::uint32_t begin, std::uint32_t end) const;
    TCandidates Candidates(std::string_view query, const TPart& part) const;
    bool MatchAt(std::uint32_t offset, std::int64_t shift, std::string_view query,
                 TFoldWindow& window, TMatch& match) const;
    TSearchResult SearchInWords(const std::string& query, const TCandidates& candidates,
                                std::size_t limit) const;
    TSearchResult SearchVerified(const std::string& query, const TPart& part,
                                 const TCandidates& candidates, std::size_t limit) const;
    TSearchResult ScanAll(const std::string& query, std::size_t limit) const;
    TSearchHit MakeHit(const TMatch& match, std::size_t length) const;

    std::vector<TTextBlock> Blocks;
    std::uint32_t TextEnd = 0;
    // For each document: where its text starts among all the texts; its chapter (a page's) or
    // entry (a glossary text's) times 4 plus its place; and its title, told as the text of the
    // document before (0), its own text (1) or a title of its own (2 and on).
    TDeltaColumn DocumentTexts;
    TDeltaColumn DocumentKeys;
    TDeltaColumn DocumentTitles;
    // The titles that are no document's text, each once, one after the other.
    std::string Titles;
    std::vector<std::uint32_t> TitleStarts;
    // The words' compared forms in sorted order, one after the other; Words ends with one
    // more entry that marks where the last word ends.
    std::string Vocabulary;
    std::vector<TWord> Words;
    // Every word's places (the offsets of its first character among all the texts), a word's
    // places together: their count, then the places in order, written as distances
    // (posting_codec.h).
    std::vector<std::uint8_t> Postings;
    std::unique_ptr<TBuilding> Building;
};

} // namespace quillara
