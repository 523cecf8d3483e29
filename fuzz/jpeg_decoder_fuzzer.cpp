// Pictures from arbitrary bytes: decoded within small limits, or refused with an error.
#include "picture/jpeg_decoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillara;
    try {
        const TDecodedPicture picture =
            DecodeJpeg(std::string_view(reinterpret_cast<const char*>(data), size),
                       TJpegLimits{4'000'000, 50});
        if (picture.Rgb.size() != static_cast<std::size_t>(picture.Width) * picture.Height * 3)
            __builtin_trap();
    } catch (const TPictureError&) {
    }
    return 0;
}
