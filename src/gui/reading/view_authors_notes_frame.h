#pragma once

#include "gui/shell/frame_manager.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quillara::gui {

class TStudySession;
class TFindBar;

// The author's notes of the book as read-only text, one of the main window's views.
class TViewAuthorsNotesFrame1 : public QWidget {
    Q_OBJECT

public:
    explicit TViewAuthorsNotesFrame1(const TStudySession& session, QWidget* parent = nullptr);

    // Reads AUTHORS. afresh and shows the view, also when the file cannot be read; that failure
    // is then reported in a message box.
    void ShowNotes();
    TFrameManager Roles() {
        return {this, {}, {}, [this] { ShowNotes(); }, {}, false};
    }
    TFindBar* NotesFindBar() const { return FindBar; }

public slots:
    void CloseClicked();

private:
    const TStudySession& Session;
    QLabel* Heading;
    QPlainTextEdit* NotesText;
    TFindBar* FindBar;
    QPushButton* CloseButton;
};

} // namespace quillara::gui
