#include "gui/widgets/white_background.h"

#include <QWidget>
#include <algorithm>

namespace quillara::gui {

void MakeWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
    widget->setPalette(palette);
    FillBackground(widget, palette.color(QPalette::Base));
}

bool IsDark(const QPalette& palette) {
    return palette.color(QPalette::Base).lightness() < 128;
}

QColor OnBase(const QColor& colour, const QPalette& palette) {
    if (!IsDark(palette)) return colour;
    // At least three quarters of the way to white, keeping the hue.
    const QColor hsl = colour.toHsl();
    const int lightness = std::max(hsl.lightness(), 191);
    return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb();
}

void FillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace quillara::gui
