#pragma once

#include "core/scores/score.h"

#include <exception>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace quillara {

// Scores laid out together, so that a history holds thousands without a heap block for each:
// the descriptions lie in one text (for scores read from a file, the file's own bytes), the
// details in one array and the scores in another. Each is sized before it is filled, so nothing
// in it moves while it fills, and a block never changes once made: its scores, and what they
// view, last as long as the block.
class TScoreBlock {
public:
    // The complete scores of a score file's bytes, which the block keeps. A record that ends early
    // is left out, and the reading stops there (see damage()). A negative count, or bytes left
    // after the counted records, are damage too: the counted records read whole are kept.
    TScoreBlock(std::string bytes, const std::string& fileName);
    // Copies of the given scores, in that order, in storage of their own.
    explicit TScoreBlock(std::span<const TScore* const> scores);
    TScoreBlock(const TScoreBlock&) = delete;
    TScoreBlock& operator=(const TScoreBlock&) = delete;

    const std::vector<TScore>& scores() const { return Scores; }
    // The file's bytes, for a block read from a file.
    const std::string& bytes() const { return Text; }
    // Why the bytes are not a whole score file (a TBookFileError, TTruncatedFileError when they
    // end early); empty when they are.
    std::exception_ptr damage() const { return Damage; }

private:
    std::string Text;
    std::unique_ptr<TScoreDetail[]> Details;
    std::vector<TScore> Scores;
    std::exception_ptr Damage;
};

} // namespace quillara
