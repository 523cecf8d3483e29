#include "scores/score.h"

#include "book/book_strings.h"
#include "platform/clock.h"

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

TScoreDetail::TScoreDetail(TByteReader& in) {
    correct = in.ReadInt16("correct count");
    incorrect = in.ReadInt16("incorrect count");
    chapter = in.ReadInt16("chapter");
}

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

TScore::TScore(TByteReader& in) {
    const std::int16_t count = in.ReadInt16("detail count");
    date = in.ReadDouble("date");
    description = ReadShortString(in, "description");
    // A damaged count never reserves more than the bytes left can fill, six to a detail.
    details.reserve(std::min<std::size_t>(std::max<int>(count, 0), in.Remaining() / 6));
    for (int i = 0; i < count; ++i)
        details.emplace_back(in);
}

void TScore::write(TByteWriter& out) const {
    if (details.size() > static_cast<std::size_t>(MaxScoreCount))
        throw std::length_error("a score holds more details than its record can count");
    out.WriteInt16(static_cast<std::int16_t>(details.size()));
    out.WriteDouble(date);
    WriteShortString(out, description);
    for (const TScoreDetail& d : details)
        d.write(out);
}

TScoreDetail& TScore::detailOf(std::int16_t chapter) {
    for (TScoreDetail& d : details)
        if (d.chapter == chapter) return d;
    return details.emplace_back(chapter, 0, 0);
}

void TScore::addCorrect(std::int16_t chapter) {
    Increment(detailOf(chapter).correct);
}

void TScore::addIncorrect(std::int16_t chapter) {
    Increment(detailOf(chapter).incorrect);
}

int TScore::totalCorrect() const {
    int sum = 0;
    for (const TScoreDetail& d : details)
        sum += d.correct;
    return sum;
}

int TScore::totalIncorrect() const {
    int sum = 0;
    for (const TScoreDetail& d : details)
        sum += d.incorrect;
    return sum;
}

const TScoreDetail& TScore::detail(int index) const {
    return details.at(static_cast<std::size_t>(index));
}

int wholePercent(int correct, int answered) {
    if (answered <= 0) return 0;
    // Only a damaged file gets far outside 0..100; clamp rather than wrap.
    const long long percent = 100LL * correct / answered;
    return static_cast<int>(std::clamp<long long>(percent, INT_MIN, INT_MAX));
}

} // namespace quillara
