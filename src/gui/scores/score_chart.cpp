#include "gui/scores/score_chart.h"

#include "core/chart/grapher.h"

namespace quillara::gui {

void SetUpPercentChart(TGrapher& chart, const TRegionalSettings& regional) {
    chart.setBorderHeight(10);
    chart.setBorderWidth(5);
    chart.setYTickCount(10);
    chart.setXOffset3D(20);
    chart.setYOffset3D(20);
    chart.setMaxYValue(100);
    chart.setMinYValue(0);
    chart.setAutoScaleY(false);
    chart.SetRegional(regional);
}

} // namespace quillara::gui
