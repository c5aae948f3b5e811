#pragma once
// The face of a shaped button as a picture: the shape in the face colour on the
// key colour, with its shaded edge.

#include <QImage>
#include <QStringList>

#include "controls/button_pixels.h"
#include "controls/shape_outline.h"

namespace zhcalc::controls {

struct ShapeFaceParams {
    ButtonShape shape = ButtonShape::bsRect;
    ShapeOrientation orientation = ShapeOrientation::soUp;
    int roundRectBias = 25;
    QStringList pointList;
    QRgb color = 0xFFC0C0C0u;        // face colour as given
    QRgb ditherColor = 0xFFFFFFFFu;  // outline pen of the polygon shapes
    bool drawEdges = true;           // the pen is the dither colour (not a flat, idle face)
    bool down = false;
    bool focused = false;
    bool brightensGrey = false;  // see faceColorFor
    BevelColors bevel{};
    bool operator==(const ShapeFaceParams&) const = default;
};

// A width x height picture of the face (null for an empty size). With `forRegion`
// only the shape is drawn: its non-key pixels are the button's region.
// A bad custom point list throws PointListError.
QImage drawShapeFace(int width, int height, const ShapeFaceParams& params, bool forRegion);

// The same, but a point list that does not evaluate (any more, after a resize)
// gives the plain rectangle instead of an error.
QImage drawShapeFaceOrRect(QSize size, const ShapeFaceParams& params, bool forRegion);

}  // namespace zhcalc::controls
