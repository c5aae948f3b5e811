#pragma once
// Helpers for tests of the engine and of what computes with it.

#include <ostream>

#include "engine/decimal_separator.h"
#include "engine/number.h"

namespace zhcalc {

// Readable failure messages.
inline void PrintTo(DecimalSeparator separator, std::ostream* os) {
    *os << '\'' << separator.character() << '\'';
}

namespace testing {

inline constexpr DecimalSeparator kComma(',');
inline constexpr DecimalSeparator kPoint('.');

// Values the optimizer cannot see through, so every operation and fault happens at run time.
inline Number opaque(Number x) {
    volatile Number v = x;
    return v;
}

}  // namespace testing
}  // namespace zhcalc
