#include "core/review/study_progress.h"

#include <algorithm>
#include <set>

namespace quillara {

namespace {

constexpr std::int64_t Day = 86400;

// The day, counted from `dayStart`, in which a time falls.
std::int64_t DayOf(std::int64_t time, std::int64_t dayStart) {
    const std::int64_t since = time - dayStart;
    return since / Day - (since % Day < 0 ? 1 : 0);
}

} // namespace

std::vector<TChapterProgress> ChapterProgress(const std::vector<TStudyItem>& items,
                                              const std::vector<int>& held, std::int64_t now,
                                              const TSchedulerSettings& settings) {
    std::vector<TChapterProgress> chapters(held.size());
    for (std::size_t i = 0; i < held.size(); ++i)
        chapters[i] = {static_cast<int>(i) + 1, 0, held[i], 0};
    for (const TStudyItem& item : items) {
        if (item.Key.Kind == "term" || item.Key.Chapter < 1 ||
            item.Key.Chapter > static_cast<int>(held.size()))
            continue;
        TChapterProgress& chapter = chapters[static_cast<std::size_t>(item.Key.Chapter) - 1];
        ++chapter.Met;
        chapter.Recall += Retrievability(item.Memory, now, settings);
    }
    for (TChapterProgress& chapter : chapters)
        if (chapter.Met > 0) chapter.Recall /= chapter.Met;
    return chapters;
}

std::vector<int> DuePerDay(const std::vector<TStudyItem>& items, std::int64_t dayStart, int days) {
    std::vector<int> due(static_cast<std::size_t>(std::max(days, 0)), 0);
    for (const TStudyItem& item : items) {
        const std::int64_t day = std::max<std::int64_t>(DayOf(item.Memory.Due, dayStart), 0);
        if (day < days) ++due[static_cast<std::size_t>(day)];
    }
    return due;
}

int DaysStudied(const std::vector<std::int64_t>& answeredAt, std::int64_t dayStart, int days) {
    std::set<std::int64_t> studied;
    for (const std::int64_t time : answeredAt) {
        const std::int64_t day = DayOf(time, dayStart);
        if (day <= 0 && day > -days) studied.insert(day);
    }
    return static_cast<int>(studied.size());
}

} // namespace quillara
