#pragma once
// Pixel rules shared by the shaped and the image buttons: the key colour that marks
// the outside of a face, the region made of the face's other pixels, and the two
// ways of shading a face's edge (along a polygon, or by scanning the pixels).

#include <QImage>
#include <QRegion>
#include <QRgb>
#include <vector>

#include "controls/pixel_region.h"

namespace zhcalc::controls {

// How a button's edge is drawn: ssHighlight shades it, ssFlat only while the
// pointer is over the button, ssNormal and ssRaised lay the face on the shadow colour.
enum class ShadeStyle { ssNormal, ssRaised, ssHighlight, ssFlat };

// The five edge colours, resolved to pixels.
struct BevelColors {
    QRgb highlight;  // outermost light edge of an up button
    QRgb light3D;    // inner light edge
    QRgb shadow;     // inner dark edge
    QRgb black;      // outermost dark edge
    QRgb focus;      // outline of a focused polygon button
    bool operator==(const BevelColors&) const = default;
};

inline constexpr QRgb kPureRed = 0xFFFF0000u;
inline constexpr QRgb kPureBlue = 0xFF0000FFu;

// Whether two pixels have the same red, green and blue (alpha is ignored).
constexpr bool sameRgb(QRgb a, QRgb b) {
    return ((a ^ b) & 0x00FFFFFFu) == 0;
}

// The colour that fills everything outside the shape: pure red, or pure blue when
// the face itself is pure red, so that the shape can always be told apart.
constexpr QRgb keyColorFor(QRgb face) {
    return sameRgb(face, kPureRed) ? kPureBlue : kPureRed;
}

// Whether this display shows RGB(192, 192, 192) with a channel above 199; probed
// once per run on a 1 x 1 picture.
bool displayBrightensGrey();

// The face colour to paint with. On a display that brightens grey, each non-zero
// channel that is a multiple of 8 is lowered by one, so that the face never
// collides with the key colour after the display's rounding.
QRgb faceColorFor(QRgb color, bool brightensGrey);

// The pixels that differ from `key`: every row's maximal runs, united. Rows with
// the same runs are merged into one band.
inline QRegion regionFromPixels(const QImage& image, QRgb key) {
    return regionOfPixels(image, key, PixelMatch::OtherColours, image.rect());
}

// Two-pixel bevel found by scanning every down-right diagonal for runs of non-key
// pixels: light at each run's upper-left end and dark at its lower-right end (the
// other way round when down). A focused face also gets black run ends. Only the
// non-key pixels change.
void drawPixelScanBevel(QImage& image, QRgb key, bool down, bool focused,
                        const BevelColors& colors);

// Shaded outline of a polygon drawn on its outlined figure: two lines along each
// edge, on the outline and one pixel inside (one and two pixels inside when
// focused), light on the edges that face up or left and dark on the others
// (swapped when down), and the focus colour on the outline when focused. Only the
// figure's pixels (those not `key`) change. `closed` repeats its first vertex.
void drawPolygonEdges(QImage& image, const std::vector<QPoint>& closed, QRgb key, bool down,
                      bool focused, const BevelColors& colors);

}  // namespace zhcalc::controls
