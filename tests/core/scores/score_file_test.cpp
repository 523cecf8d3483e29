#include "book/book_errors.h"
#include "scores/score_file.h"
#include "temp_book_dir.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quillara {
namespace {

using testing::TempBookDir;

std::unique_ptr<TScore> MakeScore(double date, std::string description,
                                  std::initializer_list<std::array<int, 3>> details) {
    auto score = std::make_unique<TScore>();
    score->date = date;
    score->description = std::move(description);
    for (const auto& [chapter, correct, incorrect] : details) {
        for (int i = 0; i < correct; ++i)
            score->addCorrect(static_cast<std::int16_t>(chapter));
        for (int i = 0; i < incorrect; ++i)
            score->addIncorrect(static_cast<std::int16_t>(chapter));
    }
    return score;
}

// Scores shaped like real ones: one to three chapters, a description of about 30 characters.
TScoreHistory MakeHistory(int count, int variant) {
    TScoreHistory history;
    for (int i = 0; i < count; ++i) {
        const int chapter = 1 + (i + variant) % 12;
        auto score =
            MakeScore(40000.0 + i * 0.37 + variant,
                      "Multiple Choice Test " + std::to_string(i) + " v" + std::to_string(variant),
                      {{chapter, 1 + i % 7, i % 3}});
        for (int extra = 1; extra <= (i + variant) % 3; ++extra)
            score->addCorrect(static_cast<std::int16_t>(chapter + extra));
        history.addAttempt(std::move(score));
    }
    return history;
}

void ExpectSameScore(const TScore& a, const TScore& b) {
    EXPECT_EQ(a.date, b.date);
    EXPECT_EQ(a.description, b.description);
    ASSERT_EQ(a.detailCount(), b.detailCount());
    for (int d = 0; d < a.detailCount(); ++d) {
        EXPECT_EQ(a.detail(d).chapter, b.detail(d).chapter);
        EXPECT_EQ(a.detail(d).correct, b.detail(d).correct);
        EXPECT_EQ(a.detail(d).incorrect, b.detail(d).incorrect);
    }
}

std::set<std::string> FilesIn(const std::filesystem::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

std::string Prefix(const TempBookDir& dir) {
    return dir.Path().string() + "/";
}

TEST(ScoreHistory, OnlyAttemptsWithAnswersJoinTheHistory) {
    TScoreHistory history;
    EXPECT_FALSE(history.addAttempt(std::make_unique<TScore>()));
    EXPECT_FALSE(history.addAttempt(nullptr));
    EXPECT_TRUE(history.addAttempt(MakeScore(1, "Quiz", {{4, 0, 1}})));
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history.at(0).description, "Quiz");
    EXPECT_THROW(history.at(1), std::out_of_range);
}

TEST(ScoreFile, SaveAndLoadReproduceTheHistory) {
    TempBookDir dir;
    TScoreHistory saved;
    saved.addAttempt(MakeScore(45123.375, "True/False Quiz Chapter 3   ", {{3, 2, 1}, {1, 0, 4}}));
    saved.addAttempt(MakeScore(45124.000011574, "Caf\xE9 test", {{12, 9, 0}}));
    saved.addAttempt(MakeScore(-1.25, std::string(300, 'd'), {{1, 1, 0}}));
    ASSERT_TRUE(saved.saveScores(Prefix(dir)));

    TScoreHistory loaded;
    loaded.addAttempt(MakeScore(7, "replaced by the file", {{1, 1, 1}}));
    ASSERT_TRUE(loaded.loadScores(Prefix(dir)));
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(loaded.at(0).description, "True/False Quiz Chapter 3");
    EXPECT_EQ(loaded.at(0).detail(0).chapter, 3);
    EXPECT_EQ(loaded.at(0).detail(1).chapter, 1);
    EXPECT_EQ(loaded.at(1).description, "Caf\xE9 test");
    EXPECT_EQ(loaded.at(2).description, std::string(255, 'd'));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.at(i).date, saved.at(i).date);
        ExpectSameScore(loaded.at(i), ReadScoreFile(dir.Read(ScoreFileName), "x").at(i));
    }
    // What was loaded saves to the same bytes.
    EXPECT_EQ(loaded.writeScores(), dir.Read(ScoreFileName));
    EXPECT_EQ(dir.Read(ScoreFileName).substr(0, 2), std::string("\x03\x00", 2));
    EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{ScoreFileName});
}

TEST(ScoreFile, AbsentFileLeavesTheHistoryAlone) {
    TempBookDir dir;
    TScoreHistory history;
    history.addAttempt(MakeScore(1, "kept", {{1, 1, 0}}));
    EXPECT_FALSE(history.loadScores(Prefix(dir)));
    EXPECT_EQ(history.size(), 1u);
}

TEST(ScoreFile, ZeroOrNegativeCountLoadsAnEmptyHistory) {
    TempBookDir dir;
    for (const char* count : {"\x00\x00", "\xFF\xFF", "\x00\x80"}) {
        dir.Write(ScoreFileName, std::string(count, 2) + "ignored bytes");
        TScoreHistory history;
        history.addAttempt(MakeScore(1, "old", {{1, 1, 0}}));
        EXPECT_TRUE(history.loadScores(Prefix(dir)));
        EXPECT_TRUE(history.empty());
    }
}

TEST(ScoreFile, TruncatedFileKeepsTheCompleteScoresOnly) {
    TempBookDir dir;
    const TScoreHistory saved = MakeHistory(3, 0);
    const std::string whole = saved.writeScores();
    TByteWriter firstTwo;
    saved.at(0).write(firstTwo);
    saved.at(1).write(firstTwo);
    const std::size_t thirdStart = 2 + firstTwo.Bytes().size();

    for (std::size_t cut = thirdStart; cut < whole.size(); ++cut) {
        dir.Write(ScoreFileName, whole.substr(0, cut));
        TScoreHistory loaded;
        EXPECT_FALSE(loaded.loadScores(Prefix(dir))) << cut;
        ASSERT_EQ(loaded.size(), 2u) << cut;
        ExpectSameScore(loaded.at(1), saved.at(1));
        EXPECT_THROW(ReadScoreFile(whole.substr(0, cut), ScoreFileName), TTruncatedFileError);
    }

    // A count far beyond what the bytes hold reads what is there and stops.
    dir.Write(ScoreFileName, "\xFF\x7F" + whole.substr(2));
    TScoreHistory loaded;
    EXPECT_FALSE(loaded.loadScores(Prefix(dir)));
    EXPECT_EQ(loaded.size(), 3u);

    dir.Write(ScoreFileName, "");
    EXPECT_FALSE(loaded.loadScores(Prefix(dir)));
    EXPECT_TRUE(loaded.empty());
}

TEST(ScoreFile, SaveDirectoryIsJoinedToTheNameAsPlainText) {
    TempBookDir dir;
    const TScoreHistory saved = MakeHistory(2, 0);
    ASSERT_TRUE(saved.saveScores(Prefix(dir) + "old-"));
    EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{"old-SCORES.SAV"});

    // An empty save directory is the current directory.
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const bool savedHere = saved.saveScores("");
    TScoreHistory loaded;
    const bool loadedHere = loaded.loadScores("");
    std::filesystem::current_path(previous);
    EXPECT_TRUE(savedHere);
    EXPECT_TRUE(loadedHere);
    EXPECT_EQ(loaded.size(), 2u);
    EXPECT_EQ(dir.Read(ScoreFileName), saved.writeScores());
}

TEST(ScoreFile, MoreScoresThanTheCountHoldsAreRefusedWithoutTouchingTheFile) {
    TempBookDir dir;
    dir.Write(ScoreFileName, "old file");
    TScoreHistory history = MakeHistory(MaxScoreCount + 1, 0);
    EXPECT_FALSE(history.saveScores(Prefix(dir)));
    EXPECT_THROW(history.writeScores(), std::length_error);
    EXPECT_EQ(dir.Read(ScoreFileName), "old file");
    EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{ScoreFileName});

    history = MakeHistory(MaxScoreCount, 0);
    ASSERT_TRUE(history.saveScores(Prefix(dir)));
    TScoreHistory loaded;
    ASSERT_TRUE(loaded.loadScores(Prefix(dir)));
    ASSERT_EQ(loaded.size(), static_cast<std::size_t>(MaxScoreCount));
    ExpectSameScore(loaded.at(MaxScoreCount - 1), history.at(MaxScoreCount - 1));
}

enum class Step { Create, Write, Flush, Close, Link, Rename, SyncDirectory, Remove, Count };

// The real file system, counting each kind of step and failing one chosen call as the system
// would: with errno set and, for close, the descriptor released all the same.
class FailingOps : public TSaveFileOps {
public:
    std::array<int, static_cast<int>(Step::Count)> Calls{};
    Step FailStep = Step::Count;
    int FailAt = -1;

    int createNew(const std::string& path) override {
        return Fails(Step::Create) ? -1 : Real().createNew(path);
    }
    bool write(int fd, std::string_view bytes) override {
        return !Fails(Step::Write) && Real().write(fd, bytes);
    }
    bool flush(int fd) override { return !Fails(Step::Flush) && Real().flush(fd); }
    bool close(int fd) override {
        const bool fail = Fails(Step::Close);
        const bool closed = Real().close(fd);
        if (fail) errno = EIO;
        return closed && !fail;
    }
    bool link(const std::string& existing, const std::string& newPath) override {
        return !Fails(Step::Link) && Real().link(existing, newPath);
    }
    bool rename(const std::string& from, const std::string& to) override {
        return !Fails(Step::Rename) && Real().rename(from, to);
    }
    bool syncDirectory(const std::string& directory) override {
        return !Fails(Step::SyncDirectory) && Real().syncDirectory(directory);
    }
    bool remove(const std::string& path) override {
        return !Fails(Step::Remove) && Real().remove(path);
    }

private:
    static TSaveFileOps& Real() { return PosixSaveFileOps(); }
    bool Fails(Step step) {
        const int call = Calls[static_cast<int>(step)]++;
        if (step != FailStep || call != FailAt) return false;
        errno = EIO;
        return true;
    }
};

TEST(ScoreFile, AFailingStepLeavesTheOldFileByteForByte) {
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    ASSERT_TRUE(MakeHistory(3, 1).saveScores(prefix));
    const std::string oldBytes = dir.Read(ScoreFileName);
    // Large enough to be written in several pieces.
    const TScoreHistory history = MakeHistory(5000, 2);

    FailingOps counting;
    ASSERT_TRUE(history.saveScores(prefix, counting));
    const std::string newBytes = dir.Read(ScoreFileName);
    ASSERT_EQ(newBytes, history.writeScores());
    EXPECT_GE(counting.Calls[static_cast<int>(Step::Write)], 3);

    int failures = 0;
    for (Step step :
         {Step::Create, Step::Write, Step::Flush, Step::Close, Step::Rename, Step::SyncDirectory}) {
        const int calls = counting.Calls[static_cast<int>(step)];
        ASSERT_GE(calls, 1);
        for (int at = 0; at < calls; ++at, ++failures) {
            dir.Write(ScoreFileName, oldBytes);
            FailingOps failing;
            failing.FailStep = step;
            failing.FailAt = at;
            EXPECT_FALSE(history.saveScores(prefix, failing))
                << "step " << static_cast<int>(step) << " call " << at;
            EXPECT_EQ(dir.Read(ScoreFileName), oldBytes)
                << "step " << static_cast<int>(step) << " call " << at;
            EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{ScoreFileName});
        }
    }
    EXPECT_GE(failures, 8);

    // Without a second name for the old file the save still goes through.
    dir.Write(ScoreFileName, oldBytes);
    FailingOps noLink;
    noLink.FailStep = Step::Link;
    noLink.FailAt = 0;
    EXPECT_TRUE(history.saveScores(prefix, noLink));
    EXPECT_EQ(dir.Read(ScoreFileName), newBytes);
    EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{ScoreFileName});
}

TEST(ScoreFile, SavingScoresTheFileAlreadyHoldsWritesNothing) {
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    const TScoreHistory history = MakeHistory(4, 1);
    FailingOps first;
    ASSERT_TRUE(history.saveScores(prefix, first));
    EXPECT_EQ(first.Calls[static_cast<int>(Step::Create)], 1);
    FailingOps again;
    EXPECT_TRUE(history.saveScores(prefix, again));
    EXPECT_EQ(again.Calls, (std::array<int, static_cast<int>(Step::Count)>{}));
    // Any difference, even of one byte at the end, is written.
    std::string bytes = dir.Read(ScoreFileName);
    bytes.back() ^= 1;
    dir.Write(ScoreFileName, bytes);
    FailingOps changed;
    EXPECT_TRUE(history.saveScores(prefix, changed));
    EXPECT_EQ(changed.Calls[static_cast<int>(Step::Create)], 1);
    EXPECT_EQ(dir.Read(ScoreFileName), history.writeScores());

    // Scores just loaded are in the file already; a new attempt is not.
    TScoreHistory loaded;
    ASSERT_TRUE(loaded.loadScores(prefix));
    FailingOps unchanged;
    EXPECT_TRUE(loaded.saveScores(prefix, unchanged));
    EXPECT_EQ(unchanged.Calls[static_cast<int>(Step::Create)], 0);
    auto attempt = std::make_unique<TScore>();
    attempt->addCorrect(2);
    ASSERT_TRUE(loaded.addAttempt(std::move(attempt)));
    FailingOps grown;
    EXPECT_TRUE(loaded.saveScores(prefix, grown));
    EXPECT_EQ(grown.Calls[static_cast<int>(Step::Create)], 1);
    EXPECT_EQ(dir.Read(ScoreFileName), loaded.writeScores());
}

// A child saves two histories in turn, endlessly, and is killed at varying moments. Whatever
// moment the kill lands on, the file is one of the two histories, whole.
TEST(ScoreFile, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    const TScoreHistory first = MakeHistory(4000, 1);
    const TScoreHistory second = MakeHistory(6000, 2);
    const std::string firstBytes = first.writeScores();
    const std::string secondBytes = second.writeScores();
    ASSERT_TRUE(first.saveScores(prefix));

    std::mt19937 random(20240611);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(8);
    int kills = 0;
    int sawSecond = 0;
    for (; kills < 60 && std::chrono::steady_clock::now() < deadline; ++kills) {
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            for (unsigned i = 0;; ++i)
                (i % 2 == 0 ? second : first).saveScores(prefix);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 25000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string found = dir.Read(ScoreFileName);
        ASSERT_TRUE(found == firstBytes || found == secondBytes)
            << "kill " << kills << " left " << found.size() << " bytes";
        TScoreHistory loaded;
        ASSERT_TRUE(loaded.loadScores(prefix));
        EXPECT_EQ(loaded.size(), found == firstBytes ? first.size() : second.size());
        if (found == secondBytes) ++sawSecond;
    }
    EXPECT_GE(kills, 50);
    // Saves did complete between kills, and some kills landed in the middle of one.
    EXPECT_GT(sawSecond, 0);
    EXPECT_GT(FilesIn(dir.Path()).size(), 1u);
}

} // namespace
} // namespace quillara
