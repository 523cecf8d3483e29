// Hostile books cost bounded memory and time, measured on the real programs through the kernel's
// accounting of each one's peak memory.
#include "book/book_properties_writer.h"
#include "book/question.h"
#include "picture/jpeg_encoder.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace quillara {
namespace {

using testing::RunProgram;
using testing::RunTool;
using testing::TempBookDir;

constexpr std::uintmax_t Gigabyte = 1ull << 30;

// AddressSanitizer's shadow memory and quarantine raise every peak, so the memory bounds hold for
// the program as it is shipped, not for a sanitizer build.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool PeaksMeasured = false;
#elif defined(__has_feature)
constexpr bool PeaksMeasured = !__has_feature(address_sanitizer);
#else
constexpr bool PeaksMeasured = true;
#endif

// Peak memory in KiB that a process may reach, or no bound in a sanitizer build.
std::int64_t PeakBound(std::int64_t kib) {
    return PeaksMeasured ? kib : INT64_MAX;
}

// A small sound book made by the tool, for each test to spoil.
struct SynthBook {
    SynthBook() {
        const auto made = RunTool({"synth", Dir.Path().string(), "--chapters", "2"});
        EXPECT_EQ(made.ExitCode, 0) << made.Err;
    }
    testing::ToolResult Check() const { return RunTool({"check", Dir.Path().string()}); }
    testing::ToolResult Shoot(const std::vector<std::string>& view = {}) const {
        std::vector<std::string> args{Dir.Path().string(), (Dir.Path() / "shot.png").string()};
        args.insert(args.end(), view.begin(), view.end());
        return RunProgram(QUILLARA_WINDOW_SHOT, args);
    }
    TempBookDir Dir;
};

// A 40-megapixel picture (within the decoder's limit), one colour, so its file is small.
std::string FortyMegapixels() {
    TDecodedPicture picture{8000, 5000, {}};
    picture.Rgb.assign(static_cast<std::size_t>(picture.Width) * picture.Height * 3, 90);
    return EncodeJpeg(picture, 75);
}

// Width and height from a PNG file's header.
std::pair<int, int> PngSize(const std::string& png) {
    auto big = [&](std::size_t at) {
        int value = 0;
        for (std::size_t i = at; i < at + 4; ++i)
            value = value * 256 + static_cast<unsigned char>(png.at(i));
        return value;
    };
    return {big(16), big(20)};
}

TEST(ResourceLimits, CheckRefusesAGigabytePictureWithoutReadingIt) {
    SynthBook book;
    book.Dir.WriteSparse("CHAP1.JPG", Gigabyte);
    const auto result = book.Check();
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_NE(result.Out.find("CHAP1.JPG: error: "), std::string::npos) << result.Out;
    EXPECT_NE(result.Out.find(std::to_string(Gigabyte) + " bytes, more than"), std::string::npos)
        << result.Out;
    EXPECT_LT(result.PeakKiB, PeakBound(64 * 1024));
}

TEST(ResourceLimits, TheWindowRefusesAGigabytePictureAndTopicFile) {
    SynthBook book;
    book.Dir.WriteSparse("CHAP1.JPG", Gigabyte);
    book.Dir.WriteSparse("TOPICS.1", Gigabyte);
    const auto result = book.Shoot({"topic", "1"});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_NE(result.Err.find("CHAP1.JPG\" is " + std::to_string(Gigabyte) + " bytes"),
              std::string::npos)
        << result.Err;
    EXPECT_NE(result.Err.find("Unable to load the specified files"), std::string::npos)
        << result.Err;
    EXPECT_LT(result.PeakKiB, PeakBound(100 * 1024));
}

TEST(ResourceLimits, FortyMegapixelPicturesAreShownAtTheWindowsSizeWithinAHundredMegabytes) {
    SynthBook book;
    const std::string huge = FortyMegapixels();
    for (const char* name : {"cover.jpg", "CHAP1.JPG", "figure.jpg"})
        book.Dir.Write(name, huge);
    for (const std::vector<std::string>& view :
         {std::vector<std::string>{}, std::vector<std::string>{"topic", "1"}}) {
        SCOPED_TRACE(view.empty() ? "cover" : "topic page");
        const auto result = book.Shoot(view);
        EXPECT_EQ(result.ExitCode, 0) << result.Err;
        EXPECT_EQ(result.Err.find("the program said"), std::string::npos) << result.Err;
        EXPECT_LT(result.PeakKiB, PeakBound(100 * 1024));
        // The offscreen screen is 800 x 800: the window, cover and heading included, fits it.
        const auto [width, height] = PngSize(book.Dir.Read("shot.png"));
        EXPECT_LE(width, 800);
        EXPECT_LE(height, 800);
    }
}

TEST(ResourceLimits, ShowPrintsABankOfLongQuestionsInTheMemoryOfOne) {
    SynthBook book;
    // 4,000 questions of 16,000 characters: 64 MB that a reading of the whole bank would hold
    // twice, once as bytes and once as questions.
    constexpr int Count = 4000;
    {
        std::ofstream bank(book.Dir.Path() / "QUESTION.1", std::ios::binary | std::ios::trunc);
        TByteWriter count;
        count.WriteInt16(Count);
        bank << count.Bytes();
        for (int n = 1; n <= Count; ++n) {
            TQuestion question;
            question.Kind = qkTrueFalse;
            question.Answer = 'T';
            question.Text = "Long question " + std::to_string(n) + " " + std::string(16000, 'w');
            TByteWriter record;
            WriteQuestion(record, question);
            bank << record.Bytes();
        }
    }
    const auto result = RunTool({"show", book.Dir.Path().string(), "1", "--seed", "1"});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_GT(result.Out.size(), Count * 16000u);
    EXPECT_NE(result.Out.find("Question 4000 (True/False, answer T)\nLong question 4000 www"),
              std::string::npos);
    EXPECT_LT(result.PeakKiB, PeakBound(24 * 1024));
}

TEST(ResourceLimits, AFileLinkedFromOutsideTheBookIsMissingToTheTool) {
    SynthBook book;
    TempBookDir outside;
    const auto elsewhere = outside.Write("TOPICS.1", book.Dir.Read("TOPICS.1"));
    std::filesystem::remove(book.Dir.Path() / "TOPICS.1");
    std::filesystem::create_symlink(elsewhere, book.Dir.Path() / "TOPICS.1");
    const auto result = book.Check();
    EXPECT_NE(result.Out.find("TOPICS.1: warning: chapter 1 has no topic pages"), std::string::npos)
        << result.Out;
}

TEST(ResourceLimits, EvalStopsFanningOutCallsAndNeverPrintsNaN) {
    // 61 formulas each calling the next twice: 2^60 calls without a budget.
    std::vector<std::string> args{"eval"};
    for (int i = 0; i < 61; ++i) {
        const std::string name = "f" + std::string(static_cast<std::size_t>(i + 1), 'x');
        const std::string next = "f" + std::string(static_cast<std::size_t>(i + 2), 'x');
        args.insert(
            args.end(),
            {"--declare", name + "(a) = " + (i < 60 ? next + "({1})+" + next + "({1})" : "1")});
    }
    args.push_back("fx(1)");
    const auto fanned = RunTool(args);
    EXPECT_EQ(fanned.ExitCode, 1);
    EXPECT_NE(fanned.Err.find("calls of formulas in one evaluation"), std::string::npos)
        << fanned.Err;

    // Rounding to -5000 places overflows: the draw gives 0, as any failed draw does.
    TempBookDir dir;
    TBookProperties definition;
    definition.ChapterNames = {"One"};
    definition.Variables.push_back(std::make_unique<TVarible>(
        "x", vkNumber, TReal48::FromExtended(1), TReal48::FromExtended(1000), -5000, std::nullopt));
    dir.Write("BOOK.DEF", WriteBookProperties(definition, 5, TRegionalSettings{}));
    const auto drawn = RunTool({"eval", "--book", dir.Path().string(), "{x}"});
    EXPECT_EQ(drawn.ExitCode, 0) << drawn.Err;
    EXPECT_EQ(drawn.Out, "0\n");
}

} // namespace
} // namespace quillara
