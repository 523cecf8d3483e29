#pragma once

#include "picture/jpeg_decoder.h"

#include <string>

namespace quillara {

// The bytes of a baseline JPEG file holding the picture; the same picture always gives the same
// bytes. Used to draw pictures for books and tests.
std::string EncodeJpeg(const TDecodedPicture& picture, int quality = 90);

} // namespace quillara
