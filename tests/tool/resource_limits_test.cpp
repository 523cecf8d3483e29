// Hostile books cost bounded memory and time, measured on the real programs through the kernel's
// accounting of each one's peak memory.
#include "core/book/book_properties_writer.h"
#include "core/book/book_records.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/topic_pages.h"
#include "core/picture/jpeg_encoder.h"
#include "core/scores/score_file.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

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

// A bank and a glossary just under their limits, of 1,900 records of 16,000 characters each:
// check, dump and show read them a record at a time, in far less memory than either file takes.
TEST(ResourceLimits, LargeBanksAndGlossariesAreReadARecordAtATime) {
    SynthBook book;
    constexpr int Count = 1900;
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
    {
        // The entries view these texts.
        std::vector<std::string> terms, definitions;
        for (int n = 1; n <= Count; ++n) {
            terms.push_back("Term " + std::to_string(n));
            definitions.push_back("Definition " + std::to_string(n) + " " +
                                  std::string(16000, 'd'));
        }
        std::vector<TDefinition> entries;
        for (int n = 0; n < Count; ++n)
            entries.push_back({"", definitions[n], terms[n], "1"});
        book.Dir.Write("GLOSSARY.DEF", WriteGlossary(entries));
    }
    for (const char* name : {"QUESTION.1", "GLOSSARY.DEF"}) {
        const auto size = std::filesystem::file_size(book.Dir.Path() / name);
        ASSERT_GT(size, 30'000'000u) << name;
        ASSERT_LE(size, MaxQuestionBankSize) << name;
        ASSERT_LE(size, MaxGlossarySize) << name;
    }
    // A child's count starts at what this test holds when it forks: the test keeps no output it
    // no longer looks at, and measures the tool's own memory on a small file.
    const auto release = [](testing::ToolResult& run) {
        std::string().swap(run.Out);
        return run.PeakKiB;
    };
    auto small = RunTool({"dump", (book.Dir.Path() / "AUTHORS").string()});
    const long bound = PeakBound(release(small) + 4 * 1024);

    auto checked = book.Check();
    EXPECT_NE(checked.Out.find("errors, "), std::string::npos) << checked.Out;
    EXPECT_EQ(checked.Out.find("QUESTION.1: error"), std::string::npos) << checked.Out;
    EXPECT_EQ(checked.Out.find("GLOSSARY.DEF: error"), std::string::npos) << checked.Out;
    EXPECT_LT(release(checked), bound);
    auto shown = RunTool({"show", book.Dir.Path().string(), "1", "--seed", "1"});
    EXPECT_EQ(shown.ExitCode, 0) << shown.Err;
    EXPECT_GT(shown.Out.size(), Count * 16000u);
    EXPECT_NE(shown.Out.find("Question 1900 (True/False, answer T)\nLong question 1900 www"),
              std::string::npos);
    EXPECT_LT(release(shown), bound);
    auto bank = RunTool({"dump", (book.Dir.Path() / "QUESTION.1").string()});
    EXPECT_EQ(bank.ExitCode, 0) << bank.Err;
    EXPECT_NE(bank.Out.find("\"Text\": \"Long question 1900 www"), std::string::npos);
    EXPECT_LT(release(bank), bound);
    auto glossary = RunTool({"dump", (book.Dir.Path() / "GLOSSARY.DEF").string()});
    EXPECT_EQ(glossary.ExitCode, 0) << glossary.Err;
    EXPECT_NE(glossary.Out.find("\"Term\": \"Term 1900\""), std::string::npos);
    EXPECT_LT(release(glossary), bound);
}

// Files of gigabytes, far over the limits of their kinds, are refused unread by name and limit,
// in the tool's and the window's own memory.
TEST(ResourceLimits, FilesOverTheirLimitsAreRefusedUnreadByNameAndLimit) {
    constexpr std::uintmax_t Huge = 2 * Gigabyte;
    const auto refused = [](const std::string& text, const std::string& name, std::uint64_t limit) {
        return text.find(name + "\" is " + std::to_string(Huge) + " bytes, more than the " +
                         std::to_string(limit) + " bytes") != std::string::npos;
    };
    SynthBook book;
    const long small = book.Check().PeakKiB;
    const struct {
        const char* Name;
        std::uint64_t Limit;
    } files[] = {
        {"GLOSSARY.DEF", MaxGlossarySize},
        {"QUESTION.1", MaxQuestionBankSize},
        {"TOPICS.2", MaxTopicFileSize},
    };
    for (const auto& file : files)
        book.Dir.WriteSparse(file.Name, Huge);
    const auto checked = book.Check();
    EXPECT_EQ(checked.ExitCode, 1);
    for (const auto& file : files) {
        SCOPED_TRACE(file.Name);
        EXPECT_NE(checked.Out.find(std::string(file.Name) + ": error: \""), std::string::npos);
        EXPECT_TRUE(refused(checked.Out, file.Name, file.Limit)) << checked.Out;
        const auto dumped = RunTool({"dump", (book.Dir.Path() / file.Name).string()});
        EXPECT_EQ(dumped.ExitCode, 1);
        EXPECT_TRUE(refused(dumped.Err, file.Name, file.Limit)) << dumped.Err;
        EXPECT_LT(dumped.PeakKiB, PeakBound(small + 4 * 1024));
    }
    EXPECT_LT(checked.PeakKiB, PeakBound(small + 4 * 1024));
    const auto shown = RunTool({"show", book.Dir.Path().string(), "1"});
    EXPECT_EQ(shown.ExitCode, 1);
    EXPECT_TRUE(refused(shown.Err, "QUESTION.1", MaxQuestionBankSize)) << shown.Err;

    book.Dir.WriteSparse("SCORES.SAV", 3 * Gigabyte);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"dump", (book.Dir.Path() / "SCORES.SAV").string()},
          std::vector<std::string>{"dump", "--csv", (book.Dir.Path() / "SCORES.SAV").string()}}) {
        const auto dumped = RunTool(args);
        EXPECT_EQ(dumped.ExitCode, 1);
        EXPECT_NE(dumped.Err.find("SCORES.SAV\" is " + std::to_string(3 * Gigabyte) +
                                  " bytes, more than the " + std::to_string(MaxScoreFileSize)),
                  std::string::npos)
            << dumped.Err;
        EXPECT_LT(dumped.PeakKiB, PeakBound(small + 4 * 1024));
    }

    book.Dir.WriteSparse("BOOK.DEF", Huge);
    const auto noBook = book.Check();
    EXPECT_EQ(noBook.ExitCode, 1);
    EXPECT_TRUE(refused(noBook.Out, "BOOK.DEF", MaxBookDefinitionSize)) << noBook.Out;
}

TEST(ResourceLimits, TheWindowRefusesGigabyteBanksGlossariesAndScoreFiles) {
    SynthBook book;
    book.Dir.WriteSparse("SCORES.SAV", 3 * Gigabyte);
    const struct {
        const char* File;
        const char* View;
        std::uint64_t Limit;
    } cases[] = {{"QUESTION.1", "quiz", MaxQuestionBankSize},
                 {"GLOSSARY.DEF", "glossary", MaxGlossarySize}};
    for (const auto& c : cases) {
        book.Dir.WriteSparse(c.File, 2 * Gigabyte);
        const auto shot = book.Shoot({c.View});
        EXPECT_NE(shot.Err.find(std::string(c.File) + "\" is " + std::to_string(2 * Gigabyte) +
                                " bytes, more than the " + std::to_string(c.Limit)),
                  std::string::npos)
            << shot.Err;
        EXPECT_LT(shot.PeakKiB, PeakBound(100 * 1024));
    }
    // Refused unread, the score file is kept aside like a damaged one, never written over.
    EXPECT_EQ(std::filesystem::file_size(book.Dir.Path() / "SCORES.SAV"), 3 * Gigabyte);
}

// A FIFO under a book file's name, or named as the file to dump, is refused at once: opened to be
// read, it would hold the tool until something wrote to it. The alarm fails a tool that waits.
TEST(ResourceLimits, AFifoNamedAsABookFileIsRefusedAtOnce) {
    SynthBook book;
    for (const char* name : {"QUESTION.1", "GLOSSARY.DEF", "TOPICS.1", "SCORES.SAV"}) {
        std::filesystem::remove(book.Dir.Path() / name);
        ASSERT_EQ(::mkfifo((book.Dir.Path() / name).c_str(), 0600), 0);
    }
    constexpr unsigned TimeLimit = 30;
    const auto checked = RunTool({"check", book.Dir.Path().string()}, TimeLimit);
    EXPECT_EQ(checked.ExitCode, 1) << checked.Out;
    EXPECT_NE(checked.Out.find("GLOSSARY.DEF: error: the book has a glossary but the file is "
                               "missing"),
              std::string::npos)
        << checked.Out;
    EXPECT_NE(checked.Out.find("QUESTION.1: warning: chapter 1 has no question bank"),
              std::string::npos)
        << checked.Out;
    const auto shown = RunTool({"show", book.Dir.Path().string(), "1"}, TimeLimit);
    EXPECT_EQ(shown.ExitCode, 1) << shown.Err;
    for (const char* name : {"QUESTION.1", "GLOSSARY.DEF", "TOPICS.1", "SCORES.SAV"}) {
        SCOPED_TRACE(name);
        const std::string path = (book.Dir.Path() / name).string();
        const auto dumped = RunTool({"dump", path}, TimeLimit);
        EXPECT_EQ(dumped.ExitCode, 1);
        EXPECT_NE(dumped.Err.find("Cannot open file \"" + path + "\""), std::string::npos)
            << dumped.Err;
    }
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

// A quiz file of 64 MiB is read a piece at a time: whether its questions are many and short
// or few and long, the import stops where the bank would pass its limit, having held a small
// multiple of the largest bank at most.
TEST(ResourceLimits, A64MiBQuizFileIsImportedInBoundedMemory) {
    SynthBook book;
    TempBookDir files;
    const std::string longText = [] {
        std::string text;
        while (text.size() < 20000)
            text += "word ";
        return text;
    }();
    struct QuizCase {
        const char* File;
        const char* Head;
        std::string (*Question)(int number, const std::string& text);
        const char* Tail;
        bool Long;
    };
    const QuizCase cases[] = {
        {"many.gift", "",
         [](int n, const std::string&) { return "Q" + std::to_string(n) + " {T}\n\n"; }, "", false},
        {"long.gift", "",
         [](int n, const std::string& text) { return "Q" + std::to_string(n) + text + " {T}\n\n"; },
         "", true},
        {"many.txt", "",
         [](int n, const std::string&) {
             return "Q" + std::to_string(n) + "\nA. x\nB. y\nANSWER: A\n\n";
         },
         "", false},
        {"long.txt", "",
         [](int n, const std::string& text) {
             return "Q" + std::to_string(n) + text + "\nA. x\nB. y\nANSWER: A\n\n";
         },
         "", true},
        {"long.xml", "<quiz>\n",
         [](int n, const std::string& text) {
             return "<question type=\"truefalse\"><questiontext><text>Q" + std::to_string(n) +
                    text +
                    "</text></questiontext><answer fraction=\"100\"><text>true</text>"
                    "</answer><answer fraction=\"0\"><text>false</text></answer></question>\n";
         },
         "</quiz>\n", true},
    };
    for (const QuizCase& c : cases) {
        SCOPED_TRACE(c.File);
        const auto path = files.Path() / c.File;
        {
            std::ofstream out(path, std::ios::binary);
            out << c.Head;
            std::string batch;
            for (int n = 0; static_cast<std::uintmax_t>(out.tellp()) < (64u << 20); ++n) {
                batch += c.Question(n, c.Long ? longText : "");
                if (batch.size() > (1u << 20)) out << std::exchange(batch, {});
            }
            out << batch << c.Tail;
        }
        const auto imported =
            RunTool({"import", path.string(), book.Dir.Path().string(), "--chapter", "1"});
        EXPECT_EQ(imported.ExitCode, 1);
        EXPECT_NE(imported.Err.find(c.Long ? "would hold more than 33554432 bytes"
                                           : "would hold more than 32767 questions"),
                  std::string::npos)
            << imported.Err;
        EXPECT_EQ(imported.Out.find("imported"), std::string::npos) << imported.Out;
        EXPECT_LT(imported.PeakKiB, PeakBound(4 * 32 * 1024));
        std::filesystem::remove(path);
    }
}

} // namespace
} // namespace quillara
