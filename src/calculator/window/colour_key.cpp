#include "calculator/window/colour_key.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QWidget>
#include <vector>

namespace zhcalc {

QRegion regionWithoutColor(const QImage& picture, QRgb key) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb wanted = key & 0x00FFFFFFu;
    std::vector<QRect> runs;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && (row[x] & 0x00FFFFFFu) == wanted)
                ++x;
            const int start = x;
            while (x < image.width() && (row[x] & 0x00FFFFFFu) != wanted)
                ++x;
            if (x > start) runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

bool windowMasksSupported() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

void applyColourKey(QWidget& window, QRgb key) {
    if (!windowMasksSupported()) return;
    const QImage picture = window.grab().toImage();
    const QRegion visible = regionWithoutColor(picture, key);
    if ((visible ^ QRegion(picture.rect())).isEmpty()) {
        window.clearMask();
    } else {
        window.setMask(visible);
    }
}

}  // namespace zhcalc
