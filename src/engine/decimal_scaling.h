#pragma once
// Building blocks shared by the number-text conversions: scaling by a power of
// ten with the 80-bit constant powers, and digit accumulation in 80-bit
// arithmetic. Internal to the engine.

#include <cstdint>

#include "engine/number.h"

namespace zhcalc::detail {

// Scaling exponents of this magnitude or more saturate: to infinity upwards, to
// zero downwards.
inline constexpr std::int64_t kScaleLimit = 5120;

// value * 10^k (k > 0) or value / 10^-k (k < 0), as the product by 10^(|k| mod 32),
// then 10^(32 * ((|k| div 32) mod 16)), then 10^(512 * (|k| div 512)). Overflow gives
// infinity and underflow zero or a denormal, without any error.
Number scaleByPowerOfTen(Number value, std::int64_t k) noexcept;

// The same steps with the x87 overflow trap honoured: raises EOverflow when a step
// overflows.
Number scaleByPowerOfTenChecked(Number value, std::int64_t k);

// v := v * 10 + digit in 80-bit arithmetic. While the value fits in 64 bits every
// step is exact, so an integer does the work until then; from there on the
// rounding of each 80-bit step is reproduced.
class DigitAccumulator {
  public:
    void add(unsigned digit) noexcept {
        if (!inFloat_) {
            if (integer_ <= kIntegerLimit) {
                integer_ = integer_ * 10 + digit;
                return;
            }
            value_ = static_cast<Number>(integer_);
            inFloat_ = true;
        }
        value_ = value_ * 10 + static_cast<Number>(digit);
    }

    // Infinity when the digits overflowed the 80-bit range.
    Number value() const noexcept { return inFloat_ ? value_ : static_cast<Number>(integer_); }
    bool isZero() const noexcept { return inFloat_ ? value_ == 0 : integer_ == 0; }

  private:
    static constexpr std::uint64_t kIntegerLimit = (UINT64_MAX - 9) / 10;
    std::uint64_t integer_ = 0;
    Number value_ = 0;
    bool inFloat_ = false;
};

// Exponent digits saturate here, far beyond any exponent that matters, so that the
// difference with a fraction-digit count never overflows.
inline constexpr std::int64_t kExponentSaturation = 1'000'000'000'000'000;

inline std::int64_t appendExponentDigit(std::int64_t exponent, unsigned digit) noexcept {
    return exponent >= kExponentSaturation ? exponent : exponent * 10 + digit;
}

inline constexpr bool isDecimalDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

// 0-15 for a hexadecimal digit in either case, -1 otherwise.
inline constexpr int hexDigitValue(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace zhcalc::detail
