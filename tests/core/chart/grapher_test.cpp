#include "core/chart/grapher.h"
#include "recording_canvas.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillara {
namespace {

using Labels = std::vector<std::string>;

TEST(Grapher, ANewControlHoldsTheSampleSeries) {
    TGrapher g;
    EXPECT_EQ(g.ChartType(), TChartType::chartBar);
    EXPECT_EQ(g.BorderHeight(), 10);
    EXPECT_EQ(g.BorderWidth(), 5);
    EXPECT_EQ(g.yTickCount(), 0);
    EXPECT_EQ(g.xOffset3D(), 20);
    EXPECT_EQ(g.yOffset3D(), 20);
    EXPECT_EQ(g.minYValue(), 0);
    EXPECT_EQ(g.maxYValue(), 0);
    EXPECT_FALSE(g.autoScaleY());

    ASSERT_EQ(g.seriesCount(), 1);
    ASSERT_EQ(g.pointCount(0), 4);
    EXPECT_EQ((std::vector<double>{g.value(0, 0), g.value(0, 1), g.value(0, 2), g.value(0, 3)}),
              (std::vector<double>{50, 75, 100, 75}));
    EXPECT_EQ(g.seriesColor(0), clRed);
    EXPECT_EQ(g.seriesNames(), Labels{"Series 0"});
    EXPECT_EQ(g.tickLabels(), Labels{"NaN"});
    EXPECT_TRUE(g.scaleValid());
}

TEST(Grapher, SetValueCreatesSeriesAndPointsAndReadingOutsideThemRaises) {
    TGrapher g;
    g.clear();
    g.setValue(2, 0, 7);
    g.setValue(4, 3, 9);
    EXPECT_FALSE(g.scaleValid());
    ASSERT_EQ(g.seriesCount(), 5);
    const std::vector<TChartColor> colours{clRed, clGreen, clBlue, clYellow, clRed};
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(g.seriesColor(s), colours[static_cast<std::size_t>(s)]) << s;
    EXPECT_EQ(g.seriesNames(),
              (Labels{"Series 0", "Series 1", "Series 2", "Series 3", "Series 4"}));
    EXPECT_EQ(g.pointCount(0), 0);
    EXPECT_EQ(g.pointCount(2), 1);
    EXPECT_EQ(g.pointCount(4), 4);
    EXPECT_EQ(g.value(4, 1), 0); // skipped over
    EXPECT_EQ(g.value(4, 3), 9);

    g.setValue(0, TGrapher::MaxIndex, 1);
    EXPECT_EQ(g.pointCount(0), 32767);

    const auto message = [&](auto read) {
        try {
            read();
        } catch (const EListError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { g.value(5, 0); }), "Series out of bounds");
    EXPECT_EQ(message([&] { g.value(-1, 0); }), "Series out of bounds");
    EXPECT_EQ(message([&] { g.value(2, 1); }), "Data point out of bounds");
    EXPECT_EQ(message([&] { g.value(1, 0); }), "Data point out of bounds");
    EXPECT_EQ(message([&] { g.pointCount(5); }), "Series out of bounds");
    EXPECT_EQ(message([&] { g.seriesColor(9); }), "Series out of bounds");
    // Numbers a 16-bit count cannot reach are refused before anything changes.
    EXPECT_EQ(message([&] { g.setValue(-1, 0, 1); }), "Series out of bounds");
    EXPECT_EQ(message([&] { g.setValue(TGrapher::MaxIndex + 1, 0, 1); }), "Series out of bounds");
    EXPECT_EQ(message([&] { g.setValue(0, -1, 1); }), "Data point out of bounds");
    EXPECT_EQ(message([&] { g.setValue(0, TGrapher::MaxIndex + 1, 1); }),
              "Data point out of bounds");
    EXPECT_EQ(g.seriesCount(), 5);
    EXPECT_EQ(g.pointCount(0), 32767);
}

TEST(Grapher, ClearKeepsTheScaleAndSettersAskForAPaint) {
    TGrapher g;
    int invalidated = 0;
    g.SetOnInvalidate([&] { ++invalidated; });
    g.setYTickCount(2);
    g.setMaxYValue(100);
    EXPECT_EQ(invalidated, 2);
    g.xLabels().push_back("1");

    g.clear();
    EXPECT_EQ(g.seriesCount(), 0);
    EXPECT_TRUE(g.xLabels().empty());
    EXPECT_TRUE(g.seriesNames().empty());
    EXPECT_EQ(g.tickLabels(), (Labels{"100", "50", "0"}));
    EXPECT_TRUE(g.scaleValid());

    // Only the scale setters scale again at once.
    g.setValue(0, 0, 1);
    g.setChartType(TChartType::chart3DLine);
    g.setBorderHeight(3);
    g.setBorderWidth(3);
    g.setXLabel("x");
    g.setYLabel("y");
    EXPECT_FALSE(g.scaleValid());
    g.setXOffset3D(5);
    EXPECT_TRUE(g.scaleValid());
    EXPECT_EQ(invalidated, 8);
}

TEST(GrapherScale, AutomaticScaleStartsFromZeroUnlessTheDataGoBelowOrPast100) {
    struct Case {
        std::vector<std::vector<double>> series;
        double min, max;
        Labels ticks;
    };
    const std::vector<Case> cases{
        {{{40, 60, 80}}, 0, 80, {"80", "40", "0"}},
        {{{150, 200}}, 150, 200, {"200", "175", "150"}},
        {{{-5, 30}}, -5, 30, {"30", "12.5", "-5"}},
        // Every series counts, not only the first.
        {{{50}, {20, 120}}, 0, 120, {"120", "60", "0"}},
        // A NaN never wins a comparison and is passed over.
        {{{10, NAN, 30}}, 0, 30, {"30", "15", "0"}},
    };
    for (const auto& c : cases) {
        TGrapher g;
        g.clear();
        g.setYTickCount(2);
        for (std::size_t s = 0; s < c.series.size(); ++s)
            for (std::size_t k = 0; k < c.series[s].size(); ++k)
                g.setValue(static_cast<int>(s), static_cast<int>(k), c.series[s][k]);
        g.setAutoScaleY(true);
        EXPECT_EQ(g.minYValue(), c.min);
        EXPECT_EQ(g.maxYValue(), c.max);
        EXPECT_EQ(g.tickLabels(), c.ticks);
    }
}

TEST(GrapherScale, TickLabelsRunFromTheTopValueDown) {
    struct Case {
        double min, max;
        std::int16_t ticks;
        const char* separator;
        Labels labels;
    };
    const std::vector<Case> cases{
        {0, 100, 10, ".", {"100", "90", "80", "70", "60", "50", "40", "30", "20", "10", "0"}},
        {0, 1, 4, ".", {"1", "0.75", "0.5", "0.25", "0"}},
        {0, 1, 2, ",", {"1", "0,5", "0"}},
        {0, 1, 3, ".", {"1", "0.666666666666667", "0.333333333333333", "0"}},
        {0, 1e20, 1, ".", {"1E+20", "0"}},
        {-1e-5, 0, 1, ".", {"0", "-1E-5"}},
        {0, 100, 0, ".", {"NaN"}},
        {0, 100, -3, ".", {}},
    };
    for (const auto& c : cases) {
        TGrapher g;
        TRegionalSettings regional;
        regional.DecimalSeparator = c.separator;
        g.SetRegional(regional);
        g.setMinYValue(c.min);
        g.setMaxYValue(c.max);
        g.setYTickCount(c.ticks);
        EXPECT_EQ(g.tickLabels(), c.labels) << c.max << " in " << c.ticks;
    }

    // Scaling from a series 0 that is not there fails and leaves the labels as they were.
    TGrapher g;
    g.clear();
    g.setAutoScaleY(true);
    g.setYTickCount(4);
    EXPECT_EQ(g.tickLabels(), Labels{"NaN"});
    g.setValue(1, 0, 5);
    g.recalcScale();
    EXPECT_FALSE(g.scaleValid());
}

TEST(GrapherLayout, PlacesThePlotAboveTheTable) {
    struct Case {
        TChartType kind;
        int series, points, width, height;
        bool xLabel; // " Chapter ", 63 pixels wide
        double max;
        TChartLayout expected;
    };
    using enum TChartType;
    const std::vector<Case> cases{
        {chartBar, 1, 5, 400, 300, true, 100, {96, 10, 395, 250, 5, 261, 395, 290, 299. / 15, 2.4}},
        // 3D rows take room at the top and right.
        {chart3DBar, 2, 5, 396, 300, true, 100, {96, 50, 351, 236, 5, 247, 351, 290, 17, 1.86}},
        // A short plot narrows the categories to a fifth of its height.
        {chartLine, 1, 3, 1000, 120, false, 100, {33, 10, 995, 70, 5, 81, 995, 110, 12, 0.6}},
        // No top value: 100 pixels a unit.
        {chartBar, 1, 5, 400, 300, true, 0, {96, 10, 395, 250, 5, 261, 395, 290, 299. / 15, 100}},
        // Smaller than its borders.
        {chart3DLine, 1, 2, 3, 2, false, 100, {33, 30, -4, -29, 5, -18, -4, 11, -59. / 5, -0.59}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        TGrapher g;
        g.clear();
        for (int s = 0; s < c.series; ++s)
            for (int k = 0; k < c.points; ++k)
                g.setValue(s, k, 50);
        g.setChartType(c.kind);
        g.setXLabel(c.xLabel ? " Chapter " : "");
        g.setMaxYValue(c.max);
        g.setSize(c.width, c.height);
        testing::TRecordingCanvas canvas;
        g.calcLayout(canvas);
        const TChartLayout& l = g.layout();
        const TChartLayout& e = c.expected;
        EXPECT_EQ((std::vector<TPixel>{l.plotLeft, l.plotTop, l.plotRight, l.plotBottom,
                                       l.tableLeft, l.tableTop, l.tableRight, l.tableBottom}),
                  (std::vector<TPixel>{e.plotLeft, e.plotTop, e.plotRight, e.plotBottom,
                                       e.tableLeft, e.tableTop, e.tableRight, e.tableBottom}))
            << "case " << i;
        EXPECT_DOUBLE_EQ(l.xUnit, e.xUnit) << "case " << i;
        EXPECT_DOUBLE_EQ(l.yUnit, e.yUnit) << "case " << i;
    }
}

TEST(GrapherLayout, AFailedStepKeepsTheLaterResults) {
    TGrapher g;
    g.setMaxYValue(100);
    g.setSize(400, 300);
    testing::TRecordingCanvas canvas;
    g.calcLayout(canvas);
    const double xUnit = g.layout().xUnit;
    const double yUnit = g.layout().yUnit;

    // Without series 0 the plot and table are still placed, the units are not.
    g.clear();
    g.calcLayout(canvas);
    EXPECT_EQ(g.layout().tableTop, 290 - 15);
    EXPECT_EQ(g.layout().plotBottom, 290 - 15 - 11);
    EXPECT_EQ(g.layout().xUnit, xUnit);
    EXPECT_EQ(g.layout().yUnit, yUnit);

    // An empty value range keeps the old yUnit, and xUnit is set but never narrowed.
    g.setValue(0, 0, 1);
    g.setMinYValue(100);
    g.calcLayout(canvas);
    EXPECT_DOUBLE_EQ(g.layout().xUnit, (395.0 - 33) / 3);
    EXPECT_EQ(g.layout().yUnit, yUnit);
}

} // namespace
} // namespace quillara
