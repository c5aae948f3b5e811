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

std::optional<Number> readNumberLiteral(std::string_view text, std::size_t& pos,
                                        DecimalSeparator separator) {
    const auto at = [text](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    const auto isPoint = [point = separator.character()](char c) { return c == '.' || c == point; };
    std::size_t i = pos;
    const char first = at(i);
    if (first == '$') return readHexLiteral(text, pos);

    // [sign] digits [point digits] [E [sign] digits], where "." and the separator
    // both mark the point and either group of mantissa digits may be empty.
    bool negative = false;
    bool hasPoint = false;
    if (isPoint(first)) {
        hasPoint = true;
        ++i;
    } else if (first == '+' || first == '-') {
        negative = first == '-';
        ++i;
    } else if (!isDecimalDigit(first)) {
        return std::nullopt;
    }

    detail::DigitAccumulator mantissa;
    bool beyondSign = hasPoint;  // a lone sign is no literal
    std::int64_t fractionDigits = 0;
    if (!hasPoint) {
        const std::size_t integerStart = i;
        i = mantissa.addRun(text, i);
        beyondSign = i > integerStart;
        if (isPoint(at(i))) {
            hasPoint = true;
            beyondSign = true;
            ++i;
        }
    }
    if (hasPoint) {
        const std::size_t fractionStart = i;
        i = mantissa.addRun(text, i);
        fractionDigits = static_cast<std::int64_t>(i - fractionStart);
        beyondSign = beyondSign || fractionDigits > 0;
        // A point with no digits after it ("9.", "9.E31") is read as ".0": the zero
        // is accumulated like any digit, and the extra step of scaling it back can
        // round the last place differently from the digits alone.
        if (fractionDigits == 0) {
            mantissa.add(0);
            fractionDigits = 1;
        }
    }

    std::int64_t exponent = 0;
    if (at(i) == 'E' || at(i) == 'e') {
        ++i;
        bool exponentNegative = false;
        if (at(i) == '+' || at(i) == '-') {
            exponentNegative = at(i) == '-';
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; isDecimalDigit(at(i)); ++i)
            exponent = detail::appendExponentDigit(exponent, static_cast<unsigned>(at(i) - '0'));
        if (i == exponentStart) return std::nullopt;
        if (exponentNegative) exponent = -exponent;
    } else if (!beyondSign) {
        return std::nullopt;
    }
    // What the literal's characters may not continue with: a second point, a point
    // in the exponent or a second exponent.
    const char next = at(i);
    if (isPoint(next) || next == 'E' || next == 'e') return std::nullopt;

    const Number digits = mantissa.value();
    if (std::isinf(digits)) throw EOverflow();
    const Number magnitude = detail::scaleByPowerOfTenChecked(digits, exponent - fractionDigits);

    if (!isLiteralFollower(next)) return std::nullopt;
    pos = i;
    return negative ? -magnitude : magnitude;
}

}  // namespace zhcalc
