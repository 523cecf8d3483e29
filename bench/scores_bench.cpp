#include "core/scores/file_replace.h"
#include "core/scores/score_file.h"
#include "temp_book_dir.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace quillara;

// The fullest history the file can hold, shaped like real attempts: one to three chapters and a
// description of about 30 characters.
const TScoreHistory& FullHistory() {
    static const TScoreHistory history = [] {
        TScoreHistory built;
        for (int i = 0; i < MaxScoreCount; ++i) {
            auto score = std::make_unique<TScore>();
            score->date = 44000.0 + i * 0.013;
            score->setDescription("Multiple Choice Test Ch 1, " + std::to_string(i % 1000));
            for (int chapter = 1; chapter <= 1 + i % 3; ++chapter) {
                score->addCorrect(static_cast<std::int16_t>(chapter + i % 9));
                score->addIncorrect(static_cast<std::int16_t>(chapter + i % 9));
            }
            built.AddAttempt(std::move(score));
        }
        return built;
    }();
    return history;
}

const testing::TempBookDir& Dir() {
    static const testing::TempBookDir dir;
    return dir;
}

std::string Prefix() {
    return Dir().Path().string() + "/";
}

void SetFileCounters(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

// A history that may be saved: the full one, read back from its bytes.
TScoreHistory SavableHistory() {
    return ReadScoreFile(FullHistory().writeScores(), ScoreFileName);
}

void BM_SaveScores(benchmark::State& state) {
    TScoreHistory history = SavableHistory();
    for (auto _ : state) {
        // A save that finds its scores already in the file writes nothing: start from none.
        state.PauseTiming();
        std::filesystem::remove(Prefix() + ScoreFileName);
        state.ResumeTiming();
        if (!history.saveScores(Prefix())) state.SkipWithError("save failed");
    }
    SetFileCounters(state, history.writeScores().size());
}
BENCHMARK(BM_SaveScores)->Unit(benchmark::kMillisecond);

void BM_SaveUnchangedScores(benchmark::State& state) {
    TScoreHistory history = SavableHistory();
    if (!history.saveScores(Prefix())) state.SkipWithError("save failed");
    for (auto _ : state)
        if (!history.saveScores(Prefix())) state.SkipWithError("save failed");
    SetFileCounters(state, history.writeScores().size());
}
BENCHMARK(BM_SaveUnchangedScores)->Unit(benchmark::kMillisecond);

// The rows below save one new attempt into a file of all but two of the scores the file can
// count (room for one more from another window). Each iteration starts from that file, loaded.
std::unique_ptr<TScore> NewAttempt(const std::string& description) {
    auto score = std::make_unique<TScore>();
    score->date = 45000.5;
    score->setDescription(description);
    score->addCorrect(1);
    return score;
}

const std::string& BaseFile() {
    static const std::string bytes = [] {
        TScoreHistory base = SavableHistory();
        TByteWriter out;
        out.WriteInt16(static_cast<std::int16_t>(MaxScoreCount - 2));
        for (int i = 0; i < MaxScoreCount - 2; ++i)
            base.at(static_cast<std::size_t>(i)).write(out);
        return out.Take();
    }();
    return bytes;
}

// Puts the base file in place, loads it and adds this window's attempt, off the clock; the
// history of the previous iteration is freed there too. A history that loads the file holds it
// open, so the old file is freed by the save that replaces it; `held` false reads the same
// scores without holding the file, as the history did before, when the rename freed it.
void StartIteration(benchmark::State& state, TScoreHistory& history, bool held = true) {
    state.PauseTiming();
    const std::string path = Prefix() + ScoreFileName;
    if (!ReplaceFile(path, BaseFile(), PosixSaveFileOps())) state.SkipWithError("setup failed");
    history = TScoreHistory();
    if (held ? !history.loadScores(Prefix()) : !history.readScores(BaseFile(), path))
        state.SkipWithError("load failed");
    history.AddAttempt(NewAttempt("this window"));
}

// Baseline: the save as it was before the lock and the change check: the history's bytes and
// the atomic replace of the file.
void BM_BaselineSaveWithoutLock(benchmark::State& state) {
    const std::string path = Prefix() + ScoreFileName;
    TScoreHistory history;
    for (auto _ : state) {
        StartIteration(state, history, false);
        state.ResumeTiming();
        if (!ReplaceFile(path, history.writeScores(), PosixSaveFileOps()))
            state.SkipWithError("save failed");
    }
    SetFileCounters(state, BaseFile().size());
}
BENCHMARK(BM_BaselineSaveWithoutLock)->Unit(benchmark::kMillisecond);

// The save as the window does it: the lock, the look for leftovers, the change check that finds
// the file as this window loaded it, then the same bytes and replace.
void BM_SaveNewAttempt(benchmark::State& state) {
    TScoreHistory history;
    for (auto _ : state) {
        StartIteration(state, history);
        state.ResumeTiming();
        if (!history.saveScores(Prefix())) state.SkipWithError("save failed");
    }
    SetFileCounters(state, BaseFile().size());
}
BENCHMARK(BM_SaveNewAttempt)->Unit(benchmark::kMillisecond);

// Another window saved an attempt since this one loaded: the save reads the file again and
// takes that attempt in before writing.
void BM_SaveAfterAnotherWindow(benchmark::State& state) {
    const std::string path = Prefix() + ScoreFileName;
    TScoreHistory other = ReadScoreFile(BaseFile(), ScoreFileName);
    other.AddAttempt(NewAttempt("the other window"));
    const std::string otherBytes = other.writeScores();
    TScoreHistory history;
    for (auto _ : state) {
        StartIteration(state, history);
        if (!ReplaceFile(path, otherBytes, PosixSaveFileOps())) state.SkipWithError("setup failed");
        state.ResumeTiming();
        if (!history.saveScores(Prefix()) || history.size() != other.size() + 1)
            state.SkipWithError("save failed");
    }
    SetFileCounters(state, BaseFile().size());
}
BENCHMARK(BM_SaveAfterAnotherWindow)->Unit(benchmark::kMillisecond);

void BM_LoadScores(benchmark::State& state) {
    const std::string bytes = FullHistory().writeScores();
    Dir().Write(ScoreFileName, bytes);
    for (auto _ : state) {
        TScoreHistory loaded;
        if (!loaded.loadScores(Prefix())) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded.size());
    }
    SetFileCounters(state, bytes.size());
}
BENCHMARK(BM_LoadScores)->Unit(benchmark::kMillisecond);

// The in-memory halves of the two above, to show where the time goes.
void BM_WriteScoreBytes(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(FullHistory().writeScores());
}
BENCHMARK(BM_WriteScoreBytes)->Unit(benchmark::kMillisecond);

void BM_ReadScoreBytes(benchmark::State& state) {
    const std::string bytes = FullHistory().writeScores();
    for (auto _ : state) {
        TScoreHistory loaded;
        benchmark::DoNotOptimize(loaded.readScores(bytes, "SCORES.SAV"));
    }
}
BENCHMARK(BM_ReadScoreBytes)->Unit(benchmark::kMillisecond);

// Baselines: the same number of bytes as one plain buffer.
void BM_BaselineOfstreamWrite(benchmark::State& state) {
    const std::string bytes = FullHistory().writeScores();
    const auto path = Dir().Path() / "baseline.bin";
    for (auto _ : state) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) state.SkipWithError("write failed");
    }
    SetFileCounters(state, bytes.size());
}
BENCHMARK(BM_BaselineOfstreamWrite)->Unit(benchmark::kMillisecond);

// The plain write plus the fsync that a save which survives a crash cannot do without.
void BM_BaselineWriteFsync(benchmark::State& state) {
    const std::string bytes = FullHistory().writeScores();
    const std::string path = (Dir().Path() / "baseline.bin").string();
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        const bool ok =
            fd >= 0 &&
            ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
            ::fsync(fd) == 0;
        if (fd >= 0) ::close(fd);
        if (!ok) state.SkipWithError("write failed");
    }
    SetFileCounters(state, bytes.size());
}
BENCHMARK(BM_BaselineWriteFsync)->Unit(benchmark::kMillisecond);

void BM_BaselineIfstreamRead(benchmark::State& state) {
    const std::string bytes = FullHistory().writeScores();
    const auto path = Dir().Write("baseline.bin", bytes);
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string read(bytes.size(), '\0');
        in.read(read.data(), static_cast<std::streamsize>(read.size()));
        if (!in) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(read.data());
    }
    SetFileCounters(state, bytes.size());
}
BENCHMARK(BM_BaselineIfstreamRead)->Unit(benchmark::kMillisecond);

} // namespace
