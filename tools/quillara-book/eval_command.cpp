// quillara-book eval: computes a word-problem formula the way the question runner does, with the
// book's variables and functions at hand and values given on the command line.
#include "core/book/book_properties.h"
#include "commands.h"
#include "function_list.h"
#include "core/formula/evaluator.h"
#include "core/formula/formula.h"
#include "core/formula/formula_scope.h"
#include "core/formula/variable.h"
#include "core/formula/variable_values.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillara::tool {

namespace {

struct EvalOptions {
    std::optional<std::string> BookDirectory;
    std::vector<std::pair<std::string, Extended>> Settings;
    std::vector<std::string> Declarations;
    std::string Expression;
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

EvalOptions ParseOptions(const Arguments& args) {
    EvalOptions options;
    bool haveExpression = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--book" || arg == "--set" || arg == "--declare";
        if (takesValue && i + 1 == args.size()) throw UsageError(arg + " needs a value");
        if (arg == "--book") {
            options.BookDirectory = args[++i];
        } else if (arg == "--set") {
            const std::string& setting = args[++i];
            const auto equals = setting.find('=');
            if (equals == std::string::npos || equals == 0)
                throw UsageError("--set expects NAME=VALUE, not \"" + setting + "\"");
            options.Settings.emplace_back(setting.substr(0, equals),
                                          ParseValue(setting, setting.substr(equals + 1)));
        } else if (arg == "--declare") {
            options.Declarations.push_back(args[++i]);
        } else if (arg == "--functions") {
            options.ListFunctions = true;
        } else if (arg.starts_with("--")) {
            throw UsageError("unknown option \"" + arg + "\"");
        } else if (haveExpression) {
            throw UsageError("more than one expression (quote an expression with spaces)");
        } else {
            options.Expression = arg;
            haveExpression = true;
        }
    }
    if (options.ListFunctions && haveExpression)
        throw UsageError("--functions lists the functions; give no expression with it");
    if (!haveExpression && !options.ListFunctions) throw UsageError("eval needs an expression");
    return options;
}

} // namespace

int RunEval(const Arguments& args) {
    const EvalOptions options = ParseOptions(args);

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
    TVariableValues values(book->Variables);
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

    for (const auto& [name, value] : options.Settings) {
        const TVarible* variable = scope.FindVariable("{" + name + "}");
        if (!variable) {
            book->Variables.push_back(
                std::make_unique<TVarible>(name, vkNumber, TReal48{}, TReal48{}, 0, std::nullopt));
            variable = book->Variables.back().get();
        }
        values.Set(*variable, value);
    }

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
    std::printf("%.18Lg\n", value);
    return 0;
}

} // namespace quillara::tool
