#include "gui/reading/view_topic_frame.h"

#include "gui/shell/message_boxes.h"
#include "gui/reading/html_lite.h"
#include "gui/widgets/accessible_name.h"
#include "gui/widgets/book_text.h"
#include "gui/widgets/find_bar.h"
#include "gui/widgets/focus_frame.h"

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
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    topicLabel = new QLabel("Summary", this);
    topicLabel->setObjectName("topicLabel");
    topicLabel->setTextFormat(Qt::PlainText); // titles show "&" and "<" as they are
    topicLabel->setAlignment(Qt::AlignCenter);
    QFont heading;
    heading.setFamilies({"Times New Roman", "Liberation Serif", "DejaVu Serif"});
    heading.setStyleHint(QFont::Serif);
    heading.setBold(true);
    heading.setPixelSize(24);
    topicLabel->setFont(heading);

    auto* panel1 = new QFrame(this);
    panel1->setObjectName("Panel1");
    panel1->setFrameShape(QFrame::Box);
    panel1->setLineWidth(1);
    panel1->setAutoFillBackground(true);
    panel1->setPalette(white);
    htmlLite1 = new ThtmlLite(panel1);
    htmlLite1->setObjectName("htmlLite1");
    NameControl(htmlLite1, QStringLiteral("Topic page"));
    auto* panelLayout = new QVBoxLayout(panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(htmlLite1);

    MarkFocusOn(panel1, htmlLite1);
    FindBar = new TFindBar(htmlLite1, this);

    Button1 = new QPushButton("Close", this);
    Button1->setObjectName("Button1");
    connect(Button1, &QPushButton::clicked, this, &TViewTopicFrame1::Button1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(topicLabel);
    layout->addWidget(panel1, 1);
    layout->addWidget(FindBar);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
}

void TViewTopicFrame1::ShowTopic(int chapter, const std::string& title) {
    const std::string page = Session.TopicText(chapter, title);
    if (page.empty()) {
        TMessageBoxes::Error(this, "Unable to load the specified files, please make sure the "
                                   "software was installed properly");
        return;
    }
    topicLabel->setText(FromBook(title));
    htmlLite1->setAccessibleDescription(FromBook(title));
    // The book directory is settled only after the windows are made, so it is taken at each page.
    htmlLite1->SetBookDirectory(Session.BookDir());
    htmlLite1->LoadFromString(page);
    htmlLite1->SetNoSelect(true);
}

// The page takes the focus as it shows, so that the keys scroll it at once.
void TViewTopicFrame1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    htmlLite1->setFocus();
}

void TViewTopicFrame1::Button1Click() {
    hide();
}

} // namespace quillara::gui
