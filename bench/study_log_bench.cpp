// The study log: what logging an answer costs beside saving an attempt's scores, and what opening
// a log of 100,000 reviews and asking it what is due, or for the study overview, costs beside
// reading its file.
#include "core/review/study_log.h"
#include "core/review/study_progress.h"
#include "core/scores/score_file.h"
#include "temp_book_dir.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <iterator>

namespace {

using namespace quillara;
namespace fs = std::filesystem;

// 2026-12-08T09:00:00Z
constexpr std::int64_t Start = 1796720400;
constexpr int ReviewCount = 100000;
constexpr int ItemCount = 10000;

TStudyItemKey Key(int i) {
    return {i % 3 ? "truefalse" : "multichoice", 1 + i % 20, std::to_string(i / 20),
            "0123456789abcdef"};
}

// A log of 100,000 reviews of 10,000 questions over a year, written once as a window would have
// written it (one transaction an answer, which would take minutes; here, one for them all).
const fs::path& LargeLog() {
    static const testing::TempBookDir dir;
    static const bool made = [] {
        { TStudyLog log(dir.Path(), Start * 1000); }
        TSqlite db(dir.Path() / TStudyLog::FileName);
        db.Exec("BEGIN");
        TStatement item(db, "INSERT INTO items(kind, chapter, ref, fingerprint, stability, "
                            "difficulty, state, due, last_review, reps, lapses) "
                            "VALUES (?1, ?2, ?3, ?4, ?5, 5, 2, ?6, ?7, 10, 1)");
        for (int i = 0; i < ItemCount; ++i) {
            const TStudyItemKey key = Key(i);
            item.Bind(key.Kind, key.Chapter, key.Ref, key.Fingerprint, 1.0 + i % 90,
                      IsoTime(Start + (i % 60 - 10) * 86400), IsoTime(Start - (i % 30) * 86400))
                .Run();
        }
        TStatement review(db, "INSERT INTO reviews(item, reviewed_at, rating, correct, answer, "
                              "elapsed_ms, attempt, attempt_started) "
                              "VALUES (?1, ?2, ?3, ?4, 'T', 1500, 'TF/MC Quiz', ?5)");
        for (int i = 0; i < ReviewCount; ++i) {
            const std::int64_t at = (Start - 365 * 86400 + i * 315) * 1000;
            review
                .Bind(1 + i % ItemCount, IsoTimeMs(at), i % 4 ? 3 : 1, i % 4 ? 1 : 0,
                      IsoTimeMs(at - at % 600000))
                .Run();
        }
        db.Exec("COMMIT");
        return true;
    }();
    (void)made;
    return dir.Path();
}

// The baseline of an answer's logging: saving the score file as an attempt ends, 100 attempts in.
void BM_SaveAttemptScores(benchmark::State& state) {
    testing::TempBookDir dir;
    const std::string prefix = dir.Path().string() + "/";
    TScoreHistory history;
    for (int i = 0; i < 100; ++i) {
        auto score = std::make_unique<TScore>();
        score->date = 46000 + i;
        score->setDescription("TF/MC Quiz from chapter 1");
        score->addCorrect(1);
        history.AddAttempt(std::move(score));
    }
    for (auto _ : state) {
        auto score = std::make_unique<TScore>();
        score->date = 47000;
        score->setDescription("TF/MC Quiz from chapter 1");
        score->addIncorrect(1);
        history.AddAttempt(std::move(score));
        benchmark::DoNotOptimize(history.saveScores(prefix));
    }
}
BENCHMARK(BM_SaveAttemptScores)->Unit(benchmark::kMillisecond);

// One answer logged, synced to the disk; the median and the 99th percentile of its own times.
void BM_LogAnswer(benchmark::State& state) {
    testing::TempBookDir dir;
    TStudyLog log(dir.Path(), Start * 1000);
    std::vector<double> times;
    int i = 0;
    for (auto _ : state) {
        TLoggedAnswer answer{Key(i % 200), i % 4 != 0,   "T",          "",
                             1500,         "TF/MC Quiz", Start * 1000, (Start + i) * 1000};
        const auto begin = std::chrono::steady_clock::now();
        log.Record(answer);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                .count());
        ++i;
    }
    std::sort(times.begin(), times.end());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p99_ms"] = times[std::min(times.size() - 1, times.size() * 99 / 100)];
}
BENCHMARK(BM_LogAnswer)->Unit(benchmark::kMillisecond)->Iterations(400);

// The baseline of the large log's rows: reading its file.
void BM_ReadLogBytes(benchmark::State& state) {
    const fs::path file = LargeLog() / TStudyLog::FileName;
    for (auto _ : state) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["file_bytes"] = static_cast<double>(fs::file_size(file));
}
BENCHMARK(BM_ReadLogBytes)->Unit(benchmark::kMillisecond);

// What the window does after its first paint: open the log and count what is due today.
void BM_OpenAndCountDue(benchmark::State& state) {
    const fs::path& folder = LargeLog();
    for (auto _ : state) {
        TStudyLog log(folder, Start * 1000);
        benchmark::DoNotOptimize(log.DueBy(Start + 86400).size());
    }
}
BENCHMARK(BM_OpenAndCountDue)->Unit(benchmark::kMillisecond);

// The study overview's figures from an open log.
void BM_Overview(benchmark::State& state) {
    TStudyLog log(LargeLog(), Start * 1000);
    const std::vector<int> held(20, 500);
    for (auto _ : state) {
        const auto items = log.Items();
        benchmark::DoNotOptimize(ChapterProgress(items, held, Start).size());
        benchmark::DoNotOptimize(DuePerDay(items, Start, 30).size());
        benchmark::DoNotOptimize(DaysStudied(log.AnsweredSince(Start - 83 * 86400), Start, 84));
    }
}
BENCHMARK(BM_Overview)->Unit(benchmark::kMillisecond);

} // namespace
