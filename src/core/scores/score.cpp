#include "core/scores/score.h"

#include "core/book/book_strings.h"
#include "core/platform/clock.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace quillara {

namespace {
// An attempt never comes near the limit; a count that did would otherwise wrap negative.
void Increment(std::int16_t& count) {
    if (count < MaxScoreCount) ++count;
}
} // namespace

void TScoreDetail::write(TByteWriter& out) const {
    out.WriteInt16(correct);
    out.WriteInt16(incorrect);
    out.WriteInt16(chapter);
}

double TScoreDetail::ratio() const {
    const int total = answered();
    return total > 0 ? static_cast<double>(correct) / total : 0.0;
}

TScore::TScore() : date(ProgramClock().now()) {}

TScore::TScore(TByteReader& in) : date(0) {
    std::vector<TScoreDetail> room(std::min<std::size_t>(in.Remaining() / 6, MaxScoreCount));
    TScoreDetail* end = room.data();
    *this = TScore(in, end);
    owned(); // before the room goes
}

// Each field goes straight to its place: a file's reading is mostly this.
TScore::TScore(TByteReader& in, TScoreDetail*& details) {
    const std::int16_t count = in.ReadInt16("detail count");
    date = in.ReadDouble("date");
    Description = ReadShortText(in, "description");
    TScoreDetail* next = details;
    for (int i = 0; i < count; ++i)
        (next++)->read(in);
    Details = {details, next};
    details = next;
}

void TScore::write(TByteWriter& out) const {
    if (Details.size() > static_cast<std::size_t>(MaxScoreCount))
        throw std::length_error("a score holds more details than its record can count");
    out.WriteInt16(static_cast<std::int16_t>(Details.size()));
    out.WriteDouble(date);
    WriteShortString(out, Description);
    for (const TScoreDetail& d : Details)
        d.write(out);
}

TScore::TOwned& TScore::owned() {
    if (!Own) {
        Own = std::make_unique<TOwned>(
            TOwned{std::string(Description), {Details.begin(), Details.end()}});
        Description = Own->Description;
        Details = Own->Details;
    }
    return *Own;
}

void TScore::setDescription(std::string_view text) {
    TOwned& own = owned();
    own.Description = text;
    Description = own.Description;
}

TScoreDetail& TScore::detailOf(std::int16_t chapter) {
    std::vector<TScoreDetail>& details = owned().Details;
    for (TScoreDetail& d : details)
        if (d.chapter == chapter) return d;
    TScoreDetail& added = details.emplace_back(chapter, 0, 0);
    Details = details;
    return added;
}

void TScore::addCorrect(std::int16_t chapter) {
    Increment(detailOf(chapter).correct);
}

void TScore::addIncorrect(std::int16_t chapter) {
    Increment(detailOf(chapter).incorrect);
}

int TScore::totalCorrect() const {
    int sum = 0;
    for (const TScoreDetail& d : Details)
        sum += d.correct;
    return sum;
}

int TScore::totalIncorrect() const {
    int sum = 0;
    for (const TScoreDetail& d : Details)
        sum += d.incorrect;
    return sum;
}

const TScoreDetail& TScore::detail(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= Details.size())
        throw std::out_of_range("no such detail in the score");
    return Details[static_cast<std::size_t>(index)];
}

int wholePercent(int correct, int answered) {
    if (answered <= 0) return 0;
    // Only a damaged file gets far outside 0..100; clamp rather than wrap.
    const long long percent = 100LL * correct / answered;
    return static_cast<int>(std::clamp<long long>(percent, INT_MIN, INT_MAX));
}

} // namespace quillara
