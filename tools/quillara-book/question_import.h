#pragma once

#include "core/book/book_properties.h"
#include "core/book/question.h"
#include "imported_question.h"

#include <optional>
#include <string>
#include <vector>

namespace quillara::tool {

// What became of one question of a quiz file.
struct TImportOutcome {
    std::optional<TQuestion> Question;
    // Why it was left out, when it was.
    std::string SkipReason;
    std::vector<std::string> Notes;
};

// Turns quiz-file questions into questions of one book, adding the variables and functions
// their formulas need to the book as it goes.
class TQuestionImporter {
public:
    explicit TQuestionImporter(TBookProperties& book) : Book(book) {}

    TImportOutcome Import(const TImportedQuestion& imported);
    // Whether BOOK.DEF has to be written again.
    bool BookChanged() const { return Changed; }

private:
    TImportOutcome ImportQuestion(const TImportedQuestion& imported);
    std::optional<TQuestion> WordProblem(const TImportedQuestion& imported, TImportOutcome& out);
    // The name under which the book draws the variable: its own, or a free one when the book
    // already draws another range under that name.
    std::string AddVariable(const TImportedVariable& variable, TImportOutcome& out);
    bool AddSqrt(TImportOutcome& out);
    // Why the word problem's formula cannot be computed with its variables in the middle of
    // their ranges (a division by zero, say); empty when it can, with the value in `midValue`.
    std::string FailureInMidRange(const TQuestion& question, double* midValue = nullptr) const;

    TBookProperties& Book;
    bool Changed = false;
};

// The Windows-1252 bytes of a UTF-8 text. A character Windows-1252 lacks is written as its
// nearest plain form where there is one ("CH₃" as "CH3", "≤" as "<=") and as "?" otherwise; each
// is told in `notes`, naming `where` it stood.
std::string BookText(std::string_view utf8, const std::string& where,
                     std::vector<std::string>& notes);

// The places a word problem's answer is rounded to, from the quiz file's tolerance or the
// answer's decimals; a rounding that judges otherwise than the file would is told in `notes`.
int RoundingPlaces(const TImportedQuestion& question, std::vector<std::string>& notes);

} // namespace quillara::tool
