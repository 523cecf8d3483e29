#pragma once

#include "gui/widgets/document_matches.h"

#include <QWidget>
#include <cstddef>
#include <vector>

class QAbstractScrollArea;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace quillara::gui {

// Finding text in a page: a bar the page's view places under it, hidden until Ctrl+F. Every
// match is coloured and the current one brighter; F3 or Enter goes to the next, Shift+F3 or
// Shift+Enter to the one before, round from the end to the start; Escape closes the bar. Text is
// compared without case or accents, as the book search compares it. The keys work while the
// view that holds the bar is shown in the active window.
class TFindBar : public QWidget {
    Q_OBJECT

public:
    TFindBar(QTextEdit* page, QWidget* view);
    TFindBar(QPlainTextEdit* page, QWidget* view);

    // Shows the bar with its text selected, ready for typing.
    void OpenBar();
    void FindNext();
    void FindPrevious();
    void CloseBar();
    // Opens the bar on the text and makes the match at that place of the page's list current:
    // how a book search shows its hit.
    void ShowMatch(const QString& text, std::size_t ordinal);

    const std::vector<TDocumentMatch>& Matches() const { return Found; }
    // -1 when there is none.
    int CurrentMatch() const { return Current; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFindBar(QTextEdit* rich, QPlainTextEdit* plain, QWidget* view);
    // Finds the text again, keeping the current match where it was or else taking the first
    // from the top of what the page shows.
    void Refind();
    void Step(int direction);
    void ShowCurrent(const QString& note = {});
    QTextDocument* Document() const;

    QTextEdit* RichPage;
    QPlainTextEdit* PlainPage;
    QAbstractScrollArea* Page;
    QLineEdit* findText;
    QPushButton* findPrevious;
    QPushButton* findNext;
    QLabel* findStatus;
    QToolButton* findClose;
    std::vector<TDocumentMatch> Found;
    int Current = -1;
};

} // namespace quillara::gui
