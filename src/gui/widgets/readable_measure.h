#pragma once

class QTextEdit;

namespace quillara::gui {

// The widest a line of the view's text runs, in pixels: about 80 characters of its font, past
// which lines grow hard to follow.
int ReadableMeasure(const QTextEdit* view);

// Keeps the view's lines within that measure, centred, whenever the view is wider; a narrower
// view uses its whole width. Call again after the view's document is replaced.
void KeepReadableMeasure(QTextEdit* view);

// Does so at every resize of the view from now on.
void KeepReadableMeasureAlways(QTextEdit* view);

} // namespace quillara::gui
