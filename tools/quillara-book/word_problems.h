#pragma once

#include "core/book/book_properties.h"
#include "core/book/question.h"
#include "core/formula/formula.h"
#include "core/formula/variable_values.h"

#include <optional>
#include <string>

namespace quillara::tool {

// A word problem's answer formula, compiled once for all its draws.
class TAnswerFormula {
public:
    explicit TAnswerFormula(const std::string& source);
    bool Compiled() const { return !Failure; }
    // What the compiler said of a formula that does not compile; empty when it said nothing.
    const std::string& CompileError() const { return *Failure; }
    // The expected answer for the figures `values` holds, rounded as the answer is judged;
    // raises with the evaluator's message when the formula fails or its value cannot be rounded.
    Extended ExpectedAnswer(const TQuestion& question, const TBookProperties& book,
                            const TVariableValues& values);

private:
    TFormula Formula{2};
    std::optional<std::string> Failure;
};

// Each variable the question's text shows, once, with its figure in `values` as the question
// shows it: "{rate} = 5.00%, {years} = 3". Empty when the text shows none.
std::string ShownValues(const TQuestion& question, const TBookProperties& book,
                        const TVariableValues& values);

} // namespace quillara::tool
