#include "browser_clicks.h"
#include "gui/reading/html_lite.h"
#include "core/picture/jpeg_encoder.h"
#include "temp_book_dir.h"
#include "gui/widgets/readable_measure.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextFrame>
#include <gtest/gtest.h>

using quillara::gui::ThtmlLite;

namespace {

std::string SolidJpeg(QRgb colour) {
    quillara::TDecodedPicture picture{40, 30, {}};
    for (int i = 0; i < 40 * 30; ++i)
        picture.Rgb.insert(picture.Rgb.end(),
                           {std::uint8_t(qRed(colour)), std::uint8_t(qGreen(colour)),
                            std::uint8_t(qBlue(colour))});
    return quillara::EncodeJpeg(picture);
}

// Pixels of the shown viewer close to a colour.
int CountPixels(QWidget& widget, QRgb colour) {
    const QImage image = widget.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                         std::abs(qBlue(p) - qBlue(colour)) <
                     60;
        }
    return count;
}

std::string LongPage(const std::string& word) {
    std::string page;
    for (int i = 0; i < 80; ++i)
        page += "<p>" + word + " " + std::to_string(i) + "</p>";
    return page;
}

const QRgb Red = qRgb(220, 0, 0), Green = qRgb(0, 200, 0), Blue = qRgb(0, 0, 220);

struct HtmlLiteTest : ::testing::Test {
    HtmlLiteTest() {
        viewer.SetBookDirectory(root.Path() / "book");
        viewer.resize(400, 300);
        viewer.show();
    }
    quillara::testing::TempBookDir root; // the book lives in root/book
    ThtmlLite viewer;
};

} // namespace

TEST_F(HtmlLiteTest, PicturesComeFromTheBookDirectoryOnly) {
    root.Write("book/Inside.jpg", SolidJpeg(Red));
    root.Write("book/outside.jpg", SolidJpeg(Green));
    const auto outside = root.Write("outside.jpg", SolidJpeg(Green));
    const std::string refused[] = {"../outside.jpg", "book/../outside.jpg", outside.string(),
                                   "file://" + outside.string(), "http://127.0.0.1:9/outside.jpg"};
    std::string page = "<img src=\"INSIDE.JPG\">";
    for (const auto& name : refused)
        page += "<p><img src=\"" + name + "\"></p>";
    viewer.LoadFromString(page);

    EXPECT_GT(CountPixels(viewer, Red), 1000);
    EXPECT_EQ(CountPixels(viewer, Green), 0);
    for (const auto& name : refused) {
        const QVariant resource = viewer.document()->resource(QTextDocument::ImageResource,
                                                              QUrl(QString::fromStdString(name)));
        EXPECT_LE(resource.value<QImage>().width(), 1) << name;
    }

    // A page loaded again shows the picture as it is now.
    root.Write("book/Inside.jpg", SolidJpeg(Blue));
    viewer.LoadFromString(page);
    EXPECT_GT(CountPixels(viewer, Blue), 1000);
    EXPECT_EQ(CountPixels(viewer, Red), 0);
}

TEST_F(HtmlLiteTest, LoadReplacesThePageAndShowsItsTop) {
    viewer.LoadFromString(LongPage("first"));
    viewer.verticalScrollBar()->setValue(viewer.verticalScrollBar()->maximum());
    ASSERT_GT(viewer.verticalScrollBar()->value(), 0);

    viewer.LoadFromString(LongPage("caf\xE9"));
    EXPECT_EQ(viewer.document()->availableUndoSteps(), 0);
    EXPECT_EQ(viewer.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(viewer.toPlainText().startsWith(QString::fromUtf8("café 0")));
    EXPECT_FALSE(viewer.toPlainText().contains("first"));
}

TEST_F(HtmlLiteTest, NoSelectLeavesNothingSelected) {
    viewer.LoadFromString(LongPage("text"));
    viewer.selectAll();
    ASSERT_TRUE(viewer.textCursor().hasSelection());
    viewer.SetNoSelect(true);
    EXPECT_FALSE(viewer.textCursor().hasSelection());

    viewer.selectAll();
    viewer.setFocus();
    QTest::keyClick(&viewer, Qt::Key_A, Qt::ControlModifier);
    QTest::mousePress(viewer.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(viewer.viewport(), QPoint(300, 200));
    QTest::mouseRelease(viewer.viewport(), Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_FALSE(viewer.textCursor().hasSelection());
    EXPECT_EQ(viewer.verticalScrollBar()->value(), 0);
}

TEST_F(HtmlLiteTest, LinksAreNotFollowed) {
    root.Write("book/next.html", "<p>Another page</p>");
    const std::string page =
        "<p><a href=\"next.html\">Next page</a> <a href=\"#end\">Jump to end</a></p>" +
        LongPage("text") + "<p><a name=\"end\">End</a></p>";
    for (const bool noSelect : {false, true}) {
        viewer.LoadFromString(page);
        viewer.SetNoSelect(noSelect);
        ClickText(&viewer, "Next page");
        ClickText(&viewer, "Jump to end");
        EXPECT_TRUE(viewer.source().isEmpty());
        EXPECT_TRUE(viewer.toPlainText().startsWith("Next page"));
        EXPECT_EQ(viewer.verticalScrollBar()->value(), 0);
    }
}

// A page keeps a readable measure on a wide window, centred, and the whole width on a narrow one.
TEST_F(HtmlLiteTest, LinesKeepAReadableMeasureOnAWideWindow) {
    std::string paragraph;
    for (int i = 0; i < 300; ++i)
        paragraph += "word ";
    viewer.LoadFromString("<p>" + paragraph + "</p>");
    for (const int width : {400, 2000}) {
        viewer.resize(width, 300);
        QApplication::processEvents();
        const QTextFrameFormat format = viewer.document()->rootFrame()->frameFormat();
        const int text =
            viewer.viewport()->width() - int(format.leftMargin() + format.rightMargin());
        EXPECT_EQ(format.leftMargin(), format.rightMargin());
        if (width == 400)
            EXPECT_EQ(format.leftMargin(), 0);
        else
            EXPECT_NEAR(text, quillara::gui::ReadableMeasure(&viewer), 2);
    }
    // A new page keeps the measure too.
    viewer.LoadFromString("<p>" + paragraph + "</p>");
    EXPECT_GT(viewer.document()->rootFrame()->frameFormat().leftMargin(), 0);
}
