#pragma once
// Numbers to text and text to numbers, with the decimal separator each caller gives.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/decimal_separator.h"
#include "engine/number.h"

namespace zhcalc {

// The general format with 15 significant digits: "3,14159265358979", "1E16",
// "1,23456E-5", "INF", "-INF", "NAN" (here with the separator ","). Never fails.
std::string floatToStr(Number value, DecimalSeparator separator);

// Plain number text with `separator`; raises EConvertError
// "'<text>' is not a valid floating point value".
Number strToFloat(std::string_view text, DecimalSeparator separator);

// Decimal or hexadecimal ("$", "x", "0x") 32-bit integer text; raises EConvertError
// "'<text>' is not a valid integer value".
std::int32_t strToInt(std::string_view text);

// The parser's number literal at `pos` of its normalised text (upper case, no
// blanks; any index at or past text.size() reads as NUL), where "." and `separator`
// both mark the point. On success returns the value and moves `pos` past the
// literal; otherwise returns nullopt and leaves `pos` alone. Raises EOverflow when
// the literal's scaling overflows.
std::optional<Number> readNumberLiteral(std::string_view text, std::size_t& pos,
                                        DecimalSeparator separator);

// True for the characters that may follow a literal or a constant: NUL and codes
// 1 to 32, ")", "*", "+", "-", "/", "^".
constexpr bool isLiteralFollower(char c) noexcept {
    const auto u = static_cast<unsigned char>(c);
    return u <= 32 || c == ')' || c == '*' || c == '+' || c == '-' || c == '/' || c == '^';
}

}  // namespace zhcalc
