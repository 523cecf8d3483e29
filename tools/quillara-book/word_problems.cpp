#include "word_problems.h"

#include "commands.h"
#include "core/book/question_text.h"
#include "core/formula/evaluator.h"
#include "core/quiz/question_runner.h"
#include "core/text/windows1252.h"

#include <set>
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
    std::string shown;
    std::set<std::string_view> named;
    ForEachPlaceholderName(question.Text, [&](std::string_view name) {
        const TVarible* variable = book.FindVariable(name);
        if (!variable || !named.insert(name).second) return;
        shown += (shown.empty() ? "{" : ", {") + std::string(name) +
                 "} = " + variable->DisplayText(values.ValueOf(*variable), ToolRegionalSettings());
    });
    return Windows1252ToUtf8(shown);
}

} // namespace quillara::tool
