#include "gui/widgets/accessible_name.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace quillara::gui {

void NameControl(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    if (!description.isEmpty()) control->setAccessibleDescription(description);
    if (auto* list = qobject_cast<QComboBox*>(control)) list->view()->setAccessibleName(name);
}

} // namespace quillara::gui
