#include "gui/quiz/test_window.h"

#include "gui/quiz/attempt_frame.h"
#include "gui/widgets/screen_fit.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace quillara::gui {

// A window with the main window as its parent stays above it and closes without ending the
// session.
TTestForm1::TTestForm1(TStudySession& session, TAnswerResponseForm& responses, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window) {
    setObjectName(QStringLiteral("TestForm1"));
    setWindowTitle(tr("Test"));
    resize(401, 344);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    TestFrame = new TTestFrame1(session, responses, this);
    TestFrame->hide();
    layout->addWidget(TestFrame);
}

// Each test opens at least as large as the main window's client area, so that a question that
// fits a quiz there fits here, and as large as its answer buttons need.
void TTestForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!parentWidget()) return;
    const auto* clientArea = parentWidget()->findChild<QWidget*>(QStringLiteral("ClientArea"));
    if (clientArea) resize(size().expandedTo(clientArea->size()).expandedTo(minimumSizeHint()));
    if (!Placed) {
        Placed = true;
        PlaceOver(this, parentWidget()->window());
    }
    KeepOnScreen(this);
}

// The window manager's close box and Alt+F4 end a running test as End Test
// does: asked first, then its results here. A test never runs on hidden.
void TTestForm1::closeEvent(QCloseEvent* event) {
    if (TestFrame->AttemptRunning()) {
        event->ignore();
        TestFrame->QuitButtonClick();
        return;
    }
    TestFrame->CloseResults();
    event->accept();
}

} // namespace quillara::gui
