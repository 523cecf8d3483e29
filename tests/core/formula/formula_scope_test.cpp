#include "core/formula/formula_scope.h"
#include "scripted_random.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace quillara {
namespace {

TEST(FormulaScope, FindsTheFirstSymbolWhoseNameMatchesExactly) {
    testing::ScriptedRandom random;
    TVariableList variables;
    TFormulaList formulas;
    const TVariableValues values;
    const TFormulaScope scope(variables, formulas, values);
    // The lists are read at each look-up, so symbols added after the scope was made count.
    for (const char* name : {"rate", "rate", "r", ""})
        variables.push_back(
            std::make_unique<TVarible>(name, vkNumber, TReal48{}, TReal48{}, 0, std::nullopt));
    for (const char* source : {"twice(x) = {1}*2", "twice(x) = {1}*3", "tw(x) = {1}"})
        formulas.push_back(std::make_unique<TFormula>(true, source, ""));

    const struct {
        const char* Text;
        const TVarible* Expected;
    } variableCases[] = {
        {"{rate}", variables[0].get()},
        {"{r}", variables[2].get()},
        // A variable record of unknown layout has no name, and "{}" names it.
        {"{}", variables[3].get()},
        {"rate", nullptr},
        {"{Rate}", nullptr},
        {"{rate", nullptr},
        {"rate}", nullptr},
        {"{ rate}", nullptr},
        {"{rate} ", nullptr},
        {"[rate]", nullptr},
        {"", nullptr},
    };
    for (const auto& c : variableCases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(scope.FindVariable(c.Text), c.Expected);
    }

    const struct {
        const char* Name;
        const TFormula* Expected;
    } formulaCases[] = {
        {"twice", formulas[0].get()}, {"tw", formulas[2].get()}, {"Twice", nullptr},
        {"twice ", nullptr},          {"{twice}", nullptr},
    };
    for (const auto& c : formulaCases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(scope.FindFormula(c.Name), c.Expected);
    }
}

} // namespace
} // namespace quillara
