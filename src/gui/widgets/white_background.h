#pragma once

#include <QColor>

class QWidget;

namespace quillara::gui {

// Gives the widget the white background of the program's windows and views.
void MakeWhite(QWidget* widget);
// Fills the widget's background with one colour, through its palette: a style sheet would cost
// the window's start-up far more.
void FillBackground(QWidget* widget, const QColor& colour);

} // namespace quillara::gui
