#pragma once

#include <QString>

class QWidget;

namespace quillara::gui {

// Gives a control the name a screen reader announces and, when it helps, what the control does
// or shows. A drop-down list's list of choices takes the same name, so that it is not announced
// as a nameless list when it opens.
void NameControl(QWidget* control, const QString& name, const QString& description = {});

} // namespace quillara::gui
