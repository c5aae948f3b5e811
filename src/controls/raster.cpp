#include "controls/raster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zhcalc::controls {

namespace {

void setPixelIfInside(QImage& image, int x, int y, QRgb color) {
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height()) image.setPixel(x, y, color);
}

// Whether a centre point lies inside the ellipse with the given centre and radii.
bool insideEllipse(double px, double py, double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0) return false;
    const double dx = (px - cx) / rx;
    const double dy = (py - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// The value QImage::setPixel would store for `color` in a 32-bit image.
QRgb storedPixel(const QImage& image, QRgb color) {
    return image.format() == QImage::Format_RGB32 ? color | 0xFF000000u : color;
}

}  // namespace

void fillEllipse(QImage& image, QPoint topLeft, QPoint bottomRight, QRgb color) {
    fillRoundRect(image, topLeft, bottomRight, bottomRight.x() - topLeft.x(),
                  bottomRight.y() - topLeft.y(), color);
}

void fillRoundRect(QImage& image, QPoint topLeft, QPoint bottomRight, int cornerWidth,
                   int cornerHeight, QRgb color) {
    const double left = topLeft.x();
    const double top = topLeft.y();
    const double right = bottomRight.x();
    const double bottom = bottomRight.y();
    if (right <= left || bottom <= top) return;
    const double rx = std::clamp(cornerWidth / 2.0, 0.0, (right - left) / 2.0);
    const double ry = std::clamp(cornerHeight / 2.0, 0.0, (bottom - top) / 2.0);
    const int x0 = std::max(0, topLeft.x());
    const int y0 = std::max(0, topLeft.y());
    const int x1 = std::min(image.width() - 1, bottomRight.x());
    const int y1 = std::min(image.height() - 1, bottomRight.y());
    const QRgb pixel = storedPixel(image, color);
    for (int y = y0; y <= y1; ++y) {
        const double py = y + 0.5;
        if (py > bottom) continue;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5;
            if (px > right) continue;
            // Outside the four corner boxes the figure is the plain rectangle.
            const bool leftCorner = px < left + rx;
            const bool rightCorner = px > right - rx;
            const bool topCorner = py < top + ry;
            const bool bottomCorner = py > bottom - ry;
            if ((leftCorner || rightCorner) && (topCorner || bottomCorner)) {
                const double cx = leftCorner ? left + rx : right - rx;
                const double cy = topCorner ? top + ry : bottom - ry;
                if (!insideEllipse(px, py, cx, cy, rx, ry)) continue;
            }
            line[x] = pixel;
        }
    }
}

bool polygonContainsPixel(const std::vector<QPoint>& vertices, int x, int y) {
    int winding = 0;
    const size_t n = vertices.size();
    for (size_t i = 0; i < n; ++i) {
        const QPoint a = vertices[i];
        const QPoint b = vertices[(i + 1) % n];
        const long long side = static_cast<long long>(b.x() - a.x()) * (y - a.y()) -
                               static_cast<long long>(x - a.x()) * (b.y() - a.y());
        if (a.y() <= y) {
            if (b.y() > y && side > 0) ++winding;
        } else if (b.y() <= y && side < 0) {
            --winding;
        }
    }
    return winding != 0;
}

namespace {

// Where a polygon edge crosses the row y: the first pixel that is not on the
// counting side of the edge (the one polygonContainsPixel tests). Every pixel left
// of it gets the edge's winding.
struct Crossing {
    int firstOutside;
    int winding;
};

// The cross product polygonContainsPixel computes, signed so that it is positive on
// the side that counts.
long long countingSide(QPoint a, QPoint b, int x, int y) {
    const long long dx = b.x() - a.x();
    const long long dy = b.y() - a.y();
    const long long side = dx * (y - a.y()) - (x - a.x()) * dy;
    return dy > 0 ? side : -side;
}

std::vector<Crossing> rowCrossings(const std::vector<QPoint>& vertices, int y) {
    std::vector<Crossing> crossings;
    const size_t n = vertices.size();
    for (size_t i = 0; i < n; ++i) {
        const QPoint a = vertices[i];
        const QPoint b = vertices[(i + 1) % n];
        const bool upward = a.y() <= y && b.y() > y;
        const bool downward = a.y() > y && b.y() <= y;
        if (!upward && !downward) continue;
        // Start from the rounded intersection, then settle on the exact pixel.
        const double t = double(y - a.y()) / (b.y() - a.y());
        int x = static_cast<int>(std::floor(a.x() + t * (b.x() - a.x())));
        while (countingSide(a, b, x, y) <= 0)
            --x;
        while (countingSide(a, b, x, y) > 0)
            ++x;
        crossings.push_back({x, upward ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& r) { return l.firstOutside < r.firstOutside; });
    return crossings;
}

void fillSpan(QRgb* line, int from, int to, int width, QRgb color) {
    from = std::max(from, 0);
    to = std::min(to, width);
    if (from < to) std::fill(line + from, line + to, color);
}

}  // namespace

void fillPolygon(QImage& image, const std::vector<QPoint>& vertices, QRgb color) {
    if (vertices.size() < 3) return;
    const QRgb pixel = storedPixel(image, color);
    for (int y = 0; y < image.height(); ++y) {
        const std::vector<Crossing> crossings = rowCrossings(vertices, y);
        if (crossings.empty()) continue;
        // Left of every crossing the winding is the sum of all of them; passing a
        // crossing drops its share.
        int winding = 0;
        for (const Crossing& c : crossings)
            winding += c.winding;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        int spanStart = std::numeric_limits<int>::min() / 2;
        for (const Crossing& c : crossings) {
            if (winding != 0) fillSpan(line, spanStart, c.firstOutside, image.width(), pixel);
            winding -= c.winding;
            spanStart = c.firstOutside;
        }
    }
}

void drawLine(QImage& image, QPoint from, QPoint to, QRgb color) {
    traceLine(from, to, [&](int x, int y) { setPixelIfInside(image, x, y, color); });
}

void drawPolyline(QImage& image, const std::vector<QPoint>& vertices, QRgb color) {
    for (size_t i = 0; i + 1 < vertices.size(); ++i)
        drawLine(image, vertices[i], vertices[i + 1], color);
}

}  // namespace zhcalc::controls
