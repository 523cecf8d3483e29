// About Book, About Program and the link label they share with the navigation panel.
#include "gui/help/about_box.h"
#include "gui/help/about_program.h"
#include "gui/shell/message_boxes.h"
#include "gui/shell/study_session.h"
#include "gui_book.h"
#include "core/picture/jpeg_encoder.h"
#include "gui/widgets/link_label.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

using testing::GuiBook;

std::string Cover(int width, int height) {
    return EncodeJpeg(TDecodedPicture{
        width, height,
        std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3, 90)});
}

struct AboutBook : ::testing::Test {
    void Load() {
        Program.Open(Program.ReadBook(Book.Write()));
    }
    template <typename T> T* Child(const char* name) { return Box->findChild<T*>(name); }

    GuiBook Book;
    TStudySession Program;
    std::unique_ptr<TAboutBox> Box;
};

TEST_F(AboutBook, SizesToTheCoverAndReadsItOnlyOnce) {
    Load(); // a 120 x 160 cover
    Box = std::make_unique<TAboutBox>(Program);
    EXPECT_EQ(Box->windowTitle(), "About Book");
    EXPECT_FALSE(Box->PictureLoaded());

    Box->ShowAbout();
    EXPECT_TRUE(Box->isVisible());
    EXPECT_FALSE(Box->isModal());
    EXPECT_TRUE(Box->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(Box->PictureLoaded());
    EXPECT_EQ(Box->size(), QSize(120, 160 + 42));
    EXPECT_EQ(Child<QLabel>("Image1")->pixmap().size(), QSize(120, 160));
    EXPECT_EQ(Child<QLabel>("Copyright")->text(), "Copyright the testers");
    const QWidget* bottom = Child<QWidget>("BottomPanel");
    EXPECT_EQ(bottom->geometry(), QRect(0, 160, 120, 42));
    auto* ok = Child<QPushButton>("OKButton");
    EXPECT_EQ(ok->text(), "Ok");
    EXPECT_TRUE(bottom->rect().contains(ok->geometry()));

    ok->click();
    EXPECT_FALSE(Box->isVisible());

    // Shown again, the box keeps the picture it has instead of reading the file.
    Book.Dir.Write("cover.jpg", Cover(200, 100));
    Box->ShowAbout();
    EXPECT_TRUE(Box->isVisible());
    EXPECT_EQ(Child<QLabel>("Image1")->pixmap().size(), QSize(120, 160));
    EXPECT_EQ(Box->size(), QSize(120, 202));
    EXPECT_TRUE(TMessageBoxes::Shown().isEmpty());
}

TEST_F(AboutBook, OpensWithoutAPictureAndTriesAgainNextTime) {
    Book.WritePictures = false;
    Load();
    Box = std::make_unique<TAboutBox>(Program);

    Box->ShowAbout(); // no cover at all
    EXPECT_TRUE(Box->isVisible());
    EXPECT_FALSE(Box->PictureLoaded());
    EXPECT_TRUE(Child<QLabel>("Image1")->pixmap().isNull());
    EXPECT_TRUE(Box->rect().contains(Child<QPushButton>("OKButton")
                                         ->geometry()
                                         .translated(Child<QWidget>("BottomPanel")->pos())));
    Box->close();

    Book.Dir.Write("cover.jpg", "not a picture at all");
    Box->ShowAbout();
    EXPECT_FALSE(Box->PictureLoaded());
    Box->close();

    Book.Dir.Write("cover.jpg", Cover(300, 200));
    Box->ShowAbout();
    EXPECT_TRUE(Box->PictureLoaded());
    EXPECT_EQ(Box->size(), QSize(300, 242));
    EXPECT_TRUE(TMessageBoxes::Shown().isEmpty());
}

TEST(AboutProgram, ShowsTheProgramAndOpensItsWebPage) {
    TAboutProgram about;
    EXPECT_EQ(about.windowTitle(), "About Program");
    EXPECT_EQ(about.findChild<QLabel*>("ProductName")->text(), "Quillara");
    EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), "Version 3.0");
    for (const char* line : {"Copyright", "Label2", "Label3", "Label1"})
        EXPECT_FALSE(about.findChild<QLabel*>(line)->text().isEmpty()) << line;
    // The icon comes from the library's resources, which a static link may drop.
    const auto* icon = about.findChild<QLabel*>("ProgramIcon");
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(icon->size(), QSize(33, 33));

    EXPECT_EQ(TAboutProgram::WebPage(), QUrl("https://quillara.org/"));
    auto* link = about.findChild<TLinkLabel*>("LinkLabel1");
    EXPECT_EQ(link->text(), TAboutProgram::WebPage().toString());

    // Catch the address on its way to the browser.
    QTextBrowser opened;
    QDesktopServices::setUrlHandler("https", &opened, "setSource");
    about.show();
    QTest::mouseClick(link, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(opened.source(), TAboutProgram::WebPage());

    about.findChild<QPushButton*>("OKButton")->click();
    EXPECT_FALSE(about.isVisible());
}

TEST(LinkLabel, LooksLikeALinkAndClicksOnARelease) {
    TLinkLabel label("Read authors notes");
    label.resize(150, 20);
    label.show();
    int clicks = 0;
    QObject::connect(&label, &TLinkLabel::clicked, [&clicks] { ++clicks; });
    EXPECT_TRUE(label.font().underline());
    EXPECT_FALSE(label.font().bold());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);

    QTest::mousePress(&label, Qt::LeftButton);
    EXPECT_TRUE(label.font().bold());
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(&label, Qt::LeftButton);
    EXPECT_FALSE(label.font().bold());
    EXPECT_EQ(clicks, 1);

    // Let go somewhere else: no click, and the label is plain again.
    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_FALSE(label.font().bold());
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace quillara::gui
