#pragma once

#include <string>

namespace quillara {

class TBookProperties;
class TScoreHistory;

// The local date and time of a date counted in days since 1899-12-30, as ISO 8601 to the second:
// "2024-03-07T14:05:09". The time is rounded to the millisecond before the seconds are taken, so
// a stored time a hair below a whole second still reads as that second. Empty for a date that is
// no day.
std::string IsoDateTimeText(double date);

// The history as CSV for spreadsheets and scripts: UTF-8, CRLF line ends, fields quoted as RFC
// 4180 says, a header row and then one row per score and chapter, oldest score first and each
// score's chapters in the score's own order. Chapter names come from the book when there is one
// and are empty otherwise. A score with no chapters still gets a row, with the chapter left
// empty; the percent is left empty where nothing was answered. A description or chapter name
// that begins with =, +, -, @, a tab or a carriage return gets a leading apostrophe, so that a
// spreadsheet shows it as text instead of running it as a formula.
// `separator` is ',' or, for spreadsheets of a locale that writes decimals with a comma, ';'.
std::string ScoresCsv(const TScoreHistory& history, const TBookProperties* book,
                      char separator = ',');

} // namespace quillara
