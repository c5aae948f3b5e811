// A shaped button's region against its painted face, over every shape, quarter
// turn, state and a range of sizes: the window shows exactly the pixels the face
// paints, with the outline as the figure's outermost ring.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/shape_face.h"

namespace zhcalc::controls {
namespace {

const BevelColors kBevel{qRgb(255, 255, 255), qRgb(223, 223, 223), qRgb(128, 128, 128),
                         qRgb(0, 0, 0), qRgb(128, 0, 0)};
constexpr QRgb kFace = 0xFFC0C0C0u;
constexpr QRgb kDither = 0xFFFFFFFFu;

struct ShapeCase {
    ButtonShape shape;
    QStringList points;  // bsCustom only
    const char* name;
};

const ShapeCase kShapes[] = {
    {ButtonShape::bsRoundRect, {}, "round rect"},
    {ButtonShape::bsEllipse, {}, "ellipse"},
    {ButtonShape::bsTriangle, {}, "triangle"},
    {ButtonShape::bsArrow, {}, "arrow"},
    {ButtonShape::bsDiamond, {}, "diamond"},
    {ButtonShape::bsRect, {}, "rect"},
    {ButtonShape::bsStar, {}, "star"},
    {ButtonShape::bsTrapezoid, {}, "trapezoid"},
    {ButtonShape::bsCustom,
     {"0, HEIGHT/2", "WIDTH/3, 0", "WIDTH, HEIGHT/3", "WIDTH/2, HEIGHT"},
     "custom quadrilateral"},
    {ButtonShape::bsCustom,
     {"WIDTH/2, 0", "WIDTH, HEIGHT", "0, HEIGHT/3", "WIDTH, HEIGHT/3", "0, HEIGHT"},
     "self-crossing custom star"},
};

const ShapeOrientation kOrientations[] = {ShapeOrientation::soUp, ShapeOrientation::soRight,
                                          ShapeOrientation::soDown, ShapeOrientation::soLeft};

// The keypad's sizes, a few odd and tiny ones, and a wide one.
const QSize kSizes[] = {{33, 33}, {41, 25}, {55, 22}, {38, 25}, {40, 30}, {49, 25},
                        {39, 25}, {75, 25}, {17, 9},  {9, 17},  {5, 4},   {2, 2}};

ShapeFaceParams params(const ShapeCase& c, ShapeOrientation orientation, bool down, bool focused) {
    ShapeFaceParams p;
    p.shape = c.shape;
    p.orientation = orientation;
    p.pointList = c.points;
    p.color = kFace;
    p.ditherColor = kDither;
    p.down = down;
    p.focused = focused;
    p.bevel = kBevel;
    return p;
}

// Calls `check` with a description for every combination.
template <class Check>
void forEveryFace(Check check) {
    for (const ShapeCase& c : kShapes)
        for (const ShapeOrientation orientation : kOrientations)
            for (const QSize size : kSizes)
                for (const bool down : {false, true})
                    for (const bool focused : {false, true}) {
                        const std::string what =
                            std::string(c.name) + " turned " +
                            std::to_string(quarterTurns(orientation)) + " at " +
                            std::to_string(size.width()) + "x" + std::to_string(size.height()) +
                            (down ? " down" : " up") + (focused ? " focused" : "");
                        check(size, params(c, orientation, down, focused), what);
                    }
}

TEST(FaceRegion, IsExactlyThePaintedNonKeyPixels) {
    forEveryFace([](QSize size, const ShapeFaceParams& p, const std::string& what) {
        const QRgb key = keyColorFor(p.color);
        const QRegion region =
            regionFromPixels(drawShapeFace(size.width(), size.height(), p, true), key);
        const QImage painted = drawShapeFace(size.width(), size.height(), p, false);
        ASSERT_FALSE(region.isEmpty()) << what;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_EQ(region.contains(QPoint(x, y)), !sameRgb(painted.pixel(x, y), key))
                    << what << ", pixel " << x << "," << y;
    });
}

// No face pixel touches the key colour: the outline closes the figure all round,
// and the fill reaches it everywhere. (A tall star's points reach past its box;
// there the picture's edge cuts the figure, outline and all.)
TEST(FaceRegion, PolygonOutlineIsTheFiguresOuterRing) {
    forEveryFace([](QSize size, const ShapeFaceParams& p, const std::string& what) {
        if (isRoundShape(p.shape)) return;
        const QImage figure = drawShapeFace(size.width(), size.height(), p, true);
        const QRgb key = keyColorFor(p.color);
        const auto isKey = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < figure.width() && y < figure.height() &&
                   sameRgb(figure.pixel(x, y), key);
        };
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                if (!sameRgb(figure.pixel(x, y), kFace)) continue;
                ASSERT_FALSE(isKey(x - 1, y) || isKey(x + 1, y) || isKey(x, y - 1) ||
                             isKey(x, y + 1))
                    << what << ": face pixel " << x << "," << y << " outside the outline";
            }
    });
}

// The outline is shaded all round: bevel colours when idle, the focus colour when
// focused; the face colour never shows on it.
TEST(FaceRegion, EveryOutlinePixelIsShaded) {
    forEveryFace([](QSize size, const ShapeFaceParams& p, const std::string& what) {
        if (isRoundShape(p.shape)) return;
        const QImage figure = drawShapeFace(size.width(), size.height(), p, true);
        const QImage painted = drawShapeFace(size.width(), size.height(), p, false);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                if (!sameRgb(figure.pixel(x, y), kDither)) continue;
                const QRgb seen = painted.pixel(x, y) | 0xFF000000u;
                if (p.focused) {
                    ASSERT_EQ(seen, kBevel.focus) << what << ", pixel " << x << "," << y;
                } else {
                    ASSERT_TRUE(seen == kBevel.highlight || seen == kBevel.light3D ||
                                seen == kBevel.shadow || seen == kBevel.black)
                        << what << ", pixel " << x << "," << y;
                }
            }
    });
}

// The keypad's own keys, where the mismatch was first seen on screen.
TEST(FaceRegion, KeypadDiamondAndTrapezoidsHaveTheirEdgesInside) {
    const ShapeCase diamond{ButtonShape::bsDiamond, {}, "diamond"};
    const ShapeFaceParams up = params(diamond, ShapeOrientation::soUp, false, false);
    const QImage c = drawShapeFace(33, 33, up, false);
    const QRegion cRegion = regionFromPixels(drawShapeFace(33, 33, up, true), kPureRed);
    // Lower-right edge: black outline, the shadow line just inside it (up to the
    // bottom vertex, where the lower-left edge's inner line crosses it).
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(c.pixel(32 - i, 16 + i), kBevel.black) << i;
        EXPECT_EQ(c.pixel(31 - i, 16 + i), kBevel.shadow) << i;
        EXPECT_TRUE(cRegion.contains(QPoint(31 - i, 16 + i))) << i;
    }
    // Upper-left edge: the white outline is the first pixel of every row.
    for (int y = 1; y < 16; ++y) {
        EXPECT_FALSE(cRegion.contains(QPoint(15 - y, y))) << y;
        EXPECT_EQ(c.pixel(16 - y, y), kBevel.highlight) << y;
        EXPECT_EQ(c.pixel(17 - y, y), kBevel.light3D) << y;
    }

    const ShapeCase trapezoid{ButtonShape::bsTrapezoid, {}, "trapezoid"};
    for (const QSize size : {QSize(41, 25), QSize(55, 22)}) {
        const ShapeFaceParams p = params(trapezoid, ShapeOrientation::soUp, false, false);
        const QImage face = drawShapeFace(size.width(), size.height(), p, false);
        const QRegion region =
            regionFromPixels(drawShapeFace(size.width(), size.height(), p, true), kPureRed);
        for (int y = 0; y < size.height(); ++y) {
            const QRect row = (region & QRect(0, y, size.width(), 1)).boundingRect();
            EXPECT_EQ(face.pixel(row.left(), y), kBevel.highlight) << size.width() << " row " << y;
            EXPECT_NE(face.pixel(row.right(), y) | 0xFF000000u, kFace)
                << size.width() << " row " << y;
        }
    }
}

}  // namespace
}  // namespace zhcalc::controls
