#pragma once
// The names the program shows (the application title names the taskbar entry and
// captions every error box; the window has its own, shorter caption), and the steps
// of the program's start.

#include <QString>
#include <memory>

namespace zhcalc::platform {
class FontconfigPreload;
}

namespace zhcalc {

class CalculatorWindow;
class SoundService;

inline QString applicationTitle() {
    return QStringLiteral("ЖЫЖ-Калькультор v 1.2.8.5");
}
inline QString calculatorWindowCaption() {
    return QStringLiteral("Калькулятор вер 1.2.8");
}

// Names the program to the desktop, installs the font stand-ins and lets `fonts`
// go on to read the toolkit's font list on its own thread: the steps between
// creating the QApplication and creating the calculator window.
void prepareApplication(platform::FontconfigPreload& fonts);

// The calculator window, not yet shown. Its keys' text is drawn once `fonts` is
// ready, and its first paint waits for `fonts` to finish.
std::unique_ptr<CalculatorWindow> makeCalculatorWindow(SoundService& sound,
                                                       platform::FontconfigPreload& fonts);

}  // namespace zhcalc
