#include "gui/scores/view_score_frame.h"

#include "gui/scores/grapher_widget.h"
#include "gui/scores/score_chart.h"
#include "core/scores/score_file.h"
#include "gui/scores/score_list_model.h"
#include "core/scores/score_summary.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/white_background.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace quillara::gui {

namespace {

// Rows are parted by horizontal lines only.
class TRowLines : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

QFont TitleFont(const QFont& base) {
    QFont font = base;
    font.setPixelSize(24);
    return font;
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);
    return button;
}

} // namespace

TViewScoreFrame::TViewScoreFrame(const TRegionalSettings& regional, QWidget* parent)
    : QWidget(parent), Model(new TScoreListModel(regional, this)) {
    setObjectName(QStringLiteral("ViewScoreFrame"));
    setMinimumSize(290, 290);
    MakeWhite(this);
    auto* column = new QVBoxLayout(this);

    Heading = new QLabel(tr("Saved Scores"), this);
    Heading->setObjectName(QStringLiteral("Label1"));
    Heading->setAlignment(Qt::AlignCenter);
    Heading->setFont(TitleFont(font()));
    column->addWidget(Heading);

    // The message, the grid and the chart share the space above the buttons.
    auto* area = new QGridLayout;
    labelNoScore = new QLabel(tr("There are no saved score to view."), this);
    labelNoScore->setObjectName(QStringLiteral("labelNoScore"));
    labelNoScore->setAlignment(Qt::AlignCenter);
    labelNoScore->setWordWrap(true);
    labelNoScore->setFont(TitleFont(font()));
    area->addWidget(labelNoScore, 0, 0);

    ScoreGrid = new QTableView(this);
    ScoreGrid->setObjectName(QStringLiteral("ScoreGrid"));
    ScoreGrid->setAccessibleName(tr("Saved Scores"));
    // The arrows move between the scores; Tab goes on to the buttons instead of round the cells.
    ScoreGrid->setTabKeyNavigation(false);
    ScoreGrid->setModel(Model);
    ScoreGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ScoreGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ScoreGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ScoreGrid->setShowGrid(false);
    ScoreGrid->setItemDelegate(new TRowLines(ScoreGrid));
    ScoreGrid->setWordWrap(false);
    ScoreGrid->verticalHeader()->hide();
    ScoreGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ScoreGrid->horizontalHeader()->setHighlightSections(false);
    ScoreGrid->installEventFilter(this);
    area->addWidget(ScoreGrid, 0, 0);
    connect(ScoreGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TViewScoreFrame::ScoreGridClick);
    connect(ScoreGrid, &QTableView::doubleClicked, this, [this] {
        if (GraphButton->isVisible()) GraphScoreDetails();
    });

    ChartView = new TGrapherWidget(this);
    ChartView->setObjectName(QStringLiteral("Grapher1"));
    NameControl(ChartView, tr("Chart of the chosen score by chapter"));
    TGrapher& chart = ChartView->Chart();
    SetUpPercentChart(chart, regional);
    ChartView->hide();
    area->addWidget(ChartView, 0, 0);
    column->addLayout(area, 1);

    auto* buttons = new QHBoxLayout;
    GraphButton = Button(QStringLiteral("Graph"), "GraphButton", this);
    CancelButton = Button(QStringLiteral("Close"), "CancelButton", this);
    CancelButtonMiddle = Button(QStringLiteral("Close"), "CancelButtonMiddle", this);
    buttons->addStretch(1);
    buttons->addWidget(GraphButton);
    buttons->addWidget(CancelButtonMiddle);
    buttons->addWidget(CancelButton);
    buttons->addStretch(1);
    column->addLayout(buttons);
    connect(GraphButton, &QPushButton::clicked, this, &TViewScoreFrame::GraphButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TViewScoreFrame::CancelButtonClick);
    connect(CancelButtonMiddle, &QPushButton::clicked, this, &TViewScoreFrame::CancelButtonClick);
    ShowButtons(false);
}

TFrameManager TViewScoreFrame::Roles() {
    return {this, {}, {}, [this] { ShowScores(); }, {}, false};
}

void TViewScoreFrame::SetScoreList(const TScoreHistory* history) {
    Source = nullptr;
    History = history;
    Model->SetHistory(history);
}

void TViewScoreFrame::SetScoreList(std::function<const TScoreHistory*()> source) {
    SetScoreList(nullptr);
    Source = std::move(source);
}

bool TViewScoreFrame::ChartShown() const {
    return !ChartView->isHidden();
}

void TViewScoreFrame::ShowButtons(bool graph) {
    GraphButton->setVisible(graph);
    CancelButton->setVisible(graph);
    CancelButtonMiddle->setVisible(!graph);
}

void TViewScoreFrame::ShowScores() {
    if (Source) SetScoreList(Source());
    ChartView->hide();
    Heading->show();
    const bool empty = !History || History->empty();
    labelNoScore->setVisible(empty);
    ScoreGrid->setVisible(!empty);
    ShowButtons(!empty);
    show();
    Model->Refresh();
    TextWidths = Model->WidestTexts(ScoreGrid->fontMetrics());
    FitColumns();
    if (empty) {
        CancelButtonMiddle->setFocus();
        return;
    }
    ScoreGrid->selectRow(0);
    ScoreGrid->setFocus();
    ScoreGridClick();
}

// The date and the score take their widest text plus 5 pixels, beside the margins the style
// draws a cell's text within; the description takes the rest of the view's width, its text
// elided where the room is short (its tooltip holds it whole), so the score always shows.
void TViewScoreFrame::FitColumns() {
    ScoreGrid->verticalHeader()->setDefaultSectionSize(ScoreGrid->fontMetrics().height() + 3);
    const int margins = 2 * (ScoreGrid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const auto fitted = [&](int column) {
        return TextWidths[static_cast<std::size_t>(column)] + 5 + margins;
    };
    const int shortest = std::min(fitted(1), ScoreGrid->fontMetrics().averageCharWidth() * 12);
    const int rest = ScoreGrid->viewport()->width() - 3 - fitted(0) - fitted(2);
    QHeaderView* header = ScoreGrid->horizontalHeader();
    header->resizeSection(0, fitted(0));
    header->resizeSection(1, std::max(rest, shortest));
    header->resizeSection(2, fitted(2));
}

void TViewScoreFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitColumns();
}

const TScore* TViewScoreFrame::SelectedScore() const {
    const QModelIndex current = ScoreGrid->currentIndex();
    return current.isValid() ? Model->ScoreAt(current.row()) : nullptr;
}

void TViewScoreFrame::ScoreGridClick() {
    const TScore* score = SelectedScore();
    if (!score) return;
    ShowButtons(DistinctChapters(*score) > 1);
}

void TViewScoreFrame::GraphScoreDetails() {
    const TScore* score = SelectedScore();
    if (!score) return;
    TGrapher& chart = ChartView->Chart();
    chart.clear();
    ChartView->SetPointText([this](int point) {
        const TGrapher& shown = ChartView->Chart();
        return tr("Chapter %1: %2%")
            .arg(QString::fromStdString(shown.xLabels().at(point)))
            .arg(shown.value(0, point));
    });
    for (int i = 0; i < score->detailCount(); ++i) {
        const TScoreDetail& detail = score->detail(i);
        chart.xLabels().push_back(std::to_string(detail.chapter));
        chart.setValue(0, i, wholePercent(detail.correct, detail.answered()));
    }
    chart.setXLabel((QLatin1Char(' ') + tr("Chapter") + QLatin1Char(' ')).toStdString());
    chart.seriesNames().assign(1,
                               (QLatin1Char(' ') + tr("Percent") + QLatin1Char(' ')).toStdString());
    chart.setChartType(TChartType::chart3DBar);
    ChartView->show();
    ChartView->repaint();
    ScoreGrid->hide();
    Heading->hide();
    ShowButtons(false);
    CancelButtonMiddle->setFocus();
}

void TViewScoreFrame::CancelButtonClick() {
    if (!ChartShown()) {
        hide();
        return;
    }
    Heading->show();
    ChartView->hide();
    ScoreGrid->show();
    ScoreGrid->setFocus();
    ScoreGridClick();
}

void TViewScoreFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && ChartShown()) {
        event->accept();
        CancelButtonClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TViewScoreFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScoreGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && GraphButton->isVisible()) {
            GraphScoreDetails();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillara::gui
