#pragma once

#include <QSize>

class QWidget;

namespace quillara::gui {

// What a window's frame adds around its contents: as the window manager framed it, or, before
// the window is framed, a border and title bar as most desktops draw them.
QSize FrameAllowance(const QWidget* window);

// Shrinks the window, never below its minimum size, to what its screen's free area holds with
// the frame around it, and moves it back into that area when part of it lies outside.
void KeepOnScreen(QWidget* window);

// Centres a window that has not been shown yet over another (none: over its screen's free area),
// then keeps it on the screen: placed by the program, it opens whole, wherever the window manager
// would have put it.
void PlaceOver(QWidget* window, const QWidget* over);

} // namespace quillara::gui
