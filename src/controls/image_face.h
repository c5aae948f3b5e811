#pragma once
// The face of an image button as a picture: its state's picture stretched to the
// button, bevelled along the picture's outline or laid on the shadow colour.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>

#include "controls/button_pixels.h"

namespace zhcalc::controls {

// The whole picture scaled to `target` by taking the nearest source pixel
// (x * source width / target width), as a 32-bit picture.
QImage stretchPicture(const QImage& picture, QSize target);

// Mixes every pixel that is not `transparent` half and half with `tint`.
void tintPicture(QImage& picture, QRgb transparent, QColor tint);

// The picture's part of the button's face for a shade style: for ssRaised two
// pixels smaller in each direction, else the button's size; tinted when `tint`
// is valid.
QImage buttonPicture(const QImage& picture, QSize buttonSize, ShadeStyle style, QRgb transparent,
                     QColor tint);

struct ImageFaceParams {
    QImage picture;        // the state's picture, as given
    QRgb transparent = 0;  // the state's transparent colour
    QPoint position;       // where the picture goes on the face
    ShadeStyle style = ShadeStyle::ssHighlight;
    bool down = false;
    bool hot = false;
    bool focused = false;
    QColor tint;  // invalid: no tint
    BevelColors bevel{};
    QRgb shadow = 0xFF000000u;
    bool operator==(const ImageFaceParams&) const = default;
};

QImage drawImageFace(QSize size, const ImageFaceParams& params);

// A button without a picture: a black dash-dot frame on the button face colour.
QImage drawEmptyImageFace(QSize size, QRgb faceColor);

// The region of a state: the picture's pixels other than `transparent`; ssRaised
// adds the copy moved by (2, 2) (down: only the moved copy).
QRegion pictureRegion(const QImage& stretched, QRgb transparent, ShadeStyle style, bool down);

}  // namespace zhcalc::controls
