#include "controls/shape_face.h"

#include <gtest/gtest.h>

#include <vector>

namespace zhcalc::controls {
namespace {

const BevelColors kBevel{qRgb(255, 255, 255), qRgb(223, 223, 223), qRgb(160, 160, 164),
                         qRgb(0, 0, 0), qRgb(128, 0, 0)};

ShapeFaceParams params(ButtonShape shape, ShapeOrientation orientation = ShapeOrientation::soUp,
                       int bias = 25) {
    ShapeFaceParams s;
    s.shape = shape;
    s.orientation = orientation;
    s.roundRectBias = bias;
    s.color = qRgb(192, 192, 192);
    s.ditherColor = qRgb(255, 255, 255);
    s.bevel = kBevel;
    return s;
}

QRegion shapeRegion(int width, int height, const ShapeFaceParams& s) {
    return regionFromPixels(drawShapeFace(width, height, s, true), keyColorFor(s.color));
}

// First and last covered column of a row of a region.
std::pair<int, int> rowSpan(const QRegion& region, int y) {
    const QRegion row = region & QRegion(0, y, 1000, 1);
    return {row.boundingRect().left(), row.boundingRect().right()};
}

TEST(ShapeRegion, EllipticKeyIsTheFilledEllipseOfItsBox) {
    const QRegion region = shapeRegion(38, 25, params(ButtonShape::bsEllipse));
    // The ellipse with corners (0, 0) and (37, 24) leaves the last column and row out.
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 37, 24));
    EXPECT_EQ(rowSpan(region, 0), std::make_pair(13, 23));
    EXPECT_EQ(rowSpan(region, 23), std::make_pair(13, 23));
    EXPECT_EQ(rowSpan(region, 12), std::make_pair(0, 36));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(36, 0), QPoint(0, 23), QPoint(36, 23), QPoint(37, 24), QPoint(3, 3)})
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    // Symmetric about its middle column and row; every row is one run.
    for (int y = 0; y < 24; ++y) {
        const auto [left, right] = rowSpan(region, y);
        EXPECT_EQ(left + right, 36) << y;
        EXPECT_EQ(rowSpan(region, 23 - y), rowSpan(region, y));
        EXPECT_EQ((region & QRegion(0, y, 38, 1)).rectCount(), 1);
    }
}

TEST(ShapeRegion, TrapezoidsAndDiamondOfTheKeypad) {
    const QRegion pi = shapeRegion(41, 25, params(ButtonShape::bsTrapezoid));
    EXPECT_EQ(rowSpan(pi, 0), std::make_pair(10, 30));
    EXPECT_EQ(rowSpan(pi, 24), std::make_pair(0, 40));
    EXPECT_EQ(pi.boundingRect(), QRect(0, 0, 41, 25));

    const QRegion e = shapeRegion(55, 22, params(ButtonShape::bsTrapezoid));
    EXPECT_EQ(rowSpan(e, 0), std::make_pair(10, 44));
    EXPECT_EQ(rowSpan(e, 21), std::make_pair(0, 54));

    const QRegion c = shapeRegion(33, 33, params(ButtonShape::bsDiamond));
    EXPECT_EQ(c.boundingRect(), QRect(0, 0, 33, 33));
    EXPECT_EQ(rowSpan(c, 16), std::make_pair(0, 32));
    EXPECT_TRUE(c.contains(QPoint(16, 0)));
    EXPECT_TRUE(c.contains(QPoint(16, 32)));
    EXPECT_FALSE(c.contains(QPoint(0, 0)));
    EXPECT_FALSE(c.contains(QPoint(32, 32)));
    EXPECT_FALSE(c.contains(QPoint(7, 7)));  // just outside the upper-left edge
    EXPECT_TRUE(c.contains(QPoint(9, 9)));
}

TEST(ShapeRegion, RoundRectCornersFollowTheBiasAndIgnoreOrientation) {
    const QRegion bias25 = shapeRegion(39, 25, params(ButtonShape::bsRoundRect));
    const QRegion bias30 =
        shapeRegion(39, 25, params(ButtonShape::bsRoundRect, ShapeOrientation::soUp, 30));
    EXPECT_EQ(rowSpan(bias25, 0).first, 9);
    EXPECT_EQ(rowSpan(bias30, 0).first, 11);
    EXPECT_EQ(rowSpan(bias25, 12), std::make_pair(0, 37));
    EXPECT_EQ(bias25.boundingRect(), QRect(0, 0, 38, 24));
    for (const auto orientation :
         {ShapeOrientation::soLeft, ShapeOrientation::soRight, ShapeOrientation::soDown}) {
        const QRegion turned = shapeRegion(39, 25, params(ButtonShape::bsRoundRect, orientation));
        EXPECT_TRUE((turned ^ bias25).isEmpty());
        EXPECT_EQ(drawShapeFace(39, 25, params(ButtonShape::bsRoundRect, orientation), false),
                  drawShapeFace(39, 25, params(ButtonShape::bsRoundRect), false));
    }
}

TEST(ShapeRegion, PureRedFaceStillFindsTheShape) {
    ShapeFaceParams red = params(ButtonShape::bsEllipse);
    red.color = qRgb(255, 0, 0);
    const QImage face = drawShapeFace(38, 25, red, true);
    EXPECT_EQ(face.pixel(0, 0), kPureBlue);
    EXPECT_EQ(face.pixel(18, 12), qRgb(255, 0, 0));
    const QRegion grey = shapeRegion(38, 25, params(ButtonShape::bsEllipse));
    EXPECT_TRUE((shapeRegion(38, 25, red) ^ grey).isEmpty());
}

TEST(ShapeFace, RoundShapesGetThePixelScanBevelAndPolygonsTheEdgeLines) {
    const QImage up = drawShapeFace(38, 25, params(ButtonShape::bsEllipse), false);
    EXPECT_EQ(up.pixel(0, 12), kBevel.highlight);  // upper-left end of a diagonal run
    EXPECT_EQ(up.pixel(36, 12), kBevel.black);     // its lower-right end
    EXPECT_EQ(up.pixel(18, 12), qRgb(192, 192, 192));
    EXPECT_EQ(up.pixel(37, 24), kPureRed);
    ShapeFaceParams pressed = params(ButtonShape::bsEllipse);
    pressed.down = true;
    const QImage down = drawShapeFace(38, 25, pressed, false);
    EXPECT_EQ(down.pixel(0, 12), kBevel.black);
    EXPECT_EQ(down.pixel(36, 12), kBevel.highlight);

    const QImage diamond = drawShapeFace(33, 33, params(ButtonShape::bsDiamond), false);
    EXPECT_EQ(diamond.pixel(24, 24), kBevel.black);  // lower-right edge
    EXPECT_EQ(diamond.pixel(23, 24), kBevel.shadow);
    EXPECT_EQ(diamond.pixel(16, 16), qRgb(192, 192, 192));
    EXPECT_EQ(diamond.pixel(2, 14), kBevel.highlight);  // upper-left edge
    EXPECT_EQ(diamond.pixel(3, 14), kBevel.light3D);
}

TEST(ShapeFace, FlatIdleFaceHasNoEdgesAndEmptySizeNoPicture) {
    ShapeFaceParams flat = params(ButtonShape::bsEllipse);
    flat.drawEdges = false;
    const QImage face = drawShapeFace(38, 25, flat, false);
    EXPECT_EQ(face.pixel(0, 12), qRgb(192, 192, 192));
    EXPECT_TRUE(drawShapeFace(0, 25, flat, false).isNull());
    EXPECT_TRUE(drawShapeFace(38, -1, flat, false).isNull());
}

}  // namespace
}  // namespace zhcalc::controls
