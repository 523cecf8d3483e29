// Run on a 1280 x 1024 screen scaled by QT_SCALE_FACTOR (see tests/gui/CMakeLists.txt).
#include "find_child.h"
#include "gui_book.h"
#include "main_window.h"
#include "core/picture/jpeg_encoder.h"
#include "gui/quiz/attempt_frame.h"
#include "gui/widgets/link_label.h"
#include "window_tour.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;
using testing::In;
using testing::MainWindow;
using testing::ShownWindow;

std::string Text(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

// A book whose cover is a scan larger than any screen room and whose chapter headings are
// drawn for a wide screen and tall enough to take the heading's whole share of it, so that both
// have the pixels of a scaled screen and the window needs all the height it may have.
struct ScannedBook : GuiBook {
    ScannedBook() {
        WritePictures = false;
        Dir.Write("cover.jpg", Picture(600, 800));
        for (int chapter = 1; chapter <= 2; ++chapter)
            Dir.Write(TBookProperties::ChapterPicture(chapter), Picture(1600, 400));
    }
    static std::string Picture(int width, int height) {
        return EncodeJpeg(TDecodedPicture{
            width, height,
            std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3, 90)});
    }
};

TEST(ScaledScreen, IsTheScaledScreenOfTheTest) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_GT(screen->devicePixelRatio(), 1.0) << "QT_SCALE_FACTOR is not set";
    // 1280 / 1.5 is not whole: the screen's own pixels round.
    EXPECT_NEAR(screen->geometry().width() * screen->devicePixelRatio(), 1280, 1);
    EXPECT_NEAR(screen->geometry().height() * screen->devicePixelRatio(), 1024, 1);
}

TEST(ScaledScreen, EveryWindowFitsTheScreenAndShowsItsButtonsAndLinksWhole) {
    ScannedBook book;
    int visited = 0;
    testing::VisitEveryWindow(book, [&](const ShownWindow& shown) {
        ++visited;
        QWidget* window = shown.Window;
        const std::string moment = shown.Moment.toStdString();
        const QRect available = window->screen()->availableGeometry();
        EXPECT_TRUE(available.contains(window->frameGeometry()))
            << moment << ": " << Text(window->frameGeometry()) << " on " << Text(available);
        QList<QWidget*> controls;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            controls << button;
        for (TLinkLabel* link : window->findChildren<TLinkLabel*>())
            controls << link;
        for (QWidget* control : controls) {
            if (control->window() != window || !control->isVisible()) continue;
            // Whole: inside the window and not clipped by anything it sits in.
            const QRect inWindow(control->mapTo(window, QPoint(0, 0)), control->size());
            EXPECT_TRUE(window->rect().contains(inWindow))
                << moment << ": " << control->objectName().toStdString() << " at " << Text(inWindow)
                << " in " << Text(window->rect());
            EXPECT_EQ(control->visibleRegion().boundingRect(), control->rect())
                << moment << ": " << control->objectName().toStdString() << " is cut";
        }
    });
    EXPECT_EQ(visited, 18);
}

TEST(ScaledScreen, CoverAndChapterHeadingAreDrawnWithTheScreensPixels) {
    ScannedBook book;
    testing::MainWindow window(book);
    const qreal ratio = window.form->devicePixelRatioF();
    for (const char* name : {"Cover", "ChapterImage"}) {
        SCOPED_TRACE(name);
        const QPixmap picture = window.Child<QLabel>(name)->pixmap();
        ASSERT_FALSE(picture.isNull());
        EXPECT_NEAR(picture.devicePixelRatio(), ratio, 0.01);
        // Shown within the screen, in the screen's own pixels.
        const QSize shown = picture.deviceIndependentSize().toSize();
        EXPECT_LE(shown.width(), window.form->screen()->availableGeometry().width());
        EXPECT_LT(shown.width(), picture.width());
    }
    const QSize cover = window.Child<QLabel>("Cover")->pixmap().deviceIndependentSize().toSize();
    EXPECT_EQ(window.Child("Cover")->minimumSize(), cover + QSize(10, 20));
}

TEST(ScaledScreen, APagesPictureTakesItsPlaceInTheScreensOwnPixels) {
    ScannedBook book;
    book.Pages[0][0].Page = "<p><img src=\"scan.jpg\"></p>";
    book.Dir.Write("scan.jpg", ScannedBook::Picture(1600, 1200));
    testing::MainWindow window(book);
    QTest::mouseClick(window.Child("TopicLink1"), Qt::LeftButton);
    auto* page = window.Child<QTextEdit>("htmlLite1");
    ASSERT_TRUE(page->isVisible());
    const QSizeF laidOut = page->document()->documentLayout()->documentSize();
    const QRect screen = window.form->screen()->availableGeometry();
    // As wide as the screen's room at most, with the page's margins; not its pixel count.
    EXPECT_LE(laidOut.width(), screen.width() + 2 * page->document()->documentMargin());
    EXPECT_GT(laidOut.width(), screen.width() / 2);
    const QImage picture =
        page->document()->resource(QTextDocument::ImageResource, QUrl("scan.jpg")).value<QImage>();
    EXPECT_NEAR(picture.devicePixelRatio(), window.form->devicePixelRatioF(), 0.01);
}

// On a scaled screen a question may hold its last choices below its box's fold: Tab to a
// letter button brings that choice into view.
TEST(ScaledScreen, TabToAChoiceButtonScrollsTheChoiceIntoView) {
    GuiBook book;
    TQuestion q;
    q.Kind = qkMultipleChoice;
    q.Answer = 'A';
    q.ChoiceCount = 5;
    q.Text = "A long question\r\n" + std::string(40, '.') + "\r\n";
    for (int i = 0; i < 40; ++i)
        q.Text += "More of the question.\r\n";
    for (char letter = 'A'; letter <= 'E'; ++letter)
        q.Text += std::string(1, letter) + ") choice " + letter + "\r\n";
    book.Banks[0] = {q};
    MainWindow window(book);
    window.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.form.get()));
    window.Action("QuizMultipleChoiceItem")->trigger();
    TTestFrame1* runner = window.form->QuizRunner();
    auto* box = In<QTextEdit>(runner, "RichEdit1");
    QApplication::processEvents();
    EXPECT_EQ(box->verticalScrollBar()->value(), 0) << "the question starts at its top";
    for (int tab = 0; tab < 4; ++tab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), In(runner, "ButtonE"));
    const QTextBlock last = box->document()->findBlockByNumber(box->document()->blockCount() - 1);
    QTextBlock choiceE = last;
    while (choiceE.isValid() && !choiceE.text().trimmed().startsWith("E)"))
        choiceE = choiceE.previous();
    ASSERT_TRUE(choiceE.isValid());
    const QRect shown = box->cursorRect(QTextCursor(choiceE));
    EXPECT_GT(box->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(box->viewport()->rect().contains(shown.center()));
}

} // namespace
} // namespace quillara::gui
