#pragma once

#include "core/scores/score_file.h"

#include <QString>

class QWidget;

namespace quillara::gui {

// What the student is told of a score file that did not load completely: which file, and where
// the file as it was is kept.
QString DamagedScoresMessage(const TDamagedScoreFile& damaged);

// Tells the student of the damaged score file that the history's last load or save met, if the
// student has not been told of it yet.
void TellOfDamagedScores(QWidget* parent, TScoreHistory& history);

} // namespace quillara::gui
