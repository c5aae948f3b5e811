#include "about/converter_press.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/number_text.h"

namespace zhcalc::about {
namespace {

constexpr ConversionPair kCK{GuardFamily::Celsius, TempType::ttCelsius, TempType::ttKelvin};
constexpr ConversionPair kCF{GuardFamily::Celsius, TempType::ttCelsius, TempType::ttFahrenheit};
constexpr ConversionPair kCR{GuardFamily::Celsius, TempType::ttCelsius, TempType::ttReaumur};
constexpr ConversionPair kCRa{GuardFamily::Celsius, TempType::ttCelsius, TempType::ttRankine};
constexpr ConversionPair kKC{GuardFamily::Kelvin, TempType::ttKelvin, TempType::ttCelsius};
constexpr ConversionPair kKF{GuardFamily::Kelvin, TempType::ttKelvin, TempType::ttFahrenheit};
constexpr ConversionPair kKR{GuardFamily::Kelvin, TempType::ttKelvin, TempType::ttReaumur};
constexpr ConversionPair kKRa{GuardFamily::Kelvin, TempType::ttKelvin, TempType::ttRankine};
constexpr ConversionPair kFC{GuardFamily::Fahrenheit, TempType::ttFahrenheit, TempType::ttCelsius};

const std::string kCelsiusGuard =
    "\xF2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
    "\xE1\xFB\xF2\xFC \xEC\xE5\xED\xFC\xF8\xE5 -273,16 \xD1";
const std::string kKelvinGuard =
    "\xF2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
    "\xE1\xFB\xF2\xFC \xEC\xE5\xED\xFC\xF8\xE5 0K";
const std::string kFahrenheitGuard =
    "\xF2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
    "\xE1\xFB\xF2\xFC \xEC\xE5\xED\xFC\xF8\xE5 -459,688F";

// The examples are written with the decimal comma.
constexpr DecimalSeparator kComma(',');

class ConverterPress : public ::testing::Test {
  protected:
    // Every case starts from a freshly opened window.
    static std::string press(std::string_view text, const ConversionPair& pair) {
        TempConvertor convertor = makeLoadedTempConvertor();
        return pressConverterButton(convertor, text, pair, kComma);
    }
};

TEST_F(ConverterPress, FirstPressRightAfterOpening) {
    struct Case {
        const char* typed;
        ConversionPair pair;
        std::string expected;
    };
    const Case cases[] = {
        {"100", kCF, "212"},
        {"-40", kCF, "-40"},
        {"100", kCR, "80"},
        {"0", kCK, "273,15"},
        {"0", kCRa, "491,67"},
        // Cancellation leaves the representation error of the typed value in sight.
        {"-273,14", kCK, "0,00999999999999998"},
        // Kelvin-row presses no longer stumble over the loaded -273.16 Celsius.
        {"300", kKC, "26,85"},
        {"0", kKC, "-273,15"},
        {"273,15", kKF, "32"},
        {"373,15", kKR, "80"},
        {"-273,15", kCK, kCelsiusGuard},
        {"-273,15", kCF, kCelsiusGuard},
        {"-273,15", kCR, kCelsiusGuard},
        {"-273,15", kCRa, kCelsiusGuard},
        {"-300", kCK, kCelsiusGuard},
        {"-0,001", kKC, kKelvinGuard},
        {"-0,001", kKF, kKelvinGuard},
        {"-0,001", kKR, kKelvinGuard},
        {"-0,001", kKRa, kKelvinGuard},
        {"-459,689", kFC, kFahrenheitGuard},
        {"212", kFC, "100"},
        {"abc", kCF, kDataErrorText},
        {"", kKC, kDataErrorText},
        {"1.5", kCF, kDataErrorText},       // "." is no decimal point with ","
        {"1E4932", kCF, kDataErrorText},    // overflows on the way
        {"-459,685", kFC, kDataErrorText},  // passes the guard, refused by the conversion
        {kCelsiusGuard.c_str(), kCK, kDataErrorText},  // a message is not a number
    };
    for (const auto& c : cases)
        EXPECT_EQ(press(c.typed, c.pair), c.expected) << c.typed;
}

TEST_F(ConverterPress, KelvinToRankineAtZeroKeepsTheRoundingResidue) {
    const std::string text = press("0", kKRa);
    EXPECT_NE(text, "0");
    EXPECT_NE(text.find("E-17"), std::string::npos) << text;
}

TEST_F(ConverterPress, NumbersAreReadAndWrittenWithTheSeparatorGiven) {
    TempConvertor convertor = makeLoadedTempConvertor();
    const DecimalSeparator point('.');
    EXPECT_EQ(pressConverterButton(convertor, "1.5", kCF, point), "34.7");
    EXPECT_EQ(pressConverterButton(convertor, "1,5", kCF, point), kDataErrorText);
    EXPECT_EQ(pressConverterButton(convertor, "1.5", kCF, kComma), kDataErrorText);
    EXPECT_EQ(pressConverterButton(convertor, "1,5", kCF, kComma), "34,7");
}

TEST_F(ConverterPress, RepeatedPressesChainAndRepeatTheSameResult) {
    TempConvertor convertor = makeLoadedTempConvertor();
    std::string text = "100";
    text = pressConverterButton(convertor, text, kCF, kComma);
    EXPECT_EQ(text, "212");
    text = pressConverterButton(convertor, text, kCF, kComma);  // 212 °C in Fahrenheit
    EXPECT_EQ(text, "413,6");
    EXPECT_EQ(pressConverterButton(convertor, "100", kCF, kComma), "212");
    EXPECT_EQ(pressConverterButton(convertor, "100", kCF, kComma), "212");
    // After a failure the same press with a number converts that number again.
    EXPECT_EQ(pressConverterButton(convertor, "1E4932", kCF, kComma), kDataErrorText);
    EXPECT_EQ(pressConverterButton(convertor, "5", kCF, kComma), "41");
    EXPECT_EQ(pressConverterButton(convertor, "1E4932", kCF, kComma), kDataErrorText);
    EXPECT_EQ(pressConverterButton(convertor, "1E4932", kCF, kComma), kDataErrorText);
}

}  // namespace
}  // namespace zhcalc::about
