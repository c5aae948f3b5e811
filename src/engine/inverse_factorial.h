#pragma once
// The inverse of the factorial over the reals: the n >= 1 with Gamma(n + 1) = x.

#include "engine/number.h"

namespace zhcalc {

// ln Gamma(z) for z >= 1, accurate to a few units in the last place of a long double.
Number lnGamma(Number z);

// For x >= 1 the real n >= 1 with Gamma(n + 1) = x; an integer n whenever x is
// exactly the factorial n! of 80-bit arithmetic. Below 1 (and NaN): EInvalidOp.
// Infinity gives infinity.
Number inverseFactorial(Number x);

}  // namespace zhcalc
