#pragma once

#include "io/byte_reader.h"
#include "io/byte_writer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillara {

// Counts are 16-bit in the score file; a count never grows past this.
constexpr int MaxScoreCount = 32767;

// The answers of one attempt to the questions of one chapter.
class TScoreDetail {
public:
    TScoreDetail(std::int16_t chapter, std::int16_t correct, std::int16_t incorrect)
        : chapter(chapter), correct(correct), incorrect(incorrect) {}
    // Reads one detail record: correct, incorrect, then chapter.
    explicit TScoreDetail(TByteReader& in);
    void write(TByteWriter& out) const;

    int answered() const { return correct + incorrect; }
    // Share of correct answers, 0 when nothing was answered.
    double ratio() const;

    std::int16_t chapter;
    std::int16_t correct;
    std::int16_t incorrect;
};

// One attempt at a quiz or test: when it began, what was taken, and the answers per chapter in
// the order in which each chapter was first answered.
class TScore {
public:
    // A new attempt, dated now; its owner sets the description.
    TScore();
    // Reads one score record; a record that ends early raises and yields no score.
    explicit TScore(TByteReader& in);
    // Raises std::length_error for more details than the record's count can say.
    void write(TByteWriter& out) const;

    void addCorrect(std::int16_t chapter);
    void addIncorrect(std::int16_t chapter);
    // Sums are wider than the counts, so that many chapters never wrap them.
    int totalCorrect() const;
    int totalIncorrect() const;
    int totalAnswered() const { return totalCorrect() + totalIncorrect(); }

    int detailCount() const { return static_cast<int>(details.size()); }
    // Raises std::out_of_range for an index outside 0..detailCount() - 1.
    const TScoreDetail& detail(int index) const;

    double date; // days since 1899-12-30, local time
    std::string description;

private:
    TScoreDetail& detailOf(std::int16_t chapter);

    std::vector<TScoreDetail> details;
};

// ⌊100 × correct ÷ answered⌋ in integers, so that 2 of 3 is 66 and 29 of 100 is 29; 0 when
// nothing was answered.
int wholePercent(int correct, int answered);

} // namespace quillara
