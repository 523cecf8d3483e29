#pragma once

#include "bitmap_font.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillara::demo {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

inline Rgb Mix(Rgb a, Rgb b, double t) {
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

} // namespace quillara::demo
