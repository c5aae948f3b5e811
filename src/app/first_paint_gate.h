#pragma once
// Lets start-up work that runs on another thread finish as late as possible: just
// before a window's first paint, which is where the program first needs it.

#include <functional>

class QWidget;

namespace zhcalc {

// Calls `wait` once, right before `window` paints for the first time.
void waitBeforeFirstPaint(QWidget& window, std::function<void()> wait);

}  // namespace zhcalc
