#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "engine/errors.h"
#include "engine/fpu.h"
#include "support/engine_test_support.h"

namespace zhcalc {
namespace {

using testing::kComma;
using testing::kPoint;
using testing::opaque;

std::string bitsOf(Number x) {
    const auto b = fpu::toBits(x);
    char text[32];
    std::snprintf(text, sizeof text, "%04X:%016llX", b.signAndExponent,
                  static_cast<unsigned long long>(b.significand));
    return text;
}

const Number kPi = fpu::fromBits(16384, 0xC90FDAA22168C235);
const Number kE = fpu::fromBits(16384, 0xADF85458A2BB4A9A);
const Number kHugeValue = fpu::fromBits(32766, 0xECB12AED7F5875E1);
const Number kInf = std::numeric_limits<Number>::infinity();

// ---- floatToStr -----------------------------------------------------------------------

struct FormatCase {
    const char* name;
    Number value;
    const char* text;
};

TEST(FloatToStr, WritesTheGeneralFormatWithFifteenDigits) {
    const Number one = opaque(1);
    const Number two = opaque(2);
    const Number three = opaque(3);
    const Number ten = opaque(10);
    const FormatCase cases[] = {
        {"pi", kPi, "3,14159265358979"},
        {"e (digit 16 rounds up)", kE, "2,71828182845905"},
        {"1/3", fpu::div(one, three), "0,333333333333333"},
        {"2/3", fpu::div(two, three), "0,666666666666667"},
        {"sqrt 2", fpu::fsqrt(two).value, "1,4142135623731"},
        {"100", opaque(100), "100"},
        {"15 digits", opaque(123456789012345.0L), "123456789012345"},
        {"fifteen nines", opaque(999999999999999.0L), "999999999999999"},
        {"sixteen nines", opaque(9999999999999999.0L), "1E16"},
        {"10^15", fpu::mul(opaque(1e14L), ten), "1E15"},
        {"10^20", fpu::mul(opaque(1e19L), ten), "1E20"},
        {"2^64", fpu::fromBits(16383 + 64, 0x8000000000000000), "1,84467440737096E19"},
        {"0,0001", fpu::div(one, opaque(10000)), "0,0001"},
        {"0,00001", fpu::div(one, opaque(100000)), "1E-5"},
        {"0,0000123456", fpu::div(opaque(123456), opaque(1e10L)), "1,23456E-5"},
        {"estimate one too high", opaque(9.97e-206L), "9,97E-206"},
        {"-2,5", fpu::div(opaque(-5), two), "-2,5"},
        {"huge value", kHugeValue, "1,1E4932"},
        {"zero", opaque(0), "0"},
        {"negative zero", opaque(-0.0L), "0"},
        {"denormal", fpu::fromBits(0, 1), "0"},
        {"largest denormal", fpu::fromBits(0x8000, 0x7FFFFFFFFFFFFFFF), "0"},
        {"infinity", opaque(kInf), "INF"},
        {"negative infinity", -kInf, "-INF"},
        {"NaN", std::numeric_limits<Number>::quiet_NaN(), "NAN"},
        {"negative NaN", -std::numeric_limits<Number>::quiet_NaN(), "NAN"},
        {"pseudo-infinity (integer bit clear)", fpu::fromBits(0x7FFF, 0x4000000000000000), "INF"},
        {"unnormal (integer bit clear)", fpu::fromBits(16383, 0x4000000000000000), "0,5"},
        {"pseudo-denormal", fpu::fromBits(0, 0x8000000000000000), "0"},
        {"largest value", std::numeric_limits<Number>::max(), "1,18973149535723E4932"},
        {"smallest normal", std::numeric_limits<Number>::min(), "3,36210314311209E-4932"},
        {"carry out of digit 1", opaque(9.9999999999999999e5L), "1000000"},
        {"fixed with fraction", opaque(-1234.5L), "-1234,5"},
        {"largest fixed exponent", opaque(0.000123L), "0,000123"},
        {"integer part fills with zeros", opaque(120000.0L), "120000"},
        {"rounded to 18 digits first, then half-up at 16", opaque(1.000000000000004999L),
         "1,00000000000001"},
        {"digit 16 below 5", opaque(1.000000000000004L), "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(floatToStr(c.value, kComma), c.text);
    }
}

TEST(FloatToStr, WritesTheSeparatorGiven) {
    EXPECT_EQ(floatToStr(kPi, kPoint), "3.14159265358979");
    EXPECT_EQ(floatToStr(opaque(1.23456e-5L), kPoint), "1.23456E-5");
    EXPECT_EQ(floatToStr(opaque(100), kPoint), "100");
}

// The 18-digit decimal value of x, correctly rounded, as the C library prints it.
std::string exactEighteenDigits(Number x, int& decimalExponent) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17Le", x);
    std::string digits;
    const char* p = text;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits.push_back(*p);
    decimalExponent = std::atoi(p + 1) + 1;
    return digits;
}

// The texts agree with a reference built from the correctly rounded 18 digits,
// except where digits 16 to 18 sit on the rounding boundary, where the 80-bit
// scaling may differ from exact arithmetic in the last digit.
TEST(FloatToStr, AgreesWithExactDecimalDigitsOffTheRoundingBoundary) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<int> exponents(1, 32766);
    int compared = 0;
    for (int n = 0; n < 20000; ++n) {
        const auto field =
            static_cast<std::uint16_t>(n < 10000 ? exponents(random) : 16383 - 80 + n % 160);
        const Number x = fpu::fromBits(field, random() | 0x8000000000000000);
        int exponent = 0;
        const std::string digits = exactEighteenDigits(x, exponent);
        const std::string tail = digits.substr(15);
        if (tail == "499" || tail == "500") continue;
        // Half-up at digit 16, then the digits as 0.d1d2... * 10^exponent.
        long long kept = std::stoll(digits.substr(0, 15));
        if (digits[15] >= '5' && ++kept == 1'000'000'000'000'000) {
            kept = 100'000'000'000'000;
            ++exponent;
        }
        std::string significant = std::to_string(kept);
        while (significant.back() == '0')
            significant.pop_back();
        std::string expected;
        if (exponent > 15 || exponent < -3) {
            expected = significant.substr(0, 1);
            if (significant.size() > 1) expected += "." + significant.substr(1);
            expected += "E" + std::to_string(exponent - 1);
        } else if (exponent <= 0) {
            expected = "0." + std::string(-exponent, '0') + significant;
        } else if (static_cast<int>(significant.size()) <= exponent) {
            expected = significant + std::string(exponent - significant.size(), '0');
        } else {
            expected = significant.substr(0, exponent) + "." + significant.substr(exponent);
        }
        ASSERT_EQ(floatToStr(x, kPoint), expected) << bitsOf(x);
        ++compared;
    }
    EXPECT_GT(compared, 19000);
}

// A text the calculator wrote reads back as a literal that is written the same way.
TEST(FloatToStr, TextReadsBackToTheSameText) {
    for (const DecimalSeparator separator : {kComma, kPoint}) {
        std::mt19937_64 random(7);
        std::uniform_int_distribution<int> exponents(16383 - 16000, 16383 + 16000);
        for (int n = 0; n < 5000; ++n) {
            const Number x = fpu::fromBits(static_cast<std::uint16_t>(exponents(random)),
                                           random() | 0x8000000000000000);
            const std::string text = floatToStr(x, separator);
            std::size_t pos = 0;
            const auto back = readNumberLiteral(text, pos, separator);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(pos, text.size());
            ASSERT_EQ(floatToStr(*back, separator), text) << bitsOf(x);
        }
    }
}

// ---- the parser's number literal ------------------------------------------------------

struct LiteralCase {
    const char* text;
    char separator;
    std::optional<Number> value;  // nullopt: no literal here
    std::size_t end;              // the position after the literal
};

TEST(NumberLiteral, ReadsValuesAndStopsAfterTheLiteral) {
    const std::optional<Number> none;
    const LiteralCase cases[] = {
        {"$FFFFFFFF", ',', -1, 9},
        {"$7FFFFFFF", ',', 2147483647, 9},
        {"$80000000", ',', -2147483648.0L, 9},
        {"$ff+1", ',', 255, 3},
        {"$0000000A", ',', 10, 9},
        {"$123456789", ',', none, 0},
        {"$", ',', none, 0},
        {"$G", ',', none, 0},
        {".5", ',', 0.5L, 2},
        {",5", ',', 0.5L, 2},
        {"5.", ',', 5, 2},
        {"5,", ',', 5, 2},
        {"1.E5", ',', 100000, 4},
        {"-.5", ',', -0.5L, 3},
        {"+,5", ',', 0.5L, 3},
        {".", ',', 0, 1},
        {"1.2.3", ',', none, 0},
        {"1,2.3", ',', none, 0},
        {"5E", ',', none, 0},
        {"1E+", ',', none, 0},
        {"1E5E3", ',', none, 0},
        {"1E5.3", ',', none, 0},
        {"+E5", ',', 0, 3},
        {"-E", ',', none, 0},
        {"-", ',', none, 0},
        {"+", ',', none, 0},
        {"2E", ',', none, 0},
        {"2PI", ',', none, 0},
        {"2(", ',', none, 0},
        {"1,4142135623731", ',', 1.4142135623731L, 15},
        {"1E20", ',', 1e20L, 4},
        {"-2,5", ',', -2.5L, 4},
        {"1,23456E-5", ',', 1.23456e-5L, 10},
        {"1E-5*2", ',', 1e-5L, 4},
        {"1E+3)", ',', 1000, 4},
        {"12345678901234567890123", ',', 12345678901234567890123.0L, 23},
        {"0,00000000000000000001", ',', 1e-20L, 22},
        {"INF", ',', none, 0},
        {"NAN", ',', none, 0},
        {"A", ',', none, 0},
        {"", ',', none, 0},
        // With ".", a "," may not follow a literal.
        {"1,5", '.', none, 0},
        {"1.5", '.', 1.5L, 3},
        {"1.5,2", '.', none, 0},
        {".5", '.', 0.5L, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " with separator " + c.separator);
        std::size_t pos = 0;
        const auto value = readNumberLiteral(c.text, pos, DecimalSeparator(c.separator));
        ASSERT_EQ(value.has_value(), c.value.has_value());
        if (value) {
            EXPECT_EQ(bitsOf(*value), bitsOf(*c.value));
        }
        EXPECT_EQ(pos, c.end);
    }
}

TEST(NumberLiteral, ReadsAtThePositionGiven) {
    const std::string text = "2*-3,5+1";
    std::size_t pos = 2;
    EXPECT_EQ(readNumberLiteral(text, pos, kComma), -3.5L);
    EXPECT_EQ(pos, 6u);
    pos = 1;
    EXPECT_FALSE(readNumberLiteral(text, pos, kComma).has_value());
    EXPECT_EQ(pos, 1u);
    pos = text.size() + 3;  // past the end reads as NUL: no literal
    EXPECT_FALSE(readNumberLiteral(text, pos, kComma).has_value());
    EXPECT_EQ(pos, text.size() + 3);
}

TEST(NumberLiteral, AcceptsExactlyTheFollowSet) {
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const std::string text = std::string("7") + c + "1";
        std::size_t pos = 0;
        const auto value = readNumberLiteral(text, pos, kComma);
        const bool extendsLiteral =
            (c >= '0' && c <= '9') || c == ',' || c == '.' || c == 'E' || c == 'e';
        if (extendsLiteral) continue;
        const bool follows =
            code <= 32 || c == ')' || c == '*' || c == '+' || c == '-' || c == '/' || c == '^';
        SCOPED_TRACE(code);
        EXPECT_EQ(isLiteralFollower(c), follows);
        EXPECT_EQ(value.has_value(), follows);
        EXPECT_EQ(pos, follows ? 1u : 0u);
    }
}

TEST(NumberLiteral, OverflowingScalingRaisesUnlessTheExponentSaturates) {
    struct Case {
        const char* text;
        Number value;
    };
    const Case saturating[] = {
        {"1E6000", kInf},    {"-1E6000", -kInf},    {"1E5120", kInf},
        {"1E-6000", 0},      {"0E6000", 0},         {"1E99999999999999999999", kInf},
        {"1E4932", 1e4932L}, {"1E-4950", 1e-4950L},
    };
    for (const auto& c : saturating) {
        SCOPED_TRACE(c.text);
        std::size_t pos = 0;
        const auto value = readNumberLiteral(c.text, pos, kComma);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(bitsOf(*value), bitsOf(c.value));
        EXPECT_EQ(pos, std::string_view(c.text).size());
    }
    const std::string overflowing[] = {"1E5000", "1E4933", "1E5119", "-2E4932",
                                       std::string(5000, '9')};
    for (const auto& text : overflowing) {
        SCOPED_TRACE(text.substr(0, 10));
        std::size_t pos = 0;
        EXPECT_THROW(readNumberLiteral(text, pos, kComma), EOverflow);
        EXPECT_EQ(pos, 0u);
    }
    // A malformed text is no literal at all, however large it would be.
    for (const char* text : {"1E5000E", "1E5000,5", "1,5,E5000"}) {
        SCOPED_TRACE(text);
        std::size_t pos = 0;
        EXPECT_FALSE(readNumberLiteral(text, pos, kComma).has_value());
        EXPECT_EQ(pos, 0u);
    }
}

// ---- strToFloat and strToInt -------------------------------------------------------

TEST(StrToFloat, AcceptsPlainNumberTextWithTheSeparatorGiven) {
    struct Case {
        const char* text;
        char separator;
        Number value;
    };
    const Case cases[] = {
        {"1,5", ',', 1.5L},    {" 1,5 ", ',', 1.5L},
        {"1E", ',', 1},        {"-2,5", ',', -2.5L},
        {"+3", ',', 3},        {",", ',', 0},
        {",25", ',', 0.25L},   {"7,", ',', 7},
        {"1e3", ',', 1000},    {"1E+", ',', 1},
        {"2E-3", ',', 0.002L}, {"1E500", ',', 1e500L},
        {"1.5", '.', 1.5L},    {"1E4932", ',', 1e4932L},
        {"0E499", ',', 0},     {"1,1E4932", ',', kHugeValue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " with separator " + c.separator);
        EXPECT_EQ(bitsOf(strToFloat(c.text, DecimalSeparator(c.separator))), bitsOf(c.value));
    }
}

TEST(StrToFloat, RejectsOtherTextWithItsMessage) {
    struct Case {
        const char* text;
        char separator;
    };
    const Case cases[] = {
        {"1.5", ','},    {"1,5", '.'},    {"", ','},      {" ", ','},      {"-", ','},
        {"E5", ','},     {"1,5x", ','},   {"1 5", ','},   {"1E5000", ','}, {"1E-5000", ','},
        {"1E4999", ','}, {"1E4933", ','}, {"1,2,3", ','}, {"$10", ','},    {"\t1", ','},
        {"INF", ','},    {"--1", ','},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " with separator " + c.separator);
        try {
            strToFloat(c.text, DecimalSeparator(c.separator));
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(),
                      "'" + std::string(c.text) + "' is not a valid floating point value");
        }
    }
}

TEST(StrToInt, AcceptsDecimalAndHexadecimalText) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"120", 120},
        {"-5", -5},
        {"0x1F", 31},
        {"$ff", 255},
        {"X10", 16},
        {"x10", 16},
        {"0X10", 16},
        {" +7", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"-$FFFFFFFF", 1},
        {"$0000000000FF", 255},
        {"-$80000000", -2147483647 - 1},
        {"0", 0},
        {"007", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(strToInt(c.text), c.value);
    }
}

TEST(StrToInt, RejectsOtherTextWithItsMessage) {
    const char* cases[] = {
        "2,5", "1E20",       "2147483648", "-2147483649", "",    " ",    "$",
        "0x",  "$100000000", "12 ",        "1-",          "+-1", "0x1G", "9999999999999999999999"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        try {
            strToInt(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

// ---- the separator ----------------------------------------------------------------------

TEST(DecimalSeparator, EveryConversionUsesTheOneGiven) {
    const DecimalSeparator semicolon(';');
    EXPECT_EQ(semicolon.character(), ';');
    EXPECT_EQ(DecimalSeparator().character(), '.');
    EXPECT_EQ(floatToStr(opaque(2.5L), semicolon), "2;5");
    EXPECT_EQ(strToFloat("2;5", semicolon), 2.5L);
    std::size_t pos = 0;
    EXPECT_EQ(readNumberLiteral("2;5", pos, semicolon), 2.5L);
}

TEST(DecimalSeparator, LocaleTextBecomesOneWindows1251Character) {
    struct Case {
        const char* point;
        char separator;
    };
    const Case cases[] = {
        {",", ','},
        {".", '.'},
        {"?", '?'},
        {"", '.'},
        {"\xc2\xa0", '\xa0'},   // no-break space has a Windows-1251 code
        {"\xd9\xab", '.'},      // Arabic decimal separator has none
        {"\xe2\x80\xaf", '.'},  // nor has the narrow no-break space
        {"\xff", '.'},          // malformed UTF-8
        {",,", '.'},            // more than one character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decimalSeparatorFromLocaleText(c.point).character(), c.separator)
            << '"' << c.point << '"';
    }
}

}  // namespace
}  // namespace zhcalc
