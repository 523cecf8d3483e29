#include "core/search/book_search_index.h"

#include "core/search/search_fold.h"
#include "core/search/search_tokens.h"
#include "core/text/utf8.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>
#include <mutex>
#include <queue>
#include <stdexcept>
#include <unordered_map>

namespace quillara {

namespace {

constexpr std::size_t PlaceLimit = std::numeric_limits<std::uint32_t>::max();
// Chapters and entries are kept times 4, beside the place.
constexpr std::size_t WhereLimit = std::size_t{1} << 30;
// Titles told as a document's text rather than kept.
constexpr std::uint32_t TitleOfTextBefore = 0;
constexpr std::uint32_t TitleOfOwnText = 1;
constexpr std::uint32_t FirstKeptTitle = 2;
// Documents read again and kept for the next look: the lines of a list of hits come a few
// documents at a time.
constexpr std::size_t ReadDocumentsKept = 4;

constexpr std::string_view Ellipsis = "\xE2\x80\xA6";

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// One bit for each token of the book.
class TTokenBits {
public:
    explicit TTokenBits(std::uint32_t count) : Words(count / 64 + 1) {}
    void Set(std::uint32_t place) { Words[place / 64] |= std::uint64_t{1} << (place % 64); }
    void Clear(std::uint32_t place) { Words[place / 64] &= ~(std::uint64_t{1} << (place % 64)); }
    bool Has(std::uint32_t place) const { return (Words[place / 64] >> (place % 64)) & 1; }
    // Every place set, in order, cleared on the way.
    void TakeAll(std::vector<std::uint32_t>& places) {
        for (std::size_t w = 0; w < Words.size(); ++w)
            for (std::uint64_t bits = Words[w]; bits != 0; bits &= bits - 1)
                places.push_back(static_cast<std::uint32_t>(w * 64 + std::countr_zero(bits)));
        std::fill(Words.begin(), Words.end(), 0);
    }

private:
    std::vector<std::uint64_t> Words;
};

// Distinct tokens, numbered from 0 as they first come: each kept once, one after another in one
// text, and found through an open-addressed table of their numbers, so that a token costs no
// string of its own.
class TTokenIds {
public:
    std::size_t size() const { return Starts.size() - 1; }
    std::string_view Text(std::uint32_t id) const {
        return std::string_view(Texts).substr(Starts[id], Starts[id + 1] - Starts[id]);
    }
    // The token's number, a new one (size() before the call) when it was not there.
    std::uint32_t Find(std::string_view token) {
        if (2 * (size() + 1) > Slots.size()) Grow();
        const std::size_t hash = std::hash<std::string_view>{}(token);
        const auto high = static_cast<std::uint32_t>(hash >> 32);
        const std::size_t mask = Slots.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            TSlot& slot = Slots[at];
            if (slot.Id == 0) {
                const auto id = static_cast<std::uint32_t>(size());
                slot = {high, id + 1};
                Texts += token;
                Starts.push_back(static_cast<std::uint32_t>(Texts.size()));
                return id;
            }
            if (slot.Hash == high && Text(slot.Id - 1) == token) return slot.Id - 1;
        }
    }

private:
    struct TSlot {
        std::uint32_t Hash = 0; // the upper half of the token's hash, to pass over others
        std::uint32_t Id = 0;   // 1 + the token's number; 0 for an empty slot
    };
    void Grow() {
        std::vector<TSlot> slots(std::max<std::size_t>(Slots.size() * 2, 1024));
        const std::size_t mask = slots.size() - 1;
        for (std::uint32_t id = 0; id < size(); ++id) {
            const std::size_t hash = std::hash<std::string_view>{}(Text(id));
            std::size_t at = hash & mask;
            while (slots[at].Id != 0)
                at = (at + 1) & mask;
            slots[at] = {static_cast<std::uint32_t>(hash >> 32), id + 1};
        }
        Slots.swap(slots);
    }

    std::vector<TSlot> Slots; // a power of two, at most half full
    std::string Texts;
    std::vector<std::uint32_t> Starts{0};
};

} // namespace

// While adding: each distinct token's id and its places so far, and each distinct title's.
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
        std::uint32_t Last = 0;
        std::string Places;
    };
    TTokenIds Ids;
    std::vector<TTally> Tallies;
    std::size_t PostingBytes = 0;
    TIds TitleIds;
    std::string LastText;
    std::string Token;
};

// A run of the folded query, word or signs, and how it must lie in a token of the book: as the
// whole token, at its start (a run before it in the query), at its end (a run after it), or,
// for a query of one run, anywhere inside.
struct TBookSearchIndex::TSlot {
    enum TKind { Whole, Start, End, Inside };
    std::string_view Text;
    TKind Kind;
};

// The tokens of the book a slot may lie in, and where in each (offsets within the token).
struct TBookSearchIndex::TCandidates {
    struct TMatch {
        std::uint32_t Token;
        std::uint32_t FirstPlace;
        std::uint32_t PlaceCount;
    };
    std::vector<TMatch> Matches;
    std::vector<std::uint32_t> Places;
    // How many places in the book the slot's matches take.
    std::size_t Cost = 0;
};

// A document's text read again, where each of its tokens starts in it, and whether it still
// reads as it was indexed.
struct TBookSearchIndex::TReadDocument {
    std::uint32_t Document = 0;
    std::string Text;
    std::vector<std::uint32_t> TokenStarts;
    bool Intact = false;
};

struct TBookSearchIndex::TReadCache {
    std::mutex Lock;
    // The documents read last, the latest first.
    std::vector<std::shared_ptr<const TReadDocument>> Kept;
};

// A hit found in its document's text again.
struct TBookSearchIndex::TLocated {
    std::shared_ptr<const TReadDocument> Read;
    TTextRange Range;
    // How many bytes of its first character's compared form come before the match.
    std::size_t Skip = 0;
};

TBookSearchIndex::TBookSearchIndex()
    : Building(std::make_unique<TBuilding>()), Cache(std::make_unique<TReadCache>()) {
    auto kept = std::make_unique<TKeptSearchTexts>();
    Kept = kept.get();
    Texts = std::move(kept);
}

TBookSearchIndex::TBookSearchIndex(std::unique_ptr<const TSearchTexts> texts)
    : Building(std::make_unique<TBuilding>()), Texts(std::move(texts)),
      Cache(std::make_unique<TReadCache>()) {}

TBookSearchIndex::~TBookSearchIndex() = default;

void TBookSearchIndex::Add(const TSearchDocument& document, std::string_view text) {
    if (!Building) throw std::logic_error("a finished search index takes no more documents");
    TBuilding& building = *Building;
    const bool page = document.Place == TSearchPlace::TopicPage;
    const std::size_t where = page ? static_cast<std::uint32_t>(document.Chapter) : document.Entry;
    if (where >= WhereLimit) throw std::length_error("the book is too large to search");
    // A glossary entry's term reads as its title, and its definition's title is that term. A
    // page's title finds its text, so it is always kept.
    std::uint32_t title = TitleOfOwnText;
    if (page || document.Title != text) {
        if (!page && DocumentCount() > 0 && document.Title == building.LastText) {
            title = TitleOfTextBefore;
        } else {
            auto kept = building.TitleIds.find(document.Title);
            if (kept == building.TitleIds.end()) {
                if (TitleStarts.size() >= PlaceLimit - FirstKeptTitle)
                    throw std::length_error("the book is too large to search");
                kept = building.TitleIds
                           .emplace(document.Title, static_cast<std::uint32_t>(TitleStarts.size()))
                           .first;
                TitleStarts.push_back(static_cast<std::uint32_t>(Titles.size()));
                Titles += document.Title;
            }
            title = FirstKeptTitle + kept->second;
        }
    }

    DocumentTokens.Push(TokenEnd);
    ForEachSearchToken(text, building.Token, [&](std::string_view token, std::size_t) {
        if (TokenEnd == PlaceLimit) throw std::length_error("the book is too large to search");
        const std::uint32_t id = building.Ids.Find(token);
        if (id == building.Tallies.size()) {
            // A token's count takes at most 5 bytes before its places.
            building.PostingBytes += 5;
            building.Tallies.emplace_back();
        }
        TBuilding::TTally& tally = building.Tallies[id];
        std::uint8_t bytes[5];
        const std::uint8_t* const end = WriteVarint(bytes, TokenEnd - tally.Last);
        building.PostingBytes += static_cast<std::size_t>(end - bytes);
        if (building.PostingBytes >= PlaceLimit)
            throw std::length_error("the book is too large to search");
        tally.Places.append(reinterpret_cast<const char*>(bytes),
                            static_cast<std::size_t>(end - bytes));
        tally.Last = TokenEnd++;
        ++tally.Count;
    });
    building.LastText = text;
    AddedBytes += text.size();
    if (Kept) Kept->Keep(text);
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
    std::size_t postings = 0;
    for (std::uint32_t id = 0; id < building.Ids.size(); ++id) {
        const std::string_view token = building.Ids.Text(id);
        order.emplace_back(token, id);
        vocabulary += token.size();
        postings += VarintSize(building.Tallies[id].Count) + building.Tallies[id].Places.size();
    }
    std::sort(order.begin(), order.end());
    Vocabulary.reserve(vocabulary);
    Tokens.reserve(order.size() + 1);
    Postings.reserve(postings);
    for (const auto& [token, id] : order) {
        TBuilding::TTally& tally = building.Tallies[id];
        Tokens.push_back({static_cast<std::uint32_t>(Vocabulary.size()),
                          static_cast<std::uint32_t>(Postings.size())});
        Vocabulary += token;
        std::uint8_t count[5];
        Postings.insert(Postings.end(), +count, WriteVarint(count, tally.Count));
        Postings.insert(Postings.end(), tally.Places.begin(), tally.Places.end());
        // Each token's places are let go as soon as they are copied.
        std::string().swap(tally.Places);
    }
    Tokens.push_back({static_cast<std::uint32_t>(Vocabulary.size()),
                      static_cast<std::uint32_t>(Postings.size())});
    Building.reset();
    DocumentTokens.ShrinkToFit();
    DocumentKeys.ShrinkToFit();
    DocumentTitles.ShrinkToFit();
    Titles.shrink_to_fit();
    TitleStarts.shrink_to_fit();
}

std::string_view TBookSearchIndex::TokenText(std::size_t token) const {
    return std::string_view(Vocabulary)
        .substr(Tokens[token].At, Tokens[token + 1].At - Tokens[token].At);
}

std::uint32_t TBookSearchIndex::PlaceCount(std::size_t token) const {
    const std::uint8_t* list = Postings.data() + Tokens[token].First;
    return ReadVarint(list);
}

TPostingCursor TBookSearchIndex::Places(std::size_t token) const {
    const std::uint8_t* list = Postings.data() + Tokens[token].First;
    const std::uint32_t count = ReadVarint(list);
    return {list, count};
}

std::uint32_t TBookSearchIndex::DocumentAt(std::uint32_t place, std::uint32_t& begin,
                                           std::uint32_t& end) const {
    end = TokenEnd;
    return static_cast<std::uint32_t>(DocumentTokens.CountAtMost(place, &begin, &end) - 1);
}

TSearchDocument TBookSearchIndex::Where(std::uint32_t document) const {
    if (document >= DocumentCount()) throw std::out_of_range("no such document");
    const std::uint32_t key = DocumentKeys[document];
    const auto place = static_cast<TSearchPlace>(key % 4);
    const bool page = place == TSearchPlace::TopicPage;
    std::string title;
    if (const std::uint32_t told = DocumentTitles[document]; told >= FirstKeptTitle) {
        const std::size_t kept = told - FirstKeptTitle;
        const std::size_t begin = TitleStarts[kept];
        const std::size_t end =
            kept + 1 < TitleStarts.size() ? TitleStarts[kept + 1] : Titles.size();
        title = Titles.substr(begin, end - begin);
    }
    return {place, page ? static_cast<int>(key / 4) : 0, std::move(title), page ? 0 : key / 4};
}

TSearchDocument TBookSearchIndex::Document(std::uint32_t document) const {
    TSearchDocument found = Where(document);
    const std::uint32_t title = DocumentTitles[document];
    if (title == TitleOfTextBefore)
        found.Title = Text(document - 1);
    else if (title == TitleOfOwnText)
        found.Title = Text(document);
    return found;
}

std::shared_ptr<const TBookSearchIndex::TReadDocument>
TBookSearchIndex::Read(std::uint32_t document) const {
    const TSearchDocument where = Where(document);
    {
        const std::lock_guard lock(Cache->Lock);
        auto& kept = Cache->Kept;
        const auto found = std::find_if(
            kept.begin(), kept.end(), [&](const auto& read) { return read->Document == document; });
        // A text read before is read again once its file has changed.
        if (found != kept.end() && (!(*found)->Intact || Texts->Unchanged(document, where))) {
            std::rotate(kept.begin(), found, found + 1);
            return kept.front();
        }
        if (found != kept.end()) kept.erase(found);
    }
    auto read = std::make_shared<TReadDocument>();
    read->Document = document;
    if (std::optional<std::string> text = Texts->Text(document, where)) {
        read->Text = std::move(*text);
        std::string scratch;
        ForEachSearchToken(read->Text, scratch, [&](std::string_view, std::size_t start) {
            read->TokenStarts.push_back(static_cast<std::uint32_t>(start));
        });
        const std::uint32_t end =
            document + 1 < DocumentCount() ? DocumentTokens[document + 1] : TokenEnd;
        // A text that has changed since it was indexed shows nothing of itself.
        read->Intact = read->TokenStarts.size() == end - DocumentTokens[document];
        if (!read->Intact) {
            read->Text.clear();
            read->TokenStarts.clear();
        }
    }
    const std::lock_guard lock(Cache->Lock);
    auto& kept = Cache->Kept;
    kept.insert(kept.begin(), read);
    if (kept.size() > ReadDocumentsKept) kept.pop_back();
    return read;
}

std::string TBookSearchIndex::Text(std::uint32_t document) const {
    if (document >= DocumentCount()) throw std::out_of_range("no such document");
    return Read(document)->Text;
}

TSearchResult TBookSearchIndex::Search(std::string_view query, std::size_t limit) const {
    const std::string folded = FoldForSearch(query);
    if (folded.empty()) return {};
    // The query's runs of word bytes and of signs; a single space between two words is no run,
    // as it is no token.
    std::vector<std::string_view> runs;
    for (std::size_t i = 0; i < folded.size();) {
        const bool word = IsWordByte(folded[i]);
        std::size_t end = i;
        while (end < folded.size() && IsWordByte(folded[end]) == word)
            ++end;
        runs.push_back(std::string_view(folded).substr(i, end - i));
        i = end;
    }
    if (runs.size() == 1)
        return SearchInTokens(Candidates({runs[0], TSlot::Inside}), folded.size(), limit);
    std::vector<TSlot> slots;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const bool first = i == 0;
        const bool last = i + 1 == runs.size();
        if (!first && !last && runs[i] == " ") continue;
        slots.push_back({runs[i], first ? TSlot::End : last ? TSlot::Start : TSlot::Whole});
    }
    return SearchSlots(slots, folded.size(), limit);
}

TBookSearchIndex::TCandidates TBookSearchIndex::Candidates(const TSlot& slot) const {
    const std::string_view text = slot.Text;
    TCandidates found;
    const auto add = [&](std::size_t token, std::size_t place) {
        found.Matches.push_back({static_cast<std::uint32_t>(token),
                                 static_cast<std::uint32_t>(found.Places.size()), 1});
        found.Places.push_back(static_cast<std::uint32_t>(place));
        found.Cost += PlaceCount(token);
    };

    if (slot.Kind == TSlot::Whole || slot.Kind == TSlot::Start) {
        // The tokens beginning with the text are one run of the sorted tokens.
        std::size_t token = 0;
        for (std::size_t count = TokenCount(); count > 0;) {
            const std::size_t half = count / 2;
            if (TokenText(token + half) < text) {
                token += half + 1;
                count -= half + 1;
            } else {
                count = half;
            }
        }
        for (; token < TokenCount() && TokenText(token).starts_with(text); ++token) {
            if (slot.Kind == TSlot::Whole && TokenText(token).size() != text.size()) break;
            add(token, 0);
        }
        return found;
    }
    for (std::size_t t = 0; t < TokenCount(); ++t) {
        const std::string_view token = TokenText(t);
        if (slot.Kind == TSlot::End) {
            if (token.ends_with(text)) add(t, token.size() - text.size());
            continue;
        }
        // Inside a token, left to right without overlapping, as FindText takes them.
        const std::size_t first = found.Places.size();
        for (std::size_t at = token.find(text); at != std::string_view::npos;
             at = token.find(text, at + text.size()))
            found.Places.push_back(static_cast<std::uint32_t>(at));
        const std::size_t count = found.Places.size() - first;
        if (count == 0) continue;
        found.Matches.push_back({static_cast<std::uint32_t>(t), static_cast<std::uint32_t>(first),
                                 static_cast<std::uint32_t>(count)});
        found.Cost += static_cast<std::size_t>(PlaceCount(t)) * count;
    }
    return found;
}

// The query is one run, a word or signs: it lies inside one token, so every place found is a
// match, matches in different tokens never overlap, the total is a sum, and only the first
// `limit` are put in order.
TSearchResult TBookSearchIndex::SearchInTokens(const TCandidates& candidates, std::size_t length,
                                               std::size_t limit) const {
    TSearchResult result;
    result.Total = candidates.Cost;
    // The next place of each candidate token, smallest first.
    using TNext = std::pair<std::uint32_t, std::size_t>; // place, candidate
    std::vector<TPostingCursor> cursors;
    cursors.reserve(candidates.Matches.size());
    std::priority_queue<TNext, std::vector<TNext>, std::greater<>> queue;
    for (std::size_t i = 0; i < candidates.Matches.size(); ++i) {
        cursors.push_back(Places(candidates.Matches[i].Token));
        if (!cursors[i].Done()) queue.emplace(cursors[i].Read(), i);
    }
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    std::uint32_t document = 0;
    while (!queue.empty() && result.Hits.size() < limit) {
        const auto [place, i] = queue.top();
        queue.pop();
        if (place < begin || place >= end) document = DocumentAt(place, begin, end);
        const TCandidates::TMatch& match = candidates.Matches[i];
        for (std::uint32_t p = 0; p < match.PlaceCount && result.Hits.size() < limit; ++p)
            result.Hits.push_back({document, place - begin, candidates.Places[match.FirstPlace + p],
                                   static_cast<std::uint32_t>(length)});
        if (!cursors[i].Done()) queue.emplace(cursors[i].Read(), i);
    }
    return result;
}

// The query is several runs, each in a token of its own, the tokens one after the other in one
// document. The places where the rarest slot's tokens stand give the matches that may be; each
// other slot keeps those whose token at its place is one of its own.
TSearchResult TBookSearchIndex::SearchSlots(const std::vector<TSlot>& slots, std::size_t length,
                                            std::size_t limit) const {
    std::vector<TCandidates> candidates;
    for (const TSlot& slot : slots) {
        candidates.push_back(Candidates(slot));
        if (candidates.back().Matches.empty()) return {};
    }
    std::vector<std::size_t> order(slots.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return candidates[a].Cost < candidates[b].Cost;
    });

    // The first slot's place of each match that may be, in order.
    TTokenBits marked(TokenEnd);
    std::vector<std::uint32_t> starts;
    const std::size_t anchor = order.front();
    for (const TCandidates::TMatch& match : candidates[anchor].Matches)
        for (TPostingCursor places = Places(match.Token); !places.Done();) {
            const std::uint32_t place = places.Read();
            if (place < anchor) continue;
            if (candidates[anchor].Matches.size() == 1)
                starts.push_back(place - static_cast<std::uint32_t>(anchor));
            else
                marked.Set(place - static_cast<std::uint32_t>(anchor));
        }
    if (candidates[anchor].Matches.size() > 1) marked.TakeAll(starts);
    const std::uint32_t last = static_cast<std::uint32_t>(slots.size() - 1);
    while (!starts.empty() && starts.back() + last >= TokenEnd)
        starts.pop_back();

    // Slots alike (a word the query repeats) are checked together, their tokens' places read
    // once; rarer slots first, so that few matches may be left for the common ones.
    std::vector<std::vector<std::uint32_t>> alike;
    for (std::size_t o = 1; o < order.size(); ++o) {
        const TSlot& slot = slots[order[o]];
        const auto same = std::find_if(alike.begin(), alike.end(), [&](const auto& group) {
            return slots[group.front()].Text == slot.Text && slots[group.front()].Kind == slot.Kind;
        });
        if (same == alike.end())
            alike.push_back({static_cast<std::uint32_t>(order[o])});
        else
            same->push_back(static_cast<std::uint32_t>(order[o]));
    }
    TTokenBits found(TokenEnd);
    for (const std::vector<std::uint32_t>& group : alike) {
        if (starts.empty()) break;
        for (const std::uint32_t slot : group)
            for (const std::uint32_t start : starts)
                marked.Set(start + slot);
        const std::uint32_t furthest = starts.back() + last;
        for (const TCandidates::TMatch& match : candidates[group.front()].Matches)
            for (TPostingCursor places = Places(match.Token); !places.Done();) {
                const std::uint32_t place = places.Read();
                if (place > furthest) break;
                if (marked.Has(place)) found.Set(place);
            }
        // Two matches may look at one place: every match is judged before any bit is cleared.
        std::vector<std::uint32_t> left;
        for (const std::uint32_t start : starts)
            if (std::all_of(group.begin(), group.end(),
                            [&](std::uint32_t slot) { return found.Has(start + slot); }))
                left.push_back(start);
        for (const std::uint32_t start : starts)
            for (const std::uint32_t slot : group) {
                marked.Clear(start + slot);
                found.Clear(start + slot);
            }
        starts = std::move(left);
    }

    // A match that starts at the end of its first token starts as far into it as that token
    // is long.
    std::vector<std::uint32_t> shifts(starts.size(), 0);
    const TCandidates& first = candidates.front();
    if (slots.front().Kind == TSlot::End) {
        for (const std::uint32_t start : starts)
            marked.Set(start);
        for (const TCandidates::TMatch& match : first.Matches)
            for (TPostingCursor places = Places(match.Token); !places.Done();) {
                const std::uint32_t place = places.Read();
                if (!marked.Has(place)) continue;
                const auto at = std::lower_bound(starts.begin(), starts.end(), place);
                shifts[static_cast<std::size_t>(at - starts.begin())] =
                    first.Places[match.FirstPlace];
            }
        for (const std::uint32_t start : starts)
            marked.Clear(start);
    }

    // Matches lie in one document, and each starts after the one before it ends: its last
    // byte lies in the last slot's token, as far in as that slot's text is long.
    TSearchResult result;
    const auto lastShift = static_cast<std::uint32_t>(slots.back().Text.size() - 1);
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    std::uint32_t document = 0;
    bool any = false;
    std::uint32_t previousLast = 0;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::uint32_t start = starts[i];
        if (start < begin || start >= end) document = DocumentAt(start, begin, end);
        if (start + last >= end) continue;
        if (any && (start < previousLast || (start == previousLast && shifts[i] <= lastShift)))
            continue;
        any = true;
        previousLast = start + last;
        ++result.Total;
        if (result.Hits.size() < limit)
            result.Hits.push_back(
                {document, start - begin, shifts[i], static_cast<std::uint32_t>(length)});
    }
    return result;
}

// Finds the hit in its document's text read again: from where its token starts, folds as far
// as the match goes.
bool TBookSearchIndex::Locate(const TSearchHit& hit, TLocated& located) const {
    if (hit.Document >= DocumentCount() || hit.Length == 0) return false;
    located.Read = Read(hit.Document);
    const TReadDocument& read = *located.Read;
    if (!read.Intact || hit.Token >= read.TokenStarts.size()) return false;
    const std::string_view text = read.Text;
    // Only a document's first token can follow no word, where white space folds to nothing.
    TSearchFolder folder(hit.Token == 0);
    std::string folded;
    std::vector<std::size_t> from;
    const std::size_t want = std::size_t{hit.Shift} + hit.Length;
    std::size_t pos = read.TokenStarts[hit.Token];
    while (folded.size() < want && pos < text.size()) {
        const std::size_t at = pos;
        folder.Append(NextCodePoint(text, pos), folded);
        from.resize(folded.size(), at);
    }
    if (folded.size() < want) return false;
    std::size_t end = from[want - 1];
    NextCodePoint(text, end);
    located.Range = {from[hit.Shift], end};
    located.Skip = 0;
    for (std::size_t at = hit.Shift; at > 0 && from[at - 1] == from[at]; --at)
        ++located.Skip;
    return true;
}

TTextRange TBookSearchIndex::HitRange(const TSearchHit& hit) const {
    TLocated located;
    return Locate(hit, located) ? located.Range : TTextRange{};
}

TSearchSnippet TBookSearchIndex::Snippet(const TSearchHit& hit, std::size_t context) const {
    TLocated located;
    if (!Locate(hit, located)) return {};
    const std::string_view text = located.Read->Text;
    const TTextRange range = located.Range;

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
    TLocated located;
    if (!Locate(hit, located)) return 0;
    // The whole text folded, each folded byte with where its character starts.
    const std::string_view text = located.Read->Text;
    std::string folded;
    std::vector<std::size_t> from;
    TSearchFolder folder;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t at = pos;
        folder.Append(NextCodePoint(text, pos), folded);
        from.resize(folded.size(), at);
    }
    const std::size_t start =
        static_cast<std::size_t>(std::lower_bound(from.begin(), from.end(), located.Range.Begin) -
                                 from.begin()) +
        located.Skip;
    if (start + hit.Length > folded.size()) return 0;
    const std::string_view all = folded;
    const std::string_view query = all.substr(start, hit.Length);
    std::size_t before = 0;
    for (std::size_t at = all.find(query); at < start; at = all.find(query, at + query.size()))
        ++before;
    return before;
}

std::size_t TBookSearchIndex::MemoryBytes() const {
    return DocumentTokens.MemoryBytes() + DocumentKeys.MemoryBytes() +
           DocumentTitles.MemoryBytes() + Titles.capacity() +
           TitleStarts.capacity() * sizeof(std::uint32_t) + Vocabulary.capacity() +
           Tokens.capacity() * sizeof(TToken) + Postings.capacity() + Texts->MemoryBytes();
}

} // namespace quillara
