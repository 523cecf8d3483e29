#include "accessible_tree.h"

#include <QAccessible>
#include <QWidget>

namespace quillara::testing {

namespace {

void Walk(QAccessibleInterface* node, QStringList& unnamed) {
    if (!node || !node->isValid()) return;
    // Items of lists and tables are named by their texts; the controls themselves are the care.
    if (auto* widget = qobject_cast<QWidget*>(node->object())) {
        if (node->state().focusable && node->text(QAccessible::Name).trimmed().isEmpty())
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

QStringList UnnamedFocusableControls(QWidget* window) {
    QStringList unnamed;
    Walk(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

} // namespace quillara::testing
