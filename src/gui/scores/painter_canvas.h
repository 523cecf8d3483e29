#pragma once

#include "core/chart/chart_canvas.h"

#include <QColor>
#include <QFontMetrics>
#include <QPalette>

class QPainter;

namespace quillara::gui {

// The chart's canvas on a QPainter, in the painter's font, without anti-aliasing so that every
// shape covers the whole pixels the chart asks for.
class TPainterCanvas : public TChartCanvas {
public:
    // Colours are shown for the palette: as the chart names them on a light one.
    TPainterCanvas(QPainter& painter, const QPalette& palette);

    void SetBrushColor(TChartColor color) override;
    void SetPenColor(TChartColor color) override;
    void SetPenWidth(int width) override;
    void SetFontColor(TChartColor color) override;

    void FillRect(TPixel x1, TPixel y1, TPixel x2, TPixel y2) override;
    void Rectangle(TPixel x1, TPixel y1, TPixel x2, TPixel y2) override;
    void Polygon(std::span<const TChartPoint> points) override;
    void Ellipse(TPixel x1, TPixel y1, TPixel x2, TPixel y2) override;
    void Line(TPixel x1, TPixel y1, TPixel x2, TPixel y2) override;
    void TextOut(TPixel x, TPixel y, const std::string& text) override;

    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    int FontHeight() override;

private:
    void UsePen();
    QColor ToQColor(TChartColor c) const;

    QPainter& Painter;
    QFontMetrics Metrics;
    QPalette Palette;
    QColor Brush = Qt::white;
    QColor Pen = Qt::black;
    QColor Font = Qt::black;
    int PenWidth = 1;
};

} // namespace quillara::gui
