#pragma once
// A group frame with an etched line, a shadowed caption over a gap in the line and,
// when transparent, an interior that shows what lies behind it.

#include <QGroupBox>

#include "controls/colors.h"
#include "controls/flat_look.h"
#include "controls/flat_paint.h"

namespace zhcalc::controls {

class FlatGroupBox : public QGroupBox, public FlatLook<FlatGroupBox> {
    Q_OBJECT
  public:
    explicit FlatGroupBox(QWidget* parent = nullptr);
    explicit FlatGroupBox(const QString& caption, QWidget* parent = nullptr);

    // Shadow, simple view, transparency level, colour and font colour come from FlatLook.

    bool isTransparent() const { return transparent_; }
    void setTransparent(bool on);
    // The etched frame; off draws a plain frame in the window-frame colour.
    bool ctl3D() const { return ctl3D_; }
    void setCtl3D(bool on);

    // Where the caption goes (widened by the shadow size on both sides); empty
    // without a caption.
    QRect captionRect() const;

    // The box's drawing, as painted.
    QImage picture() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool transparent_ = false;
    bool ctl3D_ = true;
};

}  // namespace zhcalc::controls
