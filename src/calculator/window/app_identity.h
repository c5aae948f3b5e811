#pragma once
// The names the program shows: the application title names the taskbar entry and
// captions every error box; the window has its own, shorter caption.

#include <QString>

namespace zhcalc::platform {
class FontconfigPreload;
}

namespace zhcalc {

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

}  // namespace zhcalc
