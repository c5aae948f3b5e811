#pragma once
// The window's colour key: pixels of exactly the key colour are holes through
// which the desktop shows. The mask is the region of every other pixel.

#include <QImage>
#include <QRegion>
#include <QRgb>

class QWidget;

namespace zhcalc {

// The region of the pixels of `picture` whose colour (alpha ignored) is not `key`,
// built from the row runs.
QRegion regionWithoutColor(const QImage& picture, QRgb key);

// Whether this platform can give a top-level window a mask (X11 can; the
// offscreen platform cannot).
bool windowMasksSupported();

// Where the window's picture for the colour key comes from.
enum class PictureSource {
    Rendered,   // the window drawn anew: always current
    LastPaint,  // what the last paint left in the window's backing store: free, and
                // current only when nothing has changed since that paint
};

// Sets the mask of `window` to the pixels of its picture that are not `key`; with
// no hole at all the mask is cleared. Does nothing where masks are unsupported.
void applyColourKey(QWidget& window, QRgb key, PictureSource source = PictureSource::Rendered);

}  // namespace zhcalc
