#pragma once

#include "core/chart/chart_canvas.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace quillara::testing {

// Writes down every drawing call as one line of text, with the colours and pen width that apply
// to it: "Rectangle 33,60 49,110 brush ff0000 pen 000000/1". Text is 7 pixels a character and 13
// high, the font's characters 11.
class TRecordingCanvas : public TChartCanvas {
public:
    std::vector<std::string> Calls;

    void SetBrushColor(TChartColor color) override { Brush = color; }
    void SetPenColor(TChartColor color) override { Pen = color; }
    void SetPenWidth(int width) override { PenWidth = width; }
    void SetFontColor(TChartColor color) override { Font = color; }

    void FillRect(TPixel x1, TPixel y1, TPixel x2, TPixel y2) override {
        Record("FillRect " + Corners(x1, y1, x2, y2) + " brush " + Hex(Brush));
    }
    void Rectangle(TPixel x1, TPixel y1, TPixel x2, TPixel y2) override {
        Record("Rectangle " + Corners(x1, y1, x2, y2) + Filled());
    }
    void Polygon(std::span<const TChartPoint> points) override {
        std::string text = "Polygon";
        for (const auto& p : points)
            text += " " + Point(p.x, p.y);
        Record(text + Filled());
    }
    void Ellipse(TPixel x1, TPixel y1, TPixel x2, TPixel y2) override {
        Record("Ellipse " + Corners(x1, y1, x2, y2) + Filled());
    }
    void Line(TPixel x1, TPixel y1, TPixel x2, TPixel y2) override {
        Record("Line " + Corners(x1, y1, x2, y2) + " pen " + PenText());
    }
    void TextOut(TPixel x, TPixel y, const std::string& text) override {
        Record("TextOut " + Point(x, y) + " '" + text + "' font " + Hex(Font));
    }
    int TextWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return 13; }
    int FontHeight() override { return 11; }

    static std::string Hex(TChartColor c) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%02x%02x%02x", c.r, c.g, c.b);
        return buffer;
    }

private:
    void Record(std::string call) { Calls.push_back(std::move(call)); }
    static std::string Point(TPixel x, TPixel y) {
        return std::to_string(x) + "," + std::to_string(y);
    }
    static std::string Corners(TPixel x1, TPixel y1, TPixel x2, TPixel y2) {
        return Point(x1, y1) + " " + Point(x2, y2);
    }
    std::string PenText() const { return Hex(Pen) + "/" + std::to_string(PenWidth); }
    std::string Filled() const { return " brush " + Hex(Brush) + " pen " + PenText(); }

    TChartColor Brush = clWhite;
    TChartColor Pen = clBlack;
    TChartColor Font = clBlack;
    int PenWidth = 1;
};

} // namespace quillara::testing
