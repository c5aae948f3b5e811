// StrToFloat and StrToInt: plain number texts, failing with EConvertError.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/decimal_scaling.h"
#include "engine/errors.h"
#include "engine/number_text.h"

namespace zhcalc {
namespace {

using detail::isDecimalDigit;

// Reading of the exponent stops once it has reached this value.
constexpr std::int64_t kExponentReadLimit = 500;

class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}
    char peek() const noexcept { return i_ < text_.size() ? text_[i_] : '\0'; }
    bool atEnd() const noexcept { return i_ >= text_.size(); }
    void advance() noexcept { ++i_; }
    bool take(char c) noexcept {
        if (atEnd() || text_[i_] != c) return false;
        ++i_;
        return true;
    }
    void skipBlanks() noexcept {
        while (take(' ')) {
        }
    }
    // Takes an optional "+" or "-"; true when it was "-".
    bool takeSign() noexcept {
        if (take('-')) return true;
        take('+');
        return false;
    }

  private:
    std::string_view text_;
    std::size_t i_ = 0;
};

std::optional<Number> parseFloat(std::string_view text, char separator) {
    Cursor in(text);
    in.skipBlanks();
    const bool negative = in.takeSign();

    detail::DigitAccumulator mantissa;
    bool anyPart = false;
    std::int64_t fractionDigits = 0;
    for (; isDecimalDigit(in.peek()); in.advance()) {
        mantissa.add(static_cast<unsigned>(in.peek() - '0'));
        anyPart = true;
    }
    if (in.take(separator)) {
        anyPart = true;
        for (; isDecimalDigit(in.peek()); in.advance()) {
            mantissa.add(static_cast<unsigned>(in.peek() - '0'));
            ++fractionDigits;
        }
    }
    if (!anyPart) return std::nullopt;

    std::int64_t exponent = 0;
    if (in.peek() == 'E' || in.peek() == 'e') {
        in.advance();
        bool exponentNegative = false;
        if (in.peek() == '-' || in.peek() == '+') {
            exponentNegative = in.peek() == '-';
            in.advance();
        }
        for (; exponent < kExponentReadLimit && isDecimalDigit(in.peek()); in.advance())
            exponent = exponent * 10 + (in.peek() - '0');
        if (exponentNegative) exponent = -exponent;
    }
    in.skipBlanks();
    if (!in.atEnd()) return std::nullopt;

    // Errors are silenced here: an overflow shows as infinity, which is a failure.
    const Number value = detail::scaleByPowerOfTen(mantissa.value(), exponent - fractionDigits);
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

// Hexadecimal digits up to FFFFFFFF, leading zeros free.
std::optional<std::uint32_t> parseHex(Cursor& in) {
    std::uint64_t value = 0;
    bool any = false;
    for (int d; (d = detail::hexDigitValue(in.peek())) >= 0; in.advance()) {
        value = value * 16 + static_cast<unsigned>(d);
        if (value > UINT32_MAX) return std::nullopt;
        any = true;
    }
    if (!any) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

// "$", "x", "X", "0x" or "0X".
bool takeHexPrefix(Cursor& in) {
    if (in.take('$') || in.take('x') || in.take('X')) return true;
    if (in.peek() != '0') return false;
    Cursor probe = in;
    probe.advance();
    if (!probe.take('x') && !probe.take('X')) return false;
    in = probe;
    return true;
}

std::optional<std::int32_t> parseInt(std::string_view text) {
    Cursor in(text);
    in.skipBlanks();
    const bool negative = in.takeSign();

    const bool hex = takeHexPrefix(in);
    std::optional<std::int32_t> result;
    if (hex) {
        const auto bits = parseHex(in);
        if (!bits) return std::nullopt;
        // Two's complement, negated after a "-" with 32-bit wrap-around.
        const std::uint32_t magnitude = *bits;
        result = static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
    } else {
        const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
        std::uint64_t value = 0;
        bool any = false;
        for (; isDecimalDigit(in.peek()); in.advance()) {
            value = value * 10 + static_cast<unsigned>(in.peek() - '0');
            if (value > limit) return std::nullopt;
            any = true;
        }
        if (!any) return std::nullopt;
        result = static_cast<std::int32_t>(negative ? 0u - static_cast<std::uint32_t>(value)
                                                    : static_cast<std::uint32_t>(value));
    }
    if (!in.atEnd()) return std::nullopt;
    return result;
}

}  // namespace

Number strToFloat(std::string_view text, DecimalSeparator separator) {
    if (const auto value = parseFloat(text, separator.character())) return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

std::int32_t strToInt(std::string_view text) {
    if (const auto value = parseInt(text)) return *value;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace zhcalc
