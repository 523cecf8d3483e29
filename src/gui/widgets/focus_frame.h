#pragma once

class QFrame;
class QWidget;

namespace quillara::gui {

// Draws `frame` in the highlight colour, and thicker, while `page` has the keyboard focus, so
// that a student at the keyboard sees that the arrows and Page Down will scroll it.
void MarkFocusOn(QFrame* frame, QWidget* page);

} // namespace quillara::gui
