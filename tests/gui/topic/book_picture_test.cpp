#include "core/io/book_errors.h"
#include "core/picture/jpeg_encoder.h"
#include "temp_book_dir.h"
#include "gui/widgets/book_picture.h"
#include "gui/widgets/screen_fit.h"

#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace quillara::gui {
namespace {

std::string Jpeg(int width, int height) {
    TDecodedPicture picture{width, height, {}};
    picture.Rgb.reserve(static_cast<std::size_t>(width) * height * 3);
    for (int i = 0; i < width * height; ++i)
        picture.Rgb.insert(picture.Rgb.end(), {200, 40, 40});
    return EncodeJpeg(picture);
}

// One transparent pixel; the same picture claiming a screen and an image of 65535 x 65535.
const std::string Dot("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff\x21\xf9\x04"
                      "\x01\x00\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
                      "\x44\x01\x00\x3b",
                      43);
std::string HugeGif() {
    std::string gif = Dot;
    gif.replace(6, 4, "\xff\xff\xff\xff");
    gif.replace(32, 4, "\xff\xff\xff\xff");
    return gif;
}

TEST(BookPicture, PicturesFitTheirRoomWithTheirProportionsAndNeverGrow) {
    testing::TempBookDir book;
    book.Write("big.jpg", Jpeg(1600, 1200));
    book.Write("small.jpg", Jpeg(40, 30));
    book.Write("dot.gif", Dot);
    struct Case {
        const char* Name;
        QSize Room;
        QSize Shown;
    };
    const Case cases[] = {
        {"big.jpg", {300, 300}, {300, 225}},     {"BIG.JPG", {1000, 150}, {200, 150}},
        {"big.jpg", {1600, 1200}, {1600, 1200}}, {"small.jpg", {300, 300}, {40, 30}},
        {"small.jpg", {20, 300}, {20, 15}},      {"dot.gif", {300, 300}, {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Name) + " in " + std::to_string(c.Room.width()) + "x" +
                     std::to_string(c.Room.height()));
        const QImage image = LoadBookPicture(book.Path(), c.Name, c.Room);
        EXPECT_EQ(image.size(), c.Shown);
        if (c.Name[0] != 'd') {
            const QRgb middle = image.pixel(image.width() / 2, image.height() / 2);
            EXPECT_NEAR(qRed(middle), 200, 16);
            EXPECT_NEAR(qGreen(middle), 40, 16);
        }
    }
}

// The image keeps the decoded pixels in their rows, whichever of its copies lasts longest; a
// picture without pixels is a null image.
TEST(BookPicture, AnImageTakesTheDecodedPixelsOver) {
    QImage kept;
    {
        const QImage image =
            ToQImage(TDecodedPicture{2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9}});
        kept = image;
    }
    ASSERT_EQ(kept.size(), QSize(2, 2));
    EXPECT_EQ(kept.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(kept.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(kept.pixel(0, 1), qRgb(0, 0, 255));
    EXPECT_EQ(kept.pixel(1, 1), qRgb(9, 9, 9));
    EXPECT_TRUE(ToQImage(TDecodedPicture{}).isNull());
}

TEST(BookPicture, HugeMissingAndOutsidePicturesAreRefusedNamingTheFile) {
    testing::TempBookDir root;
    const auto outside = root.Write("outside.jpg", Jpeg(8, 8));
    root.Write("book/huge.gif", HugeGif());
    root.WriteSparse("book/sparse.jpg", 1ull << 30);
    std::filesystem::create_symlink(outside, root.Path() / "book/link.jpg");
    const auto book = root.Path() / "book";
    try {
        LoadBookPicture(book, "huge.gif", {300, 300});
        ADD_FAILURE() << "a huge GIF was read";
    } catch (const TPictureError& e) {
        EXPECT_NE(std::string(e.what()).find("huge.gif: 65535x65535 pixels is too large"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_THROW(LoadBookPicture(book, "sparse.jpg", {300, 300}), TFileTooLargeError);
    EXPECT_THROW(LoadBookPicture(book, "link.jpg", {300, 300}), TFileOpenError);
    EXPECT_THROW(LoadBookPicture(book, "missing.jpg", {300, 300}), TFileOpenError);
}

TEST(BookPicture, OnAScaledScreenPicturesKeepThePixelsTheScreenCanShow) {
    testing::TempBookDir book;
    book.Write("big.jpg", Jpeg(1600, 1200));
    book.Write("small.jpg", Jpeg(40, 30));
    struct Case {
        const char* Name;
        QSize Room;
        qreal Ratio;
        QSize Pixels;
        QSize Shown;
    };
    const Case cases[] = {
        {"big.jpg", {300, 300}, 2.0, {600, 450}, {300, 225}},
        {"big.jpg", {1000, 150}, 1.5, {300, 225}, {200, 150}},
        // Fewer pixels than the screen could show: all of them, stretched to the fitted size.
        {"big.jpg", {1200, 900}, 2.0, {1600, 1200}, {1200, 900}},
        // A picture smaller than its room keeps its size; the screen enlarges it as it must.
        {"small.jpg", {300, 300}, 2.0, {40, 30}, {40, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Name) + " at " + std::to_string(c.Ratio));
        const QImage image = LoadBookPicture(book.Path(), c.Name, c.Room, c.Ratio);
        EXPECT_EQ(image.size(), c.Pixels);
        EXPECT_EQ(image.deviceIndependentSize().toSize(), c.Shown);
    }
}

TEST(BookPicture, ScreenRoomIsTheScreenLessWhatIsReserved) {
    // The offscreen platform's screen offers 800 x 800; a window's frame takes its share.
    QWidget window;
    EXPECT_EQ(ScreenRoom(&window), QSize(800, 800) - FrameAllowance(&window));
    EXPECT_GT(FrameAllowance(&window).height(), 0) << "an unframed window still gets a frame";
    EXPECT_EQ(ScreenRoom(nullptr, {100, 200}), QSize(700, 600));
    EXPECT_EQ(ScreenRoom(&window, {5000, 790}), QSize(32, 32));
}

} // namespace
} // namespace quillara::gui
