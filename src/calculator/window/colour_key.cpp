#include "calculator/window/colour_key.h"

#include <QBackingStore>
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

namespace {

// The backing store of an X11 window is a plain image of the window; reading it
// spares drawing every control a second time. Null where it is anything else.
const QImage* lastPaintedPicture(QWidget& window) {
    QBackingStore* store = window.backingStore();
    QPaintDevice* device = store != nullptr ? store->paintDevice() : nullptr;
    if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
    const auto* image = static_cast<const QImage*>(device);
    return image->size() == window.size() ? image : nullptr;
}

void setMaskFrom(QWidget& window, const QImage& picture, QRgb key) {
    const QRegion visible = regionWithoutColor(picture, key);
    if ((visible ^ QRegion(picture.rect())).isEmpty()) {
        window.clearMask();
    } else {
        window.setMask(visible);
    }
}

}  // namespace

void applyColourKey(QWidget& window, QRgb key, PictureSource source) {
    if (!windowMasksSupported()) return;
    const QImage* painted =
        source == PictureSource::LastPaint ? lastPaintedPicture(window) : nullptr;
    if (painted != nullptr) {
        setMaskFrom(window, *painted, key);
    } else {
        setMaskFrom(window, window.grab().toImage(), key);
    }
}

}  // namespace zhcalc
