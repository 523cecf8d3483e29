#pragma once

#include "gui_book.h"

#include <QString>
#include <functional>

class QWidget;

namespace quillara::testing {

// One top-level window as the student sees it at one moment, with the caption it must bear.
struct ShownWindow {
    QWidget* Window;
    QString Caption;
    QString Moment;
};

// Opens every top-level window of the program on the book the way a student opens it: the main
// window with each of its views, the test window, the chapter selection dialog, both answer
// responses, the About dialogs, the open-book dialog, the help and the book search. `visit` sees
// each while it is on screen (a modal dialog from inside its own modal moment).
void VisitEveryWindow(GuiBook& book, const std::function<void(const ShownWindow&)>& visit);

} // namespace quillara::testing
