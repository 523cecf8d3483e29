#include "core/review/scheduler.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

// The authors' scheduler rounds most intermediate results to 8 decimals, and a fused
// multiply-add would move a result across such a step now and then: every product here is
// rounded on its own, in the order written.
#if defined(__clang__)
#pragma STDC FP_CONTRACT OFF
#endif

namespace quillara {
namespace {

constexpr std::int64_t SecondsPerDay = 86400;
constexpr double MinStability = 0.001;
constexpr double MaxStability = 36500.0;

// The range the optimiser keeps each weight in (with same-day learning steps off, w[19] may be 0).
constexpr std::array<std::array<double, 2>, 21> WeightRanges{{
    {0.001, 100.0}, {0.001, 100.0}, {0.001, 100.0}, {0.001, 100.0}, {1.0, 10.0},  {0.001, 4.0},
    {0.001, 4.0},   {0.001, 0.75},  {0.0, 4.5},     {0.0, 0.8},     {0.001, 3.5}, {0.001, 5.0},
    {0.001, 0.25},  {0.001, 0.9},   {0.0, 4.0},     {0.0, 1.0},     {1.0, 6.0},   {0.0, 2.0},
    {0.0, 2.0},     {0.0, 0.8},     {0.1, 0.8},
}};

// Rounds halves up, towards +infinity, as the reference's Math.round does. floor(x + 0.5) would
// not do: the sum itself rounds, and 0.49999999999999994 would become 1.
double RoundHalfUp(double x) {
    const double down = std::floor(x);
    return x - down >= 0.5 ? down + 1.0 : down;
}

double Round8(double x) {
    return RoundHalfUp(x * 1e8) / 1e8;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

struct TModel {
    std::array<double, 21> W;
    double Decay;  // negative: the forgetting curve's power
    double Factor; // chosen so that recall is 90% after `stability` days
    double IntervalModifier;
    std::int64_t MaximumInterval;
};

TModel MakeModel(const TSchedulerSettings& settings) {
    TModel m{};
    for (std::size_t i = 0; i < m.W.size(); ++i) {
        const double w = std::isnan(settings.Weights[i]) ? 0.0 : settings.Weights[i];
        m.W[i] = std::min(std::max(w, WeightRanges[i][0]), WeightRanges[i][1]);
    }
    m.Decay = -m.W[20];
    m.Factor = Round8(std::exp(std::pow(m.Decay, -1.0) * std::log(0.9)) - 1.0);
    const double retention =
        std::isnan(settings.DesiredRetention)
            ? TSchedulerSettings{}.DesiredRetention
            : std::clamp(settings.DesiredRetention, MinDesiredRetention, MaxDesiredRetention);
    m.IntervalModifier = Round8((std::pow(retention, 1.0 / m.Decay) - 1.0) / m.Factor);
    m.MaximumInterval = std::max(settings.MaximumInterval, 1);
    return m;
}

double ForgettingCurve(const TModel& m, double elapsedDays, double stability) {
    return Round8(std::pow(1.0 + (m.Factor * elapsedDays) / stability, m.Decay));
}

double InitialDifficulty(const TModel& m, int grade) {
    return Round8(m.W[4] - std::exp((grade - 1) * m.W[5]) + 1.0);
}

// Difficulty moves less the nearer it is to 10, then drifts back towards that of a first Easy
// (which the default weights put below 1, so it pulls difficulty down).
double NextDifficulty(const TModel& m, double d, int grade) {
    const double delta = -m.W[6] * (grade - 3);
    const double damped = d + Round8((delta * (10.0 - d)) / 9.0);
    const double reverted = Round8(m.W[7] * InitialDifficulty(m, 4) + (1.0 - m.W[7]) * damped);
    return std::clamp(reverted, 1.0, 10.0);
}

double RecallStability(const TModel& m, double d, double s, double r, int grade) {
    const double hardPenalty = grade == 2 ? m.W[15] : 1.0;
    const double easyBonus = grade == 4 ? m.W[16] : 1.0;
    const double growth = std::exp(m.W[8]) * (11.0 - d) * std::pow(s, -m.W[9]) *
                          (std::exp((1.0 - r) * m.W[10]) - 1.0) * hardPenalty * easyBonus;
    return Round8(std::clamp(s * (1.0 + growth), MinStability, MaxStability));
}

// A lapse never leaves the item more stable than it was.
double ForgetStability(const TModel& m, double d, double s, double r) {
    const double forgotten =
        Round8(std::clamp(m.W[11] * std::pow(d, -m.W[12]) * (std::pow(s + 1.0, m.W[13]) - 1.0) *
                              std::exp((1.0 - r) * m.W[14]),
                          MinStability, MaxStability));
    return std::min(std::max(Round8(s), MinStability), forgotten);
}

struct TNext {
    double Stability;
    double Difficulty;
    std::int64_t Interval = 0; // days
};

TNext NextMemory(const TModel& m, const TMemoryState& before, std::int64_t elapsedDays, int grade) {
    double s = before.Stability;
    double d = before.Difficulty;
    if (s == 0 && d == 0)
        return {std::max(m.W[grade - 1], 0.1), std::clamp(InitialDifficulty(m, grade), 1.0, 10.0)};
    // A memory outside the model's range can only come from a damaged record: bring it back in.
    s = std::max(s, MinStability);
    d = std::clamp(d, 1.0, 10.0);
    const double r = ForgettingCurve(m, static_cast<double>(elapsedDays), s);
    const double nextS =
        grade == 1 ? ForgetStability(m, d, s, r) : RecallStability(m, d, s, r, grade);
    return {nextS, NextDifficulty(m, d, grade)};
}

std::int64_t Interval(const TModel& m, double stability) {
    const double days = std::max(1.0, RoundHalfUp(stability * m.IntervalModifier));
    return std::min(static_cast<std::int64_t>(days), m.MaximumInterval);
}

} // namespace

TMemoryState Schedule(const TMemoryState& before, TRating rating, std::int64_t reviewedAt,
                      const TSchedulerSettings& settings) {
    const int grade = static_cast<int>(rating);
    if (grade < 1 || grade > 4)
        throw std::invalid_argument("a rating is Again, Hard, Good or Easy");
    const TModel m = MakeModel(settings);
    const bool isNew = before.State == TCardState::New;
    std::int64_t elapsedDays = 0;
    if (!isNew && before.LastReview != 0)
        elapsedDays = std::max<std::int64_t>(
            FloorDiv(reviewedAt, SecondsPerDay) - FloorDiv(before.LastReview, SecondsPerDay), 0);

    // Each rating's interval depends on the others': a better rating always waits at least a day
    // longer than the one below it, so all four are worked out.
    std::array<TNext, 4> next;
    for (int g = 1; g <= 4; ++g) {
        next[g - 1] = NextMemory(m, before, elapsedDays, g);
        next[g - 1].Interval = Interval(m, next[g - 1].Stability);
    }
    next[0].Interval = std::min(next[0].Interval, next[1].Interval);
    for (int i = 1; i < 4; ++i)
        next[i].Interval = std::max(next[i].Interval, next[i - 1].Interval + 1);
    // The authors' scheduler lets that extra day carry Hard, Good and Easy past the maximum
    // interval; the maximum is the student's, so it holds here.
    for (TNext& n : next)
        n.Interval = std::min(n.Interval, m.MaximumInterval);

    const TNext& chosen = next[grade - 1];
    TMemoryState after;
    after.Stability = chosen.Stability;
    after.Difficulty = chosen.Difficulty;
    after.State = TCardState::Review;
    after.Due = reviewedAt + chosen.Interval * SecondsPerDay;
    after.LastReview = reviewedAt;
    after.Reps = before.Reps + 1;
    // Forgetting a new item is not a lapse: it was never learned.
    after.Lapses = before.Lapses + (rating == TRating::Again && !isNew ? 1 : 0);
    return after;
}

double Retrievability(const TMemoryState& state, std::int64_t now,
                      const TSchedulerSettings& settings) {
    if (state.State == TCardState::New || !(state.Stability > 0)) return 0.0;
    const TModel m = MakeModel(settings);
    const std::int64_t days =
        std::max<std::int64_t>(FloorDiv(now - state.LastReview, SecondsPerDay), 0);
    // The reference rounds the stored stability to 8 places; Schedule's already are.
    return ForgettingCurve(m, static_cast<double>(days), Round8(state.Stability));
}

} // namespace quillara
