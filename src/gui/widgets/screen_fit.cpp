#include "gui/widgets/screen_fit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace quillara::gui {

namespace {

// A border of a few pixels either side and a title bar above.
constexpr QSize UsualFrame(16, 40);

int Clamp(int value, int low, int high) {
    return std::clamp(value, low, std::max(low, high));
}

} // namespace

QSize FrameAllowance(const QWidget* window) {
    const QSize frame = window->frameGeometry().size() - window->size();
    return frame.isEmpty() ? UsualFrame : frame;
}

void KeepOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    const QSize frame = FrameAllowance(window);
    const QSize most = (free.size() - frame).expandedTo(window->minimumSize());
    if (window->width() > most.width() || window->height() > most.height())
        window->resize(window->size().boundedTo(most));
    // A window's position is that of its frame.
    const QSize outer = window->size() + frame;
    const QPoint placed(Clamp(window->x(), free.left(), free.right() + 1 - outer.width()),
                        Clamp(window->y(), free.top(), free.bottom() + 1 - outer.height()));
    if (placed != window->pos()) window->move(placed);
}

void PlaceOver(QWidget* window, const QWidget* over) {
    const QScreen* screen = window->screen();
    QRect frame(window->pos(), window->size() + FrameAllowance(window));
    if (over)
        frame.moveCenter(over->frameGeometry().center());
    else if (screen)
        frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
    KeepOnScreen(window);
}

} // namespace quillara::gui
