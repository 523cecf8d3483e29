#include "core/chart/grapher.h"
#include "recording_canvas.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillara {
namespace {

using Calls = std::vector<std::string>;
using Data = std::vector<std::vector<double>>;

// Two points a series, sized so that the plot starts at x = 33 with 10.5 pixels an x unit and
// one pixel a value unit: X(t) = 33 + Trunc(10.5 t), and Y(v) = 110 - Trunc(v) in the flat kinds,
// plotTop + 100 - Trunc(v) in the 3D ones, whose plotTop is 20 a series + 10.
TGrapher MakeChart(TChartType kind, const Data& data, std::int16_t ticks = 10) {
    TGrapher g;
    g.clear();
    for (std::size_t s = 0; s < data.size(); ++s)
        for (std::size_t k = 0; k < data[s].size(); ++k)
            g.setValue(static_cast<int>(s), static_cast<int>(k), data[s][k]);
    g.setChartType(kind);
    g.setYTickCount(ticks);
    g.setMaxYValue(100);
    const int S = static_cast<int>(data.size());
    g.setSize(Is3D(kind) ? 101 + 20 * S : 101, Is3D(kind) ? 146 + 34 * S : 146 + 14 * S);
    return g;
}

Calls Paint(TGrapher& g) {
    testing::TRecordingCanvas canvas;
    g.Paint(canvas);
    return canvas.Calls;
}

// What Paint drew between the axes and the data table, after checking that those came first and
// last.
Calls SeriesCalls(TGrapher& g) {
    const Calls all = Paint(g);
    testing::TRecordingCanvas axes;
    testing::TRecordingCanvas table;
    g.DrawAxes(axes);
    g.DrawDataTable(table);
    const auto size = [](const Calls& c) { return static_cast<std::ptrdiff_t>(c.size()); };
    EXPECT_GE(size(all), size(axes.Calls) + size(table.Calls));
    EXPECT_EQ(Calls(all.begin(), all.begin() + size(axes.Calls)), axes.Calls);
    EXPECT_EQ(Calls(all.end() - size(table.Calls), all.end()), table.Calls);
    return Calls(all.begin() + size(axes.Calls), all.end() - size(table.Calls));
}

TEST(ChartRenderers, EachKindDrawsItsSeriesByItsFormulas) {
    struct Case {
        TChartType kind;
        Data data;
        Calls expected;
    };
    const std::string black1 = " pen 000000/1";
    const std::vector<Case> cases{
        {TChartType::chartBar,
         {{50.5, 75}, {20, 100}},
         {"Rectangle 33,60 49,110 brush ff0000" + black1,
          "Rectangle 64,35 80,110 brush ff0000" + black1,
          "Rectangle 48,90 64,110 brush 008000" + black1,
          "Rectangle 79,10 95,110 brush 008000" + black1}},
        {TChartType::chartLine,
         {{50.5, 75}, {20, 100}},
         {"Ellipse 38,55 48,65 brush ffffff pen ff0000/2", "Line 43,60 75,35 pen ff0000/2",
          "Ellipse 70,30 80,40 brush ffffff pen ff0000/2",
          "Ellipse 38,85 48,95 brush ffffff pen 008000/2", "Line 43,90 75,10 pen 008000/2",
          "Ellipse 70,5 80,15 brush ffffff pen 008000/2"}},
        // Series 1 is the back row, drawn first; the bar below zero has its top on the zero line.
        {TChartType::chart3DBar,
         {{50.5, -10}, {20, 100}},
         {"FillRect 58,110 79,130 brush 008000", "Rectangle 58,110 80,131 brush 008000" + black1,
          "Polygon 58,110 79,110 99,90 78,90 brush 008000" + black1,
          "Polygon 79,130 99,110 99,90 79,110 brush 007300" + black1,
          "FillRect 89,30 110,130 brush 008000", "Rectangle 89,30 111,131 brush 008000" + black1,
          "Polygon 89,30 110,30 130,10 109,10 brush 008000" + black1,
          "Polygon 110,130 130,110 130,10 110,30 brush 007300" + black1,
          "FillRect 38,100 59,150 brush ff0000", "Rectangle 38,100 60,151 brush ff0000" + black1,
          "Polygon 38,100 59,100 79,80 58,80 brush ff0000" + black1,
          "Polygon 59,150 79,130 79,80 59,100 brush e50000" + black1,
          "FillRect 69,160 90,150 brush ff0000", "Rectangle 69,160 91,151 brush ff0000" + black1,
          "Polygon 69,150 90,150 110,130 89,130 brush ff0000" + black1,
          "Polygon 90,150 110,130 110,140 90,160 brush e50000" + black1}},
        // Heights rounded with ties to even: 50.5 to 50, 51.5 to 52.
        {TChartType::chartArea,
         {{50.5, 51.5}},
         {"Polygon 43,110 43,60 75,58 75,110 brush ff0000" + black1}},
        // Series 1 starts below zero, so its top lies flat on the zero line.
        {TChartType::chart3DArea,
         {{50.5, 75}, {-10, 20}},
         {"Polygon 63,130 83,110 115,110 95,130 brush 008000" + black1,
          "Polygon 63,130 63,140 95,110 95,130 brush 008000" + black1,
          "Polygon 95,110 115,90 115,110 95,130 brush 007300" + black1,
          "Polygon 43,100 63,80 95,55 75,75 brush ff0000" + black1,
          "Polygon 43,150 43,100 75,75 75,150 brush ff0000" + black1,
          "Polygon 75,75 95,55 95,130 75,150 brush e50000" + black1}},
        {TChartType::chartHiLoClose,
         {{80, 60}, {40, 30.5}, {55, 45}},
         {"Line 43,30 43,70 pen ff0000/2", "Line 38,55 48,55 pen ff0000/2",
          "Line 75,50 75,80 pen ff0000/2", "Line 70,65 80,65 pen ff0000/2"}},
        {TChartType::chart3DLine,
         {{50.5, 75}, {20, 100}},
         {"Polygon 63,110 83,90 115,10 95,30 brush 008000" + black1,
          "Line 63,110 95,30 pen 000000/3",
          "Polygon 43,100 63,80 95,55 75,75 brush ff0000" + black1,
          "Line 43,100 75,75 pen 000000/3"}},
    };
    for (const auto& c : cases) {
        TGrapher g = MakeChart(c.kind, c.data);
        // The area is red whatever colour its series has.
        if (c.kind == TChartType::chartArea) g.setSeriesColor(0, clBlue);
        EXPECT_EQ(SeriesCalls(g), c.expected) << "kind " << static_cast<int>(c.kind);
    }
}

TEST(ChartRenderers, HighLowCloseNeedsExactlyThreeSeries) {
    for (const Data& data : {Data{{80, 60}, {40, 30}}, Data{{1}, {2}, {3}, {4}}}) {
        TGrapher g = MakeChart(TChartType::chartHiLoClose, data);
        testing::TRecordingCanvas axes;
        const Calls all = Paint(g);
        g.DrawAxes(axes);
        EXPECT_EQ(all, axes.Calls);
    }
}

TEST(ChartRenderers, AxesAndFrame) {
    struct Case {
        TChartType kind;
        int series;
        Calls expected;
    };
    const std::vector<Case> cases{
        {TChartType::chartBar,
         1,
         {"FillRect 0,0 101,160 brush ffffff", "Rectangle 33,10 96,110 brush ffffff pen 000000/1",
          "TextOut -23,4 '100' font 000000", "Line 12,10 54,10 pen 000000/1",
          "TextOut -16,54 '50' font 000000", "Line 12,60 54,60 pen 000000/1",
          "TextOut -9,104 '0' font 000000", "Line 12,110 54,110 pen 000000/1"}},
        // Two rows deep: the walls run 40 pixels right and up, and so do the ticks.
        {TChartType::chart3DLine,
         2,
         {"FillRect 0,0 141,214 brush ffffff", "Line 73,10 33,50 pen 000000/1",
          "Line 33,50 33,150 pen 000000/1", "Line 33,150 96,150 pen 000000/1",
          "Line 96,150 136,110 pen 000000/1", "Rectangle 73,10 136,110 brush ffffff pen 000000/1",
          "TextOut -23,44 '100' font 000000", "Line 12,50 33,50 pen 000000/1",
          "Line 33,50 73,10 pen 000000/1", "TextOut -16,94 '50' font 000000",
          "Line 12,100 33,100 pen 000000/1", "Line 33,100 73,60 pen 000000/1",
          "TextOut -9,144 '0' font 000000", "Line 12,150 33,150 pen 000000/1",
          "Line 33,150 73,110 pen 000000/1"}},
    };
    for (const auto& c : cases) {
        TGrapher g = MakeChart(c.kind, Data(static_cast<std::size_t>(c.series), {50, 75}), 2);
        Paint(g);
        testing::TRecordingCanvas axes;
        g.DrawAxes(axes);
        EXPECT_EQ(axes.Calls, c.expected);
    }
}

TEST(ChartRenderers, DataTableListsLabelsAndWholeValues) {
    TGrapher g = MakeChart(TChartType::chartBar, {{50.5, -7.9}});
    // Shorter than the series: the second column has no label.
    g.xLabels() = {"A"};
    Paint(g);
    testing::TRecordingCanvas table;
    g.DrawDataTable(table);
    EXPECT_EQ(
        table.Calls,
        (Calls{"Rectangle 5,121 96,150 brush ffffff pen 000000/1", "TextOut 12,122 '' font 000000",
               "TextOut 45,122 'A' font 000000", "TextOut 80,122 '' font 000000",
               "TextOut 6,136 'Series 0' font ff0000", "TextOut 41,136 '50' font ff0000",
               "Line 33,121 33,150 pen 000000/1", "TextOut 73,136 '-7' font ff0000",
               "Line 64,121 64,150 pen 000000/1", "Line 5,136 96,136 pen 000000/1"}));
}

std::ptrdiff_t CountStarting(const Calls& calls, const std::string& start) {
    return std::count_if(calls.begin(), calls.end(),
                         [&](const std::string& call) { return call.rfind(start, 0) == 0; });
}

TEST(ChartRenderers, AFailingSeriesStillLeavesTheTable) {
    // Y(NaN) fails at the first bar; the table starts and stops at the same value.
    TGrapher nan = MakeChart(TChartType::chart3DBar, {{NAN, 50}});
    const Calls all = Paint(nan);
    EXPECT_EQ(CountStarting(all, "FillRect"), 1);
    EXPECT_EQ(CountStarting(all, "Rectangle 5,"), 1);
    EXPECT_EQ(CountStarting(all, "TextOut 6,"), 1);

    // Series 1 ends early: the range of point 1 cannot be drawn.
    TGrapher hiLo = MakeChart(TChartType::chartHiLoClose, {{80, 60}, {40}, {55, 45}});
    EXPECT_EQ(SeriesCalls(hiLo).size(), 2u);

    // An empty series behind the front row draws nothing and keeps nothing else from being drawn.
    TGrapher area = MakeChart(TChartType::chart3DArea, {{50, 75}, {}, {30}});
    const Calls drawn = SeriesCalls(area);
    EXPECT_EQ(std::count_if(drawn.begin(), drawn.end(),
                            [](const std::string& c) { return c.find("ff0000") != c.npos; }),
              2);
}

TEST(ChartRenderers, HostileDataNeverStopsThePaint) {
    using Spoil = std::function<void(TGrapher&)>;
    const std::vector<std::pair<const char*, Spoil>> spoilers{
        {"NaN and infinities",
         [](TGrapher& g) { g.setValue(0, 1, NAN), g.setValue(1, 0, INFINITY); }},
        {"huge values", [](TGrapher& g) { g.setValue(0, 0, 1e300), g.setValue(1, 1, -1e300); }},
        {"automatic scale from NaN",
         [](TGrapher& g) { g.setValue(0, 0, NAN), g.setAutoScaleY(true); }},
        {"automatic scale to infinity",
         [](TGrapher& g) { g.setValue(1, 1, INFINITY), g.setAutoScaleY(true); }},
        {"minimum above maximum", [](TGrapher& g) { g.setMinYValue(500); }},
        {"empty range", [](TGrapher& g) { g.setMinYValue(100); }},
        {"32767 points", [](TGrapher& g) { g.setValue(0, TGrapher::MaxIndex, 5); }},
        {"32767 ticks", [](TGrapher& g) { g.setYTickCount(32767); }},
        {"negative ticks", [](TGrapher& g) { g.setYTickCount(-7); }},
        {"smaller than the borders",
         [](TGrapher& g) { g.setSize(3, 2), g.setBorderWidth(300), g.setBorderHeight(-300); }},
        {"deep rows",
         [](TGrapher& g) {
             g.setXOffset3D(32767), g.setYOffset3D(-32768), g.setValue(TGrapher::MaxIndex, 0, 1);
         }},
        {"cleared", [](TGrapher& g) { g.clear(); }},
        {"names and labels removed", [](TGrapher& g) { g.seriesNames().clear(); }},
    };
    for (int kind = 0; kind <= static_cast<int>(TChartType::chart3DLine); ++kind)
        for (const auto& [name, spoil] : spoilers) {
            TGrapher g = MakeChart(static_cast<TChartType>(kind), {{50, 75}, {20, 100}, {1, 2}});
            spoil(g);
            const Calls calls = Paint(g);
            ASSERT_FALSE(calls.empty()) << name;
            EXPECT_EQ(calls.front().rfind("FillRect 0,0 ", 0), 0u) << name << " kind " << kind;
        }
}

} // namespace
} // namespace quillara
