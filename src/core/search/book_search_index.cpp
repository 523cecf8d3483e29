#include "search/book_search_index.h"

#include "search/search_fold.h"
#include "text/utf8.h"

#include <algorithm>
#include <limits>
#include <queue>
#include <stdexcept>

namespace quillara {

namespace {

// Placing a hit in its document's text folds again from the last checkpoint before it, so it
// never folds more than about this many bytes of text.
constexpr std::size_t CheckpointSpacing = 4096;

constexpr std::size_t OffsetLimit = std::numeric_limits<std::uint32_t>::max();

constexpr std::string_view Ellipsis = "\xE2\x80\xA6";

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

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

TBookSearchIndex::TBookSearchIndex() : Building(std::make_unique<TBuilding>()) {}
TBookSearchIndex::~TBookSearchIndex() = default;

void TBookSearchIndex::Add(TSearchDocument document, std::string_view text) {
    if (!Building) throw std::logic_error("a finished search index takes no more documents");
    // Folding never makes a text more than three times longer: a byte that is not UTF-8 becomes
    // U+FFFD.
    if (Texts.size() + text.size() >= OffsetLimit ||
        Folded.size() + 3 * text.size() + 1 >= OffsetLimit)
        throw std::length_error("the book is too large to search");
    const auto textBase = static_cast<std::uint32_t>(Texts.size());
    Documents.push_back(std::move(document));
    Spans.push_back({textBase, static_cast<std::uint32_t>(Folded.size())});
    Texts += text;

    // Folded a stretch at a time, each stretch starting at a checkpoint on a whole character.
    TSearchFolder folder;
    std::size_t wordStart = std::string::npos;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = std::min(text.size(), pos + CheckpointSpacing);
        while (end < text.size() && IsContinuationByte(text[end]))
            ++end;
        Checkpoints.push_back({static_cast<std::uint32_t>(Folded.size()),
                               static_cast<std::uint32_t>(textBase + pos), folder.AfterSpace()});
        const std::size_t before = Folded.size();
        folder.AppendText(text.substr(pos, end - pos), Folded);
        pos = end;
        for (std::size_t b = before; b < Folded.size(); ++b) {
            if (IsWordByte(Folded[b])) {
                if (wordStart == std::string::npos) wordStart = b;
            } else if (wordStart != std::string::npos) {
                AddWord(wordStart, b);
                wordStart = std::string::npos;
            }
        }
    }
    if (wordStart != std::string::npos) AddWord(wordStart, Folded.size());
    Folded += '\0';
}

void TBookSearchIndex::AddWord(std::size_t begin, std::size_t end) {
    const std::string_view word(Folded.data() + begin, end - begin);
    auto found = Building->Ids.find(word);
    if (found == Building->Ids.end()) {
        found = Building->Ids
                    .emplace(std::string(word), static_cast<std::uint32_t>(Building->Counts.size()))
                    .first;
        Building->Counts.push_back(0);
    }
    ++Building->Counts[found->second];
    Building->TokenIds.push_back(found->second);
    Building->TokenStarts.push_back(static_cast<std::uint32_t>(begin));
}

void TBookSearchIndex::Finish() {
    if (!Building) return;
    std::vector<std::pair<const std::string*, std::uint32_t>> order;
    order.reserve(Building->Ids.size());
    for (const auto& [word, id] : Building->Ids)
        order.emplace_back(&word, id);
    std::sort(order.begin(), order.end(),
              [](const auto& a, const auto& b) { return *a.first < *b.first; });
    // Each word's postings go to its own stretch of Postings, in the order of the text.
    std::vector<std::uint32_t> next(Building->Counts.size());
    Words.reserve(order.size());
    std::uint32_t first = 0;
    for (const auto& [word, id] : order) {
        Words.push_back({0, static_cast<std::uint32_t>(word->size()), first, Building->Counts[id]});
        next[id] = first;
        first += Building->Counts[id];
    }
    Postings.resize(first);
    for (std::size_t t = 0; t < Building->TokenIds.size(); ++t)
        Postings[next[Building->TokenIds[t]]++] = Building->TokenStarts[t];
    for (TWord& word : Words)
        word.At = Postings[word.First];
    Building.reset();
    Texts.shrink_to_fit();
    Folded.shrink_to_fit();
    Checkpoints.shrink_to_fit();
}

std::string_view TBookSearchIndex::WordText(const TWord& word) const {
    return std::string_view(Folded).substr(word.At, word.Length);
}

const TSearchDocument& TBookSearchIndex::Document(std::uint32_t document) const {
    return Documents.at(document);
}

std::string_view TBookSearchIndex::Text(std::uint32_t document) const {
    const std::size_t begin = Spans.at(document).Text;
    const std::size_t end = document + 1 < Spans.size() ? Spans[document + 1].Text : Texts.size();
    return std::string_view(Texts).substr(begin, end - begin);
}

std::uint32_t TBookSearchIndex::DocumentAt(std::size_t folded) const {
    const auto after = std::upper_bound(
        Spans.begin(), Spans.end(), folded,
        [](std::size_t offset, const TSpan& span) { return offset < span.Folded; });
    return static_cast<std::uint32_t>(after - Spans.begin() - 1);
}

TSearchHit TBookSearchIndex::MakeHit(std::size_t begin, std::size_t length) const {
    return {DocumentAt(begin), static_cast<std::uint32_t>(begin),
            static_cast<std::uint32_t>(begin + length)};
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
        found.Cost += Words[word].Count;
    };

    if (part.AtWordStart) {
        // The words beginning with the part are one run of the sorted words.
        auto word = std::lower_bound(
            Words.begin(), Words.end(), text,
            [this](const TWord& w, std::string_view t) { return WordText(w) < t; });
        for (; word != Words.end() && WordText(*word).starts_with(text); ++word) {
            if (part.AtWordEnd && word->Length != text.size()) break;
            add(static_cast<std::size_t>(word - Words.begin()), 0);
        }
        return found;
    }
    for (std::size_t w = 0; w < Words.size(); ++w) {
        const std::string_view word = WordText(Words[w]);
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
        found.Cost += static_cast<std::size_t>(Words[w].Count) * count;
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
    // The next posting of each candidate word, smallest first.
    using TCursor = std::pair<std::uint32_t, std::size_t>; // posting, candidate
    std::vector<std::size_t> next(candidates.Matches.size(), 0);
    std::priority_queue<TCursor, std::vector<TCursor>, std::greater<>> queue;
    for (std::size_t i = 0; i < candidates.Matches.size(); ++i)
        queue.emplace(Postings[Words[candidates.Matches[i].Word].First], i);
    while (!queue.empty() && result.Hits.size() < limit) {
        const auto [posting, i] = queue.top();
        queue.pop();
        const TCandidates::TMatch& match = candidates.Matches[i];
        for (std::uint32_t p = 0; p < match.PlaceCount && result.Hits.size() < limit; ++p)
            result.Hits.push_back(
                MakeHit(posting + candidates.Places[match.FirstPlace + p], query.size()));
        const TWord& word = Words[match.Word];
        if (++next[i] < word.Count) queue.emplace(Postings[word.First + next[i]], i);
    }
    return result;
}

// The query holds more than one word, or signs around its word: each place of the anchoring
// part is checked against the whole query.
TSearchResult TBookSearchIndex::SearchVerified(const std::string& query, const TPart& part,
                                               const TCandidates& candidates,
                                               std::size_t limit) const {
    std::vector<std::uint32_t> starts;
    for (const TCandidates::TMatch& match : candidates.Matches) {
        const TWord& word = Words[match.Word];
        for (std::uint32_t k = 0; k < word.Count; ++k)
            for (std::uint32_t p = 0; p < match.PlaceCount; ++p) {
                const std::size_t partAt =
                    std::size_t{Postings[word.First + k]} + candidates.Places[match.FirstPlace + p];
                if (partAt < part.Offset) continue;
                const std::size_t start = partAt - part.Offset;
                if (Folded.compare(start, query.size(), query) == 0)
                    starts.push_back(static_cast<std::uint32_t>(start));
            }
    }
    // One word's postings come in order; several words' are merged.
    if (candidates.Matches.size() > 1) std::sort(starts.begin(), starts.end());
    TSearchResult result;
    std::size_t nextFree = 0;
    for (const std::uint32_t start : starts) {
        if (start < nextFree) continue;
        nextFree = start + query.size();
        ++result.Total;
        if (result.Hits.size() < limit) result.Hits.push_back(MakeHit(start, query.size()));
    }
    return result;
}

// A query of signs alone has no word to look up: the folded text is read through.
TSearchResult TBookSearchIndex::ScanAll(const std::string& query, std::size_t limit) const {
    TSearchResult result;
    for (std::size_t at = Folded.find(query); at != std::string::npos;
         at = Folded.find(query, at + query.size())) {
        ++result.Total;
        if (result.Hits.size() < limit) result.Hits.push_back(MakeHit(at, query.size()));
    }
    return result;
}

TTextRange TBookSearchIndex::HitRange(const TSearchHit& hit) const {
    const auto checkpoint = std::upper_bound(Checkpoints.begin(), Checkpoints.end(), hit.Begin,
                                             [](std::uint32_t offset, const TCheckpoint& c) {
                                                 return offset < c.Folded;
                                             }) -
                            1;
    const std::size_t textBase = Spans[hit.Document].Text;
    const std::string_view text = Texts;
    TSearchFolder folder(checkpoint->AfterSpace);
    std::size_t folded = checkpoint->Folded;
    std::string scratch;
    TTextRange range{std::string::npos, std::string::npos};
    for (std::size_t pos = checkpoint->Text; pos < text.size();) {
        const std::size_t begin = pos;
        scratch.clear();
        folder.Append(NextCodePoint(text, pos), scratch);
        folded += scratch.size();
        if (range.Begin == std::string::npos && hit.Begin < folded) range.Begin = begin - textBase;
        if (hit.End <= folded) {
            range.End = pos - textBase;
            break;
        }
    }
    return range;
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
    const std::string_view query = std::string_view(Folded).substr(hit.Begin, hit.End - hit.Begin);
    std::size_t before = 0;
    for (std::size_t at = Folded.find(query, Spans.at(hit.Document).Folded); at < hit.Begin;
         at = Folded.find(query, at + query.size()))
        ++before;
    return before;
}

std::size_t TBookSearchIndex::MemoryBytes() const {
    std::size_t bytes = Texts.capacity() + Folded.capacity() +
                        Postings.capacity() * sizeof(std::uint32_t) +
                        Words.capacity() * sizeof(TWord) + Spans.capacity() * sizeof(TSpan) +
                        Checkpoints.capacity() * sizeof(TCheckpoint) +
                        Documents.capacity() * sizeof(TSearchDocument);
    for (const TSearchDocument& document : Documents)
        bytes += document.Title.capacity();
    return bytes;
}

} // namespace quillara
