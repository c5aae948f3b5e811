#pragma once
// Helpers for tests of the engine and of what computes with it.

#include "engine/number.h"
#include "engine/number_text.h"

namespace zhcalc::testing {

// Values the optimizer cannot see through, so every operation and fault happens at run time.
inline Number opaque(Number x) {
    volatile Number v = x;
    return v;
}

// Sets the decimal separator for one scope and puts the previous one back.
class SeparatorScope {
  public:
    explicit SeparatorScope(char separator) : saved_(decimalSeparator()) {
        setDecimalSeparator(separator);
    }
    ~SeparatorScope() { setDecimalSeparator(saved_); }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

  private:
    char saved_;
};

}  // namespace zhcalc::testing
