#pragma once

#include <functional>

class QWidget;

namespace quillara::gui {

// One registered view of the main window and the roles it may provide: asked before it is left,
// asked before it is shown, and handlers used instead of plain showing and hiding.
struct TFrameManager {
    QWidget* Frame = nullptr;
    std::function<bool()> CanLeave;
    std::function<bool()> CanShow;
    std::function<void()> ShowHandler;
    std::function<void()> HideHandler;
    // Set once leaving was allowed, so one switch asks each view at most once.
    bool LeaveConfirmed = false;
};

} // namespace quillara::gui
