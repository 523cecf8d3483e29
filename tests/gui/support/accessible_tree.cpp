#include "accessible_tree.h"

#include "gui/widgets/link_label.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace quillara::testing {

namespace {

void Walk(QAccessibleInterface* node, QStringList& unnamed) {
    if (!node || !node->isValid()) return;
    // Items of lists and tables are named by their texts; the controls themselves are the care.
    if (auto* widget = qobject_cast<QWidget*>(node->object())) {
        const bool wantsName = node->state().focusable || node->role() == QAccessible::Graphic;
        if (wantsName && node->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (role %2)")
                           .arg(widget->objectName().isEmpty()
                                    ? QString::fromLatin1(widget->metaObject()->className())
                                    : widget->objectName())
                           .arg(static_cast<int>(node->role()));
        for (int i = 0; i < node->childCount(); ++i)
            Walk(node->child(i), unnamed);
    }
}

} // namespace

QStringList UnnamedControls(QWidget* window) {
    QStringList unnamed;
    Walk(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

QStringList ControlsTabMisses(QWidget* window) {
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window)) return {QStringLiteral("(the window is not active)")};
    QSet<QWidget*> reached;
    // Enough presses to go round any of the program's windows twice.
    for (int press = 0; press < 120; ++press) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : window, Qt::Key_Tab);
        if (QWidget* now = QApplication::focusWidget()) reached.insert(now);
    }
    QStringList missed;
    QList<QWidget*> controls;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        controls << button;
    for (gui::TLinkLabel* link : window->findChildren<gui::TLinkLabel*>())
        controls << link;
    for (QWidget* control : controls)
        if (control->window() == window && control->isVisible() && control->isEnabled() &&
            (control->focusPolicy() & Qt::TabFocus) && !reached.contains(control))
            missed << control->objectName();
    return missed;
}

} // namespace quillara::testing
