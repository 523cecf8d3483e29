#pragma once

class QWidget;

namespace quillara::gui {

// Gives the widget the white background of the program's windows and views.
void MakeWhite(QWidget* widget);

} // namespace quillara::gui
