#pragma once

#include "core/io/byte_reader.h"
#include "core/io/byte_writer.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

// Counts are 16-bit in the score file; a count never grows past this.
constexpr int MaxScoreCount = 32767;

// The answers of one attempt to the questions of one chapter.
class TScoreDetail {
public:
    // Left unset, to be read into.
    TScoreDetail() = default;
    TScoreDetail(std::int16_t chapter, std::int16_t correct, std::int16_t incorrect)
        : chapter(chapter), correct(correct), incorrect(incorrect) {}
    explicit TScoreDetail(TByteReader& in) { read(in); }
    // Reads one detail record: correct, incorrect, then chapter. Inline and in place: a score
    // file is mostly these.
    void read(TByteReader& in) {
        correct = in.ReadInt16("correct count");
        incorrect = in.ReadInt16("incorrect count");
        chapter = in.ReadInt16("chapter");
    }
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
//
// A score looks at its description and details through a view. A score read by a history views
// storage that the history owns and keeps as long as the score (see score_block.h), so reading a
// file makes no heap block per score. A new attempt, or a score changed after it was read, owns
// its own copy, made on the first change.
class TScore {
public:
    // A new attempt, dated now; its owner sets the description.
    TScore();
    // Reads one score record into a score that owns its description and details; a record that
    // ends early raises and yields no score.
    explicit TScore(TByteReader& in);
    // Reads one score record into a score that views its storage: the description stays in the
    // reader's bytes, and the details are read to `details`, which is advanced past them; both
    // must outlive the score, and `details` must have room for as many as the bytes left hold.
    TScore(TByteReader& in, TScoreDetail*& details);
    // A score over a description and details kept elsewhere, which must outlive it.
    TScore(double date, std::string_view description, std::span<const TScoreDetail> details)
        : date(date), Description(description), Details(details) {}

    // Raises std::length_error for more details than the record's count can say.
    void write(TByteWriter& out) const;

    std::string_view description() const { return Description; }
    void setDescription(std::string_view text);
    void addCorrect(std::int16_t chapter);
    void addIncorrect(std::int16_t chapter);
    // Sums are wider than the counts, so that many chapters never wrap them.
    int totalCorrect() const;
    int totalIncorrect() const;
    int totalAnswered() const { return totalCorrect() + totalIncorrect(); }

    int detailCount() const { return static_cast<int>(Details.size()); }
    // Raises std::out_of_range for an index outside 0..detailCount() - 1.
    const TScoreDetail& detail(int index) const;

    double date; // days since 1899-12-30, local time

private:
    struct TOwned {
        std::string Description;
        std::vector<TScoreDetail> Details;
    };
    // The score's own copy of what it views, made the first time it is needed. Held on the heap,
    // so that the views stay valid when the score moves.
    TOwned& owned();
    TScoreDetail& detailOf(std::int16_t chapter);

    std::string_view Description;
    std::span<const TScoreDetail> Details;
    std::unique_ptr<TOwned> Own;
};

// ⌊100 × correct ÷ answered⌋ in integers, so that 2 of 3 is 66 and 29 of 100 is 29; 0 when
// nothing was answered.
int wholePercent(int correct, int answered);

} // namespace quillara
