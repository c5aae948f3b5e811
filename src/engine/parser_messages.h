#pragma once
// The texts of the parser's EParserError.

namespace zhcalc::messages {

inline constexpr const char* kInvalidFloatingOperation = "Invalid floating operation";
inline constexpr const char* kDivideByZero = "Divide by zero";
inline constexpr const char* kNoCramp = "Invalid condition (no cramp)";
inline constexpr const char* kSyntaxError = "Syntax error";
inline constexpr const char* kTooDeeplyNested = "Expression too deeply nested";

}  // namespace zhcalc::messages
