#pragma once

#include "core/formula/formula_scope.h"

#include <string>
#include <string_view>

namespace quillara::tool {

// A formula of a quiz file's calculated question in the book's formula language.
struct TTranslatedFormula {
    std::string Formula;
    // Why it has none: a function the book cannot compute, or text that is no formula.
    std::string Error;
    // The formula calls sqrt, which the book computes once it declares a function of that name.
    bool UsesSqrt = false;
};

// Quiz files write +, -, *, / and ^ between numbers, {variables} and the functions sqrt, pow,
// abs and pi(); the book has no unary minus (written 0-x) and no pow (written ^).
TTranslatedFormula FormulaFromQuizFile(std::string_view formula);

// A word problem's formula as quiz files write it: the book's functions it calls written out
// with their arguments, ^ as pow. Empty with `error` set when it cannot be.
std::string FormulaForQuizFile(const std::string& formula, const TFormulaScope& scope,
                               std::string& error);

// A number as the book's formulas write it: fixed-point, the fewest digits that read back the
// same, a negative one as 0-x.
std::string FormulaNumber(double value);

} // namespace quillara::tool
