#include "function_list.h"

#include "core/formula/builtin_functions.h"
#include "core/text/windows1252.h"
#include "named_parameters.h"

namespace quillara::tool {

void PrintFunctions(std::ostream& out, const TBookProperties& book) {
    out << "Computed by the program; a book declares one, as \"name(parameters) = 0\", for its "
           "formulas to call it:\n";
    for (const TBuiltinFunction& function : BuiltinFunctions())
        out << "  " << function.Name << "(" << function.Parameters << ")  " << function.Description
            << "\n";
    bool any = false;
    for (const auto& formula : book.Formulas) {
        if (!formula->HasDeclaration || formula->Name.empty() || FindBuiltinFunction(formula->Name))
            continue;
        if (!any) out << "Declared by the book:\n";
        any = true;
        // The declaration as its author reads it, parameters by name.
        const std::string declaration = NamedDeclaration(formula->Source).value_or(formula->Source);
        out << "  " << Windows1252ToUtf8(declaration) << "\n";
    }
}

} // namespace quillara::tool
