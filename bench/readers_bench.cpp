// Every kind of book file read by the program's own reader, each beside a plain read() of the
// same bytes: the book is the folder named by QUILLARA_BENCH_BOOK (run-all.sh makes the largest
// synth book for it). Each iteration reads the file, builds what the program keeps and frees it.
#include "core/book/book_files.h"
#include "core/book/book_properties.h"
#include "core/book/glossary.h"
#include "core/book/question.h"
#include "core/book/topic_pages.h"
#include "core/quiz/question_set.h"
#include "core/scores/score_file.h"

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

// The least any reader of these formats does: following the length fields from text to text,
// bounds checked, keeping nothing. Each text's place depends on the length before it, a chain of
// dependent loads that no reader of the format can shorten.
class TLengthWalk {
public:
    explicit TLengthWalk(std::string_view bytes) : Bytes(bytes) {}
    unsigned Byte() { return Pos < Bytes.size() ? static_cast<unsigned char>(Bytes[Pos++]) : 0; }
    unsigned Word() {
        if (Bytes.size() - Pos < 2) return Pos = Bytes.size(), 0;
        const auto* p = reinterpret_cast<const unsigned char*>(Bytes.data() + Pos);
        Pos += 2;
        return p[0] | p[1] << 8;
    }
    void Skip(std::size_t n) { Pos = std::min(Pos + n, Bytes.size()); }
    void Seek(std::size_t position) { Pos = position; }
    std::size_t Position() const { return Pos; }

private:
    std::string_view Bytes;
    std::size_t Pos = 0;
};

void WalkQuestionBank(TLengthWalk& walk) {
    for (unsigned i = 0, count = walk.Word(); i < count; ++i) {
        const std::size_t start = walk.Position();
        const bool marked =
            walk.Byte() == 3 && walk.Byte() == 'Q' && walk.Byte() == 'T' && walk.Byte() == '!';
        if (marked)
            walk.Skip(1); // the version
        else
            walk.Seek(start);
        walk.Skip(walk.Word()); // text
        walk.Skip(walk.Word()); // explanation
        walk.Skip(2);           // answer, choice count
        const unsigned kind = walk.Byte();
        for (unsigned terms = walk.Byte(); terms > 0; --terms)
            walk.Skip(walk.Byte());
        if (kind == qkWordProblem) {
            walk.Skip(walk.Word()); // formula
            if (marked) walk.Skip(10);
        }
    }
}

void WalkGlossary(TLengthWalk& walk) {
    for (unsigned i = 0, count = walk.Word(); i < count; ++i)
        for (int text = 0; text < 4; ++text)
            walk.Skip(walk.Word());
}

void WalkScoreFile(TLengthWalk& walk) {
    for (unsigned i = 0, count = walk.Word(); i < count; ++i) {
        const unsigned details = walk.Word();
        walk.Skip(8); // the date
        walk.Skip(walk.Byte());
        walk.Skip(6 * static_cast<std::size_t>(details));
    }
}

void BM_WalkLengths(benchmark::State& state, const char* name, void (*walkFile)(TLengthWalk&)) {
    const fs::path path = BookDir() / name;
    if (!HaveFile(state, path)) return;
    for (auto _ : state) {
        const std::string bytes = PlainRead(path);
        TLengthWalk walk(bytes);
        walkFile(walk);
        benchmark::DoNotOptimize(walk.Position());
    }
}
BENCHMARK_CAPTURE(BM_WalkLengths, QuestionBank, "QUESTION.1", WalkQuestionBank)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WalkLengths, Glossary, "GLOSSARY.DEF", WalkGlossary)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WalkLengths, ScoreFile, "SCORES.SAV", WalkScoreFile)
    ->Unit(benchmark::kMillisecond);

// How the program reads a bank for a quiz or test: every record's fields seen where they lie.
void BM_ReadQuestionBank(benchmark::State& state) {
    if (!HaveFile(state, BookDir() / "QUESTION.1")) return;
    for (auto _ : state) {
        const std::string bytes = ReadBookFile(BookDir(), QuestionBankName(1), MaxQuestionBankSize);
        TByteReader in(bytes, QuestionBankName(1));
        std::size_t words = 0;
        for (int i = 0, count = in.ReadInt16("question count"); i < count; ++i)
            words += ReadQuestionFields(in).Kind == qkWordProblem;
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(BM_ReadQuestionBank)->Unit(benchmark::kMillisecond);

// Every question of a bank copied out, as the tool's dump does.
void BM_ReadQuestionBankCopies(benchmark::State& state) {
    if (!HaveFile(state, BookDir() / "QUESTION.1")) return;
    for (auto _ : state) {
        const std::string bytes = ReadBookFile(BookDir(), QuestionBankName(1), MaxQuestionBankSize);
        TByteReader in(bytes, QuestionBankName(1));
        const std::vector<TQuestion> questions = ReadQuestionBank(in);
        benchmark::DoNotOptimize(questions.data());
    }
}
BENCHMARK(BM_ReadQuestionBankCopies)->Unit(benchmark::kMillisecond);

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
