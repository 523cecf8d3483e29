#include "core/formula/evaluator.h"

#include "core/formula/builtin_functions.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quillara {

namespace {

std::string NumberText(Extended value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.18Lg", value);
    return text;
}

[[noreturn]] void Overflow() {
    throw EInvalidOperation("Floating point overflow");
}
[[noreturn]] void InvalidOp() {
    throw EInvalidOperation("Invalid floating point operation");
}
[[noreturn]] void ZeroDivide() {
    throw EInvalidOperation("Floating point division by zero");
}

// The platform's arithmetic does not trap, so every result is checked instead.
Extended Checked(Extended value) {
    if (std::isnan(value)) InvalidOp();
    if (std::isinf(value)) Overflow();
    return value;
}

bool IsArithmetic(const std::string& op) {
    return op.size() == 1 &&
           (op[0] == '+' || op[0] == '-' || op[0] == '*' || op[0] == '/' || op[0] == '^');
}

// What an unclosed "(" or a name without "(" leaves in the list as an operator.
[[noreturn]] void StrayOperator(const std::string& op) {
    if (op == "(") throw EInvalidOperation("A \"(\" is not closed");
    if (op == "**") throw EInvalidOperation("A function name is not followed by \"(\"");
    throw EInvalidOperation("The function name \"" + op + "\" is not followed by \"(\"");
}

// `op` is one of the five, as IsArithmetic checked.
Extended Apply(char op, Extended left, Extended right) {
    switch (op) {
    case '*':
        return Checked(left * right);
    case '/':
        if (right == 0) throw EInvalidOperation("Invalid Floating Point Operation: Divide by zero");
        return Checked(left / right);
    case '+':
        return Checked(left + right);
    case '-':
        return Checked(left - right);
    default:
        return Power(left, right);
    }
}

// One level of formula calls, counted while the called formula runs.
class TCallDepth {
public:
    TCallDepth(const TFormula& formula, int& depth) : Depth(depth) {
        if (Depth >= MaxCallDepth)
            throw EInvalidOperation("Formula calls nested more than " +
                                    std::to_string(MaxCallDepth) + " deep at \"" + formula.Name +
                                    "\": does a formula call itself?");
        ++Depth;
    }
    ~TCallDepth() { --Depth; }
    TCallDepth(const TCallDepth&) = delete;
    TCallDepth& operator=(const TCallDepth&) = delete;

private:
    int& Depth;
};

// Reducing the postfix list in place, leftmost operator or call first, is the same as one pass
// that keeps the value nodes met so far on a stack: every node left of the one being reduced is
// a value node. Values are taken from nodes only when an operator or call consumes them, so a
// variable is read, or found missing, at the moment of its reduction. The stack points into the
// compiled list instead of copying it, so the list stays compiled for the next evaluation.
struct TPendingValue {
    // A value node, read when consumed. Its result is left unset: storing an extended value
    // here only to copy the entry would cost more than the rest of pushing it.
    explicit TPendingValue(const TFormulaNode* node) : Node(node) {}
    explicit TPendingValue(Extended result) : Result(result) {}

    const TFormulaNode* Node = nullptr; // null once the value is a result
    Extended Result;
};

Extended ValueOf(const TCallArguments& arguments, const TPendingValue& value,
                 const TFormulaScope& scope) {
    return value.Node ? EvaluateNode(*value.Node, arguments, scope) : value.Result;
}

// `values` holds the values of every evaluation in progress; this one's begin at `base`.
void ReduceOperator(const TCallArguments& arguments, const TFormulaScope& scope,
                    std::vector<TPendingValue>& values, std::size_t base, const std::string& op) {
    if (!IsArithmetic(op)) StrayOperator(op);
    if (values.size() - base < 2)
        throw EInvalidOperation("The operator \"" + op + "\" is missing an operand");
    const Extended left = ValueOf(arguments, values[values.size() - 2], scope);
    const Extended right = ValueOf(arguments, values.back(), scope);
    const Extended result = Apply(op[0], left, right);
    values.pop_back();
    values.back() = TPendingValue(result);
}

// One top-level evaluation or call with everything it calls: the symbols they read, how deep
// the calls are nested and what they have spent, so the limits hold for the whole chain and
// every evaluation starts from nothing.
class TEvaluation {
public:
    // Room for the values of any word problem's formula and the functions it calls, taken once.
    explicit TEvaluation(const TFormulaScope& scope) : Scope(scope) { Values.reserve(32); }

    // The caller's own formula, compiled here when its source changed.
    Extended Evaluate(TFormula& formula) {
        try {
            formula.CompileIfChanged(nullptr);
        } catch (const EFormulaSyntaxError& e) {
            // A source that cannot even be turned into nodes ends the evaluation like any other
            // failure, so callers of an evaluation have one kind of error to catch.
            throw EInvalidOperation(e.what());
        }
        return Reduce(formula, TCallArguments{});
    }

    Extended Call(const TFormula& formula, int argumentCount, const TArguments& arguments) {
        if (argumentCount < 0 || argumentCount > static_cast<int>(arguments.size()))
            throw EInvalidOperation("A call passes 0 to 10 arguments, not " +
                                    std::to_string(argumentCount));
        SpendCall(formula);
        TCallDepth depth(formula, Depth);
        if (const TBuiltinFunction* builtin = FindBuiltinFunction(formula.Name))
            return Checked(builtin->Compute(arguments, argumentCount));
        return Reduce(CompiledForm(formula), TCallArguments{&arguments, argumentCount});
    }

private:
    // Reduces a compiled formula, its argument nodes reading `arguments`.
    Extended Reduce(const TFormula& formula, const TCallArguments& arguments) {
        SpendNodes(formula);
        if (!formula.Compiled || formula.Nodes.empty()) return 0;

        // A lone operator is no value; a lone call of a function without parameters is reduced.
        // A variable read alone is checked like any result: whatever set it, no value that is
        // not a number leaves an evaluation.
        if (formula.Nodes.size() == 1 && formula.Nodes.front().NodeKind != nkCall)
            return Checked(EvaluateNode(formula.Nodes.front(), arguments, Scope));

        // Nothing below changes the node list: a nested evaluation of the same formula (a call
        // of itself) reads it alongside with arguments of its own. The calls it makes stack
        // their values above this one's and take them off again.
        const std::size_t base = Values.size();
        for (const TFormulaNode& node : formula.Nodes) {
            if (node.NodeKind == nkOperator)
                ReduceOperator(arguments, Scope, Values, base, node.Text);
            else if (node.NodeKind == nkCall)
                ReduceCall(arguments, base, node.Text);
            else
                Values.emplace_back(&node);
        }
        if (Values.size() - base != 1)
            throw EInvalidOperation(
                "The formula leaves more than one value: an operator is missing");
        const Extended result = Checked(ValueOf(arguments, Values[base], Scope));
        Values.erase(Values.begin() + static_cast<std::ptrdiff_t>(base), Values.end());
        return result;
    }

    // `arguments` are those of the formula whose call node this is.
    void ReduceCall(const TCallArguments& arguments, std::size_t base, const std::string& name) {
        const TFormula* called = Scope.FindFormula(name);
        if (!called) throw EInvalidOperation("Unknown function: " + name);
        const std::size_t k = called->Parameters ? called->Parameters->size() : 0;
        if (k > std::tuple_size_v<TArguments>)
            throw EInvalidOperation("The function \"" + name + "\" has more than 10 parameters");
        if (k > Values.size() - base)
            throw EInvalidOperation("The function \"" + name + "\" takes " + std::to_string(k) +
                                    " arguments but fewer were given");
        // The k values before the call are its arguments, the leftmost in the first slot.
        TArguments passed{};
        const std::size_t first = Values.size() - k;
        for (std::size_t j = 0; j < k; ++j)
            passed[j] = ValueOf(arguments, Values[first + j], Scope);
        const Extended result = Call(*called, static_cast<int>(k), passed);
        Values.erase(Values.begin() + static_cast<std::ptrdiff_t>(first), Values.end());
        Values.emplace_back(result);
    }

    // The called formula itself when its node list is that of its present source, as every
    // formula of a book is; otherwise a copy compiled for this evaluation, which gives what
    // compiling the formula would give while the formula stays as it is. The copy serves every
    // later call of the formula in this evaluation.
    const TFormula& CompiledForm(const TFormula& formula) {
        if (formula.IsCompiledAsIs()) return formula;
        for (const auto& [original, copy] : Recompiled)
            if (original == &formula) return *copy;
        auto copy = std::make_unique<TFormula>(formula);
        try {
            copy->CompileIfChanged(nullptr);
        } catch (const EFormulaSyntaxError& e) {
            throw EInvalidOperation(e.what());
        }
        Recompiled.emplace_back(&formula, std::move(copy));
        return *Recompiled.back().second;
    }

    void SpendCall(const TFormula& formula) {
        if (++Calls > MaxEvaluationCalls)
            throw EInvalidOperation("More than " + std::to_string(MaxEvaluationCalls) +
                                    " calls of formulas in one evaluation, the last of \"" +
                                    formula.Name + "\": do formulas call others too often?");
    }

    void SpendNodes(const TFormula& formula) {
        Nodes += static_cast<long>(formula.Nodes.size());
        if (Nodes > MaxEvaluationNodes)
            throw EInvalidOperation("More than " + std::to_string(MaxEvaluationNodes) +
                                    " formula nodes in one evaluation: the formulas it calls are "
                                    "too long to compute");
    }

    const TFormulaScope& Scope;
    // The values of every evaluation in progress, a called formula's above its caller's.
    std::vector<TPendingValue> Values;
    // Copies of called formulas whose node lists were not those of their sources.
    std::vector<std::pair<const TFormula*, std::unique_ptr<TFormula>>> Recompiled;
    int Depth = 0;
    long Calls = 0;
    long Nodes = 0;
};

} // namespace

Extended Evaluate(TFormula& formula, const TFormulaScope& scope) {
    return TEvaluation(scope).Evaluate(formula);
}

Extended Call(const TFormula& formula, int argumentCount, const TArguments& arguments,
              const TFormulaScope& scope) {
    return TEvaluation(scope).Call(formula, argumentCount, arguments);
}

Extended EvaluateNode(const TFormulaNode& node, const TCallArguments& arguments,
                      const TFormulaScope& scope) {
    switch (node.NodeKind) {
    case nkNumber:
        return node.Value;
    case nkArgument: {
        if (!(node.Value >= 1 && node.Value < 11))
            throw EInvalidOperation("Argument {" + NumberText(node.Value) +
                                    "} is not one of {1} to {10}");
        // Counted rather than converted: truncating an extended value switches the x87 rounding
        // mode, which costs more than the rest of reading the argument.
        std::size_t n = 1;
        while (n < 10 && node.Value >= static_cast<Extended>(n + 1))
            ++n;
        if (!arguments.Values || n > static_cast<std::size_t>(arguments.Count)) {
            const std::string reference = "{" + std::to_string(n) + "}";
            if (!arguments.Values)
                throw EInvalidOperation("Argument " + reference +
                                        " is used outside a function call");
            throw EInvalidOperation("Argument " + reference + " is used but the call passed " +
                                    std::to_string(arguments.Count));
        }
        return (*arguments.Values)[n - 1];
    }
    case nkVariable: {
        const TVarible* variable = scope.FindVariable(node.Text);
        if (!variable) throw EInvalidOperation("EvalNode: unknown varible (" + node.Text + ")");
        return scope.ValueOf(*variable);
    }
    default:
        throw EInvalidOperation("(result), unknown node type: " + std::to_string(node.NodeKind));
    }
}

Extended Power(Extended base, Extended exponent) {
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;
    // Within the range, a whole exponent is one that survives the trip through an integer;
    // rounding in the current mode makes that trip without switching the x87 rounding mode.
    const bool inRange = std::fabs(exponent) <= 2147483647;
    const std::int64_t whole = inRange ? std::llrint(exponent) : 0;
    if (inRange && static_cast<Extended>(whole) == exponent) {
        std::uint64_t remaining = static_cast<std::uint64_t>(whole < 0 ? -whole : whole);
        Extended square = base;
        Extended result = 1;
        for (;;) {
            if (remaining & 1) result *= square;
            remaining >>= 1;
            if (remaining == 0) break;
            square *= square;
        }
        Checked(result);
        if (whole < 0) {
            if (result == 0) ZeroDivide();
            result = 1 / result;
        }
        return Checked(result);
    }
    if (base < 0) InvalidOp();   // the logarithm of a negative number
    if (base == 0) ZeroDivide(); // the logarithm of 0, with a negative exponent
    return Checked(std::exp(exponent * std::log(base)));
}

} // namespace quillara
