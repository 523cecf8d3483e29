#include "core/formula/builtin_functions.h"

#include "core/formula/evaluator.h"

#include <array>
#include <cmath>

namespace quillara {

namespace {

Extended SquareRoot(const TArguments& arguments, int count) {
    if (count < 1) throw EInvalidOperation("sqrt needs an argument");
    if (arguments[0] < 0) throw EInvalidOperation("Invalid floating point operation");
    return std::sqrt(arguments[0]);
}

constexpr std::array Functions{
    TBuiltinFunction{"sqrt", "x", "the square root of x; x must not be negative", SquareRoot},
};

} // namespace

std::span<const TBuiltinFunction> BuiltinFunctions() {
    return Functions;
}

const TBuiltinFunction* FindBuiltinFunction(std::string_view name) {
    for (const TBuiltinFunction& function : Functions)
        if (function.Name == name) return &function;
    return nullptr;
}

} // namespace quillara
