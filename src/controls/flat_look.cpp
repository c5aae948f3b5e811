#include "controls/flat_look.h"

namespace zhcalc::controls {

void CaptionShadow::draw(QPainter& painter, const QRect& rect, int flags, ColorValue textColor,
                         const QString& text) const {
    if (simpleView) {
        painter.setPen(resolveColor(textColor));
        painter.drawText(rect, flags, text);
    } else {
        drawShadowedText(painter, rect, position, size, resolveColor(color),
                         resolveColor(textColor), flags, text);
    }
}

}  // namespace zhcalc::controls
