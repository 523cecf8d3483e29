#pragma once

#include "core/numeric/extended.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillara {

enum TNodeKind : std::uint8_t {
    nkOperator = 1,
    nkCall = 2,
    nkVariable = 3,
    nkNumber = 4,
    nkArgument = 5
};

struct TFormulaNode {
    std::uint8_t NodeKind = nkNumber;
    Extended Value = 0;
    std::string Text;
};

// A formula text that cannot be turned into nodes at all: an unmatched ")", an unclosed "{" or
// a malformed number. Raised by Compile; a character outside the grammar only fails the compile.
class EFormulaSyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using TArguments = std::array<Extended, 10>;

// A declaration "name(parameters) = expression" or a bare expression, compiled into a postfix
// node list. A declaration is called by name through the scope of the book that owns it; a call
// only reads it, so one formula serves any number of evaluations at once.
class TFormula {
public:
    // From a formula record of the book definition: compiles at once, discarding the messages.
    TFormula(bool hasDeclaration, std::string source, std::string secondText,
             std::uint8_t recordVersion = 1);
    // For the question runner: form code 1 makes a declaration, any other a bare expression.
    explicit TFormula(int formCode);

    // Rebuilds Nodes from Source. Declaration messages are appended to `messages` when given.
    bool Compile(std::vector<std::string>* messages);
    // Compiles only when Nodes were not built from the present Source and form, so a formula
    // evaluated again and again is parsed once; returns Compiled. A formula whose last compile
    // failed the same way again adds no new messages.
    bool CompileIfChanged(std::vector<std::string>* messages);
    // Whether Nodes were built from the present Source and form, so CompileIfChanged would
    // leave the formula as it is.
    bool IsCompiledAsIs() const;
    // How many times Nodes were built, for those who check that compiled forms are reused.
    long Compilations() const { return CompileCount; }

    std::string Name;
    bool Compiled = false;
    bool HasDeclaration = false;
    std::string SecondText;
    std::optional<std::vector<std::string>> Parameters;
    std::vector<TFormulaNode> Nodes;
    std::string Source;
    // The stored record's version byte (0 is the one-byte record).
    std::uint8_t RecordVersion = 1;

private:
    // The Source and form that Nodes were built from; none while no compile has finished.
    std::optional<std::string> CompiledSource;
    bool CompiledAsDeclaration = false;
    long CompileCount = 0;

    bool ParseDeclaration(std::vector<std::string>* messages);
    bool ParseExpression(std::string_view text);
};

} // namespace quillara
