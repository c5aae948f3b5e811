#include "controls/colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace zhcalc::controls {

namespace {

QColor fromTriple(ColorValue v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

// The desktop's scheme comes from the application palette; the few system colours
// a palette has no role for keep the platform's classic values.
QColor systemColorFromPalette(int index) {
    const QPalette p = QGuiApplication::palette();
    switch (index) {
        case 1:
            return QColor(58, 110, 165);  // desktop background
        case 4:
        case 30:
            return p.color(QPalette::Window);
        case 5:
            return p.color(QPalette::Base);
        case 6:
            return QColor(0, 0, 0);  // window frame
        case 7:
        case 8:
            return p.color(QPalette::WindowText);
        case 13:
            return p.color(QPalette::Highlight);
        case 14:
            return p.color(QPalette::HighlightedText);
        case 15:
            return p.color(QPalette::Button);
        case 16:
            return p.color(QPalette::Dark);
        case 17:
            return p.color(QPalette::Disabled, QPalette::Text);
        case 18:
            return p.color(QPalette::ButtonText);
        case 20:
            return p.color(QPalette::Light);
        case 21:
            return p.color(QPalette::Shadow);
        case 22:
            return p.color(QPalette::Midlight);
        case 23:
            return p.color(QPalette::ToolTipText);
        case 24:
            return p.color(QPalette::ToolTipBase);
        case 26:
            return p.color(QPalette::Link);
        default:
            return p.color(QPalette::Button);
    }
}

}  // namespace

QColor resolveColor(ColorValue value) {
    if (value == clNone) return Qt::transparent;
    if (isSystemColor(value)) return systemColorFromPalette(static_cast<int>(value & 0xFF));
    return fromTriple(value);
}

}  // namespace zhcalc::controls
