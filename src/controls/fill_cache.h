#pragma once
// A rendered fill kept between paints. Fills that do not depend on the size are
// rendered into a cache that grows in steps of 64 pixels and never shrinks, so small
// resizes reuse it; size-dependent fills get a cache of exactly the control's size.

#include <QImage>
#include <QSize>

#include "controls/fills.h"

namespace zhcalc::controls {

class FillCache {
  public:
    // The size the cache must have to serve a control of `control` size.
    static QSize grownSize(QSize current, QSize control, bool sizeDependent);

    // Whether a control resized to `control` needs the cache rendered again.
    bool outgrownBy(QSize control, bool sizeDependent) const;

    // Resizes as grownSize says and renders `fill` over the whole cache.
    void rebuild(QSize control, const GraphicFill* fill, const FillColors& colors,
                 const QImage* bitmap);
    void clear() { image_ = QImage(); }

    bool isNull() const { return image_.isNull(); }
    QSize size() const { return image_.size(); }
    // 24-bit opaque pixels (stored as RGB32 for direct row access).
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

  private:
    QImage image_;
};

}  // namespace zhcalc::controls
