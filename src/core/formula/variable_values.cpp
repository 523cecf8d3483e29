#include "core/formula/variable_values.h"

namespace quillara {

Extended TVariableValues::Draw(const TVarible& variable) {
    return Values[&variable] = variable.DrawValue();
}

void TVariableValues::Set(const TVarible& variable, Extended value) {
    Values[&variable] = value;
}

Extended TVariableValues::ValueOf(const TVarible& variable) const {
    const auto found = Values.find(&variable);
    return found == Values.end() ? 0 : found->second;
}

} // namespace quillara
