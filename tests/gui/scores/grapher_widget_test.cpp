#include "gui/scores/grapher_widget.h"

#include <QFont>
#include <QImage>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

TEST(GrapherWidget, PaintsRedBarsWhereTheLayoutPutsThemAndNothingElseThere) {
    QWidget form;
    QFont font = form.font();
    font.setPixelSize(12);
    form.setFont(font);
    auto* widget = new TGrapherWidget(&form);
    widget->resize(400, 300);
    EXPECT_EQ(widget->font().pixelSize(), 12);

    TGrapher& chart = widget->Chart();
    chart.clear();
    chart.setValue(0, 0, 100);
    chart.setValue(0, 1, 50);
    chart.xLabels() = {"1", "2"};
    chart.setYTickCount(10);
    chart.setMaxYValue(100);
    const QImage image = widget->RenderImage();
    ASSERT_EQ(image.size(), QSize(400, 300));

    const TChartLayout& l = chart.layout();
    EXPECT_EQ(l.plotRight, 395);
    const auto at = [&](TPixel x, TPixel y) {
        return image.pixel(static_cast<int>(x), static_cast<int>(y));
    };
    const QRgb red = qRgb(255, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    // One series: each bar fills its category, 3 x units wide.
    const TPixel first = (chart.X(0) + chart.X(3)) / 2;
    const TPixel second = (chart.X(3) + chart.X(6)) / 2;
    EXPECT_EQ(at(first, chart.Y(90)), red);
    EXPECT_EQ(at(first, chart.Y(10)), red);
    EXPECT_EQ(at(second, chart.Y(40)), red);
    EXPECT_EQ(at(second, chart.Y(60)), white);
    EXPECT_EQ(at(second, chart.Y(95)), white);
    // The plot is short, so the categories end before its right edge.
    ASSERT_LT(chart.X(6) + 10, l.plotRight);
    EXPECT_EQ(at(chart.X(6) + 10, chart.Y(40)), white);
    // Nothing below the zero line, between the plot and the table.
    EXPECT_EQ(at(first, l.plotBottom + 2), white);

    // A wider widget is laid out again at its new width.
    widget->resize(600, 300);
    EXPECT_EQ(widget->RenderImage().width(), 600);
    EXPECT_EQ(chart.layout().plotRight, 595);
}

} // namespace
} // namespace quillara::gui
