#pragma once

#include "core/formula/formula.h"
#include "core/formula/variable.h"
#include "core/formula/variable_values.h"

#include <memory>
#include <string_view>
#include <vector>

namespace quillara {

using TFormulaList = std::vector<std::unique_ptr<TFormula>>;

// The variables and formulas a formula can name, a book's own or a set that a tool or a test
// puts together, with the figures an attempt drew for those variables. It reads the lists and
// the figures as they stand at each look-up, changes none of them and owns nothing, so they must
// outlive it. Lists are in creation order, and the first of two equal names wins.
class TFormulaScope {
public:
    TFormulaScope(const TVariableList& variables, const TFormulaList& formulas,
                  const TVariableValues& values)
        : Variables(&variables), Formulas(&formulas), Values(&values) {}
    TFormulaScope(const TVariableList&, const TFormulaList&, TVariableValues&&) = delete;

    // The first variable whose "{Name}" equals the text exactly.
    const TVarible* FindVariable(std::string_view bracedName) const;
    // The first formula whose Name equals the name exactly.
    const TFormula* FindFormula(std::string_view name) const;
    // The figure drawn for a variable of this scope.
    Extended ValueOf(const TVarible& variable) const { return Values->ValueOf(variable); }

private:
    const TVariableList* Variables;
    const TFormulaList* Formulas;
    const TVariableValues* Values;
};

} // namespace quillara
