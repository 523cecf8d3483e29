#include "formula_translation.h"

#include "core/formula/formula.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace quillara::tool {

namespace {

// An expression's text and how tightly its outermost operator binds, so that parentheses are
// written only where they are needed.
struct TExpr {
    std::string Text;
    int Binding = 4; // 1 + -, 2 * /, 3 ^, 4 a number, variable, call or parenthesis
};

int BindingOf(char op) {
    return op == '+' || op == '-' ? 1 : op == '*' || op == '/' ? 2 : 3;
}

std::string Wrapped(const TExpr& e, bool wrap) {
    return wrap ? "(" + e.Text + ")" : e.Text;
}

// Every operator of the book's formulas groups from the left.
TExpr Binary(const TExpr& left, char op, const TExpr& right) {
    const int binding = BindingOf(op);
    return {Wrapped(left, left.Binding < binding) + op + Wrapped(right, right.Binding <= binding),
            binding};
}

class TFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Recursive descent over the quiz file's formula, no deeper than a formula ever needs.
class TQuizFormulaParser {
public:
    explicit TQuizFormulaParser(std::string_view text) : Text(text) {}

    TTranslatedFormula Parse() {
        TTranslatedFormula result;
        try {
            const TExpr e = Sum();
            SkipSpace();
            if (Pos != Text.size())
                Fail("\"" + std::string(Text.substr(Pos, 1)) + "\" is unexpected");
            result.Formula = e.Text;
            result.UsesSqrt = UsesSqrt;
        } catch (const TFailure& failure) {
            result.Error = failure.what();
        }
        return result;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw TFailure("its formula \"" + std::string(Text) + "\" cannot be computed: " + what);
    }
    void SkipSpace() {
        while (Pos < Text.size() && std::isspace(static_cast<unsigned char>(Text[Pos])))
            ++Pos;
    }
    bool Take(char c) {
        SkipSpace();
        if (Pos < Text.size() && Text[Pos] == c) {
            ++Pos;
            return true;
        }
        return false;
    }
    void Expect(char c) {
        if (!Take(c)) Fail(std::string("a \"") + c + "\" is missing");
    }

    TExpr Sum() {
        TExpr e = Product();
        for (;;) {
            if (Take('+'))
                e = Binary(e, '+', Product());
            else if (Take('-'))
                e = Binary(e, '-', Product());
            else
                return e;
        }
    }
    TExpr Product() {
        TExpr e = Unary();
        for (;;) {
            SkipSpace();
            if (Text.substr(Pos).starts_with("**")) return e; // a power, taken by Unary's Power
            if (Take('*'))
                e = Binary(e, '*', Unary());
            else if (Take('/'))
                e = Binary(e, '/', Unary());
            else
                return e;
        }
    }
    TExpr Unary() {
        if (Take('-')) return Binary({"0"}, '-', Unary());
        if (Take('+')) return Unary();
        return Power();
    }
    TExpr Power() {
        TExpr base = Primary();
        SkipSpace();
        if (Text.substr(Pos).starts_with("**")) {
            Pos += 2;
            return Binary(base, '^', Unary());
        }
        if (Take('^')) return Binary(base, '^', Unary());
        return base;
    }
    TExpr Primary() {
        if (++Depth > 100) Fail("it nests too deep");
        SkipSpace();
        if (Pos == Text.size()) Fail("it ends where a value was expected");
        const char c = Text[Pos];
        TExpr e;
        if (Take('(')) {
            e = Sum();
            Expect(')');
            e = {"(" + e.Text + ")", 4};
        } else if (c == '{') {
            const std::size_t close = Text.find('}', Pos);
            if (close == std::string_view::npos) Fail("a \"{\" is not closed");
            e = {std::string(Text.substr(Pos, close - Pos + 1)), 4};
            Pos = close + 1;
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            e = Number();
        } else if (std::isalpha(static_cast<unsigned char>(c))) {
            e = Call();
        } else {
            Fail("\"" + std::string(1, c) + "\" is unexpected");
        }
        --Depth;
        return e;
    }
    TExpr Number() {
        double value = 0;
        const auto [end, error] =
            std::from_chars(Text.data() + Pos, Text.data() + Text.size(), value);
        if (error != std::errc() || !std::isfinite(value)) Fail("a number is malformed");
        Pos = static_cast<std::size_t>(end - Text.data());
        return {FormulaNumber(value), 4};
    }
    TExpr Call() {
        const std::size_t start = Pos;
        while (Pos < Text.size() &&
               (std::isalnum(static_cast<unsigned char>(Text[Pos])) || Text[Pos] == '_'))
            ++Pos;
        const std::string name(Text.substr(start, Pos - start));
        Expect('(');
        std::vector<TExpr> arguments;
        if (!Take(')')) {
            do
                arguments.push_back(Sum());
            while (Take(','));
            Expect(')');
        }
        auto need = [&](std::size_t count) {
            if (arguments.size() != count)
                Fail(name + " takes " + std::to_string(count) + " arguments");
        };
        if (name == "pi") {
            need(0);
            return {"3.14159265358979324", 4};
        }
        if (name == "pow") {
            need(2);
            return Binary(arguments[0], '^', arguments[1]);
        }
        if (name == "sqrt" || name == "abs") {
            need(1);
            UsesSqrt = true;
            // |x| is the root of its square.
            const TExpr inner = name == "sqrt" ? arguments[0] : Binary(arguments[0], '^', {"2"});
            return {"sqrt(" + inner.Text + ")", 4};
        }
        Fail("the book's formulas have no function " + name + "()");
    }

    std::string_view Text;
    std::size_t Pos = 0;
    int Depth = 0;
    bool UsesSqrt = false;
};

// The book's postfix node list back to infix, as quiz files write it: ^ as pow, the book's own
// functions written out with their arguments.
class TQuizFormulaWriter {
public:
    explicit TQuizFormulaWriter(const TFormulaScope& scope) : Scope(scope) {}

    TExpr Write(const TFormula& formula, const std::vector<TExpr>* arguments) {
        if (++Depth > 16) throw TFailure("its functions call each other too deep");
        if (!formula.Compiled) throw TFailure("its formula does not compile");
        std::vector<TExpr> values;
        auto pop = [&] {
            if (values.empty()) throw TFailure("an operator is missing an operand");
            TExpr e = std::move(values.back());
            values.pop_back();
            return e;
        };
        for (const TFormulaNode& node : formula.Nodes) {
            switch (node.NodeKind) {
            case nkNumber:
                values.push_back({FormulaNumber(static_cast<double>(node.Value)), 4});
                break;
            case nkVariable:
                values.push_back({node.Text, 4});
                break;
            case nkArgument: {
                const auto n = static_cast<std::size_t>(node.Value);
                if (!arguments || n < 1 || n > arguments->size())
                    throw TFailure("it uses an argument {" + std::to_string(n) +
                                   "} that no call passes");
                values.push_back((*arguments)[n - 1]);
                break;
            }
            case nkOperator: {
                if (node.Text.size() != 1 ||
                    std::string_view("+-*/^").find(node.Text[0]) == std::string_view::npos)
                    throw TFailure("a \"(\" or a function name is not closed");
                const TExpr right = pop();
                const TExpr left = pop();
                values.push_back(node.Text[0] == '^'
                                     ? TExpr{"pow(" + left.Text + ", " + right.Text + ")", 4}
                                     : Binary(left, node.Text[0], right));
                break;
            }
            case nkCall:
                values.push_back(CallOf(node.Text, values));
                break;
            default:
                throw TFailure("it holds a node of an unknown kind");
            }
        }
        if (values.size() != 1) throw TFailure("an operator is missing");
        --Depth;
        return values.front();
    }

private:
    TExpr CallOf(const std::string& name, std::vector<TExpr>& values) {
        const TFormula* called = Scope.FindFormula(name);
        if (!called) throw TFailure("it calls " + name + ", which the book does not declare");
        const std::size_t count = called->Parameters ? called->Parameters->size() : 0;
        if (count > values.size()) throw TFailure(name + " is given too few arguments");
        std::vector<TExpr> arguments(values.end() - static_cast<std::ptrdiff_t>(count),
                                     values.end());
        values.resize(values.size() - count);
        if (name == "sqrt") {
            if (arguments.empty()) throw TFailure("sqrt needs an argument");
            return {"sqrt(" + arguments[0].Text + ")", 4};
        }
        const TExpr body = Write(*called, &arguments);
        return {"(" + body.Text + ")", 4};
    }

    const TFormulaScope& Scope;
    int Depth = 0;
};

} // namespace

TTranslatedFormula FormulaFromQuizFile(std::string_view formula) {
    return TQuizFormulaParser(formula).Parse();
}

std::string FormulaForQuizFile(const std::string& formula, const TFormulaScope& scope,
                               std::string& error) {
    TFormula compiled(2);
    compiled.Source = formula;
    try {
        compiled.Compile(nullptr);
        if (compiled.Nodes.empty()) throw TFailure("its formula is empty");
        return TQuizFormulaWriter(scope).Write(compiled, nullptr).Text;
    } catch (const std::exception& e) {
        error = e.what();
        return {};
    }
}

std::string FormulaNumber(double value) {
    char text[400];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::fixed);
    const std::string digits = error == std::errc() ? std::string(text, end) : "0";
    return value < 0 ? "0-" + digits : digits;
}

} // namespace quillara::tool
