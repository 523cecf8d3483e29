#include "picture/jpeg_encoder.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace quillara {

std::string EncodeJpeg(const TDecodedPicture& picture, int quality) {
    if (picture.Width <= 0 || picture.Height <= 0 ||
        picture.Rgb.size() != static_cast<std::size_t>(picture.Width) * picture.Height * 3)
        throw TPictureError("a picture to encode needs width x height x 3 bytes");

    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.Width);
    info.image_height = static_cast<JDIMENSION>(picture.Height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(
            picture.Rgb.data() + static_cast<std::size_t>(info.next_scanline) * picture.Width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

} // namespace quillara
