#pragma once
// The named functions the calculator registers when its window is created.

#include <array>
#include <cstddef>
#include <string_view>

namespace zhcalc {

inline constexpr std::size_t kCalculatorFunctionCount = 26;

// Registers the 26 functions of the calculator, in their fixed order.
void registerCalculatorFunctions();

// Their names as registered, in that order (the parser reads them in any case).
std::array<std::string_view, kCalculatorFunctionCount> calculatorFunctionNames();

}  // namespace zhcalc
