// Pictures from arbitrary bytes: decoded within small limits, whole and scaled down to a small
// box, or refused with an error.
#include "core/picture/jpeg_decoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TJpegLimits limits{4'000'000, 50};
    try {
        const TDecodedPicture picture = DecodeJpeg(bytes, limits);
        if (picture.Rgb.size() != static_cast<std::size_t>(picture.Width) * picture.Height * 3)
            __builtin_trap();
        const TDecodedPicture scaled = DecodeJpeg(bytes, limits, {64, 48});
        if (scaled.Rgb.size() != static_cast<std::size_t>(scaled.Width) * scaled.Height * 3 ||
            scaled.Width > picture.Width || scaled.Height > picture.Height)
            __builtin_trap();
    } catch (const TPictureError&) {
    }
    return 0;
}
