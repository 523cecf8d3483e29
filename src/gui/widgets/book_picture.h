#pragma once

#include "picture/jpeg_decoder.h"

#include <QImage>
#include <filesystem>
#include <string>

namespace quillara::gui {

QImage ToQImage(const TDecodedPicture& picture);

// A picture of the book, found inside the book directory only (case-insensitively). JPEG goes
// through the core's decoder, GIF through Qt. Raises TFileOpenError or TPictureError with a
// message naming the file.
QImage LoadBookPicture(const std::filesystem::path& bookDir, const std::string& name);

} // namespace quillara::gui
