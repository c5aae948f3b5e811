#include "engine/x87_math.h"

#include <cmath>

namespace zhcalc::x87 {

namespace {

Number checked(fpu::Result r) {
    fpu::check(r.status);
    return r.value;
}

}  // namespace

namespace {

// 2^t as FSCALE(F2XM1(t - n) + 1, n) with n = FRNDINT(t), in one statement so the
// status word is read once. Within it only the rounding and the subtraction can be
// invalid and only the scaling can overflow, so the flag left behind names the
// first fault. `clearFirst` clears the flags before the sequence.
// 2^t as n = round(t), 2^(t - n) - 1 by F2XM1, plus 1, scaled by 2^n with FSCALE.
#define ZHCALC_POWER_OF_TWO_SEQUENCE \
    "fld %%st(0)\n\t"                \
    "frndint\n\t"                    \
    "fxch %%st(1)\n\t"               \
    "fsub %%st(1), %%st\n\t"         \
    "f2xm1\n\t"                      \
    "fld1\n\t"                       \
    "faddp\n\t"                      \
    "fscale\n\t"                     \
    "fstp %%st(1)\n\t"               \
    "fnstsw %1"

fpu::Result powerOfTwo(Number t, bool clearFirst) {
    fpu::Result r;
    if (clearFirst) {
        asm volatile("fnclex\n\t" ZHCALC_POWER_OF_TWO_SEQUENCE
                     : "=t"(r.value), "=a"(r.status)
                     : "0"(t));
    } else {
        asm volatile(ZHCALC_POWER_OF_TWO_SEQUENCE : "=t"(r.value), "=a"(r.status) : "0"(t));
    }
    return r;
}

#undef ZHCALC_POWER_OF_TWO_SEQUENCE

}  // namespace

Number exp(Number x) {
    const Number t = fpu::mul(x, kLog2E);
    // Trapped flags may be left over from earlier work: only then clear and repeat.
    fpu::Result r = powerOfTwo(t, false);
    if (r.status & fpu::kTrapped) [[unlikely]]
        r = powerOfTwo(t, true);
    return checked(r);
}

Number eulerE() {
    static const Number e = exp(1);
    return e;
}

Number ln(Number x) {
    return checked(fpu::fyl2x(kLn2, x));
}

Number log2(Number x) {
    return checked(fpu::fyl2x(1, x));
}

Number log10(Number x) {
    return checked(fpu::fyl2x(kLog10Of2, x));
}

Number arctan(Number x) {
    return checked(fpu::fpatan(x, 1));
}

Number frac(Number x) {
    return fpu::sub(x, std::trunc(x));
}

Number intPower(Number base, std::int64_t n) {
    Number result = 1;
    Number square = base;
    std::uint64_t m = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    while (m != 0) {
        if (m & 1) result = fpu::mul(result, square);
        m >>= 1;
        if (m != 0) square = fpu::mul(square, square);
    }
    return n < 0 ? fpu::div(1, result) : result;
}

Number power(Number base, Number exponent) {
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;
    if (frac(exponent) == 0 && std::fabs(exponent) <= 2147483647)
        return intPower(base, static_cast<std::int64_t>(exponent));
    return exp(fpu::mul(exponent, ln(base)));
}

}  // namespace zhcalc::x87
