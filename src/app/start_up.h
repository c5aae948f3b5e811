#pragma once
// The steps of the program's start, from the toolkit to the shown window.

#include <functional>

class QWidget;

namespace zhcalc {

// The exit status when no display could be opened.
inline constexpr int kNoDisplayExitCode = 1;

// Runs the calculator program: the toolkit, the font configuration loaded on a
// thread of its own from the first moment, the sound service and the window, shown
// until it is closed. `beforeShow` sees the window just before it is first shown.
// Returns the event loop's exit code, or kNoDisplayExitCode (with a message on the
// standard error) when no display can be reached.
int runCalculator(int argc, char** argv,
                  const std::function<void(QWidget& window)>& beforeShow = {});

}  // namespace zhcalc
