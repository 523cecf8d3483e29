#include "make_score.h"
#include "read_only_folder.h"
#include "core/scores/score_place.h"
#include "temp_book_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillara {
namespace {

namespace fs = std::filesystem;
using testing::MakeScore;
using testing::ReadOnlyFolder;
using testing::TempBookDir;

std::string Prefix(const fs::path& folder) {
    return (folder / "").string();
}

std::vector<std::string> Descriptions(const TScoreHistory& history) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < history.size(); ++i)
        texts.emplace_back(history.at(i).description());
    return texts;
}

TEST(ScorePlace, ABookTitleBecomesOneFolderName) {
    const struct {
        std::string Title;
        std::string Folder;
    } cases[] = {
        {"Test Book", "Test Book"},
        {" ../Cells/Energy: \"Part\" 1. ", "-Cells-Energy- -Part- 1"},
        {"..", "Book"},
        {"", "Book"},
        {"Line\tbreak", "Line-break"},
        {"\xC9nergie", "\xC3\x89nergie"}, // Windows-1252 in the book, UTF-8 on disk
    };
    for (const auto& c : cases)
        EXPECT_EQ(SafeFolderName(c.Title), c.Folder) << c.Title;

    // A name too long for the file system is cut at the start of a character.
    const std::string longest = SafeFolderName(std::string(300, '\xE9'));
    EXPECT_EQ(longest.size(), 254u);
    EXPECT_EQ(longest.substr(252), "\xC3\xA9");

    EXPECT_EQ(UserScoresDirectory("Bio", "/data", "/home/s"), "/data/quillara/Bio/");
    EXPECT_EQ(UserScoresDirectory("Bio", nullptr, "/home/s"), "/home/s/.local/share/quillara/Bio/");
    // The data home must be absolute to count.
    EXPECT_EQ(UserScoresDirectory("Bio", "data", "/home/s"), "/home/s/.local/share/quillara/Bio/");
    EXPECT_EQ(UserScoresDirectory("Bio", "", ""), "");
    EXPECT_EQ(UserScoresDirectory("Bio", nullptr, nullptr), "");
}

// The save directory refuses writes: the scores, the file's there and the new ones, go to the user
// folder, made private to the student; the move is reported once, and from then on the user
// folder's file is the one read, although the old one is still there.
TEST(ScorePlace, TheScoresOfAReadOnlyFolderMoveToTheUserFolder) {
    TempBookDir book;
    TempBookDir home;
    TScoreHistory old;
    old.AddAttempt(MakeScore(44000, "Old", {{1, 1, 0}}));
    ASSERT_TRUE(old.saveScores(Prefix(book.Path())));
    const std::string oldBytes = book.Read(ScoreFileName);
    const ReadOnlyFolder readOnly(book.Path());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this file system lets every write through";
    const TScoreFolders folders{Prefix(book.Path()), Prefix(home.Path() / "quillara" / "Bio")};

    TScorePlace place;
    TScoreHistory history;
    EXPECT_TRUE(place.Load(history, folders));
    EXPECT_EQ(place.Directory(folders), folders.Save);
    history.AddAttempt(MakeScore(45000, "New", {{1, 1, 0}}));
    EXPECT_EQ(place.Save(history, folders), TScorePlace::ESaved::MovedToUserFolder);
    EXPECT_EQ(place.Directory(folders), folders.User);
    struct stat made {};
    ASSERT_EQ(::stat(folders.User.c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0700u);
    history.AddAttempt(MakeScore(45001, "Newer", {{1, 0, 1}}));
    EXPECT_EQ(place.Save(history, folders), TScorePlace::ESaved::Saved);
    EXPECT_EQ(book.Read(ScoreFileName), oldBytes);

    TScorePlace next;
    TScoreHistory read;
    EXPECT_TRUE(next.Load(read, folders));
    EXPECT_EQ(Descriptions(read), (std::vector<std::string>{"Old", "New", "Newer"}));
}

// Only a folder that refuses writes sends the scores elsewhere: a save directory that is not
// there is a mistake of the settings, reported as a failed save, and the user folder is left
// alone.
TEST(ScorePlace, AMissingSaveDirectoryIsAFailedSave) {
    TempBookDir book;
    TempBookDir home;
    const TScoreFolders folders{Prefix(book.Path() / "no-such-folder"),
                                Prefix(home.Path() / "Bio")};
    TScorePlace place;
    TScoreHistory history;
    history.AddAttempt(MakeScore(45000, "First", {{1, 1, 0}}));
    EXPECT_EQ(place.Save(history, folders), TScorePlace::ESaved::Failed);
    EXPECT_FALSE(fs::exists(home.Path() / "Bio"));

    // With no user folder to go to, a read-only folder is a failed save too.
    const ReadOnlyFolder readOnly(book.Path());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this file system lets every write through";
    EXPECT_EQ(place.Save(history, {Prefix(book.Path()), ""}), TScorePlace::ESaved::Failed);
}

// What lies under the score file's name and is no score file of ours (a FIFO, a link to one, a
// link to some other file of the student's) is never waited on, read into the history, kept
// aside or written over: the student is told once, the scores go to the user folder, and from
// then on are read from there. An alarm ends the test program rather than let a FIFO hang it.
TEST(ScorePlace, WhatIsNoScoreFileIsLeftAloneAndTheScoresGoToTheUserFolder) {
    TScoreHistory cutHistory;
    cutHistory.AddAttempt(MakeScore(44000, "Elsewhere", {{1, 1, 0}}));
    const std::string cut = cutHistory.writeScores().substr(0, 9);
    const struct {
        const char* Name;
        // What lies in the other folder as "target", and whether SCORES.SAV links to it.
        const char* Target; // nullptr: a FIFO
        bool Linked;
        const char* Said;
    } cases[] = {
        {"FIFO", nullptr, false, "is not a regular file"},
        {"link to a FIFO", nullptr, true, "is not a regular file"},
        {"link to notes", "my notes\n", true, "is not a score file"},
        {"link to a cut score file", "", true, "is not a score file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TempBookDir book;
        TempBookDir other;
        TempBookDir home;
        const fs::path target = c.Linked ? other.Path() / "target" : book.Path() / ScoreFileName;
        const std::string targetBytes = c.Target ? (*c.Target ? c.Target : cut) : "";
        if (c.Target)
            other.Write("target", targetBytes);
        else
            ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);
        if (c.Linked) fs::create_symlink(target, book.Path() / ScoreFileName);
        const TScoreFolders folders{Prefix(book.Path()), Prefix(home.Path() / "Bio")};

        ::alarm(20);
        TScorePlace place;
        TScoreHistory history;
        EXPECT_FALSE(place.Load(history, folders));
        EXPECT_TRUE(history.fileRefused());
        EXPECT_TRUE(history.empty());
        const auto told = history.TakeDamagedFile();
        ASSERT_TRUE(told);
        EXPECT_TRUE(told->KeptAs.empty());
        EXPECT_NE(told->Refused.find(c.Said), std::string::npos) << told->Refused;

        history.AddAttempt(MakeScore(45000, "New", {{1, 1, 0}}));
        EXPECT_EQ(place.Save(history, folders), TScorePlace::ESaved::MovedToUserFolder);
        EXPECT_EQ(place.Directory(folders), folders.User);
        EXPECT_FALSE(history.TakeDamagedFile());
        history.AddAttempt(MakeScore(45001, "Newer", {{1, 1, 0}}));
        EXPECT_EQ(place.Save(history, folders), TScorePlace::ESaved::Saved);

        TScorePlace next;
        TScoreHistory read;
        EXPECT_TRUE(next.Load(read, folders));
        EXPECT_FALSE(read.TakeDamagedFile());
        ::alarm(0);
        EXPECT_EQ(next.Directory(folders), folders.User);
        EXPECT_EQ(Descriptions(read), (std::vector<std::string>{"New", "Newer"}));

        // Nothing was written, kept or locked beside either.
        EXPECT_EQ(TempBookDir::FileNames(book.Path()), std::vector<std::string>{ScoreFileName});
        EXPECT_EQ(TempBookDir::FileNames(other.Path()),
                  c.Linked ? std::vector<std::string>{"target"} : std::vector<std::string>{});
        EXPECT_EQ(fs::is_symlink(book.Path() / ScoreFileName), c.Linked);
        if (c.Target)
            EXPECT_EQ(TempBookDir::ReadFile(target), targetBytes);
        else
            EXPECT_TRUE(fs::is_fifo(target));
    }
}

} // namespace
} // namespace quillara

namespace quillara {
namespace {

// Without a save directory of its own, a book's history lives in the student's folder for it,
// unless the current folder already holds one; what an earlier version kept in the title's
// folder is read from there and saved in the book's own. Two book folders never share a key.
TEST(ScorePlace, ABookWithoutASaveDirectoryKeepsItsScoresInItsOwnFolder) {
    TempBookDir cwd, home, book, other;
    EXPECT_NE(BookScoresDirectory("Bio", book.Path(), home.Path().c_str(), nullptr),
              BookScoresDirectory("Bio", other.Path(), home.Path().c_str(), nullptr));
    EXPECT_EQ(BookScoresDirectory("Bio", book.Path(), home.Path().c_str(), nullptr),
              BookScoresDirectory("Bio", book.Path() / "." / "", home.Path().c_str(), nullptr));
    const std::string own = BookScoresDirectory("Bio", book.Path(), home.Path().c_str(), nullptr);
    const TScoreFolders folders{Prefix(cwd.Path()), own, Prefix(home.Path() / "quillara" / "Bio"),
                                true};
    TScoreHistory earlier;
    earlier.AddAttempt(MakeScore(44000, "Kept before", {{1, 1, 0}}));
    ASSERT_TRUE(fs::create_directories(folders.Legacy));
    ASSERT_TRUE(earlier.saveScores(folders.Legacy));

    TScorePlace place;
    TScoreHistory history;
    EXPECT_TRUE(place.Load(history, folders));
    EXPECT_EQ(Descriptions(history), std::vector<std::string>{"Kept before"});
    history.AddAttempt(MakeScore(45000, "New", {{1, 1, 0}}));
    EXPECT_EQ(place.Save(history, folders), TScorePlace::ESaved::Saved);
    EXPECT_FALSE(fs::exists(cwd.Path() / ScoreFileName));
    TScoreHistory mine;
    ASSERT_TRUE(mine.loadScores(own));
    EXPECT_EQ(Descriptions(mine), (std::vector<std::string>{"Kept before", "New"}));

    // A score file in the current folder is the one used, as it always was.
    ASSERT_TRUE(earlier.saveScores(Prefix(cwd.Path())));
    TScorePlace local;
    TScoreHistory here;
    EXPECT_TRUE(local.Load(here, folders));
    EXPECT_EQ(local.Directory(folders), folders.Save);
}

} // namespace
} // namespace quillara
