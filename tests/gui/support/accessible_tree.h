#pragma once

#include <QStringList>

class QWidget;

namespace quillara::testing {

// The controls under `window` that take the keyboard focus, and the pictures, that a screen
// reader would announce without a name, found by walking the window's accessible tree; each as
// its object name and accessible role. Hidden controls count too: they show as the student goes
// on.
QStringList UnnamedControls(QWidget* window);

// The buttons and links shown in `window` that pressing Tab over and over from its focus never
// reaches; each as its object name.
QStringList ControlsTabMisses(QWidget* window);

} // namespace quillara::testing
