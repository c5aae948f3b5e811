#pragma once
// Numbers to text and text to numbers, with the one decimal separator in force.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/number.h"

namespace zhcalc {

// The decimal separator every conversion uses ("." until the application sets it).
char decimalSeparator() noexcept;
void setDecimalSeparator(char separator) noexcept;

// Reads the user's locale (setlocale(LC_ALL, ""), then localeconv()) and returns its
// decimal separator as one Windows-1251 character, "." when the locale gives none
// or gives one that has no single-byte form. Does not change the setting.
char localeDecimalSeparator();

// A locale's decimal point text (UTF-8) as the one Windows-1251 character the
// calculator uses, by the same rule: "." when it is empty, longer than one character
// or has no Windows-1251 code.
char decimalSeparatorFromLocaleText(std::string_view point);

// The general format with 15 significant digits: "3,14159265358979", "1E16",
// "1,23456E-5", "INF", "-INF", "NAN". Never fails.
std::string floatToStr(Number value);

// Plain number text with the separator in force; raises EConvertError
// "'<text>' is not a valid floating point value".
Number strToFloat(std::string_view text);

// Decimal or hexadecimal ("$", "x", "0x") 32-bit integer text; raises EConvertError
// "'<text>' is not a valid integer value".
std::int32_t strToInt(std::string_view text);

// The parser's number literal at `pos` of its normalised text (upper case, no
// blanks; any index at or past text.size() reads as NUL). On success returns the
// value and moves `pos` past the literal; otherwise returns nullopt and leaves
// `pos` alone. Raises EOverflow when the literal's scaling overflows.
std::optional<Number> readNumberLiteral(std::string_view text, std::size_t& pos);

// True for the characters that may follow a literal or a constant: NUL and codes
// 1 to 32, ")", "*", "+", "-", "/", "^".
constexpr bool isLiteralFollower(char c) noexcept {
    const auto u = static_cast<unsigned char>(c);
    return u <= 32 || c == ')' || c == '*' || c == '+' || c == '-' || c == '/' || c == '^';
}

}  // namespace zhcalc
