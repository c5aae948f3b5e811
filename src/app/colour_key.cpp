#include "app/colour_key.h"

#include <cmath>
#include <vector>

namespace zhcalc {
namespace {

constexpr QRgb kColourBits = 0x00FFFFFFu;

}  // namespace

QRegion regionOfColor(const QImage& picture, QRgb key, const QRect& area) {
    const QImage image = picture.format() == QImage::Format_RGB32 ||
                                 picture.format() == QImage::Format_ARGB32 ||
                                 picture.format() == QImage::Format_ARGB32_Premultiplied
                             ? picture
                             : picture.convertToFormat(QImage::Format_RGB32);
    const QRect scan = area & image.rect();
    const QRgb colour = key & kColourBits;
    // One rectangle per run, in the row order that QRegion::setRects takes.
    std::vector<QRect> runs;
    for (int y = scan.top(); y <= scan.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = scan.left();
        const int end = scan.right() + 1;
        while (x < end) {
            while (x < end && (row[x] & kColourBits) != colour)
                ++x;
            const int start = x;
            while (x < end && (row[x] & kColourBits) == colour)
                ++x;
            if (x > start) runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
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
