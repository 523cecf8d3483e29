#include "widgets/book_picture.h"

#include "book/book_errors.h"
#include "book/book_files.h"

namespace quillara::gui {

QImage ToQImage(const TDecodedPicture& picture) {
    QImage image(reinterpret_cast<const uchar*>(picture.Rgb.data()), picture.Width, picture.Height,
                 picture.Width * 3, QImage::Format_RGB888);
    return image.copy(); // own the pixels
}

QImage LoadBookPicture(const std::filesystem::path& bookDir, const std::string& name) {
    const auto path = FindBookFile(bookDir, name);
    if (!path) throw TFileOpenError("Cannot open file \"" + (bookDir / name).string() + "\"");
    const std::string bytes = ReadWholeFile(*path);
    if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) {
        QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                        static_cast<int>(bytes.size()), "GIF");
        if (image.isNull()) throw TPictureError(path->string() + ": not a readable GIF picture");
        return image;
    }
    try {
        return ToQImage(DecodeJpeg(bytes));
    } catch (const TPictureError& e) {
        throw TPictureError(path->string() + ": " + e.what());
    }
}

} // namespace quillara::gui
