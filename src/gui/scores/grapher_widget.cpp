#include "gui/scores/grapher_widget.h"

#include "gui/scores/painter_canvas.h"
#include "gui/shell/regional_from_locale.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quillara::gui {

namespace {

// What a screen reader is told of a chart: its values as its description, and the point the
// keyboard is on as its value.
class TChartAccessible : public QAccessibleWidget {
public:
    explicit TChartAccessible(TGrapherWidget* chart)
        : QAccessibleWidget(chart, QAccessible::Chart) {}

    QString text(QAccessible::Text kind) const override {
        const auto* chart = static_cast<const TGrapherWidget*>(widget());
        if (kind == QAccessible::Description) {
            const QString own = QAccessibleWidget::text(kind);
            const QString values = chart->ValuesText();
            return own.isEmpty()      ? values
                   : values.isEmpty() ? own
                                      : own + QStringLiteral(". ") + values;
        }
        if (kind == QAccessible::Value)
            return chart->CurrentPoint() < 0 ? QString() : chart->PointText(chart->CurrentPoint());
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* ChartAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(TGrapherWidget::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new TChartAccessible(static_cast<TGrapherWidget*>(object));
    return nullptr;
}

QString NumberText(double value) {
    // Scores are whole percents; anything else keeps up to two decimals.
    return QLocale().toString(value, 'g', std::abs(value) < 1e6 ? 8 : 6);
}

} // namespace

TGrapherWidget::TGrapherWidget(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(ChartAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    // The chart fills every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    FChart.SetRegional(RegionalFromLocale(locale()));
    FChart.SetOnInvalidate([this] {
        Current = std::min(Current, PointCount() - 1);
        update();
    });
}

void TGrapherWidget::SetPointText(std::function<QString(int point)> text) {
    PointTextOf = std::move(text);
}

int TGrapherWidget::PointCount() const {
    return FChart.seriesCount() > 0 ? FChart.pointCount(0) : 0;
}

QString TGrapherWidget::PointText(int point) const {
    if (point < 0 || point >= PointCount()) return {};
    if (PointTextOf) return PointTextOf(point);
    const auto& labels = FChart.xLabels();
    const QString label = point < int(labels.size())
                              ? QString::fromStdString(labels[point]).trimmed()
                              : QString::number(point + 1);
    return label + QStringLiteral(": ") + NumberText(FChart.value(0, point));
}

QString TGrapherWidget::ValuesText() const {
    QStringList points;
    for (int i = 0; i < PointCount(); ++i)
        points << PointText(i);
    return points.join(QStringLiteral("; "));
}

QImage TGrapherWidget::RenderImage() {
    QImage image(size(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    QPainter painter(&image);
    painter.setFont(font());
    PaintOn(painter);
    return image;
}

void TGrapherWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintOn(painter);
}

void TGrapherWidget::keyPressEvent(QKeyEvent* event) {
    const int last = PointCount() - 1;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        StepTo(std::min(Current + 1, last));
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        StepTo(std::max(Current - 1, 0));
        break;
    case Qt::Key_Home:
        StepTo(0);
        break;
    case Qt::Key_End:
        StepTo(last);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TGrapherWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TGrapherWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TGrapherWidget::StepTo(int point) {
    if (point < 0 || point > PointCount() - 1) return;
    Current = point;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, PointText(point));
        QAccessible::updateAccessibility(&changed);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

// A resize always brings a paint, and every paint lays the chart out anew at the current size.
void TGrapherWidget::PaintOn(QPainter& painter) {
    FChart.setSize(width(), height());
    TPainterCanvas canvas(painter, palette());
    FChart.Paint(canvas);
    // The point the keyboard is on is framed while the chart has the focus.
    if (hasFocus() && Current >= 0 && FChart.scaleValid()) {
        const TChartLayout& layout = FChart.layout();
        try {
            const int left = int(FChart.X(3.0 * Current));
            const int right = int(FChart.X(3.0 * Current + 3));
            painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(QPoint(left, int(layout.plotTop)),
                                   QPoint(right - 1, int(layout.plotBottom) - 1)));
        } catch (const std::exception&) {
            // A chart too small to place the point in shows no frame.
        }
    }
}

} // namespace quillara::gui
