#pragma once
// The named functions the calculator registers when its window is created.

namespace zhcalc {

// Registers the 26 functions of the calculator, in their fixed order.
void registerCalculatorFunctions();

}  // namespace zhcalc
