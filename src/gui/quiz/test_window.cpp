#include "gui/quiz/test_window.h"

#include "gui/quiz/attempt_frame.h"
#include "gui/widgets/screen_fit.h"

#include <QVBoxLayout>

namespace quillara::gui {

// A window with the main window as its parent stays above it and closes without ending the
// session.
TTestForm1::TTestForm1(TStudySession& session, TAnswerResponseForm& responses, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window) {
    setObjectName(QStringLiteral("TestForm1"));
    setWindowTitle(QStringLiteral("Test"));
    resize(401, 344);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    TestFrame = new TTestFrame1(session, responses, this);
    TestFrame->hide();
    layout->addWidget(TestFrame);
}

void TTestForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (Placed || !parentWidget()) return;
    Placed = true;
    QRect frame = geometry();
    frame.moveCenter(parentWidget()->window()->geometry().center());
    move(frame.topLeft());
    KeepOnScreen(this);
}

} // namespace quillara::gui
