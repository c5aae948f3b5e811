#include "controls/flat_group_box.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace zhcalc::controls {

FlatGroupBox::FlatGroupBox(QWidget* parent) : QGroupBox(parent), FlatLook(false, clWindowText) {}

FlatGroupBox::FlatGroupBox(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), FlatLook(false, clWindowText) {}

void FlatGroupBox::setTransparent(bool on) {
    // Children that paint this box behind themselves must repaint too.
    transparent_ = on;
    setAttribute(Qt::WA_NoSystemBackground, on);
    update();
    for (QWidget* child : findChildren<QWidget*>())
        child->update();
}

void FlatGroupBox::setCtl3D(bool on) {
    ctl3D_ = on;
    update();
}

QRect FlatGroupBox::captionRect() const {
    if (title().isEmpty()) return {};
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(title());
    const int x = layoutDirection() == Qt::RightToLeft ? width() - textWidth - 8 : 8;
    return QRect(x, 0, textWidth, metrics.height()).adjusted(-shadow_.size, 0, shadow_.size, 0);
}

QImage FlatGroupBox::picture() const {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (image.isNull()) return image;
    QPainter p(&image);
    p.setFont(font());

    // Erasing: the parent behind a transparent box, the box's colour otherwise.
    if (transparent_)
        paintParentBehind(p, this, transparencyLevel_);
    else
        p.fillRect(rect(), resolveColor(color_));

    const int half = QFontMetrics(font()).height() / 2;
    const QRect frame(0, half, width(), height() - half);
    if (ctl3D_) {
        drawFrameRect(p, frame.translated(1, 1), resolveColor(clBtnHighlight));
        drawFrameRect(p, frame, resolveColor(clBtnShadow));
    } else {
        drawFrameRect(p, frame, resolveColor(clWindowFrame));
    }

    const QRect caption = captionRect();
    if (caption.isEmpty()) return image;
    // The caption's background wipes the frame line under it.
    if (transparent_)
        paintParentBehind(p, this, transparencyLevel_, caption);
    else
        p.fillRect(caption, resolveColor(color_));

    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QRect textRect = caption.adjusted(0, 0, shadow_.size, shadow_.size);
    if (!isEnabled()) {
        p.setPen(resolveColor(fontColor_));
        p.drawText(textRect, flags, title());
        // The platform's disabled look: a highlight copy under a shadow copy.
        drawShadowedText(p, textRect, ShadowPosition::spRightBottom, 1,
                         resolveColor(clBtnHighlight), resolveColor(clBtnShadow), flags, title());
    } else {
        shadow_.draw(p, textRect, flags, fontColor_, title());
    }
    return image;
}

void FlatGroupBox::paintEvent(QPaintEvent*) {
    const QImage image = picture();
    QPainter p(this);
    p.drawImage(QPoint(0, 0), image);
}

void FlatGroupBox::moveEvent(QMoveEvent* event) {
    QGroupBox::moveEvent(event);
    update();
}

void FlatGroupBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange ||
        event->type() == QEvent::PaletteChange || event->type() == QEvent::LayoutDirectionChange)
        update();
    QGroupBox::changeEvent(event);
}

}  // namespace zhcalc::controls
