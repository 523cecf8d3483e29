#include "gui/scores/painter_canvas.h"

#include "gui/widgets/white_background.h"

#include <QFontInfo>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace quillara::gui {

namespace {

// Far beyond any screen, and small enough that Qt's own sums on a coordinate stay in range.
constexpr TPixel DrawLimit = TPixel{1} << 24;

int Px(TPixel v) {
    return static_cast<int>(std::clamp(v, -DrawLimit, DrawLimit));
}

// The pixels from the smaller corner up to, not including, the larger one.
QRect Span(TPixel x1, TPixel y1, TPixel x2, TPixel y2) {
    return QRect(QPoint(Px(std::min(x1, x2)), Px(std::min(y1, y2))),
                 QPoint(Px(std::max(x1, x2)) - 1, Px(std::max(y1, y2)) - 1));
}

} // namespace

TPainterCanvas::TPainterCanvas(QPainter& painter, const QPalette& palette)
    : Painter(painter), Metrics(painter.font(), painter.device()), Palette(palette) {
    Painter.setRenderHint(QPainter::Antialiasing, false);
}

// The chart is drawn for black on white; on a dark desktop its white is the palette's base, its
// black the palette's text, and every other colour is lightened to stand out on the base.
QColor TPainterCanvas::ToQColor(TChartColor c) const {
    const QColor colour(c.r, c.g, c.b);
    if (!IsDark(Palette)) return colour;
    if (colour == Qt::white) return Palette.color(QPalette::Base);
    if (colour == Qt::black) return Palette.color(QPalette::Text);
    return OnBase(colour, Palette);
}

void TPainterCanvas::SetBrushColor(TChartColor color) {
    Brush = ToQColor(color);
}

void TPainterCanvas::SetPenColor(TChartColor color) {
    Pen = ToQColor(color);
}

void TPainterCanvas::SetPenWidth(int width) {
    PenWidth = width;
}

void TPainterCanvas::SetFontColor(TChartColor color) {
    Font = ToQColor(color);
}

void TPainterCanvas::UsePen() {
    Painter.setPen(QPen(Pen, PenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void TPainterCanvas::FillRect(TPixel x1, TPixel y1, TPixel x2, TPixel y2) {
    Painter.fillRect(Span(x1, y1, x2, y2), Brush);
}

void TPainterCanvas::Rectangle(TPixel x1, TPixel y1, TPixel x2, TPixel y2) {
    const QRect area = Span(x1, y1, x2, y2);
    if (area.isEmpty()) return;
    Painter.fillRect(area, Brush);
    UsePen();
    Painter.setBrush(Qt::NoBrush);
    // A QRect outline reaches one pixel past the width it is given.
    Painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void TPainterCanvas::Polygon(std::span<const TChartPoint> points) {
    QPolygon polygon;
    for (const auto& p : points)
        polygon << QPoint(Px(p.x), Px(p.y));
    UsePen();
    Painter.setBrush(Brush);
    Painter.drawPolygon(polygon, Qt::OddEvenFill);
}

void TPainterCanvas::Ellipse(TPixel x1, TPixel y1, TPixel x2, TPixel y2) {
    UsePen();
    Painter.setBrush(Brush);
    Painter.drawEllipse(Span(x1, y1, x2, y2).adjusted(0, 0, -1, -1));
}

void TPainterCanvas::Line(TPixel x1, TPixel y1, TPixel x2, TPixel y2) {
    UsePen();
    Painter.drawLine(QPoint(Px(x1), Px(y1)), QPoint(Px(x2), Px(y2)));
}

void TPainterCanvas::TextOut(TPixel x, TPixel y, const std::string& text) {
    const QString line = QString::fromStdString(text);
    const QRect box(Px(x), Px(y), Metrics.horizontalAdvance(line), Metrics.height());
    Painter.fillRect(box, Brush);
    Painter.setPen(Font);
    Painter.drawText(box.left(), box.top() + Metrics.ascent(), line);
}

int TPainterCanvas::TextWidth(const std::string& text) {
    return Metrics.horizontalAdvance(QString::fromStdString(text));
}

int TPainterCanvas::TextHeight(const std::string&) {
    return Metrics.height();
}

int TPainterCanvas::FontHeight() {
    return QFontInfo(Painter.font()).pixelSize();
}

} // namespace quillara::gui
