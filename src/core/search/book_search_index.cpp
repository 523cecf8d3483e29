#include "core/search/book_search_index.h"

#include "core/search/search_fold.h"
#include "core/text/utf8.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <queue>
#include <stdexcept>
#include <unordered_map>

namespace quillara {

namespace {

// Texts are kept in blocks of at least this size, so that few blocks hold a large book.
constexpr std::size_t TextBlockBytes = std::size_t{4} << 20;

constexpr std::size_t OffsetLimit = std::numeric_limits<std::uint32_t>::max();
// Chapters and entries are kept times 4, beside the place.
constexpr std::size_t WhereLimit = std::size_t{1} << 30;
// Titles told as a document's text rather than kept.
constexpr std::uint32_t TitleOfTextBefore = 0;
constexpr std::uint32_t TitleOfOwnText = 1;
constexpr std::uint32_t FirstKeptTitle = 2;

constexpr std::string_view Ellipsis = "\xE2\x80\xA6";

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// A place where a character starts before `pos`: every byte but a continuation byte starts
// one, however the text before it reads.
std::size_t CharacterStartBefore(std::string_view text, std::size_t pos) {
    --pos;
    while (pos > 0 && IsContinuationByte(text[pos]))
        --pos;
    return pos;
}

// Whether folding reaches `pos` just after white space, as at the start of a text: the last
// character before it that is not invisible decides.
bool AfterSpaceAt(std::string_view text, std::size_t pos) {
    std::string scratch;
    while (pos > 0) {
        const std::size_t from = CharacterStartBefore(text, pos);
        TSearchFolder afterSpace(true);
        TSearchFolder afterWord(false);
        for (std::size_t at = from; at < pos;) {
            const char32_t c = NextCodePoint(text, at);
            afterSpace.Append(c, scratch);
            afterWord.Append(c, scratch);
        }
        if (afterSpace.AfterSpace() == afterWord.AfterSpace()) return afterSpace.AfterSpace();
        pos = from;
    }
    return true;
}

// Where a stretch of text is printable ASCII with single spaces between its words, its folded
// form is its letters in lower case, byte for byte: whether the query lies `shift` bytes after
// `at` is read in place. Nothing when the stretch holds anything else.
std::optional<bool> MatchInPlainText(std::string_view text, std::size_t at, std::int64_t shift,
                                     std::string_view query) {
    const std::int64_t start = static_cast<std::int64_t>(at) + shift;
    if (start < 0 || static_cast<std::size_t>(start) + query.size() > text.size()) return {};
    const std::size_t from = static_cast<std::size_t>(start);
    const auto plain = [&](std::size_t i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // A space folds as itself only after a visible character.
        return (byte > 0x20 && byte < 0x7F) ||
               (byte == ' ' && i > 0 && text[i - 1] > 0x20 && text[i - 1] < 0x7F);
    };
    // Between the word and the query's start every byte counts one, so the query starts at
    // `from`; there a byte that differs settles it once those before it are plain.
    for (std::size_t i = std::min(at, from); i < std::max(at, from); ++i)
        if (!plain(i)) return {};
    for (std::size_t i = from; i < from + query.size(); ++i) {
        if (!plain(i)) return {};
        const auto byte = static_cast<unsigned char>(text[i]);
        if (static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte) !=
            query[i - from])
            return false;
    }
    return true;
}

// Calls found(word, offset) for every word of a text in order, with its compared form and where
// its first character starts in the text. White space always ends a word, so no character
// needs the one before it to say how it folds.
template <typename Found>
void ForEachWord(std::string_view text, std::string& word, Found&& found) {
    std::string folded;
    std::size_t start = 0;
    word.clear();
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t at = pos;
        const auto byte = static_cast<unsigned char>(text[pos]);
        // ASCII, most of any book, needs no decoding: a letter or digit, or no word.
        if (byte < 0x80) {
            ++pos;
            const char c =
                static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
            if (IsWordByte(c)) {
                if (word.empty()) start = at;
                word += c;
                continue;
            }
            folded.clear();
        } else {
            folded.clear();
            TSearchFolder(false).Append(NextCodePoint(text, pos), folded);
            // Invisible characters fold to nothing, inside a word or not.
            if (folded.empty()) continue;
            if (IsWordByte(folded[0])) {
                if (word.empty()) start = at;
                word += folded;
                continue;
            }
        }
        if (!word.empty()) {
            found(std::string_view(word), start);
            word.clear();
        }
    }
    if (!word.empty()) found(std::string_view(word), start);
}

} // namespace

// While adding: each distinct word's id and how its places add up, and each distinct title's.
struct TBookSearchIndex::TBuilding {
    struct TStringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    using TIds = std::unordered_map<std::string, std::uint32_t, TStringHash, std::equal_to<>>;
    struct TTally {
        std::uint32_t Count = 0;
        std::uint32_t Bytes = 0;
        std::uint32_t Last = 0;
    };
    TIds Ids;
    std::vector<TTally> Tallies;
    std::size_t PostingBytes = 0;
    TIds TitleIds;
    std::string Word;
};

// A word of the folded query: whether a non-word character stands before it and after it in
// the query decides which words of the book it can lie in. With one on both sides it is a
// whole word, before it only the beginning of a word, after it only the end, and with neither
// (the query is the one word) anywhere inside a word.
struct TBookSearchIndex::TPart {
    std::size_t Offset;
    std::size_t Length;
    bool AtWordStart;
    bool AtWordEnd;
};

// The words of the book a part may lie in, and where in each (offsets within the word).
struct TBookSearchIndex::TCandidates {
    struct TMatch {
        std::uint32_t Word;
        std::uint32_t FirstPlace;
        std::uint32_t PlaceCount;
    };
    std::vector<TMatch> Matches;
    std::vector<std::uint32_t> Places;
    // How many places in the book a search anchored on this part looks at.
    std::size_t Cost = 0;
};

// A match found, among all the texts: the characters that hold its first and last folded
// bytes, which byte of each character's folded form those are, and where the last ends.
struct TBookSearchIndex::TMatch {
    std::uint32_t Document;
    std::uint32_t Begin;
    std::uint32_t Last;
    std::uint32_t End;
    std::uint8_t Skip;
    std::uint8_t LastSkip;

    bool StartsAfter(const TMatch& before) const {
        return Begin != before.Last ? Begin > before.Last : Skip > before.LastSkip;
    }
    bool operator<(const TMatch& other) const {
        return Begin != other.Begin ? Begin < other.Begin : Skip < other.Skip;
    }
};

// A stretch of a text folded, each folded byte with where its character starts in the text.
struct TBookSearchIndex::TFoldWindow {
    std::string Bytes;
    std::vector<std::uint32_t> From;
    std::string Scratch;
    // The document looked at last, its text, and where that starts and ends among all the texts.
    std::uint32_t Document = 0;
    std::string_view Text;
    std::uint32_t Begin = 0;
    std::uint32_t End = 0;

    void Clear() {
        Bytes.clear();
        From.clear();
    }
    void Append(TSearchFolder& folder, std::string_view text, std::size_t& pos) {
        const auto begin = static_cast<std::uint32_t>(pos);
        folder.Append(NextCodePoint(text, pos), Bytes);
        From.resize(Bytes.size(), begin);
    }
    void AppendAll(std::string_view text) {
        TSearchFolder folder;
        for (std::size_t pos = 0; pos < text.size();)
            Append(folder, text, pos);
    }
    // How many bytes of its character's folded form come before byte `at`.
    std::uint8_t SkipAt(std::size_t at) const {
        std::uint8_t skip = 0;
        for (; at > 0 && From[at - 1] == From[at]; --at)
            ++skip;
        return skip;
    }
    // The match of `length` bytes at `at`, in a window over the text of `document` that starts
    // at `base` among all the texts.
    TMatch MatchOf(std::string_view text, std::uint32_t document, std::uint32_t base,
                   std::size_t at, std::size_t length) const {
        const std::size_t last = at + length - 1;
        std::size_t end = From[last];
        NextCodePoint(text, end);
        return {document,          base + From[at],
                base + From[last], base + static_cast<std::uint32_t>(end),
                SkipAt(at),        SkipAt(last)};
    }
};

TBookSearchIndex::TBookSearchIndex() : Building(std::make_unique<TBuilding>()) {}
TBookSearchIndex::~TBookSearchIndex() = default;

void TBookSearchIndex::Add(const TSearchDocument& document, std::string_view text) {
    if (!Building) throw std::logic_error("a finished search index takes no more documents");
    const bool page = document.Place == TSearchPlace::TopicPage;
    const std::size_t where = page ? static_cast<std::uint32_t>(document.Chapter) : document.Entry;
    if (TextEnd + text.size() >= OffsetLimit || where >= WhereLimit)
        throw std::length_error("the book is too large to search");
    // A glossary entry's term reads as its title, and its definition's title is that term.
    std::uint32_t title = TitleOfOwnText;
    if (document.Title != text) {
        const std::size_t count = DocumentTexts.Size();
        if (count > 0 && document.Title == Text(static_cast<std::uint32_t>(count - 1))) {
            title = TitleOfTextBefore;
        } else {
            auto kept = Building->TitleIds.find(document.Title);
            if (kept == Building->TitleIds.end()) {
                if (TitleStarts.size() >= OffsetLimit - FirstKeptTitle)
                    throw std::length_error("the book is too large to search");
                kept = Building->TitleIds
                           .emplace(document.Title, static_cast<std::uint32_t>(TitleStarts.size()))
                           .first;
                TitleStarts.push_back(static_cast<std::uint32_t>(Titles.size()));
                Titles += document.Title;
            }
            title = FirstKeptTitle + kept->second;
        }
    }

    // Each word's places add up first; Finish writes them where they belong.
    const std::uint32_t base = TextEnd;
    ForEachWord(text, Building->Word, [&](std::string_view word, std::size_t offset) {
        auto found = Building->Ids.find(word);
        if (found == Building->Ids.end()) {
            Building->PostingBytes += 5;
            found = Building->Ids
                        .emplace(std::string(word),
                                 static_cast<std::uint32_t>(Building->Tallies.size()))
                        .first;
            Building->Tallies.emplace_back();
        }
        TBuilding::TTally& tally = Building->Tallies[found->second];
        const auto place = static_cast<std::uint32_t>(base + offset);
        const std::size_t bytes = VarintSize(place - tally.Last);
        // A word's count takes at most 5 bytes before its places.
        if (Building->PostingBytes + bytes + 5 >= OffsetLimit)
            throw std::length_error("the book is too large to search");
        Building->PostingBytes += bytes;
        tally.Bytes += static_cast<std::uint32_t>(bytes);
        tally.Last = place;
        ++tally.Count;
    });

    if (Blocks.empty() ||
        Blocks.back().Bytes.capacity() - Blocks.back().Bytes.size() < text.size()) {
        if (!Blocks.empty()) Blocks.back().Bytes.shrink_to_fit();
        Blocks.push_back({base, {}});
        Blocks.back().Bytes.reserve(std::max(TextBlockBytes, text.size()));
    }
    Blocks.back().Bytes += text;
    TextEnd += static_cast<std::uint32_t>(text.size());
    DocumentTexts.Push(base);
    DocumentKeys.Push(
        static_cast<std::uint32_t>(where * 4 + static_cast<std::size_t>(document.Place)));
    DocumentTitles.Push(title);
}

void TBookSearchIndex::Finish() {
    if (!Building) return;
    TBuilding& building = *Building;
    std::vector<std::pair<std::string_view, std::uint32_t>> order;
    order.reserve(building.Ids.size());
    std::size_t vocabulary = 0;
    for (const auto& [word, id] : building.Ids) {
        order.emplace_back(word, id);
        vocabulary += word.size();
    }
    std::sort(order.begin(), order.end());
    // Each word's places go to its own stretch of Postings, where the word's next place is
    // written next.
    std::vector<std::uint32_t> next(building.Tallies.size());
    Vocabulary.reserve(vocabulary);
    Words.reserve(order.size() + 1);
    std::uint32_t first = 0;
    for (const auto& [word, id] : order) {
        const TBuilding::TTally& tally = building.Tallies[id];
        Words.push_back({static_cast<std::uint32_t>(Vocabulary.size()), first});
        Vocabulary += word;
        next[id] = first + static_cast<std::uint32_t>(VarintSize(tally.Count));
        first = next[id] + tally.Bytes;
    }
    Words.push_back({static_cast<std::uint32_t>(Vocabulary.size()), first});
    Postings.resize(first);
    for (std::size_t w = 0; w + 1 < Words.size(); ++w)
        WriteVarint(Postings.data() + Words[w].First, building.Tallies[order[w].second].Count);

    for (TBuilding::TTally& tally : building.Tallies)
        tally.Last = 0;
    for (std::uint32_t d = 0; d < DocumentCount(); ++d) {
        const std::uint32_t base = DocumentTexts[d];
        ForEachWord(Text(d), building.Word, [&](std::string_view word, std::size_t offset) {
            const std::uint32_t id = building.Ids.find(word)->second;
            const auto place = static_cast<std::uint32_t>(base + offset);
            std::uint8_t* const at = Postings.data() + next[id];
            next[id] +=
                static_cast<std::uint32_t>(WriteVarint(at, place - building.Tallies[id].Last) - at);
            building.Tallies[id].Last = place;
        });
    }
    Building.reset();
    if (!Blocks.empty()) Blocks.back().Bytes.shrink_to_fit();
    Blocks.shrink_to_fit();
    DocumentTexts.ShrinkToFit();
    DocumentKeys.ShrinkToFit();
    DocumentTitles.ShrinkToFit();
    Titles.shrink_to_fit();
    TitleStarts.shrink_to_fit();
}

std::string_view TBookSearchIndex::WordText(std::size_t word) const {
    return std::string_view(Vocabulary).substr(Words[word].At, Words[word + 1].At - Words[word].At);
}

std::uint32_t TBookSearchIndex::PlaceCount(std::size_t word) const {
    const std::uint8_t* list = Postings.data() + Words[word].First;
    return ReadVarint(list);
}

TPostingCursor TBookSearchIndex::Places(std::size_t word) const {
    const std::uint8_t* list = Postings.data() + Words[word].First;
    const std::uint32_t count = ReadVarint(list);
    return TPostingCursor(list, count);
}

TSearchDocument TBookSearchIndex::Document(std::uint32_t document) const {
    if (document >= DocumentCount()) throw std::out_of_range("no such document");
    const std::uint32_t key = DocumentKeys[document];
    const auto place = static_cast<TSearchPlace>(key % 4);
    const bool page = place == TSearchPlace::TopicPage;
    const std::uint32_t title = DocumentTitles[document];
    std::string_view titleText;
    if (title == TitleOfTextBefore) {
        titleText = Text(document - 1);
    } else if (title == TitleOfOwnText) {
        titleText = Text(document);
    } else {
        const std::size_t kept = title - FirstKeptTitle;
        const std::size_t begin = TitleStarts[kept];
        const std::size_t end =
            kept + 1 < TitleStarts.size() ? TitleStarts[kept + 1] : Titles.size();
        titleText = std::string_view(Titles).substr(begin, end - begin);
    }
    return {place, page ? static_cast<int>(key / 4) : 0, std::string(titleText),
            page ? 0 : key / 4};
}

std::string_view TBookSearchIndex::Text(std::uint32_t document) const {
    if (document >= DocumentCount()) throw std::out_of_range("no such document");
    const std::uint32_t end =
        document + 1 < DocumentCount() ? DocumentTexts[document + 1] : TextEnd;
    return TextBetween(DocumentTexts[document], end);
}

std::string_view TBookSearchIndex::TextBetween(std::uint32_t begin, std::uint32_t end) const {
    const auto block = std::upper_bound(Blocks.begin(), Blocks.end(), begin,
                                        [](std::uint32_t offset, const TTextBlock& b) {
                                            return offset < b.Base;
                                        }) -
                       1;
    return std::string_view(block->Bytes).substr(begin - block->Base, end - begin);
}

TSearchHit TBookSearchIndex::MakeHit(const TMatch& match, std::size_t length) const {
    const std::uint32_t base = DocumentTexts[match.Document];
    return {match.Document, match.Begin - base, match.End - base,
            static_cast<std::uint32_t>(length), match.Skip};
}

// Whether the query lies `shift` folded bytes after the character at `offset` (which starts a
// word), folding only the characters around it.
bool TBookSearchIndex::MatchAt(std::uint32_t offset, std::int64_t shift, std::string_view query,
                               TFoldWindow& window, TMatch& match) const {
    if (offset < window.Begin || offset >= window.End) {
        // The document's start and end from one look-up: glossary texts are short, and most
        // places lie in a document of their own.
        window.End = TextEnd;
        window.Document = static_cast<std::uint32_t>(
            DocumentTexts.CountAtMost(offset, &window.Begin, &window.End) - 1);
        window.Text = TextBetween(window.Begin, window.End);
    }
    const std::uint32_t document = window.Document;
    const std::uint32_t base = window.Begin;
    const std::string_view text = window.Text;
    const std::size_t at = offset - base;
    if (const auto plain = MatchInPlainText(text, at, shift, query)) {
        if (!*plain) return false;
        const auto begin = static_cast<std::uint32_t>(base + at + shift);
        const auto end = static_cast<std::uint32_t>(begin + query.size());
        match = {document, begin, end - 1, end, 0, 0};
        return true;
    }
    // Back far enough that the match's start is folded too: folded after white space, the
    // characters give at most what they give in place.
    std::size_t from = at;
    std::string& scratch = window.Scratch;
    for (std::size_t behind = 0; shift < 0 && from > 0 && behind < std::size_t(-shift);) {
        const std::size_t before = CharacterStartBefore(text, from);
        TSearchFolder folder;
        scratch.clear();
        for (std::size_t pos = before; pos < from;)
            folder.Append(NextCodePoint(text, pos), scratch);
        behind += scratch.size();
        from = before;
    }
    TSearchFolder folder(AfterSpaceAt(text, from));
    window.Clear();
    std::size_t pos = from;
    while (pos < at)
        window.Append(folder, text, pos);
    const std::int64_t start = static_cast<std::int64_t>(window.Bytes.size()) + shift;
    if (start < 0) return false;
    const std::size_t end = static_cast<std::size_t>(start) + query.size();
    while (window.Bytes.size() < end && pos < text.size())
        window.Append(folder, text, pos);
    if (window.Bytes.size() < end ||
        window.Bytes.compare(static_cast<std::size_t>(start), query.size(), query) != 0)
        return false;
    match = window.MatchOf(text, document, base, static_cast<std::size_t>(start), query.size());
    return true;
}

TSearchResult TBookSearchIndex::Search(std::string_view query, std::size_t limit) const {
    const std::string folded = FoldForSearch(query);
    if (folded.empty()) return {};
    std::vector<TPart> parts;
    for (std::size_t i = 0; i < folded.size();) {
        if (!IsWordByte(folded[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < folded.size() && IsWordByte(folded[end]))
            ++end;
        parts.push_back({i, end - i, i > 0, end < folded.size()});
        i = end;
    }
    if (parts.empty()) return ScanAll(folded, limit);
    if (parts.size() == 1 && parts[0].Length == folded.size())
        return SearchInWords(folded, Candidates(folded, parts[0]), limit);

    std::size_t anchor = 0;
    TCandidates best = Candidates(folded, parts[0]);
    for (std::size_t i = 1; i < parts.size() && best.Cost > 0; ++i) {
        TCandidates next = Candidates(folded, parts[i]);
        if (next.Cost < best.Cost) {
            best = std::move(next);
            anchor = i;
        }
    }
    return SearchVerified(folded, parts[anchor], best, limit);
}

TBookSearchIndex::TCandidates TBookSearchIndex::Candidates(std::string_view query,
                                                           const TPart& part) const {
    const std::string_view text = query.substr(part.Offset, part.Length);
    TCandidates found;
    const auto add = [&](std::size_t word, std::size_t place) {
        found.Matches.push_back(
            {static_cast<std::uint32_t>(word), static_cast<std::uint32_t>(found.Places.size()), 1});
        found.Places.push_back(static_cast<std::uint32_t>(place));
        found.Cost += PlaceCount(word);
    };

    if (part.AtWordStart) {
        // The words beginning with the part are one run of the sorted words.
        std::size_t word = 0;
        for (std::size_t count = WordCount(); count > 0;) {
            const std::size_t half = count / 2;
            if (WordText(word + half) < text) {
                word += half + 1;
                count -= half + 1;
            } else {
                count = half;
            }
        }
        for (; word < WordCount() && WordText(word).starts_with(text); ++word) {
            if (part.AtWordEnd && WordText(word).size() != text.size()) break;
            add(word, 0);
        }
        return found;
    }
    for (std::size_t w = 0; w < WordCount(); ++w) {
        const std::string_view word = WordText(w);
        if (part.AtWordEnd) {
            if (word.ends_with(text)) add(w, word.size() - text.size());
            continue;
        }
        // Inside a word, left to right without overlapping, as FindText takes them.
        const std::size_t first = found.Places.size();
        for (std::size_t at = word.find(text); at != std::string_view::npos;
             at = word.find(text, at + text.size()))
            found.Places.push_back(static_cast<std::uint32_t>(at));
        const std::size_t count = found.Places.size() - first;
        if (count == 0) continue;
        found.Matches.push_back({static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(first),
                                 static_cast<std::uint32_t>(count)});
        found.Cost += static_cast<std::size_t>(PlaceCount(w)) * count;
    }
    return found;
}

// The query is one word: every place found is a match, and matches in different words of the
// book never overlap, so the total is a sum and only the first `limit` are put in order.
TSearchResult TBookSearchIndex::SearchInWords(const std::string& query,
                                              const TCandidates& candidates,
                                              std::size_t limit) const {
    TSearchResult result;
    result.Total = candidates.Cost;
    // The next place of each candidate word, smallest first.
    using TNext = std::pair<std::uint32_t, std::size_t>; // place, candidate
    std::vector<TPostingCursor> cursors;
    cursors.reserve(candidates.Matches.size());
    std::priority_queue<TNext, std::vector<TNext>, std::greater<>> queue;
    for (std::size_t i = 0; i < candidates.Matches.size(); ++i) {
        cursors.push_back(Places(candidates.Matches[i].Word));
        if (!cursors[i].Done()) queue.emplace(cursors[i].Read(), i);
    }
    TFoldWindow window;
    TMatch found{};
    while (!queue.empty() && result.Hits.size() < limit) {
        const auto [place, i] = queue.top();
        queue.pop();
        const TCandidates::TMatch& match = candidates.Matches[i];
        for (std::uint32_t p = 0; p < match.PlaceCount && result.Hits.size() < limit; ++p)
            if (MatchAt(place, candidates.Places[match.FirstPlace + p], query, window, found))
                result.Hits.push_back(MakeHit(found, query.size()));
        if (!cursors[i].Done()) queue.emplace(cursors[i].Read(), i);
    }
    return result;
}

// The query holds more than one word, or signs around its word: each place of the anchoring
// part is checked against the whole query.
TSearchResult TBookSearchIndex::SearchVerified(const std::string& query, const TPart& part,
                                               const TCandidates& candidates,
                                               std::size_t limit) const {
    std::vector<TMatch> matches;
    TFoldWindow window;
    TMatch found{};
    for (const TCandidates::TMatch& match : candidates.Matches) {
        for (TPostingCursor places = Places(match.Word); !places.Done();) {
            const std::uint32_t place = places.Read();
            for (std::uint32_t p = 0; p < match.PlaceCount; ++p) {
                const std::int64_t shift = std::int64_t{candidates.Places[match.FirstPlace + p]} -
                                           static_cast<std::int64_t>(part.Offset);
                if (MatchAt(place, shift, query, window, found)) matches.push_back(found);
            }
        }
    }
    // One word's places come in order; several words' are merged.
    if (candidates.Matches.size() > 1) std::sort(matches.begin(), matches.end());
    TSearchResult result;
    const TMatch* previous = nullptr;
    for (const TMatch& match : matches) {
        if (previous && !match.StartsAfter(*previous)) continue;
        previous = &match;
        ++result.Total;
        if (result.Hits.size() < limit) result.Hits.push_back(MakeHit(match, query.size()));
    }
    return result;
}

// A query of signs alone has no word to look up: every text is folded and read through.
TSearchResult TBookSearchIndex::ScanAll(const std::string& query, std::size_t limit) const {
    TSearchResult result;
    std::string folded;
    TFoldWindow window;
    for (std::uint32_t d = 0; d < DocumentCount(); ++d) {
        const std::string_view text = Text(d);
        folded.clear();
        TSearchFolder folder;
        folder.AppendText(text, folded);
        std::size_t found = 0;
        for (std::size_t at = folded.find(query); at != std::string::npos;
             at = folded.find(query, at + query.size()))
            ++found;
        result.Total += found;
        if (found == 0 || result.Hits.size() >= limit) continue;
        // Only the listed matches need their places in the text.
        window.Clear();
        window.AppendAll(text);
        for (std::size_t at = window.Bytes.find(query);
             at != std::string::npos && result.Hits.size() < limit;
             at = window.Bytes.find(query, at + query.size()))
            result.Hits.push_back(
                MakeHit(window.MatchOf(text, d, DocumentTexts[d], at, query.size()), query.size()));
    }
    return result;
}

TTextRange TBookSearchIndex::HitRange(const TSearchHit& hit) const {
    return {hit.Begin, hit.End};
}

TSearchSnippet TBookSearchIndex::Snippet(const TSearchHit& hit, std::size_t context) const {
    const std::string_view text = Text(hit.Document);
    const TTextRange range = HitRange(hit);

    std::size_t from = range.Begin;
    for (std::size_t chars = 0; from > 0 && chars < context; ++chars) {
        --from;
        while (from > 0 && IsContinuationByte(text[from]))
            --from;
    }
    const bool cutBefore = from > 0;
    if (cutBefore && text[from - 1] != ' ') {
        const std::size_t space = text.find(' ', from);
        if (space < range.Begin) from = space + 1;
    }
    std::size_t to = range.End;
    for (std::size_t chars = 0; to < text.size() && chars < context; ++chars) {
        ++to;
        while (to < text.size() && IsContinuationByte(text[to]))
            ++to;
    }
    const bool cutAfter = to < text.size();
    if (cutAfter && text[to] != ' ') {
        const std::size_t space = text.rfind(' ', to);
        if (space != std::string_view::npos && space >= range.End) to = space;
    }

    TSearchSnippet snippet;
    if (cutBefore) snippet.Before = Ellipsis;
    snippet.Before += text.substr(from, range.Begin - from);
    snippet.Match = text.substr(range.Begin, range.End - range.Begin);
    snippet.After = text.substr(range.End, to - range.End);
    if (cutAfter) snippet.After += Ellipsis;
    return snippet;
}

std::size_t TBookSearchIndex::OrdinalInDocument(const TSearchHit& hit) const {
    TFoldWindow window;
    window.AppendAll(Text(hit.Document));
    const std::size_t start =
        static_cast<std::size_t>(
            std::lower_bound(window.From.begin(), window.From.end(), hit.Begin) -
            window.From.begin()) +
        hit.Skip;
    if (start + hit.Length > window.Bytes.size() || hit.Length == 0) return 0;
    const std::string_view folded = window.Bytes;
    const std::string_view query = folded.substr(start, hit.Length);
    std::size_t before = 0;
    for (std::size_t at = folded.find(query); at < start;
         at = folded.find(query, at + query.size()))
        ++before;
    return before;
}

std::size_t TBookSearchIndex::MemoryBytes() const {
    std::size_t bytes = Blocks.capacity() * sizeof(TTextBlock) + DocumentTexts.MemoryBytes() +
                        DocumentKeys.MemoryBytes() + DocumentTitles.MemoryBytes() +
                        Titles.capacity() + TitleStarts.capacity() * sizeof(std::uint32_t) +
                        Vocabulary.capacity() + Words.capacity() * sizeof(TWord) +
                        Postings.capacity();
    for (const TTextBlock& block : Blocks)
        bytes += block.Bytes.capacity();
    return bytes;
}

} // namespace quillara
