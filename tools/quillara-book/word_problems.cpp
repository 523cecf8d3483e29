#include "word_problems.h"

#include "commands.h"
#include "core/book/question_text.h"
#include "core/formula/evaluator.h"
#include "core/quiz/question_runner.h"
#include "core/text/windows1252.h"

#include <stdexcept>

namespace quillara::tool {

TAnswerFormula::TAnswerFormula(const std::string& source) {
    Formula.Source = source;
    try {
        if (!Formula.Compile(nullptr)) Failure.emplace();
    } catch (const std::exception& e) {
        Failure = e.what();
    }
}

Extended TAnswerFormula::ExpectedAnswer(const TQuestion& question, const TBookProperties& book,
                                        const TVariableValues& values) {
    if (Failure) throw std::runtime_error("the formula does not compile");
    const Extended value = Evaluate(Formula, book.Scope(values));
    const auto expected = ExpectedAnswerOf(question, value);
    if (!expected) throw std::runtime_error("its value cannot be rounded to an answer");
    return *expected;
}

std::string ShownValues(const TQuestion& question, const TBookProperties& book,
                        const TVariableValues& values) {
    return Windows1252ToUtf8(DrawnValuesText(question, book, values, ToolRegionalSettings()));
}

} // namespace quillara::tool
