#pragma once

#include <array>
#include <cstdint>

// Spaced review of the book's own questions: FSRS-6, with whole days between reviews (no
// same-day learning steps) and no fuzz on the intervals, so that a review's outcome is the same
// on every machine and can be checked against the algorithm's authors' own scheduler.
namespace quillara {

enum class TRating { Again = 1, Hard = 2, Good = 3, Easy = 4 };
enum class TCardState { New = 0, Learning = 1, Review = 2, Relearning = 3 };

// An item's memory and schedule. Times are Unix seconds, UTC.
struct TMemoryState {
    double Stability = 0;
    double Difficulty = 0;
    TCardState State = TCardState::New;
    std::int64_t Due = 0;
    std::int64_t LastReview = 0; // 0: never reviewed
    int Reps = 0;
    int Lapses = 0;
};

// The published FSRS-6 weights; the last is the forgetting curve's decay.
inline constexpr std::array<double, 21> DefaultReviewWeights{
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

inline constexpr double MinDesiredRetention = 0.7;
inline constexpr double MaxDesiredRetention = 0.97;

struct TSchedulerSettings {
    double DesiredRetention = 0.9; // kept within 0.7..0.97
    // Each weight is kept within the range the algorithm's optimiser allows it.
    std::array<double, 21> Weights = DefaultReviewWeights;
    int MaximumInterval = 36500; // days; at least 1
};

// The state after a review with `rating` at `reviewedAt`. Pure: no clock, no I/O.
// Every review leaves the item in Review, due a whole number of days after `reviewedAt`, no
// later than the maximum interval. Days between reviews are counted between their UTC calendar
// dates, so two reviews a minute apart either side of midnight UTC are a day apart. A review
// dated before the last one (the clock was set back) counts as made on the same day. A rating
// outside the four throws std::invalid_argument.
TMemoryState Schedule(const TMemoryState& before, TRating rating, std::int64_t reviewedAt,
                      const TSchedulerSettings& settings = {});

// The probability of recall at `now`: 0 for an item never reviewed (nothing was learned yet).
// Unlike Schedule, this counts whole days of 24 hours since the last review (none before it).
double Retrievability(const TMemoryState& state, std::int64_t now,
                      const TSchedulerSettings& settings = {});

} // namespace quillara
