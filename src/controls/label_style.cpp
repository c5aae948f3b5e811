#include "controls/label_style.h"

namespace zhcalc::controls {

void LabelStyle::assign(const LabelStyle& other) {
    angle_ = other.angle_;
    style3D_ = other.style3D_;
    shadeRightBottom_ = other.shadeRightBottom_;
    shadeLeftTop_ = other.shadeLeftTop_;
    shadeLTSet_ = other.shadeLTSet_;
    hShadeOffset_ = other.hShadeOffset_;
    vShadeOffset_ = other.vShadeOffset_;
    savedLeftTop_ = other.savedLeftTop_;
    emit changed();
}

void LabelStyle::setAngle(int degrees) {
    angle_ = (degrees < 0 || degrees >= 360) ? 0 : degrees;
    emit changed();
}

void LabelStyle::setStyle3D(Effect3D style) {
    style3D_ = style;
    emit changed();
}

void LabelStyle::setShadeRightBottom(ColorValue c) {
    shadeRightBottom_ = c;
    emit changed();
}

void LabelStyle::setShadeLeftTop(ColorValue c) {
    if (shadeLTSet_) return;
    shadeLeftTop_ = c;
    emit changed();
}

void LabelStyle::setShadeLTSet(bool on) {
    // Only a real change saves or restores: re-asserting "off" must not bring back
    // the saved white over a colour chosen meanwhile.
    if (on == shadeLTSet_) return;
    shadeLTSet_ = on;
    if (on) {
        savedLeftTop_ = shadeLeftTop_;
        shadeLeftTop_ = clWhite;
    } else {
        shadeLeftTop_ = savedLeftTop_;
    }
    const bool relief = style3D_ == Effect3D::A3dResit || style3D_ == Effect3D::A3dRaised;
    if (shadeLTSet_ && relief && savedLeftTop_ != clWhite) emit changed();
}

void LabelStyle::setHShadeOffset(int offset) {
    hShadeOffset_ = offset;
    if (style3D_ == Effect3D::A3dShadowed) emit changed();
}

void LabelStyle::setVShadeOffset(int offset) {
    vShadeOffset_ = offset;
    if (style3D_ == Effect3D::A3dShadowed) emit changed();
}

}  // namespace zhcalc::controls
