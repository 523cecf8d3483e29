#include "gui/widgets/white_background.h"

#include <QWidget>

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
    // Into the lightest quarter, keeping the hue and the order of lightness, so that a chart's
    // darker sides still read as its sides.
    const QColor hsl = colour.toHsl();
    const int lightness = 191 + hsl.lightness() * 64 / 255;
    return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb();
}

void FillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace quillara::gui
