#pragma once

#include "core/formula/formula.h"
#include "core/formula/variable.h"

#include <memory>
#include <string_view>
#include <vector>

namespace quillara {

using TVariableList = std::vector<std::unique_ptr<TVarible>>;
using TFormulaList = std::vector<std::unique_ptr<TFormula>>;

// The variables and formulas a formula can name: a book's own, or a set that a tool or a test
// puts together. It reads the lists as they stand at each look-up and owns nothing, so the lists
// must outlive it. Lists are in creation order, and the first of two equal names wins.
class TFormulaScope {
public:
    TFormulaScope(const TVariableList& variables, const TFormulaList& formulas)
        : Variables(&variables), Formulas(&formulas) {}

    // The first variable whose "{Name}" equals the text exactly.
    TVarible* FindVariable(std::string_view bracedName) const;
    // The first formula whose Name equals the name exactly.
    TFormula* FindFormula(std::string_view name) const;

private:
    const TVariableList* Variables;
    const TFormulaList* Formulas;
};

} // namespace quillara
