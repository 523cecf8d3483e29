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
    std::uint64_t MaxPixels = 40'000'000; // of the picture as stored
    int MaxScans = 100;
};

// The room a picture is shown in, in pixels; 0 leaves that side unbounded.
struct TPictureBox {
    int Width = 0;
    int Height = 0;
};

// The size a picture of width x height is shown at in the box: scaled down to fit it, with its
// proportions, never up, and never below one pixel.
TPictureBox FitInBox(int width, int height, TPictureBox box);

// Decodes a JPEG file's bytes; anything that is not a decodable JPEG within the limits raises
// TPictureError with the decoder's reason. A picture larger than the box is decoded at the
// smallest of 1/8, 2/8 ... 8/8 of its size that still covers its fitted size (the decoder's DCT
// scaling), so that it never costs its full size in memory; the caller scales the rest of the
// way.
TDecodedPicture DecodeJpeg(std::string_view bytes, const TJpegLimits& limits = {},
                           TPictureBox box = {});

} // namespace quillara
