#pragma once
// Keeps a window's holes in step with what it shows. Every paint of the window or
// of a widget in it marks its area; once the paint is on screen the holes are cut
// again from the window's backing store (its picture in device pixels), over the
// marked area only, and handed on when they changed.

#include <QObject>
#include <QRegion>
#include <QRgb>
#include <QSize>
#include <functional>

class QWidget;

namespace zhcalc {

class ColourKeyCutter : public QObject {
  public:
    // Receives the holes, in device pixels of a picture of `size`, whenever they change.
    using ShapeSink = std::function<void(const QSize& size, const QRegion& holes)>;

    // Watches `window` and everything in it; the cutter is owned by `window`.
    ColourKeyCutter(QWidget& window, QRgb key, ShapeSink sink);

    // The holes as last cut, in device pixels.
    const QRegion& holes() const { return holes_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watch(QObject* object);
    void schedule();
    void recut();

    QWidget& window_;
    QRgb key_;
    ShapeSink sink_;
    QRegion damage_;  // painted since the last cut, logical window coordinates
    QRegion holes_;
    QSize pictureSize_;  // device size the holes were cut for; empty before the first cut
    bool pending_ = false;
};

// The sink that cuts the window's X11 window to everything but the holes.
ColourKeyCutter::ShapeSink x11ShapeSink(QWidget& window);

}  // namespace zhcalc
