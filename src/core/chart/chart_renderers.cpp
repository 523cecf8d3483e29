#include "core/chart/chart_renderers.h"

#include "core/chart/grapher.h"
#include "core/numeric/round_to_places.h"

#include <array>
#include <exception>

namespace quillara {

namespace {

using TQuad = std::array<TChartPoint, 4>;

// Series side by side within each category, from the category's left edge.
void DrawBars(const TGrapher& chart, TChartCanvas& canvas) {
    const TChartLayout& l = chart.layout();
    const TPixel barWidth = TruncPixel(3 * l.xUnit / chart.seriesCount());
    for (int s = 0; s < chart.seriesCount(); ++s) {
        canvas.SetBrushColor(chart.seriesColor(s));
        for (int k = 0; k < chart.pointCount(s); ++k) {
            const double left = 3.0 * k * l.xUnit + static_cast<double>(s * barWidth);
            canvas.Rectangle(l.plotLeft + TruncPixel(left), chart.Y(chart.value(s, k)),
                             l.plotLeft + TruncPixel(left + static_cast<double>(barWidth)) + 1,
                             chart.Y(0));
        }
    }
}

// Each point a white circle in the series' colour, joined to the next by a line.
void DrawLines(const TGrapher& chart, TChartCanvas& canvas) {
    for (int s = 0; s < chart.seriesCount(); ++s) {
        canvas.SetPenColor(chart.seriesColor(s));
        canvas.SetPenWidth(2);
        canvas.SetBrushColor(clWhite);
        const int count = chart.pointCount(s);
        for (int k = 0; k < count; ++k) {
            const TPixel x = chart.X(3.0 * k + 1);
            const TPixel y = chart.Y(chart.value(s, k));
            canvas.Ellipse(x - 5, y - 5, x + 5, y + 5);
            if (k + 1 < count)
                canvas.Line(x, y, chart.X(3.0 * k + 4), chart.Y(chart.value(s, k + 1)));
        }
    }
}

// Series 0 only, always red. Heights are rounded here, ties to the even pixel.
void DrawArea(const TGrapher& chart, TChartCanvas& canvas) {
    const TChartLayout& l = chart.layout();
    const auto height = [&](double v) {
        return l.plotBottom - TruncPixel(RoundToPlaces(0, (v - chart.minYValue()) * l.yUnit));
    };
    canvas.SetBrushColor(clRed);
    for (int k = 1; k < chart.pointCount(0); ++k) {
        const TPixel xa = chart.X(3.0 * k - 2);
        const TPixel xb = chart.X(3.0 * k + 1);
        canvas.Polygon(TQuad{{{xa, height(0)},
                              {xa, height(chart.value(0, k - 1))},
                              {xb, height(chart.value(0, k))},
                              {xb, height(0)}}});
    }
}

// Bars two units wide centred in their category, with a top and a darker side face; the last
// series is the back row and is drawn first.
void Draw3DBars(const TGrapher& chart, TChartCanvas& canvas) {
    const TPixel dx = chart.xOffset3D();
    const TPixel dy = chart.yOffset3D();
    for (int s = chart.seriesCount() - 1; s >= 0; --s) {
        const TChartColor color = chart.seriesColor(s);
        for (int k = 1; k <= chart.pointCount(s); ++k) {
            const double v = chart.value(s, k - 1);
            const TPixel left = chart.X(3.0 * k - 2.5) + s * dx;
            const TPixel right = chart.X(3.0 * k - 0.5) + s * dx;
            const TPixel top = chart.Y(v) - s * dy;
            const TPixel bottom = chart.Y(0) - s * dy;
            canvas.SetBrushColor(color);
            canvas.FillRect(left, top, right, bottom);
            canvas.Rectangle(left, top, right + 1, bottom + 1);
            // A bar at or below zero shows its top face on the zero line.
            const TPixel lid = v > 0 ? top : bottom;
            canvas.Polygon(
                TQuad{{{left, lid}, {right, lid}, {right + dx, lid - dy}, {left + dx, lid - dy}}});
            canvas.SetBrushColor(darken(color));
            canvas.Polygon(TQuad{{{right, bottom},
                                  {right + dx, bottom - dy},
                                  {right + dx, top - dy},
                                  {right, top}}});
        }
    }
}

// Each series a ribbon one row deep filled down to the zero line, closed by a darker end face.
void Draw3DAreas(const TGrapher& chart, TChartCanvas& canvas) {
    const TPixel dx = chart.xOffset3D();
    const TPixel dy = chart.yOffset3D();
    for (int s = chart.seriesCount() - 1; s >= 0; --s) {
        const TChartColor color = chart.seriesColor(s);
        const int count = chart.pointCount(s);
        // An empty series has no end face either; the rows in front of it are still drawn.
        if (count == 0) continue;
        const int e = s + 1;
        const TPixel zero = chart.Y(0);
        for (int k = 1; k < count; ++k) {
            const double p = chart.value(s, k - 1);
            const double q = chart.value(s, k);
            const TPixel xa = chart.X(3.0 * k - 2);
            const TPixel xb = chart.X(3.0 * k + 1);
            // A segment that starts below zero lays its top flat on the zero line.
            const TPixel topP = chart.Y(p >= 0 ? p : 0);
            const TPixel topQ = chart.Y(p >= 0 ? q : 0);
            canvas.SetBrushColor(color);
            canvas.Polygon(TQuad{{{xa + s * dx, topP - s * dy},
                                  {xa + e * dx, topP - e * dy},
                                  {xb + e * dx, topQ - e * dy},
                                  {xb + s * dx, topQ - s * dy}}});
            canvas.Polygon(TQuad{{{xa + s * dx, zero - s * dy},
                                  {xa + s * dx, chart.Y(p) - s * dy},
                                  {xb + s * dx, chart.Y(q) - s * dy},
                                  {xb + s * dx, zero - s * dy}}});
        }
        const TPixel last = chart.Y(chart.value(s, count - 1));
        const TPixel x = chart.X(3.0 * count - 2);
        canvas.SetBrushColor(darken(color));
        canvas.Polygon(TQuad{{{x + s * dx, last - s * dy},
                              {x + e * dx, last - e * dy},
                              {x + e * dx, zero - e * dy},
                              {x + s * dx, zero - s * dy}}});
    }
}

// Series 0 and 1 are the ends of each range, series 2 the closing value.
void DrawHiLoClose(const TGrapher& chart, TChartCanvas& canvas) {
    canvas.SetPenColor(chart.seriesColor(0));
    canvas.SetPenWidth(2);
    for (int k = 0; k < chart.pointCount(0); ++k) {
        const TPixel x = chart.X(3.0 * k + 1);
        canvas.Line(x, chart.Y(chart.value(0, k)), x, chart.Y(chart.value(1, k)));
        const TPixel close = chart.Y(chart.value(2, k));
        canvas.Line(x - 5, close, x + 5, close);
    }
}

// Each series a ribbon one row deep with a thick front edge.
void Draw3DLines(const TGrapher& chart, TChartCanvas& canvas) {
    const TPixel dx = chart.xOffset3D();
    const TPixel dy = chart.yOffset3D();
    canvas.SetPenColor(clBlack);
    for (int s = chart.seriesCount() - 1; s >= 0; --s) {
        const TChartColor color = chart.seriesColor(s);
        for (int k = 1; k < chart.pointCount(s); ++k) {
            const TPixel xa = chart.X(3.0 * k - 2) + s * dx;
            const TPixel xb = chart.X(3.0 * k + 1) + s * dx;
            const TPixel ya = chart.Y(chart.value(s, k - 1)) - s * dy;
            const TPixel yb = chart.Y(chart.value(s, k)) - s * dy;
            canvas.SetPenWidth(1);
            canvas.SetBrushColor(color);
            canvas.Polygon(TQuad{{{xa, ya}, {xa + dx, ya - dy}, {xb + dx, yb - dy}, {xb, yb}}});
            canvas.SetPenWidth(3);
            canvas.Line(xa, ya, xb, yb);
        }
    }
}

void DrawSeries(const TGrapher& chart, TChartCanvas& canvas) {
    switch (chart.ChartType()) {
    case TChartType::chartBar:
        return DrawBars(chart, canvas);
    case TChartType::chartLine:
        return DrawLines(chart, canvas);
    case TChartType::chart3DBar:
        return Draw3DBars(chart, canvas);
    case TChartType::chartArea:
        return DrawArea(chart, canvas);
    case TChartType::chart3DArea:
        return Draw3DAreas(chart, canvas);
    case TChartType::chartHiLoClose:
        return DrawHiLoClose(chart, canvas);
    case TChartType::chart3DLine:
        return Draw3DLines(chart, canvas);
    }
}

} // namespace

void RenderChart(const TGrapher& chart, TChartCanvas& canvas) {
    chart.DrawAxes(canvas);
    if (chart.ChartType() == TChartType::chartHiLoClose && chart.seriesCount() != 3) return;
    try {
        DrawSeries(chart, canvas);
    } catch (const std::exception&) {
        // The series stop at the first failure; the table still shows the values.
    }
    chart.DrawDataTable(canvas);
}

} // namespace quillara
