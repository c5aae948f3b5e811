#include "engine/math_parser.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <algorithm>
#include <string>

#include "engine/errors.h"
#include "outcome.h"

namespace zhcalc {
namespace {

using testing::Case;
using testing::evaluateOutcome;
using testing::invalidOp;
using testing::overflow;
using testing::parserError;
using testing::value;
using testing::zeroDivide;

const char* const kSyntax = "Syntax error";
const char* const kNoCramp = "Invalid condition (no cramp)";
const char* const kDivide = "Divide by zero";
const char* const kInvalid = "Invalid floating operation";
const char* const kTooDeep = "Expression too deeply nested";

void expectAll(std::initializer_list<Case> cases) {
    MathParser parser;
    testing::expectOutcomes(parser, ',', cases);
}

TEST(MathParser, Arithmetic) {
    expectAll({
        {"2+3*4", value("14")},     {"2*3^2", value("18")},  {"8/2^2", value("2")},
        {"2^3*2", value("16")},     {"2^3^2", value("64")},  {"-2^2", value("-4")},
        {"2^-1", value("0,5")},     {"2*-3", value("-6")},   {"2--3", value("5")},
        {"--3", value("3")},        {"+3", value("3")},      {"(-3)", value("-3")},
        {"(-2)^3", value("-8")},    {"2^-2", value("0,25")}, {"0^0", value("1")},
        {"0^2", value("0")},        {"4^0,5", value("2")},   {"1/3", value("0,333333333333333")},
        {"10-2-3", value("5")},     {"64/4/2", value("8")},  {"2*(3+4)", value("14")},
        {"1,5*2", value("3")},      {"$FF+1", value("256")}, {"1E6000", value("INF")},
        {" 2 \t+\n3 ", value("5")},
    });
}

TEST(MathParser, ConstantsAndSigns) {
    expectAll({
        {"E", value("2,71828182845905")},
        {"PI", value("3,14159265358979")},
        {"pi", value("3,14159265358979")},
        {"-PI", value("-3,14159265358979")},
        {"-SIN(1)", value("-0,841470984807897")},
        {"2*PI", value("6,28318530717959")},
        {"E^2", value("7,38905609893065")},
        {"PIE", parserError(kSyntax)},
        {"(-PI)", parserError(kSyntax)},
        {"2*-PI", parserError(kSyntax)},
        {"2*-SIN(1)", parserError(kSyntax)},
        {"2*-(3)", parserError(kSyntax)},
        {"2PI", parserError(kSyntax)},
        {"2(3)", parserError(kSyntax)},
        {"(2)(3)", parserError(kSyntax)},
        {"INF", parserError(kSyntax)},
        {"NAN", parserError(kSyntax)},
    });
}

TEST(MathParser, StructureErrors) {
    expectAll({
        {"", parserError(kSyntax)},
        {"   ", parserError(kSyntax)},
        {")(", parserError(kSyntax)},
        {"sin(1", parserError(kNoCramp)},
        {"(2", parserError(kNoCramp)},
        {"2)", parserError(kNoCramp)},
        {"(2+)/1", parserError(kSyntax)},
        {"2+", parserError(kSyntax)},
        {"2#", parserError(kSyntax)},
        {"1=2", parserError(kSyntax)},
        {"PI<4", parserError(kSyntax)},
        {"(1)=2", parserError(kSyntax)},
        {"SIN(0)=5", parserError(kSyntax)},
        {"(1),2", parserError(kSyntax)},
        {"(1))+((2)", parserError(kSyntax)},
        {"((1)<2)", parserError(kNoCramp)},
        {"SIN((1),2)", parserError(kNoCramp)},
        {"FOO(1)", parserError(kSyntax)},
        {"SIN", parserError(kSyntax)},
    });
}

TEST(MathParser, DivisorGuardReportsOnlyDivisionByZero) {
    expectAll({
        {"1/0", parserError(kDivide)},
        {"0/0", parserError(kDivide)},
        {"1/(1-1)", parserError(kDivide)},
        {"1/(2+)", parserError(kSyntax)},
        {"1/LN(-1)", parserError(kInvalid)},
        {"1/0^-1", zeroDivide()},
        {"1/10^5000", overflow()},
        {"1E4932/1E-10", overflow()},
        {"8/2", value("4")},
    });
}

TEST(MathParser, UnguardedArithmeticFaults) {
    expectAll({
        {"(-8)^(1/3)", invalidOp()},
        {"0^-1", zeroDivide()},
        {"0^-0,5", zeroDivide()},
        {"10^5000", overflow()},
        {"1E5000", overflow()},
        {"1E4000*1E4000", overflow()},
        {"1E4932+1E4932", overflow()},
        {"1E6000-1E6000", invalidOp()},
        {"SIN(1/0)", parserError(kDivide)},
        {"SIN(10^5000)", overflow()},
    });
}

TEST(MathParser, BuiltInFunctions) {
    expectAll({
        {"sin(0)", value("0")},
        {"SIN ( 0 )", value("0")},
        {"SIN(3,14159265358979)", value("3,23845767910558E-15")},
        {"SIN(PI)", value("-5,42101086242752E-20")},
        {"COS(1,5707963267949)", value("-3,38078631929861E-15")},
        {"COS(3,14159265358979/2)", value("1,61922883955279E-15")},
        {"SIN(1E19)", value("0")},
        {"COS(1E19)", value("0")},
        {"TAN(0)", value("0")},
        {"TAN(1)", value("1,5574077246549")},
        {"ARCTAN(1)*4", value("3,14159265358979")},
        {"ABS(-2)", value("2")},
        {"EXP(1)", value("2,71828182845905")},
        {"EXP(-100000)", value("0")},
        {"LN(E)", value("1")},
        {"LOG(1000)", value("3")},
        {"SQRT(2)", value("1,4142135623731")},
        {"SQRT(0)", value("0")},
        {"SQR(3)", value("9")},
        {"INT(2,5)", value("2")},
        {"INT(3,5)", value("4")},
        {"ROUND(2,5)", value("2")},
        {"ROUND(3,5)", value("4")},
        {"ROUND(-2,5)", value("-2")},
        {"TRUNC(-2,5)", value("-2")},
        {"TRUNC(2,9)", value("2")},
        {"FRAC(-2,5)", value("-0,5")},
        {"FRAC(1E30)", value("0")},
        {"ARCSIN(1)", value("1,5707963267949")},
        {"ARCSIN(0,5)", value("0,523598775598299")},
        {"ARCCOS(1)", value("0")},
        {"ARCCOS(0)", value("1,5707963267949")},
        {"SIGN(-3)", value("-1")},
        {"SIGN(0)", value("0")},
        {"SIGN(2)", value("1")},
        {"NOT(5)", value("-6")},
        {"NOT(-1)", value("0")},
        {"SQRT(SQRT(16))", value("2")},
    });
}

TEST(MathParser, BuiltInFaults) {
    expectAll({
        {"TAN(1E19)", parserError(kDivide)},
        {"LN(0)", parserError(kInvalid)},
        {"LN(-1)", parserError(kInvalid)},
        {"LOG(-1)", parserError(kInvalid)},
        {"SQRT(-1)", parserError(kInvalid)},
        {"ARCSIN(2)", parserError(kInvalid)},
        {"ARCSIN(-1)", parserError(kInvalid)},
        {"ARCCOS(-1)", parserError(kInvalid)},
        {"ARCCOS(2)", parserError(kInvalid)},
        {"EXP(20000)", parserError(kInvalid)},
        {"EXP(1E6000)", parserError(kInvalid)},
        {"SQR(1E3000)", parserError(kInvalid)},
        {"INT(1E19)", parserError(kInvalid)},
        {"ROUND(-1E19)", parserError(kInvalid)},
        {"TRUNC(1E19)", parserError(kInvalid)},
        {"NOT(1E19)", parserError(kInvalid)},
        {"FRAC(1E6000)", parserError(kInvalid)},
    });
}

TEST(MathParser, SeparatorPointReadsPointLiterals) {
    MathParser parser;
    testing::expectOutcomes(parser, '.',
                            {{"1.5*2", value("3")},
                             {"SIN(1,2)", parserError(kSyntax)},
                             {"1,5", parserError(kSyntax)},
                             {"1/4", value("0.25")}});
}

TEST(MathParser, RecoversAfterErrors) {
    MathParser parser;
    EXPECT_THROW(parser.evaluate("(1+"), EParserError);
    EXPECT_THROW(parser.evaluate("1E5000"), EOverflow);
    EXPECT_EQ(parser.evaluate("2+3"), 5);
}

// ---- nesting and size limits -------------------------------------------------------------

std::string nested(const std::string& open, int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += open;
    text += "1";
    const auto opened = static_cast<std::size_t>(std::count(open.begin(), open.end(), '('));
    text.append(opened * static_cast<std::size_t>(depth), ')');
    return text;
}

TEST(MathParserLimits, NestingUpToTheLimitEvaluates) {
    MathParser parser;
    for (const std::string open : {"(", "SIN(", "ABS((", "(0+"}) {
        SCOPED_TRACE(open);
        const int calls = open == "ABS((" ? MathParser::kMaxNesting / 2 : MathParser::kMaxNesting;
        EXPECT_NO_THROW(parser.evaluate(nested(open, calls)));
    }
}

TEST(MathParserLimits, NestingBeyondTheLimitIsAParserError) {
    MathParser parser(testing::kComma);
    for (const std::string open : {"(", "SIN(", "ABS((", "(0+"}) {
        SCOPED_TRACE(open);
        const int calls =
            open == "ABS((" ? MathParser::kMaxNesting / 2 + 1 : MathParser::kMaxNesting + 1;
        EXPECT_EQ(evaluateOutcome(parser, nested(open, calls)), parserError(kTooDeep));
    }
    EXPECT_GE(MathParser::kMaxNesting, 1000);
}

TEST(MathParserLimits, HugeInputsGiveAValueOrACleanError) {
    MathParser parser(testing::kComma);
    const std::string million(1'000'000, '(');
    EXPECT_EQ(evaluateOutcome(parser, million), parserError(kNoCramp));
    EXPECT_EQ(evaluateOutcome(parser, nested("(", 1'000'000)), parserError(kTooDeep));

    std::string sum = "1";
    while (sum.size() < 10'000'000)
        sum += "+1";
    EXPECT_EQ(evaluateOutcome(parser, sum), value(std::to_string(sum.size() / 2 + 1)));

    std::string calls;
    while (calls.size() < 10'000'000)
        calls += "SIN(0)+";
    calls += "1";
    EXPECT_EQ(evaluateOutcome(parser, calls), value("1"));

    EXPECT_EQ(evaluateOutcome(parser, std::string(10'000'000, '7')).kind, "EOverflow");
    EXPECT_EQ(evaluateOutcome(parser, std::string(10'000'000, 'A')), parserError(kSyntax));
}

// Runs `work` on a thread with a stack of `bytes`, as small as other systems give by default.
void runOnStackOf(std::size_t bytes, void (*work)(void*), void* argument) {
    struct Call {
        void (*work)(void*);
        void* argument;
    } call{work, argument};
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, bytes), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(
                  &thread, &attributes,
                  [](void* p) -> void* {
                      auto* c = static_cast<Call*>(p);
                      c->work(c->argument);
                      return nullptr;
                  },
                  &call),
              0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

TEST(MathParserLimits, DeepestNestingFitsATwoMebibyteThreadStack) {
    testing::Outcome outcomes[2];
    runOnStackOf(
        2 << 20,
        [](void* p) {
            auto* out = static_cast<testing::Outcome*>(p);
            MathParser parser;
            out[0] = evaluateOutcome(parser, nested("SIN(", MathParser::kMaxNesting));
            out[1] = evaluateOutcome(parser, nested("SIN(", MathParser::kMaxNesting + 1));
        },
        outcomes);
    EXPECT_EQ(outcomes[0].kind, "value");
    EXPECT_EQ(outcomes[1], parserError(kTooDeep));
}

// ---- the registry ------------------------------------------------------------------------

Number triple(Number x, DecimalSeparator) {
    return 3 * x;
}
Number plusOne(Number x, DecimalSeparator) {
    return x + 1;
}
Number refuse(Number, DecimalSeparator) {
    throw EConvertError("refused");
}
// The code of the separator it was given, plus the argument.
Number separatorCode(Number x, DecimalSeparator separator) {
    return x + static_cast<unsigned char>(separator.character());
}

class Registry : public ::testing::Test {
  protected:
    void TearDown() override {
        for (const char* name :
             {"Foo", "Sin", "Log", "Log10", "_under", "AB", "B C", "Refuse", "Sep"})
            MathParser::unregisterFunction(name);
    }
    MathParser parser;
};

TEST_F(Registry, NamesMustStartWithALetterOrUnderscore) {
    for (const char* bad : {"2x", "", "(f", "$a", " a"}) {
        SCOPED_TRACE(bad);
        try {
            MathParser::registerFunction(bad, triple);
            ADD_FAILURE() << "accepted";
        } catch (const EParserError& e) {
            EXPECT_EQ(e.message(), kSyntax);
        }
    }
    EXPECT_NO_THROW(MathParser::registerFunction("_under", triple));
    EXPECT_EQ(parser.evaluate("_UNDER(2)"), 6);
}

TEST_F(Registry, CaseInsensitiveNamesShareOneEntry) {
    MathParser::registerFunction("Foo", triple);
    EXPECT_EQ(parser.evaluate("foo(2)"), 6);
    MathParser::registerFunction("FOO", plusOne);
    EXPECT_EQ(parser.evaluate("foo(2)"), 3);
    EXPECT_EQ(parser.evaluate("FOO(2)"), 3);
    MathParser::unregisterFunction("fOo");
    EXPECT_THROW(parser.evaluate("foo(2)"), EParserError);
}

TEST_F(Registry, RegisteredNamesShadowBuiltIns) {
    MathParser::registerFunction("Sin", triple);
    EXPECT_EQ(parser.evaluate("SIN(2)"), 6);
    MathParser::registerFunction("Sin", nullptr);  // a null function removes the name
    EXPECT_EQ(parser.evaluate("SIN(0)"), 0);
}

TEST_F(Registry, NameMustBeFollowedByParenthesis) {
    MathParser::registerFunction("Log", triple);
    MathParser::registerFunction("Log10", plusOne);
    EXPECT_EQ(parser.evaluate("LOG(2)"), 6);
    EXPECT_EQ(parser.evaluate("LOG10(2)"), 3);
    MathParser::registerFunction("AB", triple);
    EXPECT_THROW(parser.evaluate("AB"), EParserError);
    EXPECT_THROW(parser.evaluate("AB+1"), EParserError);
    MathParser::registerFunction("B C", triple);  // blanks never reach the parser
    EXPECT_THROW(parser.evaluate("B C(1)"), EParserError);
}

TEST_F(Registry, RoutineErrorsPassUnchanged) {
    MathParser::registerFunction("Refuse", refuse);
    try {
        parser.evaluate("1+Refuse(1)");
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), "refused");
    }
    EXPECT_THROW(parser.evaluate("1/Refuse(1)"), EConvertError);
}

TEST_F(Registry, RoutinesAreGivenTheParsersSeparator) {
    MathParser::registerFunction("Sep", separatorCode);
    EXPECT_EQ(parser.evaluate("Sep(0)"), '.');
    parser.setDecimalSeparator(DecimalSeparator(';'));
    EXPECT_EQ(parser.evaluate("Sep(1;5)"), ';' + 1.5L);
    EXPECT_EQ(MathParser(testing::kComma).evaluate("Sep(0)"), ',');
}

TEST_F(Registry, UnregisteringAnAbsentNameIsHarmless) {
    EXPECT_NO_THROW(MathParser::unregisterFunction("Nothing"));
    MathParser::registerFunction("Foo", triple);
    EXPECT_NO_THROW(MathParser::unregisterFunction("Nothing"));
    EXPECT_EQ(parser.evaluate("Foo(1)"), 3);
}

}  // namespace
}  // namespace zhcalc
