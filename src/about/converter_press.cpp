#include "about/converter_press.h"

#include <exception>
#include <optional>

#include "engine/number_text.h"

namespace zhcalc::about {

const std::string kDataErrorText = "\xCE\xD8\xC8\xC1\xCA\xC0 \xC2 \xC4\xC0\xCD\xCD\xDB\xD5";

namespace {

// The family's message when the typed number fails its guard, nothing otherwise.
std::optional<std::string> guardMessage(GuardFamily family, Number typed) {
    switch (family) {
        case GuardFamily::Celsius:
            // "температура не может быть меньше -273,16 С"
            if (typed <= -273.15L)
                return "\xF2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
                       "\xE1\xFB\xF2\xFC \xEC\xE5\xED\xFC\xF8\xE5 -273,16 \xD1";
            break;
        case GuardFamily::Kelvin:
            // "температура не может быть меньше 0K"
            if (typed < 0)
                return "\xF2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
                       "\xE1\xFB\xF2\xFC \xEC\xE5\xED\xFC\xF8\xE5 0K";
            break;
        case GuardFamily::Fahrenheit:
            // "температура не может быть меньше -459,688F"
            if (typed <= -459.689L)
                return "\xF2\xE5\xEC\xEF\xE5\xF0\xE0\xF2\xF3\xF0\xE0 \xED\xE5 \xEC\xEE\xE6\xE5\xF2 "
                       "\xE1\xFB\xF2\xFC \xEC\xE5\xED\xFC\xF8\xE5 -459,688F";
            break;
    }
    return std::nullopt;
}

}  // namespace

std::string pressConverterButton(TempConvertor& convertor, std::string_view editText,
                                 const ConversionPair& pair, DecimalSeparator separator) noexcept {
    try {
        const Number typed = strToFloat(editText, separator);
        if (auto message = guardMessage(pair.family, typed)) return *message;
        // Units and value go in together: converting the previous input in the
        // new units first could refuse a perfectly valid typed number.
        return floatToStr(convertor.convert(typed, pair.from, pair.to), separator);
    } catch (...) {
        // Not-a-number text, a refusal below absolute zero, an arithmetic fault:
        // the edit says so, nothing more. (The text fits the short-string buffer.)
        return kDataErrorText;
    }
}

}  // namespace zhcalc::about
