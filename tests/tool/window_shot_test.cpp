// The screenshot tool starts the program as the student would, so it must come through every book
// the program comes through: where there is no book to show, it says so and fails cleanly.
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quillara {
namespace {

using testing::RunProgram;
using testing::RunTool;
using testing::TempBookDir;

TEST(WindowShot, ABookThatCannotBeLoadedIsReportedNotCrashedOn) {
    TempBookDir root;
    const auto sound = root.Path() / "sound";
    ASSERT_EQ(RunTool({"synth", sound.string(), "--chapters", "2"}).ExitCode, 0);
    const std::string definition = TempBookDir::ReadFile(sound / "BOOK.DEF");

    struct Case {
        const char* name;
        void (*spoil)(const std::filesystem::path& book, const std::string& definition);
        // A book cut short is damaged; one that is not there is missing.
        const char* said;
    };
    const Case cases[] = {
        {"empty", [](const auto& book, const auto&) { std::filesystem::resize_file(book, 0); },
         "is damaged and cannot be opened"},
        {"directory",
         [](const auto& book, const auto&) {
             std::filesystem::remove(book);
             std::filesystem::create_directory(book);
         },
         "Quillara was unable to find the properties of the book"},
        {"truncated",
         [](const auto& book, const auto& whole) {
             std::filesystem::resize_file(book, whole.size() / 2);
         },
         "is damaged and cannot be opened"},
        {"missing", [](const auto& book, const auto&) { std::filesystem::remove(book); },
         "Quillara was unable to find the properties of the book"},
    };
    for (const Case& c : cases) {
        const auto dir = root.Path() / c.name;
        std::filesystem::copy(sound, dir);
        c.spoil(dir / "BOOK.DEF", definition);
        for (const std::vector<std::string>& view :
             {std::vector<std::string>{}, std::vector<std::string>{"quiz"}}) {
            SCOPED_TRACE(std::string(c.name) + (view.empty() ? "" : ", quiz"));
            const auto picture = root.Path() / "shot.png";
            std::vector<std::string> args{dir.string(), picture.string()};
            args.insert(args.end(), view.begin(), view.end());
            const auto result = RunProgram(QUILLARA_WINDOW_SHOT, args);
            EXPECT_EQ(result.ExitCode, 1) << result.Err;
            EXPECT_NE(result.Err.find("the program said: "), std::string::npos) << result.Err;
            EXPECT_NE(result.Err.find(c.said), std::string::npos) << result.Err;
            EXPECT_NE(result.Err.find("no picture saved"), std::string::npos) << result.Err;
            EXPECT_FALSE(std::filesystem::exists(picture));
        }
    }
    // A folder that is not there at all.
    const auto nowhere = RunProgram(QUILLARA_WINDOW_SHOT, {(root.Path() / "nowhere").string(),
                                                           (root.Path() / "shot.png").string()});
    EXPECT_EQ(nowhere.ExitCode, 1) << nowhere.Err;
    EXPECT_NE(nowhere.Err.find("no picture saved"), std::string::npos) << nowhere.Err;
}

} // namespace
} // namespace quillara
