#pragma once

#include "core/book/glossary.h"
#include "core/quiz/attempt_results.h"
#include "core/scores/score.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillara {

class TScoreHistory;

// The verdict on one term chosen for the definition on screen.
struct TMatchVerdict {
    bool Correct = false;
    // "The term Budget is correct!" or "... is incorrect.  The correct answer is Saving."
    std::string Message;
};

// A glossary matching quiz on one chapter: up to 15 of its terms offered in glossary order, up
// to 10 of their definitions asked once each in random order, one answer per definition.
class TMatchingQuiz {
public:
    static constexpr int MaxTerms = 15;
    static constexpr int MaxAsked = 10;

    // Makes the score record "Matching Quiz from Chapter N" and builds the quiz; the glossary
    // may be none. The entries must outlive the quiz.
    void StartQuiz(const TGlossary* glossary, int chapter);
    void BuildQuiz(const TGlossary* glossary, int chapter);
    // Judges the term at `index` of the pool against the head of the queue, counts it and
    // removes the asked entry from both lists. Nothing when the index names no term or
    // nothing is being asked.
    std::optional<TMatchVerdict> Answer(int index);
    // Hands the score record to the history when anything was answered, and empties the lists.
    // The quiz's results stay until the next quiz: each missed definition with the term chosen
    // and the right one.
    void EndQuiz(TScoreHistory& history);
    const TAttemptResults& Results() const { return Ended; }

    // The definition being asked, or none when the quiz is over.
    const TDefinition* Asked() const {
        return DefinitionQueue.empty() ? nullptr : DefinitionQueue.front();
    }
    bool Finished() const { return DefinitionQueue.empty(); }
    const std::vector<const TDefinition*>& Terms() const { return TermPool; }
    const std::vector<const TDefinition*>& Queue() const { return DefinitionQueue; }
    const TScore* Score() const { return Record.get(); }
    std::string Description() const;
    bool ConfirmNeeded() const { return !DefinitionQueue.empty(); }

private:
    int QuizChapter = 0;
    std::unique_ptr<TScore> Record;
    std::vector<const TDefinition*> TermPool;
    std::vector<const TDefinition*> DefinitionQueue;
    std::vector<TMissedAnswer> Missed;
    TAttemptResults Ended;
};

} // namespace quillara
