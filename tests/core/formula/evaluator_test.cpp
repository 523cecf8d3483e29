#include "core/formula/evaluator.h"
#include "core/formula/formula_scope.h"
#include "core/formula/variable.h"
#include "formula_fields.h"
#include "scripted_random.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace quillara {
namespace {

using testing::FieldsOf;
using testing::FormulaFields;

// The message of the failure an evaluation or a call ends with.
std::string EvalErrorOf(TFormula& formula, const TFormulaScope& scope) {
    try {
        Evaluate(formula, scope);
    } catch (const EInvalidOperation& e) {
        return e.what();
    }
    return "no error";
}

std::string CallErrorOf(const TFormula& formula, int count, const TArguments& arguments,
                        const TFormulaScope& scope) {
    try {
        Call(formula, count, arguments, scope);
    } catch (const EInvalidOperation& e) {
        return e.what();
    }
    return "no error";
}

// The variables and functions that the formulas of a test can name, and the evaluation of a
// bare expression among them, as the question runner does it.
struct Symbols {
    TVariableList Variables;
    TFormulaList Formulas;
    TVariableValues Values;
    TFormulaScope Scope{Variables, Formulas, Values};

    TVarible& Number(const std::string& name, Extended value) {
        Variables.push_back(std::make_unique<TVarible>(name, vkNumber, TReal48::FromExtended(0),
                                                       TReal48::FromExtended(0), 0, std::nullopt));
        Values.Set(*Variables.back(), value);
        return *Variables.back();
    }

    TFormula& Declare(const std::string& source) {
        Formulas.push_back(std::make_unique<TFormula>(true, source, ""));
        return *Formulas.back();
    }

    Extended Eval(const std::string& source) const {
        TFormula formula(2);
        formula.Source = source;
        return Evaluate(formula, Scope);
    }

    std::string EvalError(const std::string& source) const {
        try {
            const Extended value = Eval(source);
            return "no error, value " + std::to_string(static_cast<double>(value));
        } catch (const EInvalidOperation& e) {
            return e.what();
        }
    }
};

TEST(Evaluate, PrecedenceAndLeftAssociativity) {
    Symbols s;
    s.Number("a", 1);
    s.Number("b", 2);
    s.Number("c", 3);
    EXPECT_EQ(s.Eval("{a}+{b}*{c}"), 7);
    EXPECT_EQ(s.Eval("({a}+{b})*{c}"), 9);
    EXPECT_EQ(s.Eval("2^3^2"), 64);
    EXPECT_EQ(s.Eval("8-3-2"), 3);
    EXPECT_EQ(s.Eval("10/4"), 2.5);
    EXPECT_EQ(s.Eval("2*3^2"), 18);
    EXPECT_EQ(s.Eval("{c}-{b}*{a}^{c}/4"), 2.5);
    EXPECT_EQ(s.Eval("(((7)))"), 7);
    // 2^63 + 1 needs the 64-bit significand of the extended format; a double loses the 1.
    EXPECT_EQ(s.Eval("2^63+1-2^63"), 1);
    // Blank and uncompilable expressions give 0.
    EXPECT_EQ(s.Eval(""), 0);
    EXPECT_EQ(s.Eval(" , "), 0);
    EXPECT_EQ(s.Eval("3 $ 4"), 0);
}

TEST(Evaluate, DivisionByZeroOfEitherSign) {
    const Symbols none;
    const std::string message = "Invalid Floating Point Operation: Divide by zero";
    EXPECT_EQ(none.EvalError("1/0"), message);
    EXPECT_EQ(none.EvalError("1/(2-2)"), message);
    EXPECT_EQ(none.EvalError("1/((0-1)*0)"), message);
    EXPECT_EQ(none.EvalError("0/0"), message);
}

TEST(Evaluate, NodeListsThatDoNotReduceToOneValueFail) {
    const Symbols none;
    for (const char* source :
         {"-5", "2*-3", "3 4", "3, 4", "2{x}", "(1+2", "2x", "1e5", "x", "1+", "(1+2)(3)"}) {
        SCOPED_TRACE(source);
        EXPECT_THROW(none.Eval(source), EInvalidOperation);
    }
    EXPECT_EQ(none.EvalError("(1+2"), "A \"(\" is not closed");
    EXPECT_EQ(none.EvalError("2*x"), "A function name is not followed by \"(\"");
    // A lone operator is the one node left, and it has no value.
    EXPECT_EQ(none.EvalError("("), "(result), unknown node type: 1");
    EXPECT_EQ(none.EvalError("+"), "(result), unknown node type: 1");
}

TEST(Evaluate, UnknownNamesAreReportedWithTheirText) {
    Symbols s;
    EXPECT_EQ(s.EvalError("{rate}*2"), "EvalNode: unknown varible ({rate})");
    EXPECT_EQ(s.EvalError("1+{ x }"), "EvalNode: unknown varible ({ x })");
    EXPECT_EQ(s.EvalError("area(3, 4)"), "Unknown function: area");
    s.Number("rate", 0.25L);
    EXPECT_EQ(s.Eval("{rate}*2"), 0.5);
    EXPECT_EQ(s.EvalError("{Rate}"), "EvalNode: unknown varible ({Rate})");
}

TEST(Evaluate, ChoiceVariableContributesItsEntryNumber) {
    testing::ScriptedRandom random({2});
    Symbols s;
    s.Variables.push_back(std::make_unique<TVarible>(
        "colour", vkChoice, TReal48::FromExtended(0), TReal48::FromExtended(0), 0,
        std::vector<std::string>{"red", "green", "blue"}));
    s.Values.Draw(*s.Variables.back());
    EXPECT_EQ(s.Eval("{colour}*10+1"), 21);
}

TEST(EvaluateNode, ValueNodesAndTheRest) {
    const Symbols none;
    EXPECT_EQ(EvaluateNode({nkNumber, 2.5L, {}}, {}, none.Scope), 2.5L);
    for (std::uint8_t kind : std::vector<std::uint8_t>{nkOperator, nkCall, 0, 200}) {
        try {
            EvaluateNode({kind, 0, "+"}, {}, none.Scope);
            ADD_FAILURE() << "kind " << int(kind) << " gave a value";
        } catch (const EInvalidOperation& e) {
            EXPECT_EQ(std::string(e.what()),
                      "(result), unknown node type: " + std::to_string(kind));
        }
    }
    // Argument numbers that no compile produces are refused rather than read.
    const TArguments values{1, 2, 3};
    const TCallArguments arguments{&values, 3};
    EXPECT_EQ(EvaluateNode({nkArgument, 3, {}}, arguments, none.Scope), 3);
    EXPECT_EQ(EvaluateNode({nkArgument, 1.9L, {}}, arguments, none.Scope), 1);
    for (Extended n : {Extended(0), Extended(4), Extended(11), Extended(-1),
                       std::numeric_limits<Extended>::quiet_NaN()})
        EXPECT_THROW(EvaluateNode({nkArgument, n, {}}, arguments, none.Scope), EInvalidOperation);
}

TEST(Call, ArgumentsFillSlotsFromTheLeft) {
    Symbols s;
    TFormula& area = s.Declare("area(w,h) = {1}*{2}");
    s.Declare("minus(a, b) = {1}-{2}");
    s.Declare("five() = 5");
    EXPECT_EQ(s.Eval("area(3, 4)"), 12);
    EXPECT_EQ(s.Eval("minus(10 3)"), 7);
    EXPECT_EQ(s.Eval("area(area(1,2), 3+4)"), 14);
    EXPECT_EQ(s.Eval("minus(area(2, 5), five())"), 5);
    // A lone call without parameters is reduced like any other.
    EXPECT_EQ(s.Eval("five()"), 5);
    EXPECT_EQ(s.Eval("five()*2"), 10);
    EXPECT_THROW(s.Eval("area(3)"), EInvalidOperation);
    EXPECT_THROW(s.Eval("area(3, 4, 5)"), EInvalidOperation);

    const TArguments arguments{6, 7};
    EXPECT_EQ(Call(area, 2, arguments, s.Scope), 42);
    EXPECT_THROW(Call(area, 11, arguments, s.Scope), EInvalidOperation);
}

TEST(Call, ArgumentReferencesOutsideTheCallFail) {
    Symbols s;
    s.Declare("second(x) = {2}");
    s.Declare("zeroth(x) = {0}");
    TFormula& first = s.Declare("first(x) = {1}");
    EXPECT_THROW(s.Eval("{1}"), EInvalidOperation);
    EXPECT_THROW(s.Eval("second(1)"), EInvalidOperation);
    EXPECT_THROW(s.Eval("zeroth(1)"), EInvalidOperation);

    // After a call the formula no longer sees that call's arguments.
    EXPECT_EQ(s.Eval("first(8)"), 8);
    EXPECT_THROW(Evaluate(first, s.Scope), EInvalidOperation);
    EXPECT_EQ(EvalErrorOf(first, s.Scope), "Argument {1} is used outside a function call");
    const TArguments none{};
    EXPECT_EQ(CallErrorOf(first, 0, none, s.Scope), "Argument {1} is used but the call passed 0");
}

TEST(Call, TenParametersAtMost) {
    Symbols s;
    s.Declare("ten(a,b,c,d,e,f,g,h,i,j) = {9}*100+{1}");
    s.Declare("eleven(a,b,c,d,e,f,g,h,i,j,k) = 1");
    EXPECT_EQ(s.Eval("ten(1,2,3,4,5,6,7,8,9,10)"), 901);
    EXPECT_THROW(s.Eval("eleven(1,2,3,4,5,6,7,8,9,10,11)"), EInvalidOperation);
}

TEST(Call, SqrtIsComputedOnlyWhenDeclared) {
    Symbols s;
    EXPECT_EQ(s.EvalError("sqrt(16)"), "Unknown function: sqrt");
    s.Declare("sqrt(x) = 0");
    EXPECT_EQ(s.Eval("sqrt(16)"), 4);
    EXPECT_EQ(s.Eval("sqrt(2)"), std::sqrt(2.0L));
    EXPECT_THROW(s.Eval("sqrt(0-4)"), EInvalidOperation);
}

TEST(Call, FormulasThatDoNotCompileGiveZeroButSyntaxErrorsFail) {
    Symbols s;
    s.Declare("broken(x) = {1} $ 2");
    EXPECT_EQ(s.Eval("broken(3)+1"), 1);

    TFormula& late = s.Declare("late(x) = {1}");
    late.Source = "late(x) = {1})";
    EXPECT_THROW(s.Eval("late(3)"), EInvalidOperation);
    EXPECT_THROW(s.Eval("(1+2))"), EInvalidOperation);
}

// A called formula whose node list is not that of its present source gives what compiling it
// would give, and is left as it is: not compiled, changed since its compile, or failing.
TEST(Call, CalledFormulasInAnyCompileStateAreOnlyRead) {
    const struct {
        const char* Declaration;
        void (*Change)(TFormula&);
        const char* Expression;
        std::string Expected;
    } cases[] = {
        {"g(x) = {1}", [](TFormula& f) { f.Source = "g(x) = {1}*10"; }, "g(2)+g(3)",
         "no error, value 50.000000"},
        {"g(x) = {1}", [](TFormula& f) { f.Source = "g(x) = {1} $ 1"; }, "g(2)+1",
         "no error, value 1.000000"},
        {"g(x) = {1}", [](TFormula& f) { f.Source = "g(x) = {1})"; }, "g(2)",
         "A \")\" has no matching \"(\""},
        {"g(x) = {1}", [](TFormula& f) { f.Source = "g(x) = g({1})"; }, "g(2)",
         "Formula calls nested more than 256 deep at \"g\": does a formula call itself?"},
        // Never compiled: the look-up finds no parameters, so the call passes none.
        {"",
         [](TFormula& f) {
             f.Name = "g";
             f.Source = "g(x) = {1}";
         },
         "g(2)", "Argument {1} is used but the call passed 0"},
        {"",
         [](TFormula& f) {
             f.Name = "g";
             f.Source = "g() = 4";
         },
         "g()*2", "no error, value 8.000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expression);
        Symbols s;
        TFormula& called = c.Declaration[0]
                               ? s.Declare(c.Declaration)
                               : *s.Formulas.emplace_back(std::make_unique<TFormula>(1));
        c.Change(called);
        const FormulaFields before = FieldsOf(called);
        EXPECT_EQ(s.EvalError(c.Expression), c.Expected);
        EXPECT_EQ(s.EvalError(c.Expression), c.Expected) << "evaluated again";
        EXPECT_EQ(FieldsOf(called), before);
    }
}

TEST(Call, SelfCallsStopAtTheDepthLimit) {
    Symbols s;
    const TFormula& loop = s.Declare("loop(x) = loop({1}+1)");
    const FormulaFields declared = FieldsOf(loop);
    s.Declare("ping(x) = pong({1})");
    s.Declare("pong(x) = 1+ping({1})");
    const std::string tail = " deep at \"loop\": does a formula call itself?";
    EXPECT_EQ(s.EvalError("loop(1)"), "Formula calls nested more than 256" + tail);
    for (const char* source : {"loop(1)", "ping(1)", "2*pong(1)"}) {
        SCOPED_TRACE(source);
        EXPECT_NE(s.EvalError(source).find("nested more than 256 deep"), std::string::npos);
        EXPECT_EQ(FieldsOf(loop), declared);
    }
}

// The i-th of a family of formula names: prefix_a, prefix_b ... prefix_ab ...
std::string NameOf(const std::string& prefix, int i) {
    std::string text = prefix + "_";
    do {
        text += static_cast<char>('a' + i % 26);
        i /= 26;
    } while (i);
    return text;
}

// A chain of `length` formulas, each calling the next, the last adding 1 to its argument.
void DeclareChain(Symbols& s, int length) {
    auto name = [](int i) { return NameOf("chain", i); };
    for (int i = 0; i < length; ++i) {
        const std::string body = i + 1 < length ? name(i + 1) + "({1})" : "{1}+1";
        s.Declare(name(i) + "(x) = " + body);
    }
}

TEST(Call, DepthLimitAllows256NestedCallsInEachEvaluation) {
    Symbols fits, deeper;
    DeclareChain(fits, MaxCallDepth);
    DeclareChain(deeper, MaxCallDepth + 1);
    const TArguments arguments{41};
    EXPECT_EQ(fits.Eval("chain_a(41)"), 42);
    EXPECT_EQ(Call(*fits.Formulas.front(), 1, arguments, fits.Scope), 42);
    EXPECT_NE(deeper.EvalError("chain_a(41)").find("nested more than 256 deep"), std::string::npos);
    EXPECT_THROW(Call(*deeper.Formulas.front(), 1, arguments, deeper.Scope), EInvalidOperation);
    // Every evaluation counts its calls from 0: failed attempts leave no depth behind, and one
    // evaluation after another does not add up.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(fits.Eval("chain_a(1)+chain_a(2)"), 5);
}

// `levels` formulas fan_0 ... fan_<levels-1>, each calling the next `width` times; the last
// gives 1, so fan_0(x) is width^(levels-1) when it is computed at all.
void DeclareFanOut(Symbols& s, int levels, int width, const std::string& last = "1") {
    for (int i = 0; i < levels; ++i) {
        std::string body = i + 1 < levels ? "" : last;
        for (int k = 0; i + 1 < levels && k < width; ++k)
            body += (k ? "+" : "") + NameOf("fan", i + 1) + "({1})";
        s.Declare(NameOf("fan", i) + "(x) = " + body);
    }
}

TEST(Budget, CallsThatFanOutStopInsteadOfRunningForEver) {
    // 61 formulas each calling the next twice would make 2^60 calls; the budget stops them.
    Symbols fan;
    DeclareFanOut(fan, 61, 2);
    const std::string stopped = fan.EvalError("fan_a(1)");
    EXPECT_NE(stopped.find("More than " + std::to_string(MaxEvaluationCalls) + " calls"),
              std::string::npos)
        << stopped;

    // Well inside the budget, the same shape computes; every evaluation starts a budget afresh.
    Symbols fits;
    DeclareFanOut(fits, 12, 2); // 4095 calls
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(fits.Eval("fan_a(1)"), 2048);
    // A call made on its own has a budget too.
    const TArguments arguments{1};
    EXPECT_THROW(Call(*fan.Formulas.front(), 1, arguments, fan.Scope), EInvalidOperation);
}

TEST(Budget, LongFormulasCalledOftenStopAtTheNodeBudget) {
    // Few calls, but each compiles a long body: the nodes run out before the calls do.
    std::string sum = "1";
    for (int i = 0; i < 2000; ++i)
        sum += "+1";
    Symbols s;
    DeclareFanOut(s, 10, 2, sum); // 512 calls of 4001 nodes at the last level
    const std::string stopped = s.EvalError("fan_a(1)");
    EXPECT_NE(stopped.find("More than " + std::to_string(MaxEvaluationNodes) + " formula nodes"),
              std::string::npos)
        << stopped;
    Symbols fewer;
    DeclareFanOut(fewer, 6, 2, sum); // 32 calls of 4001 nodes
    EXPECT_EQ(fewer.Eval("fan_a(1)"), 32 * 2001);
}

TEST(Power, EdgeCases) {
    const Symbols none;
    EXPECT_EQ(none.Eval("0^0"), 1);
    EXPECT_EQ(none.Eval("0^2.5"), 0);
    EXPECT_EQ(none.Eval("(0-2)^3"), -8);
    EXPECT_EQ(none.Eval("2^(0-2)"), 0.25);
    EXPECT_EQ(none.Eval("1.5^2"), 2.25);
    EXPECT_EQ(none.Eval("2^64"), 18446744073709551616.0L);
    EXPECT_NEAR(none.Eval("2^0.5"), std::sqrt(2.0L), 1e-18L);
    EXPECT_NEAR(none.Eval("8^(1/3)"), 2.0L, 1e-18L);
    EXPECT_EQ(none.Eval("0.5^3000000000"), 0);
    EXPECT_EQ(none.Eval("1^3000000000"), 1);
    EXPECT_EQ(Power(-3, 2), 9);
    EXPECT_EQ(Power(10, -3), 1 / 1000.0L);

    const char* failing[] = {"0^(0-1)", "0^(0-0.5)",   "(0-8)^(1/3)",  "(0-2)^0.5",
                             "10^5000", "10^(0-5000)", "2^3000000000", "(0-1)^3000000000"};
    for (const char* source : failing) {
        SCOPED_TRACE(source);
        EXPECT_THROW(none.Eval(source), EInvalidOperation);
    }
}

TEST(Evaluate, ArithmeticFailuresOfThePlatformAreRaised) {
    Symbols s;
    s.Number("big", 1e4930L);
    s.Number("nan", std::numeric_limits<Extended>::quiet_NaN());
    s.Number("inf", std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(s.EvalError("{big}*1000"), "Floating point overflow");
    EXPECT_EQ(s.EvalError("{big}/0.001"), "Floating point overflow");
    EXPECT_EQ(s.EvalError("{big}*{big}-{big}*{big}"), "Floating point overflow");
    EXPECT_EQ(s.EvalError("10^4000*10^4000"), "Floating point overflow");
    EXPECT_EQ(s.EvalError("{nan}+1"), "Invalid floating point operation");
    EXPECT_EQ(s.EvalError("{inf}*0"), "Invalid floating point operation");
    EXPECT_EQ(s.Eval("{big}/{big}"), 1);
    // Read alone, a value that is no number fails like one computed.
    EXPECT_EQ(s.EvalError("{nan}"), "Invalid floating point operation");
    EXPECT_EQ(s.EvalError("{inf}"), "Floating point overflow");
}

TEST(Evaluate, CompiledFormsAreReusedUntilTheSourceChanges) {
    Symbols s;
    s.Number("x", 3);
    TFormula& area = s.Declare("area(w,h) = {1}*{2}");
    TFormula& twice = s.Declare("twice(a) = twice_inner({1})");
    TFormula& inner = s.Declare("twice_inner(a) = {1}*2");
    const long declaredCompiles = area.Compilations();

    TFormula answer(2);
    answer.Source = "area({x}, 4) + twice({x})";
    EXPECT_EQ(Evaluate(answer, s.Scope), 18);
    const TFormulaNode* built = answer.Nodes.data();
    s.Values.Set(*s.Variables.front(), 5);
    EXPECT_EQ(Evaluate(answer, s.Scope), 30) << "variables are read at each evaluation";
    EXPECT_EQ(answer.Compilations(), 1);
    EXPECT_EQ(answer.Nodes.data(), built) << "the same compiled list serves again";
    EXPECT_EQ(area.Compilations(), declaredCompiles) << "called functions are not recompiled";
    EXPECT_EQ(twice.Compilations(), 1);
    EXPECT_EQ(inner.Compilations(), 1);

    // A changed source, or the same text read as the other form, compiles again.
    answer.Source = "area({x}, 2)";
    EXPECT_EQ(Evaluate(answer, s.Scope), 10);
    EXPECT_EQ(answer.Compilations(), 2);
    // A called formula is only read: changed since its compile, it is compiled afresh for each
    // evaluation and stays as it was.
    area.Source = "area(w,h) = {1}+{2}";
    const FormulaFields changed = FieldsOf(area);
    EXPECT_EQ(Evaluate(answer, s.Scope), 7);
    EXPECT_EQ(Evaluate(answer, s.Scope), 7);
    EXPECT_EQ(FieldsOf(area), changed);
    EXPECT_EQ(area.Compilations(), declaredCompiles);
    answer.HasDeclaration = true;
    EXPECT_EQ(Evaluate(answer, s.Scope), 0) << "no declaration: does not compile, gives 0";
    EXPECT_EQ(answer.Compilations(), 3);

    // A source that cannot be parsed is tried again each time, and mended it evaluates.
    TFormula broken(2);
    broken.Source = "(1+2))";
    EXPECT_THROW(Evaluate(broken, s.Scope), EInvalidOperation);
    EXPECT_THROW(Evaluate(broken, s.Scope), EInvalidOperation);
    broken.Source = "(1+2)";
    EXPECT_EQ(Evaluate(broken, s.Scope), 3);
    EXPECT_EQ(broken.Compilations(), 3);
}

} // namespace
} // namespace quillara
