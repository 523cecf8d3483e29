#pragma once

#include "gui/shell/frame_manager.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace quillara {
class TScoreHistory;
struct TRegionalSettings;
} // namespace quillara

namespace quillara::gui {

class TGrapherWidget;

// How the student has done on one chapter lately: the percentage right in the chapter in its
// ten newest scores, as a 3D line (a 3D bar for a single score).
class TTGraphScoreFrame1 : public QWidget {
    Q_OBJECT
public:
    // The history is asked for each time the graph is filled, so that it is read only once the
    // student asks for a graph.
    TTGraphScoreFrame1(std::function<const TScoreHistory&()> history,
                       const TRegionalSettings& regional, QWidget* parent = nullptr);

    // Builds the graph of the chapter from the history as it is now.
    void Fill(int chapter);
    TFrameManager Roles() { return {this, {}, {}, {}, {}, false}; }
    void CloseClicked() { hide(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<const TScoreHistory&()> History;
    const TRegionalSettings& Regional;
    TGrapherWidget* Graph;
    QLabel* noScoresLabel;
    QPushButton* CloseButton;
};

} // namespace quillara::gui
