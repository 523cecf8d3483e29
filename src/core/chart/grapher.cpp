#include "core/chart/grapher.h"

#include "core/chart/chart_renderers.h"
#include "core/numeric/math_errors.h"
#include "core/text/number_text.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace quillara {

namespace {

TChartColor DefaultColor(int series) {
    switch (series) {
    case 1:
        return clGreen;
    case 2:
        return clBlue;
    case 3:
        return clYellow;
    default:
        return clRed;
    }
}

double Divide(double dividend, double divisor) {
    if (divisor == 0) throw EZeroDivide();
    return dividend / divisor;
}

// A value in the data table: truncated, every digit written.
std::string WholeText(double value) {
    if (!std::isfinite(value)) throw EInvalidOp();
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::trunc(value) + 0.0);
    return buffer;
}

const std::string& EntryOrEmpty(const std::vector<std::string>& list, int index) {
    static const std::string empty;
    return static_cast<std::size_t>(index) < list.size() ? list[static_cast<std::size_t>(index)]
                                                         : empty;
}

} // namespace

bool Is3D(TChartType type) {
    return type == TChartType::chart3DBar || type == TChartType::chart3DArea ||
           type == TChartType::chart3DLine;
}

TPixel TruncPixel(double value) {
    if (!(std::fabs(value) < 2147483648.0)) throw EInvalidOp();
    return static_cast<TPixel>(value);
}

TGrapher::TGrapher() {
    const double sample[] = {50, 75, 100, 75};
    for (int k = 0; k < 4; ++k)
        setValue(0, k, sample[k]);
    recalcScale();
}

void TGrapher::Changed() {
    if (Invalidate) Invalidate();
}

void TGrapher::Rescale() {
    recalcScale();
    Changed();
}

void TGrapher::setChartType(TChartType type) {
    FChartType = type;
    Changed();
}

void TGrapher::setBorderHeight(std::int16_t pixels) {
    FBorderHeight = pixels;
    Changed();
}

void TGrapher::setBorderWidth(std::int16_t pixels) {
    FBorderWidth = pixels;
    Changed();
}

void TGrapher::setXLabel(std::string label) {
    FxLabel = std::move(label);
    Changed();
}

void TGrapher::setYLabel(std::string label) {
    FyLabel = std::move(label);
    Changed();
}

void TGrapher::setYTickCount(std::int16_t count) {
    FyTickCount = count;
    Rescale();
}

void TGrapher::setYOffset3D(std::int16_t pixels) {
    FyOffset3D = pixels;
    Rescale();
}

void TGrapher::setXOffset3D(std::int16_t pixels) {
    FxOffset3D = pixels;
    Rescale();
}

void TGrapher::setMinYValue(double value) {
    FminYValue = value;
    Rescale();
}

void TGrapher::setMaxYValue(double value) {
    FmaxYValue = value;
    Rescale();
}

void TGrapher::setAutoScaleY(bool on) {
    FautoScaleY = on;
    Rescale();
}

void TGrapher::SetRegional(const TRegionalSettings& regional) {
    Regional = regional;
    Rescale();
}

void TGrapher::setSize(int width, int height) {
    Width = width;
    Height = height;
}

const TGrapher::TSeries& TGrapher::SeriesAt(int series) const {
    if (series < 0 || series >= seriesCount()) throw EListError("Series out of bounds");
    return Series[static_cast<std::size_t>(series)];
}

void TGrapher::setValue(int series, int point, double value) {
    if (series < 0 || series > MaxIndex) throw EListError("Series out of bounds");
    if (point < 0 || point > MaxIndex) throw EListError("Data point out of bounds");
    FscaleValid = false;
    while (seriesCount() <= series) {
        const int number = seriesCount();
        Series.push_back({{}, DefaultColor(number)});
        FseriesNames.push_back("Series " + std::to_string(number));
    }
    auto& points = Series[static_cast<std::size_t>(series)].Points;
    if (static_cast<std::size_t>(point) >= points.size())
        points.resize(static_cast<std::size_t>(point) + 1, 0.0);
    points[static_cast<std::size_t>(point)] = value;
}

double TGrapher::value(int series, int point) const {
    const auto& points = SeriesAt(series).Points;
    if (point < 0 || static_cast<std::size_t>(point) >= points.size())
        throw EListError("Data point out of bounds");
    return points[static_cast<std::size_t>(point)];
}

int TGrapher::pointCount(int series) const {
    return static_cast<int>(SeriesAt(series).Points.size());
}

TChartColor TGrapher::seriesColor(int series) const {
    return SeriesAt(series).Color;
}

void TGrapher::setSeriesColor(int series, TChartColor color) {
    SeriesAt(series);
    Series[static_cast<std::size_t>(series)].Color = color;
}

void TGrapher::clear() {
    FxLabels.clear();
    FseriesNames.clear();
    Series.clear();
}

void TGrapher::recalcScale() {
    try {
        if (FautoScaleY) {
            const double first = value(0, 0);
            FminYValue = FmaxYValue = first;
            for (const auto& series : Series)
                for (double v : series.Points) {
                    if (v > FmaxYValue) FmaxYValue = v;
                    if (v < FminYValue) FminYValue = v;
                }
            // A scale that starts a little above zero reads better from zero.
            if (FminYValue > 0 && FminYValue < 100) FminYValue = 0;
        }
        FtickLabels.clear();
        for (int t = FyTickCount; t >= 0; --t)
            FtickLabels.push_back(
                FyTickCount == 0
                    ? "NaN"
                    : FormatGeneral((FmaxYValue - FminYValue) / FyTickCount * t + FminYValue, 15,
                                    Regional));
        FscaleValid = true;
    } catch (const std::exception&) {
    }
}

void TGrapher::calcLayout(TChartCanvas& canvas) {
    // Each result is stored as soon as it is known, so a failure keeps the later ones as they were.
    try {
        const TPixel S = seriesCount();
        const TPixel dx = FxOffset3D;
        const TPixel dy = FyOffset3D;
        TPixel availableHeight = Height;
        TPixel availableWidth = Width;
        if (Is3D(FChartType)) {
            availableHeight = Height - dy * S;
            availableWidth = Width - dx * S;
            if (availableHeight < 0) availableHeight = 1;
            if (availableWidth < 0) availableWidth = 1;
            Layout.plotTop = dy * S + FBorderHeight;
            Layout.tableBottom = availableHeight - FBorderHeight + dy * S;
        } else {
            Layout.plotTop = FBorderHeight;
            Layout.tableBottom = Height - FBorderHeight;
        }
        // A row for the categories and one per series, a pixel apart, and two pixels more.
        Layout.tableTop = Layout.tableBottom - (canvas.TextHeight("0") * (S + 1) + S + 2);
        Layout.tableLeft = FBorderWidth;
        Layout.tableRight = availableWidth - FBorderWidth;
        Layout.plotLeft = FBorderWidth + canvas.TextWidth(FxLabel) + canvas.TextWidth("    ");
        Layout.plotRight = availableWidth - FBorderWidth;
        Layout.plotBottom = Layout.tableTop - canvas.FontHeight();

        const auto plotWidth = static_cast<double>(Layout.plotRight - Layout.plotLeft);
        const auto plotHeight = static_cast<double>(Layout.plotBottom - Layout.plotTop);
        Layout.xUnit = Divide(plotWidth, 3.0 * pointCount(0));
        Layout.yUnit = FmaxYValue != 0 ? Divide(plotHeight, FmaxYValue - FminYValue) : 100;
        // Categories never grow wider than a fifth of the plot's height.
        if (plotHeight < 5 * Layout.xUnit) Layout.xUnit = plotHeight / 5;
        if (Layout.xUnit == 0) Layout.xUnit = 1;
    } catch (const std::exception&) {
    }
}

TPixel TGrapher::X(double t) const {
    return Layout.plotLeft + TruncPixel(t * Layout.xUnit);
}

TPixel TGrapher::Y(double v) const {
    return Layout.plotBottom - TruncPixel((v - FminYValue) * Layout.yUnit);
}

void TGrapher::DrawAxes(TChartCanvas& canvas) const {
    canvas.SetBrushColor(clWhite);
    canvas.FillRect(0, 0, Width, Height);
    canvas.SetPenColor(clBlack);
    canvas.SetPenWidth(1);

    const TChartLayout& l = Layout;
    const bool depth = Is3D(FChartType);
    // How far the back of the chart lies behind its front.
    const TPixel backX = depth ? TPixel{seriesCount()} * FxOffset3D : 0;
    const TPixel backY = depth ? TPixel{seriesCount()} * FyOffset3D : 0;
    if (depth) {
        canvas.Line(l.plotLeft + backX, l.plotTop - backY, l.plotLeft, l.plotTop);
        canvas.Line(l.plotLeft, l.plotTop, l.plotLeft, l.plotBottom);
        canvas.Line(l.plotLeft, l.plotBottom, l.plotRight, l.plotBottom);
        canvas.Line(l.plotRight, l.plotBottom, l.plotRight + backX, l.plotBottom - backY);
        canvas.Rectangle(l.plotLeft + backX, l.plotTop - backY, l.plotRight + backX,
                         l.plotBottom - backY);
    } else {
        canvas.Rectangle(l.plotLeft, l.plotTop, l.plotRight, l.plotBottom);
    }

    const double step =
        FyTickCount == 0 ? 0 : static_cast<double>(l.plotBottom - l.plotTop) / FyTickCount;
    const TPixel tick = canvas.TextWidth("   ");
    for (int i = 0; i <= FyTickCount; ++i) {
        const std::string& label = FtickLabels.at(static_cast<std::size_t>(i));
        const TPixel y = l.plotTop + TruncPixel(i * step);
        canvas.TextOut(l.plotLeft - tick - canvas.TextWidth(label + "  "),
                       y - canvas.TextHeight(label) / 2, label);
        if (depth) {
            canvas.Line(l.plotLeft - tick, y, l.plotLeft, y);
            canvas.Line(l.plotLeft, y, l.plotLeft + backX, y - backY);
        } else {
            canvas.Line(l.plotLeft - tick, y, l.plotLeft + tick, y);
        }
    }
}

void TGrapher::DrawDataTable(TChartCanvas& canvas) const {
    const TChartLayout& l = Layout;
    canvas.SetFontColor(clBlack);
    canvas.SetPenColor(clBlack);
    canvas.SetPenWidth(1);
    canvas.SetBrushColor(clWhite);
    canvas.Rectangle(l.tableLeft, l.tableTop, l.tableRight, l.tableBottom);

    TPixel y = l.tableTop + 1;
    canvas.TextOut(l.tableLeft + canvas.TextWidth(" "), y, FxLabel);
    // Writes the text centred in point k's column and answers the column's left edge.
    const auto cell = [&](int k, const std::string& text) {
        const TPixel left = X(3.0 * k);
        const TPixel right = X(3.0 * k + 3);
        canvas.TextOut(left + (right - left) / 2 - canvas.TextWidth(text) / 2, y, text);
        return left;
    };
    for (int k = 0; k < pointCount(0); ++k)
        cell(k, EntryOrEmpty(FxLabels, k));

    for (int s = 0; s < seriesCount(); ++s) {
        y += canvas.TextHeight("0") + 1;
        canvas.SetFontColor(seriesColor(s));
        canvas.TextOut(l.tableLeft + 1, y, EntryOrEmpty(FseriesNames, s));
        for (int k = 0; k < pointCount(s); ++k) {
            const TPixel left = cell(k, WholeText(value(s, k)));
            canvas.Line(left, l.tableTop, left, l.tableBottom);
        }
        canvas.Line(l.tableLeft, y, l.tableRight, y);
    }
    canvas.SetFontColor(clBlack);
}

void TGrapher::Paint(TChartCanvas& canvas) {
    try {
        if (!FscaleValid) recalcScale();
        calcLayout(canvas);
        RenderChart(*this, canvas);
    } catch (const std::exception&) {
    }
}

} // namespace quillara
