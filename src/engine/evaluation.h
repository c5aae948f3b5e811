#pragma once
// The "=" rule: an expression text in, the text the display shows out.

#include <string>
#include <string_view>

#include "engine/math_parser.h"

namespace zhcalc {

// Evaluates `expression` and renders the value with floatToStr. The four tiny
// results that stand for zero (compared in the separator in force) become "0";
// an EMathError becomes the text of 1,1E4932. Every other error propagates.
std::string evaluateToText(MathParser& parser, std::string_view expression);

}  // namespace zhcalc
