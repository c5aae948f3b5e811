#pragma once
// The calculator's number: the x87 80-bit extended value.

#include <cfloat>

namespace zhcalc {

using Number = long double;

static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384,
              "zhcalc needs long double to be the x87 80-bit extended format");

}  // namespace zhcalc
