#include "app/colour_key_cutter.h"

#include <QBackingStore>
#include <QChildEvent>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "app/colour_key.h"
#include "app/x11_shape.h"

namespace zhcalc {
namespace {

// What the last paint left in the backing store of a top-level window: its
// picture in device pixels, or null where the store is not a plain image of it.
const QImage* lastPaintedPicture(QWidget& window) {
    QBackingStore* store = window.backingStore();
    QPaintDevice* device = store != nullptr ? store->paintDevice() : nullptr;
    if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
    const auto* image = static_cast<const QImage*>(device);
    const QSizeF logical = image->deviceIndependentSize();
    const bool ofThisWindow = std::abs(logical.width() - window.width()) < 1 &&
                              std::abs(logical.height() - window.height()) < 1;
    return ofThisWindow ? image : nullptr;
}

}  // namespace

ColourKeyCutter::ColourKeyCutter(QWidget& window, QRgb key, ShapeSink sink)
    : QObject(&window), window_(window), key_(key), sink_(std::move(sink)) {
    watch(&window);
}

void ColourKeyCutter::watch(QObject* object) {
    if (!object->isWidgetType()) return;
    // Windows of their own (the about window) paint elsewhere.
    if (object != &window_ && static_cast<QWidget*>(object)->isWindow()) return;
    object->installEventFilter(this);
    for (QObject* child : object->children())
        watch(child);
}

bool ColourKeyCutter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Paint: {
            const auto* widget = static_cast<QWidget*>(watched);
            if (widget->window() != &window_) break;
            const QPoint offset = widget->mapTo(&window_, QPoint(0, 0));
            damage_ |= static_cast<QPaintEvent*>(event)->region().translated(offset);
            schedule();
            break;
        }
        case QEvent::ChildAdded:
            watch(static_cast<QChildEvent*>(event)->child());
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

// The paint is still going on when its event arrives; the cut waits until it is
// done and on screen, so a pressed key shows without waiting for its holes.
void ColourKeyCutter::schedule() {
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        recut();
    });
}

void ColourKeyCutter::recut() {
    const QImage* picture = lastPaintedPicture(window_);
    if (picture == nullptr || !window_.isVisible()) return;  // the damage waits
    const bool fresh = picture->size() != pictureSize_;
    const QRegion damaged =
        fresh ? QRegion(picture->rect()) : deviceRegion(damage_, picture->devicePixelRatio());
    damage_ = QRegion();
    Recut recut = recutHoles(fresh ? QRegion() : holes_, *picture, key_, damaged);
    if (!fresh && !recut.changed) return;
    holes_ = std::move(recut.holes);
    pictureSize_ = picture->size();
    if (sink_) sink_(pictureSize_, holes_);
}

ColourKeyCutter::ShapeSink x11ShapeSink(QWidget& window) {
    return [&window](const QSize& size, const QRegion& holes) {
        QWindow* native = window.windowHandle();
        if (native == nullptr) return;
        if (holes.isEmpty()) {
            clearX11WindowShape(*native);
        } else {
            setX11WindowShape(*native, QRegion(QRect(QPoint(0, 0), size)) - holes);
        }
    };
}

}  // namespace zhcalc
