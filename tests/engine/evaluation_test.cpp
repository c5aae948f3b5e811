#include "engine/evaluation.h"

#include <gtest/gtest.h>

#include "engine/errors.h"
#include "engine/function_library.h"
#include "outcome.h"

namespace zhcalc {
namespace {

struct TextCase {
    const char* expression;
    const char* text;
};

class EvaluateToText : public ::testing::Test {
  protected:
    void SetUp() override { registerCalculatorFunctions(); }
    void TearDown() override {
        for (const char* name : {"cotan", "Fa", "Sinh"})
            MathParser::unregisterFunction(name);
    }

    void expectTexts(char separator, std::initializer_list<TextCase> cases) {
        parser.setDecimalSeparator(DecimalSeparator(separator));
        for (const auto& c : cases) {
            SCOPED_TRACE(c.expression);
            EXPECT_EQ(evaluateToText(parser, c.expression), c.text);
        }
    }

    MathParser parser;
};

TEST_F(EvaluateToText, TinyResultsNearMultiplesOfHalfPiShowAsZero) {
    expectTexts(',', {
                         {"sin(3,14159265358979)", "0"},
                         {"-sin(3,14159265358979)", "0"},
                         {"COS(3,14159265358979/2)", "0"},
                         {"cos(1,5707963267949)", "0"},
                         {"-cos(1,5707963267949)", "3,38078631929861E-15"},
                         {"SIN(PI)", "-5,42101086242752E-20"},
                         {"2+3", "5"},
                         {"0", "0"},
                         {"1/3", "0,333333333333333"},
                     });
}

TEST_F(EvaluateToText, ZeroTextsFollowTheParsersSeparator) {
    expectTexts('.', {
                         {"sin(3.14159265358979)", "0"},
                         {"cos(1.5707963267949)", "0"},
                         {"SIN(PI)", "-5.42101086242752E-20"},
                         {"1/4", "0.25"},
                     });
}

// A point without digits after it stands for ".0": the zero is one more digit of
// the mantissa, scaled back by one more power of ten, which moves the last place of
// some values. The differences show that last place.
TEST_F(EvaluateToText, APointWithoutFractionDigitsReadsAsPointZero) {
    expectTexts(',', {
                         {"9.E31-9E31", "8796093022208"},
                         {"1.E31-1E31", "549755813888"},
                         {"418.E30-418E30", "-35184372088832"},
                         {"586546301850781554042.-586546301850781554042", "32"},
                         {"9,E31-9.E31", "0"},
                         {"5.+0", "5"},
                     });
}

TEST_F(EvaluateToText, MathErrorsShowTheHugeValue) {
    expectTexts(',', {
                         {"cotan(0)", "1,1E4932"},
                         {"1E5000", "1,1E4932"},
                         {"(-8)^(1/3)", "1,1E4932"},
                         {"Sinh(20000)", "1,1E4932"},
                     });
    expectTexts('.', {{"cotan(0)", "1.1E4932"}});
}

TEST_F(EvaluateToText, OnlyAFaultIsFlaggedAsAMathError) {
    parser.setDecimalSeparator(testing::kComma);
    const auto fault = evaluateForDisplay(parser, "cotan(0)");
    EXPECT_TRUE(fault.mathError);
    // The same text reached by a valid expression is a result, not a fault.
    const auto value = evaluateForDisplay(parser, "1,1E4932");
    EXPECT_EQ(value.text, fault.text);
    EXPECT_FALSE(value.mathError);
}

TEST_F(EvaluateToText, OtherErrorsPropagate) {
    parser.setDecimalSeparator(testing::kComma);
    EXPECT_THROW(evaluateToText(parser, "1/0"), EParserError);
    EXPECT_THROW(evaluateToText(parser, "sin("), EParserError);
    try {
        evaluateToText(parser, "Fa(2,5)");
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), "'2,5' is not a valid integer value");
    }
}

}  // namespace
}  // namespace zhcalc
