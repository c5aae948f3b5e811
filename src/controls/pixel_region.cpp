#include "controls/pixel_region.h"

#include <utility>
#include <vector>

namespace zhcalc::controls {
namespace {

constexpr QRgb kColourBits = 0x00FFFFFFu;

bool isThirtyTwoBit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

QRegion regionOfPixels(const QImage& picture, QRgb key, PixelMatch match, const QRect& area) {
    const QImage image =
        isThirtyTwoBit(picture.format()) ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const QRect scan = area & image.rect();
    const QRgb colour = key & kColourBits;
    const bool wantKey = match == PixelMatch::KeyColour;
    const auto matches = [&](QRgb pixel) { return ((pixel & kColourBits) == colour) == wantKey; };

    // Rectangles in the row order that QRegion::setRects takes.
    std::vector<QRect> rects;
    std::size_t bandStart = 0;  // first rectangle of the band the next row may extend
    std::vector<std::pair<int, int>> rowRuns;
    const auto sameAsBand = [&] {
        if (rects.size() - bandStart != rowRuns.size()) return false;
        for (std::size_t i = 0; i < rowRuns.size(); ++i) {
            const QRect& r = rects[bandStart + i];
            if (r.left() != rowRuns[i].first || r.right() + 1 != rowRuns[i].second) return false;
        }
        return true;
    };
    const int end = scan.right() + 1;
    for (int y = scan.top(); y <= scan.bottom(); ++y) {
        rowRuns.clear();
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = scan.left(); x < end;) {
            if (!matches(row[x])) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < end && matches(row[x]))
                ++x;
            rowRuns.emplace_back(start, x);
        }
        if (!rowRuns.empty() && sameAsBand() && rects.back().bottom() == y - 1) {
            for (std::size_t i = bandStart; i < rects.size(); ++i)
                rects[i].setBottom(y);
            continue;
        }
        bandStart = rects.size();
        for (const auto& [x0, x1] : rowRuns)
            rects.emplace_back(QPoint(x0, y), QPoint(x1 - 1, y));
    }
    QRegion region;
    if (!rects.empty()) region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

}  // namespace zhcalc::controls
