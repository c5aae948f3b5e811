#include "engine/x87_math.h"

#include <cmath>

namespace zhcalc::x87 {

namespace {

Number checked(fpu::Result r) {
    fpu::check(r.status);
    return r.value;
}

}  // namespace

Number exp(Number x) {
    const Number t = fpu::mul(x, kLog2E);
    const Number n = checked(fpu::frndint(t));
    const Number fraction = fpu::sub(t, n);
    const Number twoToFraction = fpu::add(checked(fpu::f2xm1(fraction)), 1);
    return checked(fpu::fscale(twoToFraction, n));
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
