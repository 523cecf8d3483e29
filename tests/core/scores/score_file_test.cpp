#include "core/io/book_errors.h"
#include "core/scores/file_lock.h"
#include "core/scores/score_file.h"
#include "failing_file_ops.h"
#include "make_score.h"
#include "scripted_random.h"
#include "temp_book_dir.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quillara {
namespace {

using testing::MakeScore;
using testing::TempBookDir;

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
        history.AddAttempt(std::move(score));
    }
    return history;
}

void ExpectSameScore(const TScore& a, const TScore& b) {
    EXPECT_EQ(a.date, b.date);
    EXPECT_EQ(a.description(), b.description());
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
    EXPECT_FALSE(history.AddAttempt(std::make_unique<TScore>()));
    EXPECT_FALSE(history.AddAttempt(nullptr));
    EXPECT_TRUE(history.AddAttempt(MakeScore(1, "Quiz", {{4, 0, 1}})));
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history.at(0).description(), "Quiz");
    EXPECT_THROW(history.at(1), std::out_of_range);
}

TEST(ScoreFile, SaveAndLoadReproduceTheHistory) {
    TempBookDir dir;
    TScoreHistory saved;
    saved.AddAttempt(MakeScore(45123.375, "True/False Quiz Chapter 3   ", {{3, 2, 1}, {1, 0, 4}}));
    saved.AddAttempt(MakeScore(45124.000011574, "Caf\xE9 test", {{12, 9, 0}}));
    saved.AddAttempt(MakeScore(-1.25, std::string(300, 'd'), {{1, 1, 0}}));
    ASSERT_TRUE(saved.saveScores(Prefix(dir)));

    TScoreHistory loaded;
    loaded.AddAttempt(MakeScore(7, "replaced by the file", {{1, 1, 1}}));
    ASSERT_TRUE(loaded.loadScores(Prefix(dir)));
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(loaded.at(0).description(), "True/False Quiz Chapter 3");
    EXPECT_EQ(loaded.at(0).detail(0).chapter, 3);
    EXPECT_EQ(loaded.at(0).detail(1).chapter, 1);
    EXPECT_EQ(loaded.at(1).description(), "Caf\xE9 test");
    EXPECT_EQ(loaded.at(2).description(), std::string(255, 'd'));
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
    history.AddAttempt(MakeScore(1, "kept", {{1, 1, 0}}));
    EXPECT_FALSE(history.loadScores(Prefix(dir)));
    EXPECT_EQ(history.size(), 1u);
}

// Only a zero count with nothing after it is an empty history; a negative count, or bytes after
// the counted records, are damage, which the strict reader names.
TEST(ScoreFile, ZeroOrNegativeCountLoadsAnEmptyHistory) {
    TempBookDir dir;
    const struct {
        std::string Bytes;
        bool Whole;
        const char* Said;
    } cases[] = {
        {std::string("\x00\x00", 2), true, ""},
        {std::string("\x00\x00", 2) + "ignored bytes", false, "13 bytes follow the 0 scores"},
        {std::string("\xFF\xFF", 2), false, "score count -1 at byte 0"},
        {std::string("\x00\x80", 2), false, "score count -32768 at byte 0"},
        {std::string("\xFB\xFF", 2) + MakeHistory(5, 0).writeScores().substr(2), false,
         "score count -5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Said);
        dir.Write(ScoreFileName, c.Bytes);
        TScoreHistory history;
        history.AddAttempt(MakeScore(1, "old", {{1, 1, 0}}));
        EXPECT_EQ(history.loadScores(Prefix(dir)), c.Whole);
        EXPECT_TRUE(history.empty());
        EXPECT_EQ(history.TakeDamagedFile().has_value(), !c.Whole);
        if (c.Whole) {
            EXPECT_NO_THROW(ReadScoreFile(c.Bytes, ScoreFileName));
            continue;
        }
        try {
            ReadScoreFile(c.Bytes, ScoreFileName);
            ADD_FAILURE() << "read as whole";
        } catch (const TBookFileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.Said), std::string::npos) << e.what();
        }
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
    TScoreHistory saved = MakeHistory(2, 0);
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

using testing::FailingOps;
using testing::Step;

TEST(ScoreFile, AFailingStepLeavesTheOldFileByteForByte) {
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    ASSERT_TRUE(MakeHistory(3, 1).saveScores(prefix));
    const std::string oldBytes = dir.Read(ScoreFileName);
    // Large enough to be written in several pieces.
    TScoreHistory history = MakeHistory(5000, 2);

    FailingOps counting;
    ASSERT_TRUE(history.saveScores(prefix, counting));
    const std::string newBytes = dir.Read(ScoreFileName);
    ASSERT_EQ(newBytes, history.writeScores());
    EXPECT_GE(counting.Calls[static_cast<int>(Step::Write)], 3);

    int failures = 0;
    for (Step step : {Step::Create, Step::SetMode, Step::Write, Step::Flush, Step::Close,
                      Step::Rename, Step::syncDirectory}) {
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
    TScoreHistory history = MakeHistory(4, 1);
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
    ASSERT_TRUE(loaded.AddAttempt(std::move(attempt)));
    FailingOps grown;
    EXPECT_TRUE(loaded.saveScores(prefix, grown));
    EXPECT_EQ(grown.Calls[static_cast<int>(Step::Create)], 1);
    EXPECT_EQ(dir.Read(ScoreFileName), loaded.writeScores());
}

// Runs `body` in a child process, whose exit status is what it returns.
pid_t Spawn(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(body());
    return child;
}

int ExitStatus(pid_t child) {
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// Descriptions of the scores after the first `from`.
std::vector<std::string> DescriptionsFrom(const TScoreHistory& history, std::size_t from) {
    std::vector<std::string> descriptions;
    for (std::size_t i = from; i < history.size(); ++i)
        descriptions.emplace_back(history.at(i).description());
    return descriptions;
}

// Checks that the attempts after the first `from` scores are numbered from 0 up, without a gap,
// for each writer: "writer attempt n".
void ExpectEveryAttemptInOrder(const TScoreHistory& history, std::size_t from) {
    std::map<std::string, int> next;
    for (const std::string& description : DescriptionsFrom(history, from)) {
        const std::size_t space = description.rfind(' ');
        ASSERT_NE(space, std::string::npos) << description;
        EXPECT_EQ(std::stoi(description.substr(space + 1)), next[description.substr(0, space)]++)
            << description;
    }
}

// A child adds attempts one save at a time, endlessly, and is killed at varying moments. Whatever
// moment the kill lands on, the file is whole and holds every attempt saved before, in order; and
// the next save removes what the killed ones left beside it.
TEST(ScoreFile, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    TScoreHistory original = MakeHistory(4000, 1);
    ASSERT_TRUE(original.saveScores(prefix));
    const std::string originalRecords = dir.Read(ScoreFileName).substr(2);

    std::mt19937 random(20240611);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(8);
    int kills = 0;
    int leftBehind = 0;
    // What each kill left, loaded: the next child starts from it and begins saving at once.
    TScoreHistory loaded;
    ASSERT_TRUE(loaded.loadScores(prefix));
    for (; kills < 60 && std::chrono::steady_clock::now() < deadline; ++kills) {
        const pid_t child = Spawn([&] {
            for (int i = 0;; ++i) {
                loaded.AddAttempt(MakeScore(
                    kills, "kill " + std::to_string(kills) + " attempt " + std::to_string(i),
                    {{1, 1, 0}}));
                loaded.saveScores(prefix);
            }
            return 0;
        });
        ASSERT_NE(child, -1);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 25000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::size_t before = loaded.size();
        loaded = TScoreHistory();
        ASSERT_TRUE(loaded.loadScores(prefix)) << "kill " << kills;
        ASSERT_GE(loaded.size(), before) << "kill " << kills;
        ASSERT_EQ(dir.Read(ScoreFileName).substr(2, originalRecords.size()), originalRecords);
        ExpectEveryAttemptInOrder(loaded, original.size());
        if (FilesIn(dir.Path()).size() > 1) ++leftBehind;
    }
    EXPECT_GE(kills, 50);
    // Saves did complete between kills, and some kills landed in the middle of one.
    EXPECT_GT(loaded.size(), original.size());
    EXPECT_GT(leftBehind, 0);
    TScoreHistory last;
    ASSERT_TRUE(last.loadScores(prefix));
    last.AddAttempt(MakeScore(1, "last", {{1, 1, 0}}));
    ASSERT_TRUE(last.saveScores(prefix));
    EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{ScoreFileName});
}

// Two windows on one folder, as two processes: each loads the file, then saves after each of its
// 50 attempts, the two in turn or both at once. Every attempt of both ends in the file, each
// window's in its order, after the scores that were there.
TEST(ScoreFile, TwoProcessesSavingOneFileKeepEveryAttempt) {
    for (const bool inTurn : {true, false}) {
        SCOPED_TRACE(inTurn ? "in turn" : "at once");
        TempBookDir dir;
        const std::string prefix = Prefix(dir);
        TScoreHistory base = MakeHistory(10, 3);
        ASSERT_TRUE(base.saveScores(prefix));

        // ready: each window says it has loaded; turn[w]: window w may save.
        int ready[2];
        int turn[2][2];
        ASSERT_EQ(::pipe(ready), 0);
        ASSERT_EQ(::pipe(turn[0]), 0);
        ASSERT_EQ(::pipe(turn[1]), 0);
        std::vector<pid_t> windows;
        for (int w = 0; w < 2; ++w)
            windows.push_back(Spawn([&, w] {
                TScoreHistory history;
                if (!history.loadScores(prefix)) return 1;
                char token = 't';
                if (::write(ready[1], &token, 1) != 1 || ::read(turn[w][0], &token, 1) != 1)
                    return 2;
                for (int i = 0; i < 50; ++i) {
                    if (inTurn && i > 0 && ::read(turn[w][0], &token, 1) != 1) return 3;
                    history.AddAttempt(MakeScore(
                        46000 + i, "window " + std::to_string(w) + " attempt " + std::to_string(i),
                        {{w + 1, 1, 0}}));
                    if (!history.saveScores(prefix)) return 4;
                    if (inTurn && ::write(turn[1 - w][1], &token, 1) != 1) return 5;
                }
                return 0;
            }));
        char token = 'g';
        for (int w = 0; w < 2; ++w)
            ASSERT_EQ(::read(ready[0], &token, 1), 1);
        // In turn, window 0 goes first and window 1 waits for its token; at once, both go.
        ASSERT_EQ(::write(turn[0][1], &token, 1), 1);
        if (!inTurn) ASSERT_EQ(::write(turn[1][1], &token, 1), 1);
        for (pid_t window : windows)
            EXPECT_EQ(ExitStatus(window), 0);
        for (int fd : {ready[0], ready[1], turn[0][0], turn[0][1], turn[1][0], turn[1][1]})
            ::close(fd);

        TScoreHistory loaded;
        ASSERT_TRUE(loaded.loadScores(prefix));
        ASSERT_EQ(loaded.size(), 110u);
        for (std::size_t i = 0; i < base.size(); ++i)
            ExpectSameScore(loaded.at(i), base.at(i));
        ExpectEveryAttemptInOrder(loaded, base.size());
        EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{ScoreFileName});
    }
}

// Two histories on one file, as two windows in one process: a save takes in what the other saved
// since, keeps the scores it already had (views hold them), and writes nothing when the file
// already holds all of its scores.
TEST(ScoreFile, ASaveTakesInWhatAnotherWindowSaved) {
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    ASSERT_TRUE(MakeHistory(3, 0).saveScores(prefix));
    TScoreHistory first;
    TScoreHistory second;
    ASSERT_TRUE(first.loadScores(prefix));
    ASSERT_TRUE(second.loadScores(prefix));
    first.AddAttempt(MakeScore(1, "first 0", {{1, 1, 0}}));
    first.AddAttempt(MakeScore(2, "first 1", {{1, 0, 1}}));
    second.AddAttempt(MakeScore(3, "second 0", {{2, 1, 0}}));
    const TScore* held = &second.at(0);
    const TScore* added = &second.at(3);
    ASSERT_TRUE(first.saveScores(prefix));
    ASSERT_TRUE(second.saveScores(prefix));
    EXPECT_EQ(DescriptionsFrom(second, 3),
              (std::vector<std::string>{"first 0", "first 1", "second 0"}));
    EXPECT_EQ(&second.at(0), held);
    EXPECT_EQ(&second.at(5), added);
    EXPECT_EQ(dir.Read(ScoreFileName), second.writeScores());

    FailingOps counting;
    ASSERT_TRUE(first.saveScores(prefix, counting));
    EXPECT_EQ(counting.Calls[static_cast<int>(Step::Create)], 0);
    EXPECT_EQ(first.writeScores(), second.writeScores());

    // A history that never read the file, and one whose file was removed, lose nothing either.
    TScoreHistory fresh;
    fresh.AddAttempt(MakeScore(4, "fresh", {{3, 1, 0}}));
    ASSERT_TRUE(fresh.saveScores(prefix));
    EXPECT_EQ(fresh.size(), 7u);
    std::filesystem::remove(dir.Path() / ScoreFileName);
    ASSERT_TRUE(second.saveScores(prefix));
    EXPECT_EQ(dir.Read(ScoreFileName), second.writeScores());
    EXPECT_EQ(second.size(), 6u);
}

// Attempts equal in every field (one quiz, one result, one second) are still separate attempts:
// a save adds each of its own to the file, whatever equal ones the file holds, and takes back
// what it saw in the file before but the file has lost.
TEST(ScoreFile, EqualAttemptsAreCountedNotMerged) {
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    const auto same = [] { return MakeScore(46000.5, "Chapter 1 Quiz", {{1, 4, 1}}); };
    const auto other = [] { return MakeScore(46001, "Chapter 2 Quiz", {{2, 1, 0}}); };
    TScoreHistory seed;
    seed.AddAttempt(same());
    ASSERT_TRUE(seed.saveScores(prefix));

    TScoreHistory first;
    TScoreHistory second;
    ASSERT_TRUE(first.loadScores(prefix));
    ASSERT_TRUE(second.loadScores(prefix));
    first.AddAttempt(same());
    second.AddAttempt(same());
    second.AddAttempt(same());
    ASSERT_TRUE(first.saveScores(prefix));
    EXPECT_EQ(first.size(), 2u);
    ASSERT_TRUE(second.saveScores(prefix));
    EXPECT_EQ(second.size(), 4u);
    // The first has nothing new: it takes in the second's and writes nothing.
    FailingOps counting;
    ASSERT_TRUE(first.saveScores(prefix, counting));
    EXPECT_EQ(counting.Calls[static_cast<int>(Step::Create)], 0);
    EXPECT_EQ(first.size(), 4u);
    EXPECT_EQ(ReadScoreFile(dir.Read(ScoreFileName), "x").size(), 4u);

    // The file loses three of the four equal scores the second saw in it: they come back, once
    // each, before its new attempt.
    dir.Write(ScoreFileName, seed.writeScores());
    second.AddAttempt(other());
    ASSERT_TRUE(second.saveScores(prefix));
    const TScoreHistory onDisk = ReadScoreFile(dir.Read(ScoreFileName), "x");
    ASSERT_EQ(onDisk.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i)
        ExpectSameScore(onDisk.at(i), *same());
    ExpectSameScore(onDisk.at(4), *other());
}

// Three windows, as three processes started together, each finish the same quiz with the same
// result in the same second, ten times, saving after each: the file ends with all thirty, and
// the one it had before. Windows either keep their history or read it afresh each time.
TEST(ScoreFile, EqualAttemptsOfSeveralProcessesAreAllSaved) {
    for (const bool keepHistory : {true, false}) {
        SCOPED_TRACE(keepHistory ? "one history per window" : "read afresh each time");
        TempBookDir dir;
        const std::string prefix = Prefix(dir);
        const auto same = [] { return MakeScore(46000.5, "Chapter 1 Quiz", {{1, 4, 1}}); };
        TScoreHistory seed;
        seed.AddAttempt(same());
        ASSERT_TRUE(seed.saveScores(prefix));

        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        std::vector<pid_t> windows;
        for (int w = 0; w < 3; ++w)
            windows.push_back(Spawn([&] {
                char token = 0;
                if (::read(go[0], &token, 1) != 1) return 2;
                TScoreHistory history;
                for (int i = 0; i < 10; ++i) {
                    if (i == 0 || !keepHistory) {
                        history = TScoreHistory();
                        if (!history.loadScores(prefix)) return 3;
                    }
                    history.AddAttempt(same());
                    if (!history.saveScores(prefix)) return 4;
                }
                return 0;
            }));
        ASSERT_EQ(::write(go[1], "ggg", 3), 3);
        for (const pid_t window : windows)
            EXPECT_EQ(ExitStatus(window), 0);
        ::close(go[0]);
        ::close(go[1]);

        TScoreHistory loaded;
        ASSERT_TRUE(loaded.loadScores(prefix));
        ASSERT_EQ(loaded.size(), 31u);
        for (std::size_t i = 0; i < loaded.size(); ++i)
            ExpectSameScore(loaded.at(i), *same());
        EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{ScoreFileName});
    }
}

// A file that did not load completely is kept beside it, under a dated name that no later copy
// takes, before anything replaces it; the student is told once; what could be read is saved.
TEST(ScoreFile, ADamagedFileIsKeptAndToldOfOnce) {
    const std::string whole = MakeHistory(2, 0).writeScores();
    TByteWriter first;
    ReadScoreFile(whole, "x").at(0).write(first);
    const std::size_t second = 2 + first.Bytes().size();
    struct Case {
        std::string bytes;
        std::size_t read;
    };
    const Case cases[] = {
        {whole.substr(0, 7), 0},                           // ends inside the first score
        {whole.substr(0, second + 9), 1},                  // ends inside the second
        {std::string("\x03\x00", 2) + whole.substr(2), 2}, // counts one score too many
        {std::string("\x01\x00", 2) + whole.substr(2), 1}, // counts one score too few
        {whole + "\n", 2},                                 // a byte after the last score
        {std::string("\xFE\xFF", 2) + whole.substr(2), 0}, // a negative count
    };
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    const testing::FakeClock clock(45000.5);
    const std::string dated = (dir.Path() / "SCORES.SAV.damaged-2023-03-15-120000").string();
    for (std::size_t c = 0; c < std::size(cases); ++c) {
        SCOPED_TRACE(c);
        dir.Write(ScoreFileName, cases[c].bytes);
        TScoreHistory history;
        EXPECT_FALSE(history.loadScores(prefix));
        EXPECT_EQ(history.size(), cases[c].read);
        const auto damaged = history.TakeDamagedFile();
        ASSERT_TRUE(damaged);
        EXPECT_EQ(damaged->Path, (dir.Path() / ScoreFileName).string());
        const std::string kept = c == 0 ? dated : dated + "-" + std::to_string(c + 1);
        EXPECT_EQ(damaged->KeptAs, kept);
        EXPECT_EQ(damaged->ScoresRead, cases[c].read);
        EXPECT_FALSE(history.TakeDamagedFile());
        // A second look before any save finds the same copy.
        TScoreHistory again;
        again.loadScores(prefix);
        EXPECT_EQ(again.TakeDamagedFile().value().KeptAs, kept);

        history.AddAttempt(MakeScore(9, "after", {{1, 1, 0}}));
        ASSERT_TRUE(history.saveScores(prefix));
        ASSERT_TRUE(history.saveScores(prefix));
        EXPECT_FALSE(history.TakeDamagedFile());
        EXPECT_EQ(dir.Read(ScoreFileName), history.writeScores());
        EXPECT_EQ(history.size(), cases[c].read + 1);
        for (std::size_t k = 0; k <= c; ++k)
            EXPECT_EQ(TempBookDir::ReadFile(k == 0 ? dated : dated + "-" + std::to_string(k + 1)),
                      cases[k].bytes);
    }

    // A file damaged while the program runs is kept by the save that finds it.
    TScoreHistory running;
    ASSERT_TRUE(running.loadScores(prefix));
    running.AddAttempt(MakeScore(10, "running", {{1, 1, 0}}));
    dir.Write(ScoreFileName, cases[1].bytes);
    ASSERT_TRUE(running.saveScores(prefix));
    const auto damaged = running.TakeDamagedFile();
    ASSERT_TRUE(damaged);
    const std::string keptLast = dated + "-" + std::to_string(std::size(cases) + 1);
    EXPECT_EQ(damaged->KeptAs, keptLast);
    EXPECT_EQ(TempBookDir::ReadFile(keptLast), cases[1].bytes);
    EXPECT_EQ(dir.Read(ScoreFileName), running.writeScores());
}

// Where no copy can be made, the damaged file is not replaced, and the student is told so once.
TEST(ScoreFile, ADamagedFileThatCannotBeKeptIsNotReplaced) {
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    const std::string damaged = MakeHistory(2, 0).writeScores().substr(0, 30);
    dir.Write(ScoreFileName, damaged);
    FailingOps noCopy;
    noCopy.FailAlways = {Step::Link, Step::Create};
    TScoreHistory history;
    EXPECT_FALSE(history.loadScores(prefix, noCopy));
    const auto told = history.TakeDamagedFile();
    ASSERT_TRUE(told);
    EXPECT_TRUE(told->KeptAs.empty());
    history.AddAttempt(MakeScore(9, "after", {{1, 1, 0}}));
    EXPECT_FALSE(history.saveScores(prefix, noCopy));
    EXPECT_FALSE(history.TakeDamagedFile());
    EXPECT_EQ(dir.Read(ScoreFileName), damaged);
    EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{ScoreFileName});

    ASSERT_TRUE(history.saveScores(prefix));
    EXPECT_FALSE(history.TakeDamagedFile().value().KeptAs.empty());
    EXPECT_EQ(dir.Read(ScoreFileName), history.writeScores());
}

// A file larger than any score file is refused unread and goes the way of a damaged one: kept
// aside before a save replaces it, and never replaced where it cannot be kept.
TEST(ScoreFile, AFileLargerThanAnyScoreFileIsRefusedUnreadAndKept) {
    constexpr std::uintmax_t Oversize = MaxScoreFileSize + 1;
    const std::string said = std::to_string(Oversize) + " bytes, more than the " +
                             std::to_string(MaxScoreFileSize) + " bytes";
    for (const bool keepable : {true, false}) {
        SCOPED_TRACE(keepable ? "kept" : "cannot be kept");
        TempBookDir dir;
        const std::string prefix = Prefix(dir);
        const auto file = dir.WriteSparse(ScoreFileName, Oversize);
        FailingOps noCopy;
        noCopy.FailAlways = {Step::Link, Step::Create};
        TSaveFileOps& files = keepable ? PosixSaveFileOps() : noCopy;

        TScoreHistory history;
        EXPECT_FALSE(history.loadScores(prefix, files));
        EXPECT_TRUE(history.empty());
        const auto told = history.TakeDamagedFile();
        ASSERT_TRUE(told);
        EXPECT_EQ(told->Path, file.string());
        EXPECT_EQ(told->ScoresRead, 0u);
        EXPECT_NE(told->Refused.find("\"" + file.string() + "\" is " + said), std::string::npos)
            << told->Refused;
        EXPECT_EQ(told->KeptAs.empty(), !keepable);

        history.AddAttempt(MakeScore(9, "after", {{1, 1, 0}}));
        EXPECT_EQ(history.saveScores(prefix, files), keepable);
        if (keepable) {
            EXPECT_EQ(dir.Read(ScoreFileName), history.writeScores());
            EXPECT_EQ(std::filesystem::file_size(told->KeptAs), Oversize);
        } else {
            EXPECT_EQ(std::filesystem::file_size(file), Oversize);
            EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{ScoreFileName});
        }
    }
}

// A score file that is a link is written through to the file it names, and the new file keeps
// the old one's permission bits.
TEST(ScoreFile, ALinkIsWrittenThroughAndTheFileKeepsItsPermissions) {
    TempBookDir dir;
    const std::string target = (dir.Path() / "kept" / "scores.bin").string();
    struct Case {
        std::vector<std::string> links; // SCORES.SAV first, each naming the next; last: target
        mode_t mode;
    };
    const Case cases[] = {
        {{}, 0600},
        {{"kept/scores.bin"}, 0600},
        {{target}, 0640},
        {{"middle", "kept/scores.bin"}, 0604},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.links.size());
        std::filesystem::remove_all(dir.Path());
        std::filesystem::create_directories(dir.Path() / "kept");
        const std::string file = c.links.empty() ? (dir.Path() / ScoreFileName).string() : target;
        std::string from = ScoreFileName;
        for (const std::string& to : c.links) {
            std::filesystem::create_symlink(to, dir.Path() / from);
            from = to;
        }
        TScoreHistory old = MakeHistory(2, 0);
        dir.Write(c.links.empty() ? ScoreFileName : "kept/scores.bin", old.writeScores());
        ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);

        TScoreHistory history;
        ASSERT_TRUE(history.loadScores(Prefix(dir)));
        history.AddAttempt(MakeScore(9, "new", {{1, 1, 0}}));
        ASSERT_TRUE(history.saveScores(Prefix(dir)));
        EXPECT_EQ(TempBookDir::ReadFile(file), history.writeScores());
        EXPECT_EQ(std::filesystem::is_symlink(dir.Path() / ScoreFileName), !c.links.empty());
        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
        EXPECT_EQ(FilesIn(dir.Path() / "kept").size(), c.links.empty() ? 0u : 1u);
    }

    // A link to a file not made yet is written through too.
    std::filesystem::remove(target);
    TScoreHistory history = MakeHistory(1, 0);
    ASSERT_TRUE(history.saveScores(Prefix(dir)));
    EXPECT_EQ(TempBookDir::ReadFile(target), history.writeScores());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / ScoreFileName));
}

// A save removes what saves of processes that no longer run left beside the file, and nothing else.
TEST(ScoreFile, ASaveRemovesWhatEndedProcessesLeft) {
    TempBookDir dir;
    const pid_t ended = Spawn([] { return 0; });
    ASSERT_EQ(ExitStatus(ended), 0);
    const pid_t running = Spawn([] {
        ::pause();
        return 0;
    });
    const std::string gone = std::to_string(ended);
    const std::string alive = std::to_string(running);
    const std::set<std::string> removed = {"SCORES.SAV.new-" + gone + "-0",
                                           "SCORES.SAV.old-" + gone + "-12"};
    const std::set<std::string> left = {
        "SCORES.SAV.new-" + alive + "-1", "SCORES.SAV.old-" + alive + "-2",
        "SCORES.SAV.new-" + gone,         "SCORES.SAV.new-" + gone + "-1-2",
        "SCORES.SAV.new--" + gone + "-1", "SCORES.SAV.damaged-2023-03-15-120000",
        "OTHER.SAV.new-" + gone + "-0",   ScoreFileName};
    for (const auto& names : {removed, left})
        for (const std::string& name : names)
            dir.Write(name, "x");
    dir.Write(ScoreFileName, MakeHistory(1, 0).writeScores());

    TScoreHistory history;
    ASSERT_TRUE(history.loadScores(Prefix(dir)));
    history.AddAttempt(MakeScore(9, "new", {{1, 1, 0}}));
    ASSERT_TRUE(history.saveScores(Prefix(dir)));
    EXPECT_EQ(FilesIn(dir.Path()), left);
    ::kill(running, SIGKILL);
    ::waitpid(running, nullptr, 0);
}

// A save waits while another program holds the lock, and goes on once it is let go; a lock file
// nobody holds any more is no obstacle.
TEST(ScoreFile, ASaveWaitsForTheLock) {
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    const std::string path = prefix + ScoreFileName;
    ASSERT_TRUE(MakeHistory(3, 0).saveScores(prefix));
    const std::string before = dir.Read(ScoreFileName);

    TFileLock held;
    ASSERT_TRUE(held.Take(path));
    TFileLock waiting;
    EXPECT_FALSE(waiting.Take(path, std::chrono::milliseconds(30)));
    const pid_t saver = Spawn([&] {
        TScoreHistory history;
        history.loadScores(prefix);
        history.AddAttempt(MakeScore(9, "waited", {{1, 1, 0}}));
        return history.saveScores(prefix) ? 0 : 1;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(::waitpid(saver, nullptr, WNOHANG), 0);
    EXPECT_EQ(dir.Read(ScoreFileName), before);
    held.release();
    EXPECT_EQ(ExitStatus(saver), 0);
    TScoreHistory loaded;
    ASSERT_TRUE(loaded.loadScores(prefix));
    EXPECT_EQ(loaded.size(), 4u);
    EXPECT_EQ(FilesIn(dir.Path()), std::set<std::string>{ScoreFileName});

    dir.Write("SCORES.SAV.lock", "");
    EXPECT_TRUE(waiting.Take(path, std::chrono::milliseconds(30)));
    waiting.release();

    // A FIFO under the lock's name is no lock: refused at once, and left there.
    ASSERT_EQ(::mkfifo((path + ".lock").c_str(), 0600), 0);
    const std::string saved = dir.Read(ScoreFileName);
    ::alarm(20);
    EXPECT_FALSE(waiting.Take(path, std::chrono::milliseconds(30)));
    EXPECT_EQ(errno, EINVAL);
    TScoreHistory blocked = MakeHistory(1, 7);
    EXPECT_FALSE(blocked.saveScores(prefix));
    ::alarm(0);
    EXPECT_TRUE(std::filesystem::is_fifo(path + ".lock"));
    EXPECT_EQ(dir.Read(ScoreFileName), saved);
}

// A loaded score views the bytes its history read, and one taken in at a save a copy the history
// keeps: neither goes with the file it came from, nor moves when merges reorder the history.
TEST(ScoreFile, ScoresHeldAcrossMergesKeepTheirTexts) {
    TempBookDir dir;
    const std::string prefix = Prefix(dir);
    ASSERT_TRUE(MakeHistory(3, 0).saveScores(prefix));
    TScoreHistory mine;
    TScoreHistory other;
    ASSERT_TRUE(mine.loadScores(prefix));
    ASSERT_TRUE(other.loadScores(prefix));
    other.AddAttempt(MakeScore(10, "the other's, also mine", {{1, 1, 0}}));
    other.AddAttempt(MakeScore(11, "the other's only", {{2, 0, 1}, {3, 1, 0}}));
    ASSERT_TRUE(other.saveScores(prefix));
    mine.AddAttempt(MakeScore(12, "mine only", {{1, 0, 1}}));
    // Equal to one the file now holds, yet an attempt of its own: both are kept.
    mine.AddAttempt(MakeScore(10, "the other's, also mine", {{1, 1, 0}}));
    std::vector<const TScore*> held;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        held.push_back(&mine.at(i));
        texts.emplace_back(mine.at(i).description());
    }

    ASSERT_TRUE(mine.saveScores(prefix));
    ASSERT_EQ(mine.size(), 7u);
    EXPECT_EQ(&mine.at(5), held[3]);
    EXPECT_EQ(&mine.at(6), held[4]);
    // Another save replaces the file whose bytes the first three were read from.
    other.AddAttempt(MakeScore(13, "the other's again", {{1, 1, 1}}));
    ASSERT_TRUE(other.saveScores(prefix));
    ASSERT_TRUE(mine.saveScores(prefix));

    ASSERT_EQ(mine.size(), 8u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(&mine.at(i), held[i]);
    for (std::size_t i = 0; i < held.size(); ++i)
        EXPECT_EQ(held[i]->description(), texts[i]);
    EXPECT_EQ(DescriptionsFrom(mine, 3),
              (std::vector<std::string>{"the other's, also mine", "the other's only", "mine only",
                                        "the other's, also mine", "the other's again"}));
    ASSERT_EQ(mine.at(4).detailCount(), 2);
    EXPECT_EQ(mine.at(4).detail(1).chapter, 3);
    EXPECT_EQ(dir.Read(ScoreFileName), mine.writeScores());
    EXPECT_EQ(mine.writeScores(), other.writeScores());
}

// A file short enough to fit inside a string object is still viewed where it stays.
TEST(ScoreFile, AHistoryMovedKeepsItsScoresTexts) {
    TScoreHistory history = ReadScoreFile(
        std::string("\x01\x00\x00\x00", 4) + std::string(8, '\0') + "\x02hi", ScoreFileName);
    const TScoreHistory moved = std::move(history);
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved.at(0).description(), "hi");
    EXPECT_EQ(moved.at(0).detailCount(), 0);
}

} // namespace
} // namespace quillara
