#include "gui/shell/damaged_scores_message.h"

#include <QCoreApplication>

namespace quillara::gui {

QString DamagedScoresMessage(const TDamagedScoreFile& damaged) {
    const QString file = QString::fromStdString(damaged.Path);
    const QString read =
        damaged.ScoresRead == 0
            ? QCoreApplication::translate("quillara::gui::TMessageBoxes", "none of its scores")
        : damaged.ScoresRead == 1
            ? QCoreApplication::translate("quillara::gui::TMessageBoxes", "only its first score")
            : QCoreApplication::translate("quillara::gui::TMessageBoxes",
                                          "only its first %1 scores")
                  .arg(damaged.ScoresRead);
    const QString found =
        damaged.Refused.empty()
            ? QCoreApplication::translate("quillara::gui::TMessageBoxes",
                                          "The score file %1 is damaged: %2 could be read.")
                  .arg(file, read)
            : QCoreApplication::translate("quillara::gui::TMessageBoxes",
                                          "The score file %1 was not read: %2.")
                  .arg(file, QString::fromStdString(damaged.Refused));
    if (damaged.KeptAs.empty())
        return found + QCoreApplication::translate(
                           "quillara::gui::TMessageBoxes",
                           " No copy of it could be kept, so Quillara will not save "
                           "scores over it.");
    return found + QCoreApplication::translate(
                       "quillara::gui::TMessageBoxes",
                       " The file as it was is kept as %1. The scores that could be "
                       "read, and those you add, will be saved in %2.")
                       .arg(QString::fromStdString(damaged.KeptAs), file);
}

} // namespace quillara::gui
