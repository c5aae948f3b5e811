#pragma once
// The pixel work of the two-state switch: where the picture goes, how its
// background colour is replaced, and the engraved picture of a disabled switch.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace zhcalc::controls {

enum class TextPosition { tpNone, tpLeft, tpRight, tpAbove, tpBelow };

struct SwitchLayout {
    QPoint picture;  // top-left corner of the picture
    QRect textArea;  // the client rectangle less the picture's strip
};

// Centres the picture in the client rectangle, or pushes it to the side opposite the
// caption. Halves truncate toward zero, so a picture larger than the client is
// clipped equally on both sides.
SwitchLayout switchLayout(const QRect& client, QSize picture, TextPosition position);

// The text area narrowed to one line of `lineHeight`, centred (rounding down).
QRect switchTextLine(const QRect& textArea, int lineHeight);

// The picture on a background of `background`: every pixel in the picture's
// transparent colour (the colour of its lower-left pixel) becomes `background`.
QImage replaceTransparentColor(const QImage& picture, QColor background);

// The engraved look of a disabled picture: its dark pixels drawn in `shadow` with a
// `highlight` copy one pixel right and down, on the picture's transparent colour.
QImage disabledPicture(const QImage& picture, QColor highlight, QColor shadow);

}  // namespace zhcalc::controls
