#include "gui/widgets/book_picture.h"

#include "core/book/book_files.h"
#include "core/io/book_errors.h"
#include "gui/widgets/screen_fit.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace quillara::gui {

namespace {

// A GIF is small by nature; one that claims more pixels than a JPEG may have is not read.
QImage ReadGif(const std::string& bytes, const std::filesystem::path& path) {
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<int>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "GIF");
    const QSize size = reader.size();
    if (static_cast<std::uint64_t>(std::max(size.width(), 0)) *
            static_cast<std::uint64_t>(std::max(size.height(), 0)) >
        TJpegLimits{}.MaxPixels)
        throw TPictureError(path.string() + ": " + std::to_string(size.width()) + "x" +
                            std::to_string(size.height()) + " pixels is too large");
    QImage image = reader.read();
    if (image.isNull()) throw TPictureError(path.string() + ": not a readable GIF picture");
    return image;
}

} // namespace

// The image takes the decoded pixels over instead of copying them; the last copy of the image
// frees them.
QImage ToQImage(TDecodedPicture&& picture) {
    using TPixels = std::vector<std::uint8_t>;
    auto pixels = std::make_unique<TPixels>(std::move(picture.Rgb));
    QImage image(
        pixels->data(), picture.Width, picture.Height, picture.Width * 3, QImage::Format_RGB888,
        [](void* owned) { delete static_cast<TPixels*>(owned); }, pixels.get());
    // A null image never calls its clean-up, so the pixels stay ours.
    if (!image.isNull()) pixels.release();
    return image;
}

QSize ScreenRoom(const QWidget* widget, QSize reserved) {
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    // Without any screen, the room of a small one.
    const QSize available = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    // The frame of the widget's window takes its share of the screen too.
    const QSize frame = widget ? FrameAllowance(widget->window()) : QSize(0, 0);
    return (available - reserved - frame).expandedTo(QSize(32, 32));
}

QImage LoadBookPicture(const std::filesystem::path& bookDir, const std::string& name, QSize room,
                       qreal pixelRatio) {
    const auto path = FindBookFile(bookDir, name);
    if (!path) throw TFileOpenError("Cannot open file \"" + (bookDir / name).string() + "\"");
    const std::string bytes = ReadWholeFile(*path, MaxPictureFileSize);
    const qreal ratio = std::max<qreal>(pixelRatio, 1.0);
    const TPictureBox devicePixels{static_cast<int>(room.width() * ratio),
                                   static_cast<int>(room.height() * ratio)};
    QImage image;
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) {
        image = ReadGif(bytes, *path);
    } else {
        try {
            image = ToQImage(DecodeJpeg(bytes, {}, devicePixels));
        } catch (const TPictureError& e) {
            throw TPictureError(path->string() + ": " + e.what());
        }
    }
    const TPictureBox shown =
        FitInBox(image.width(), image.height(), {room.width(), room.height()});
    const TPictureBox kept = FitInBox(image.width(), image.height(), devicePixels);
    if (kept.Width != image.width() || kept.Height != image.height())
        image =
            image.scaled(kept.Width, kept.Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The larger of the two ratios, so that rounding never lets the picture outgrow its room.
    image.setDevicePixelRatio(std::max(static_cast<qreal>(kept.Width) / shown.Width,
                                       static_cast<qreal>(kept.Height) / shown.Height));
    return image;
}

} // namespace quillara::gui
