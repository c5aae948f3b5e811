#include <array>
#include <cstdint>
#include <limits>

#include "engine/decimal_scaling.h"
#include "engine/fpu.h"

namespace zhcalc::detail {
namespace {

// The powers as 80-bit constants (the compiler rounds each literal to nearest).
constexpr std::array<Number, 32> kUnits = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
    1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L,
};
constexpr std::array<Number, 16> kThirtyTwos = {
    1e0L,   1e32L,  1e64L,  1e96L,  1e128L, 1e160L, 1e192L, 1e224L,
    1e256L, 1e288L, 1e320L, 1e352L, 1e384L, 1e416L, 1e448L, 1e480L,
};
constexpr std::array<Number, 10> kFiveTwelves = {
    1e0L, 1e512L, 1e1024L, 1e1536L, 1e2048L, 1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L,
};

// The three factors of 10^|k| for 0 < |k| < kScaleLimit; a factor of 1 is skipped.
struct Factors {
    std::array<Number, 3> powers;
    int count;
};

Factors factorsOf(std::int64_t magnitude) noexcept {
    Factors f{{}, 0};
    if (const auto unit = magnitude % 32; unit != 0) f.powers[f.count++] = kUnits[unit];
    if (const auto mid = (magnitude / 32) % 16; mid != 0) f.powers[f.count++] = kThirtyTwos[mid];
    if (const auto big = magnitude / 512; big != 0) f.powers[f.count++] = kFiveTwelves[big];
    return f;
}

template <typename Multiply, typename Divide>
Number scale(Number value, std::int64_t k, Multiply multiply, Divide divide) {
    if (k == 0 || value == 0) return value;
    if (k >= kScaleLimit)
        return value < 0 ? -std::numeric_limits<Number>::infinity()
                         : std::numeric_limits<Number>::infinity();
    if (k <= -kScaleLimit) return value < 0 ? -0.0L : 0.0L;
    const Factors f = factorsOf(k > 0 ? k : -k);
    for (int i = 0; i < f.count; ++i)
        value = k > 0 ? multiply(value, f.powers[i]) : divide(value, f.powers[i]);
    return value;
}

}  // namespace

Number scaleByPowerOfTen(Number value, std::int64_t k) noexcept {
    return scale(
        value, k, [](Number a, Number b) { return a * b; },
        [](Number a, Number b) { return a / b; });
}

Number scaleByPowerOfTenChecked(Number value, std::int64_t k) {
    return scale(value, k, fpu::mul, fpu::div);
}

}  // namespace zhcalc::detail
