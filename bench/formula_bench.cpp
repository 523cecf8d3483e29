// How fast a typical word-problem answer is computed: compound interest through a declared
// function, with variables and a power, evaluated as the question runner does (the answer and the
// function compiled once, then reused). The baseline is the same arithmetic written in C++; a
// third row compiles the answer afresh at each evaluation, to show what compiling costs.
#include "core/formula/evaluator.h"
#include "core/formula/formula.h"
#include "core/formula/formula_scope.h"
#include "core/formula/variable.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

using namespace quillara;

constexpr Extended Principal = 2500, Rate = 0.045L, Periods = 12, Years = 10;

struct WordProblem {
    TVariableList Variables;
    TFormulaList Formulas;
    TVariableValues Values;
    TFormulaScope Scope{Variables, Formulas, Values};
    TFormula Answer{2};

    WordProblem() {
        Formulas.push_back(std::make_unique<TFormula>(
            true, "compound(p, r, n, t) = {1}*(1+{2}/{3})^({3}*{4})", ""));
        const std::pair<const char*, Extended> values[] = {
            {"principal", Principal}, {"rate", Rate}, {"periods", Periods}, {"years", Years}};
        for (const auto& [name, value] : values) {
            Variables.push_back(
                std::make_unique<TVarible>(name, vkNumber, TReal48{}, TReal48{}, 0, std::nullopt));
            Values.Set(*Variables.back(), value);
        }
        Answer.Source = "compound({principal}, {rate}, {periods}, {years}) - {principal}";
    }
};

// The same operations as the formula: the whole exponent by repeated squaring.
Extended Native(Extended principal, Extended rate, Extended periods, Extended years) {
    auto exponent = static_cast<unsigned long>(periods * years);
    Extended square = 1 + rate / periods, power = 1;
    for (; exponent; exponent >>= 1, square *= square)
        if (exponent & 1) power *= square;
    return principal * power - principal;
}

// What one would usually write, with the library's power function.
Extended NativePow(Extended principal, Extended rate, Extended periods, Extended years) {
    return principal * std::pow(1 + rate / periods, periods * years) - principal;
}

void BM_EvaluateWordProblem(benchmark::State& state) {
    WordProblem problem;
    const Extended expected = NativePow(Principal, Rate, Periods, Years);
    Extended value = 0;
    for (auto _ : state) {
        value = Evaluate(problem.Answer, problem.Scope);
        benchmark::DoNotOptimize(value);
    }
    if (std::fabs(value - expected) > 1e-12L) state.SkipWithError("wrong value");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateWordProblem);

void BM_CompileAndEvaluateWordProblem(benchmark::State& state) {
    WordProblem problem;
    Extended value = 0;
    for (auto _ : state) {
        TFormula answer(2);
        answer.Source = problem.Answer.Source;
        value = Evaluate(answer, problem.Scope);
        benchmark::DoNotOptimize(value);
    }
    if (std::fabs(value - NativePow(Principal, Rate, Periods, Years)) > 1e-12L)
        state.SkipWithError("wrong value");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompileAndEvaluateWordProblem);

template <Extended (*Compute)(Extended, Extended, Extended, Extended)>
void BM_NativeLongDouble(benchmark::State& state) {
    Extended principal = Principal, rate = Rate, periods = Periods, years = Years;
    for (auto _ : state) {
        // Keeps the compiler from folding the inputs into a constant.
        benchmark::DoNotOptimize(principal);
        benchmark::DoNotOptimize(rate);
        benchmark::DoNotOptimize(periods);
        benchmark::DoNotOptimize(years);
        Extended value = Compute(principal, rate, periods, years);
        benchmark::DoNotOptimize(value);
    }
    if (std::fabs(Compute(Principal, Rate, Periods, Years) -
                  NativePow(Principal, Rate, Periods, Years)) > 1e-12L)
        state.SkipWithError("wrong value");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NativeLongDouble<Native>)->Name("BM_NativeLongDouble");
BENCHMARK(BM_NativeLongDouble<NativePow>)->Name("BM_NativeLongDoubleStdPow");

} // namespace
