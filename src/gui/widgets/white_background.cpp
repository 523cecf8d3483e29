#include "widgets/white_background.h"

#include <QWidget>

namespace quillara::gui {

void MakeWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace quillara::gui
