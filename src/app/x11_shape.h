#pragma once
// The bounding shape of a top-level window on X11, in device pixels. QWindow::setMask
// takes logical coordinates and scales them to the screen, so it cannot name a hole
// of one device pixel on a scaled screen; this sets the X shape as it stands.

#include <QRegion>

class QWindow;

namespace zhcalc {

// Whether shapes can be set: the xcb platform with the X server's shape extension.
bool x11ShapesAvailable();

// Cuts `window` to `visible` (device pixels, relative to the window's top-left).
// Does nothing where shapes are unavailable or the window has no native window yet.
void setX11WindowShape(QWindow& window, const QRegion& visible);

// Makes `window` whole again.
void clearX11WindowShape(QWindow& window);

}  // namespace zhcalc
