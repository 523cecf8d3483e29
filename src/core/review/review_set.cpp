#include "core/review/review_set.h"

#include "core/quiz/question_set.h"

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

} // namespace

std::vector<TQuestion> QuestionsOfItems(const std::filesystem::path& bookDir,
                                        const std::vector<TStudyItemKey>& items) {
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
        const auto place = PlaceOf(item);
        if (!place) continue;
        const auto found = read.find({item.Chapter, *place});
        if (found != read.end() && QuestionKey(found->second).Fingerprint == item.Fingerprint)
            questions.push_back(found->second);
    }
    return questions;
}

} // namespace quillara
