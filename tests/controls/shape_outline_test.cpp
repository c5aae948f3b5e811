#include "controls/shape_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls/integer_expression.h"

namespace zhcalc::controls {
namespace {

using Points = std::vector<QPoint>;

Points closed(Points p) {
    p.push_back(p.front());
    return p;
}

struct OutlineCase {
    const char* name;
    ButtonShape shape;
    ShapeOrientation orientation;
    int width, height;
    Points expected;
};

TEST(ShapeOutline, VerticesOfTheKeypadShapesAndTheirTurns) {
    const std::vector<OutlineCase> cases = {
        {"Pi key",
         ButtonShape::bsTrapezoid,
         ShapeOrientation::soUp,
         41,
         25,
         {{10, 0}, {30, 0}, {40, 24}, {0, 24}}},
        {"E key",
         ButtonShape::bsTrapezoid,
         ShapeOrientation::soUp,
         55,
         22,
         {{10, 0}, {44, 0}, {54, 21}, {0, 21}}},
        {"C key",
         ButtonShape::bsDiamond,
         ShapeOrientation::soUp,
         33,
         33,
         {{16, 0}, {32, 16}, {16, 32}, {0, 16}}},
        {"rect",
         ButtonShape::bsRect,
         ShapeOrientation::soUp,
         75,
         25,
         {{0, 0}, {74, 0}, {74, 24}, {0, 24}}},
        {"triangle up",
         ButtonShape::bsTriangle,
         ShapeOrientation::soUp,
         11,
         11,
         {{5, 0}, {10, 10}, {0, 10}}},
        {"triangle right",
         ButtonShape::bsTriangle,
         ShapeOrientation::soRight,
         11,
         11,
         {{10, 5}, {0, 10}, {0, 0}}},
        {"triangle down",
         ButtonShape::bsTriangle,
         ShapeOrientation::soDown,
         11,
         11,
         {{5, 10}, {0, 0}, {10, 0}}},
        {"triangle left",
         ButtonShape::bsTriangle,
         ShapeOrientation::soLeft,
         11,
         11,
         {{0, 5}, {10, 0}, {10, 10}}},
        // A turn rescales the figure to the same box: 40 x 24 stays 40 x 24.
        {"Pi turned right",
         ButtonShape::bsTrapezoid,
         ShapeOrientation::soRight,
         41,
         25,
         {{40, 6}, {40, 18}, {0, 24}, {0, 0}}},
        {"arrow",
         ButtonShape::bsArrow,
         ShapeOrientation::soUp,
         41,
         31,
         {{0, 10}, {20, 0}, {40, 10}, {30, 10}, {30, 30}, {10, 30}, {10, 10}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(polygonOutline(c.shape, c.orientation, c.width, c.height), closed(c.expected));
    }
}

TEST(ShapeOutline, RoundShapesHaveNoVerticesAndTinySizesNone) {
    EXPECT_TRUE(polygonOutline(ButtonShape::bsEllipse, ShapeOrientation::soLeft, 38, 25).empty());
    EXPECT_TRUE(polygonOutline(ButtonShape::bsRoundRect, ShapeOrientation::soUp, 40, 25).empty());
    EXPECT_TRUE(polygonOutline(ButtonShape::bsRect, ShapeOrientation::soUp, 0, 25).empty());
    EXPECT_TRUE(isRoundShape(ButtonShape::bsEllipse));
    EXPECT_FALSE(isRoundShape(ButtonShape::bsDiamond));
    // A 1-pixel-wide button cannot be turned (the turn divides by the last column).
    EXPECT_EQ(polygonOutline(ButtonShape::bsRect, ShapeOrientation::soRight, 1, 5).size(), 5u);
}

TEST(ShapeOutline, StarIsTenPointsSymmetricInsideTheBox) {
    const Points star = polygonOutline(ButtonShape::bsStar, ShapeOrientation::soUp, 41, 41);
    ASSERT_EQ(star.size(), 11u);
    EXPECT_EQ(star.front(), QPoint(20, 0));
    for (const QPoint& p : star) {
        EXPECT_TRUE(p.x() >= 0 && p.x() <= 40 && p.y() >= 0 && p.y() <= 40)
            << p.x() << "," << p.y();
        const QPoint mirrored(40 - p.x(), p.y());
        EXPECT_NE(std::find(star.begin(), star.end(), mirrored), star.end())
            << p.x() << "," << p.y();
    }
}

TEST(ShapeOutline, CustomPointsUseWidthAndHeightExpressions) {
    const QStringList points = {"0, 0", "width,0", "(WIDTH - 2) / 2,  HEIGHT", "1 ,3*2"};
    EXPECT_EQ(polygonOutline(ButtonShape::bsCustom, ShapeOrientation::soUp, 11, 21, points),
              closed({{0, 0}, {10, 0}, {4, 20}, {1, 6}}));
    EXPECT_TRUE(
        polygonOutline(ButtonShape::bsCustom, ShapeOrientation::soUp, 11, 21, {"1, 1", "2, 2"})
            .empty());
}

TEST(ShapeOutline, BadCustomPointsThrowWithTheirMessage) {
    try {
        polygonOutline(ButtonShape::bsCustom, ShapeOrientation::soUp, 10, 10,
                       {"1, 1", "2 2", "3, 3"});
        FAIL() << "no error";
    } catch (const PointListError& e) {
        EXPECT_STREQ(e.what(),
                     "Invalid Custom Points Format.  X and Y Coordinates must be separated by a "
                     "comma and space.");
    }
    EXPECT_THROW(polygonOutline(ButtonShape::bsCustom, ShapeOrientation::soUp, 10, 10,
                                {"1, 1", "a, 2", "3, 3"}),
                 PointListError);
    EXPECT_THROW(polygonOutline(ButtonShape::bsCustom, ShapeOrientation::soUp, 10, 10,
                                {"1, 1", "2, 2/0", "3, 3"}),
                 PointListError);
}

TEST(IntegerExpression, EvaluatesOrFailsCleanly) {
    const std::vector<std::pair<const char*, std::optional<int>>> cases = {
        {"1+2*3", 7},         {"-(4-10)/4", 1}, {"7/-2", -3},        {" 12 ", 12},
        {"+5--5", 10},        {"2*(3", {}},     {"5/0", {}},         {"", {}},
        {"2147483647+1", {}}, {"3 4", {}},      {"99999999999", {}}, {"((((1))))", 1},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(evaluateIntegerExpression(text), expected) << text;
    EXPECT_FALSE(evaluateIntegerExpression(std::string(5000, '(') + "1").has_value());
}

}  // namespace
}  // namespace zhcalc::controls
