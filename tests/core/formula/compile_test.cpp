#include "core/formula/formula.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace quillara {
namespace {

// The node list in postfix form: numbers, {n} arguments, variable and operator texts, and
// "call:f" for calls.
std::string Postfix(const TFormula& formula) {
    std::string out;
    for (const TFormulaNode& node : formula.Nodes) {
        char value[64];
        std::snprintf(value, sizeof value, node.NodeKind == nkArgument ? "{%.0Lf}" : "%.18Lg",
                      node.Value);
        if (!out.empty()) out += ' ';
        if (node.NodeKind == nkNumber || node.NodeKind == nkArgument)
            out += value;
        else
            out += (node.NodeKind == nkCall ? "call:" : "") + node.Text;
    }
    return out;
}

struct Declaration {
    explicit Declaration(std::string source) : Formula(1) {
        Formula.Source = std::move(source);
        Ok = Formula.Compile(&Messages);
    }
    TFormula Formula;
    std::vector<std::string> Messages;
    bool Ok = false;
};

TEST(FormulaDeclaration, EachFaultGivesItsOneMessage) {
    const std::string blank = "The formula entered is blank.";
    const std::string noAssignment =
        "The formula entered does not have a declaration, or is missing an assignment (=).";
    const std::string noOpen = "Expecting \"(\" after function name as start of the paramater "
                               "list.";
    const std::string badName = "Function names can only contain letters and underscores.";
    const std::string twoOpens = "Too many \"(\" found in the function declaration.";
    const std::string noClose = "A \")\" was expected to end the paramater declaration, and no "
                                "other parens can be in the function declaration.";
    // The name stays when the fault lies after the name check.
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"", blank, ""},
        {"f(x) 1", noAssignment, ""},
        {"f = 1", noOpen, ""},
        {"f2(x) = 1", badName, ""},
        {"f (x) = 1", badName, ""},
        {"(x) = 1", badName, ""},
        {"f((x)) = 1", twoOpens, "f"},
        {"f(x)y = 1", noClose, "f"},
        {"f(x = 1", noClose, "f"},
        {"f( = 1", noClose, "f"},
    };
    for (const auto& [source, message, name] : cases) {
        SCOPED_TRACE(source);
        Declaration d(source);
        EXPECT_FALSE(d.Ok);
        EXPECT_FALSE(d.Formula.Compiled);
        EXPECT_EQ(d.Messages, std::vector<std::string>{message});
        EXPECT_EQ(d.Formula.Name, name);
    }
    Declaration badBody("g(x) = 1 $ 2");
    EXPECT_FALSE(badBody.Ok);
    EXPECT_TRUE(badBody.Messages.empty());
    EXPECT_EQ(badBody.Formula.Name, "g");
}

TEST(FormulaDeclaration, ParametersAreCountedAndKeptBetweenBraces) {
    Declaration none("f() = 5");
    ASSERT_TRUE(none.Ok);
    EXPECT_EQ(none.Formula.Name, "f");
    EXPECT_EQ(none.Formula.Parameters, std::vector<std::string>{});
    EXPECT_EQ(Postfix(none.Formula), "5");

    Declaration two("f(a, b) = {1}+{2}");
    ASSERT_TRUE(two.Ok);
    EXPECT_EQ(two.Formula.Parameters, (std::vector<std::string>{"{a}", "{ b}"}));
    EXPECT_EQ(Postfix(two.Formula), "{1} {2} +");

    Declaration area("area(w,h) = {1}*{2}");
    ASSERT_TRUE(area.Ok);
    EXPECT_EQ(area.Formula.Name, "area");
    EXPECT_EQ(area.Formula.Parameters, (std::vector<std::string>{"{w}", "{h}"}));
    EXPECT_EQ(Postfix(area.Formula), "{1} {2} *");

    EXPECT_EQ(Declaration("f(a,,b) = 1").Formula.Parameters->size(), 3u);
    EXPECT_EQ(Declaration("f(a,) = 1").Formula.Parameters, std::vector<std::string>{"{a}"});
    EXPECT_TRUE(Declaration("my_func(x) = 1").Ok);
}

std::string Bare(const std::string& source, bool* ok = nullptr) {
    TFormula formula(2);
    formula.Source = source;
    const bool compiled = formula.Compile(nullptr);
    if (ok) *ok = compiled;
    return Postfix(formula);
}

TEST(FormulaExpression, PostfixFollowsPrecedenceAndLeftAssociativity) {
    EXPECT_EQ(Bare("2*(3+4)"), "2 3 4 + *");
    EXPECT_EQ(Bare("{price}*(1+{rate})"), "{price} 1 {rate} + *");
    EXPECT_EQ(Bare("2*3^2"), "2 3 2 ^ *");
    EXPECT_EQ(Bare("2^3^2"), "2 3 ^ 2 ^");
    EXPECT_EQ(Bare("8-3-2"), "8 3 - 2 -");
    EXPECT_EQ(Bare("1+2*3-4/5"), "1 2 3 * + 4 5 / -");
    EXPECT_EQ(Bare("f({a}, g({b}))"), "{a} {b} call:g call:f");
    EXPECT_EQ(Bare("h()+1"), "call:h 1 +");
}

TEST(FormulaExpression, ReferencesNumbersAndNamesAsWritten) {
    EXPECT_EQ(Bare("{1}"), "{1}");
    EXPECT_EQ(Bare("{0}"), "{0}");
    EXPECT_EQ(Bare("{12}"), "{12}");
    EXPECT_EQ(Bare("{ a b }"), "{ a b }");
    EXPECT_EQ(Bare("1.5"), "1.5");
    EXPECT_EQ(Bare(".25"), "0.25");
    // No implied multiplication and no exponent notation.
    EXPECT_EQ(Bare("2{x}"), "2 {x}");
    EXPECT_EQ(Bare("2x"), "2 ** x");
    EXPECT_EQ(Bare("1e5"), "1 ** e5");
    // What the evaluator later refuses still compiles.
    EXPECT_EQ(Bare("3, 4"), "3 4");
    EXPECT_EQ(Bare("(1+2"), "1 2 + (");
    EXPECT_EQ(Bare("-5"), "5 -");
}

TEST(FormulaExpression, StrayCharactersFailWithoutMessagesButTheScanGoesOn) {
    bool ok = true;
    EXPECT_EQ(Bare("3 $ 4", &ok), "3 4");
    EXPECT_FALSE(ok);
    for (const char* source : {"1=2", "5%", "1\t+2", "}"}) {
        SCOPED_TRACE(source);
        Bare(source, &ok);
        EXPECT_FALSE(ok);
    }
    Bare("", &ok);
    EXPECT_TRUE(ok);
}

TEST(FormulaExpression, UnmatchedOrMalformedTextRaises) {
    for (const char* source : {")", "1+2)", "(1))", "{x", "1+{", ".", "1.2.3", "2..5"}) {
        SCOPED_TRACE(source);
        TFormula formula(2);
        formula.Source = source;
        EXPECT_THROW(formula.Compile(nullptr), EFormulaSyntaxError);
    }
    EXPECT_THROW(TFormula(true, "bad(x) = 1)", ""), EFormulaSyntaxError);
}

} // namespace
} // namespace quillara
