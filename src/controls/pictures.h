#pragma once
// The pictures shipped with the controls, as Qt resources under ":/widgets/".

#include <QImage>
#include <QString>

namespace zhcalc::controls {

// Each picture is decoded on first use, once; the callers share it.

// The switch's default pictures (32 x 48; the lower-left pixel is the background).
const QImage& switchOnDefaultPicture();
const QImage& switchOffDefaultPicture();

// The calculator's 16 x 16 register lamps: a bright green lamp in a light rim (on)
// and a dark green lamp (off).
const QImage& lampOnPicture();
const QImage& lampOffPicture();

// The 35 x 22 shaded white, blue and red horizontal tricolour of the tray icon.
const QImage& trayTricolourPicture();

// Reads a picture whose format is known (such as "XPM" or "PNG") with Qt's own
// reader, without loading every image plugin to ask whether it knows the format.
QImage readPicture(const QString& path, const char* format);

}  // namespace zhcalc::controls
