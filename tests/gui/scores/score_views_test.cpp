#include "core/chart/grapher.h"
#include "core/scores/score_file.h"
#include "find_child.h"
#include "gui/scores/graph_score_frame.h"
#include "gui/scores/grapher_widget.h"
#include "gui/scores/view_score_frame.h"
#include "gui/shell/message_boxes.h"
#include "main_window.h"
#include "make_score.h"

#include <QAccessible>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

void AddScore(TScoreHistory& history, double date, const std::string& description,
              std::initializer_list<std::array<int, 3>> details) {
    history.AddAttempt(testing::MakeScore(date, description, details));
}

using testing::GuiBook;
using testing::In;
using testing::MainWindow;

QStringList VisibleButtons(QWidget* view) {
    QStringList names;
    for (const char* name : {"GraphButton", "CancelButton", "CancelButtonMiddle"})
        if (In(view, name)->isVisible()) names << QString::fromLatin1(name);
    return names;
}

bool IsRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

// The height in pixels of the red run that stands on the zero line at x.
int RedHeight(const QImage& image, const TGrapher& chart, int x) {
    const int bottom = static_cast<int>(chart.Y(0)) - 1;
    int y = bottom;
    while (y > 0 && IsRed(image.pixel(x, y)))
        --y;
    return bottom - y;
}

TEST(SavedScores, AnEmptyHistoryHasOnlyItsMessage) {
    GuiBook book;
    MainWindow window(book);
    TViewScoreFrame* view = window.form->SavedScores();
    window.Action("ViewSavedScoresItem")->trigger();
    ASSERT_TRUE(view->isVisible());
    EXPECT_TRUE(In(view, "labelNoScore")->isVisible());
    EXPECT_EQ(In<QLabel>(view, "labelNoScore")->text(), "There are no saved score to view.");
    EXPECT_FALSE(In(view, "ScoreGrid")->isVisible());
    EXPECT_EQ(VisibleButtons(view), QStringList{"CancelButtonMiddle"});
    In<QPushButton>(view, "CancelButtonMiddle")->click();
    EXPECT_TRUE(view->isHidden());

    TTGraphScoreFrame1* graph = window.form->ScoreGraph();
    window.Action("GraphScoresItem")->trigger();
    ASSERT_TRUE(graph->isVisible());
    EXPECT_EQ(In<QLabel>(graph, "noScoresLabel")->text(),
              "There are no saved scores for chapter 1");
    EXPECT_FALSE(In(graph, "Grapher1")->isVisible());
}

TEST(SavedScores, ListsNewestFirstAndGraphsAScoreOfSeveralChapters) {
    GuiBook book;
    MainWindow window(book);
    TScoreHistory& history = window.session.Scores();
    AddScore(history, 46000, "True False Quiz from chapter 1", {{1, 2, 1}});
    AddScore(history, 46001.5, "TF/MC Test from chapters 1-2, 5",
             {{2, 3, 1}, {5, 1, 3}, {1, 2, 2}});
    TViewScoreFrame* view = window.form->SavedScores();
    window.Child("ViewSavedScoresLink")->setFocus();
    QTest::keyClick(window.Child("ViewSavedScoresLink"), Qt::Key_Return);
    ASSERT_TRUE(view->isVisible());

    auto* grid = In<QTableView>(view, "ScoreGrid");
    QAbstractItemModel* model = grid->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Test Description");
    EXPECT_EQ(model->index(0, 0).data().toString(), "12/10/2025");
    EXPECT_EQ(model->index(0, 1).data().toString(), "TF/MC Test from chapters 1-2, 5");
    EXPECT_EQ(model->index(0, 2).data().toString(), "6 of 12 for 50%");
    EXPECT_EQ(model->index(1, 2).data().toString(), "2 of 3 for 66%");
    EXPECT_EQ(grid->currentIndex().row(), 0) << "the newest score is selected";
    EXPECT_EQ(view->window()->focusWidget(), grid);
    EXPECT_EQ(VisibleButtons(view), (QStringList{"GraphButton", "CancelButton"}));

    // A score of one chapter has no graph: Enter does nothing there.
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(VisibleButtons(view), QStringList{"CancelButtonMiddle"});
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_FALSE(view->ChartShown());

    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_TRUE(view->ChartShown());
    const TGrapher& chart = In<TGrapherWidget>(view, "Grapher1")->Chart();
    EXPECT_EQ(chart.ChartType(), TChartType::chart3DBar);
    EXPECT_EQ(chart.xLabels(), (std::vector<std::string>{"2", "5", "1"}));
    EXPECT_EQ(chart.value(0, 0), 75);
    EXPECT_EQ(chart.value(0, 1), 25);
    EXPECT_EQ(chart.value(0, 2), 50);
    EXPECT_EQ(chart.xLabel(), " Chapter ");
    EXPECT_EQ(VisibleButtons(view), QStringList{"CancelButtonMiddle"});
    EXPECT_EQ(view->window()->focusWidget(), In(view, "CancelButtonMiddle"));

    // The red bars stand in the ratio of their percentages.
    const QImage image = In<TGrapherWidget>(view, "Grapher1")->RenderImage();
    const int heights[] = {RedHeight(image, chart, chart.X(1.5)),
                           RedHeight(image, chart, chart.X(4.5)),
                           RedHeight(image, chart, chart.X(7.5))};
    const double percents[] = {75, 25, 50};
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(heights[k], chart.Y(0) - chart.Y(percents[k]), 1) << "bar " << k;

    // A screen reader reads every chapter's result, and the keys step through them.
    auto* grapher = In<TGrapherWidget>(view, "Grapher1");
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(grapher);
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->role(), QAccessible::Chart);
    EXPECT_EQ(spoken->text(QAccessible::Name), "Chart of the chosen score by chapter");
    EXPECT_TRUE(spoken->text(QAccessible::Description)
                    .endsWith("Chapter 2: 75%; Chapter 5: 25%; Chapter 1: 50%"))
        << spoken->text(QAccessible::Description).toStdString();
    EXPECT_EQ(grapher->focusPolicy(), Qt::StrongFocus);
    grapher->setFocus();
    const struct {
        Qt::Key Key;
        int Point;
        const char* Read;
    } steps[] = {{Qt::Key_Right, 0, "Chapter 2: 75%"}, {Qt::Key_End, 2, "Chapter 1: 50%"},
                 {Qt::Key_Right, 2, "Chapter 1: 50%"}, {Qt::Key_Left, 1, "Chapter 5: 25%"},
                 {Qt::Key_Home, 0, "Chapter 2: 75%"},  {Qt::Key_Left, 0, "Chapter 2: 75%"}};
    for (const auto& step : steps) {
        QTest::keyClick(grapher, step.Key);
        EXPECT_EQ(grapher->CurrentPoint(), step.Point);
        EXPECT_EQ(spoken->text(QAccessible::Value), step.Read);
    }
    In(view, "CancelButtonMiddle")->setFocus();

    QTest::keyClick(In(view, "CancelButtonMiddle"), Qt::Key_Escape);
    EXPECT_FALSE(view->ChartShown());
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(VisibleButtons(view), (QStringList{"GraphButton", "CancelButton"}));
}

TEST(SavedScores, TheDescriptionTakesWhatIsLeftAndTheScoreAlwaysShows) {
    GuiBook book;
    MainWindow window(book);
    const QString longest = QStringLiteral(
        "A rather long description of a test over many chapters, longer than a narrow view");
    AddScore(window.session.Scores(), 46000, longest.toStdString(), {{1, 1, 0}});
    TViewScoreFrame* view = window.form->SavedScores();
    window.form->SwitchToView(view);
    auto* grid = In<QTableView>(view, "ScoreGrid");
    window.form->resize(1000, 700);
    QApplication::processEvents();
    const QHeaderView* header = grid->horizontalHeader();
    auto widths = [&] {
        return std::array<int, 3>{header->sectionSize(0), header->sectionSize(1),
                                  header->sectionSize(2)};
    };
    for (const QSize size : {QSize(1000, 700), QSize(520, 440)}) {
        window.form->resize(size);
        QApplication::processEvents();
        const std::array<int, 3> w = widths();
        EXPECT_EQ(3 + w[0] + w[1] + w[2], grid->viewport()->width()) << size.width();
        EXPECT_GE(w[2], grid->fontMetrics().horizontalAdvance(
                            grid->model()->index(0, 2).data().toString()));
    }
    EXPECT_LT(widths()[1], grid->fontMetrics().horizontalAdvance(longest)) << "elided";
    EXPECT_EQ(grid->model()->index(0, 1).data(Qt::ToolTipRole).toString(), longest);
}

TEST(ChapterGraph, TheTenNewestScoresOfTheChapterOldestFirst) {
    GuiBook book;
    MainWindow window(book);
    TScoreHistory& history = window.session.Scores();
    // Day 46000 is 2025-12-09; one score a day, the chapter's share going up.
    for (int i = 0; i < 12; ++i)
        AddScore(history, 46000 + i, "Quiz", {{2, 1, 1}, {1, i, 11 - i}});
    TTGraphScoreFrame1* graph = window.form->ScoreGraph();
    window.Action("GraphScoresItem")->trigger();
    ASSERT_TRUE(graph->isVisible());
    auto* widget = In<TGrapherWidget>(graph, "Grapher1");
    ASSERT_TRUE(widget->isVisible());
    const TGrapher& chart = widget->Chart();
    EXPECT_EQ(chart.ChartType(), TChartType::chart3DLine);
    ASSERT_EQ(chart.pointCount(0), 10);
    EXPECT_EQ(chart.xLabels().front(), "12/11") << "the two oldest are left out";
    EXPECT_EQ(chart.xLabels().back(), "12/20");
    EXPECT_EQ(chart.value(0, 0), 18);
    EXPECT_EQ(chart.value(0, 9), 100);
    EXPECT_EQ(chart.xLabel(), "Date   ");
    EXPECT_EQ(chart.seriesNames().at(0), " Percent");
    // Read aloud, each point has its whole date.
    EXPECT_EQ(widget->PointText(0),
              QLocale().toString(QDate(2025, 12, 11), QLocale::LongFormat) + ": 18%");
    EXPECT_TRUE(
        QAccessible::queryAccessibleInterface(widget)
            ->text(QAccessible::Description)
            .endsWith(QLocale().toString(QDate(2025, 12, 20), QLocale::LongFormat) + ": 100%"));

    // One score: a single 3D bar, red where it stands.
    GuiBook other;
    MainWindow single(other);
    AddScore(single.session.Scores(), 46000, "Quiz", {{1, 2, 1}});
    single.Action("GraphScoresItem")->trigger();
    auto* bar = In<TGrapherWidget>(single.form->ScoreGraph(), "Grapher1");
    const TGrapher& one = bar->Chart();
    EXPECT_EQ(one.ChartType(), TChartType::chart3DBar);
    EXPECT_EQ(one.value(0, 0), 66);
    const QImage image = bar->RenderImage();
    EXPECT_GT(RedHeight(image, one, one.X(1.5)), 0);
    EXPECT_FALSE(IsRed(image.pixel(one.X(1.5), one.Y(90))));
}

// Save Scores takes in what another window saved meanwhile, and the list on screen shows it.
TEST(SavedScores, SaveScoresListsWhatAnotherWindowSaved) {
    GuiBook book;
    MainWindow window(book);
    window.session.SetSaveDirectory((window.session.Folder() / "").string());
    AddScore(window.session.Scores(), 45000, "Mine", {{1, 1, 0}});
    TScoreHistory other;
    AddScore(other, 45001, "Theirs", {{2, 1, 0}});
    ASSERT_TRUE(other.saveScores(window.session.Settings().SaveDirectory));
    window.Action("ViewSavedScoresItem")->trigger();
    auto* grid = In<QTableView>(window.form->SavedScores(), "ScoreGrid");
    ASSERT_EQ(grid->verticalHeader()->count(), 1);
    window.Action("SaveScoresItem")->trigger();
    ASSERT_EQ(grid->verticalHeader()->count(), 2);
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), "Mine");
    EXPECT_EQ(grid->model()->index(1, 1).data().toString(), "Theirs");
}

} // namespace
} // namespace quillara::gui
