#include "controls/raster.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zhcalc::controls {
namespace {

constexpr QRgb kBackground = 0xFF102030u;
constexpr QRgb kInk = 0xFFC0C0C0u;

// The filled image must hold ink exactly where the per-pixel winding test says so.
void expectFillMatchesPixelRule(const std::vector<QPoint>& vertices, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kBackground);
    fillPolygon(image, vertices, kInk);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), polygonContainsPixel(vertices, x, y) ? kInk : kBackground)
                << "pixel " << x << "," << y << " of a polygon with " << vertices.size()
                << " vertices";
}

TEST(FillPolygonTest, MatchesThePixelRuleOnKeyShapes) {
    const std::vector<std::vector<QPoint>> shapes = {
        {{0, 0}, {74, 0}, {74, 24}, {0, 24}},                     // rectangle
        {{18, 0}, {37, 12}, {18, 24}, {0, 12}},                   // diamond
        {{0, 24}, {10, 0}, {64, 0}, {74, 24}},                    // trapezoid
        {{0, 0}, {74, 12}, {0, 24}},                              // arrow
        {{37, 0}, {46, 18}, {30, 7}, {44, 7}, {28, 18}},          // self-crossing star
        {{-5, -3}, {90, 2}, {60, 40}, {10, 31}},                  // reaching past the image
        {{5, 5}, {5, 20}, {30, 20}, {30, 5}, {20, 5}, {20, 12}},  // clockwise, with a notch
    };
    for (const auto& shape : shapes)
        expectFillMatchesPixelRule(shape, QSize(75, 25));
}

TEST(FillPolygonTest, MatchesThePixelRuleOnRandomPolygons) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> coordinate(-8, 48);
    std::uniform_int_distribution<int> count(3, 9);
    for (int round = 0; round < 200; ++round) {
        std::vector<QPoint> vertices(count(random));
        for (QPoint& p : vertices)
            p = QPoint(coordinate(random), coordinate(random));
        expectFillMatchesPixelRule(vertices, QSize(41, 37));
    }
}

TEST(FillPolygonTest, LeavesTheImageAloneForFewerThanThreeVertices) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(kBackground);
    fillPolygon(image, {{0, 0}, {7, 7}}, kInk);
    EXPECT_EQ(image.pixel(3, 3), kBackground);
}

}  // namespace
}  // namespace zhcalc::controls
