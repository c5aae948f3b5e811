#pragma once
// The pictures of the calculator's two image buttons, shipped as resources:
// ImageBtn1 (backspace), a maple leaf with an integral sign, red and yellow up,
// green and blue down, on black; ImageBtn2 (clear the registers), a frame open
// to the right in cyan, yellow and green on grey, darker on magenta when down.

#include <QImage>

namespace zhcalc::controls {

QImage mapleLeafPicture(bool down);   // 32 x 32, 256-colour palette
QImage clearFramePicture(bool down);  // 48 x 48, 16-colour palette

}  // namespace zhcalc::controls
