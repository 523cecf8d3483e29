#include "formula/evaluator.h"
#include "formula/variable.h"
#include "scripted_random.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace quillara {
namespace {

Extended Eval(const std::string& source) {
    TFormula formula(2);
    formula.Source = source;
    return Evaluate(formula);
}

std::string EvalError(const std::string& source) {
    try {
        const Extended value = Eval(source);
        return "no error, value " + std::to_string(static_cast<double>(value));
    } catch (const EInvalidOperation& e) {
        return e.what();
    }
}

// A number variable holding the value, registered for the test's scope.
struct Number : TVarible {
    Number(const std::string& name, Extended value)
        : TVarible(name, vkNumber, TReal48::FromExtended(0), TReal48::FromExtended(0), 0,
                   std::nullopt) {
        Value = value;
    }
};

TEST(Evaluate, PrecedenceAndLeftAssociativity) {
    Number a("a", 1), b("b", 2), c("c", 3);
    EXPECT_EQ(Eval("{a}+{b}*{c}"), 7);
    EXPECT_EQ(Eval("({a}+{b})*{c}"), 9);
    EXPECT_EQ(Eval("2^3^2"), 64);
    EXPECT_EQ(Eval("8-3-2"), 3);
    EXPECT_EQ(Eval("10/4"), 2.5);
    EXPECT_EQ(Eval("2*3^2"), 18);
    EXPECT_EQ(Eval("{c}-{b}*{a}^{c}/4"), 2.5);
    EXPECT_EQ(Eval("(((7)))"), 7);
    // 2^63 + 1 needs the 64-bit significand of the extended format; a double loses the 1.
    EXPECT_EQ(Eval("2^63+1-2^63"), 1);
    // Blank and uncompilable expressions give 0.
    EXPECT_EQ(Eval(""), 0);
    EXPECT_EQ(Eval(" , "), 0);
    EXPECT_EQ(Eval("3 $ 4"), 0);
}

TEST(Evaluate, DivisionByZeroOfEitherSign) {
    const std::string message = "Invalid Floating Point Operation: Divide by zero";
    EXPECT_EQ(EvalError("1/0"), message);
    EXPECT_EQ(EvalError("1/(2-2)"), message);
    EXPECT_EQ(EvalError("1/((0-1)*0)"), message);
    EXPECT_EQ(EvalError("0/0"), message);
}

TEST(Evaluate, NodeListsThatDoNotReduceToOneValueFail) {
    for (const char* source :
         {"-5", "2*-3", "3 4", "3, 4", "2{x}", "(1+2", "2x", "1e5", "x", "1+", "(1+2)(3)"}) {
        SCOPED_TRACE(source);
        EXPECT_THROW(Eval(source), EInvalidOperation);
    }
    EXPECT_EQ(EvalError("(1+2"), "A \"(\" is not closed");
    EXPECT_EQ(EvalError("2*x"), "A function name is not followed by \"(\"");
    // A lone operator is the one node left, and it has no value.
    EXPECT_EQ(EvalError("("), "(result), unknown node type: 1");
    EXPECT_EQ(EvalError("+"), "(result), unknown node type: 1");
}

TEST(Evaluate, UnknownNamesAreReportedWithTheirText) {
    EXPECT_EQ(EvalError("{rate}*2"), "EvalNode: unknown varible ({rate})");
    EXPECT_EQ(EvalError("1+{ x }"), "EvalNode: unknown varible ({ x })");
    EXPECT_EQ(EvalError("area(3, 4)"), "Unknown function: area");
    Number rate("rate", 0.25L);
    EXPECT_EQ(Eval("{rate}*2"), 0.5);
    EXPECT_EQ(EvalError("{Rate}"), "EvalNode: unknown varible ({Rate})");
}

TEST(Evaluate, ChoiceVariableContributesItsEntryNumber) {
    testing::ScriptedRandom random({2});
    TVarible colour("colour", vkChoice, TReal48::FromExtended(0), TReal48::FromExtended(0), 0,
                    std::vector<std::string>{"red", "green", "blue"});
    EXPECT_EQ(Eval("{colour}*10+1"), 21);
}

TEST(EvaluateNode, ValueNodesAndTheRest) {
    TFormula formula(2);
    EXPECT_EQ(EvaluateNode(formula, {nkNumber, 2.5L, {}}), 2.5L);
    for (std::uint8_t kind : std::vector<std::uint8_t>{nkOperator, nkCall, 0, 200}) {
        try {
            EvaluateNode(formula, {kind, 0, "+"});
            ADD_FAILURE() << "kind " << int(kind) << " gave a value";
        } catch (const EInvalidOperation& e) {
            EXPECT_EQ(std::string(e.what()),
                      "(result), unknown node type: " + std::to_string(kind));
        }
    }
    // Argument numbers that no compile produces are refused rather than read.
    const TArguments arguments{1, 2, 3};
    formula.Arguments = &arguments;
    formula.ArgumentCount = 3;
    EXPECT_EQ(EvaluateNode(formula, {nkArgument, 3, {}}), 3);
    EXPECT_EQ(EvaluateNode(formula, {nkArgument, 1.9L, {}}), 1);
    for (Extended n : {Extended(0), Extended(4), Extended(11), Extended(-1),
                       std::numeric_limits<Extended>::quiet_NaN()})
        EXPECT_THROW(EvaluateNode(formula, {nkArgument, n, {}}), EInvalidOperation);
}

TEST(Call, ArgumentsFillSlotsFromTheLeft) {
    TFormula area(true, "area(w,h) = {1}*{2}", "");
    TFormula minus(true, "minus(a, b) = {1}-{2}", "");
    TFormula five(true, "five() = 5", "");
    EXPECT_EQ(Eval("area(3, 4)"), 12);
    EXPECT_EQ(Eval("minus(10 3)"), 7);
    EXPECT_EQ(Eval("area(area(1,2), 3+4)"), 14);
    EXPECT_EQ(Eval("minus(area(2, 5), five())"), 5);
    // A lone call without parameters is reduced like any other.
    EXPECT_EQ(Eval("five()"), 5);
    EXPECT_EQ(Eval("five()*2"), 10);
    EXPECT_THROW(Eval("area(3)"), EInvalidOperation);
    EXPECT_THROW(Eval("area(3, 4, 5)"), EInvalidOperation);

    const TArguments arguments{6, 7};
    EXPECT_EQ(Call(area, 2, arguments), 42);
    EXPECT_THROW(Call(area, 11, arguments), EInvalidOperation);
}

TEST(Call, ArgumentReferencesOutsideTheCallFail) {
    TFormula second(true, "second(x) = {2}", "");
    TFormula zeroth(true, "zeroth(x) = {0}", "");
    TFormula first(true, "first(x) = {1}", "");
    EXPECT_THROW(Eval("{1}"), EInvalidOperation);
    EXPECT_THROW(Eval("second(1)"), EInvalidOperation);
    EXPECT_THROW(Eval("zeroth(1)"), EInvalidOperation);

    // After a call the formula no longer sees that call's arguments.
    EXPECT_EQ(Eval("first(8)"), 8);
    EXPECT_EQ(first.Arguments, nullptr);
    EXPECT_EQ(first.ArgumentCount, 0);
    EXPECT_THROW(Evaluate(first), EInvalidOperation);
}

TEST(Call, TenParametersAtMost) {
    TFormula ten(true, "ten(a,b,c,d,e,f,g,h,i,j) = {9}*100+{1}", "");
    TFormula eleven(true, "eleven(a,b,c,d,e,f,g,h,i,j,k) = 1", "");
    EXPECT_EQ(Eval("ten(1,2,3,4,5,6,7,8,9,10)"), 901);
    EXPECT_THROW(Eval("eleven(1,2,3,4,5,6,7,8,9,10,11)"), EInvalidOperation);
}

TEST(Call, SqrtIsComputedOnlyWhenDeclared) {
    EXPECT_EQ(EvalError("sqrt(16)"), "Unknown function: sqrt");
    TFormula root(true, "sqrt(x) = 0", "");
    EXPECT_EQ(Eval("sqrt(16)"), 4);
    EXPECT_EQ(Eval("sqrt(2)"), std::sqrt(2.0L));
    EXPECT_THROW(Eval("sqrt(0-4)"), EInvalidOperation);
}

TEST(Call, FormulasThatDoNotCompileGiveZeroButSyntaxErrorsFail) {
    TFormula broken(true, "broken(x) = {1} $ 2", "");
    EXPECT_EQ(Eval("broken(3)+1"), 1);

    TFormula late(true, "late(x) = {1}", "");
    late.Source = "late(x) = {1})";
    EXPECT_THROW(Eval("late(3)"), EInvalidOperation);
    EXPECT_THROW(Eval("(1+2))"), EInvalidOperation);
}

TEST(Call, SelfCallsStopAtTheDepthLimit) {
    TFormula loop(true, "loop(x) = loop({1}+1)", "");
    TFormula ping(true, "ping(x) = pong({1})", "");
    TFormula pong(true, "pong(x) = 1+ping({1})", "");
    for (const char* source : {"loop(1)", "ping(1)", "2*pong(1)"}) {
        SCOPED_TRACE(source);
        EXPECT_NE(EvalError(source).find("nested more than 256 deep"), std::string::npos);
        EXPECT_EQ(loop.Arguments, nullptr);
    }
}

// A chain of `length` formulas, each calling the next, the last adding 1 to its argument.
std::vector<std::unique_ptr<TFormula>> Chain(int length) {
    auto name = [](int i) {
        std::string text = "chain_";
        do {
            text += static_cast<char>('a' + i % 26);
            i /= 26;
        } while (i);
        return text;
    };
    std::vector<std::unique_ptr<TFormula>> chain;
    for (int i = 0; i < length; ++i) {
        const std::string body = i + 1 < length ? name(i + 1) + "({1})" : "{1}+1";
        chain.push_back(std::make_unique<TFormula>(true, name(i) + "(x) = " + body, ""));
    }
    return chain;
}

TEST(Call, DepthLimitAllows256NestedCalls) {
    {
        const auto chain = Chain(MaxCallDepth);
        EXPECT_EQ(Eval("chain_a(41)"), 42);
    }
    {
        const auto chain = Chain(MaxCallDepth + 1);
        EXPECT_THROW(Eval("chain_a(41)"), EInvalidOperation);
    }
    // The failed attempt left no depth behind.
    const auto chain = Chain(MaxCallDepth);
    EXPECT_EQ(Eval("chain_a(1)"), 2);
}

TEST(Power, EdgeCases) {
    EXPECT_EQ(Eval("0^0"), 1);
    EXPECT_EQ(Eval("0^2.5"), 0);
    EXPECT_EQ(Eval("(0-2)^3"), -8);
    EXPECT_EQ(Eval("2^(0-2)"), 0.25);
    EXPECT_EQ(Eval("1.5^2"), 2.25);
    EXPECT_EQ(Eval("2^64"), 18446744073709551616.0L);
    EXPECT_NEAR(Eval("2^0.5"), std::sqrt(2.0L), 1e-18L);
    EXPECT_NEAR(Eval("8^(1/3)"), 2.0L, 1e-18L);
    EXPECT_EQ(Eval("0.5^3000000000"), 0);
    EXPECT_EQ(Eval("1^3000000000"), 1);
    EXPECT_EQ(Power(-3, 2), 9);
    EXPECT_EQ(Power(10, -3), 1 / 1000.0L);

    const char* failing[] = {"0^(0-1)", "0^(0-0.5)",   "(0-8)^(1/3)",  "(0-2)^0.5",
                             "10^5000", "10^(0-5000)", "2^3000000000", "(0-1)^3000000000"};
    for (const char* source : failing) {
        SCOPED_TRACE(source);
        EXPECT_THROW(Eval(source), EInvalidOperation);
    }
}

TEST(Evaluate, ArithmeticFailuresOfThePlatformAreRaised) {
    Number big("big", 1e4930L);
    Number nan("nan", std::numeric_limits<Extended>::quiet_NaN());
    Number inf("inf", std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(EvalError("{big}*1000"), "Floating point overflow");
    EXPECT_EQ(EvalError("{big}/0.001"), "Floating point overflow");
    EXPECT_EQ(EvalError("{big}*{big}-{big}*{big}"), "Floating point overflow");
    EXPECT_EQ(EvalError("10^4000*10^4000"), "Floating point overflow");
    EXPECT_EQ(EvalError("{nan}+1"), "Invalid floating point operation");
    EXPECT_EQ(EvalError("{inf}*0"), "Invalid floating point operation");
    EXPECT_EQ(Eval("{big}/{big}"), 1);
}

} // namespace
} // namespace quillara
