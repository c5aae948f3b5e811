#include "controls/flat_paint.h"

#include "controls/background.h"
#include "controls/colors.h"
#include "controls/flat_group_box.h"

namespace zhcalc::controls {

namespace {

// What a widget paints when asked to erase its background: a transparent flat group
// box shows its own parent, anything else its background colour; then its
// background controls on top.
void eraseBackground(QPainter& painter, QWidget* widget) {
    const auto* box = qobject_cast<const FlatGroupBox*>(widget);
    if (box != nullptr && box->isTransparent()) {
        paintParentBehind(painter, box, box->transparencyLevel());
    } else {
        painter.fillRect(widget->rect(), widget->palette().color(widget->backgroundRole()));
    }
    for (QObject* child : widget->children()) {
        auto* background = qobject_cast<CustomBackGround*>(child);
        if (background == nullptr || background->isHidden()) continue;
        painter.save();
        painter.translate(background->pos());
        background->drawBackground(painter);
        painter.restore();
    }
}

}  // namespace

ShadowOffsets shadowOffsets(ShadowPosition position, int size) {
    switch (position) {
        case ShadowPosition::spLeftTop:
            return {{size, size}, {0, 0}};
        case ShadowPosition::spLeftBottom:
            return {{size, 0}, {0, size}};
        case ShadowPosition::spRightBottom:
            return {{0, 0}, {size, size}};
        case ShadowPosition::spRightTop:
            return {{0, size}, {size, 0}};
    }
    return {};
}

void drawShadowedText(QPainter& painter, const QRect& rect, ShadowPosition position, int size,
                      const QColor& shadowColor, const QColor& textColor, int flags,
                      const QString& text) {
    const ShadowOffsets offsets = shadowOffsets(position, size);
    painter.save();
    painter.setPen(shadowColor);
    painter.drawText(rect.translated(offsets.shadow), flags, text);
    painter.setPen(textColor);
    painter.drawText(rect.translated(offsets.text), flags, text);
    painter.restore();
}

void drawEdgeLine(QPainter& painter, QRect& rect, const QColor& topLeft,
                  const QColor& bottomRight) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    const int l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();
    painter.fillRect(QRect(l, t, w - 1, 1), topLeft);
    painter.fillRect(QRect(l, t, 1, h - 1), topLeft);
    painter.fillRect(QRect(l, rect.bottom(), w, 1), bottomRight);
    painter.fillRect(QRect(rect.right(), t, 1, h), bottomRight);
    rect.adjust(1, 1, -1, -1);
}

void drawRaisedEdge(QPainter& painter, QRect& rect) {
    drawEdgeLine(painter, rect, resolveColor(cl3DLight), resolveColor(cl3DDkShadow));
    drawEdgeLine(painter, rect, resolveColor(clBtnHighlight), resolveColor(clBtnShadow));
}

void drawSunkenInnerEdge(QPainter& painter, QRect& rect) {
    drawEdgeLine(painter, rect, resolveColor(cl3DDkShadow), resolveColor(cl3DLight));
}

void drawFrameRect(QPainter& painter, const QRect& rect, const QColor& color) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), color);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), color);
}

void paintParentBehind(QPainter& painter, const QWidget* control, int transparencyLevel,
                       std::optional<QRect> clip) {
    const QWidget* ancestor = control;
    for (int level = 0; level < transparencyLevel && ancestor->parentWidget() != nullptr; ++level)
        ancestor = ancestor->parentWidget();
    QWidget* parent = ancestor->parentWidget();
    if (parent == nullptr) return;
    painter.save();
    if (clip) painter.setClipRect(*clip, Qt::IntersectClip);
    painter.translate(-ancestor->pos());
    eraseBackground(painter, parent);
    painter.restore();
}

}  // namespace zhcalc::controls
