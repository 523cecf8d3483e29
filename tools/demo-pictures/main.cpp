// quillara-demo-pictures OUTDIR
//
// Draws every picture of the demo book (books/demo): the cover, one heading band per chapter
// and the charts of the topic pages, and writes them to OUTDIR as JPEG files. The pictures are
// plain code rather than binary files in the tree; the output is the same bytes on every run.
//
// The chapter names and the picture names below must follow books/demo/book.json.

#include <algorithm>
#include <array>
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <jpeglib.h> // after <cstdio>: it uses FILE without including it
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 5> ChapterNames = {
    "Budgets and Cash Flow", "Saving and Interest", "Borrowing and Credit", "Investing Basics",
    "Insurance and Protection"};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
    };
    return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b)};
}

namespace colour {
constexpr Rgb White{255, 255, 255};
constexpr Rgb Ink{38, 42, 56};
constexpr Rgb Grey{128, 132, 140};
constexpr Rgb Grid{222, 225, 230};
constexpr Rgb Blue{52, 112, 186};
constexpr Rgb Teal{32, 140, 140};
constexpr Rgb Green{62, 150, 82};
constexpr Rgb Orange{232, 140, 44};
constexpr Rgb Red{204, 68, 60};
constexpr Rgb Purple{118, 82, 170};
constexpr Rgb Gold{236, 190, 64};
} // namespace colour

// A 5x7 font with one row below the baseline for descenders. Each glyph is 8 rows of 5 dots.
struct Glyph {
    char ch;
    std::array<const char*, 8> rows;
};

constexpr int GlyphWidth = 5;
constexpr int GlyphHeight = 8;
constexpr int GlyphAdvance = 6;

// clang-format off
constexpr Glyph Font[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#", "....."}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####.", "....."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###.", "....."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####.", "....."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####", "....."}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#....", "....."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####", "....."}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#", "....."}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###.", "....."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##..", "....."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#", "....."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####", "....."}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#", "....."}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "....."}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###.", "....."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#....", "....."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#", "....."}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#", "....."}},
    {'S', {".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###.", "....."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#..", "....."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###.", "....."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#..", "....."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#.", "....."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#", "....."}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#..", "....."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####", "....."}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####", "....."}},
    {'b', {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "####.", "....."}},
    {'c', {".....", ".....", ".###.", "#....", "#....", "#...#", ".###.", "....."}},
    {'d', {"....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####", "....."}},
    {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###.", "....."}},
    {'f', {"..##.", ".#..#", ".#...", "###..", ".#...", ".#...", ".#...", "....."}},
    {'g', {".....", ".....", ".####", "#...#", "#...#", ".####", "....#", ".###."}},
    {'h', {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#", "....."}},
    {'i', {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###.", "....."}},
    {'j', {"...#.", ".....", "..##.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'k', {"#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "....."}},
    {'l', {".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###.", "....."}},
    {'m', {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#", "....."}},
    {'n', {".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#", "....."}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###.", "....."}},
    {'p', {".....", ".....", "####.", "#...#", "#...#", "####.", "#....", "#...."}},
    {'q', {".....", ".....", ".####", "#...#", "#...#", ".####", "....#", "....#"}},
    {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#....", "....."}},
    {'s', {".....", ".....", ".###.", "#....", ".###.", "....#", "####.", "....."}},
    {'t', {".#...", ".#...", "###..", ".#...", ".#...", ".#..#", "..##.", "....."}},
    {'u', {".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#", "....."}},
    {'v', {".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#..", "....."}},
    {'w', {".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#.", "....."}},
    {'x', {".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "....."}},
    {'y', {".....", ".....", "#...#", "#...#", "#...#", ".####", "....#", ".###."}},
    {'z', {".....", ".....", "#####", "...#.", "..#..", ".#...", "#####", "....."}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###.", "....."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###.", "....."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####", "....."}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###.", "....."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#.", "....."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###.", "....."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###.", "....."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#...", "....."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###.", "....."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##..", "....."}},
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", ".....", "....."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#..", "....."}},
    {'"', {".#.#.", ".#.#.", ".....", ".....", ".....", ".....", ".....", "....."}},
    {'#', {".#.#.", ".#.#.", "#####", ".#.#.", "#####", ".#.#.", ".#.#.", "....."}},
    {'$', {"..#..", ".####", "#.#..", ".###.", "..#.#", "####.", "..#..", "....."}},
    {'%', {"##...", "##..#", "...#.", "..#..", ".#...", "#..##", "...##", "....."}},
    {'&', {".##..", "#..#.", "#.#..", ".#...", "#.#.#", "#..#.", ".##.#", "....."}},
    {'\'', {"..#..", "..#..", ".#...", ".....", ".....", ".....", ".....", "....."}},
    {'(', {"...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#.", "....."}},
    {')', {".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#...", "....."}},
    {'*', {".....", "..#..", "#.#.#", ".###.", "#.#.#", "..#..", ".....", "....."}},
    {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", ".....", "....."}},
    {',', {".....", ".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."}},
    {'-', {".....", ".....", ".....", ".###.", ".....", ".....", ".....", "....."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##..", "....."}},
    {'/', {".....", "....#", "...#.", "..#..", ".#...", "#....", ".....", "....."}},
    {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", ".....", "....."}},
    {';', {".....", ".##..", ".##..", ".....", ".##..", "..#..", ".#...", "....."}},
    {'<', {"...#.", "..#..", ".#...", "#....", ".#...", "..#..", "...#.", "....."}},
    {'=', {".....", ".....", "#####", ".....", "#####", ".....", ".....", "....."}},
    {'>', {".#...", "..#..", "...#.", "....#", "...#.", "..#..", ".#...", "....."}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#..", "....."}},
    {'_', {".....", ".....", ".....", ".....", ".....", ".....", ".....", "#####"}},
};
// clang-format on

const Glyph& FindGlyph(char ch) {
    for (const Glyph& glyph : Font)
        if (glyph.ch == ch) return glyph;
    throw std::runtime_error(std::string("the picture font has no glyph for '") + ch + "'");
}

double TextWidth(std::string_view text, double dot) {
    return text.empty() ? 0.0 : (GlyphAdvance * static_cast<double>(text.size()) - 1) * dot;
}

struct Point {
    double x, y;
};

// An RGB picture drawn at Samples x Samples points per pixel and averaged down when written,
// which smooths the edges of circles, slanted lines and scaled text.
class Canvas {
public:
    static constexpr int Samples = 4;

    Canvas(int width, int height, Rgb background)
        : width_(width), height_(height),
          samples_(static_cast<std::size_t>(width) * height * Samples * Samples, background) {}

    int Width() const { return width_; }
    int Height() const { return height_; }

    void FillRect(double x0, double y0, double x1, double y1, Rgb c) {
        Paint(x0, y0, x1, y1, [&](double, double) { return std::optional(c); });
    }

    // Colours run from `from` at the top (or left) edge to `to` at the bottom (or right).
    void Gradient(double x0, double y0, double x1, double y1, Rgb from, Rgb to, bool vertical) {
        Paint(x0, y0, x1, y1, [&](double x, double y) {
            const double t = vertical ? (y - y0) / (y1 - y0) : (x - x0) / (x1 - x0);
            return std::optional(Mix(from, to, t));
        });
    }

    void FillEllipse(double cx, double cy, double rx, double ry, Rgb c) {
        Paint(cx - rx, cy - ry, cx + rx, cy + ry, [&](double x, double y) -> std::optional<Rgb> {
            const double dx = (x - cx) / rx, dy = (y - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) return c;
            return std::nullopt;
        });
    }

    void FillCircle(double cx, double cy, double r, Rgb c) { FillEllipse(cx, cy, r, r, c); }

    // A slice from `from` to `to`, in turns measured clockwise from twelve o'clock.
    void FillPieSlice(double cx, double cy, double r, double from, double to, Rgb c) {
        Paint(cx - r, cy - r, cx + r, cy + r, [&](double x, double y) -> std::optional<Rgb> {
            const double dx = x - cx, dy = y - cy;
            if (dx * dx + dy * dy > r * r) return std::nullopt;
            double turn = std::atan2(dx, -dy) / (2 * std::numbers::pi);
            if (turn < 0) turn += 1.0;
            if (turn >= from && turn < to) return c;
            return std::nullopt;
        });
    }

    // A straight stroke with round ends.
    void Line(Point a, Point b, double width, Rgb c) {
        const double half = width / 2;
        const double lx = b.x - a.x, ly = b.y - a.y;
        const double length2 = lx * lx + ly * ly;
        Paint(std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::max(a.x, b.x) + half,
              std::max(a.y, b.y) + half, [&](double x, double y) -> std::optional<Rgb> {
                  double t = length2 > 0 ? ((x - a.x) * lx + (y - a.y) * ly) / length2 : 0.0;
                  t = std::clamp(t, 0.0, 1.0);
                  const double dx = x - (a.x + t * lx), dy = y - (a.y + t * ly);
                  if (dx * dx + dy * dy <= half * half) return c;
                  return std::nullopt;
              });
    }

    void DashedLine(Point a, Point b, double width, double dash, Rgb c) {
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        for (double s = 0; s < length; s += 2 * dash) {
            const double e = std::min(length, s + dash);
            Line({a.x + (b.x - a.x) * s / length, a.y + (b.y - a.y) * s / length},
                 {a.x + (b.x - a.x) * e / length, a.y + (b.y - a.y) * e / length}, width, c);
        }
    }

    // Even-odd filling, enough for the simple outlines drawn here.
    void FillPolygon(const std::vector<Point>& outline, Rgb c) {
        double x0 = width_, y0 = height_, x1 = 0, y1 = 0;
        for (const Point& p : outline) {
            x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
            x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
        }
        Paint(x0, y0, x1, y1, [&](double x, double y) -> std::optional<Rgb> {
            bool inside = false;
            for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
                const Point& p = outline[i];
                const Point& q = outline[j];
                if ((p.y > y) != (q.y > y) && x < (q.x - p.x) * (y - p.y) / (q.y - p.y) + p.x)
                    inside = !inside;
            }
            if (inside) return c;
            return std::nullopt;
        });
    }

    // Writes text with its top left corner at (x, y); `dot` is the size of one font dot.
    void Text(double x, double y, std::string_view text, double dot, Rgb c) {
        for (char ch : text) {
            const Glyph& glyph = FindGlyph(ch);
            for (int row = 0; row < GlyphHeight; ++row)
                for (int col = 0; col < GlyphWidth; ++col)
                    if (glyph.rows[row][col] == '#')
                        FillRect(x + col * dot, y + row * dot, x + (col + 1) * dot,
                                 y + (row + 1) * dot, c);
            x += GlyphAdvance * dot;
        }
    }

    void TextCentred(double cx, double y, std::string_view text, double dot, Rgb c) {
        Text(cx - TextWidth(text, dot) / 2, y, text, dot, c);
    }

    void TextRight(double right, double y, std::string_view text, double dot, Rgb c) {
        Text(right - TextWidth(text, dot), y, text, dot, c);
    }

    // Averages the samples of each pixel into 8-bit RGB rows, top row first.
    std::vector<std::uint8_t> Pixels() const {
        std::vector<std::uint8_t> rgb;
        rgb.reserve(static_cast<std::size_t>(width_) * height_ * 3);
        const int stride = width_ * Samples;
        for (int py = 0; py < height_; ++py)
            for (int px = 0; px < width_; ++px) {
                int r = 0, g = 0, b = 0;
                for (int sy = 0; sy < Samples; ++sy)
                    for (int sx = 0; sx < Samples; ++sx) {
                        const Rgb& s =
                            samples_[static_cast<std::size_t>(py * Samples + sy) * stride +
                                     px * Samples + sx];
                        r += s.r, g += s.g, b += s.b;
                    }
                constexpr int n = Samples * Samples;
                rgb.push_back(static_cast<std::uint8_t>((r + n / 2) / n));
                rgb.push_back(static_cast<std::uint8_t>((g + n / 2) / n));
                rgb.push_back(static_cast<std::uint8_t>((b + n / 2) / n));
            }
        return rgb;
    }

private:
    // Sets every sample whose centre lies in the box and for which shade gives a colour.
    template <typename Shade> void Paint(double x0, double y0, double x1, double y1, Shade shade) {
        const int stride = width_ * Samples;
        const int sx0 = std::max(0, static_cast<int>(std::floor(x0 * Samples)));
        const int sy0 = std::max(0, static_cast<int>(std::floor(y0 * Samples)));
        const int sx1 = std::min(stride, static_cast<int>(std::ceil(x1 * Samples)));
        const int sy1 = std::min(height_ * Samples, static_cast<int>(std::ceil(y1 * Samples)));
        for (int sy = sy0; sy < sy1; ++sy) {
            const double y = (sy + 0.5) / Samples;
            if (y < y0 || y >= y1) continue;
            for (int sx = sx0; sx < sx1; ++sx) {
                const double x = (sx + 0.5) / Samples;
                if (x < x0 || x >= x1) continue;
                if (std::optional<Rgb> c = shade(x, y))
                    samples_[static_cast<std::size_t>(sy) * stride + sx] = *c;
            }
        }
    }

    int width_;
    int height_;
    std::vector<Rgb> samples_;
};

std::string Thousands(double value) {
    std::string digits = std::to_string(std::lround(std::abs(value)));
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(i, ",");
    return (value < 0 ? "-" : "") + digits;
}

std::string Dollars(double value) {
    return (value < 0 ? "-$" : "$") + Thousands(std::abs(value));
}

constexpr int ChartWidth = 320;
constexpr int ChartHeight = 200;

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

struct LegendEntry {
    Rgb colour;
    std::string text;
};

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

struct Slice {
    double share;
    Rgb colour;
    std::string label;
};

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

// ---- The cover and the chapter headings ----

Canvas Cover() {
    constexpr int width = 300, height = 400;
    Canvas c(width, height, colour::White);
    c.Gradient(0, 0, width, height, {24, 82, 104}, {12, 34, 62}, true);
    c.FillRect(24, 36, width - 24, 39, colour::Gold);

    const double dot = 4.5;
    double y = 58;
    for (std::string_view line : {"Personal", "Finance", "Basics"}) {
        c.TextCentred(width / 2.0 + 2, y + 2, line, dot, {8, 24, 40});
        c.TextCentred(width / 2.0, y, line, dot, colour::White);
        y += 46;
    }
    c.FillRect(24, 200, width - 24, 203, colour::Gold);
    c.TextCentred(width / 2.0, 210, "Budgets, saving, credit and investing", 1, {200, 222, 232});

    // Savings that grow year by year, with the trend drawn over the bars.
    const double base = 344;
    const double heights[] = {26, 40, 56, 74, 94};
    std::vector<Point> tops;
    for (int i = 0; i < 5; ++i) {
        const double left = 52 + i * 42;
        c.FillRect(left, base - heights[i], left + 28, base,
                   Mix({64, 168, 160}, colour::Gold, i / 4.0));
        tops.push_back({left + 14, base - heights[i] - 12});
    }
    c.FillRect(40, base, width - 40, base + 2, {200, 222, 232});
    for (std::size_t i = 1; i < tops.size(); ++i)
        c.Line(tops[i - 1], tops[i], 3, colour::White);
    for (const Point& p : tops)
        c.FillCircle(p.x, p.y, 4.5, colour::White);
    const Point tip{tops.back().x + 20, tops.back().y - 14};
    c.Line(tops.back(), tip, 3, colour::White);
    c.FillPolygon({{tip.x + 6, tip.y - 5}, {tip.x - 9, tip.y - 3}, {tip.x + 2, tip.y + 10}},
                  colour::White);

    c.TextCentred(width / 2.0, 364, "A Quillara demo book", 2, colour::Gold);
    return c;
}

constexpr std::array<Rgb, ChapterNames.size()> ChapterTones = {
    Rgb{24, 110, 118}, Rgb{46, 122, 62}, Rgb{168, 60, 52}, Rgb{96, 66, 150}, Rgb{40, 90, 156}};

Canvas ChapterHeading(std::size_t index) {
    constexpr int width = 600, height = 60;
    const Rgb tone = ChapterTones[index];
    const Rgb shadow = Mix(tone, {0, 0, 0}, 0.45);
    Canvas c(width, height, colour::White);
    c.Gradient(0, 0, width, height, tone, Mix(tone, colour::White, 0.35), false);
    c.FillRect(0, height - 4, width, height, Mix(tone, colour::Gold, 0.6));

    const std::string number = std::to_string(index + 1);
    c.FillCircle(32, 28, 21, colour::White);
    c.TextCentred(32, 28 - 4 * 3, number, 3, tone);

    const std::string title = "Chapter " + number + ": " + std::string(ChapterNames[index]);
    const double left = 66;
    const double dot = std::min(3.0, (width - left - 12) / TextWidth(title, 1.0));
    const double top = 28 - GlyphHeight * dot / 2 + dot / 2;
    c.Text(left + 1.5, top + 1.5, title, dot, shadow);
    c.Text(left, top, title, dot, colour::White);
    return c;
}

// ---- Chapter 1: budgets ----

Canvas BudgetPie() {
    Canvas c = ChartCanvas("Splitting take-home pay");
    DrawPie(c, {82, 112}, 62,
            {{0.5, colour::Blue, "Needs 50%"},
             {0.3, colour::Orange, "Wants 30%"},
             {0.2, colour::Green, "Saving 20%"}},
            164);
    c.TextCentred(ChartWidth / 2.0, 184, "On $3,000 a month: $1,500 + $900 + $600", 1,
                  colour::Grey);
    return c;
}

Canvas CashFlow() {
    Canvas c = ChartCanvas("Six months of cash flow");
    DrawLegend(c, ChartWidth / 2.0, 29, {{colour::Green, "Income"}, {colour::Red, "Spending"}});
    const std::vector<double> income = {3000, 3000, 3200, 3000, 3000, 3400};
    const std::vector<double> spending = {2700, 3150, 2800, 2900, 3300, 2950};
    const Plot plot{46, 46, 310, 160, 3500};
    DrawGrid(c, plot, 1000, [](double v) { return Thousands(v); });
    DrawBars(c, plot, {"Jan", "Feb", "Mar", "Apr", "May", "Jun"},
             {{income, colour::Green}, {spending, colour::Red}});
    const double groupWidth = (plot.right - plot.left) / 6;
    for (std::size_t m = 0; m < income.size(); ++m) {
        const double net = income[m] - spending[m];
        const std::string text = (net > 0 ? "+" : "") + Thousands(net);
        c.TextCentred(plot.left + (m + 0.5) * groupWidth, 180, text, 1,
                      net < 0 ? colour::Red : colour::Green);
    }
    return c;
}

// ---- Chapter 2: saving ----

Canvas CompoundGrowth() {
    Canvas c = ChartCanvas("$1,000 at 6% a year");
    DrawLegend(c, ChartWidth / 2.0, 29,
               {{colour::Grey, "Simple interest"}, {colour::Green, "Compound interest"}});
    std::vector<std::string> years;
    Series simple{{}, colour::Grey}, compound{{}, colour::Green};
    for (int t = 0; t <= 30; t += 5) {
        years.push_back(std::to_string(t));
        simple.values.push_back(1000 * (1 + 0.06 * t));
        compound.values.push_back(1000 * std::pow(1.06, t));
    }
    const Plot plot{46, 46, 310, 164, 6000};
    DrawGrid(c, plot, 1000, [](double v) { return Dollars(v); });
    const auto tops = DrawBars(c, plot, years, {simple, compound});
    const Point last = tops.back().back();
    c.TextRight(last.x + 6, last.y - 10, Dollars(compound.values.back()), 1, colour::Green);
    c.TextCentred(ChartWidth / 2.0, 184, "years", 1, colour::Grey);
    return c;
}

Canvas PurchasingPower() {
    Canvas c = ChartCanvas("$100 after 3% inflation");
    std::vector<std::string> years;
    Series worth{{}, colour::Teal};
    for (int t = 0; t <= 25; t += 5) {
        years.push_back(std::to_string(t));
        worth.values.push_back(100 / std::pow(1.03, t));
    }
    const Plot plot{46, 52, 310, 164, 100};
    DrawGrid(c, plot, 25, [](double v) { return Dollars(v); });
    const auto tops = DrawBars(c, plot, years, {worth});
    for (std::size_t i = 0; i < tops.size(); ++i)
        c.TextCentred(tops[i][0].x, tops[i][0].y - 10, Dollars(worth.values[i]), 1, colour::Ink);
    c.TextCentred(ChartWidth / 2.0, 184, "years from now", 1, colour::Grey);
    return c;
}

// ---- Chapter 3: borrowing ----

Canvas LoanBalance() {
    Canvas c = ChartCanvas("Paying off a $10,000 loan");
    constexpr double principal = 10000, monthlyRate = 0.06 / 12;
    constexpr int months = 36;
    const double payment = principal * monthlyRate / (1 - std::pow(1 + monthlyRate, -months));
    const Plot plot{52, 34, 306, 158, 10000};
    DrawGrid(c, plot, 2500, [](double v) { return Thousands(v); });

    std::vector<Point> area{{plot.left, plot.bottom}};
    std::vector<Point> marks;
    double balance = principal;
    for (int m = 0; m <= months; ++m) {
        const Point p{plot.left + (plot.right - plot.left) * m / months, plot.Y(balance)};
        area.push_back(p);
        if (m % 6 == 0) marks.push_back(p);
        balance = std::max(0.0, balance * (1 + monthlyRate) - payment);
    }
    area.push_back({plot.right, plot.bottom});
    c.FillPolygon(area, Mix(colour::Red, colour::White, 0.75));
    for (std::size_t i = 2; i + 1 < area.size(); ++i)
        c.Line(area[i - 1], area[i], 2, colour::Red);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        c.FillCircle(marks[i].x, marks[i].y, 3, colour::Red);
        c.TextCentred(marks[i].x, plot.bottom + 5, std::to_string(i * 6), 1, colour::Ink);
    }
    char caption[64];
    std::snprintf(caption, sizeof caption, "36 monthly payments of $%.2f at 6%% APR", payment);
    c.TextCentred(ChartWidth / 2.0, 174, "months", 1, colour::Grey);
    c.TextCentred(ChartWidth / 2.0, 187, caption, 1, colour::Ink);
    return c;
}

Canvas CreditUtilization() {
    Canvas c = ChartCanvas("Credit utilization");
    const Plot plot{46, 40, 300, 156, 100};
    DrawGrid(c, plot, 25, [](double v) { return std::to_string(std::lround(v)) + "%"; });
    const std::vector<double> used = {10, 30, 75};
    const Rgb tones[] = {colour::Green, colour::Orange, colour::Red};
    const double groupWidth = (plot.right - plot.left) / 3;
    for (std::size_t i = 0; i < used.size(); ++i) {
        const double cx = plot.left + (i + 0.5) * groupWidth;
        c.FillRect(cx - 22, plot.Y(used[i]), cx + 22, plot.bottom - 0.5, tones[i]);
        c.TextCentred(cx, plot.Y(used[i]) - 10, std::to_string(std::lround(used[i])) + "%", 1,
                      colour::Ink);
    }
    const double guide = plot.Y(30);
    c.DashedLine({plot.left, guide}, {plot.right, guide}, 1.5, 5, colour::Ink);
    c.Text(plot.left + 6, guide - 10, "keep below 30%", 1, colour::Ink);
    const char* owed[] = {"$300", "$900", "$2,250"};
    for (std::size_t i = 0; i < used.size(); ++i) {
        const double cx = plot.left + (i + 0.5) * groupWidth;
        c.TextCentred(cx, plot.bottom + 5, owed[i], 1, colour::Ink);
        c.TextCentred(cx, plot.bottom + 15, "of $3,000", 1, colour::Ink);
    }
    c.TextCentred(ChartWidth / 2.0, 189, "balance owed / credit limit", 1, colour::Grey);
    return c;
}

// ---- Chapter 4: investing ----

Canvas RiskReturn() {
    Canvas c = ChartCanvas("Risk and return");
    const Plot plot{30, 40, 306, 164, 100};
    c.FillRect(plot.left - 0.5, plot.top, plot.left + 0.5, plot.bottom, colour::Ink);
    c.FillRect(plot.left, plot.bottom - 0.5, plot.right, plot.bottom + 0.5, colour::Ink);
    c.Text(plot.left + 6, plot.top - 2, "expected long-run return", 1, colour::Grey);
    c.TextRight(plot.right, plot.bottom + 6, "bigger ups and downs ->", 1, colour::Grey);
    c.DashedLine({plot.left + 20, plot.bottom - 12}, {plot.right - 14, plot.top + 14}, 1.5, 4,
                 colour::Grid);
    struct Dot {
        double x, y, r;
        Rgb colour;
        const char* label;
    };
    const Dot dots[] = {{58, 146, 9, colour::Grey, "Cash"},
                        {122, 122, 11, colour::Teal, "Bonds"},
                        {190, 96, 13, colour::Blue, "Balanced fund"},
                        {262, 66, 15, colour::Purple, "Stocks"}};
    for (const Dot& d : dots) {
        c.FillCircle(d.x, d.y, d.r, d.colour);
        c.TextCentred(d.x, d.y - d.r - 11, d.label, 1, colour::Ink);
    }
    return c;
}

Canvas PortfolioMix() {
    Canvas c = ChartCanvas("A 60/30/10 mix");
    DrawPie(c, {82, 112}, 62,
            {{0.6, colour::Purple, "Stocks 60%"},
             {0.3, colour::Teal, "Bonds 30%"},
             {0.1, colour::Grey, "Cash 10%"}},
            164);
    c.TextCentred(ChartWidth / 2.0, 184, "$20,000 split as $12,000 / $6,000 / $2,000", 1,
                  colour::Grey);
    return c;
}

// ---- Chapter 5: insurance ----

Canvas DeductibleTradeoff() {
    Canvas c = ChartCanvas("Yearly cost of two plans");
    DrawLegend(c, ChartWidth / 2.0, 29,
               {{colour::Blue, "$500 deductible"}, {colour::Orange, "$2,000 deductible"}});
    // Premiums of $1,200 and $700 a year; a big claim costs the whole deductible on top.
    const Series low{{1200, 1700}, colour::Blue};
    const Series high{{700, 2700}, colour::Orange};
    const Plot plot{46, 46, 310, 164, 3000};
    DrawGrid(c, plot, 1000, [](double v) { return Dollars(v); });
    const auto tops = DrawBars(c, plot, {"No claim", "One big claim"}, {low, high});
    for (std::size_t g = 0; g < tops.size(); ++g) {
        c.TextCentred(tops[g][0].x, tops[g][0].y - 10, Dollars(low.values[g]), 1, colour::Ink);
        c.TextCentred(tops[g][1].x, tops[g][1].y - 10, Dollars(high.values[g]), 1, colour::Ink);
    }
    c.TextCentred(ChartWidth / 2.0, 184, "premium + what you pay before the insurer pays", 1,
                  colour::Grey);
    return c;
}

Canvas RiskMatrix() {
    Canvas c = ChartCanvas("Four ways to handle risk");
    const double left = 74, top = 34, right = 306, bottom = 164;
    const double midX = (left + right) / 2, midY = (top + bottom) / 2;
    struct Cell {
        double x0, y0;
        Rgb colour;
        const char* name;
        const char* hint;
    };
    const Cell cells[] = {{left, top, colour::Blue, "Transfer", "buy insurance"},
                          {midX, top, colour::Red, "Avoid", "skip the activity"},
                          {left, midY, colour::Green, "Retain", "pay it yourself"},
                          {midX, midY, colour::Orange, "Reduce", "lower the odds"}};
    for (const Cell& cell : cells) {
        const double cx = cell.x0 + (midX - left) / 2, cy = cell.y0 + (midY - top) / 2;
        c.FillRect(cell.x0 + 1, cell.y0 + 1, cell.x0 + (midX - left) - 1,
                   cell.y0 + (midY - top) - 1, Mix(cell.colour, colour::White, 0.2));
        c.TextCentred(cx, cy - 14, cell.name, 2, colour::White);
        c.TextCentred(cx, cy + 6, cell.hint, 1, colour::White);
    }
    c.TextRight(left - 6, top + 10, "large", 1, colour::Ink);
    c.TextRight(left - 6, top + 20, "loss", 1, colour::Ink);
    c.TextRight(left - 6, midY + 10, "small", 1, colour::Ink);
    c.TextRight(left - 6, midY + 20, "loss", 1, colour::Ink);
    c.TextCentred((left + midX) / 2, bottom + 6, "happens rarely", 1, colour::Ink);
    c.TextCentred((midX + right) / 2, bottom + 6, "happens often", 1, colour::Ink);
    return c;
}

// ---- Writing ----

struct Picture {
    const char* file;
    Canvas (*draw)();
};

// The topic pages name these pictures; book.json maps every one of them.
constexpr Picture PagePictures[] = {
    {"budget-pie.jpg", BudgetPie},
    {"cash-flow.jpg", CashFlow},
    {"compound-growth.jpg", CompoundGrowth},
    {"purchasing-power.jpg", PurchasingPower},
    {"loan-balance.jpg", LoanBalance},
    {"credit-utilization.jpg", CreditUtilization},
    {"risk-return.jpg", RiskReturn},
    {"portfolio-mix.jpg", PortfolioMix},
    {"deductible-tradeoff.jpg", DeductibleTradeoff},
    {"risk-matrix.jpg", RiskMatrix},
};

// libjpeg reports errors by calling error_exit, which must not return; jump back out of the
// library and report the failure as an exception from here.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->escape, 1);
}

void WriteJpeg(const std::filesystem::path& path, const Canvas& canvas) {
    const std::vector<std::uint8_t> rgb = canvas.Pixels();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot create " + path.string());

    jpeg_compress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    if (setjmp(error.escape)) {
        char message[JMSG_LENGTH_MAX];
        (*info.err->format_message)(reinterpret_cast<j_common_ptr>(&info), message);
        jpeg_destroy_compress(&info);
        std::fclose(file);
        throw std::runtime_error(path.string() + ": " + message);
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(canvas.Width());
    info.image_height = static_cast<JDIMENSION>(canvas.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    // Full-resolution colour keeps small coloured text and thin chart lines sharp.
    for (int i = 0; i < info.num_components; ++i)
        info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(canvas.Width()) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(rgb.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fclose(file) != 0) throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << "usage: quillara-demo-pictures OUTDIR\n"
                     "Draws the pictures of the demo book into OUTDIR.\n";
        return 2;
    }
    try {
        const std::filesystem::path out = argv[1];
        std::filesystem::create_directories(out);
        WriteJpeg(out / "cover.jpg", Cover());
        for (std::size_t i = 0; i < ChapterNames.size(); ++i)
            WriteJpeg(out / ("CHAP" + std::to_string(i + 1) + ".JPG"), ChapterHeading(i));
        for (const Picture& p : PagePictures)
            WriteJpeg(out / p.file, p.draw());
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "quillara-demo-pictures: " << e.what() << "\n";
        return 1;
    }
}
