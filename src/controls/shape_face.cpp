#include "controls/shape_face.h"

#include "controls/raster.h"

namespace zhcalc::controls {

QImage drawShapeFace(int width, int height, const ShapeFaceParams& params, bool forRegion) {
    if (width <= 0 || height <= 0) return {};
    QImage image(width, height, QImage::Format_RGB32);
    const QRgb key = keyColorFor(params.color);
    const QRgb face = faceColorFor(params.color, params.brightensGrey);
    image.fill(key);
    const QPoint corner(width - 1, height - 1);
    if (params.shape == ButtonShape::bsEllipse) {
        fillEllipse(image, {0, 0}, corner, face);
    } else if (params.shape == ButtonShape::bsRoundRect) {
        fillRoundRect(image, {0, 0}, corner, params.roundRectBias, params.roundRectBias, face);
    } else {
        const auto vertices =
            polygonOutline(params.shape, params.orientation, width, height, params.pointList);
        if (vertices.empty()) return image;
        fillPolygon(image, vertices, face);
        drawPolyline(image, vertices, params.drawEdges ? params.ditherColor | 0xFF000000u : face);
        if (!forRegion && params.drawEdges)
            drawPolygonEdges(image, vertices, key, params.down, params.focused, params.bevel);
        return image;
    }
    if (!forRegion && params.drawEdges)
        drawPixelScanBevel(image, key, params.down, params.focused, params.bevel);
    return image;
}

QImage drawShapeFaceOrRect(QSize size, const ShapeFaceParams& params, bool forRegion) {
    try {
        return drawShapeFace(size.width(), size.height(), params, forRegion);
    } catch (const PointListError&) {
        ShapeFaceParams rect = params;
        rect.shape = ButtonShape::bsRect;
        return drawShapeFace(size.width(), size.height(), rect, forRegion);
    }
}

}  // namespace zhcalc::controls
