#pragma once

#include "gui/shell/frame_manager.h"
#include "gui/shell/study_session.h"

#include <QWidget>
#include <string>

class QLabel;
class QPushButton;

namespace quillara::gui {

class TFindBar;
class ThtmlLite;

// The view of one topic page of a chapter: the topic's title over the page.
class TViewTopicFrame1 : public QWidget {
    Q_OBJECT

public:
    explicit TViewTopicFrame1(const TStudySession& session, QWidget* parent = nullptr);

    // Shows the page of the topic for the chapter; a page that cannot be found is reported and
    // the view keeps what it showed.
    void ShowTopic(int chapter, const std::string& title);
    // Shown and hidden plainly: the page is chosen before the view shows.
    TFrameManager Roles() { return {this, {}, {}, {}, {}, false}; }
    TFindBar* PageFindBar() const { return FindBar; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CloseClicked();

    const TStudySession& Session;
    QLabel* topicLabel;
    ThtmlLite* Page;
    TFindBar* FindBar;
    QPushButton* CloseButton;
};

} // namespace quillara::gui
