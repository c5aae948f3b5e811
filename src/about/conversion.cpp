#include "about/conversion.h"

#include <string>

#include "engine/errors.h"
#include "engine/fpu.h"

namespace zhcalc::about {
namespace {

using fpu::add;
using fpu::div;
using fpu::mul;
using fpu::sub;

// How far below absolute zero an argument may lie before it is refused.
constexpr Number kTolerance = 0.01L;
constexpr Number kReaumurFactor = 0.8L;

// The messages, in Windows-1251.
// "Температура не может быть ниже чем -459.67 F"
constexpr const char* kBelowFahrenheit =
    "\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
    "\xE1\xFB\xF2\xFC \xED\xE8\xE6\xE5 \xF7\xE5\xEC -459.67 F";
// "Температура не может быть ниже чем -273.15 C"
constexpr const char* kBelowCelsius =
    "\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
    "\xE1\xFB\xF2\xFC \xED\xE8\xE6\xE5 \xF7\xE5\xEC -273.15 C";
// "Температура не может быть ниже чем 0 градусов Кельвина"
constexpr const char* kBelowKelvin =
    "\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
    "\xE1\xFB\xF2\xFC \xED\xE8\xE6\xE5 \xF7\xE5\xEC 0 \xE3\xF0\xE0\xE4\xF3\xF1\xEE\xE2 "
    "\xCA\xE5\xEB\xFC\xE2\xE8\xED\xE0";
// "Температура не может быть ниже чем 0 градусов Rankine" (also the Réaumur refusal)
constexpr const char* kBelowRankine =
    "\xD2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
    "\xE1\xFB\xF2\xFC \xED\xE8\xE6\xE5 \xF7\xE5\xEC 0 \xE3\xF0\xE0\xE4\xF3\xF1\xEE\xE2 "
    "Rankine";

// Written as "not >=" so that a NaN is refused as well.
void require(Number x, Number lowest, const char* message) {
    if (!(x >= lowest)) throw EMathError(message);
}

Number celsiusBound() {
    return sub(kAbsoluteZeroCelsius, kTolerance);
}

}  // namespace

Number fahrenheitToCelsius(Number x) {
    require(x, sub(kAbsoluteZeroFahrenheit, kTolerance), kBelowFahrenheit);
    return div(mul(sub(x, 32), 5), 9);
}

Number celsiusToFahrenheit(Number x) {
    require(x, celsiusBound(), kBelowCelsius);
    return add(div(mul(x, 9), 5), 32);
}

Number celsiusToKelvin(Number x) {
    require(x, celsiusBound(), kBelowCelsius);
    return sub(x, kAbsoluteZeroCelsius);
}

Number kelvinToCelsius(Number x) {
    require(x, -kTolerance, kBelowKelvin);
    return add(x, kAbsoluteZeroCelsius);
}

Number celsiusToRankine(Number x) {
    require(x, celsiusBound(), kBelowCelsius);
    return sub(celsiusToFahrenheit(x), kAbsoluteZeroFahrenheit);
}

Number rankineToCelsius(Number x) {
    require(x, -kTolerance, kBelowRankine);
    return fahrenheitToCelsius(add(x, kAbsoluteZeroFahrenheit));
}

Number celsiusToReaumur(Number x) {
    require(x, celsiusBound(), kBelowCelsius);
    return mul(x, kReaumurFactor);
}

Number reaumurToCelsius(Number x) {
    require(x, sub(mul(kAbsoluteZeroCelsius, kReaumurFactor), kTolerance), kBelowRankine);
    return mul(x, 1.25L);
}

}  // namespace zhcalc::about
