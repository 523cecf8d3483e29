#include "gui/widgets/heading_font.h"

#include <QStringList>

namespace quillara::gui {

QFont HeadingFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace quillara::gui
