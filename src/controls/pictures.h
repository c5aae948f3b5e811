#pragma once
// The pictures shipped with the controls, as Qt resources under ":/widgets/".

#include <QImage>
#include <QString>

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

// Reads a picture whose format is known (such as "XPM" or "PNG") with Qt's own
// reader, without loading every image plugin to ask whether it knows the format.
QImage readPicture(const QString& path, const char* format);

}  // namespace zhcalc::controls
