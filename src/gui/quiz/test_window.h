#pragma once

#include <QWidget>

namespace quillara::gui {

class TStudySession;
class TAnswerResponseForm;
class TTestFrame1;

// The test window: a window of its own, kept above the main window and centred on it when it
// first opens, holding the test runner. It opens as large as the main window's client area, where
// a quiz's questions show, and closing it ends the test as End Test does.
class TTestForm1 : public QWidget {
    Q_OBJECT
public:
    TTestForm1(TStudySession& session, TAnswerResponseForm& responses, QWidget* mainWindow);
    TTestFrame1* Runner() const { return TestFrame; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TTestFrame1* TestFrame;
    bool Placed = false;
};

} // namespace quillara::gui
