#include "gui/quiz/score_panel.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace quillara::gui {
namespace {

TEST(ScorePanel, TheCaptionFollowsBothCounts) {
    using Steps = std::function<void(TScorePanel&)>;
    const std::vector<std::pair<Steps, QString>> cases{
        {[](TScorePanel&) {}, "Nothing has been answered yet"},
        {[](TScorePanel& p) { p.anotherCorrect(), p.anotherIncorrect(), p.anotherCorrect(); },
         "You have answered 2 of 3 correctly"},
        {[](TScorePanel& p) { p.anotherIncorrect(), p.setCorrect(0), p.setIncorrect(0); },
         "Nothing has been answered yet"},
        {[](TScorePanel& p) { p.setIncorrect(3); }, "You have answered 0 of 3 correctly"},
        {[](TScorePanel& p) { p.setProperty("Correct", 7), p.setProperty("Incorrect", 3); },
         "You have answered 7 of 10 correctly"},
        // The total is taken wide rather than overflowing.
        {[](TScorePanel& p) { p.setCorrect(INT_MAX), p.setIncorrect(1); },
         "You have answered 2147483647 of 2147483648 correctly"},
    };
    for (const auto& [steps, caption] : cases) {
        TScorePanel panel;
        steps(panel);
        EXPECT_EQ(panel.text(), caption);
        EXPECT_EQ(TScorePanel::CaptionFor(panel.Correct(), panel.Incorrect()), caption);
    }
}

} // namespace
} // namespace quillara::gui
