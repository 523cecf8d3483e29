#include "question_export.h"

#include "core/book/question_text.h"
#include "core/formula/evaluator.h"
#include "core/text/windows1252.h"
#include "formula_translation.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quillara::tool {

namespace {

// Book texts break lines with CR LF; quiz texts with LF. Control characters other than tabs and
// line breaks cannot stand in an XML file at all, so they are left out and told.
std::string QuizText(std::string_view bookText, const std::string& what,
                     std::vector<std::string>& notes) {
    std::string text = Windows1252ToUtf8(bookText);
    std::erase(text, '\r');
    const auto control = [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') || c == 0x7F;
    };
    if (std::erase_if(text, control) > 0)
        notes.push_back("control characters in its " + what + " are left out");
    return text;
}

// "A) ", "b. ": a choice's label as the question box recognises it.
bool IsChoiceLine(std::string_view line) {
    return line.size() >= 3 &&
           std::string_view("ABCDEabcde").find(line[0]) != std::string_view::npos &&
           (line[1] == ')' || line[1] == '.') && (line[2] == ' ' || line[2] == '\t');
}

TImportedQuestion Unsupported(TImportedQuestion question, std::string reason) {
    question.Kind = TImportedKind::Unsupported;
    question.SkipReason = std::move(reason);
    return question;
}

TImportedQuestion MultipleChoice(TImportedQuestion out, const TQuestion& question,
                                 const std::string& text) {
    std::string stem;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = std::string_view(text).substr(start, end - start);
        if (IsChoiceLine(line)) {
            out.Choices.push_back({std::string(line.substr(3)), {}, false});
        } else if (!out.Choices.empty()) {
            // A choice that the author broke over lines continues there.
            if (!line.empty()) out.Choices.back().Text += " " + std::string(line);
        } else {
            stem += (stem.empty() ? "" : "\n") + std::string(line);
        }
        start = end + 1;
    }
    out.Text = stem;
    const int answer = std::toupper(static_cast<unsigned char>(question.Answer)) - 'A';
    if (out.Choices.size() != question.ChoiceCount)
        return Unsupported(std::move(out), "its text has " + std::to_string(out.Choices.size()) +
                                               " choices and its ChoiceCount " +
                                               std::to_string(question.ChoiceCount));
    if (answer < 0 || answer >= static_cast<int>(out.Choices.size()))
        return Unsupported(std::move(out), "its answer names none of its choices");
    out.Choices[static_cast<std::size_t>(answer)].Right = true;
    return out;
}

TImportedQuestion WordProblem(TImportedQuestion out, const TQuestion& question,
                              const TBookProperties& book) {
    const int places = static_cast<int>(std::trunc(question.RoundTo));
    out.Tolerance = 0.5 * std::pow(10.0, -places);
    out.AnswerDecimals = std::max(places, 0);
    std::string error;
    // Only the book's functions are looked at, and a constant draws nothing.
    const TVariableValues noFigures;
    const std::string formula = FormulaForQuizFile(question.Formula, book.Scope(noFigures), error);
    if (formula.empty()) return Unsupported(std::move(out), error);

    // The variables that the text shows and the formula computes with.
    std::vector<std::string> names;
    auto collect = [&](std::string_view name) {
        if (book.FindVariable(name) && std::find(names.begin(), names.end(), name) == names.end())
            names.emplace_back(name);
    };
    ForEachPlaceholderName(out.Text, collect);
    ForEachPlaceholderName(formula, collect);
    if (names.empty()) {
        out.Kind = TImportedKind::Numerical;
        TFormula constant(2);
        constant.Source = question.Formula;
        try {
            const auto value = static_cast<double>(Evaluate(constant, book.Scope(noFigures)));
            char text[64];
            const auto written = std::to_chars(text, text + sizeof text, value);
            out.Formula.assign(text, written.ec == std::errc() ? written.ptr : text);
        } catch (const std::exception& e) {
            return Unsupported(std::move(out), std::string("its formula fails: ") + e.what());
        }
        return out;
    }
    out.Kind = TImportedKind::Calculated;
    out.Formula = formula;
    for (const std::string& name : names) {
        const TVarible& variable = *book.FindVariable(name);
        if (variable.Kind == vkChoice)
            return Unsupported(std::move(out), "its variable \"" + name +
                                                   "\" draws one of a list of texts, which quiz "
                                                   "files cannot");
        if (variable.Kind != vkNumber)
            out.Notes.push_back("its variable \"" + name +
                                "\" is shown as a plain number, not as " +
                                (variable.Kind == vkPercent ? "a percentage" : "money"));
        if (variable.Decimals < 0)
            out.Notes.push_back("its variable \"" + name + "\" is drawn to whole numbers, not to " +
                                "tens or hundreds");
        const int decimals = std::max<int>(variable.Decimals, 0);
        // The book never draws its Max; quiz files draw theirs.
        const double step = std::pow(10.0, -decimals);
        out.Variables.push_back({name, static_cast<double>(variable.Min.ToExtended()),
                                 static_cast<double>(variable.Max.ToExtended()) - step, decimals,
                                 true});
    }
    return out;
}

} // namespace

TImportedQuestion QuestionForQuizFile(const TQuestion& question, const TBookProperties& book) {
    TImportedQuestion out;
    out.Text = QuizText(question.Text, "text", out.Notes);
    out.GeneralFeedback = QuizText(question.Explanation, "explanation", out.Notes);
    bool drawsValues = false;
    ForEachPlaceholderName(out.Text, [&](std::string_view name) {
        drawsValues = drawsValues || book.FindVariable(name);
    });
    switch (question.Kind) {
    case qkTrueFalse:
        if (drawsValues) break;
        out.Kind = TImportedKind::TrueFalse;
        out.TrueAnswer = std::toupper(static_cast<unsigned char>(question.Answer)) == 'T';
        return out;
    case qkMultipleChoice:
        if (drawsValues) break;
        {
            out.Kind = TImportedKind::MultipleChoice;
            const std::string text = out.Text;
            return MultipleChoice(std::move(out), question, text);
        }
    case qkWordProblem:
        return WordProblem(std::move(out), question, book);
    default:
        return Unsupported(std::move(out), "its kind " + std::to_string(question.Kind) +
                                               " is none the program asks");
    }
    return Unsupported(std::move(out), "its text draws values, which in quiz files only a "
                                       "calculated question can");
}

} // namespace quillara::tool
