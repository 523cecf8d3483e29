#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace quillara::gui {

class TFindBar;

// The program's own help pages in a window of their own, opened at their contents or at the
// section that explains the window the student is in.
class THelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit THelpWindow(QWidget* parent = nullptr);

    void ShowContents();
    // 10000 the main window, 10001 the glossary, 10003 the quiz runner, 10007 the test runner;
    // any other context opens the contents.
    void ShowContext(int helpContext);

    // The anchor shown, or the page's name when it was opened at its top ("contents", "quizzes").
    QString CurrentSection() const;
    TFindBar* PageFindBar() const { return FindBar; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Open(const QString& page);
    void FollowLink(const QUrl& link);

    QTextBrowser* helpBrowser;
    TFindBar* FindBar;
    QPushButton* contentsButton;
    QPushButton* backButton;
    QPushButton* forwardButton;
};

} // namespace quillara::gui
