#pragma once

#include "core/picture/jpeg_decoder.h"

#include <QImage>
#include <QSize>
#include <filesystem>
#include <string>

class QWidget;

namespace quillara::gui {

// The decoded pixels as an image, which takes them over from `picture`.
QImage ToQImage(TDecodedPicture&& picture);

// The most room a picture may take on the screen the widget shows on (the primary screen while
// it shows on none), less the frame of the widget's window and `reserved` for what shares the
// window with the picture.
QSize ScreenRoom(const QWidget* widget, QSize reserved = QSize(0, 0));

// A picture of the book, found inside the book directory only (case-insensitively), shown no
// larger than `room`: a larger one is scaled down to fit, with its proportions. JPEG goes
// through the core's decoder, which decodes a large picture at a fraction of its size, GIF
// through Qt. Raises TFileOpenError, TFileTooLargeError or TPictureError with a message naming
// the file.
// `room` is in the screen's own pixels and `pixelRatio` is how many device pixels each of them
// holds: on a scaled screen the image keeps as many of the picture's pixels as the screen can
// show and carries the ratio that shows it at its fitted size, so it is drawn sharp; its
// deviceIndependentSize() is the size it takes on the screen.
QImage LoadBookPicture(const std::filesystem::path& bookDir, const std::string& name, QSize room,
                       qreal pixelRatio = 1.0);

} // namespace quillara::gui
