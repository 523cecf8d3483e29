#pragma once

#include "core/scores/score_file.h"

#include <QString>

namespace quillara::gui {

// What the student is told of a score file that did not load completely: which file, and where
// the file as it was is kept.
QString DamagedScoresMessage(const TDamagedScoreFile& damaged);

} // namespace quillara::gui
