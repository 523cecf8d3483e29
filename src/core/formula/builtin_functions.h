#pragma once

#include "core/formula/formula.h"
#include "core/numeric/extended.h"

#include <span>
#include <string_view>

namespace quillara {

// A function the evaluator computes itself instead of evaluating the declaration's body. A book
// still declares it (sqrt(x) = 0) for a formula to call it: the look-up of a call goes through
// the book's formulas, and the declaration's parameters say how many values the call takes.
struct TBuiltinFunction {
    std::string_view Name;
    // As a declaration lists them: "x".
    std::string_view Parameters;
    std::string_view Description;
    // From the call's arguments, the first `count` of them filled; raises EInvalidOperation.
    Extended (*Compute)(const TArguments& arguments, int count);
};

// Every function the evaluator computes itself, in the order the author's tool lists them.
std::span<const TBuiltinFunction> BuiltinFunctions();
// The one named exactly `name`, or none.
const TBuiltinFunction* FindBuiltinFunction(std::string_view name);

} // namespace quillara
