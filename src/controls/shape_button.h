#pragma once
// The calculator's keypad key: a push button cut to a shape (ellipse, rounded
// rectangle, diamond, trapezoid and others) with a shaded edge and a caption.

#include <QStringList>

#include "controls/bit_button.h"
#include "controls/shape_face.h"
#include "controls/shape_outline.h"

namespace zhcalc::controls {

class ShapeButton : public BitButton {
    Q_OBJECT
  public:
    explicit ShapeButton(QWidget* parent = nullptr);

    ButtonShape shape() const { return shape_; }
    // A custom shape whose points cannot be read falls back to bsRect and throws
    // PointListError.
    void setShape(ButtonShape shape);
    ShapeOrientation orientation() const { return orientation_; }
    void setOrientation(ShapeOrientation orientation);
    int roundRectBias() const { return roundRectBias_; }
    void setRoundRectBias(int bias);
    // Vertices of bsCustom, one "x, y" per entry (see polygonOutline).
    const QStringList& pointList() const { return pointList_; }
    void setPointList(const QStringList& points);
    ColorValue color() const { return color_; }
    void setColor(ColorValue color);
    ColorValue ditherColor() const { return ditherColor_; }
    void setDitherColor(ColorValue color);

  protected:
    FaceBase faceBase(bool down, ShadeStyle style) const override;
    QRegion createRegion(bool down) const override;

  private:
    ShapeFaceParams faceParams(bool down, ShadeStyle style) const;
    void checkPointsOrFallBack();

    ButtonShape shape_ = ButtonShape::bsRect;
    ShapeOrientation orientation_ = ShapeOrientation::soUp;
    int roundRectBias_ = 25;
    QStringList pointList_;
    ColorValue color_ = clBtnFace;
    ColorValue ditherColor_ = clWhite;
};

}  // namespace zhcalc::controls
