#pragma once

#include "core/formula/formula.h"
#include "core/formula/formula_scope.h"
#include "core/numeric/extended.h"

#include <stdexcept>

namespace quillara {

// Every failure of an evaluation: a division by zero, an unknown function or variable, a node
// list that does not reduce to one value, an arithmetic overflow or invalid operation.
class EInvalidOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Calls of formulas may nest this deep within one evaluation; a formula that calls itself fails
// here instead of exhausting the stack.
constexpr int MaxCallDepth = 256;

// What one evaluation may spend, with everything it calls: formula calls, and nodes compiled for
// them. No word problem comes near either; formulas whose calls fan out (each calling the next
// twice) would otherwise run for ever within the depth limit.
constexpr long MaxEvaluationCalls = 10'000;
constexpr long MaxEvaluationNodes = 1'000'000;

// Reduces the formula's node list to one value, reading variables and calling formulas found in
// `scope`; the formula itself need not be in it. The formula is compiled only when its source
// changed since its last compile; the node list is left as built. Formulas it calls are only read:
// one whose compiled form is not that of its present source (never compiled, or changed since)
// is compiled afresh for this evaluation alone. A formula that does not compile gives 0; every
// other failure raises EInvalidOperation.
Extended Evaluate(TFormula& formula, const TFormulaScope& scope);

// Evaluates the formula as a function of the first `argumentCount` values of `arguments`,
// without changing it. A formula named like a built-in function (BuiltinFunctions) is computed
// directly.
Extended Call(const TFormula& formula, int argumentCount, const TArguments& arguments,
              const TFormulaScope& scope);

// What a call passes to the formula it calls: the first `Count` values of `Values`. A formula
// evaluated on its own, not called, has none.
struct TCallArguments {
    const TArguments* Values = nullptr;
    int Count = 0;
};

// The value of one value node (number, argument or variable reference) of a formula evaluated
// with `arguments`.
Extended EvaluateNode(const TFormulaNode& node, const TCallArguments& arguments,
                      const TFormulaScope& scope);

// `base` raised to `exponent`: whole exponents by repeated squaring, others through logarithms.
Extended Power(Extended base, Extended exponent);

} // namespace quillara
