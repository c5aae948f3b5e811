#pragma once
// The names the program shows: the application title names the taskbar entry and
// captions every error box; the window has its own, shorter caption.

#include <QString>

namespace zhcalc {

inline QString applicationTitle() {
    return QStringLiteral("ЖЫЖ-Калькультор v 1.2.8.5");
}
inline QString calculatorWindowCaption() {
    return QStringLiteral("Калькулятор вер 1.2.8");
}

}  // namespace zhcalc
