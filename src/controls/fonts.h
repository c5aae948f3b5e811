#pragma once
// The windows name Windows fonts. Linux has none of them, so each gets a deliberate
// stand-in from Debian's font packages (fonts-liberation2, fonts-urw-base35,
// fonts-ebgaramond, fonts-noto-extra), all of which cover Cyrillic.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include "controls/colors.h"

namespace zhcalc::controls {

// Registers the stand-ins with QFont, for text that names a Windows family itself;
// call once after the application object exists. Safe to call more than once.
void installFontSubstitutes();

// The best stand-in for a Windows family; any other family is returned as it is.
QString standInFamily(const QString& family);

// The Windows families that have a stand-in, in the table's order.
QStringList familiesWithStandIns();

enum FontStyle : unsigned {
    fsBold = 1u << 0,
    fsItalic = 1u << 1,
    fsUnderline = 1u << 2,
    fsStrikeOut = 1u << 3,
};

// A font as a window layout gives it. A negative height is the character height in
// pixels; a positive one is the cell height (character plus internal leading).
struct LayoutFont {
    QString name;
    int height = -11;
    unsigned style = 0;  // FontStyle bits
    ColorValue color = clWindowText;
};

QFont makeFont(const LayoutFont& layout);

// The font's colour, resolved against the current palette.
inline QColor fontColor(const LayoutFont& layout) {
    return resolveColor(layout.color);
}

}  // namespace zhcalc::controls
