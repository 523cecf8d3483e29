#include "picture/jpeg_decoder.h"
#include "picture/jpeg_encoder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace quillara {
namespace {

TDecodedPicture Gradient(int width, int height) {
    TDecodedPicture p{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            p.Rgb.push_back(static_cast<std::uint8_t>(x * 255 / width));
            p.Rgb.push_back(static_cast<std::uint8_t>(y * 255 / height));
            p.Rgb.push_back(128);
        }
    return p;
}

TEST(Jpeg, EncodedPicturesDecodeToNearlyTheSamePixels) {
    const TDecodedPicture original = Gradient(64, 48);
    const std::string bytes = EncodeJpeg(original, 95);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(EncodeJpeg(original, 95), bytes); // deterministic
    const TDecodedPicture decoded = DecodeJpeg(bytes);
    ASSERT_EQ(decoded.Width, 64);
    ASSERT_EQ(decoded.Height, 48);
    int worst = 0;
    for (std::size_t i = 0; i < original.Rgb.size(); ++i)
        worst = std::max(worst, std::abs(original.Rgb[i] - decoded.Rgb[i]));
    EXPECT_LT(worst, 16);
}

TEST(Jpeg, DamagedOrOversizedPicturesRaiseInsteadOfCrashing) {
    const std::string bytes = EncodeJpeg(Gradient(32, 32));
    EXPECT_THROW(DecodeJpeg(""), TPictureError);
    EXPECT_THROW(DecodeJpeg("GIF89a not a jpeg"), TPictureError);
    EXPECT_THROW(DecodeJpeg(bytes.substr(0, 20)), TPictureError);
    try {
        DecodeJpeg(bytes, TJpegLimits{32 * 31, 100});
        FAIL() << "no error";
    } catch (const TPictureError& e) {
        EXPECT_NE(std::string(e.what()).find("32x32 pixels is too large"), std::string::npos);
    }
    // A file cut inside its data decodes what is there; the rest is grey, not garbage or a crash.
    const std::string large = EncodeJpeg(Gradient(256, 256));
    const TDecodedPicture partial = DecodeJpeg(large.substr(0, large.size() - 200));
    EXPECT_EQ(partial.Width, 256);
    EXPECT_THROW(EncodeJpeg(TDecodedPicture{2, 2, {1, 2, 3}}), TPictureError);
}

} // namespace
} // namespace quillara
