#pragma once
// Rows of pixels to a region: the one scan that both the buttons' outlines and the
// windows' colour keys are cut with.

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QRgb>

namespace zhcalc::controls {

enum class PixelMatch {
    KeyColour,     // the pixels whose colour is the key
    OtherColours,  // the pixels whose colour is not
};

// The pixels of `image` inside `area` (clipped to the image) that `match` the colour
// `key`, alpha ignored: every row's maximal runs, with rows of the same runs merged
// into one band. Pictures of other than 32 bits a pixel are read as RGB32.
QRegion regionOfPixels(const QImage& image, QRgb key, PixelMatch match, const QRect& area);

}  // namespace zhcalc::controls
