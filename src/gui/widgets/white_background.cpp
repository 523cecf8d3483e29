#include "gui/widgets/white_background.h"

#include <QWidget>

namespace quillara::gui {

void MakeWhite(QWidget* widget) {
    FillBackground(widget, Qt::white);
}

void FillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace quillara::gui
