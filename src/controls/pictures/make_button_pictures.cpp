// Draws the two image buttons' pictures (up and down) and writes them as
// palette PNGs next to this file. Run once after changing a drawing:
//   zhcalc-make-button-pictures <output folder>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cstdio>

namespace {

// Half of a maple leaf from the top tip down the right-hand side to the stem;
// the left half is its mirror image about x = 16.
const QPointF kRightHalf[] = {{16, 1},     {18.5, 5.5}, {21, 4.5},  {20, 11}, {23.5, 7.5},
                              {24.5, 9.5}, {29, 8.5},   {27.5, 13}, {30, 14}, {23, 20},
                              {24, 22.5},  {17, 21.5},  {17, 28}};

QPolygonF mapleLeaf() {
    QPolygonF leaf;
    for (const QPointF& p : kRightHalf)
        leaf << p;
    for (int i = static_cast<int>(std::size(kRightHalf)) - 1; i >= 1; --i)
        leaf << QPointF(32 - kRightHalf[i].x(), kRightHalf[i].y());
    return leaf;
}

struct LeafColours {
    QColor leaf, veins, sign;
};

QImage drawLeaf(const LeafColours& colours) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colours.veins, 1));
    p.setBrush(colours.leaf);
    p.drawPolygon(mapleLeaf());
    p.fillRect(QRect(15, 28, 2, 3), colours.veins);  // stem
    // Veins from the stem to the side lobes.
    p.drawLine(QPointF(16, 21), QPointF(26, 11));
    p.drawLine(QPointF(16, 21), QPointF(6, 11));
    // An integral sign and an "x" on the leaf.
    QPainterPath integral;
    integral.moveTo(15.5, 7.5);
    integral.cubicTo(15, 4.5, 12.5, 4.5, 12.5, 8.5);
    integral.lineTo(12.5, 18.5);
    integral.cubicTo(12.5, 22.5, 10, 22.5, 9.5, 19.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colours.sign, 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(integral);
    p.setPen(QPen(colours.sign, 1.5));
    p.drawLine(QPointF(18, 14), QPointF(22, 19));
    p.drawLine(QPointF(22, 14), QPointF(18, 19));
    return image;
}

struct FrameColours {
    QColor background, top, topEdge, left, leftEdge, bottom, bottomEdge;
};

// A frame open to the right: a bar on top, one on the left and one at the
// bottom, each with a darker inner edge.
QImage drawFrame(const FrameColours& c) {
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(c.background);
    QPainter p(&image);
    p.fillRect(QRect(10, 8, 32, 6), c.top);
    p.fillRect(QRect(16, 13, 26, 1), c.topEdge);
    p.fillRect(QRect(10, 34, 32, 6), c.bottom);
    p.fillRect(QRect(16, 34, 26, 1), c.bottomEdge);
    p.fillRect(QRect(10, 8, 6, 32), c.left);
    p.fillRect(QRect(15, 13, 1, 22), c.leftEdge);
    // Bevelled open ends.
    p.fillRect(QRect(41, 8, 1, 6), c.topEdge);
    p.fillRect(QRect(41, 34, 1, 6), c.bottomEdge);
    return image;
}

bool savePalette(const QImage& image, const QString& path, int colours) {
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    if (indexed.colorCount() > colours) {
        std::fprintf(stderr, "%s: %d colours, more than %d\n", qPrintable(path),
                     static_cast<int>(indexed.colorCount()), colours);
        return false;
    }
    return indexed.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QImage leafUp = drawLeaf({QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 0, 255)});
    const QImage leafDown = drawLeaf({QColor(0, 160, 0), QColor(0, 0, 255), QColor(0, 0, 160)});
    const QImage frameUp =
        drawFrame({QColor(192, 192, 192), QColor(0, 255, 255), QColor(0, 128, 128),
                   QColor(255, 255, 0), QColor(128, 128, 0), QColor(0, 255, 0), QColor(0, 128, 0)});
    const QImage frameDown =
        drawFrame({QColor(255, 0, 255), QColor(0, 128, 128), QColor(0, 64, 64), QColor(128, 128, 0),
                   QColor(64, 64, 0), QColor(0, 128, 0), QColor(0, 64, 0)});
    const bool ok = savePalette(leafUp, folder + "/imagebtn1_up.png", 256) &&
                    savePalette(leafDown, folder + "/imagebtn1_down.png", 256) &&
                    savePalette(frameUp, folder + "/imagebtn2_up.png", 16) &&
                    savePalette(frameDown, folder + "/imagebtn2_down.png", 16);
    return ok ? 0 : 1;
}
