#pragma once

#include "core/platform/regional_settings.h"
#include "core/scores/score.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quillara {

class TScoreHistory;

// "7 of 10 for 70%"; a score with nothing answered ends after " for ".
std::string ResultText(const TScore& score);
// How many different chapters the score's answers cover.
int DistinctChapters(const TScore& score);

// One chapter's result in one attempt, for the chapter graph.
struct TChapterPoint {
    int Percent = 0;
    double Date = 0;
};
// The chapter's results in the newest `limit` attempts that answered it, oldest first.
std::vector<TChapterPoint> ChapterHistory(const TScoreHistory& history, int chapter,
                                          std::size_t limit = 10);

struct TCalendarDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};
// The calendar day of a date counted in days since 1899-12-30; year 0 for a date that is no
// day at all (not a number, or beyond the years 1 to 9999).
TCalendarDate CalendarDate(double date);
// The date in the user's short date format: d, dd, M, MM, MMM, MMMM, yy and yyyy stand for the
// day, month (MMM and MMMM by its English name) and year; anything else is written as it stands.
// Empty for a date that is no day.
std::string ShortDateText(double date, const TRegionalSettings& regional);
// Two-digit month and day with the date separator between, in the order of the user's short date
// format: "03/07", or "07.03" where the day comes first.
std::string MonthDayText(double date, const TRegionalSettings& regional);

} // namespace quillara
