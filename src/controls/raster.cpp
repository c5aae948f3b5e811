#include "controls/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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
    for (int y = y0; y <= y1; ++y) {
        const double py = y + 0.5;
        if (py > bottom) continue;
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
            image.setPixel(x, y, color);
        }
    }
}

bool polygonContainsPixel(const std::vector<QPoint>& vertices, int x, int y) {
    const double px = x + 0.5;
    const double py = y + 0.5;
    int winding = 0;
    const size_t n = vertices.size();
    for (size_t i = 0; i < n; ++i) {
        const QPoint a = vertices[i];
        const QPoint b = vertices[(i + 1) % n];
        const double side =
            double(b.x() - a.x()) * (py - a.y()) - (px - a.x()) * double(b.y() - a.y());
        if (a.y() <= py) {
            if (b.y() > py && side > 0) ++winding;
        } else if (b.y() <= py && side < 0) {
            --winding;
        }
    }
    return winding != 0;
}

void fillPolygon(QImage& image, const std::vector<QPoint>& vertices, QRgb color) {
    if (vertices.size() < 3) return;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (polygonContainsPixel(vertices, x, y)) image.setPixel(x, y, color);
}

void drawLine(QImage& image, QPoint from, QPoint to, QRgb color) {
    int x = from.x();
    int y = from.y();
    const int dx = std::abs(to.x() - x);
    const int dy = -std::abs(to.y() - y);
    const int stepX = x < to.x() ? 1 : -1;
    const int stepY = y < to.y() ? 1 : -1;
    int error = dx + dy;
    while (x != to.x() || y != to.y()) {
        setPixelIfInside(image, x, y, color);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void drawPolyline(QImage& image, const std::vector<QPoint>& vertices, QRgb color) {
    for (size_t i = 0; i + 1 < vertices.size(); ++i)
        drawLine(image, vertices[i], vertices[i + 1], color);
}

}  // namespace zhcalc::controls
