#include "engine/function_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <string>
#include <string_view>

#include "engine/math_parser.h"
#include "outcome.h"

namespace zhcalc {
namespace {

using testing::Case;
using testing::convertError;
using testing::invalidOp;
using testing::overflow;
using testing::value;
using testing::zeroDivide;

class FunctionLibrary : public ::testing::Test {
  protected:
    void SetUp() override { registerCalculatorFunctions(); }
    void TearDown() override {
        for (const std::string_view name : calculatorFunctionNames())
            MathParser::unregisterFunction(name);
    }

    void expectAll(std::initializer_list<Case> cases) {
        testing::expectOutcomes(parser, ',', cases);
    }

    MathParser parser;
};

std::string upperCase(std::string_view name) {
    std::string s(name);
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The names are the library's own; what they must be is checked by the cases below,
// each of which calls its function by name.
TEST(FunctionLibraryNames, AreTwentySixDistinctParserNames) {
    const auto names = calculatorFunctionNames();
    std::set<std::string> distinct;
    for (const std::string_view name : names) {
        SCOPED_TRACE(std::string(name));
        ASSERT_FALSE(name.empty());
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(name.front())) || name.front() == '_');
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        }));
        distinct.insert(upperCase(name));
    }
    EXPECT_EQ(distinct.size(), 26u) << "the parser reads names in any case";
    // The first and the last of the fixed order; the factorial and its inverse.
    EXPECT_EQ(names.front(), "DegToRad");
    EXPECT_EQ(names.back(), "ArcFa");
    EXPECT_TRUE(distinct.contains("FA"));
    EXPECT_TRUE(distinct.contains("ARCFA"));
}

TEST_F(FunctionLibrary, EveryNameIsRegistered) {
    for (const std::string_view name : calculatorFunctionNames()) {
        SCOPED_TRACE(std::string(name));
        for (const std::string& spelling : {std::string(name), upperCase(name)}) {
            try {
                parser.evaluate(spelling + "(2)");
            } catch (const EParserError& e) {
                ADD_FAILURE() << spelling << ": " << e.message();
            } catch (const Exception&) {
                // a math or conversion error still shows the routine was found
            }
        }
    }
}

TEST_F(FunctionLibrary, AngleConversions) {
    expectAll({
        {"DegToRad(180)", value("3,14159265358979")},
        {"RadToDeg(PI)", value("180")},
        {"GradToRad(200)", value("3,14159265358979")},
        {"RadToGrad(PI)", value("200")},
        {"CycleToRad(0,5)", value("3,14159265358979")},
        {"RadToCycle(PI)", value("0,5")},
        {"DegToRad(1E4932)", value("1,74532925199433E4930")},
        {"RadToDeg(1E4931)", overflow()},
    });
}

TEST_F(FunctionLibrary, TrigonometricAndHyperbolic) {
    expectAll({
        {"cotan(1)", value("0,642092615934331")},
        {"cotan(0)", zeroDivide()},
        {"cotan(1E19)", invalidOp()},
        {"Sinh(1)", value("1,1752011936438")},
        {"Cosh(1)", value("1,54308063481524")},
        {"Tanh(1)", value("0,761594155955765")},
        {"Sinh(1E-17)", value("0")},
        {"Cosh(1E-17)", value("1")},
        {"Tanh(1E-17)", value("0")},
        {"Sinh(12000)", overflow()},
        {"Cosh(-12000)", overflow()},
        {"Tanh(12000)", overflow()},
        {"ArcCosh(1)", value("0")},
        {"ArcCosh(2)", value("1,31695789692482")},
        {"ArcCosh(0,5)", invalidOp()},
        {"ArcCosh(-1)", zeroDivide()},
        {"ArcCosh(-2)", invalidOp()},
        {"ArcSinh(1)", value("0,881373587019543")},
        {"ArcSinh(-1E10)", zeroDivide()},
        {"ArcTanh(1)", value("INF")},
        {"ArcTanh(-1)", value("-INF")},
        {"ArcTanh(0,5)", value("0,549306144334055")},
        {"ArcTanh(2)", invalidOp()},
        {"ArcCotan(1)", value("0,785398163397448")},
        {"ArcCotan(0)", value("1,5707963267949")},
        {"ArcCotan(-1)", value("2,35619449019234")},
        {"ArcCotan(PI)", value("0,308169071115985")},
    });
}

TEST_F(FunctionLibrary, LogarithmsAndPowers) {
    expectAll({
        {"Log2(8)", value("3")},
        {"Log10(1000)", value("3")},
        {"Log10(0)", zeroDivide()},
        {"Log2(-1)", invalidOp()},
        {"LogN(E)", value("1")},
        {"LogN(1)", value("0")},
        {"LogN(0)", zeroDivide()},
        {"LogN(-1)", invalidOp()},
        {"Logpi(PI)", value("1")},
        {"LOG(100)", value("2")},
        {"ArcLn(0)", value("1")},
        {"ArcLn(1)", value("2,71828182845905")},
        {"ArcLog2(10)", value("1024")},
        {"ArcLog2(0,5)", value("1,4142135623731")},
        {"ArcLog10(2)", value("100")},
        {"ArcLog10(-2)", value("0,01")},
        {"ArcLog10(5000)", overflow()},
        {"ArcLogpi(1)", value("3,14159265358979")},
    });
}

TEST_F(FunctionLibrary, FactorialAndItsInverse) {
    expectAll({
        {"Fa(5)", value("120")},
        {"Fa(0)", value("1")},
        {"Fa(-3)", value("1")},
        {"Fa(4,99999999999999999)", value("120")},
        {"Fa(2,5)", convertError("'2,5' is not a valid integer value")},
        {"Fa(1E15)", convertError("'1E15' is not a valid integer value")},
        {"Fa(1755)", overflow()},
        {"Fa(1754)", value("1,97926189010501E4930")},
        {"ArcFa(120)", value("5")},
        {"ArcFa(1)", value("1")},
        {"ArcFa(24)", value("4")},
        {"ArcFa(2)", value("2")},
        {"ArcFa(Fa(20))", value("20")},
        {"ArcFa(Fa(1754))", value("1754")},
        {"ArcFa(0,5)", invalidOp()},
        {"ArcFa(-7)", invalidOp()},
        {"ArcFa(1E6000)", value("INF")},
    });
}

TEST_F(FunctionLibrary, ArcFaInvertsTheGammaFunction) {
    for (const Number x : {1.5L, 3.0L, 10.0L, 1e10L, 1e100L, 1e1000L, 1e4900L}) {
        SCOPED_TRACE(static_cast<double>(std::log10(x)));
        const DecimalSeparator separator = parser.decimalSeparator();
        const Number n = parser.evaluate("ArcFa(" + floatToStr(x, separator) + ")");
        EXPECT_GE(n, 1);
        const Number lnX = std::log(strToFloat(floatToStr(x, separator), separator));
        EXPECT_NEAR(static_cast<double>(std::lgamma(n + 1)), static_cast<double>(lnX),
                    1e-12 * std::max(1.0, static_cast<double>(lnX)));
    }
}

TEST_F(FunctionLibrary, IntegerAndSign) {
    expectAll({
        {"Int(2,5)", value("2")},
        {"Int(3,5)", value("4")},
        {"Int(-2,7)", value("-3")},
        {"Int(-0,5)", value("0")},
        {"INT(2,5)", value("2")},
        {"Int(1E19)", invalidOp()},
        {"Sign(-5)", value("-1")},
        {"Sign(-0,5)", value("-1")},
        {"Sign(0)", value("0")},
        {"Sign(7)", value("1")},
        {"SIGN(-3)", value("-1")},
    });
}

}  // namespace
}  // namespace zhcalc
