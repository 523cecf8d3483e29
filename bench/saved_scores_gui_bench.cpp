// The saved scores view shown on the largest history a score file can hold, and one resize of it,
// beside the same with ten scores.
#include "core/platform/regional_settings.h"
#include "core/scores/score_file.h"
#include "gui/scores/view_score_frame.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace quillara;
using quillara::gui::TViewScoreFrame;

// Scores of one to three chapters with the descriptions quizzes and tests give, a day apart.
std::unique_ptr<TScoreHistory> History(int count) {
    auto history = std::make_unique<TScoreHistory>();
    const char* const kinds[] = {"True False Quiz", "Multiple Choice Quiz", "TF/MC Test"};
    for (int i = 0; i < count; ++i) {
        auto score = std::make_unique<TScore>();
        score->date = 40000 + i;
        const int chapter = 1 + i % 20;
        score->setDescription(std::string(kinds[i % 3]) + " from chapter " +
                              std::to_string(chapter));
        for (int c = 0; c <= i % 3; ++c) {
            for (int k = 0; k < 1 + (i + c) % 9; ++k)
                score->addCorrect(static_cast<std::int16_t>(chapter + c));
            score->addIncorrect(static_cast<std::int16_t>(chapter + c));
        }
        history->AddAttempt(std::move(score));
    }
    return history;
}

struct Fixture {
    explicit Fixture(int count) : Scores(History(count)), View(Regional) {
        View.SetScoreList(Scores.get());
        View.resize(600, 500);
    }
    TRegionalSettings Regional;
    std::unique_ptr<TScoreHistory> Scores;
    TViewScoreFrame View;
};

// Shows the view afresh, as choosing "View saved scores" does, and paints it.
void BM_ShowSavedScores(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        fixture.View.hide();
        fixture.View.ShowScores();
        fixture.View.repaint();
    }
    if (fixture.View.findChild<QTableView*>("ScoreGrid")->model()->rowCount() != state.range(0))
        state.SkipWithError("the grid does not hold every score");
}
BENCHMARK(BM_ShowSavedScores)->Arg(10)->Arg(MaxScoreCount)->Unit(benchmark::kMillisecond);

// One resize of the shown view, with its repaint.
void BM_ResizeSavedScores(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)));
    fixture.View.ShowScores();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        fixture.View.resize(wide ? 800 : 600, 500);
        fixture.View.repaint();
    }
}
BENCHMARK(BM_ResizeSavedScores)->Arg(10)->Arg(MaxScoreCount)->Unit(benchmark::kMillisecond);

} // namespace
