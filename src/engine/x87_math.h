#pragma once
// Checked elementary functions built from the x87 instructions, shared by the
// parser's built-ins and the registered function library. Every routine raises
// EInvalidOp, EZeroDivide or EOverflow where the x87 would trap.

#include <cstdint>

#include "engine/fpu.h"
#include "engine/number.h"

namespace zhcalc::x87 {

// The processor's own constants (FLDPI, FLDLN2, FLDL2E, FLDLG2) and pi / 2.
inline constexpr Number kPi = fpu::fromBits(0x4000, 0xC90FDAA22168C235);
inline constexpr Number kHalfPi = fpu::fromBits(0x3FFF, 0xC90FDAA22168C235);
inline constexpr Number kLn2 = fpu::fromBits(0x3FFE, 0xB17217F7D1CF79AC);
inline constexpr Number kLog2E = fpu::fromBits(0x3FFF, 0xB8AA3B295C17F0BC);
inline constexpr Number kLog10Of2 = fpu::fromBits(0x3FFD, 0x9A209A84FBCFF799);

// e^x as 2^t with t = x * log2 e: 2^(t - round(t)) by F2XM1, scaled by FSCALE.
Number exp(Number x);

// The constant E: exp(1) by the method above.
Number eulerE();

// Logarithms through FYL2X: a zero argument divides by zero, a negative one is invalid.
Number ln(Number x);
Number log2(Number x);
Number log10(Number x);

// arctan x through FPATAN.
Number arctan(Number x);

// x - trunc(x); infinity is an invalid operation.
Number frac(Number x);

// r := 1; repeated squaring of the base over the bits of |n|; 1 / r for negative n.
Number intPower(Number base, std::int64_t n);

// base^exponent: 1 for a zero exponent, 0 for a zero base and a positive exponent,
// intPower for integral exponents within 32 bits, e^(exponent * ln base) otherwise.
Number power(Number base, Number exponent);

}  // namespace zhcalc::x87
