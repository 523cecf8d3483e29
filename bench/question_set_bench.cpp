// Building a test over the largest book there can be: 255 chapters whose banks hold 32,767
// questions each. Reading the banks' bytes alone is the baseline the build is measured against.
#include "core/book/book_files.h"
#include "core/book/question.h"
#include "core/platform/random_source.h"
#include "core/quiz/question_set.h"
#include "temp_book_dir.h"

#include <benchmark/benchmark.h>

namespace quillara {
namespace {

constexpr int Chapters = 255;
constexpr int QuestionsPerBank = 32767;

// Written once, on first use, and removed when the program ends. Texts stay short so that the
// 255 banks take about 150 MB.
const testing::TempBookDir& LargestBook() {
    static const testing::TempBookDir dir;
    static const bool written = [] {
        std::vector<TQuestion> questions(QuestionsPerBank);
        for (int i = 0; i < QuestionsPerBank; ++i) {
            TQuestion& q = questions[static_cast<std::size_t>(i)];
            q.Text = "Q" + std::to_string(i);
            q.Kind = i % 10 == 9 ? qkWordProblem : i % 2 ? qkTrueFalse : qkMultipleChoice;
            q.Answer = q.Kind == qkTrueFalse ? 'T' : 'B';
            q.ChoiceCount = q.Kind == qkMultipleChoice ? 4 : 0;
            q.RecordVersion = i % 3 ? 2 : 1;
            if (q.Kind == qkWordProblem) q.Formula = "a*b";
        }
        const std::string bank = WriteQuestionBank(questions);
        for (int c = 1; c <= Chapters; ++c)
            dir.Write(QuestionBankName(c), bank);
        return true;
    }();
    (void)written;
    return dir;
}

TChapterSet FirstChapters(int count) {
    TChapterSet chapters;
    for (int c = 1; c <= count; ++c)
        chapters.set(static_cast<std::size_t>(c));
    return chapters;
}

void BM_ReadAllBankBytes(benchmark::State& state) {
    const auto& book = LargestBook();
    const int chapters = static_cast<int>(state.range(0));
    std::int64_t bytes = 0;
    for (auto _ : state) {
        for (int c = 1; c <= chapters; ++c) {
            const std::string bank =
                ReadBookFile(book.Path(), QuestionBankName(c), MaxQuestionBankSize);
            bytes += static_cast<std::int64_t>(bank.size());
            benchmark::DoNotOptimize(bank.data());
        }
    }
    state.SetBytesProcessed(bytes);
}

void BM_BuildSet(benchmark::State& state) {
    const auto& book = LargestBook();
    const int chapters = static_cast<int>(state.range(0));
    TSeededRandom random(2024);
    SetProgramRandom(&random);
    const TKindSet kinds = MakeByteSet({qkMultipleChoice, qkTrueFalse});
    for (auto _ : state) {
        TTest test;
        const std::string title =
            test.BuildSet(book.Path(), Chapters, kinds, "TF/MC Test", 100, FirstChapters(chapters));
        if (test.Count() != 100) state.SkipWithError("the test does not hold 100 questions");
        benchmark::DoNotOptimize(title.data());
    }
    SetProgramRandom(nullptr);
}

// The same test built by loading every chapter whole and trimming afterwards, for comparison.
void BM_LoadEveryChapterThenTrim(benchmark::State& state) {
    const auto& book = LargestBook();
    const int chapters = static_cast<int>(state.range(0));
    TSeededRandom random(2024);
    SetProgramRandom(&random);
    const TKindSet kinds = MakeByteSet({qkMultipleChoice, qkTrueFalse});
    for (auto _ : state) {
        TTest test;
        for (int c = 1; c <= chapters; ++c)
            test.LoadChapter(book.Path(), c, kinds);
        test.TrimTo(100);
        test.Shuffle();
        benchmark::DoNotOptimize(test.Questions().data());
    }
    SetProgramRandom(nullptr);
}

BENCHMARK(BM_ReadAllBankBytes)->Arg(Chapters)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildSet)->Arg(Chapters)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadEveryChapterThenTrim)->Arg(32)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillara
