#pragma once
// Temperature conversions through Celsius, in extended precision. Each function
// refuses an argument more than 0.01 below absolute zero in its own unit with
// EMathError (message in Windows-1251); a NaN is refused too.

#include <cstdint>

#include "engine/number.h"

namespace zhcalc::about {

enum class TempType : std::uint8_t {
    ttFahrenheit = 0,
    ttCelsius = 1,
    ttKelvin = 2,
    ttReaumur = 3,
    ttRankine = 4,
};

inline constexpr Number kAbsoluteZeroCelsius = -273.15L;
inline constexpr Number kAbsoluteZeroFahrenheit = -459.67L;

Number fahrenheitToCelsius(Number x);
Number celsiusToFahrenheit(Number x);
Number celsiusToKelvin(Number x);
Number kelvinToCelsius(Number x);
Number celsiusToRankine(Number x);
Number rankineToCelsius(Number x);
Number celsiusToReaumur(Number x);
Number reaumurToCelsius(Number x);

}  // namespace zhcalc::about
