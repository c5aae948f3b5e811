#pragma once
// Outlines of the shaped buttons: the shapes, their quarter turns and the vertex
// lists of the polygon shapes, in the button's own pixel coordinates.

#include <QPoint>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace zhcalc::controls {

enum class ButtonShape {
    bsRoundRect,
    bsEllipse,
    bsTriangle,
    bsArrow,
    bsDiamond,
    bsRect,
    bsStar,
    bsTrapezoid,
    bsCustom
};

// Direction in which a polygon shape points.
enum class ShapeOrientation { soLeft, soRight, soUp, soDown };

// A custom point that cannot be read; what() is the message the user sees.
class PointListError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// Rounded rectangles and ellipses are drawn as curves and never turned.
constexpr bool isRoundShape(ButtonShape shape) {
    return shape == ButtonShape::bsRoundRect || shape == ButtonShape::bsEllipse;
}

// Clockwise quarter turn inside the box (0, 0)-(w, h), rescaled to the same box.
// Needs w and h of at least 1.
QPoint turnClockwise(QPoint p, int w, int h);

// Number of clockwise quarter turns that take the upward figure to `orientation`.
int quarterTurns(ShapeOrientation orientation);

// The closed vertex list (first vertex repeated at the end) of a polygon shape for
// a button of width x height pixels, turned to `orientation`. Empty for the round
// shapes, for sizes under 1 x 1 and for a custom list of fewer than 3 points.
// Custom entries are "x, y" with integer expressions that may use WIDTH and
// HEIGHT (the last column and row); a bad entry throws PointListError.
std::vector<QPoint> polygonOutline(ButtonShape shape, ShapeOrientation orientation, int width,
                                   int height, const QStringList& pointList = {});

}  // namespace zhcalc::controls
