#pragma once

#include "gui/shell/frame_manager.h"

#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;

namespace quillara {
class TScore;
class TScoreHistory;
struct TRegionalSettings;
} // namespace quillara

namespace quillara::gui {

class TGrapherWidget;
class TScoreListModel;

// The saved scores: every score of the history, newest first, and for a score over several
// chapters a 3D bar chart of the percentage right in each of them.
class TViewScoreFrame : public QWidget {
    Q_OBJECT
public:
    TViewScoreFrame(const TRegionalSettings& regional, QWidget* parent = nullptr);

    void SetScoreList(const TScoreHistory* history);
    // The same with the history the source gives when the list is first shown, so that it is
    // read only once the student asks for it.
    void SetScoreList(std::function<const TScoreHistory*()> source);
    // Refreshes the list from the history and shows the view.
    void ShowScores();
    TFrameManager Roles();
    void GraphScoreDetails();
    void GraphButtonClick() { GraphScoreDetails(); }
    void CancelButtonClick();
    bool ChartShown() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Escape leaves the chart for the list.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const TScore* SelectedScore() const;
    void ScoreGridClick();
    // Graph beside Close, or Close alone.
    void ShowButtons(bool graph);
    void FitColumns();

    const TScoreHistory* History = nullptr;
    std::function<const TScoreHistory*()> Source;
    TScoreListModel* Model;
    // The widest text of each column, measured when the grid is filled.
    std::array<int, 3> TextWidths{};

    QLabel* Heading;
    QLabel* labelNoScore;
    QTableView* ScoreGrid;
    TGrapherWidget* ChartView;
    QPushButton* GraphButton;
    QPushButton* CancelButton;
    QPushButton* CancelButtonMiddle;
};

} // namespace quillara::gui
