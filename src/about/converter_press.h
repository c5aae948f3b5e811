#pragma once
// What a converter button does to the text of the converter's edit: read the
// number, check it against the family's guard, convert it and give back the new
// edit text. All texts are Windows-1251.

#include <string>
#include <string_view>

#include "about/temp_convertor.h"
#include "engine/decimal_separator.h"

namespace zhcalc::about {

// The buttons of one row share a guard on the typed number.
enum class GuardFamily { Celsius, Kelvin, Fahrenheit };

struct ConversionPair {
    GuardFamily family;
    TempType from;
    TempType to;
};

// "ОШИБКА В ДАННЫХ": the text shown for anything that could not be converted.
extern const std::string kDataErrorText;

// The new edit text after pressing a button of `pair` while the edit holds
// `editText`, both numbers written with `separator`. Never throws: a guard refusal
// gives the family's message, every other failure kDataErrorText.
std::string pressConverterButton(TempConvertor& convertor, std::string_view editText,
                                 const ConversionPair& pair, DecimalSeparator separator) noexcept;

}  // namespace zhcalc::about
