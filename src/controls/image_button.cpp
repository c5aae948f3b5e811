#include "controls/image_button.h"

#include "controls/image_face.h"
#include "controls/region_data.h"
#include "controls/store_if_changed.h"

namespace zhcalc::controls {

ImageButton::ImageButton(QWidget* parent) : BitButton(parent) {}

void ImageButton::setImage(const QImage& image) {
    image_ = image;
    rebuildRegion();
    if (parentWidget()) parentWidget()->update(geometry());
}

void ImageButton::setImageDown(const QImage& image) {
    imageDown_ = image;
    rebuildRegion();
    if (parentWidget()) parentWidget()->update(geometry());
}

void ImageButton::setTransparentColor(ColorValue color) {
    if (!storeIfChanged(transparentColor_, color)) return;
    rebuildRegion();
    if (parentWidget()) parentWidget()->update(geometry());
}

void ImageButton::setColor(ColorValue color) {
    if (storeIfChanged(color_, color)) update();
}

const QImage& ImageButton::statePicture(bool down) const {
    return down && !imageDown_.isNull() ? imageDown_ : image_;
}

QRgb ImageButton::stateTransparentColor(bool down) const {
    if (transparentColor_ != clNone) return resolveColor(transparentColor_).rgb();
    const QImage& picture = statePicture(down);
    return picture.isNull() ? 0xFF000000u : picture.pixel(0, 0) | 0xFF000000u;
}

QColor ImageButton::tint() const {
    return color_ == clNone ? QColor() : resolveColor(color_);
}

QByteArray ImageButton::regionData(bool down) const {
    return regionToStream(cachedRegion(down));
}

void ImageButton::setRegionData(bool down, QByteArrayView stream) {
    const auto region = regionFromStream(stream);
    if (!region) return;
    setCachedRegion(down, region);
    refreshRegion();
}

bool ImageButton::regionFollowsState() const {
    return transparentColor_ != kNoTransparency &&
           ((!image_.isNull() && !imageDown_.isNull()) || shadeStyle() == ShadeStyle::ssRaised);
}

FaceBase ImageButton::faceBase(bool down, ShadeStyle style) const {
    if (image_.isNull()) return EmptyImageFace{resolveColor(clBtnFace).rgb()};
    ImageFaceParams params;
    params.transparent = stateTransparentColor(down);
    params.picture = buttonPicture(statePicture(down), size(), style, params.transparent, tint());
    if (down && imageDown_.isNull())
        params.position = QPoint(offsets().imageDownX, offsets().imageDownY);
    params.style = style;
    params.down = down;
    params.hot = isHot();
    params.focused = showsFocus();
    params.bevel = shadeColors().resolved();
    params.shadow = resolveColor(shadeColors().shadow).rgb();
    return params;
}

QRegion ImageButton::createRegion(bool down) const {
    if (transparentColor_ == kNoTransparency || image_.isNull()) return {};
    const QRgb transparent = stateTransparentColor(down);
    const QImage picture =
        buttonPicture(statePicture(down), size(), shadeStyle(), transparent, QColor());
    return pictureRegion(picture, transparent, shadeStyle(), down);
}

bool ImageButton::isInside(QPoint pos) {
    if (!regionFollowsState()) return BitButton::isInside(pos);
    if (!windowTakesInput()) return false;
    return (stateRegion(!isDown()) | stateRegion(isDown())).contains(pos);
}

}  // namespace zhcalc::controls
