#include "engine/inverse_factorial.h"

#include <array>
#include <cmath>

#include "engine/errors.h"
#include "engine/x87_math.h"

namespace zhcalc {

namespace {

// The Stirling series is summed for arguments of at least this size, where its
// first terms already reach the precision of a long double.
constexpr Number kStirlingStart = 24;

// B(2k) / (2k (2k - 1)) for k = 1..9.
constexpr std::array<Number, 9> kStirlingCoefficients{
    1.0L / 12,        -1.0L / 360, 1.0L / 1260,       -1.0L / 1680,     1.0L / 1188,
    -691.0L / 360360, 1.0L / 156,  -3617.0L / 122400, 43867.0L / 244188};

// ln sqrt(2 pi).
constexpr Number kLnSqrtTwoPi = 0.918938533204672741780329736405617639861L;

// Largest n whose factorial is finite in 80-bit arithmetic.
constexpr int kLargestFactorial = 1754;

Number exactFactorial(int n) {
    Number r = 1;
    for (int i = 2; i <= n; ++i)
        r *= i;
    return r;
}

}  // namespace

Number lnGamma(Number z) {
    // Gamma(z) = Gamma(z + m) / (z (z + 1) ... (z + m - 1)).
    Number shiftProduct = 1;
    while (z < kStirlingStart) {
        shiftProduct *= z;
        z += 1;
    }
    const Number inverse = 1 / z;
    const Number inverseSquare = inverse * inverse;
    Number series = 0;
    for (auto it = kStirlingCoefficients.rbegin(); it != kStirlingCoefficients.rend(); ++it)
        series = series * inverseSquare + *it;
    series *= inverse;
    return (z - 0.5L) * x87::ln(z) - z + kLnSqrtTwoPi + series - x87::ln(shiftProduct);
}

Number inverseFactorial(Number x) {
    if (!(x >= 1)) throw EInvalidOp();
    if (std::isinf(x)) return x;
    const Number target = x87::ln(x);
    // Gamma(n + 1) rises strictly for n >= 1: bisect between 1 and past 1754.
    Number low = 1;
    Number high = kLargestFactorial + 2;
    for (int i = 0; i < 200; ++i) {
        const Number middle = low + (high - low) / 2;
        if (middle <= low || middle >= high) break;
        if (lnGamma(middle + 1) < target)
            low = middle;
        else
            high = middle;
    }
    const Number n = (target - lnGamma(low + 1) <= lnGamma(high + 1) - target) ? low : high;
    // Exact factorials come back as the integer they are the factorial of.
    const Number nearest = std::nearbyint(n);
    if (nearest <= kLargestFactorial && std::fabs(n - nearest) < 1e-9L &&
        exactFactorial(static_cast<int>(nearest)) == x)
        return nearest;
    return n;
}

}  // namespace zhcalc
