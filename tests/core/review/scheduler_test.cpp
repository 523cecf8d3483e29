#include "core/review/scheduler.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

namespace quillara {
namespace {

constexpr std::int64_t Day = 86400;

nlohmann::json ReadVectors() {
    std::ifstream file(std::string(QUILLARA_REVIEW_DATA) + "/fsrs_vectors.json");
    return nlohmann::json::parse(file);
}

// An item stored part-way through its schedule.
TMemoryState StoredState(const nlohmann::json& j) {
    TMemoryState state;
    state.Stability = j["stability"];
    state.Difficulty = j["difficulty"];
    state.State = static_cast<TCardState>(j["state"].get<int>());
    state.Due = j["due"];
    state.LastReview = j["last_review"];
    state.Reps = j["reps"];
    state.Lapses = j["lapses"];
    return state;
}

void ExpectRelative(double actual, double expected, const char* what) {
    EXPECT_LE(std::abs(actual - expected), 1e-6 * std::abs(expected))
        << what << ": " << actual << " against " << expected;
}

// Each case is a sequence of reviews of one item, with the state the reference scheduler left it
// in after each, and its retrievability at a few later times.
TEST(ReviewScheduler, ReplaysTheReferenceSchedules) {
    const nlohmann::json vectors = ReadVectors();
    ASSERT_FALSE(vectors["cases"].empty());
    int capped = 0;
    for (const auto& item : vectors["cases"]) {
        SCOPED_TRACE(item["name"].get<std::string>());
        TSchedulerSettings settings;
        settings.DesiredRetention = item["retention"];
        settings.MaximumInterval = item["maximum_interval"];
        if (item.contains("weights")) settings.Weights = item["weights"];

        TMemoryState state;
        if (item.contains("start")) state = StoredState(item["start"]);
        EXPECT_EQ(Retrievability(TMemoryState{}, item["reviews"][0][1].get<std::int64_t>() + Day,
                                 settings),
                  item["new_recall"].get<double>());
        int step = 0;
        for (const auto& review : item["reviews"]) {
            SCOPED_TRACE("review " + std::to_string(++step));
            const std::int64_t at = review[1];
            state = Schedule(state, static_cast<TRating>(review[0].get<int>()), at, settings);
            ExpectRelative(state.Stability, review[2], "stability");
            ExpectRelative(state.Difficulty, review[3], "difficulty");
            EXPECT_EQ(static_cast<int>(state.State), review[4].get<int>());
            // The reference may carry an interval a day or two past the maximum; ours stops there.
            const std::int64_t due = review[5];
            const std::int64_t latest = at + settings.MaximumInterval * Day;
            EXPECT_EQ(state.Due, std::min(due, latest));
            capped += due > latest ? 1 : 0;
            EXPECT_EQ(state.Reps, review[6].get<int>());
            EXPECT_EQ(state.Lapses, review[7].get<int>());
            EXPECT_EQ(state.LastReview, review[8].get<std::int64_t>());
            for (const auto& recall : review[9])
                EXPECT_NEAR(Retrievability(state, recall[0], settings), recall[1].get<double>(),
                            1e-6)
                    << "at " << recall[0];
        }
    }
    EXPECT_GT(capped, 0) << "no vector reaches the maximum interval";
}

TEST(ReviewScheduler, ReviewBeforeTheLastCountsAsTheSameDay) {
    TMemoryState state = Schedule({}, TRating::Good, 1'741'944'413);
    state = Schedule(state, TRating::Good, state.Due);
    for (TRating rating : {TRating::Again, TRating::Good}) {
        const TMemoryState sameDay = Schedule(state, rating, state.LastReview);
        const TMemoryState earlier = Schedule(state, rating, state.LastReview - 40 * Day);
        EXPECT_EQ(earlier.Stability, sameDay.Stability);
        EXPECT_EQ(earlier.Difficulty, sameDay.Difficulty);
        EXPECT_EQ(earlier.Due - earlier.LastReview, sameDay.Due - sameDay.LastReview);
    }
    EXPECT_EQ(Retrievability(state, state.LastReview - Day), 1.0);
}

TEST(ReviewScheduler, RefusesARatingOutsideTheFour) {
    EXPECT_THROW(Schedule({}, static_cast<TRating>(0), 1'741'944'413), std::invalid_argument);
    EXPECT_THROW(Schedule({}, static_cast<TRating>(5), 1'741'944'413), std::invalid_argument);
}

TEST(ReviewScheduler, DesiredRetentionKeepsWithinItsRange) {
    TMemoryState state = Schedule({}, TRating::Good, 1'741'944'413);
    const std::int64_t at = state.Due + 3 * Day;
    const auto dueWith = [&](double retention) {
        TSchedulerSettings settings;
        settings.DesiredRetention = retention;
        return Schedule(state, TRating::Good, at, settings).Due;
    };
    EXPECT_EQ(dueWith(0.2), dueWith(MinDesiredRetention));
    EXPECT_EQ(dueWith(0.999), dueWith(MaxDesiredRetention));
    EXPECT_EQ(dueWith(std::nan("")), dueWith(0.9));
    EXPECT_GT(dueWith(MinDesiredRetention), dueWith(MaxDesiredRetention));
}

} // namespace
} // namespace quillara
