// Formula text compiled and evaluated among a few variables and declared functions, one of them
// calling itself and one whose calls fan out. The input's first line, when it has several, is
// declared as one more function. Syntax errors and evaluation errors are expected outcomes; a
// crash, a hang, undefined behaviour, a leak, a non-finite result or an evaluation that changes
// a formula of the book are bugs.
#include "core/formula/evaluator.h"
#include "core/formula/formula.h"
#include "core/formula/formula_scope.h"
#include "core/formula/variable.h"
#include "core/platform/random_source.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace quillara;

void Require(bool condition) {
    if (!condition) std::abort();
}

struct Book {
    TSeededRandom Random{1};
    TVariableList Variables;
    TFormulaList Formulas;
    TVariableValues Values;
    TFormulaScope Scope{Variables, Formulas, Values};

    Book() {
        SetProgramRandom(&Random);
        const std::pair<const char*, Extended> numbers[] = {{"a", 1.5L},      {"b", -2},
                                                            {"rate", 0.05L},  {"zero", 0},
                                                            {"big", 1e4000L}, {"tiny", 1e-4000L}};
        for (const auto& [name, value] : numbers) {
            Variables.push_back(
                std::make_unique<TVarible>(name, vkNumber, TReal48{}, TReal48{}, 0, std::nullopt));
            Values.Set(*Variables.back(), value);
        }
        Variables.push_back(
            std::make_unique<TVarible>("colour", vkChoice, TReal48{}, TReal48{}, 0,
                                       std::vector<std::string>{"red", "green", "blue"}));
        Values.Draw(*Variables.back());
        for (const char* source : {
                 "area(w,h) = {1}*{2}",
                 "half(x) = {1}/2",
                 "five() = 5",
                 "sqrt(x) = 0",
                 "interest(p,r,n,t) = {1}*(1+{2}/{3})^({3}*{4})",
                 "loop(x) = loop({1}+1)",
                 "ping(x) = 1+pong({1})",
                 "pong(x) = ping({1}-1)",
                 "twice(x) = twice({1})+twice({1})",
                 "broken(x) = {1} $ 1",
                 "outside(x) = {3}",
                 "many(a,b,c,d,e,f,g,h,i,j,k) = 1",
                 "ten(a,b,c,d,e,f,g,h,i,j) = {9}-{1}",
             })
            Formulas.push_back(std::make_unique<TFormula>(true, source, ""));
    }
};

// What a formula holds that an evaluation could change.
struct FormulaState {
    std::string Name;
    bool Compiled;
    bool HasDeclaration;
    std::string SecondText;
    std::optional<std::vector<std::string>> Parameters;
    std::vector<TFormulaNode> Nodes;
    std::string Source;
    std::uint8_t RecordVersion;
    long Compilations;
};

bool SameNode(const TFormulaNode& a, const TFormulaNode& b) {
    return a.NodeKind == b.NodeKind && a.Text == b.Text &&
           (a.Value == b.Value || (std::isnan(a.Value) && std::isnan(b.Value)));
}

FormulaState StateOf(const TFormula& f) {
    return {f.Name,  f.Compiled, f.HasDeclaration, f.SecondText,    f.Parameters,
            f.Nodes, f.Source,   f.RecordVersion,  f.Compilations()};
}

bool Same(const FormulaState& a, const FormulaState& b) {
    return a.Name == b.Name && a.Compiled == b.Compiled && a.HasDeclaration == b.HasDeclaration &&
           a.SecondText == b.SecondText && a.Parameters == b.Parameters && a.Source == b.Source &&
           a.RecordVersion == b.RecordVersion && a.Compilations == b.Compilations &&
           a.Nodes.size() == b.Nodes.size() &&
           std::equal(a.Nodes.begin(), a.Nodes.end(), b.Nodes.begin(), SameNode);
}

// Whatever an evaluation does, the formulas it calls are as they were.
void EvaluateChecked(const Book& book, TFormula& formula, bool compiles) {
    std::vector<FormulaState> before;
    for (const auto& f : book.Formulas)
        if (f.get() != &formula) before.push_back(StateOf(*f));
    try {
        const Extended value = Evaluate(formula, book.Scope);
        Require(std::isfinite(value));
        if (!compiles) Require(value == 0);
    } catch (const EInvalidOperation&) {
    }
    std::size_t i = 0;
    for (const auto& f : book.Formulas)
        if (f.get() != &formula) Require(Same(before[i++], StateOf(*f)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Book book;
    const std::size_t bookFormulas = book.Formulas.size();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto newline = text.find('\n');
    try {
        // The declared function joins the book for this input only, after the book's own.
        if (newline != std::string::npos) {
            book.Formulas.push_back(std::make_unique<TFormula>(true, text.substr(0, newline), ""));
            TFormula& declared = *book.Formulas.back();
            EvaluateChecked(book, declared, declared.Compiled);
        }
        TFormula expression(2);
        expression.Source = newline == std::string::npos ? text : text.substr(newline + 1);
        const bool compiles = expression.Compile(nullptr);
        EvaluateChecked(book, expression, compiles);
    } catch (const EFormulaSyntaxError&) {
    }
    book.Formulas.resize(bookFormulas);
    return 0;
}
