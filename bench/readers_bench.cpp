// Every kind of book file read by the program's own reader, each beside a plain read() of the
// same bytes: the book is the folder named by QUILLARA_BENCH_BOOK (run-all.sh makes the largest
// synth book for it). Each iteration reads the file, builds what the program keeps and frees it.
#include "book/book_files.h"
#include "book/book_properties.h"
#include "book/glossary.h"
#include "book/question.h"
#include "book/topic_pages.h"
#include "quiz/question_set.h"
#include "scores/score_file.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <malloc.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace quillara;
namespace fs = std::filesystem;

// Freed memory stays with the process, as it does in a program that reads its files once: without
// this, every iteration of a reader that frees many small blocks hands its pages back to the
// system and pays for zeroed pages again, while the plain read's one large buffer is reused.
const bool KeepFreedMemory = [] {
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    return true;
}();

fs::path BookDir() {
    const char* dir = std::getenv("QUILLARA_BENCH_BOOK");
    return dir ? fs::path(dir) : fs::path();
}

// What any program pays to have a file's bytes: open, one read of its size, close.
std::string PlainRead(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    struct stat info {};
    std::string bytes;
    if (::fstat(fd, &info) == 0) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        bytes.resize(done);
    }
    ::close(fd);
    return bytes;
}

bool HaveFile(benchmark::State& state, const fs::path& path) {
    if (fs::is_regular_file(path)) return true;
    state.SkipWithError(("no " + path.string() + ": set QUILLARA_BENCH_BOOK to a book").c_str());
    return false;
}

void BM_PlainRead(benchmark::State& state, const char* name) {
    const fs::path path = BookDir() / name;
    if (!HaveFile(state, path)) return;
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = PlainRead(path);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}
BENCHMARK_CAPTURE(BM_PlainRead, QuestionBank, "QUESTION.1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainRead, Glossary, "GLOSSARY.DEF")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainRead, ScoreFile, "SCORES.SAV")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainRead, TopicPages, "TOPICS.1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainRead, BookProperties, "BOOK.DEF")->Unit(benchmark::kMillisecond);

void BM_ReadQuestionBank(benchmark::State& state) {
    if (!HaveFile(state, BookDir() / "QUESTION.1")) return;
    for (auto _ : state) {
        const std::string bytes = ReadBookFile(BookDir(), QuestionBankName(1), MaxQuestionBankSize);
        TByteReader in(bytes, QuestionBankName(1));
        const std::vector<TQuestion> questions = ReadQuestionBank(in);
        benchmark::DoNotOptimize(questions.data());
    }
}
BENCHMARK(BM_ReadQuestionBank)->Unit(benchmark::kMillisecond);

// What a quiz does with a bank: every record looked at where it lies in the bank's bytes, read
// a second time to copy out the ten questions it keeps.
void BM_ReadQuestionBankForQuiz(benchmark::State& state) {
    if (!HaveFile(state, BookDir() / "QUESTION.1")) return;
    const TKindSet kinds = MakeByteSet({qkTrueFalse, qkMultipleChoice});
    const TChapterSet chapters = MakeByteSet({1});
    for (auto _ : state) {
        TTest quiz;
        quiz.BuildSet(BookDir(), 1, kinds, "Quiz", 10, chapters);
        benchmark::DoNotOptimize(quiz.Questions().data());
    }
}
BENCHMARK(BM_ReadQuestionBankForQuiz)->Unit(benchmark::kMillisecond);

void BM_ReadGlossary(benchmark::State& state) {
    if (!HaveFile(state, BookDir() / "GLOSSARY.DEF")) return;
    for (auto _ : state) {
        TGlossary glossary;
        glossary.LoadGlossary(BookDir(), false);
        benchmark::DoNotOptimize(glossary.Entries().data());
    }
}
BENCHMARK(BM_ReadGlossary)->Unit(benchmark::kMillisecond);

void BM_ReadScoreFile(benchmark::State& state) {
    if (!HaveFile(state, BookDir() / ScoreFileName)) return;
    const std::string saveDirectory = BookDir().string() + "/";
    for (auto _ : state) {
        TScoreHistory history;
        if (!history.loadScores(saveDirectory)) state.SkipWithError("the score file did not load");
        benchmark::DoNotOptimize(history.size());
    }
}
BENCHMARK(BM_ReadScoreFile)->Unit(benchmark::kMillisecond);

void BM_ReadTopicPages(benchmark::State& state) {
    if (!HaveFile(state, BookDir() / "TOPICS.1")) return;
    // The pages the window's three topic links show for a chapter.
    const auto book = LoadBookProperties(BookDir(), {});
    std::vector<std::string> titles;
    for (const TChapterTopic& topic : book->Topics)
        titles.push_back(topic.Title);
    for (auto _ : state) {
        const std::vector<std::string> pages = FindTopicTexts(BookDir(), 1, titles);
        benchmark::DoNotOptimize(pages.data());
    }
}
BENCHMARK(BM_ReadTopicPages)->Unit(benchmark::kMillisecond);

void BM_ReadBookProperties(benchmark::State& state) {
    if (!HaveFile(state, BookDir() / "BOOK.DEF")) return;
    for (auto _ : state) {
        const auto book = LoadBookProperties(BookDir(), {});
        benchmark::DoNotOptimize(book.get());
    }
}
BENCHMARK(BM_ReadBookProperties)->Unit(benchmark::kMillisecond);

} // namespace
