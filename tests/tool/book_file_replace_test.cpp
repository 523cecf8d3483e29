// Book files are replaced all together or not at all, whatever fails and wherever the tool is
// stopped.
#include "book_file_replace.h"
#include "failing_file_ops.h"
#include "temp_book_dir.h"
#include "tool_runner.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <stdlib.h>
#include <unistd.h>

namespace quillara::tool {
namespace {

namespace fs = std::filesystem;
using testing::FailingOps;
using testing::RunTool;
using testing::Step;
using testing::TempBookDir;

using TContents = std::map<std::string, std::string>;

// Every entry of the folder, and every file's bytes.
TContents Contents(const fs::path& dir) {
    TContents contents;
    for (const auto& entry : fs::directory_iterator(dir))
        contents[entry.path().filename().string()] =
            entry.is_regular_file() ? TempBookDir::ReadFile(entry.path()) : "(not a file)";
    return contents;
}

void Reset(const fs::path& dir, const TContents& contents) {
    for (const auto& entry : fs::directory_iterator(dir))
        fs::remove_all(entry.path());
    for (const auto& [name, bytes] : contents)
        std::ofstream(dir / name, std::ios::binary) << bytes;
}

TEST(BookFileReplace, AllTheFilesOrNone) {
    TempBookDir dir;
    dir.Write("QUESTION.1", "old bank");
    dir.Write("BOOK.DEF", "old book");
    dir.Write("QUESTION.9", "going");
    fs::permissions(dir.Path() / "QUESTION.1", fs::perms(0640));

    // The third is no file: nothing is written, and nothing is left beside them.
    fs::create_directory(dir.Path() / "BLOCKED");
    dir.Write("BLOCKED/inside", "x");
    const TContents before = Contents(dir.Path());
    EXPECT_THROW(
        ReplaceBookFiles(dir.Path(),
                         {{"QUESTION.1", "new bank"}, {"NEW.DEF", "made"}, {"BLOCKED", "new"}}),
        TBookReplaceError);
    EXPECT_EQ(Contents(dir.Path()), before);

    ReplaceBookFiles(dir.Path(), {{"QUESTION.1", "new bank"},
                                  {"BOOK.DEF", "new book"},
                                  {"QUESTION.2", "made"},
                                  {"QUESTION.9", std::nullopt}});
    EXPECT_EQ(Contents(dir.Path()), (TContents{{"BLOCKED", "(not a file)"},
                                               {"BOOK.DEF", "new book"},
                                               {"QUESTION.1", "new bank"},
                                               {"QUESTION.2", "made"}}));
    EXPECT_EQ(fs::status(dir.Path() / "QUESTION.1").permissions() & fs::perms::mask,
              fs::perms(0640));
}

// Links planted where the new files are written, under the names earlier versions used and
// under this process's own names, lead nowhere: what they point at is never written.
TEST(BookFileReplace, LinksPlantedBesideTheFilesAreNeverWrittenThrough) {
    TempBookDir dir;
    TempBookDir elsewhere;
    const fs::path target = elsewhere.Write("target", "not to be written");
    dir.Write("QUESTION.1", "old bank");
    std::vector<std::string> planted{"QUESTION.1.importing", "BOOK.DEF.importing"};
    for (int counter = 0; counter < 50; ++counter)
        for (const char* name : {"QUESTION.1", "BOOK.DEF", "BOOK.JOURNAL"})
            planted.push_back(std::string(name) + ".replacing-" + std::to_string(::getpid()) + "-" +
                              std::to_string(counter));
    for (const std::string& name : planted)
        fs::create_symlink(target, dir.Path() / name);

    ReplaceBookFiles(dir.Path(), {{"QUESTION.1", "new bank"}, {"BOOK.DEF", "new book"}});
    EXPECT_EQ(elsewhere.Read("target"), "not to be written");
    for (const char* name : {"QUESTION.1", "BOOK.DEF"}) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir.Path() / name))) << name;
        EXPECT_EQ(dir.Read(name), std::string(name) == "BOOK.DEF" ? "new book" : "new bank");
    }
}

TEST(BookFileReplace, AStepThatFailsLeavesOneBookWholeOnceFinished) {
    TempBookDir dir;
    const TContents oldBook{
        {"BOOK.DEF", "old book"}, {"QUESTION.1", "old bank"}, {"QUESTION.3", "old third"}};
    const TContents newBook{
        {"BOOK.DEF", "new book"}, {"QUESTION.1", std::string(200000, 'q')}, {"QUESTION.2", "made"}};
    const std::vector<TBookFileChange> changes{{"BOOK.DEF", "new book"},
                                               {"QUESTION.1", std::string(200000, 'q')},
                                               {"QUESTION.2", "made"},
                                               {"QUESTION.3", std::nullopt}};
    Reset(dir.Path(), oldBook);
    FailingOps counting;
    quillara::ReplaceBookFiles(dir.Path().string(), changes, counting);
    ASSERT_EQ(Contents(dir.Path()), newBook);

    int failures = 0;
    for (int step = 0; step < static_cast<int>(Step::Count); ++step)
        for (int at = 0; at < counting.Calls[step]; ++at, ++failures) {
            Reset(dir.Path(), oldBook);
            FailingOps failing;
            failing.FailStep = static_cast<Step>(step);
            failing.FailAt = at;
            bool failed = false;
            try {
                quillara::ReplaceBookFiles(dir.Path().string(), changes, failing);
            } catch (const TBookReplaceError&) {
                failed = true;
            }
            // What the next run finds: the old book or the new, whole, and nothing beside it.
            FinishBookReplacement(dir.Path().string(), PosixSaveFileOps());
            const TContents after = Contents(dir.Path());
            EXPECT_TRUE(after == oldBook || after == newBook) << "step " << step << " call " << at;
            if (!failed) EXPECT_EQ(after, newBook) << "step " << step << " call " << at;
        }
    EXPECT_GE(failures, 20);
}

// The tool killed before each rename of a change to a book, then the book checked: check finds
// the book before the change or the book after it, whole and with nothing left beside it.
TEST(BookFileReplace, AToolKilledAtEveryRenameLeavesABookThatChecks) {
    TempBookDir work;
    const fs::path pristine = work.Path() / "pristine";
    const fs::path smaller = work.Path() / "smaller";
    const fs::path source = work.Path() / "smaller.json";
    for (const auto& [dir, chapters] : {std::pair{pristine, "3"}, std::pair{smaller, "2"}})
        ASSERT_EQ(
            RunTool({"synth", dir.string(), "--chapters", chapters, "--questions", "4"}).ExitCode,
            0);
    ASSERT_EQ(RunTool({"dump", smaller.string(), "-o", source.string()}).ExitCode, 0);
    const fs::path book = work.Path() / "book";
    const auto reset = [&] {
        fs::remove_all(book);
        fs::copy(pristine, book);
    };
    // Import adds variables to BOOK.DEF and questions to a bank; build replaces a larger book.
    const std::vector<std::vector<std::string>> changes{
        {"import", (fs::path(QUILLARA_TOOL_DATA) / "interest.xml").string(), book.string(),
         "--chapter", "2"},
        {"build", source.string(), book.string(), "--pictures", smaller.string()},
    };
    for (const auto& change : changes) {
        reset();
        const TContents before = Contents(book);
        ASSERT_EQ(RunTool(change).ExitCode, 0) << change[0];
        const TContents after = Contents(book);
        ASSERT_NE(after, before) << change[0];

        int killed = 0;
        for (int renames = 0; renames < 100; ++renames) {
            reset();
            ::setenv("QUILLARA_BOOK_KILL_AFTER_RENAMES", std::to_string(renames).c_str(), 1);
            const auto result = RunTool(change);
            ::unsetenv("QUILLARA_BOOK_KILL_AFTER_RENAMES");
            if (result.ExitCode != 128 + SIGKILL) {
                EXPECT_EQ(result.ExitCode, 0) << change[0] << ": " << result.Err;
                EXPECT_EQ(Contents(book), after) << change[0];
                break;
            }
            ++killed;
            const auto checked = RunTool({"check", book.string()});
            EXPECT_EQ(checked.ExitCode, 0) << change[0] << " killed at rename " << renames << ": "
                                           << checked.Out << checked.Err;
            const TContents found = Contents(book);
            EXPECT_TRUE(found == before || found == after)
                << change[0] << " killed at rename " << renames;
        }
        EXPECT_GE(killed, 3) << change[0];
    }
}

} // namespace
} // namespace quillara::tool
