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
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            const bool focused = event->type() == QEvent::FocusIn;
            QPalette palette = Frame->palette();
            palette.setColor(QPalette::WindowText,
                             focused ? palette.color(QPalette::Highlight) : Qt::black);
            Frame->setPalette(palette);
            Frame->setLineWidth(focused ? 2 : 1);
        }
        return false;
    }

private:
    QFrame* Frame;
};

} // namespace

void MarkFocusOn(QFrame* frame, QWidget* page) {
    new TFocusFrame(frame, page);
}

} // namespace quillara::gui
