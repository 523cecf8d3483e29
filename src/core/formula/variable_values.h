#pragma once

#include "core/formula/variable.h"
#include "core/numeric/extended.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace quillara {

using TVariableList = std::vector<std::unique_ptr<TVarible>>;

// The figures one attempt has drawn for word problems, by variable. They belong to the attempt,
// not to the book, so two attempts over one book never see each other's figures. The variables
// must outlive it.
class TVariableValues {
public:
    // No figures: every variable reads 0 until drawn or set.
    TVariableValues() = default;

    // Draws a new figure for the variable and returns it.
    Extended Draw(const TVarible& variable);
    void Set(const TVarible& variable, Extended value);
    // The figure last drawn or set for the variable; 0 when it has none.
    Extended ValueOf(const TVarible& variable) const;

private:
    std::unordered_map<const TVarible*, Extended> Values;
};

} // namespace quillara
