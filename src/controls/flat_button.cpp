#include "controls/flat_button.h"

#include <QEnterEvent>
#include <QEvent>
#include <QPainter>

namespace zhcalc::controls {

FlatButton::FlatButton(QWidget* parent) : QPushButton(parent), FlatLook(true, clBtnText) {
    setAttribute(Qt::WA_Hover);
}

FlatButton::FlatButton(const QString& caption, QWidget* parent) : FlatButton(parent) {
    setText(caption);
}

void FlatButton::setOptions(FlatOptions options) {
    options_ = options;
    update();
}

void FlatButton::setBtnPaintOptions(BtnPaintOptions options) {
    paintOptions_ = options;
    update();
}

void FlatButton::setColorStart(ColorValue c) {
    colorStart_ = c;
    update();
}

void FlatButton::setColorEnd(ColorValue c) {
    colorEnd_ = c;
    update();
}

void FlatButton::setGradientDirection(GradientDirection direction) {
    gradientDirection_ = direction;
    update();
}

void FlatButton::drawFace(QPainter& painter, QImage& image) {
    if (options_.testFlag(foPaintTransparently)) {
        paintParentBehind(painter, this, transparencyLevel_);
    } else if (options_.testFlag(foPaintGradiently)) {
        gradientFill(image, rect(), resolveColor(colorStart_), resolveColor(colorEnd_),
                     gradientDirection_);
    } else {
        painter.fillRect(rect(), resolveColor(color_));
    }
}

QImage FlatButton::picture() {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (image.isNull()) return image;
    QPainter p(&image);
    p.setFont(font());
    drawFace(p, image);

    QRect r = rect();
    if ((hasFocus() || isDefault()) && paintOptions_.testFlag(bpoDrawDefault)) {
        drawFrameRect(p, r, resolveColor(clWindowFrame));
        r.adjust(1, 1, -1, -1);
    }
    if (isDown()) {
        drawSunkenInnerEdge(p, r);
    } else if (!options_.testFlag(foFlatBorder) || hot_) {
        drawRaisedEdge(p, r);
    }

    const QRect captionRect = isDown() ? rect().translated(1, 1) : rect();
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (!isEnabled()) {
        drawShadowedText(p, captionRect, ShadowPosition::spRightBottom, 1,
                         resolveColor(clBtnHighlight), resolveColor(clBtnShadow), flags, text());
    } else {
        shadow_.draw(p, captionRect, flags, fontColor_, text());
    }

    if (hasFocus() && paintOptions_.testFlag(bpoDrawFocus)) {
        p.setPen(QPen(resolveColor(clWindowFrame), 0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(4, 4, -5, -5));
    }
    return image;
}

void FlatButton::paintEvent(QPaintEvent*) {
    const QImage image = picture();
    QPainter p(this);
    p.drawImage(QPoint(0, 0), image);
    emit buttonDrawn();
}

void FlatButton::enterEvent(QEnterEvent* event) {
    hot_ = true;
    if (options_.testFlag(foFlatBorder)) update();
    emit mouseEntered();
    QPushButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event) {
    hot_ = false;
    if (options_.testFlag(foFlatBorder)) update();
    emit mouseLeft();
    QPushButton::leaveEvent(event);
}

void FlatButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange ||
        event->type() == QEvent::PaletteChange)
        update();
    QPushButton::changeEvent(event);
}

}  // namespace zhcalc::controls
