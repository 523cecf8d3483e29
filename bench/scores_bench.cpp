#include "scores/score_file.h"
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
            score->description = "Multiple Choice Test Ch 1, " + std::to_string(i % 1000);
            for (int chapter = 1; chapter <= 1 + i % 3; ++chapter) {
                score->addCorrect(static_cast<std::int16_t>(chapter + i % 9));
                score->addIncorrect(static_cast<std::int16_t>(chapter + i % 9));
            }
            built.addAttempt(std::move(score));
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

void BM_SaveScores(benchmark::State& state) {
    const TScoreHistory& history = FullHistory();
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
    const TScoreHistory& history = FullHistory();
    if (!history.saveScores(Prefix())) state.SkipWithError("save failed");
    for (auto _ : state)
        if (!history.saveScores(Prefix())) state.SkipWithError("save failed");
    SetFileCounters(state, history.writeScores().size());
}
BENCHMARK(BM_SaveUnchangedScores)->Unit(benchmark::kMillisecond);

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
