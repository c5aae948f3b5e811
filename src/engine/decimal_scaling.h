#pragma once
// Building blocks shared by the number-text conversions: scaling by a power of
// ten with the 80-bit constant powers, and digit accumulation in 80-bit
// arithmetic. Internal to the engine.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "engine/errors.h"
#include "engine/number.h"

namespace zhcalc::detail {

// Scaling exponents of this magnitude or more saturate: to infinity upwards, to
// zero downwards.
inline constexpr std::int64_t kScaleLimit = 5120;

// The powers as 80-bit constants (the compiler rounds each literal to nearest).
inline constexpr std::array<Number, 32> kUnitPowers = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
    1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L,
};
inline constexpr std::array<Number, 16> kPowersOf32 = {
    1e0L,   1e32L,  1e64L,  1e96L,  1e128L, 1e160L, 1e192L, 1e224L,
    1e256L, 1e288L, 1e320L, 1e352L, 1e384L, 1e416L, 1e448L, 1e480L,
};
inline constexpr std::array<Number, 10> kPowersOf512 = {
    1e0L, 1e512L, 1e1024L, 1e1536L, 1e2048L, 1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L,
};

// value * 10^k (k > 0) or value / 10^-k (k < 0), as the product by 10^(|k| mod 32),
// then 10^(32 * ((|k| div 32) mod 16)), then 10^(512 * (|k| div 512)), each step
// rounded. Overflow gives infinity and underflow zero or a denormal, without any
// error. Zero stays zero. Inline: an 80-bit argument passed through memory would
// cost more than the scaling itself.
inline Number scaleByPowerOfTen(Number value, std::int64_t k) noexcept {
    if (k == 0 || value == 0) return value;
    if (k >= kScaleLimit)
        return value < 0 ? -std::numeric_limits<Number>::infinity()
                         : std::numeric_limits<Number>::infinity();
    if (k <= -kScaleLimit) return value < 0 ? -0.0L : 0.0L;
    const std::int64_t magnitude = k > 0 ? k : -k;
    const std::int64_t steps[3] = {magnitude % 32, (magnitude / 32) % 16, magnitude / 512};
    const Number* const tables[3] = {kUnitPowers.data(), kPowersOf32.data(), kPowersOf512.data()};
    for (int i = 0; i < 3; ++i) {
        if (steps[i] == 0) continue;
        if (k > 0)
            value *= tables[i][steps[i]];
        else
            value /= tables[i][steps[i]];
    }
    return value;
}

// The same, raising EOverflow where a step overflows (as the x87 would trap). Every
// factor is finite and at least 1, so some step overflows exactly when a finite
// value ends up infinite; testing the result spares a status round trip per step.
inline Number scaleByPowerOfTenChecked(Number value, std::int64_t k) {
    const Number scaled = scaleByPowerOfTen(value, k);
    if (std::isinf(scaled) && std::isfinite(value) && k < kScaleLimit) [[unlikely]]
        throw EOverflow();
    return scaled;
}

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

    // Adds the run of decimal digits of `text` that starts at `i`; returns the index
    // after it.
    std::size_t addRun(std::string_view text, std::size_t i) noexcept {
        const std::size_t end = text.size();
        // Up to 19 digits always fit the integer.
        if (!inFloat_ && integer_ == 0) {
            const std::size_t fastEnd = end - i > 19 ? i + 19 : end;
            for (; i < fastEnd; ++i) {
                const auto digit = static_cast<unsigned>(text[i] - '0');
                if (digit > 9) return i;
                integer_ = integer_ * 10 + digit;
            }
        }
        for (; i < end; ++i) {
            const auto digit = static_cast<unsigned>(text[i] - '0');
            if (digit > 9) return i;
            add(digit);
        }
        return i;
    }

    // Infinity when the digits overflowed the 80-bit range.
    Number value() const noexcept { return inFloat_ ? value_ : static_cast<Number>(integer_); }

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
