#include "about/conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "about/temp_convertor.h"
#include "engine/errors.h"

namespace zhcalc::about {
namespace {

using Conversion = Number (*)(Number);

struct ConversionCase {
    const char* name;
    Conversion function;
    Number in;
    Number expected;
};

TEST(Conversion, FormulasInExtendedPrecision) {
    const ConversionCase cases[] = {
        {"F->C 212", fahrenheitToCelsius, 212, 100},
        {"F->C -40", fahrenheitToCelsius, -40, -40},
        {"C->F 100", celsiusToFahrenheit, 100, 212},
        {"C->F -40", celsiusToFahrenheit, -40, -40},
        {"C->K 0", celsiusToKelvin, 0, 273.15L},
        {"K->C 300", kelvinToCelsius, 300, 300 + -273.15L},
        {"C->Ra 0", celsiusToRankine, 0, 32 - -459.67L},
        {"Ra->C 491,67", rankineToCelsius, 491.67L, (491.67L + -459.67L - 32) * 5 / 9},
        {"C->R 100", celsiusToReaumur, 100, 80},
        {"R->C 80", reaumurToCelsius, 80, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.function(c.in), c.expected) << c.name;
}

struct BoundCase {
    const char* name;
    Conversion function;
    Number lowestAccepted;
    Number firstRefused;
    const char* message;
};

TEST(Conversion, RefusesMoreThanAHundredthBelowAbsoluteZero) {
    const char* const belowC =
        "\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
        "\xE1\xFB\xF2\xFC \xED\xE8\xE6\xE5 \xF7\xE5\xEC -273.15 C";
    const char* const belowRankine =
        "\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
        "\xE1\xFB\xF2\xFC \xED\xE8\xE6\xE5 \xF7\xE5\xEC 0 \xE3\xF0\xE0\xE4\xF3\xF1\xEE\xE2 "
        "Rankine";
    const BoundCase cases[] = {
        {"F->C", fahrenheitToCelsius, -459.67L - 0.01L, -459.69L,
         "\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
         "\xE1\xFB\xF2\xFC \xED\xE8\xE6\xE5 \xF7\xE5\xEC -459.67 F"},
        {"C->F", celsiusToFahrenheit, -273.16L, -273.17L, belowC},
        {"C->K", celsiusToKelvin, -273.16L, -273.17L, belowC},
        {"C->Ra", celsiusToRankine, -273.16L, -273.17L, belowC},
        {"C->R", celsiusToReaumur, -273.16L, -273.17L, belowC},
        {"K->C", kelvinToCelsius, -0.01L, -0.011L,
         "\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
         "\xE1\xFB\xF2\xFC \xED\xE8\xE6\xE5 \xF7\xE5\xEC 0 \xE3\xF0\xE0\xE4\xF3\xF1\xEE\xE2 "
         "\xCA\xE5\xEB\xFC\xE2\xE8\xED\xE0"},
        {"Ra->C", rankineToCelsius, -0.01L, -0.011L, belowRankine},
        {"R->C", reaumurToCelsius, -273.15L * 0.8L - 0.01L, -218.54L, belowRankine},
    };
    for (const auto& c : cases) {
        EXPECT_NO_THROW(c.function(c.lowestAccepted)) << c.name;
        try {
            c.function(c.firstRefused);
            ADD_FAILURE() << c.name << " accepted " << static_cast<double>(c.firstRefused);
        } catch (const EMathError& e) {
            EXPECT_EQ(e.message(), c.message) << c.name;
        }
        EXPECT_THROW(c.function(std::numeric_limits<Number>::quiet_NaN()), EMathError) << c.name;
    }
}

TEST(Conversion, OverflowIsAnArithmeticFault) {
    EXPECT_THROW(celsiusToFahrenheit(std::numeric_limits<Number>::max()), EOverflow);
}

TEST(TempConvertor, StartsAtZeroInFahrenheitWithVersion) {
    const TempConvertor convertor;
    EXPECT_EQ(convertor.valueIn(), 0);
    EXPECT_EQ(convertor.valueOut(), 0);
    EXPECT_EQ(convertor.tempUnitsIn(), TempType::ttFahrenheit);
    EXPECT_EQ(convertor.tempUnitsOut(), TempType::ttFahrenheit);
    EXPECT_EQ(convertor.version(), "2.3");
}

TEST(TempConvertor, LoadedAsTheWindowLoadsIt) {
    const TempConvertor convertor = makeLoadedTempConvertor();
    EXPECT_EQ(convertor.valueIn(), -273.16L);
    EXPECT_EQ(convertor.tempUnitsIn(), TempType::ttCelsius);
    EXPECT_EQ(convertor.tempUnitsOut(), TempType::ttFahrenheit);
    EXPECT_NEAR(static_cast<double>(convertor.valueOut()), -459.688, 1e-12);
}

TEST(TempConvertor, SettersRecalculateOnlyOnChange) {
    struct Counting : TempConvertor {
        int runs = 0;
        void recalculate() override {
            ++runs;
            TempConvertor::recalculate();
        }
    } convertor;
    convertor.setValueIn(0);  // unchanged
    convertor.setTempUnitsIn(TempType::ttFahrenheit);
    EXPECT_EQ(convertor.runs, 0);
    convertor.setTempUnitsIn(TempType::ttCelsius);
    convertor.setTempUnitsOut(TempType::ttKelvin);
    convertor.setValueIn(100);
    EXPECT_EQ(convertor.runs, 3);
    EXPECT_EQ(convertor.valueOut(), 100 - -273.15L);
}

TEST(TempConvertor, FailedRecalculationKeepsTheNewInputAndTheOldResult) {
    TempConvertor convertor = makeLoadedTempConvertor();
    const Number before = convertor.valueOut();
    // The loaded -273.16 read as kelvin is refused, yet the unit is stored.
    EXPECT_THROW(convertor.setTempUnitsIn(TempType::ttKelvin), EMathError);
    EXPECT_EQ(convertor.tempUnitsIn(), TempType::ttKelvin);
    EXPECT_EQ(convertor.valueOut(), before);
    EXPECT_THROW(convertor.setValueIn(-5), EMathError);
    EXPECT_EQ(convertor.valueIn(), -5);
}

TEST(TempConvertor, ConvertDependsOnlyOnItsArguments) {
    TempConvertor convertor = makeLoadedTempConvertor();
    EXPECT_EQ(convertor.convert(300, TempType::ttKelvin, TempType::ttCelsius), 300 + -273.15L);
    // Same arguments again: recalculated, not left over from a failure in between.
    EXPECT_THROW(convertor.convert(-1, TempType::ttKelvin, TempType::ttCelsius), EMathError);
    EXPECT_EQ(convertor.convert(300, TempType::ttKelvin, TempType::ttCelsius), 300 + -273.15L);
    EXPECT_EQ(convertor.convert(-40, TempType::ttCelsius, TempType::ttFahrenheit), -40);
}

}  // namespace
}  // namespace zhcalc::about
