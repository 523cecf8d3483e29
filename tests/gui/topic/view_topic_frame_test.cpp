#include "gui/shell/message_boxes.h"
#include "gui/shell/study_session.h"
#include "gui/reading/view_topic_frame.h"
#include "gui_book.h"
#include "gui/reading/html_lite.h"
#include "core/picture/jpeg_encoder.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using quillara::gui::TMessageBoxes;
using quillara::gui::TViewTopicFrame1;

namespace {

const QString LoadError = "Unable to load the specified files, please make sure the software was "
                          "installed properly";

struct ViewTopicFrameTest : ::testing::Test {
    ViewTopicFrameTest() {
        // Chapter 3 has no "Key Ideas" page.
        book.Book.ChapterNames.push_back("Motion");
        book.Pages.push_back({{"Summary", "<p>Summary of chapter 3</p>"}});
        book.Pages[1][1].Page = "<h2>Key ideas of chapter 2</h2><p><img src=\"chart.jpg\"></p>";
        program.Open(program.ReadBook(book.Write()));
        book.Dir.Write("chart.jpg",
                       quillara::EncodeJpeg({30, 20, std::vector<std::uint8_t>(1800, 90)}));
        view.show();
    }
    QLabel* Heading() { return view.findChild<QLabel*>("topicLabel"); }
    quillara::gui::ThtmlLite* Page() {
        return view.findChild<quillara::gui::ThtmlLite*>("htmlLite1");
    }

    quillara::testing::GuiBook book;
    quillara::gui::TStudySession program;
    TViewTopicFrame1 view{program};
};

} // namespace

TEST_F(ViewTopicFrameTest, ShowsThePageOfTheChapterOrKeepsTheLastOne) {
    view.ShowTopic(3, "Key Ideas");
    EXPECT_EQ(TMessageBoxes::Shown(), QStringList{LoadError});
    EXPECT_EQ(Heading()->text(), "Summary");
    EXPECT_TRUE(Page()->toPlainText().isEmpty());

    view.ShowTopic(2, "Key Ideas");
    EXPECT_EQ(Heading()->text(), "Key Ideas");
    EXPECT_TRUE(Page()->toPlainText().startsWith("Key ideas of chapter 2"));
    EXPECT_TRUE(Page()->NoSelect());
    const QImage chart = Page()
                             ->document()
                             ->resource(QTextDocument::ImageResource, QUrl("chart.jpg"))
                             .value<QImage>();
    EXPECT_EQ(chart.size(), QSize(30, 20));

    for (const int chapter : {3, 9})
        view.ShowTopic(chapter, "Key Ideas");
    EXPECT_EQ(TMessageBoxes::Shown(), (QStringList{LoadError, LoadError, LoadError}));
    EXPECT_EQ(Heading()->text(), "Key Ideas");
    EXPECT_TRUE(Page()->toPlainText().startsWith("Key ideas of chapter 2"));
}

TEST_F(ViewTopicFrameTest, CloseHidesAndTheNextShowingRereadsTheFile) {
    view.ShowTopic(1, "Summary");
    view.findChild<QPushButton*>("Button1")->click();
    EXPECT_FALSE(view.isVisible());

    book.Pages[0][0].Page = "<p>Revised summary</p>";
    book.Write();
    view.ShowTopic(1, "Summary");
    EXPECT_EQ(Page()->toPlainText(), "Revised summary");
    EXPECT_TRUE(TMessageBoxes::Shown().isEmpty());
}
