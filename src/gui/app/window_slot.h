#pragma once

#include <QLockFile>
#include <memory>

class QWidget;

namespace quillara::gui {

// Each running window holds a numbered slot, so that a second window started while the first
// is open steps down and to the right of it instead of hiding it exactly.
class TWindowSlot {
public:
    // Takes the lowest free slot; 0 when no other window holds one (or none can be held).
    TWindowSlot();
    int Number() const { return Slot; }
    // Moves a window placed as the first one would be by this slot's step, kept on the screen.
    void Offset(QWidget& window) const;

private:
    std::unique_ptr<QLockFile> Lock;
    int Slot = 0;
};

} // namespace quillara::gui
