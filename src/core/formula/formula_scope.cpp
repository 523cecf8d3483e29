#include "core/formula/formula_scope.h"

namespace quillara {

const TVarible* TFormulaScope::FindVariable(std::string_view bracedName) const {
    for (const auto& variable : *Variables) {
        const std::string& name = variable->Name;
        if (bracedName.size() == name.size() + 2 && bracedName.front() == '{' &&
            bracedName.back() == '}' && bracedName.substr(1, name.size()) == name)
            return variable.get();
    }
    return nullptr;
}

const TFormula* TFormulaScope::FindFormula(std::string_view name) const {
    for (const auto& formula : *Formulas)
        if (formula->Name == name) return formula.get();
    return nullptr;
}

} // namespace quillara
