#include "controls/image_face.h"

#include <QPainter>

namespace zhcalc::controls {

QImage stretchPicture(const QImage& picture, QSize target) {
    if (picture.isNull() || target.isEmpty()) return {};
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QImage result(target, QImage::Format_RGB32);
    for (int y = 0; y < target.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(
            source.constScanLine(y * source.height() / target.height()));
        auto* to = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < target.width(); ++x)
            to[x] = from[x * source.width() / target.width()];
    }
    return result;
}

void tintPicture(QImage& picture, QRgb transparent, QColor tint) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (sameRgb(p, transparent)) continue;
            picture.setPixel(x, y,
                             qRgb((qRed(p) + tint.red()) / 2, (qGreen(p) + tint.green()) / 2,
                                  (qBlue(p) + tint.blue()) / 2));
        }
}

QImage buttonPicture(const QImage& picture, QSize buttonSize, ShadeStyle style, QRgb transparent,
                     QColor tint) {
    const QSize target = style == ShadeStyle::ssRaised ? buttonSize - QSize(2, 2) : buttonSize;
    QImage stretched = stretchPicture(picture, target);
    if (tint.isValid() && !stretched.isNull()) tintPicture(stretched, transparent, tint);
    return stretched;
}

namespace {

// Copies the picture's pixels that are not `transparent` onto the face.
void layPicture(QImage& face, const QImage& picture, QPoint at, QRgb transparent) {
    for (int y = 0; y < picture.height(); ++y) {
        const int fy = y + at.y();
        if (fy < 0 || fy >= face.height()) continue;
        for (int x = 0; x < picture.width(); ++x) {
            const int fx = x + at.x();
            if (fx < 0 || fx >= face.width()) continue;
            const QRgb p = picture.pixel(x, y);
            if (!sameRgb(p, transparent)) face.setPixel(fx, fy, p);
        }
    }
}

}  // namespace

QImage drawImageFace(QSize size, const ImageFaceParams& params) {
    if (size.isEmpty()) return {};
    QImage face(size, QImage::Format_RGB32);
    const bool bevelled = params.style == ShadeStyle::ssHighlight ||
                          (params.style == ShadeStyle::ssFlat && params.hot);
    if (params.style == ShadeStyle::ssNormal || params.style == ShadeStyle::ssRaised) {
        face.fill(params.shadow);
        layPicture(face, params.picture, params.position, params.transparent);
        return face;
    }
    face.fill(params.transparent);
    layPicture(face, params.picture, params.position, params.transparent);
    if (bevelled)
        drawPixelScanBevel(face, params.transparent, params.down, params.focused, params.bevel);
    return face;
}

QImage drawEmptyImageFace(QSize size, QRgb faceColor) {
    if (size.isEmpty()) return {};
    QImage face(size, QImage::Format_RGB32);
    face.fill(faceColor);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0, Qt::DashDotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
    return face;
}

QRegion pictureRegion(const QImage& stretched, QRgb transparent, ShadeStyle style, bool down) {
    const QRegion region = regionFromPixels(stretched, transparent);
    if (style != ShadeStyle::ssRaised) return region;
    const QRegion moved = region.translated(2, 2);
    return down ? moved : region | moved;
}

}  // namespace zhcalc::controls
