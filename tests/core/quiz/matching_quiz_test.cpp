#include "core/platform/random_source.h"
#include "core/quiz/matching_quiz.h"
#include "core/scores/score_file.h"
#include "scripted_random.h"

#include <gtest/gtest.h>

namespace quillara {
namespace {

using testing::ScriptedRandom;

// `count` terms of chapter 2, "Term1".."TermN" with blanks around them as books store them,
// between terms of other chapters.
TGlossary Glossary(int count) {
    TGlossary glossary;
    glossary.Add({"1", "Elsewhere", "Other", "1"});
    for (int i = 1; i <= count; ++i)
        glossary.Add({"p" + std::to_string(i), "Meaning " + std::to_string(i),
                      " Term" + std::to_string(i) + " ", "2"});
    glossary.Add({"9", "Later", "Last", "3"});
    return glossary;
}

// Position of an entry in the glossary.
std::ptrdiff_t IndexOf(const TGlossary& glossary, const TDefinition* entry) {
    return entry - glossary.Entries().data();
}

TEST(MatchingQuiz, OffersFifteenAsksTenAndShrinksTheList) {
    for (const int terms : {4, 12, 25}) {
        SCOPED_TRACE(terms);
        TSeededRandom random(static_cast<std::uint64_t>(terms));
        SetProgramRandom(&random);
        const TGlossary glossary = Glossary(terms);
        TScoreHistory history;
        TMatchingQuiz quiz;
        quiz.StartQuiz(&glossary, 2);
        EXPECT_EQ(quiz.Description(), "Matching Quiz from Chapter 2");
        const std::size_t offered = std::min(terms, 15);
        const std::size_t asked = std::min(terms, 10);
        ASSERT_EQ(quiz.Terms().size(), offered);
        ASSERT_EQ(quiz.Queue().size(), asked);
        for (std::size_t i = 1; i < offered; ++i)
            EXPECT_LT(IndexOf(glossary, quiz.Terms()[i - 1]), IndexOf(glossary, quiz.Terms()[i]))
                << "the list keeps glossary order";
        for (const TDefinition* entry : quiz.Queue())
            EXPECT_NE(std::find(quiz.Terms().begin(), quiz.Terms().end(), entry),
                      quiz.Terms().end());

        // Right answers for even turns, a wrong one (the first other term) for odd turns.
        int right = 0;
        for (std::size_t turn = 0; turn < asked; ++turn) {
            const TDefinition* head = quiz.Asked();
            const auto at = std::find(quiz.Terms().begin(), quiz.Terms().end(), head);
            int index = static_cast<int>(at - quiz.Terms().begin());
            if (turn % 2 == 1 && quiz.Terms().size() > 1) index = index == 0 ? 1 : 0;
            const std::string chosen(quiz.Terms()[static_cast<std::size_t>(index)]->Term);
            const std::size_t before = quiz.Terms().size();
            const auto verdict = quiz.Answer(index);
            ASSERT_TRUE(verdict);
            if (verdict->Correct) {
                ++right;
                EXPECT_EQ(verdict->Message, "The term " + chosen + " is correct!");
            } else {
                EXPECT_EQ(verdict->Message, "The term " + chosen +
                                                " is incorrect.  The correct answer is " +
                                                TGlossary::TrimmedTerm(*head) + ".");
            }
            EXPECT_EQ(quiz.Terms().size(), before - 1);
            EXPECT_EQ(std::find(quiz.Terms().begin(), quiz.Terms().end(), head), quiz.Terms().end())
                << "the asked term leaves the list, right or wrong";
        }
        EXPECT_TRUE(quiz.Finished());
        EXPECT_EQ(quiz.Terms().size(), offered - asked) << "distractors are never asked";
        EXPECT_FALSE(quiz.Answer(0)) << "nothing is asked any more";
        quiz.EndQuiz(history);
        ASSERT_EQ(history.size(), 1u);
        EXPECT_EQ(history.at(0).detail(0).chapter, 2);
        EXPECT_EQ(history.at(0).totalCorrect(), right);
        EXPECT_EQ(history.at(0).totalIncorrect(), static_cast<int>(asked) - right);
        SetProgramRandom(nullptr);
    }
}

TEST(MatchingQuiz, DrawsLikeRemovingFromLiveLists) {
    // Twenty terms: five removals from the pool, five from the queue, then one draw per asked
    // definition for the shuffle.
    ScriptedRandom random({0, 0, 0, 0, 0, 9, 9, 9, 9, 9});
    const TGlossary glossary = Glossary(20);
    TMatchingQuiz quiz;
    quiz.BuildQuiz(&glossary, 2);
    EXPECT_EQ(random.Asked, (std::vector<std::uint32_t>{20, 19, 18, 17, 16, 15, 14, 13, 12, 11,
                                                        10, 10, 10, 10, 10, 10, 10, 10, 10, 10}));
    // Terms 1-5 leave the pool; the queue's tenth entry, five times over, is not asked (terms
    // 15-19); every shuffle draw of 0 moves the entry at i to the front.
    EXPECT_EQ(quiz.Terms().front()->Term, " Term6 ");
    EXPECT_EQ(quiz.Terms().back()->Term, " Term20 ");
    std::vector<std::string> queue;
    for (const TDefinition* entry : quiz.Queue())
        queue.push_back(TGlossary::TrimmedTerm(*entry));
    EXPECT_EQ(queue, (std::vector<std::string>{"Term20", "Term14", "Term13", "Term12", "Term11",
                                               "Term10", "Term9", "Term8", "Term7", "Term6"}));
}

TEST(MatchingQuiz, NothingToAskRecordsNothing) {
    TScoreHistory history;
    TMatchingQuiz quiz;
    quiz.StartQuiz(nullptr, 1);
    EXPECT_TRUE(quiz.Finished());
    EXPECT_FALSE(quiz.Answer(0));
    const TGlossary glossary = Glossary(3);
    quiz.StartQuiz(&glossary, 2);
    EXPECT_FALSE(quiz.Answer(-1));
    EXPECT_FALSE(quiz.Answer(3)) << "no item there";
    quiz.EndQuiz(history);
    EXPECT_TRUE(history.empty());
    EXPECT_TRUE(quiz.Terms().empty());
}

} // namespace
} // namespace quillara
