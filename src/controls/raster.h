#pragma once
// Aliased raster primitives with one fixed pixel rule, so that button outlines
// come out the same on every machine and can be checked pixel by pixel.
// A pixel (x, y) belongs to a filled figure when its centre (x + 0.5, y + 0.5)
// lies inside it; lines include their first pixel and stop before their last,
// as the classic move-to/line-to drawing does.
// The fills write scan lines directly: the image must have 32 bits per pixel.

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <vector>

namespace zhcalc::controls {

// Ellipse inscribed in the box with corners (left, top) and (right, bottom).
void fillEllipse(QImage& image, QPoint topLeft, QPoint bottomRight, QRgb color);

// Rectangle with corners (left, top), (right, bottom) whose corners are quarter
// ellipses of the given width and height.
void fillRoundRect(QImage& image, QPoint topLeft, QPoint bottomRight, int cornerWidth,
                   int cornerHeight, QRgb color);

// Non-zero winding rule over pixel centres.
bool polygonContainsPixel(const std::vector<QPoint>& vertices, int x, int y);
void fillPolygon(QImage& image, const std::vector<QPoint>& vertices, QRgb color);

// Bresenham line from `from` up to, but not including, `to`.
void drawLine(QImage& image, QPoint from, QPoint to, QRgb color);

// Lines through every consecutive pair of a vertex list.
void drawPolyline(QImage& image, const std::vector<QPoint>& vertices, QRgb color);

}  // namespace zhcalc::controls
