#include "gui/scores/graph_score_frame.h"

#include "core/scores/score_summary.h"
#include "gui/scores/grapher_widget.h"
#include "gui/scores/score_chart.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/white_background.h"

#include <QDate>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace quillara::gui {

TTGraphScoreFrame1::TTGraphScoreFrame1(std::function<const TScoreHistory&()> history,
                                       const TRegionalSettings& regional, QWidget* parent)
    : QWidget(parent), History(std::move(history)), Regional(regional) {
    setObjectName(QStringLiteral("TGraphScoreFrame1"));
    setMinimumSize(290, 290);
    MakeWhite(this);
    auto* column = new QVBoxLayout(this);

    auto* area = new QGridLayout;
    Graph = new TGrapherWidget(this);
    Graph->setObjectName(QStringLiteral("Grapher1"));
    NameControl(Graph, tr("Graph of your recent scores on this chapter"));
    TGrapher& chart = Graph->Chart();
    chart.setChartType(TChartType::chart3DLine);
    SetUpPercentChart(chart, regional);
    area->addWidget(Graph, 0, 0);

    noScoresLabel = new QLabel(this);
    noScoresLabel->setObjectName(QStringLiteral("noScoresLabel"));
    noScoresLabel->setAlignment(Qt::AlignCenter);
    noScoresLabel->setWordWrap(true);
    QFont message = noScoresLabel->font();
    message.setPixelSize(16);
    noScoresLabel->setFont(message);
    noScoresLabel->hide();
    area->addWidget(noScoresLabel, 0, 0);
    column->addLayout(area, 1);

    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setObjectName(QStringLiteral("Button1"));
    CloseButton->setAutoDefault(true);
    connect(CloseButton, &QPushButton::clicked, this, &TTGraphScoreFrame1::CloseClicked);
    column->addWidget(CloseButton, 0, Qt::AlignHCenter);
}

void TTGraphScoreFrame1::Fill(int chapter) {
    Graph->hide();
    noScoresLabel->hide();
    TGrapher& chart = Graph->Chart();
    chart.clear();
    chart.setXLabel((tr("Date") + QStringLiteral("   ")).toStdString());
    const std::vector<TChapterPoint> points = ChapterHistory(History(), chapter);
    QStringList read;
    for (std::size_t i = 0; i < points.size(); ++i) {
        chart.setValue(0, static_cast<int>(i), points[i].Percent);
        chart.xLabels().push_back(MonthDayText(points[i].Date, Regional));
        // A screen reader reads the whole date: the chart's labels leave the year out.
        const QDate day = QDate(1899, 12, 30).addDays(qint64(std::floor(points[i].Date)));
        read << tr("%1: %2%")
                    .arg(QLocale().toString(day, QLocale::LongFormat))
                    .arg(points[i].Percent);
    }
    Graph->SetPointText([read](int point) { return read.value(point); });
    if (points.empty()) {
        noScoresLabel->setText(tr("There are no saved scores for chapter %1").arg(chapter));
        noScoresLabel->show();
        CloseButton->setFocus();
        return;
    }
    chart.setChartType(points.size() == 1 ? TChartType::chart3DBar : TChartType::chart3DLine);
    chart.seriesNames().assign(1, (QLatin1Char(' ') + tr("Percent")).toStdString());
    Graph->show();
    CloseButton->setFocus();
}

void TTGraphScoreFrame1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        CloseClicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quillara::gui
