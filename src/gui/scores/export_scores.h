#pragma once

class QWidget;

namespace quillara::gui {

class TStudySession;

// Scores > Export Scores…: asks where to save, starting from "<book title> scores.csv" in the
// user's documents folder, and writes the score history there as CSV. The score file is never
// written: choosing it as the target is refused. A failed write is reported and leaves any file
// already at the target as it was.
void ExportScores(QWidget* parent, TStudySession& session);

} // namespace quillara::gui
