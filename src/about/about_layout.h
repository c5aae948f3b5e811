#pragma once
// The about window's layout: its size, its group boxes and edit, and the converter
// buttons: where each one sits, what it says, and what pressing it converts.

#include <QRect>
#include <QSize>
#include <array>
#include <optional>

#include "about/converter_press.h"

namespace zhcalc::about {

inline constexpr QSize kAboutWindowSize{535, 290};

struct GroupBoxLayout {
    const char* name;
    const char* caption;  // UTF-8
    QRect geometry;
};
inline constexpr GroupBoxLayout kAboutBox{"FlatGroupBox1", "Обо мне и прочих", {0, 0, 273, 281}};
inline constexpr GroupBoxLayout kConverterBox{"FlatGroupBox2", "Конвектор", {280, 0, 249, 281}};

// The temperature edit, in the converter box.
inline constexpr QRect kTemperatureEditGeometry{72, 8, 121, 19};

// One row per converter button, in creation order.
enum class ButtonParent { Window, ConverterBox };

struct ConverterButtonLayout {
    const char* name;
    ButtonParent parent;
    QRect geometry;       // in the parent's coordinates
    const char* caption;  // UTF-8; "К" in the Kelvin captions is Cyrillic
    bool visible;
    bool smallFont;  // 7 pixels instead of the window's 11
    // What a click converts; hidden buttons without a handler have none.
    std::optional<ConversionPair> conversion;
};

namespace detail {
constexpr ConversionPair pair(GuardFamily family, TempType from, TempType to) {
    return {family, from, to};
}
constexpr auto C = TempType::ttCelsius;
constexpr auto K = TempType::ttKelvin;
constexpr auto F = TempType::ttFahrenheit;
constexpr auto R = TempType::ttReaumur;
constexpr auto Ra = TempType::ttRankine;
constexpr auto W = ButtonParent::Window;
constexpr auto Box = ButtonParent::ConverterBox;
}  // namespace detail

// Creation order, which is also the order the Tab key follows within each parent.
inline const std::array<ConverterButtonLayout, 20> kConverterButtons = [] {
    using namespace detail;
    const auto celsius = [](TempType to) { return pair(GuardFamily::Celsius, C, to); };
    const auto kelvin = [](TempType to) { return pair(GuardFamily::Kelvin, K, to); };
    const auto fahrenheit = [](TempType to) { return pair(GuardFamily::Fahrenheit, F, to); };
    return std::array<ConverterButtonLayout, 20>{{
        {"cbCK", Box, {48, 32, 41, 25}, "C->K", true, false, celsius(K)},
        {"cbCF", Box, {88, 32, 41, 25}, "C->F", true, false, celsius(F)},
        {"cbFR", Box, {128, 80, 41, 25}, "F->R", false, false, fahrenheit(R)},
        {"cbRF", W, {368, 104, 41, 25}, "R->F", false, false, std::nullopt},
        {"cbKC", W, {328, 56, 41, 25}, "К->C", true, false, kelvin(C)},
        {"cbKF", W, {368, 56, 41, 25}, "К->F", true, false, kelvin(F)},
        {"cbCR", W, {408, 32, 41, 25}, "C->R", true, false, celsius(R)},
        {"cbFC", W, {328, 80, 41, 25}, "F->C", false, false, fahrenheit(C)},
        {"cbFK", W, {368, 80, 41, 25}, "F->K", false, false, fahrenheit(K)},
        {"cbKR", W, {408, 56, 41, 25}, "К->R", true, false, kelvin(R)},
        {"cbRC", W, {328, 104, 41, 25}, "R->C", false, false, std::nullopt},
        {"cbRK", W, {408, 104, 41, 25}, "R->K", false, false, std::nullopt},
        {"cbRaF", W, {408, 128, 41, 25}, "Ra->F", false, true, std::nullopt},
        {"cbRaC", W, {328, 128, 41, 25}, "Ra->C", false, true, std::nullopt},
        {"cbRaK", W, {368, 128, 41, 25}, "Ra->K", false, true, std::nullopt},
        {"cbFRa", W, {448, 80, 41, 25}, "F->Ra", false, false, std::nullopt},
        {"cbCRa", W, {448, 32, 41, 25}, "C->Ra", true, false, celsius(Ra)},
        {"cbKRa", W, {448, 56, 41, 25}, "К->Ra", true, false, kelvin(Ra)},
        {"cbRRa", W, {448, 104, 41, 25}, "R->Ra", false, false, std::nullopt},
        {"cbRaR", W, {448, 128, 41, 25}, "Ra->R", false, true, std::nullopt},
    }};
}();

}  // namespace zhcalc::about
