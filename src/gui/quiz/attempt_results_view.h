#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace quillara {
class TBookProperties;
struct TAttemptResults;
} // namespace quillara

namespace quillara::gui {

// The results of an ended quiz or test, shown where it was asked: the score, per chapter for a
// test, then each question whose first answer was wrong with the answer given, the right one
// and why. Retake Missed Questions asks those again; Close, or Escape, puts the results away.
class TAttemptResultsView : public QWidget {
    Q_OBJECT
public:
    explicit TAttemptResultsView(QWidget* parent = nullptr);

    void ShowResults(const TAttemptResults& results, const TBookProperties& book);

signals:
    void RetakeChosen();
    void CloseChosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* Heading;
    QLabel* ScoreText;
    QTextBrowser* Details;
    QPushButton* RetakeButton;
    QPushButton* CloseButton;
};

} // namespace quillara::gui
