#include "question_import.h"

#include "book_check.h"
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
#include "quiz_file_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

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

// Whether two choices are "True" and "False", and which is right.
std::optional<bool> TrueFalseChoices(const std::vector<TImportedChoice>& choices) {
    if (choices.size() != 2 || choices[0].Right == choices[1].Right) return std::nullopt;
    const auto truth = [](std::string_view text) -> std::optional<bool> {
        std::string word(Trim(text));
        std::transform(word.begin(), word.end(), word.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (word == "true") return true;
        if (word == "false") return false;
        return std::nullopt;
    };
    const auto first = truth(choices[0].Text);
    const auto second = truth(choices[1].Text);
    if (!first || !second || *first == *second) return std::nullopt;
    return choices[0].Right ? *first : *second;
}

// A letter that the window would take for a choice of its own: A to E in either case, after a
// blank or at the start, with "." or ")" and a space after it.
bool LooksLikeChoiceLabel(std::string_view text, std::size_t i) {
    const char c = text[i];
    const bool letter = (c >= 'A' && c <= 'E') || (c >= 'a' && c <= 'e');
    const bool after = i == 0 || text[i - 1] == ' ' || text[i - 1] == '\n' || text[i - 1] == '\r';
    return letter && after && i + 2 < text.size() && (text[i + 1] == '.' || text[i + 1] == ')') &&
           text[i + 2] == ' ';
}

// The text with the space after each such letter made a no-break space, which looks the same.
std::string WithoutChoiceLabels(std::string_view text, bool& changed) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (LooksLikeChoiceLabel(text, i)) {
            out += text.substr(i, 2);
            out += "\u00A0";
            i += 2;
            changed = true;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Choices written "A) text", "b. text" and so on, each with its own letter in order, lose the
// letters; true when they did.
bool StripChoiceLetters(std::vector<TImportedChoice>& choices) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const std::string_view text = Trim(choices[i].Text);
        if (text.size() < 4 ||
            std::toupper(static_cast<unsigned char>(text[0])) != 'A' + static_cast<int>(i) ||
            (text[1] != '.' && text[1] != ')') || text[2] != ' ')
            return false;
    }
    for (TImportedChoice& choice : choices)
        choice.Text = std::string(Trim(std::string_view(choice.Text).substr(3)));
    return true;
}

// "All of the above", "none of these" and the like, which only mean something in their place.
bool RefersToOthers(const TImportedChoice& choice) {
    std::string text(choice.Text);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const std::string_view phrase : {"of the above", "of these", "both of", "all the above"})
        if (text.find(phrase) != std::string::npos) return true;
    return false;
}

// The choices in an order drawn from the question's text, so that the same file gives the same
// book: the right answer lies where chance puts it, not where the file wrote it. The draw starts
// from the choices in the order of their texts, so that however a file orders them (a book's
// own export among them) they come in in the same order.
void ShuffleChoices(std::vector<TImportedChoice>& choices, std::string_view text) {
    std::stable_sort(
        choices.begin(), choices.end(),
        [](const TImportedChoice& a, const TImportedChoice& b) { return a.Text < b.Text; });
    std::uint64_t seed = 14695981039346656037ull;
    const auto mix = [&](std::string_view bytes) {
        for (const char c : bytes)
            seed = (seed ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    };
    mix(text);
    for (const TImportedChoice& choice : choices)
        mix(choice.Text);
    std::uint64_t state = seed;
    const auto next = [&] {
        // splitmix64
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    };
    for (std::size_t i = choices.size(); i > 1; --i)
        std::swap(choices[i - 1], choices[next() % i]);
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
    constexpr int finest = 4;
    if (question.ToleranceKind == TToleranceKind::Absolute && tolerance > 0) {
        // Rounding to p places accepts what lies within half a unit of the p-th place.
        for (int places = -6; places <= finest; ++places) {
            const double half = 0.5 * std::pow(10.0, -places);
            if (std::fabs(tolerance - half) <= 1e-9 * half) return places;
        }
    }
    if (question.ToleranceKind == TToleranceKind::Relative) {
        const int places = std::clamp(question.AnswerDecimals.value_or(finest), -6, finest);
        notes.push_back("its relative tolerance becomes " + RoundingShown(places) +
                        ", which students are asked for");
        return places;
    }
    if (tolerance == 0) {
        // No rounding is as strict as an exact answer; the finest is the nearest to it.
        notes.push_back("its exact answer is asked with " + RoundingShown(finest) +
                        ", the finest a book has");
        return finest;
    }
    // The nearest rounding that is no looser than the tolerance.
    int places = -6;
    while (places < finest && 0.5 * std::pow(10.0, -places) > tolerance * (1 + 1e-9))
        ++places;
    const bool looser = 0.5 * std::pow(10.0, -places) > tolerance * (1 + 1e-9);
    notes.push_back("its tolerance of " + NumberText(tolerance) + " is asked as " +
                    RoundingShown(places) +
                    (looser ? ", the finest a book has, which accepts more" : ""));
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
        if (const auto truth = TrueFalseChoices(imported.Choices)) {
            // Two choices "True" and "False" are a True/False question written another way.
            question.Kind = qkTrueFalse;
            question.Answer = *truth ? 'T' : 'F';
            question.Text = imported.Text;
            for (const TImportedChoice& choice : imported.Choices)
                explanation.push_back(choice.Feedback);
            break;
        }
        std::vector<TImportedChoice> choices = imported.Choices;
        const std::size_t count = choices.size();
        if (count < 2 || count > 5) {
            out.SkipReason = std::to_string(count) + (count < 2 ? " choice" : " choices") +
                             ", where a book's questions have two to five";
            return out;
        }
        for (std::size_t i = 0; i < count; ++i)
            if (Trim(choices[i].Text).empty()) {
                out.SkipReason =
                    std::string("its choice ") + static_cast<char>('A' + i) + " has no text";
                return out;
            }
        if (StripChoiceLetters(choices))
            out.Notes.push_back("the letters its choices were written with are left out; the "
                                "book letters them");
        if (imported.Shuffle) {
            if (std::any_of(choices.begin(), choices.end(), RefersToOthers))
                out.Notes.push_back(
                    "its choices keep the file's order, as one of them refers to the others");
            else
                ShuffleChoices(choices, imported.Text);
        }
        question.Kind = qkMultipleChoice;
        question.ChoiceCount = static_cast<std::uint8_t>(count);
        bool unlabelled = false;
        question.Text = WithoutChoiceLabels(imported.Text, unlabelled);
        for (std::size_t i = 0; i < count; ++i) {
            const TImportedChoice& choice = choices[i];
            const char letter = static_cast<char>('A' + i);
            // A choice is one line of the text, so that it keeps its own paragraph.
            std::string line = std::string(Trim(choice.Text));
            std::replace(line.begin(), line.end(), '\n', ' ');
            question.Text +=
                std::string("\n") + letter + ") " + WithoutChoiceLabels(line, unlabelled);
            if (choice.Right)
                question.Answer = letter;
            else if (!choice.Feedback.empty())
                explanation.push_back(std::string(1, letter) + ") " + choice.Feedback);
        }
        if (unlabelled)
            out.Notes.push_back("a letter followed by \".\" or \")\" in its text is kept from "
                                "reading as a choice of its own");
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
    } else if (const std::vector<std::string> errors = QuestionErrors(Book, question);
               !errors.empty()) {
        // What `check` would refuse never goes into the book.
        out.SkipReason = "check would find: " + errors.front();
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
        // An exact answer too large to judge to the finest places is asked with the finest
        // rounding the book can judge it with.
        const int finest = static_cast<int>(question.RoundTo);
        while (imported.Tolerance == 0 && imported.ToleranceKind == TToleranceKind::Absolute &&
               question.RoundTo > -6 && !ExpectedAnswerOf(question, value))
            question.RoundTo -= 1;
        if (static_cast<int>(question.RoundTo) != finest && ExpectedAnswerOf(question, value))
            out.Notes.back() = "its exact answer is asked with " +
                               RoundingShown(static_cast<int>(question.RoundTo)) +
                               ", the finest the book can judge it with";
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
    double midValue = 0;
    if (const std::string failure = FailureInMidRange(question, &midValue); !failure.empty()) {
        out.SkipReason = failure;
        return std::nullopt;
    }
    if (imported.ToleranceKind == TToleranceKind::Relative && imported.Tolerance > 0 &&
        std::isfinite(midValue) && midValue != 0) {
        // A relative tolerance is held as the rounding no looser than it where the ranges
        // have their middle; the answers drawn lie about there.
        TImportedQuestion absolute = imported;
        absolute.ToleranceKind = TToleranceKind::Absolute;
        absolute.Tolerance = imported.Tolerance * std::fabs(midValue);
        std::vector<std::string> notes;
        question.RoundTo = RoundingPlaces(absolute, notes);
        const auto relative =
            std::find_if(out.Notes.begin(), out.Notes.end(), [](const std::string& note) {
                return note.starts_with("its relative tolerance");
            });
        if (relative != out.Notes.end())
            *relative = "its relative tolerance of " + NumberText(imported.Tolerance * 100) +
                        "% (" + NumberText(absolute.Tolerance) +
                        " where its ranges have their middle) is asked as " +
                        RoundingShown(static_cast<int>(question.RoundTo));
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

std::string TQuestionImporter::FailureInMidRange(const TQuestion& question,
                                                 double* midValue) const {
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
        const double value = static_cast<double>(Evaluate(formula, Book.Scope(values)));
        if (midValue) *midValue = value;
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
