// quillara-book eval: computes a word-problem formula the way the question runner does, with the
// book's variables and functions at hand and values given on the command line.
#include "core/book/book_properties.h"
#include "command_line.h"
#include "commands.h"
#include "function_list.h"
#include "core/formula/evaluator.h"
#include "core/formula/formula.h"
#include "core/formula/formula_scope.h"
#include "core/formula/variable.h"
#include "core/formula/variable_values.h"
#include "core/book/question_text.h"
#include "core/quiz/question_runner.h"
#include "core/text/number_text.h"
#include "core/text/windows1252.h"
#include "tool_io.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <set>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillara::tool {

namespace {

// The command line as given; values are read once the line has parsed.
struct EvalOptions {
    std::optional<std::string> BookDirectory;
    std::vector<std::string> Settings;
    std::vector<std::string> Declarations;
    std::string Expression;
    std::optional<std::string> RoundTo;
    bool ListFunctions = false;
};

// Values are written with "." as the decimal point, whatever the machine's locale.
Extended ParseValue(const std::string& option, const std::string& text) {
    Extended value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        throw UsageError("--set " + option + ": \"" + text + "\" is not a number");
    return value;
}

// Each --set NAME=VALUE as its name and value.
std::vector<std::pair<std::string, Extended>>
ParseSettings(const std::vector<std::string>& settings) {
    std::vector<std::pair<std::string, Extended>> values;
    for (const std::string& setting : settings) {
        const auto equals = setting.find('=');
        if (equals == std::string::npos || equals == 0)
            throw UsageError("--set expects NAME=VALUE, not \"" + setting + "\"");
        values.emplace_back(setting.substr(0, equals),
                            ParseValue(setting, setting.substr(equals + 1)));
    }
    return values;
}

int RunEval(const EvalOptions& options) {
    if (options.ListFunctions && !options.Expression.empty())
        throw UsageError("--functions lists the functions; give no expression with it");
    if (options.ListFunctions && (!options.Settings.empty() || options.RoundTo))
        throw UsageError("--functions lists the functions; give no --set or --round-to with it");
    if (options.Expression.empty() && !options.ListFunctions)
        throw UsageError("eval needs an expression");
    const auto settings = ParseSettings(options.Settings);

    // Declared functions and the variables --set makes go after the book's own, so a name the
    // book defines finds the book's, as it would in the program. Without --book it is empty.
    auto book = std::make_unique<TBookProperties>();
    if (options.BookDirectory) {
        try {
            book = LoadBookProperties(*options.BookDirectory, ToolRegionalSettings());
        } catch (const std::exception& e) {
            std::cerr << "quillara-book: cannot read the book in " << *options.BookDirectory << ": "
                      << e.what() << "\n";
            return 1;
        }
        if (book->LoadFailed) {
            std::cerr << "quillara-book: cannot read the book in " << *options.BookDirectory << ": "
                      << book->LoadError << "\n";
            return 1;
        }
    }
    // The figures the expression reads: those the book drew as it was read, as an attempt starts
    // from them, then those --set gives.
    TVariableValues values = book->FirstValues;
    const TFormulaScope scope = book->Scope(values);

    for (const std::string& text : options.Declarations) {
        try {
            book->Formulas.push_back(std::make_unique<TFormula>(true, text, ""));
        } catch (const EFormulaSyntaxError& e) {
            std::cerr << "quillara-book: cannot compile the declaration \"" << text
                      << "\": " << e.what() << "\n";
            return 1;
        }
        // The book keeps a declaration that does not compile (calling it gives 0); say why.
        TFormula& declared = *book->Formulas.back();
        std::vector<std::string> messages;
        if (!declared.Compiled && !declared.Compile(&messages)) {
            std::cerr << "quillara-book: warning: the declaration \"" << text
                      << "\" does not compile";
            for (const std::string& message : messages)
                std::cerr << ": " << message;
            std::cerr << "\n";
        }
    }

    if (options.ListFunctions) {
        PrintFunctions(std::cout, *book);
        return 0;
    }

    for (const auto& [name, value] : settings) {
        const TVarible* variable = scope.FindVariable("{" + name + "}");
        if (!variable) {
            book->Variables.push_back(
                std::make_unique<TVarible>(name, vkNumber, TReal48{}, TReal48{}, 0, std::nullopt));
            variable = book->Variables.back().get();
        }
        values.Set(*variable, value);
    }

    // The book's variables that the expression names and no --set gave were drawn above: say
    // what they drew, on the standard error, so that the standard output holds the
    // value alone.
    std::set<std::string_view> named;
    ForEachPlaceholderName(options.Expression, [&](std::string_view name) {
        if (!named.insert(name).second) return;
        for (const auto& [set, value] : settings)
            if (set == name) return;
        if (const TVarible* variable = book->FindVariable(name))
            std::cerr << "{" << name
                      << "} = " << Windows1252ToUtf8(variable->DisplayText(values.ValueOf(*variable),
                                                            ToolRegionalSettings()))
                      << " (drawn)\n";
    });

    TFormula expression(2);
    expression.Source = options.Expression;
    bool compiled = false;
    try {
        compiled = expression.Compile(nullptr);
    } catch (const EFormulaSyntaxError&) {
        compiled = false;
    }
    if (!compiled) {
        std::cerr << "Error compiling expression\n";
        return 1;
    }

    Extended value = 0;
    try {
        value = Evaluate(expression, scope);
    } catch (const EInvalidOperation& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    if (value == 0) value = 0; // no "-0"
    if (options.RoundTo) {
        // As the answer response shows a word problem's expected answer.
        TQuestion question;
        question.RoundTo = ParseWholeArgument(*options.RoundTo, "--round-to", -6, 4);
        const auto expected = ExpectedAnswerOf(question, value);
        if (!expected) {
            std::cerr << "Error evaluating expression: the value cannot be rounded\n";
            return 1;
        }
        std::cout << ExpectedAnswerText(question, *expected, ToolRegionalSettings()) << "\n";
    } else {
        std::cout << FormatGeneral(static_cast<double>(value), 15, ToolRegionalSettings()) << "\n";
    }
    return 0;
}

} // namespace

void AddEvalCommand(CLI::App& tool) {
    auto options = std::make_shared<EvalOptions>();
    CLI::App& eval = AddCommand(
        tool, "eval",
        {"eval [--book DIR] [--set NAME=VALUE]... [--declare DEFINITION]...\n"
         "                          [--round-to N] EXPRESSION\n"
         "       quillara-book eval --functions [--book DIR]",
         "Computes a word-problem formula and prints its value to 15 significant digits. The\n"
         "value each book variable it names drew, unless --set gave one, goes to the standard\n"
         "error."},
        [options] { return RunEval(*options); });
    eval.add_option("EXPRESSION", options->Expression);
    eval.add_flag("--functions", options->ListFunctions,
                  "list the functions a formula may call, with their parameters");
    eval.add_option("--book", options->BookDirectory,
                    "use the variables and formulas of the book in DIR")
        ->type_name("DIR");
    eval.add_option("--set", options->Settings, "give a variable a value")
        ->type_name("NAME=VALUE")
        ->allow_extra_args(false);
    eval.add_option("--round-to", options->RoundTo,
                    "print the value as a word problem rounded to N places shows its answer, "
                    "N from -6 to 4")
        ->type_name("N");
    eval.add_option("--declare", options->Declarations,
                    "declare a function such as \"area(w,h) = {1}*{2}\"")
        ->type_name("DEFINITION")
        ->allow_extra_args(false);
}

} // namespace quillara::tool
