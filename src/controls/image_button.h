#pragma once
// A push button whose face is a picture and whose window is cut to the picture's
// outline; with a down picture the outline changes as the button goes down.

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

#include "controls/bit_button.h"

namespace zhcalc::controls {

// Transparent colour value meaning "no transparency": no region at all.
inline constexpr ColorValue kNoTransparency = 0x0FFFFFFFu;

class ImageButton : public BitButton {
    Q_OBJECT
  public:
    explicit ImageButton(QWidget* parent = nullptr);

    const QImage& image() const { return image_; }
    void setImage(const QImage& image);
    // Face of the down state; without it the up picture is shown moved by the
    // image-down offsets.
    const QImage& imageDown() const { return imageDown_; }
    void setImageDown(const QImage& image);
    // clNone: the colour of the state picture's top-left pixel; kNoTransparency:
    // no region.
    ColorValue transparentColor() const { return transparentColor_; }
    void setTransparentColor(ColorValue color);
    // clNone or a colour that tints the picture.
    ColorValue color() const { return color_; }
    void setColor(ColorValue color);
    // Only matters for a button in a group; these buttons have none.
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allow) { allowAllUp_ = allow; }

    // The stored region of a state ("RegionData" up, "DownRegionData" down) in
    // its stream form (see region_data.h). Set it after the size: it holds only
    // while the button keeps that size; malformed data is ignored.
    QByteArray regionData(bool down) const;
    void setRegionData(bool down, QByteArrayView stream);

    // The colour that is outside the button in a state.
    QRgb stateTransparentColor(bool down) const;

  protected:
    FaceBase faceBase(bool down, ShadeStyle style) const override;
    QRegion createRegion(bool down) const override;
    bool usesRegion() const override { return transparentColor_ != kNoTransparency; }
    bool regionFollowsState() const override;
    bool isInside(QPoint pos) override;

  private:
    const QImage& statePicture(bool down) const;
    QColor tint() const;

    QImage image_;
    QImage imageDown_;
    ColorValue transparentColor_ = clNone;
    ColorValue color_ = clNone;
    bool allowAllUp_ = false;
};

}  // namespace zhcalc::controls
