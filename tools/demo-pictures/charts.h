#pragma once

#include "canvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillara::demo {

std::string Thousands(double value);
std::string Dollars(double value);

constexpr int ChartWidth = 320;
constexpr int ChartHeight = 200;

// A white chart with a thin frame and its title across the top, made smaller when it is long.
Canvas ChartCanvas(std::string_view title);

struct Plot {
    double left, top, right, bottom;
    double max;

    double Y(double value) const { return bottom - (bottom - top) * value / max; }
};

template <typename Label>
void DrawGrid(Canvas& canvas, const Plot& plot, double step, Label label) {
    for (double value = 0; value <= plot.max + 1e-9; value += step) {
        const double y = plot.Y(value);
        canvas.FillRect(plot.left, y - 0.5, plot.right, y + 0.5, colour::Grid);
        canvas.TextRight(plot.left - 4, y - 3.5, label(value), 1, colour::Grey);
    }
    canvas.FillRect(plot.left - 0.5, plot.top, plot.left + 0.5, plot.bottom, colour::Ink);
    canvas.FillRect(plot.left, plot.bottom - 0.5, plot.right, plot.bottom + 0.5, colour::Ink);
}

struct Series {
    std::vector<double> values;
    Rgb colour;
};

// Bars grouped by category, one bar per series, with the category names under the axis.
// Returns the centre of the top of every bar, by category and then by series.
std::vector<std::vector<Point>> DrawBars(Canvas& canvas, const Plot& plot,
                                         const std::vector<std::string>& groups,
                                         const std::vector<Series>& series);

struct LegendEntry {
    Rgb colour;
    std::string text;
};

// One row of colour boxes with their names, centred on cx.
void DrawLegend(Canvas& canvas, double cx, double y, const std::vector<LegendEntry>& entries);

struct Slice {
    double share;
    Rgb colour;
    std::string label;
};

// A pie with thin white gaps between the slices and its legend in a column to the right.
void DrawPie(Canvas& canvas, Point centre, double radius, const std::vector<Slice>& slices,
             double legendX);

} // namespace quillara::demo
