#include "gui/reading/view_topic_frame.h"

#include "gui/reading/html_lite.h"
#include "gui/shell/message_boxes.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/find_bar.h"
#include "gui/widgets/focus_frame.h"
#include "gui/widgets/text_size.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillara::gui {

TViewTopicFrame1::TViewTopicFrame1(const TStudySession& session, QWidget* parent)
    : QWidget(parent), Session(session) {
    setObjectName("ViewTopicFrame1");
    setMinimumSize(290, 290);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, white.color(QPalette::Base));
    white.setColor(QPalette::WindowText, white.color(QPalette::Text));
    setPalette(white);

    topicLabel = new QLabel(tr("Summary"), this);
    topicLabel->setObjectName("topicLabel");
    topicLabel->setTextFormat(Qt::PlainText); // titles show "&" and "<" as they are
    topicLabel->setAlignment(Qt::AlignCenter);
    QFont heading;
    heading.setFamilies({"Times New Roman", "Liberation Serif", "DejaVu Serif"});
    heading.setStyleHint(QFont::Serif);
    heading.setBold(true);
    heading.setPixelSize(24);
    topicLabel->setFont(heading);

    auto* pageFrame = new QFrame(this);
    pageFrame->setObjectName("Panel1");
    pageFrame->setFrameShape(QFrame::Box);
    pageFrame->setLineWidth(1);
    pageFrame->setAutoFillBackground(true);
    pageFrame->setPalette(white);
    Page = new ThtmlLite(pageFrame);
    FollowTextSize(Page);
    Page->setObjectName("htmlLite1");
    NameControl(Page, tr("Topic page"));
    auto* panelLayout = new QVBoxLayout(pageFrame);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(Page);

    MarkFocusOn(pageFrame, Page);
    FindBar = new TFindBar(Page, this);

    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setObjectName("Button1");
    connect(CloseButton, &QPushButton::clicked, this, &TViewTopicFrame1::CloseClicked);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(topicLabel);
    layout->addWidget(pageFrame, 1);
    layout->addWidget(FindBar);
    layout->addWidget(CloseButton, 0, Qt::AlignHCenter);
}

void TViewTopicFrame1::ShowTopic(int chapter, const std::string& title) {
    const std::string page = Session.TopicText(chapter, title);
    if (page.empty()) {
        TMessageBoxes::Error(this, tr("Unable to load the specified files, please make sure the "
                                      "software was installed properly"));
        return;
    }
    topicLabel->setText(FromBook(title));
    Page->setAccessibleDescription(FromBook(title));
    // The book directory is settled only after the windows are made, so it is taken at each page.
    Page->SetBookDirectory(Session.BookDir());
    Page->LoadFromString(page);
    Page->SetNoSelect(true);
}

// The page takes the focus as it shows, so that the keys scroll it at once.
void TViewTopicFrame1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Page->setFocus();
}

void TViewTopicFrame1::CloseClicked() {
    hide();
}

} // namespace quillara::gui
