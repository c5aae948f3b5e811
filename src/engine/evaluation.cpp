#include "engine/evaluation.h"

#include <algorithm>
#include <array>

#include "engine/errors.h"
#include "engine/fpu.h"
#include "engine/number_text.h"

namespace zhcalc {

namespace {

// Tiny results of the sine and cosine near multiples of pi / 2 that stand for zero,
// written with ",": compared after the parser's separator replaces it.
constexpr std::array<std::string_view, 4> kZeroTexts{
    "3,23845767910558E-15",
    "-3,23845767910558E-15",
    "1,61922883955279E-15",
    "-3,38078631929861E-15",
};

// The value shown for any floating-point fault: 1,1E4932.
constexpr Number kHugeValue = fpu::fromBits(32766, 0xECB12AED7F5875E1);

bool isZeroText(std::string_view text, DecimalSeparator decimalSeparator) {
    const char separator = decimalSeparator.character();
    for (const std::string_view zero : kZeroTexts) {
        if (text.size() != zero.size()) continue;
        if (std::equal(text.begin(), text.end(), zero.begin(),
                       [separator](char t, char z) { return t == (z == ',' ? separator : z); }))
            return true;
    }
    return false;
}

}  // namespace

DisplayResult evaluateForDisplay(MathParser& parser, std::string_view expression) {
    const DecimalSeparator separator = parser.decimalSeparator();
    std::string text;
    try {
        text = floatToStr(parser.evaluate(expression), separator);
    } catch (const EMathError&) {
        return {floatToStr(kHugeValue, separator), true};
    }
    return {isZeroText(text, separator) ? "0" : std::move(text), false};
}

std::string evaluateToText(MathParser& parser, std::string_view expression) {
    return evaluateForDisplay(parser, expression).text;
}

}  // namespace zhcalc
