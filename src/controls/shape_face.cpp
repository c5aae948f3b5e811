#include "controls/shape_face.h"

#include "controls/raster.h"

namespace zhcalc::controls {

QImage drawShapeFace(int width, int height, const ShapeFaceSpec& spec, bool forRegion) {
    if (width <= 0 || height <= 0) return {};
    QImage image(width, height, QImage::Format_RGB32);
    const QRgb key = keyColorFor(spec.color);
    const QRgb face = faceColorFor(spec.color, spec.brightensGrey);
    image.fill(key);
    const QPoint corner(width - 1, height - 1);
    if (spec.shape == ButtonShape::bsEllipse) {
        fillEllipse(image, {0, 0}, corner, face);
    } else if (spec.shape == ButtonShape::bsRoundRect) {
        fillRoundRect(image, {0, 0}, corner, spec.roundRectBias, spec.roundRectBias, face);
    } else {
        const auto vertices =
            polygonOutline(spec.shape, spec.orientation, width, height, spec.pointList);
        if (vertices.empty()) return image;
        fillPolygon(image, vertices, face);
        drawPolyline(image, vertices, spec.drawEdges ? spec.ditherColor | 0xFF000000u : face);
        if (!forRegion && spec.drawEdges)
            drawPolygonEdges(image, vertices, spec.down, spec.focused, spec.bevel);
        return image;
    }
    if (!forRegion && spec.drawEdges)
        drawPixelScanBevel(image, key, spec.down, spec.focused, spec.bevel);
    return image;
}

}  // namespace zhcalc::controls
