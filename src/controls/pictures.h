#pragma once
// The pictures shipped with the controls, as Qt resources under ":/widgets/".

#include <QImage>

namespace zhcalc::controls {

// The switch's default pictures (32 x 48; the lower-left pixel is the background).
QImage switchOnDefaultPicture();
QImage switchOffDefaultPicture();

// The calculator's 16 x 16 register lamps: a bright green lamp in a light rim (on)
// and a dark green lamp (off).
QImage lampOnPicture();
QImage lampOffPicture();

// The 35 x 22 shaded white, blue and red horizontal tricolour of the tray icon.
QImage trayTricolourPicture();

}  // namespace zhcalc::controls
