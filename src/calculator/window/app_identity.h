#pragma once
// The names the program shows (the application title names the taskbar entry and
// captions every error box; the window has its own, shorter caption), and the steps
// of the program's start.

#include <QString>
#include <functional>

class QWidget;

namespace zhcalc {

inline QString applicationTitle() {
    return QStringLiteral("ЖЫЖ-Калькультор v 1.2.8.5");
}
inline QString calculatorWindowCaption() {
    return QStringLiteral("Калькулятор вер 1.2.8");
}

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
