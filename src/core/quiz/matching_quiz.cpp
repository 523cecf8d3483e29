#include "core/quiz/matching_quiz.h"

#include "core/platform/random_source.h"
#include "core/quiz/random_trim.h"
#include "core/scores/score_file.h"

#include <algorithm>

namespace quillara {

namespace {
std::size_t Draw(std::size_t n) {
    return ProgramRandom().uniform(static_cast<std::uint32_t>(n));
}
} // namespace

std::string TMatchingQuiz::Description() const {
    return "Matching Quiz from Chapter " + std::to_string(QuizChapter);
}

void TMatchingQuiz::StartQuiz(const TGlossary* glossary, int chapter) {
    QuizChapter = chapter;
    Missed.clear();
    Record = std::make_unique<TScore>();
    Record->setDescription(Description());
    BuildQuiz(glossary, chapter);
}

void TMatchingQuiz::BuildQuiz(const TGlossary* glossary, int chapter) {
    TermPool.clear();
    DefinitionQueue.clear();
    if (glossary)
        for (const TDefinition& entry : glossary->Entries())
            if (TGlossary::InChapter(entry, chapter)) TermPool.push_back(&entry);
    // A chapter may hold thousands of terms: the removals are drawn first, then applied.
    if (TermPool.size() > MaxTerms) {
        std::vector<const TDefinition*> kept;
        for (std::size_t slot : DrawSurvivors(TermPool.size(), MaxTerms))
            kept.push_back(TermPool[slot]);
        TermPool = std::move(kept);
    }
    // The terms that are not asked stay in the pool as distractors.
    DefinitionQueue = TermPool;
    while (DefinitionQueue.size() > MaxAsked)
        DefinitionQueue.erase(DefinitionQueue.begin() +
                              static_cast<std::ptrdiff_t>(Draw(DefinitionQueue.size())));
    // Each entry in turn is taken out and put back at a random place.
    const std::size_t size = DefinitionQueue.size();
    for (std::size_t i = 0; i < size; ++i) {
        const TDefinition* entry = DefinitionQueue[i];
        DefinitionQueue.erase(DefinitionQueue.begin() + static_cast<std::ptrdiff_t>(i));
        DefinitionQueue.insert(DefinitionQueue.begin() + static_cast<std::ptrdiff_t>(Draw(size)),
                               entry);
    }
}

std::optional<TMatchVerdict> TMatchingQuiz::Answer(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= TermPool.size() || Finished())
        return std::nullopt;
    const TDefinition* asked = DefinitionQueue.front();
    const TDefinition* chosen = TermPool[static_cast<std::size_t>(index)];
    TMatchVerdict verdict;
    verdict.Correct = chosen == asked;
    if (verdict.Correct) {
        if (Record) Record->addCorrect(static_cast<std::int16_t>(QuizChapter));
        verdict.Message = "The term " + std::string(chosen->Term) + " is correct!";
    } else {
        if (Record) Record->addIncorrect(static_cast<std::int16_t>(QuizChapter));
        verdict.Message = "The term " + std::string(chosen->Term) +
                          " is incorrect.  The correct answer is " +
                          TGlossary::TrimmedTerm(*asked) + ".";
        Missed.push_back({{},
                          std::string(asked->DefinitionText),
                          TGlossary::TrimmedTerm(*chosen),
                          TGlossary::TrimmedTerm(*asked)});
    }
    std::erase(TermPool, asked);
    DefinitionQueue.erase(DefinitionQueue.begin());
    return verdict;
}

void TMatchingQuiz::EndQuiz(TScoreHistory& history) {
    Ended = {Description(),
             true,
             Record ? Record->totalCorrect() : 0,
             Record ? Record->totalAnswered() : 0,
             {},
             std::move(Missed)};
    Ended.Unasked = Record ? static_cast<int>(DefinitionQueue.size()) : 0;
    Ended.OffersRetake = false;
    Missed.clear();
    if (Record) history.AddAttempt(std::move(Record));
    Record.reset();
    TermPool.clear();
    DefinitionQueue.clear();
}

} // namespace quillara
