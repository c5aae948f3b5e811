#pragma once
// The window's colour key: pixels of exactly the key colour are holes through
// which the desktop shows. Everything here works on the window's picture in device
// pixels (the backing store at the screen's scale), where a hole can be a single
// device pixel that no logical coordinate names.

#include <QImage>
#include <QRegion>
#include <QRgb>

namespace zhcalc {

// The region of the pixels of `picture` whose colour (alpha ignored) is `key`,
// looking only inside `area` (clipped to the picture).
QRegion regionOfColor(const QImage& picture, QRgb key, const QRect& area);

// The holes of `picture` after the pixels under `damaged` were painted anew: the
// key-coloured pixels inside `damaged`, and outside it the `holes` as they were.
// Equals regionOfColor over the whole picture when nothing outside `damaged` changed.
struct Recut {
    QRegion holes;
    bool changed = false;  // whether they differ from the holes before
};
Recut recutHoles(const QRegion& holes, const QImage& picture, QRgb key, const QRegion& damaged);

// The device pixels that painting the logical region `logical` can reach at the
// device pixel ratio `dpr`: every rectangle scaled and widened to whole pixels, with
// one pixel more on each side for the rounding of clip rectangles.
QRegion deviceRegion(const QRegion& logical, qreal dpr);

}  // namespace zhcalc
