#include "controls/shape_button.h"

#include "controls/store_if_changed.h"

namespace zhcalc::controls {

ShapeButton::ShapeButton(QWidget* parent) : BitButton(parent) {}

void ShapeButton::setShape(ButtonShape shape) {
    if (!storeIfChanged(shape_, shape)) return;
    checkPointsOrFallBack();
    rebuildRegion();
}

void ShapeButton::setOrientation(ShapeOrientation orientation) {
    if (storeIfChanged(orientation_, orientation)) rebuildRegion();
}

void ShapeButton::setRoundRectBias(int bias) {
    if (storeIfChanged(roundRectBias_, bias)) rebuildRegion();
}

void ShapeButton::setPointList(const QStringList& points) {
    if (!storeIfChanged(pointList_, points)) return;
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
    if (!storeIfChanged(color_, color)) return;
    rebuildRegion();  // a pure red face changes the key colour
}

void ShapeButton::setDitherColor(ColorValue color) {
    if (storeIfChanged(ditherColor_, color)) update();
}

ShapeFaceParams ShapeButton::faceParams(bool down, ShadeStyle style) const {
    ShapeFaceParams params;
    params.shape = shape_;
    params.orientation = orientation_;
    params.roundRectBias = roundRectBias_;
    params.pointList = pointList_;
    params.color = resolveColor(color_).rgb();
    params.ditherColor = resolveColor(ditherColor_).rgb();
    params.drawEdges = style != ShadeStyle::ssFlat || isHot() || down;
    params.down = down;
    params.focused = showsFocus();
    params.brightensGrey = displayBrightensGrey();
    params.bevel = shadeColors().resolved();
    return params;
}

FaceBase ShapeButton::faceBase(bool down, ShadeStyle style) const {
    return faceParams(down, style);
}

QRegion ShapeButton::createRegion(bool down) const {
    const QImage face = drawShapeFaceOrRect(size(), faceParams(down, shadeStyle()), true);
    if (face.isNull()) return {};
    return regionFromPixels(face, keyColorFor(resolveColor(color_).rgb()));
}

}  // namespace zhcalc::controls
