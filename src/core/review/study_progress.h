#pragma once

#include "core/review/study_log.h"

#include <cstdint>
#include <vector>

namespace quillara {

// How far a chapter's questions are known: how many of those its bank holds have been met, and
// the mean chance of recalling them now.
struct TChapterProgress {
    int Chapter = 0;
    int Met = 0;
    int Held = 0;
    // From 0 to 1; 0 when none was met.
    double Recall = 0;
};

// One row per chapter from 1 to held.size(), held[c - 1] being the questions chapter c holds.
// Terms and items of chapters the book no longer has are left out.
std::vector<TChapterProgress> ChapterProgress(const std::vector<TStudyItem>& items,
                                              const std::vector<int>& held, std::int64_t now,
                                              const TSchedulerSettings& settings = {});

// How many items fall due on each of `days` days, the first beginning at `dayStart`; what is
// overdue counts on the first.
std::vector<int> DuePerDay(const std::vector<TStudyItem>& items, std::int64_t dayStart, int days);

// On how many of the `days` days before the one beginning at `dayStart`, and that day, an answer
// was given.
int DaysStudied(const std::vector<std::int64_t>& answeredAt, std::int64_t dayStart, int days);

} // namespace quillara
