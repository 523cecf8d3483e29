#pragma once

#include "core/picture/jpeg_decoder.h"

#include <string>

namespace quillara {

// The bytes of a baseline JPEG file holding the picture; the same picture always gives the same
// bytes. Full colour resolution keeps small coloured text sharp at the cost of size. Used to
// draw pictures for books and tests; TPictureError when the picture cannot be encoded.
std::string EncodeJpeg(const TDecodedPicture& picture, int quality = 90, bool fullColour = false);

} // namespace quillara
