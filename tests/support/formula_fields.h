#pragma once

#include "core/formula/formula.h"

#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace quillara::testing {

// Everything a formula holds, compared as a whole: what a test takes before an evaluation and
// again after it, to see that evaluating left the formula as it was.
struct FormulaFields {
    std::string Name;
    bool Compiled = false;
    bool HasDeclaration = false;
    std::string SecondText;
    std::optional<std::vector<std::string>> Parameters;
    std::vector<std::tuple<int, Extended, std::string>> Nodes;
    std::string Source;
    int RecordVersion = 0;
    long Compilations = 0;
    bool CompiledAsIs = false;

    bool operator==(const FormulaFields&) const = default;
};

inline FormulaFields FieldsOf(const TFormula& formula) {
    FormulaFields fields{formula.Name,           formula.Compiled,
                         formula.HasDeclaration, formula.SecondText,
                         formula.Parameters,     {},
                         formula.Source,         formula.RecordVersion,
                         formula.Compilations(), formula.IsCompiledAsIs()};
    for (const TFormulaNode& node : formula.Nodes)
        fields.Nodes.emplace_back(node.NodeKind, node.Value, node.Text);
    return fields;
}

inline std::ostream& operator<<(std::ostream& out, const FormulaFields& fields) {
    return out << "formula \"" << fields.Source << "\" named \"" << fields.Name << "\", "
               << fields.Nodes.size() << " nodes, compiled " << fields.Compilations << " times";
}

} // namespace quillara::testing
