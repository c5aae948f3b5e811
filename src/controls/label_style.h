#pragma once
// The relief settings of a 3D label, kept apart from the label so that several
// labels can be given the same look by assignment.

#include <QObject>

#include "controls/colors.h"

namespace zhcalc::controls {

enum class Effect3D { A3dNormal, A3dResit, A3dRaised, A3dShadowed };

class LabelStyle : public QObject {
    Q_OBJECT
  public:
    explicit LabelStyle(QObject* parent = nullptr) : QObject(parent) {}

    // Copies all seven settings (and the colour saved by the white lock).
    void assign(const LabelStyle& other);

    int angle() const { return angle_; }
    // Degrees; values below 0 or from 360 up become 0.
    void setAngle(int degrees);
    Effect3D style3D() const { return style3D_; }
    void setStyle3D(Effect3D style);
    ColorValue shadeRightBottom() const { return shadeRightBottom_; }
    void setShadeRightBottom(ColorValue c);
    ColorValue shadeLeftTop() const { return shadeLeftTop_; }
    // Ignored while the white lock is on.
    void setShadeLeftTop(ColorValue c);
    // The white lock: on saves the left-top colour and shows white, off restores it.
    bool shadeLTSet() const { return shadeLTSet_; }
    void setShadeLTSet(bool on);
    // The shadow offsets only matter (and only announce a change) for A3dShadowed.
    int hShadeOffset() const { return hShadeOffset_; }
    void setHShadeOffset(int offset);
    int vShadeOffset() const { return vShadeOffset_; }
    void setVShadeOffset(int offset);

  signals:
    void changed();

  private:
    int angle_ = 0;
    Effect3D style3D_ = Effect3D::A3dRaised;
    ColorValue shadeRightBottom_ = clGray;
    ColorValue shadeLeftTop_ = clWhite;
    bool shadeLTSet_ = false;
    int hShadeOffset_ = 5;
    int vShadeOffset_ = -5;
    ColorValue savedLeftTop_ = clWhite;
};

}  // namespace zhcalc::controls
