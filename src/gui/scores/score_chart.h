#pragma once

namespace quillara {
class TGrapher;
struct TRegionalSettings;
} // namespace quillara

namespace quillara::gui {

// Both score views chart percentages: a value axis from 0 to 100 in ten steps, 3D rows 20
// pixels apart, the usual borders.
void SetUpPercentChart(TGrapher& chart, const TRegionalSettings& regional);

} // namespace quillara::gui
