// One keystroke in the glossary view's search box over the largest glossary a book can hold,
// beside the bare scan of the same upper-cased terms.
#include "gui/glossary/glossary_box.h"
#include "gui/glossary/view_glossary_frame.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace quillara;
using quillara::gui::TGlossaryBox;
using quillara::gui::TViewGlossaryFrame1;

constexpr std::size_t TermCount = 65535;

// Terms of one to three words in mixed case, like a real glossary's, unsorted; the last one is
// the only term that begins with "Zymurg".
const TGlossary& LargestGlossary() {
    static const TGlossary glossary = [] {
        std::mt19937 random(1234);
        const auto word = [&](bool capital) {
            std::string text(3 + random() % 10, ' ');
            for (char& c : text)
                c = static_cast<char>('a' + random() % 26);
            if (capital) text[0] = static_cast<char>(text[0] - 32);
            return text;
        };
        TGlossary built;
        for (std::size_t i = 1; i <= TermCount; ++i) {
            std::string term = word(random() % 2 == 0);
            for (unsigned more = random() % 3; more > 0; --more)
                term += " " + word(false);
            if (i == TermCount) term = "Zymurgy";
            const std::string definition = "The meaning of " + term + ", in a sentence or two.";
            const std::string chapter = std::to_string(1 + random() % 20);
            built.Add({std::to_string(1 + random() % 600), definition, term, chapter});
        }
        return built;
    }();
    return glossary;
}

// The view on screen over the glossary, as the student sees it; it goes before the application.
std::unique_ptr<TViewGlossaryFrame1> SharedView;

TViewGlossaryFrame1& View() {
    if (!SharedView) {
        SharedView = std::make_unique<TViewGlossaryFrame1>();
        SharedView->SetGlossary(&LargestGlossary());
        SharedView->resize(500, 600);
        SharedView->ShowGlossaryView();
        QCoreApplication::processEvents();
    }
    return *SharedView;
}

// Types one more letter, then takes it back, and so on: every step changes the text, so every
// step runs the search.
void Keystrokes(benchmark::State& state, const QString& shorter, const QString& longer,
                int expected, bool paint) {
    TViewGlossaryFrame1& view = View();
    auto* search = view.findChild<QLineEdit*>("searchTerm");
    auto* terms = view.findChild<TGlossaryBox*>("Terms");
    bool typeLonger = false;
    for (auto _ : state) {
        typeLonger = !typeLonger;
        search->setText(typeLonger ? longer : shorter);
        if (paint) QCoreApplication::processEvents();
    }
    if (terms->SelectedIndex() != expected) state.SkipWithError("the search found another line");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * TermCount));
}

void BM_SearchKeystroke_MatchAtEnd(benchmark::State& state) {
    Keystrokes(state, "zymurg", "zymurgy", TermCount - 1, false);
}
BENCHMARK(BM_SearchKeystroke_MatchAtEnd)->Unit(benchmark::kMicrosecond);

void BM_SearchKeystroke_NoMatch(benchmark::State& state) {
    Keystrokes(state, "zymurgx", "zymurgxq", -1, false);
}
BENCHMARK(BM_SearchKeystroke_NoMatch)->Unit(benchmark::kMicrosecond);

// The same keystroke with the repaint of the view that follows it.
void BM_SearchKeystroke_MatchAtEndPainted(benchmark::State& state) {
    Keystrokes(state, "zymurg", "zymurgy", TermCount - 1, true);
}
BENCHMARK(BM_SearchKeystroke_MatchAtEndPainted)->Unit(benchmark::kMicrosecond);

// The floor: a linear prefix scan over the same upper-cased bytes, nothing else.
void BM_BarePrefixScan(benchmark::State& state) {
    std::vector<std::string> upper;
    for (const TDefinition& entry : LargestGlossary().Entries())
        upper.push_back(UpperAscii(entry.Term));
    const std::string prefix = "ZYMURGY";
    for (auto _ : state) {
        std::size_t found = upper.size();
        for (std::size_t i = 0; i < upper.size(); ++i)
            if (upper[i].starts_with(prefix)) {
                found = i;
                break;
            }
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * TermCount));
}
BENCHMARK(BM_BarePrefixScan)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SharedView.reset();
    return 0;
}
