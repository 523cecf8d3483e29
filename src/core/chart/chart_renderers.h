#pragma once

#include "core/chart/chart_canvas.h"

namespace quillara {

class TGrapher;

// Draws the chart as its ChartType says, after its scale and layout are computed: the axes and
// frame, the series, then the data table. A failure while drawing the series ends them and the
// table is still drawn; a high-low-close chart without exactly three series draws the axes only.
void RenderChart(const TGrapher& chart, TChartCanvas& canvas);

} // namespace quillara
