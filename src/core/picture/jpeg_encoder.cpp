#include "core/picture/jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace quillara {

namespace {

// libjpeg reports fatal errors through a callback that must not return; it jumps back here.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Return;
};

void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Return, 1);
}

} // namespace

std::string EncodeJpeg(const TDecodedPicture& picture, int quality, bool fullColour) {
    if (picture.Width <= 0 || picture.Height <= 0 ||
        picture.Rgb.size() != static_cast<std::size_t>(picture.Width) * picture.Height * 3)
        throw TPictureError("a picture to encode needs width x height x 3 bytes");

    jpeg_compress_struct info{};
    ErrorManager errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnError;
    // Nothing with a destructor may be created between setjmp and the jumps into it.
    if (setjmp(errors.Return)) {
        char message[JMSG_LENGTH_MAX];
        (*info.err->format_message)(reinterpret_cast<j_common_ptr>(&info), message);
        jpeg_destroy_compress(&info);
        std::free(buffer);
        throw TPictureError(std::string("cannot encode the picture: ") + message);
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.Width);
    info.image_height = static_cast<JDIMENSION>(picture.Height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (fullColour)
        for (int i = 0; i < info.num_components; ++i)
            info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
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
