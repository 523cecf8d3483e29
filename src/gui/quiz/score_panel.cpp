#include "gui/quiz/score_panel.h"

namespace quillara::gui {

TScorePanel::TScorePanel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("ScorePanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    UpdateCaption();
}

void TScorePanel::setCorrect(int value) {
    FCorrect = value;
    UpdateCaption();
}

void TScorePanel::setIncorrect(int value) {
    FIncorrect = value;
    UpdateCaption();
}

QString TScorePanel::CaptionFor(int correct, int incorrect) {
    // Summed wide, so that two large counts cannot overflow into a wrong total.
    const qint64 answered = qint64{correct} + incorrect;
    if (answered == 0) return tr("Nothing has been answered yet");
    return tr("You have answered %1 of %2 correctly").arg(correct).arg(answered);
}

void TScorePanel::UpdateCaption() {
    const QString caption = CaptionFor(FCorrect, FIncorrect);
    setText(caption);
    setAccessibleName(caption);
}

} // namespace quillara::gui
