#include "core/scores/score_summary.h"

#include "core/scores/score_file.h"

#include <chrono>
#include <cmath>
#include <set>

namespace quillara {

namespace {

const std::string MonthNames[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

} // namespace

std::string ResultText(const TScore& score) {
    const int correct = score.totalCorrect();
    const int answered = score.totalAnswered();
    std::string text = std::to_string(correct) + " of " + std::to_string(answered) + " for ";
    if (answered != 0) text += std::to_string(wholePercent(correct, answered)) + "%";
    return text;
}

int DistinctChapters(const TScore& score) {
    std::set<int> chapters;
    for (int i = 0; i < score.detailCount(); ++i)
        chapters.insert(score.detail(i).chapter);
    return static_cast<int>(chapters.size());
}

std::vector<TChapterPoint> ChapterHistory(const TScoreHistory& history, int chapter,
                                          std::size_t limit) {
    std::vector<TChapterPoint> newestFirst;
    for (std::size_t n = history.size(); n > 0 && newestFirst.size() < limit; --n) {
        const TScore& score = history.at(n - 1);
        for (int i = 0; i < score.detailCount() && newestFirst.size() < limit; ++i) {
            const TScoreDetail& detail = score.detail(i);
            if (detail.chapter == chapter)
                newestFirst.push_back(
                    {wholePercent(detail.correct, detail.answered()), score.date});
        }
    }
    return {newestFirst.rbegin(), newestFirst.rend()};
}

TCalendarDate CalendarDate(double date) {
    using namespace std::chrono;
    // 1899-12-30 is day 0; 0001-01-01 and 9999-12-31 are the ends of the calendar shown.
    constexpr double FirstDay = -693593;
    constexpr double LastDay = 2958465;
    if (!(date >= FirstDay && date < LastDay + 1)) return {};
    const sys_days day =
        sys_days{1899y / December / 30} + days{static_cast<long>(std::floor(date))};
    const year_month_day ymd{day};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::string ShortDateText(double date, const TRegionalSettings& regional) {
    const TCalendarDate day = CalendarDate(date);
    if (day.Year == 0) return {};
    const std::string& format = regional.ShortDateFormat;
    std::string text;
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if (c == 'd')
            text += run >= 2 ? TwoDigits(day.Day) : std::to_string(day.Day);
        else if (c == 'M')
            text += run >= 4   ? MonthNames[day.Month - 1]
                    : run == 3 ? MonthNames[day.Month - 1].substr(0, 3)
                    : run == 2 ? TwoDigits(day.Month)
                               : std::to_string(day.Month);
        else if (c == 'y')
            text += run <= 2 ? TwoDigits(day.Year % 100) : std::to_string(day.Year);
        else
            text.append(run, c);
        i += run;
    }
    return text;
}

std::string MonthDayText(double date, const TRegionalSettings& regional) {
    const TCalendarDate day = CalendarDate(date);
    if (day.Year == 0) return {};
    // Month and day in the order the student's own dates put them: 12/08, or 08.12 in Germany.
    const std::string& format = regional.ShortDateFormat;
    const bool dayFirst = format.find('d') < format.find('M');
    return dayFirst ? TwoDigits(day.Day) + regional.DateSeparator + TwoDigits(day.Month)
                    : TwoDigits(day.Month) + regional.DateSeparator + TwoDigits(day.Day);
}

} // namespace quillara
