// The parser's number literal, read in place at the current position.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/decimal_scaling.h"
#include "engine/errors.h"
#include "engine/number_text.h"

namespace zhcalc {
namespace {

using detail::isDecimalDigit;

// "$" and 1 to 8 hexadecimal digits, the 32-bit two's-complement integer they spell.
std::optional<Number> readHexLiteral(std::string_view text, std::size_t& pos) {
    std::size_t i = pos + 1;
    std::uint32_t bits = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        const int d = detail::hexDigitValue(text[i]);
        if (d < 0) break;
        if (++digits > 8) return std::nullopt;
        bits = (bits << 4) | static_cast<std::uint32_t>(d);
    }
    if (digits == 0) return std::nullopt;
    if (!isLiteralFollower(i < text.size() ? text[i] : '\0')) return std::nullopt;
    pos = i;
    return static_cast<Number>(static_cast<std::int32_t>(bits));
}

}  // namespace

std::optional<Number> readNumberLiteral(std::string_view text, std::size_t& pos) {
    const auto at = [text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    const char separator = decimalSeparator();
    std::size_t i = pos;
    char c = at(i);
    if (c == '$') return readHexLiteral(text, pos);

    // Shape: [sign] digits [point digits] [E [sign] digits], where "." and the
    // separator both mark the point and either digit group may be empty.
    bool negative = false;
    bool hasPoint = false;
    bool hasExponent = false;
    bool exponentNegative = false;
    bool beyondSign = false;  // a lone sign is no literal
    int exponentDigits = 0;
    std::int64_t fractionDigits = 0;
    std::int64_t exponent = 0;
    detail::DigitAccumulator mantissa;

    if (c == '.' || c == separator) {
        hasPoint = true;
        beyondSign = true;
    } else if (c == '+' || c == '-') {
        negative = c == '-';
    } else if (isDecimalDigit(c)) {
        mantissa.add(static_cast<unsigned>(c - '0'));
        beyondSign = true;
    } else {
        return std::nullopt;
    }
    ++i;

    for (;; ++i) {
        c = at(i);
        if (c == '.' || c == separator) {
            if (hasPoint || hasExponent) return std::nullopt;
            hasPoint = true;
        } else if (c == 'E' || c == 'e') {
            if (hasExponent) return std::nullopt;
            hasExponent = true;
            if (const char next = at(i + 1); next == '+' || next == '-') {
                exponentNegative = next == '-';
                ++i;
            }
        } else if (isDecimalDigit(c)) {
            const auto digit = static_cast<unsigned>(c - '0');
            if (hasExponent) {
                exponent = detail::appendExponentDigit(exponent, digit);
                ++exponentDigits;
            } else {
                mantissa.add(digit);
                if (hasPoint) ++fractionDigits;
            }
        } else {
            break;
        }
        beyondSign = true;
    }
    if (!beyondSign || (hasExponent && exponentDigits == 0)) return std::nullopt;

    const Number digits = mantissa.value();
    if (std::isinf(digits)) throw EOverflow();
    const Number magnitude = detail::scaleByPowerOfTenChecked(
        digits, (exponentNegative ? -exponent : exponent) - fractionDigits);

    if (!isLiteralFollower(c)) return std::nullopt;
    pos = i;
    return negative ? -magnitude : magnitude;
}

}  // namespace zhcalc
