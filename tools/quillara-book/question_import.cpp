#include "question_import.h"

#include "core/book/book_strings.h"
#include "core/book/question_text.h"
#include "core/formula/evaluator.h"
#include "core/formula/formula.h"
#include "core/numeric/math_errors.h"
#include "core/numeric/real48.h"
#include "core/quiz/question_runner.h"
#include "core/text/utf8.h"
#include "core/text/windows1252.h"
#include "formula_translation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

namespace quillara::tool {

namespace {

// Characters of science and mathematics texts that Windows-1252 lacks, with the plain forms a
// teacher would type instead.
std::string_view PlainForm(char32_t c) {
    static const std::map<char32_t, std::string_view> forms = {
        {U'\u2080', "0"},    {U'\u2081', "1"}, {U'\u2082', "2"},  {U'\u2083', "3"},
        {U'\u2084', "4"},    {U'\u2085', "5"}, {U'\u2086', "6"},  {U'\u2087', "7"},
        {U'\u2088', "8"},    {U'\u2089', "9"}, {U'\u2070', "0"},  {U'\u2074', "4"},
        {U'\u2075', "5"},    {U'\u2076', "6"}, {U'\u2077', "7"},  {U'\u2078', "8"},
        {U'\u2079', "9"},    {U'\u207A', "+"}, {U'\u207B', "-"},  {U'\u208A', "+"},
        {U'\u208B', "-"},    {U'\u2212', "-"}, {U'\u2264', "<="}, {U'\u2265', ">="},
        {U'\u2260', "<>"},   {U'\u2248', "~"}, {U'\u2192', "->"}, {U'\u2190', "<-"},
        {U'\u221A', "sqrt"}, {U'\u00A0', " "}};
    const auto found = forms.find(c);
    return found == forms.end() ? std::string_view() : found->second;
}

std::string Crlf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// The feedback texts one after the other, each once.
std::string JoinLines(const std::vector<std::string>& parts) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].empty() ||
            std::find(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(i), parts[i]) !=
                parts.begin() + static_cast<std::ptrdiff_t>(i))
            continue;
        out += (out.empty() ? "" : "\n") + parts[i];
    }
    return out;
}

// Braces in a question's text are placeholders of drawn values; those that name none of
// `names` are written as parentheses, so that the text shows what the file wrote.
std::string PlaceholdersOnly(const std::string& text,
                             const std::map<std::string, std::string>& names,
                             const std::string& where, std::vector<std::string>& notes) {
    std::string out;
    bool replaced = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{') {
            const std::size_t close = text.find_first_of("{}", i + 1);
            if (close != std::string::npos && text[close] == '}') {
                const auto name = names.find(text.substr(i + 1, close - i - 1));
                if (name != names.end()) {
                    out += "{" + name->second + "}";
                    i = close;
                    continue;
                }
            }
        }
        if (text[i] == '{' || text[i] == '}') {
            out += text[i] == '{' ? '(' : ')';
            replaced = true;
        } else {
            out += text[i];
        }
    }
    if (replaced)
        notes.push_back("braces in its " + where +
                        " would be read as drawn values; written as ( )");
    return out;
}

// A name that BOOK.DEF keeps as written and a text shows as written: printable ASCII without
// braces or blanks at its ends, with room left for the "_2" of a renamed variable.
bool IsBookVariableName(std::string_view name) {
    constexpr std::size_t roomForSuffix = 8;
    if (name.empty() || name.size() > ShortStringLimit - roomForSuffix || name.front() == ' ' ||
        name.back() == ' ')
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return c >= ' ' && c <= '~' && c != '{' && c != '}'; });
}

// Whether the book can draw the variable: a range from its minimum up, whose bounds its
// six-byte numbers hold.
bool IsDrawableRange(const TImportedVariable& variable) {
    const double span = (variable.Max - variable.Min) * std::pow(10.0, variable.Decimals);
    if (!(span >= 0) || span >= 2147483647.0) return false;
    try {
        TReal48::FromExtended(variable.Min);
        TReal48::FromExtended(variable.Max + std::pow(10.0, -variable.Decimals));
    } catch (const EOverflow&) {
        return false;
    }
    return true;
}

std::string NumberText(double value) {
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::to_string(value);
}

} // namespace

std::string BookText(std::string_view utf8, const std::string& where,
                     std::vector<std::string>& notes) {
    std::string out;
    std::vector<std::string> told;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const char32_t c = NextCodePoint(utf8, pos);
        const std::string_view one = utf8.substr(start, pos - start);
        const std::string converted = Utf8ToWindows1252(one);
        if (converted != "?" || one == "?") {
            out += converted;
            continue;
        }
        const std::string_view plain = PlainForm(c);
        const std::string written = plain.empty() ? "?" : std::string(plain);
        out += written;
        const std::string note = "\"" + std::string(one) + "\" in its " + where +
                                 " has no Windows-1252 character; written \"" + written + "\"";
        if (std::find(told.begin(), told.end(), note) == told.end()) {
            told.push_back(note);
            notes.push_back(note);
        }
    }
    return out;
}

// Rounding told as the student will see it: "1 decimal places" and "-1 decimal places" read badly.
std::string RoundingShown(int places) {
    return "rounding, shown as " + RoundToText(places);
}

int RoundingPlaces(const TImportedQuestion& question, std::vector<std::string>& notes) {
    const double tolerance = question.Tolerance;
    if (question.ToleranceKind == TToleranceKind::Absolute && tolerance > 0) {
        // Rounding to p places accepts what lies within half a unit of the p-th place.
        for (int places = -6; places <= 4; ++places) {
            const double half = 0.5 * std::pow(10.0, -places);
            if (std::fabs(tolerance - half) <= 1e-9 * half) return places;
        }
    }
    if (question.AnswerDecimals &&
        (tolerance == 0 || question.ToleranceKind == TToleranceKind::Relative)) {
        const int places = std::clamp(*question.AnswerDecimals, -6, 4);
        if (question.ToleranceKind == TToleranceKind::Relative)
            notes.push_back("its relative tolerance becomes " + RoundingShown(places));
        else if (places != *question.AnswerDecimals)
            notes.push_back("its answer is judged to 4 decimal places, the most a book rounds to");
        return places;
    }
    if (tolerance == 0) return 0;
    // The nearest rounding that is no looser than the tolerance.
    int places = -6;
    while (places < 4 && 0.5 * std::pow(10.0, -places) > tolerance * (1 + 1e-9))
        ++places;
    notes.push_back("its tolerance of " + NumberText(tolerance) + " is judged as " +
                    RoundingShown(places));
    return places;
}

namespace {

// The first control character (other than tab and line ends) in the question's texts, which
// no question of a book holds: NUL cuts a text short where the window reads it.
std::optional<unsigned char> ControlCharacterIn(const TImportedQuestion& imported) {
    std::vector<const std::string*> texts{&imported.Text, &imported.GeneralFeedback,
                                          &imported.WrongFeedback};
    for (const TImportedChoice& choice : imported.Choices) {
        texts.push_back(&choice.Text);
        texts.push_back(&choice.Feedback);
    }
    for (const std::string* text : texts)
        for (const char c : *text) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7F) return byte;
        }
    return std::nullopt;
}

} // namespace

TImportOutcome TQuestionImporter::Import(const TImportedQuestion& imported) {
    // A question left out leaves the book as it found it, whatever its formula added.
    const std::size_t variables = Book.Variables.size();
    const std::size_t formulas = Book.Formulas.size();
    const bool changed = Changed;
    TImportOutcome out = ImportQuestion(imported);
    if (!out.Question) {
        Book.Variables.resize(variables);
        Book.Formulas.resize(formulas);
        Changed = changed;
    }
    return out;
}

TImportOutcome TQuestionImporter::ImportQuestion(const TImportedQuestion& imported) {
    TImportOutcome out;
    out.Notes = imported.Notes;
    if (imported.Kind == TImportedKind::Unsupported) {
        out.SkipReason = imported.SkipReason;
        return out;
    }
    if (const auto control = ControlCharacterIn(imported)) {
        char code[8];
        std::snprintf(code, sizeof code, "U+%04X", *control);
        out.SkipReason =
            std::string("it holds the control character ") + code + ", which no question may";
        return out;
    }
    TQuestion question;
    std::vector<std::string> explanation{imported.GeneralFeedback};
    switch (imported.Kind) {
    case TImportedKind::TrueFalse:
        question.Kind = qkTrueFalse;
        question.Answer = imported.TrueAnswer ? 'T' : 'F';
        question.Text = imported.Text;
        explanation.push_back(imported.WrongFeedback);
        break;
    case TImportedKind::MultipleChoice: {
        const std::size_t count = imported.Choices.size();
        if (count < 2 || count > 5) {
            out.SkipReason = std::to_string(count) + (count < 2 ? " choice" : " choices") +
                             ", where a book's questions have two to five";
            return out;
        }
        question.Kind = qkMultipleChoice;
        question.ChoiceCount = static_cast<std::uint8_t>(count);
        question.Text = imported.Text;
        for (std::size_t i = 0; i < count; ++i) {
            const TImportedChoice& choice = imported.Choices[i];
            const char letter = static_cast<char>('A' + i);
            if (choice.Text.empty()) {
                out.SkipReason = std::string("its choice ") + letter + " has no text";
                return out;
            }
            // A choice is one line of the text, so that it keeps its own paragraph.
            std::string line = choice.Text;
            std::replace(line.begin(), line.end(), '\n', ' ');
            question.Text += std::string("\n") + letter + ") " + line;
            if (choice.Right)
                question.Answer = letter;
            else if (!choice.Feedback.empty())
                explanation.push_back(std::string(1, letter) + ") " + choice.Feedback);
        }
        break;
    }
    case TImportedKind::Numerical:
    case TImportedKind::Calculated: {
        auto wordProblem = WordProblem(imported, out);
        if (!wordProblem) return out;
        question = std::move(*wordProblem);
        explanation.push_back(imported.WrongFeedback);
        break;
    }
    case TImportedKind::Unsupported:
        break;
    }
    if (question.Kind != qkWordProblem)
        question.Text = PlaceholdersOnly(question.Text, {}, "text", out.Notes);
    question.Text = Crlf(BookText(question.Text, "text", out.Notes));
    question.Explanation = Crlf(BookText(JoinLines(explanation), "explanation", out.Notes));
    if (question.Text.empty()) {
        out.SkipReason = "its text is empty";
    } else if (question.Text.size() > 32767) {
        out.SkipReason = "its text is longer than the 32,767 characters a question may have";
    } else if (question.Explanation.size() > LongStringLimit) {
        out.SkipReason = "its explanation is longer than the 65,535 characters it may have";
    } else {
        out.Question = std::move(question);
    }
    return out;
}

std::optional<TQuestion> TQuestionImporter::WordProblem(const TImportedQuestion& imported,
                                                        TImportOutcome& out) {
    TQuestion question;
    question.Kind = qkWordProblem;
    question.RoundTo = RoundingPlaces(imported, out.Notes);
    if (imported.Kind == TImportedKind::Numerical) {
        double value = 0;
        const std::string& number = imported.Formula;
        std::from_chars(number.data(), number.data() + number.size(), value);
        if (!ExpectedAnswerOf(question, value)) {
            out.SkipReason = "its answer " + number + " is too large for the book to judge";
            return std::nullopt;
        }
        question.Formula = FormulaNumber(value);
        question.Text = PlaceholdersOnly(imported.Text, {}, "text", out.Notes);
        return question;
    }

    if (imported.Text.find("{=") != std::string::npos) {
        out.SkipReason = "its text computes values with {=...}, which a question text cannot";
        return std::nullopt;
    }
    const TTranslatedFormula formula = FormulaFromQuizFile(imported.Formula);
    if (!formula.Error.empty()) {
        out.SkipReason = formula.Error;
        return std::nullopt;
    }
    if (Book.Version < 1 || (formula.UsesSqrt && Book.Version < 3)) {
        out.SkipReason = "the book's BOOK.DEF is of a layout that holds no " +
                         std::string(Book.Version < 1 ? "variables" : "functions");
        return std::nullopt;
    }
    for (auto v = imported.Variables.begin(); v != imported.Variables.end(); ++v) {
        if (!IsBookVariableName(v->Name) || !IsDrawableRange(*v)) {
            out.SkipReason =
                "its variable \"" + v->Name + "\" has no name or a range that cannot be drawn";
            return std::nullopt;
        }
        if (std::any_of(imported.Variables.begin(), v, [&](const TImportedVariable& earlier) {
                return earlier.Name == v->Name;
            })) {
            out.SkipReason = "its variable \"" + v->Name + "\" is defined twice";
            return std::nullopt;
        }
    }
    // Every placeholder of the formula must be drawn, by the question or by the book.
    std::vector<std::string> used;
    ForEachPlaceholderName(formula.Formula,
                           [&](std::string_view name) { used.emplace_back(name); });
    for (const std::string& name : used) {
        const bool drawn = std::any_of(imported.Variables.begin(), imported.Variables.end(),
                                       [&](const TImportedVariable& v) { return v.Name == name; });
        if (!drawn && !Book.FindVariable(name)) {
            out.SkipReason = "its formula uses {" + name + "}, which neither it nor the book draws";
            return std::nullopt;
        }
    }
    if (formula.UsesSqrt && !AddSqrt(out)) {
        out.SkipReason = "the book declares a function sqrt of other than one argument";
        return std::nullopt;
    }
    std::map<std::string, std::string> names;
    for (const TImportedVariable& variable : imported.Variables)
        names[variable.Name] = AddVariable(variable, out);
    std::string renamed;
    for (std::size_t i = 0; i < formula.Formula.size(); ++i) {
        renamed += formula.Formula[i];
        if (formula.Formula[i] != '{') continue;
        const std::size_t close = formula.Formula.find('}', i);
        const std::string name = formula.Formula.substr(i + 1, close - i - 1);
        const auto found = names.find(name);
        renamed += (found != names.end() ? found->second : name) + "}";
        i = close;
    }
    question.Formula = renamed;
    if (const std::string failure = FailureInMidRange(question); !failure.empty()) {
        out.SkipReason = failure;
        return std::nullopt;
    }
    question.Text = PlaceholdersOnly(imported.Text, names, "text", out.Notes);
    return question;
}

std::string TQuestionImporter::AddVariable(const TImportedVariable& variable, TImportOutcome& out) {
    if (!variable.Uniform)
        out.Notes.push_back("its variable \"" + variable.Name +
                            "\" is drawn evenly over its range, as the book draws");
    // The book never draws its Max, quiz files draw theirs: one step more keeps the range.
    const TReal48 min = TReal48::FromExtended(variable.Min);
    const TReal48 max = TReal48::FromExtended(variable.Max + std::pow(10.0, -variable.Decimals));
    for (int n = 1;; ++n) {
        const std::string name = n == 1 ? variable.Name : variable.Name + "_" + std::to_string(n);
        const TVarible* existing = Book.FindVariable(name);
        if (!existing) {
            Book.Variables.push_back(std::make_unique<TVarible>(
                name, vkNumber, min, max, static_cast<std::int16_t>(variable.Decimals),
                std::nullopt));
            Changed = true;
            if (n > 1)
                out.Notes.push_back("the book's variable \"" + variable.Name +
                                    "\" draws other values; this question's is added as \"" + name +
                                    "\"");
            return name;
        }
        if (existing->Kind == vkNumber && existing->Min == min && existing->Max == max &&
            existing->Decimals == variable.Decimals)
            return name;
    }
}

std::string TQuestionImporter::FailureInMidRange(const TQuestion& question) const {
    // The quiz file's own figures are not read: the middle of each range stands for them.
    TVariableValues values;
    ForEachPlaceholderName(question.Formula, [&](std::string_view name) {
        if (const TVarible* variable = Book.FindVariable(name);
            variable && variable->Kind != vkChoice)
            values.Set(*variable, (variable->Min.ToExtended() + variable->Max.ToExtended()) / 2);
    });
    TFormula formula(2);
    formula.Source = question.Formula;
    try {
        Evaluate(formula, Book.Scope(values));
    } catch (const std::exception& e) {
        return "its formula \"" + question.Formula + "\" fails: " + e.what();
    }
    return {};
}

bool TQuestionImporter::AddSqrt(TImportOutcome& out) {
    const TVariableValues noFigures;
    if (const TFormula* sqrt = Book.Scope(noFigures).FindFormula("sqrt"))
        return sqrt->Parameters && sqrt->Parameters->size() == 1;
    // The book computes sqrt itself once it declares it; the body says the same.
    Book.Formulas.push_back(std::make_unique<TFormula>(true, "sqrt(x) = {1}^0.5", ""));
    Changed = true;
    out.Notes.push_back("the function sqrt is added to BOOK.DEF");
    return true;
}

} // namespace quillara::tool
