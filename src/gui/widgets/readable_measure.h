#pragma once

#include <QPlainTextEdit>

class QTextEdit;

namespace quillara::gui {

// The widest a line of text in the font runs, in pixels: about 80 characters, past which lines
// grow hard to follow.
int ReadableMeasure(const QFont& font);
// The same for the view's text.
int ReadableMeasure(const QTextEdit* view);

// Keeps the view's lines within that measure, centred, whenever the view is wider; a narrower
// view uses its whole width. Call again after the view's document is replaced.
void KeepReadableMeasure(QTextEdit* view);

// Does so at every resize of the view from now on.
void KeepReadableMeasureAlways(QTextEdit* view);
// Whether the view keeps the measure at every resize.
bool KeepsReadableMeasure(const QTextEdit* view);

// A plain text view that keeps the same measure: on a wide view its text runs in a centred
// column, the scroll bar staying at the edge.
class TPlainTextPage : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace quillara::gui
