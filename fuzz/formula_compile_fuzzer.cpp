// Formula text, compiled as a book declaration and as a question's bare expression. A syntax
// error is an expected outcome; a crash, a leak or a node list that breaks the compiler's
// promises are the bugs.
#include "core/formula/formula.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace quillara;

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckNodes(const TFormula& formula) {
    for (const TFormulaNode& node : formula.Nodes) {
        switch (node.NodeKind) {
        case nkOperator:
        case nkCall:
            Require(!node.Text.empty());
            break;
        case nkVariable:
            Require(node.Text.size() >= 2 && node.Text.front() == '{' && node.Text.back() == '}');
            break;
        case nkNumber:
            Require(node.Value >= 0 && node.Value <= std::numeric_limits<Extended>::max());
            break;
        case nkArgument:
            Require(node.Value >= 0 && node.Value <= 9 &&
                    node.Value == static_cast<int>(node.Value));
            break;
        default:
            Require(false);
        }
    }
}

bool IsValidName(const std::string& name) {
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_')) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    try {
        TFormula declared(true, text, "");
        Require(IsValidName(declared.Name));
        Require(declared.Parameters.has_value());
        CheckNodes(declared);
        // Recompiling with a message list gives at most one message, and none on success.
        std::vector<std::string> messages;
        const bool compiled = declared.Compile(&messages);
        Require(compiled ? messages.empty() : messages.size() <= 1);
        Require(!compiled || !declared.Name.empty());
        Require(declared.Parameters->size() <= text.size());
    } catch (const EFormulaSyntaxError&) {
    }

    try {
        TFormula bare(2);
        bare.Source = text;
        bare.Compile(nullptr);
        Require(bare.Name.empty() && !bare.Parameters);
        CheckNodes(bare);
        // A name is the one run of text that gives two nodes: itself and the call marker.
        Require(bare.Nodes.size() <= 2 * text.size());
    } catch (const EFormulaSyntaxError&) {
    }

    return 0;
}
