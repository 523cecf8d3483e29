#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quillara {

// Chart coordinates are whole pixels. They are kept in 64 bits because depth offsets times the
// series count, added to a value's height, can pass the 32-bit range; the surface that draws
// them cuts off what falls outside.
using TPixel = std::int64_t;

struct TChartPoint {
    TPixel x = 0;
    TPixel y = 0;
};

struct TChartColor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const TChartColor&) const = default;
};

constexpr TChartColor clBlack{0, 0, 0};
constexpr TChartColor clWhite{255, 255, 255};
constexpr TChartColor clRed{255, 0, 0};
constexpr TChartColor clGreen{0, 128, 0};
constexpr TChartColor clBlue{0, 0, 255};
constexpr TChartColor clYellow{255, 255, 0};

// The shade of a side face: each component times 0.9, truncated.
constexpr TChartColor darken(TChartColor color) {
    const auto shade = [](std::uint8_t c) { return static_cast<std::uint8_t>(c * 0.9); };
    return {shade(color.r), shade(color.g), shade(color.b)};
}

// What the chart needs from a drawing surface. Brush, pen and font colour stay set until changed;
// the pen is always solid. Rectangles take two corners in either order and cover the pixels from
// the smaller coordinate up to, not including, the larger one.
class TChartCanvas {
public:
    virtual ~TChartCanvas() = default;

    virtual void SetBrushColor(TChartColor color) = 0;
    virtual void SetPenColor(TChartColor color) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void SetFontColor(TChartColor color) = 0;

    // Brush only, no outline.
    virtual void FillRect(TPixel x1, TPixel y1, TPixel x2, TPixel y2) = 0;
    // Filled with the brush and outlined with the pen along its inner edge.
    virtual void Rectangle(TPixel x1, TPixel y1, TPixel x2, TPixel y2) = 0;
    // Filled with the brush, outlined with the pen.
    virtual void Polygon(std::span<const TChartPoint> points) = 0;
    // The ellipse inside the rectangle, filled with the brush, outlined with the pen.
    virtual void Ellipse(TPixel x1, TPixel y1, TPixel x2, TPixel y2) = 0;
    virtual void Line(TPixel x1, TPixel y1, TPixel x2, TPixel y2) = 0;
    // Text in the font colour on the brush colour, its top left corner at (x, y).
    virtual void TextOut(TPixel x, TPixel y, const std::string& text) = 0;

    virtual int TextWidth(const std::string& text) = 0;
    // Height of a line of text, leading included.
    virtual int TextHeight(const std::string& text) = 0;
    // Height of the font's characters in pixels, without the leading.
    virtual int FontHeight() = 0;
};

} // namespace quillara
