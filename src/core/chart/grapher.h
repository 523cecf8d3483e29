#pragma once

#include "core/chart/chart_canvas.h"
#include "core/platform/regional_settings.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillara {

enum class TChartType {
    chartBar,
    chartLine,
    chart3DBar,
    chartArea,
    chart3DArea,
    chartHiLoClose,
    chart3DLine,
};

// The kinds that draw each series one row deeper than the one before.
bool Is3D(TChartType type);

// A series or data point that does not exist: "Series out of bounds", "Data point out of bounds".
class EListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// A position on the chart truncated toward zero to whole pixels. A value that no pixel can hold
// (NaN, infinite, outside the 32-bit range) raises EInvalidOp, which stops the drawing step like
// any other failure.
TPixel TruncPixel(double value);

// Where calcLayout put the plot and the data table, and the size of one unit on each axis.
struct TChartLayout {
    TPixel plotLeft = 0;
    TPixel plotTop = 0;
    TPixel plotRight = 0;
    TPixel plotBottom = 0;
    TPixel tableLeft = 0;
    TPixel tableTop = 0;
    TPixel tableRight = 0;
    TPixel tableBottom = 0;
    double xUnit = 0;
    double yUnit = 0;
};

// The program's chart: series of values drawn as one of seven kinds of chart, with a value axis on
// the left and a table of the categories and values under the plot. It holds the data, the scale
// and the layout; a widget gives it its size and a canvas to paint on.
class TGrapher {
public:
    // Counts are 16-bit, so this is the highest series and point number.
    static constexpr int MaxIndex = 32766;

    // Holds the sample series 0: 50, 75, 100, 75.
    TGrapher();

    TChartType ChartType() const { return FChartType; }
    std::int16_t BorderHeight() const { return FBorderHeight; }
    std::int16_t BorderWidth() const { return FBorderWidth; }
    const std::string& xLabel() const { return FxLabel; }
    // Kept for the owner; the chart never draws it.
    const std::string& yLabel() const { return FyLabel; }
    std::int16_t yTickCount() const { return FyTickCount; }
    std::int16_t yOffset3D() const { return FyOffset3D; }
    std::int16_t xOffset3D() const { return FxOffset3D; }
    double minYValue() const { return FminYValue; }
    double maxYValue() const { return FmaxYValue; }
    bool autoScaleY() const { return FautoScaleY; }

    // These repaint later.
    void setChartType(TChartType type);
    void setBorderHeight(std::int16_t pixels);
    void setBorderWidth(std::int16_t pixels);
    void setXLabel(std::string label);
    void setYLabel(std::string label);
    // These scale again at once, then repaint later.
    void setYTickCount(std::int16_t count);
    void setYOffset3D(std::int16_t pixels);
    void setXOffset3D(std::int16_t pixels);
    void setMinYValue(double value);
    void setMaxYValue(double value);
    void setAutoScaleY(bool on);
    // Tick labels are written with the user's decimal separator.
    void SetRegional(const TRegionalSettings& regional);

    // Creates the series up to `series` and extends it up to `point` as needed; points skipped
    // over hold 0. A number below 0 or above MaxIndex raises EListError and changes nothing.
    void setValue(int series, int point, double value);
    // Raise EListError for a series or point that does not exist.
    double value(int series, int point) const;
    int pointCount(int series) const;
    TChartColor seriesColor(int series) const;
    void setSeriesColor(int series, TChartColor color);
    int seriesCount() const { return static_cast<int>(Series.size()); }

    // Entry k labels point k of every series; a shorter list leaves the rest unlabelled.
    std::vector<std::string>& xLabels() { return FxLabels; }
    const std::vector<std::string>& xLabels() const { return FxLabels; }
    // Entry s names series s in the data table.
    std::vector<std::string>& seriesNames() { return FseriesNames; }
    const std::vector<std::string>& seriesNames() const { return FseriesNames; }
    // The value axis's labels, top first.
    const std::vector<std::string>& tickLabels() const { return FtickLabels; }
    bool scaleValid() const { return FscaleValid; }

    // Removes every series, label and name; the tick labels stay until the next scaling.
    void clear();

    // Sets the automatic scale and the tick labels. A failure (no point 0 in series 0 to scale
    // from) leaves the rest as it was.
    void recalcScale();
    // Places the plot and the table in the control's size and font. A failure (series 0 missing
    // or empty, an empty value range) keeps the later results of the previous layout.
    void calcLayout(TChartCanvas& canvas);
    const TChartLayout& layout() const { return Layout; }

    // Scales if the data changed, lays out and draws the chart. Nothing raised while painting
    // escapes; what was drawn stays.
    void Paint(TChartCanvas& canvas);
    // The first and last steps of every kind of chart.
    void DrawAxes(TChartCanvas& canvas) const;
    void DrawDataTable(TChartCanvas& canvas) const;

    // Horizontal position of t x units (a category is 3 units wide) and height of a value.
    TPixel X(double t) const;
    TPixel Y(double v) const;

    // The control's size, read by the next layout.
    void setSize(int width, int height);
    int width() const { return Width; }
    int height() const { return Height; }
    // Called whenever the chart should be painted again soon.
    void SetOnInvalidate(std::function<void()> invalidate) { Invalidate = std::move(invalidate); }

private:
    struct TSeries {
        std::vector<double> Points;
        TChartColor Color;
    };

    const TSeries& SeriesAt(int series) const;
    void Changed();
    void Rescale();

    TChartType FChartType = TChartType::chartBar;
    std::int16_t FBorderHeight = 10;
    std::int16_t FBorderWidth = 5;
    std::string FxLabel;
    std::string FyLabel;
    std::int16_t FyTickCount = 0;
    std::int16_t FyOffset3D = 20;
    std::int16_t FxOffset3D = 20;
    double FminYValue = 0;
    double FmaxYValue = 0;
    bool FautoScaleY = false;
    TRegionalSettings Regional;

    std::vector<TSeries> Series;
    std::vector<std::string> FxLabels;
    std::vector<std::string> FseriesNames;
    std::vector<std::string> FtickLabels;
    bool FscaleValid = false;
    TChartLayout Layout;

    int Width = 0;
    int Height = 0;
    std::function<void()> Invalidate;
};

} // namespace quillara
