#include "gui/scores/grapher_widget.h"

#include "gui/shell/regional_from_locale.h"
#include "gui/scores/painter_canvas.h"

#include <QPainter>

namespace quillara::gui {

TGrapherWidget::TGrapherWidget(QWidget* parent) : QWidget(parent) {
    // The chart fills every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    FChart.SetRegional(RegionalFromLocale(locale()));
    FChart.SetOnInvalidate([this] { update(); });
}

QImage TGrapherWidget::RenderImage() {
    QImage image(size(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    QPainter painter(&image);
    painter.setFont(font());
    PaintOn(painter);
    return image;
}

void TGrapherWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintOn(painter);
}

// A resize always brings a paint, and every paint lays the chart out anew at the current size.
void TGrapherWidget::PaintOn(QPainter& painter) {
    FChart.setSize(width(), height());
    TPainterCanvas canvas(painter);
    FChart.Paint(canvas);
}

} // namespace quillara::gui
