#include "gui/widgets/link_label.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace quillara::gui {

namespace {

// A screen reader announces the label as a link, named by its text, and can follow it.
class TLinkLabelAccessible : public QAccessibleWidget {
public:
    explicit TLinkLabelAccessible(TLinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        const QString given = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && given.isEmpty())
            return static_cast<const TLinkLabel*>(widget())->text();
        return given;
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        auto* link = static_cast<TLinkLabel*>(widget());
        if (action == pressAction() && link->isEnabled())
            emit link->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* LinkLabelAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(TLinkLabel::staticMetaObject.className()))
        if (auto* link = qobject_cast<TLinkLabel*>(object)) return new TLinkLabelAccessible(link);
    return nullptr;
}

} // namespace

TLinkLabel::TLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool accessible = (QAccessible::installFactory(LinkLabelAccessible), true);
    (void)accessible;
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
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

void TLinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TLinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void TLinkLabel::SetBold(bool bold) {
    QFont changed = font();
    changed.setBold(bold);
    setFont(changed);
}

} // namespace quillara::gui
