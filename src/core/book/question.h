#pragma once

#include "core/book/book_strings.h"
#include "core/io/byte_reader.h"
#include "core/io/byte_writer.h"
#include "core/numeric/extended.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillara {

enum TQuestionKind : std::uint8_t { qkMultipleChoice = 0, qkTrueFalse = 1, qkWordProblem = 2 };

struct TQuestion {
    std::uint8_t Chapter = 0;
    char Answer = 0;
    std::uint8_t ChoiceCount = 0;
    std::string Text;
    std::string Explanation;
    // Absent, not empty, when the record holds no related terms.
    std::optional<std::vector<std::string>> GlossaryTerms;
    // Kept as stored: a record may carry a value that is none of the three kinds.
    std::uint8_t Kind = qkMultipleChoice;
    std::string Formula;
    Extended RoundTo = 0;
    // 1 for the unmarked layout, 2 for a "QT!" record.
    std::uint8_t RecordVersion = 2;
    // The record's place in its chapter's bank, from 0, as a quiz read it; -1 when it was not
    // read from a bank. Not stored: it names the question in what the student has answered.
    int Place = -1;
    // A review's question on a glossary term (its definition shown, the terms to choose from):
    // the term and its definition as the glossary has them; empty for a question of a bank.
    std::string Term;
    std::string TermDefinition;
};

// One record as its fields lie in the bytes of its bank, valid while those bytes are: what a
// reader that only looks at a question (its kind, a check) needs, without building one.
struct TQuestionFields {
    std::uint8_t RecordVersion = 2;
    std::string_view Text;
    std::string_view Explanation;
    char Answer = 0;
    std::uint8_t ChoiceCount = 0;
    std::uint8_t Kind = qkMultipleChoice;
    std::uint8_t TermCount = 0;
    // The related terms' short strings, one after the other (see ForEachRelatedTerm).
    std::string_view TermRecords;
    std::string_view Formula;
    Extended RoundTo = 0;
};

// One record at the reader's position; TVersionError for a marked record of another version.
TQuestionFields ReadQuestionFields(TByteReader& in);
// Calls visit(term) for each related term of the record, in order.
template <typename Visit> void ForEachRelatedTerm(const TQuestionFields& fields, Visit visit) {
    TByteReader terms(fields.TermRecords, {});
    for (int i = 0; i < fields.TermCount; ++i)
        visit(ReadShortText(terms, "GlossaryTerms"));
}
// The question of a record, its texts copied out of the bank's bytes.
TQuestion MakeQuestion(const TQuestionFields& fields);
TQuestion ReadQuestion(TByteReader& in);
void WriteQuestion(TByteWriter& out, const TQuestion& question);

// The most a question bank may be. Its layout would allow 8 GB; the largest real bank, a few
// hundred questions with long explanations, is a few megabytes, and this holds 2,000 questions of
// 16,000 characters.
constexpr std::uint64_t MaxQuestionBankSize = 32ull << 20;

std::string QuestionBankName(int chapter);
// Every record of a bank file, in file order.
std::vector<TQuestion> ReadQuestionBank(TByteReader& in);
// A whole bank file; writes at most 32,767 questions.
std::string WriteQuestionBank(const std::vector<TQuestion>& questions);

} // namespace quillara
