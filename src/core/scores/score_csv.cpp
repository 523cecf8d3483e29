#include "core/scores/score_csv.h"

#include "core/book/book_properties.h"
#include "core/scores/score_file.h"
#include "core/scores/score_summary.h"
#include "core/text/windows1252.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace quillara {

namespace {

constexpr long long MillisecondsPerDay = 24LL * 60 * 60 * 1000;

// Quoted only when it has to be, so that plain fields stay readable in a text editor.
std::string CsvField(const std::string& text, char separator) {
    if (text.find_first_of("\"\r\n") == std::string::npos &&
        text.find(separator) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

// A spreadsheet takes a cell that begins with one of these as a formula to run (a tab or a
// carriage return can hide such a start). Texts come from the score file and the book, so such a
// text is kept as text with the apostrophe spreadsheets read as "text follows". Numbers are
// written by this program and are left alone.
std::string TextCell(std::string text) {
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        text.insert(text.begin(), '\'');
    return text;
}

void AppendRow(std::string& csv, char separator, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) csv += separator;
        csv += CsvField(field, separator);
        first = false;
    }
    csv += "\r\n";
}

std::string PercentText(int correct, int answered) {
    return answered > 0 ? std::to_string(wholePercent(correct, answered)) : std::string();
}

} // namespace

std::string IsoDateTimeText(double date) {
    if (CalendarDate(date).Year == 0) return {};
    double day = std::floor(date);
    long long ms = std::llround((date - day) * MillisecondsPerDay);
    if (ms >= MillisecondsPerDay) {
        day += 1;
        ms -= MillisecondsPerDay;
    }
    // The last millisecond of 9999-12-31 rounds into a day the calendar does not have.
    const TCalendarDate calendar = CalendarDate(day);
    if (calendar.Year == 0) return {};
    const long long seconds = ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02lld:%02lld:%02lld", calendar.Year,
                  calendar.Month, calendar.Day, seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::string ScoresCsv(const TScoreHistory& history, const TBookProperties* book, char separator) {
    std::string csv;
    AppendRow(
        csv, separator,
        {"Date", "Description", "Chapter", "Chapter name", "Correct", "Incorrect", "Percent"});
    for (std::size_t i = 0; i < history.size(); ++i) {
        const TScore& score = history.at(i);
        const std::string date = IsoDateTimeText(score.date);
        const std::string description = TextCell(Windows1252ToUtf8(score.description()));
        if (score.detailCount() == 0)
            AppendRow(csv, separator, {date, description, "", "", "0", "0", ""});
        for (int d = 0; d < score.detailCount(); ++d) {
            const TScoreDetail& detail = score.detail(d);
            AppendRow(csv, separator,
                      {date, description, std::to_string(detail.chapter),
                       book ? TextCell(Windows1252ToUtf8(book->ChapterName(detail.chapter))) : "",
                       std::to_string(detail.correct), std::to_string(detail.incorrect),
                       PercentText(detail.correct, detail.answered())});
        }
    }
    return csv;
}

} // namespace quillara
