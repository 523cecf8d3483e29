#include "core/picture/jpeg_decoder.h"
#include "core/picture/jpeg_encoder.h"

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

TEST(Jpeg, FitInBoxScalesDownKeepingProportionsNeverUp) {
    struct Case {
        int Width, Height;
        TPictureBox Box;
        int ShownWidth, ShownHeight;
    };
    const Case cases[] = {
        {800, 600, {0, 0}, 800, 600},       {800, 600, {1000, 1000}, 800, 600},
        {800, 600, {400, 1000}, 400, 300},  {800, 600, {1000, 300}, 400, 300},
        {800, 600, {401, 0}, 401, 301},     {800, 600, {0, 60}, 80, 60},
        {10000, 1, {100, 100}, 100, 1},     {1, 10000, {100, 100}, 1, 100},
        {7300, 5480, {640, 480}, 639, 480},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Width) + "x" + std::to_string(c.Height) + " in " +
                     std::to_string(c.Box.Width) + "x" + std::to_string(c.Box.Height));
        const TPictureBox shown = FitInBox(c.Width, c.Height, c.Box);
        EXPECT_EQ(shown.Width, c.ShownWidth);
        EXPECT_EQ(shown.Height, c.ShownHeight);
    }
}

TEST(Jpeg, LargePicturesAreDecodedAtTheSmallestEighthThatCoversTheBox) {
    const std::string bytes = EncodeJpeg(Gradient(800, 600));
    struct Case {
        TPictureBox Box;
        int Width, Height;
    };
    const Case cases[] = {
        {{0, 0}, 800, 600},     {{2000, 2000}, 800, 600}, {{100, 100}, 100, 75},
        {{1, 1}, 100, 75},      {{300, 300}, 300, 225},   {{401, 1000}, 500, 375},
        {{799, 600}, 800, 600}, {{0, 150}, 200, 150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Box.Width) + "x" + std::to_string(c.Box.Height));
        const TDecodedPicture decoded = DecodeJpeg(bytes, {}, c.Box);
        EXPECT_EQ(decoded.Width, c.Width);
        EXPECT_EQ(decoded.Height, c.Height);
        ASSERT_EQ(decoded.Rgb.size(), static_cast<std::size_t>(c.Width) * c.Height * 3);
        // Still the same picture: the gradient's middle is where it was.
        const std::size_t middle =
            (static_cast<std::size_t>(c.Height / 2) * c.Width + c.Width / 2) * 3;
        EXPECT_NEAR(decoded.Rgb[middle], 128, 12);
        EXPECT_NEAR(decoded.Rgb[middle + 1], 128, 12);
    }
    // The limit on stored pixels holds whatever the box.
    EXPECT_THROW(DecodeJpeg(bytes, TJpegLimits{800 * 599, 100}, {1, 1}), TPictureError);
}

} // namespace
} // namespace quillara
