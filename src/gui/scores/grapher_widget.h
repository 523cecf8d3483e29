#pragma once

#include "core/chart/grapher.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;

namespace quillara::gui {

// The chart control on a form: it paints its TGrapher at its own size in the parent's font, and
// again whenever a setting changes. The owner reaches the data and settings through Chart().
// A screen reader reads its values: the description lists every point of the first series, and
// the arrow keys, Home and End step through the points, each read as it is reached.
class TGrapherWidget : public QWidget {
    Q_OBJECT

public:
    explicit TGrapherWidget(QWidget* parent = nullptr);

    TGrapher& Chart() { return FChart; }
    const TGrapher& Chart() const { return FChart; }

    // The chart as the widget would paint it now; a null image while the widget has no area.
    QImage RenderImage();

    // How a point of the first series reads ("Chapter 3: 80%"); by default its label and value.
    void SetPointText(std::function<QString(int point)> text);
    QString PointText(int point) const;
    // Every point's text, in order.
    QString ValuesText() const;
    // The point the keyboard is on; -1 before the first step and after the data changes.
    int CurrentPoint() const { return Current; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PaintOn(QPainter& painter);
    void StepTo(int point);
    int PointCount() const;

    TGrapher FChart;
    std::function<QString(int)> PointTextOf;
    int Current = -1;
};

} // namespace quillara::gui
