#pragma once

#include "core/search/delta_column.h"
#include "core/search/find_text.h"
#include "core/search/posting_codec.h"
#include "core/search/search_texts.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

// A match: its document, and where it lies among the document's tokens (search_tokens.h).
struct TSearchHit {
    std::uint32_t Document = 0;
    // The match starts `Shift` bytes into the compared form of the document's token `Token`
    // (counted from the document's first), and takes `Length` bytes of compared form.
    std::uint32_t Token = 0;
    std::uint32_t Shift = 0;
    std::uint32_t Length = 0;
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
// case or accents, a match never overlapping the one before it. Every token of every text is
// listed with the places where it stands in the book, counted in tokens, so a search looks only
// where the query's rarest token lies, and a phrase is checked by its tokens' places, without
// the texts. The index keeps no text: a hit's place in the text, its snippet and a glossary
// term's title are read again from the texts' source when they are asked for.
class TBookSearchIndex {
public:
    // An index that keeps the texts it is given, for texts that no file holds.
    TBookSearchIndex();
    // An index that reads its texts again from `texts`.
    explicit TBookSearchIndex(std::unique_ptr<const TSearchTexts> texts);
    ~TBookSearchIndex();
    TBookSearchIndex(const TBookSearchIndex&) = delete;
    TBookSearchIndex& operator=(const TBookSearchIndex&) = delete;

    // Adds a document's text (UTF-8) after the ones before it: the text its source gives back
    // for it. A book too large to index raises std::length_error.
    void Add(const TSearchDocument& document, std::string_view text);
    // Ends the adding: lists every token's places. Searching needs it; adding after it is not
    // allowed.
    void Finish();

    // The matches of the query (UTF-8): the first `limit` of them and how many there are.
    TSearchResult Search(std::string_view query, std::size_t limit) const;

    std::size_t DocumentCount() const { return DocumentTokens.Size(); }
    TSearchDocument Document(std::uint32_t document) const;
    // The reader's text of a document, read again; empty when it no longer reads as it was
    // indexed.
    std::string Text(std::uint32_t document) const;
    // Where the hit lies in its document's Text(); an empty range at 0 when the text no longer
    // reads as it was indexed.
    TTextRange HitRange(const TSearchHit& hit) const;
    // The hit with up to `context` characters of its document on either side; empty when the
    // text no longer reads as it was indexed.
    TSearchSnippet Snippet(const TSearchHit& hit, std::size_t context) const;
    // How many matches come before the hit in its document: FindText over the document's text
    // finds the hit at this place in its list (0 when the text no longer reads as it was).
    std::size_t OrdinalInDocument(const TSearchHit& hit) const;
    // What the index holds in memory, in bytes, what it needs to read the texts again included.
    std::size_t MemoryBytes() const;
    // The bytes of the texts indexed.
    std::uint64_t TextBytes() const { return AddedBytes; }

private:
    // A distinct token: where its compared form starts in Vocabulary, and where its list of
    // places starts in Postings (their count, then the places).
    struct TToken {
        std::uint32_t At;
        std::uint32_t First;
    };
    struct TBuilding;
    struct TSlot;
    struct TCandidates;
    struct TReadDocument;
    struct TReadCache;
    struct TLocated;

    std::string_view TokenText(std::size_t token) const;
    std::size_t TokenCount() const { return Tokens.empty() ? 0 : Tokens.size() - 1; }
    TPostingCursor Places(std::size_t token) const;
    std::uint32_t PlaceCount(std::size_t token) const;
    // The document a place lies in, and where that document's tokens start and end.
    std::uint32_t DocumentAt(std::uint32_t place, std::uint32_t& begin, std::uint32_t& end) const;
    // A document as its source finds it: place, chapter or entry, and a title kept for it.
    TSearchDocument Where(std::uint32_t document) const;
    TCandidates Candidates(const TSlot& slot) const;
    TSearchResult SearchInTokens(const TCandidates& candidates, std::size_t length,
                                 std::size_t limit) const;
    TSearchResult SearchSlots(const std::vector<TSlot>& slots, std::size_t length,
                              std::size_t limit) const;
    std::shared_ptr<const TReadDocument> Read(std::uint32_t document) const;
    bool Locate(const TSearchHit& hit, TLocated& located) const;

    // For each document: where its tokens start among all the tokens; its chapter (a page's) or
    // entry (a glossary text's) times 4 plus its place; and its title, told as the text of the
    // document before (0), its own text (1) or a title of its own (2 and on).
    TDeltaColumn DocumentTokens;
    TDeltaColumn DocumentKeys;
    TDeltaColumn DocumentTitles;
    std::uint32_t TokenEnd = 0;
    std::uint64_t AddedBytes = 0;
    // The titles that are no document's text, each once, one after the other.
    std::string Titles;
    std::vector<std::uint32_t> TitleStarts;
    // The tokens' compared forms in sorted order, one after the other; Tokens ends with one
    // more entry that marks where the last token ends.
    std::string Vocabulary;
    std::vector<TToken> Tokens;
    // Every token's places (counted in tokens from the book's first), a token's places
    // together: their count, then the places in order, written as distances (posting_codec.h).
    std::vector<std::uint8_t> Postings;
    std::unique_ptr<TBuilding> Building;
    std::unique_ptr<const TSearchTexts> Texts;
    // The texts kept, when the index was given them to keep.
    TKeptSearchTexts* Kept = nullptr;
    std::unique_ptr<TReadCache> Cache;
};

} // namespace quillara
