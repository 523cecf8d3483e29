#include "gui/widgets/focus_frame.h"

#include <QEvent>
#include <QFrame>
#include <QPalette>

namespace quillara::gui {

namespace {

class TFocusFrame : public QObject {
public:
    TFocusFrame(QFrame* frame, QWidget* page) : QObject(frame), Frame(frame) {
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
        // A page losing the focus as it is destroyed may find its frame half gone: by then the
        // frame is no longer a QFrame.
        auto* frame = qobject_cast<QFrame*>(Frame);
        if (!frame) return false;
        const bool focused = event->type() == QEvent::FocusIn;
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText,
                         focused ? palette.color(QPalette::Highlight) : Qt::black);
        frame->setPalette(palette);
        frame->setLineWidth(focused ? 2 : 1);
        return false;
    }

private:
    QObject* Frame;
};

} // namespace

void MarkFocusOn(QFrame* frame, QWidget* page) {
    new TFocusFrame(frame, page);
}

} // namespace quillara::gui
