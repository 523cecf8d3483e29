#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace quillara::gui {

// Gives the widget the background of the program's windows and views: the desktop palette's base
// colour (white on a light desktop, dark on a dark one), with its text colour for what is written
// on it.
void MakeWhite(QWidget* widget);
// Whether the palette's base is dark, as under a dark desktop theme.
bool IsDark(const QPalette& palette);
// A colour meant for a white background, made readable on the palette's base: as it is on a light
// base, lightened on a dark one.
QColor OnBase(const QColor& colour, const QPalette& palette);
// Fills the widget's background with one colour, through its palette: a style sheet would cost
// the window's start-up far more.
void FillBackground(QWidget* widget, const QColor& colour);

} // namespace quillara::gui
