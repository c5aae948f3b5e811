#pragma once
// Integer arithmetic over a short text: + - * / (truncating), unary signs and
// parentheses. Used for the vertices of custom button outlines.

#include <optional>
#include <string_view>

namespace zhcalc::controls {

// The value of the expression, or nothing when it is malformed, divides by zero
// or leaves the int range.
std::optional<int> evaluateIntegerExpression(std::string_view text);

}  // namespace zhcalc::controls
