#include "controls/fill_cache.h"

namespace zhcalc::controls {

namespace {

int grownLength(int current, int wanted) {
    if (current >= wanted) return current;
    return (wanted / 64 + 1) * 64;
}

}  // namespace

QSize FillCache::grownSize(QSize current, QSize control, bool sizeDependent) {
    if (sizeDependent) return control;
    return {grownLength(current.width(), control.width()),
            grownLength(current.height(), control.height())};
}

bool FillCache::outgrownBy(QSize control, bool sizeDependent) const {
    // A size-dependent fill made for exactly this size still holds (a hidden control
    // hears of the size it already had when it is shown).
    if (sizeDependent) return control != image_.size();
    return control.width() > image_.width() || control.height() > image_.height();
}

void FillCache::rebuild(QSize control, const GraphicFill* fill, const FillColors& colors,
                        const QImage* bitmap) {
    const QSize wanted = grownSize(image_.size(), control, fill != nullptr && fill->sizeDependent);
    if (wanted.isEmpty()) {
        image_ = QImage();
        return;
    }
    if (image_.size() != wanted) {
        image_ = QImage(wanted, QImage::Format_RGB32);
        image_.fill(Qt::black);
    }
    if (fill != nullptr) drawFill(image_, *fill, colors, bitmap);
}

}  // namespace zhcalc::controls
