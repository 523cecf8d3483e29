#include "core/review/review_set.h"

#include "core/platform/random_source.h"
#include "core/quiz/question_set.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

namespace quillara {

namespace {

// A question's place as the log wrote it; none for a term or a ref that is no place.
std::optional<int> PlaceOf(const TStudyItemKey& item) {
    int place = 0;
    const char* end = item.Ref.data() + item.Ref.size();
    const auto [at, error] = std::from_chars(item.Ref.data(), end, place);
    if (item.Kind == "term" || error != std::errc() || at != end || place < 0) return std::nullopt;
    return place;
}

// The term's definition with the term and up to three others of the glossary as its choices;
// none when the glossary no longer has the term as it was met.
std::optional<TQuestion> TermQuestion(const TStudyItemKey& item, const TGlossary& glossary) {
    const auto& entries = glossary.Entries();
    const auto asked = std::find_if(entries.begin(), entries.end(), [&](const TDefinition& entry) {
        return SameTerm(TGlossary::TrimmedTerm(entry), item.Ref);
    });
    if (asked == entries.end()) return std::nullopt;
    const std::string term = TGlossary::TrimmedTerm(*asked);
    if (TermKey(item.Chapter, term, asked->DefinitionText).Fingerprint != item.Fingerprint)
        return std::nullopt;

    std::vector<std::string> others;
    for (const TDefinition& entry : entries) {
        std::string other = TGlossary::TrimmedTerm(entry);
        if (!other.empty() && !SameTerm(other, term) &&
            std::find(others.begin(), others.end(), other) == others.end())
            others.push_back(std::move(other));
    }
    TRandomSource& random = ProgramRandom();
    std::vector<std::string> choices;
    while (choices.size() < 3 && !others.empty()) {
        const std::size_t drawn = random.uniform(static_cast<std::uint32_t>(others.size()));
        choices.push_back(std::move(others[drawn]));
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(drawn));
    }
    const std::size_t right = random.uniform(static_cast<std::uint32_t>(choices.size() + 1));
    choices.insert(choices.begin() + static_cast<std::ptrdiff_t>(right), term);

    TQuestion question;
    question.Kind = qkMultipleChoice;
    question.Chapter = static_cast<std::uint8_t>(item.Chapter);
    question.Text = "Which term has this meaning?\r\n" + std::string(asked->DefinitionText);
    for (std::size_t i = 0; i < choices.size(); ++i)
        question.Text += "\r\n " + std::string(1, static_cast<char>('A' + i)) + ") " + choices[i];
    question.Answer = static_cast<char>('A' + right);
    question.ChoiceCount = static_cast<std::uint8_t>(choices.size());
    question.Explanation = term + ": " + std::string(asked->DefinitionText);
    question.Term = term;
    question.TermDefinition = asked->DefinitionText;
    return question;
}

} // namespace

std::vector<TQuestion> QuestionsOfItems(const std::filesystem::path& bookDir,
                                        const std::vector<TStudyItemKey>& items,
                                        const TGlossary* glossary) {
    // Each bank is read once, for all the places wanted of it.
    std::map<int, std::vector<int>> places;
    for (const TStudyItemKey& item : items)
        if (const auto place = PlaceOf(item)) places[item.Chapter].push_back(*place);
    std::map<std::pair<int, int>, TQuestion> read;
    for (const auto& [chapter, wanted] : places)
        for (TQuestion& question : QuestionsAtPlaces(bookDir, chapter, wanted))
            read.emplace(std::pair{chapter, question.Place}, std::move(question));

    std::vector<TQuestion> questions;
    for (const TStudyItemKey& item : items) {
        if (item.Kind == "term" && glossary) {
            if (auto question = TermQuestion(item, *glossary))
                questions.push_back(std::move(*question));
            continue;
        }
        const auto place = PlaceOf(item);
        if (!place) continue;
        const auto found = read.find({item.Chapter, *place});
        if (found != read.end() && QuestionKey(found->second).Fingerprint == item.Fingerprint)
            questions.push_back(found->second);
    }
    return questions;
}

} // namespace quillara
