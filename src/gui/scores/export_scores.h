#pragma once

class QString;
class QWidget;

namespace quillara::gui {

class TStudySession;

// Scores > Export Scores…: asks where to save, starting from "<book title> scores.csv" in the
// user's documents folder, and writes the score history there as CSV. The score file is never
// written: choosing it as the target is refused. A failed write is reported and leaves any file
// already at the target as it was.
// Where the student's locale writes decimals with a comma, the dialog also offers the table with
// its fields between semicolons, as spreadsheets there expect; the comma form stays the first.
void ExportScores(QWidget* parent, TStudySession& session);

// The file types the export offers in the current locale, and the semicolon one among them.
QString ExportFilters();
QString SemicolonFilter();

} // namespace quillara::gui
