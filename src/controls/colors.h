#pragma once
// Colour values as the windows' layouts give them: a red, green, blue triple with
// red in the low byte, or (top byte 0xFF) the index of a system colour that
// follows the desktop's palette when drawn.

#include <QColor>
#include <cstdint>

namespace zhcalc::controls {

using ColorValue = std::uint32_t;

constexpr ColorValue rgbValue(int r, int g, int b) {
    return static_cast<ColorValue>(r) | (static_cast<ColorValue>(g) << 8) |
           (static_cast<ColorValue>(b) << 16);
}
constexpr ColorValue systemColor(int index) {
    return 0xFF000000u | static_cast<ColorValue>(index);
}
constexpr bool isSystemColor(ColorValue c) {
    return (c & 0xFF000000u) == 0xFF000000u;
}

// Fixed colours.
inline constexpr ColorValue clBlack = rgbValue(0, 0, 0);
inline constexpr ColorValue clMaroon = rgbValue(128, 0, 0);
inline constexpr ColorValue clGreen = rgbValue(0, 128, 0);
inline constexpr ColorValue clOlive = rgbValue(128, 128, 0);
inline constexpr ColorValue clNavy = rgbValue(0, 0, 128);
inline constexpr ColorValue clPurple = rgbValue(128, 0, 128);
inline constexpr ColorValue clTeal = rgbValue(0, 128, 128);
inline constexpr ColorValue clGray = rgbValue(128, 128, 128);
inline constexpr ColorValue clSilver = rgbValue(192, 192, 192);
inline constexpr ColorValue clRed = rgbValue(255, 0, 0);
inline constexpr ColorValue clLime = rgbValue(0, 255, 0);
inline constexpr ColorValue clYellow = rgbValue(255, 255, 0);
inline constexpr ColorValue clBlue = rgbValue(0, 0, 255);
inline constexpr ColorValue clFuchsia = rgbValue(255, 0, 255);
inline constexpr ColorValue clAqua = rgbValue(0, 255, 255);
inline constexpr ColorValue clWhite = rgbValue(255, 255, 255);
inline constexpr ColorValue clMedGray = rgbValue(160, 160, 164);
inline constexpr ColorValue clNone = 0x1FFFFFFFu;

// System colours (the desktop's scheme), by their platform index.
inline constexpr ColorValue clBackground = systemColor(1);
inline constexpr ColorValue clMenu = systemColor(4);
inline constexpr ColorValue clWindow = systemColor(5);
inline constexpr ColorValue clWindowFrame = systemColor(6);
inline constexpr ColorValue clMenuText = systemColor(7);
inline constexpr ColorValue clWindowText = systemColor(8);
inline constexpr ColorValue clHighlight = systemColor(13);
inline constexpr ColorValue clHighlightText = systemColor(14);
inline constexpr ColorValue clBtnFace = systemColor(15);
inline constexpr ColorValue clBtnShadow = systemColor(16);
inline constexpr ColorValue clGrayText = systemColor(17);
inline constexpr ColorValue clBtnText = systemColor(18);
inline constexpr ColorValue clBtnHighlight = systemColor(20);
inline constexpr ColorValue cl3DDkShadow = systemColor(21);
inline constexpr ColorValue cl3DLight = systemColor(22);
inline constexpr ColorValue clInfoText = systemColor(23);
inline constexpr ColorValue clInfoBk = systemColor(24);
inline constexpr ColorValue clHotLight = systemColor(26);
inline constexpr ColorValue clMenuBar = systemColor(30);

// The colour to draw with: a triple as it stands, a system colour from the
// application's current palette. clNone resolves to transparent.
QColor resolveColor(ColorValue value);

// The colour value of a drawn colour, for comparing pixels with layout values.
constexpr ColorValue toColorValue(QRgb rgb) {
    return rgbValue(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

}  // namespace zhcalc::controls
