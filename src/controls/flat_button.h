#pragma once
// A push button whose face shows what lies behind it and whose raised border, with
// the flat-border option, appears only while the pointer is over it.

#include <QPushButton>

#include "controls/colors.h"
#include "controls/fills.h"
#include "controls/flat_look.h"
#include "controls/flat_paint.h"

namespace zhcalc::controls {

class FlatButton : public QPushButton, public FlatLook<FlatButton> {
    Q_OBJECT
  public:
    explicit FlatButton(QWidget* parent = nullptr);
    explicit FlatButton(const QString& caption, QWidget* parent = nullptr);

    // Shadow, simple view, transparency level, colour and font colour come from
    // FlatLook; assigning the shadow colour also switches the plain-text view off.

    FlatOptions options() const { return options_; }
    void setOptions(FlatOptions options);
    BtnPaintOptions btnPaintOptions() const { return paintOptions_; }
    void setBtnPaintOptions(BtnPaintOptions options);

    // The face when not transparent: a fill with `color`, or with the gradient option
    // a gradient from `colorStart` to `colorEnd`.
    ColorValue colorStart() const { return colorStart_; }
    void setColorStart(ColorValue c);
    ColorValue colorEnd() const { return colorEnd_; }
    void setColorEnd(ColorValue c);
    GradientDirection gradientDirection() const { return gradientDirection_; }
    void setGradientDirection(GradientDirection direction);

    // Whether the pointer is over the button.
    bool isHot() const { return hot_; }

    // The button's drawing, as painted.
    QImage picture();

  signals:
    void mouseEntered();
    void mouseLeft();
    void buttonDrawn();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void drawFace(QPainter& painter, QImage& image);

    FlatOptions options_;
    BtnPaintOptions paintOptions_ = bpoDrawFocus | bpoDrawDefault;
    ColorValue colorStart_ = clBtnFace;
    ColorValue colorEnd_ = clBtnShadow;
    GradientDirection gradientDirection_ = GradientDirection::Horizontal;
    bool hot_ = false;
};

}  // namespace zhcalc::controls
