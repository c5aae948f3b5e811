#pragma once
// The "=" rule: an expression text in, the text the display shows out.

#include <string>
#include <string_view>

#include "engine/math_parser.h"

namespace zhcalc {

// What "=" shows, and whether it stands for a floating-point fault (a valid
// expression can also come to 1,1E4932, so the text alone cannot tell).
struct DisplayResult {
    std::string text;
    bool mathError = false;
};

// Evaluates `expression` and renders the value with floatToStr, both with the
// parser's separator. The four tiny results that stand for zero become "0";
// an EMathError becomes the text of 1,1E4932. Every other error propagates.
DisplayResult evaluateForDisplay(MathParser& parser, std::string_view expression);

// The text of evaluateForDisplay alone.
std::string evaluateToText(MathParser& parser, std::string_view expression);

}  // namespace zhcalc
