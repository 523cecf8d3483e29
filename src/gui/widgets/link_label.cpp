#include "widgets/link_label.h"

#include <QMouseEvent>

namespace quillara::gui {

TLinkLabel::TLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
    SetBold(true);
    event->accept();
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    SetBold(false);
    event->accept();
    // The press grabbed the mouse, so the release arrives here even when it happens elsewhere.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TLinkLabel::SetBold(bool bold) {
    QFont changed = font();
    changed.setBold(bold);
    setFont(changed);
}

} // namespace quillara::gui
