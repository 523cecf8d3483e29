#pragma once

#include "core/quiz/question_set.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quillara {
class TBookProperties;
}

namespace quillara::gui {

// Asks before a test which chapters it covers and how many questions it has. Created once;
// every opening starts with no chapter ticked and 20 questions.
class TSelectChapterForm : public QDialog {
    Q_OBJECT

public:
    explicit TSelectChapterForm(QWidget* parent = nullptr);

    // Lists the book's chapters and the sizes, then runs the dialog modally; true for OK.
    bool ExecuteDialog(const TBookProperties& book);
    // 10 to 100; 0 when no size is chosen.
    int TestSize() const;
    // The ticked chapters among 1..chapterCount (at most 255); a chapter the list does not
    // hold is never in the set.
    TChapterSet SelectedChapters(int chapterCount) const;

private:
    QLabel* Title;
    QLabel* TestSizeLabel;
    QComboBox* TestSizeList;
    QListWidget* ChapterList;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

} // namespace quillara::gui
