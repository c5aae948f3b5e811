#include "controls/shape_button.h"

namespace zhcalc::controls {

ShapeButton::ShapeButton(QWidget* parent) : BitButton(parent) {
    rebuildRegion();
}

void ShapeButton::setShape(ButtonShape shape) {
    if (shape == shape_) return;
    shape_ = shape;
    checkPointsOrFallBack();
    rebuildRegion();
}

void ShapeButton::setOrientation(ShapeOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    rebuildRegion();
}

void ShapeButton::setRoundRectBias(int bias) {
    if (bias == roundRectBias_) return;
    roundRectBias_ = bias;
    rebuildRegion();
}

void ShapeButton::setPointList(const QStringList& points) {
    if (points == pointList_) return;
    pointList_ = points;
    checkPointsOrFallBack();
    rebuildRegion();
}

void ShapeButton::checkPointsOrFallBack() {
    if (shape_ != ButtonShape::bsCustom) return;
    try {
        polygonOutline(shape_, orientation_, width(), height(), pointList_);
    } catch (const PointListError&) {
        shape_ = ButtonShape::bsRect;
        rebuildRegion();
        throw;
    }
}

void ShapeButton::setColor(ColorValue color) {
    if (color == color_) return;
    color_ = color;
    rebuildRegion();  // a pure red face changes the key colour
}

void ShapeButton::setDitherColor(ColorValue color) {
    if (color == ditherColor_) return;
    ditherColor_ = color;
    update();
}

ShapeFaceSpec ShapeButton::faceSpec(bool down, ShadeStyle style) const {
    ShapeFaceSpec spec;
    spec.shape = shape_;
    spec.orientation = orientation_;
    spec.roundRectBias = roundRectBias_;
    spec.pointList = pointList_;
    spec.color = resolveColor(color_).rgb();
    spec.ditherColor = resolveColor(ditherColor_).rgb();
    spec.drawEdges = style != ShadeStyle::ssFlat || isHot() || down;
    spec.down = down;
    spec.focused = showsFocus();
    spec.brightensGrey = displayBrightensGrey();
    spec.bevel = shadeColors().resolved();
    return spec;
}

void ShapeButton::drawFace(QImage& face, bool forRegion, bool down, ShadeStyle style) const {
    try {
        face = drawShapeFace(width(), height(), faceSpec(down, style), forRegion);
    } catch (const PointListError&) {
        // Points that stopped evaluating after a resize: show the plain rectangle.
        ShapeFaceSpec spec = faceSpec(down, style);
        spec.shape = ButtonShape::bsRect;
        face = drawShapeFace(width(), height(), spec, forRegion);
    }
}

QRegion ShapeButton::createRegion(bool down) const {
    QImage face;
    drawFace(face, true, down, shadeStyle());
    if (face.isNull()) return {};
    return regionFromPixels(face, keyColorFor(resolveColor(color_).rgb()));
}

}  // namespace zhcalc::controls
