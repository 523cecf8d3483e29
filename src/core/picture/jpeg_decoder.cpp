#include "core/picture/jpeg_decoder.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <string>

namespace quillara {

namespace {

// libjpeg reports fatal errors through a callback that must not return; it jumps back here.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Return;
    char Message[JMSG_LENGTH_MAX];
};

struct ProgressMonitor {
    jpeg_progress_mgr Base;
    int MaxScans;
};

void OnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Return, 1);
}

void OnMessage(j_common_ptr, int) {} // warnings about recoverable damage are not our concern

void OnProgress(j_common_ptr info) {
    auto* monitor = reinterpret_cast<ProgressMonitor*>(info->progress);
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > monitor->MaxScans) {
        auto* errors = reinterpret_cast<ErrorManager*>(info->err);
        std::snprintf(errors->Message, sizeof errors->Message, "too many scans (more than %d)",
                      monitor->MaxScans);
        std::longjmp(errors->Return, 1);
    }
}

// The smallest eighth of the stored size that covers the fitted size; libjpeg scales by n/8 while
// it decodes, at a fraction of the cost of the full picture.
void ChooseScale(jpeg_decompress_struct& info, TPictureBox box) {
    const TPictureBox shown =
        FitInBox(static_cast<int>(info.image_width), static_cast<int>(info.image_height), box);
    info.scale_denom = 8;
    for (unsigned eighths = 1; eighths <= 8; ++eighths) {
        info.scale_num = eighths;
        jpeg_calc_output_dimensions(&info);
        if (info.output_width >= static_cast<unsigned>(shown.Width) &&
            info.output_height >= static_cast<unsigned>(shown.Height))
            return;
    }
}

} // namespace

TPictureBox FitInBox(int width, int height, TPictureBox box) {
    double scale = 1;
    if (box.Width > 0 && width > box.Width) scale = static_cast<double>(box.Width) / width;
    if (box.Height > 0 && height > box.Height)
        scale = std::min(scale, static_cast<double>(box.Height) / height);
    if (scale == 1) return {width, height};
    return {std::max(1, static_cast<int>(std::lround(width * scale))),
            std::max(1, static_cast<int>(std::lround(height * scale)))};
}

TDecodedPicture DecodeJpeg(std::string_view bytes, const TJpegLimits& limits, TPictureBox box) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    ProgressMonitor progress{};
    TDecodedPicture picture;

    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnError;
    errors.Base.emit_message = OnMessage;
    progress.Base.progress_monitor = OnProgress;
    progress.MaxScans = limits.MaxScans;
    errors.Message[0] = '\0';

    // Nothing with a destructor may be created between setjmp and the jumps into it.
    if (setjmp(errors.Return)) {
        jpeg_destroy_decompress(&info);
        throw TPictureError(std::string("not a readable JPEG picture: ") + errors.Message);
    }
    jpeg_create_decompress(&info);
    info.progress = &progress.Base;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (static_cast<std::uint64_t>(info.image_width) * info.image_height > limits.MaxPixels) {
        std::snprintf(errors.Message, sizeof errors.Message, "%ux%u pixels is too large",
                      info.image_width, info.image_height);
        std::longjmp(errors.Return, 1);
    }
    info.out_color_space = JCS_RGB;
    ChooseScale(info, box);
    jpeg_start_decompress(&info);

    picture.Width = static_cast<int>(info.output_width);
    picture.Height = static_cast<int>(info.output_height);
    picture.Rgb.resize(static_cast<std::size_t>(info.output_width) * info.output_height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.Rgb.data() +
                       static_cast<std::size_t>(info.output_scanline) * info.output_width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return picture;
}

} // namespace quillara
