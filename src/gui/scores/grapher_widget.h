#pragma once

#include "core/chart/grapher.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace quillara::gui {

// The chart control on a form: it paints its TGrapher at its own size in the parent's font, and
// again whenever a setting changes. The owner reaches the data and settings through Chart().
class TGrapherWidget : public QWidget {
    Q_OBJECT

public:
    explicit TGrapherWidget(QWidget* parent = nullptr);

    TGrapher& Chart() { return FChart; }
    const TGrapher& Chart() const { return FChart; }

    // The chart as the widget would paint it now; a null image while the widget has no area.
    QImage RenderImage();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintOn(QPainter& painter);

    TGrapher FChart;
};

} // namespace quillara::gui
