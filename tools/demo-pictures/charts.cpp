#include "charts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quillara::demo {

std::string Thousands(double value) {
    std::string digits = std::to_string(std::lround(std::abs(value)));
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, ",");
    return (value < 0 ? "-" : "") + digits;
}

std::string Dollars(double value) {
    return (value < 0 ? "-$" : "$") + Thousands(std::abs(value));
}

// A white chart with a thin frame and its title across the top, made smaller when it is long.
Canvas ChartCanvas(std::string_view title) {
    Canvas canvas(ChartWidth, ChartHeight, colour::White);
    canvas.FillRect(0, 0, ChartWidth, 1, colour::Grid);
    canvas.FillRect(0, ChartHeight - 1, ChartWidth, ChartHeight, colour::Grid);
    canvas.FillRect(0, 0, 1, ChartHeight, colour::Grid);
    canvas.FillRect(ChartWidth - 1, 0, ChartWidth, ChartHeight, colour::Grid);
    const double dot = std::min(2.0, (ChartWidth - 16) / TextWidth(title, 1.0));
    canvas.TextCentred(ChartWidth / 2.0, 8, title, dot, colour::Ink);
    return canvas;
}

// Bars grouped by category, one bar per series, with the category names under the axis.
// Returns the centre of the top of every bar, by category and then by series.
std::vector<std::vector<Point>> DrawBars(Canvas& canvas, const Plot& plot,
                                         const std::vector<std::string>& groups,
                                         const std::vector<Series>& series) {
    const double groupWidth = (plot.right - plot.left) / static_cast<double>(groups.size());
    const double barWidth = groupWidth * 0.72 / static_cast<double>(series.size());
    std::vector<std::vector<Point>> tops(groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const double x = plot.left + g * groupWidth + groupWidth * 0.14;
        for (std::size_t s = 0; s < series.size(); ++s) {
            const double left = x + s * barWidth;
            const double top = plot.Y(series[s].values[g]);
            canvas.FillRect(left, top, left + barWidth - 1, plot.bottom - 0.5, series[s].colour);
            tops[g].push_back({left + (barWidth - 1) / 2, top});
        }
        canvas.TextCentred(x + groupWidth * 0.36, plot.bottom + 5, groups[g], 1, colour::Ink);
    }
    return tops;
}

// One row of colour boxes with their names, centred on cx.
void DrawLegend(Canvas& canvas, double cx, double y, const std::vector<LegendEntry>& entries) {
    constexpr double box = 8, gap = 4, spacing = 14;
    double width = -spacing;
    for (const LegendEntry& e : entries)
        width += box + gap + TextWidth(e.text, 1) + spacing;
    double x = cx - width / 2;
    for (const LegendEntry& e : entries) {
        canvas.FillRect(x, y, x + box, y + box, e.colour);
        canvas.Text(x + box + gap, y + 0.5, e.text, 1, colour::Ink);
        x += box + gap + TextWidth(e.text, 1) + spacing;
    }
}

// A pie with thin white gaps between the slices and its legend in a column to the right.
void DrawPie(Canvas& canvas, Point centre, double radius, const std::vector<Slice>& slices,
             double legendX) {
    double from = 0;
    for (const Slice& s : slices) {
        canvas.FillPieSlice(centre.x, centre.y, radius, from, from + s.share, s.colour);
        from += s.share;
    }
    from = 0;
    for (const Slice& s : slices) {
        const double angle = 2 * std::numbers::pi * from;
        canvas.Line(centre,
                    {centre.x + radius * std::sin(angle), centre.y - radius * std::cos(angle)}, 2,
                    colour::White);
        from += s.share;
    }
    const double rowHeight = 26;
    double y = centre.y - rowHeight * static_cast<double>(slices.size()) / 2 + 5;
    for (const Slice& s : slices) {
        canvas.FillRect(legendX, y, legendX + 14, y + 14, s.colour);
        canvas.Text(legendX + 20, y - 1, s.label, 2, colour::Ink);
        y += rowHeight;
    }
}

} // namespace quillara::demo
