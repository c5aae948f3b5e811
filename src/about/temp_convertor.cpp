#include "about/temp_convertor.h"

namespace zhcalc::about {

void BaseConvertor::setValueIn(Number value) {
    if (value == valueIn_) return;
    valueIn_ = value;
    recalculate();
}

void TempConvertor::setTempUnitsIn(TempType units) {
    if (units == unitsIn_) return;
    unitsIn_ = units;
    recalculate();
}

void TempConvertor::setTempUnitsOut(TempType units) {
    if (units == unitsOut_) return;
    unitsOut_ = units;
    recalculate();
}

Number TempConvertor::convert(Number value, TempType from, TempType to) {
    storeValueIn(value);
    unitsIn_ = from;
    unitsOut_ = to;
    recalculate();
    return valueOut();
}

void TempConvertor::recalculate() {
    const Number in = valueIn();
    Number celsius = in;
    switch (unitsIn_) {
        case TempType::ttFahrenheit:
            celsius = fahrenheitToCelsius(in);
            break;
        case TempType::ttCelsius:
            break;
        case TempType::ttKelvin:
            celsius = kelvinToCelsius(in);
            break;
        case TempType::ttReaumur:
            celsius = reaumurToCelsius(in);
            break;
        case TempType::ttRankine:
            celsius = rankineToCelsius(in);
            break;
    }
    Number out = celsius;
    switch (unitsOut_) {
        case TempType::ttFahrenheit:
            out = celsiusToFahrenheit(celsius);
            break;
        case TempType::ttCelsius:
            break;
        case TempType::ttKelvin:
            out = celsiusToKelvin(celsius);
            break;
        case TempType::ttReaumur:
            out = celsiusToReaumur(celsius);
            break;
        case TempType::ttRankine:
            out = celsiusToRankine(celsius);
            break;
    }
    storeValueOut(out);
}

TempConvertor makeLoadedTempConvertor() {
    TempConvertor convertor;
    convertor.setValueIn(-273.16L);
    convertor.setTempUnitsIn(TempType::ttCelsius);
    convertor.setTempUnitsOut(TempType::ttFahrenheit);
    return convertor;
}

}  // namespace zhcalc::about
