#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace quillara {

class TPictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decoded picture: Width x Height pixels, three bytes (red, green, blue) each, row by row.
struct TDecodedPicture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Rgb;
};

// Limits that keep a hostile file from costing unbounded memory or time.
struct TJpegLimits {
    std::uint64_t MaxPixels = 40'000'000;
    int MaxScans = 100;
};

// Decodes a JPEG file's bytes; anything that is not a decodable JPEG within the limits raises
// TPictureError with the decoder's reason.
TDecodedPicture DecodeJpeg(std::string_view bytes, const TJpegLimits& limits = {});

} // namespace quillara
