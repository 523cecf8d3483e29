#pragma once

#include "core/scores/score.h"

#include <array>
#include <initializer_list>
#include <memory>
#include <string>

namespace quillara::testing {

// A finished attempt dated `date` with the given (chapter, correct, incorrect) details, in that
// order of first answers.
inline std::unique_ptr<TScore> MakeScore(double date, std::string description,
                                         std::initializer_list<std::array<int, 3>> details) {
    auto score = std::make_unique<TScore>();
    score->date = date;
    score->setDescription(description);
    for (const auto& [chapter, correct, incorrect] : details) {
        for (int i = 0; i < correct; ++i)
            score->addCorrect(static_cast<std::int16_t>(chapter));
        for (int i = 0; i < incorrect; ++i)
            score->addIncorrect(static_cast<std::int16_t>(chapter));
    }
    return score;
}

} // namespace quillara::testing
