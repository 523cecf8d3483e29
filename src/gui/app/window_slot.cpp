#include "gui/app/window_slot.h"

#include "gui/widgets/screen_fit.h"

#include <QDir>
#include <QStandardPaths>
#include <QWidget>

namespace quillara::gui {

namespace {

// Windows beyond this many share the last step.
constexpr int SlotCount = 8;
// About a title bar's height: each window's caption stays in sight.
constexpr int Step = 32;

} // namespace

TWindowSlot::TWindowSlot() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) return;
    folder += QStringLiteral("/quillara");
    if (!QDir().mkpath(folder)) return;
    for (int slot = 0; slot < SlotCount; ++slot) {
        auto lock = std::make_unique<QLockFile>(folder + QStringLiteral("/window-%1.lock").arg(slot));
        // Held as long as its window runs, however long: only a lock whose program has gone is
        // taken over.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            Lock = std::move(lock);
            Slot = slot;
            return;
        }
    }
    Slot = SlotCount;
}

void TWindowSlot::Offset(QWidget& window) const {
    if (Slot == 0 || window.isMaximized()) return;
    window.move(window.pos() + QPoint(Step, Step) * Slot);
    KeepOnScreen(&window);
}

} // namespace quillara::gui
