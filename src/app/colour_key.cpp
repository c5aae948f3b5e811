#include "app/colour_key.h"

#include <cmath>

#include "controls/pixel_region.h"

namespace zhcalc {

QRegion regionOfColor(const QImage& picture, QRgb key, const QRect& area) {
    return controls::regionOfPixels(picture, key, controls::PixelMatch::KeyColour, area);
}

Recut recutHoles(const QRegion& holes, const QImage& picture, QRgb key, const QRegion& damaged) {
    const QRegion repainted = damaged & picture.rect();
    QRegion found;
    for (const QRect& rect : repainted)
        found |= regionOfColor(picture, key, rect);
    // Outside the repainted area nothing can have changed: compare only inside it.
    if (((holes & repainted) ^ found).isEmpty()) return {holes, false};
    return {(holes - repainted) | found, true};
}

QRegion deviceRegion(const QRegion& logical, qreal dpr) {
    QRegion device;
    for (const QRect& rect : logical) {
        const int left = static_cast<int>(std::floor(rect.left() * dpr)) - 1;
        const int top = static_cast<int>(std::floor(rect.top() * dpr)) - 1;
        const int right = static_cast<int>(std::ceil((rect.right() + 1) * dpr)) + 1;
        const int bottom = static_cast<int>(std::ceil((rect.bottom() + 1) * dpr)) + 1;
        device |= QRect(left, top, right - left, bottom - top);
    }
    return device;
}

}  // namespace zhcalc
