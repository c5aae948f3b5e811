#pragma once
// The calculator window as a screen reader sees it: a frame named by its caption,
// the display read-only text named by its hint that stands for the window's own
// keyboard focus, the image keys named by their hints, each switch named for its
// register, the mail line a link. Names come from the layout and key tables.

#include <QString>

namespace zhcalc {

class CalculatorWindow;

// Installs the interfaces and names the controls of `window`. Costs nothing more
// while no assistive technology listens.
void makeAccessible(CalculatorWindow& window);

// The name a switch is given: "Регистр N".
QString switchAccessibleName(int registerNumber);

}  // namespace zhcalc
