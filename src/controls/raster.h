#pragma once
// Aliased raster primitives with fixed pixel rules, so that button outlines come
// out the same on every machine and can be checked pixel by pixel.
// A pixel (x, y) belongs to a filled ellipse or rounded rectangle when its centre
// (x + 0.5, y + 0.5) lies inside it. Polygon vertices name pixels, as the lines
// between them do, so a polygon is sampled at the pixel's own point (x, y), points
// on its left and top edges inside, on its right and bottom edges outside: the fill
// then meets its outline exactly, never a pixel beyond it or short of it.
// Lines include their first pixel and stop before their last, as the classic
// move-to/line-to drawing does.
// The fills write scan lines directly: the image must have 32 bits per pixel.

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <cstdlib>
#include <vector>

namespace zhcalc::controls {

// Ellipse inscribed in the box with corners (left, top) and (right, bottom).
void fillEllipse(QImage& image, QPoint topLeft, QPoint bottomRight, QRgb color);

// Rectangle with corners (left, top), (right, bottom) whose corners are quarter
// ellipses of the given width and height.
void fillRoundRect(QImage& image, QPoint topLeft, QPoint bottomRight, int cornerWidth,
                   int cornerHeight, QRgb color);

// Non-zero winding rule at the pixel's point.
bool polygonContainsPixel(const std::vector<QPoint>& vertices, int x, int y);
void fillPolygon(QImage& image, const std::vector<QPoint>& vertices, QRgb color);

// The pixels of the Bresenham line from `from` up to, but not including, `to`.
template <class Plot>
void traceLine(QPoint from, QPoint to, Plot plot) {
    int x = from.x();
    int y = from.y();
    const int dx = std::abs(to.x() - x);
    const int dy = -std::abs(to.y() - y);
    const int stepX = x < to.x() ? 1 : -1;
    const int stepY = y < to.y() ? 1 : -1;
    int error = dx + dy;
    while (x != to.x() || y != to.y()) {
        plot(x, y);
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

// That line in `color`, where it falls inside the image.
void drawLine(QImage& image, QPoint from, QPoint to, QRgb color);

// Lines through every consecutive pair of a vertex list.
void drawPolyline(QImage& image, const std::vector<QPoint>& vertices, QRgb color);

}  // namespace zhcalc::controls
