#include "controls/toggle_switch.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>

#include "controls/accessibility/accessible_events.h"
#include "controls/pictures.h"
#include "controls/store_if_changed.h"

namespace zhcalc::controls {

ToggleSwitch::ToggleSwitch(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(50, 60);
}

void ToggleSwitch::setStateOn(bool on) {
    if (!storeIfChanged(stateOn_, on)) return;
    update();
    accessibility::announceCheckedChange(this);
    if (stateOn_)
        emit turnedOn();
    else
        emit turnedOff();
}

void ToggleSwitch::setGlyphOn(const QImage& picture) {
    setGlyph(1, picture);
}
void ToggleSwitch::setGlyphOff(const QImage& picture) {
    setGlyph(0, picture);
}

void ToggleSwitch::setGlyph(int index, const QImage& picture) {
    const unsigned bit = 1u << index;
    if (picture.isNull()) {
        glyphs_[index] = QImage();
        customMask_ &= ~bit;
    } else {
        glyphs_[index] = picture.convertToFormat(QImage::Format_RGB32);
        customMask_ |= bit;
    }
    disabledGlyphs_[index] = QImage();
    update();
}

const QImage& ToggleSwitch::glyph(int index) const {
    if ((customMask_ & (1u << index)) != 0) return glyphs_[index];
    return index == 1 ? switchOnDefaultPicture() : switchOffDefaultPicture();
}

const QImage& ToggleSwitch::disabledGlyph(int index) const {
    QImage& engraved = disabledGlyphs_[index];
    if (engraved.isNull())
        engraved =
            disabledPicture(glyph(index), resolveColor(clBtnHighlight), resolveColor(clBtnShadow));
    return engraved;
}

void ToggleSwitch::setShowFocus(bool on) {
    showFocus_ = on;
    update();
}

void ToggleSwitch::setTextPosition(TextPosition position) {
    textPosition_ = position;
    update();
}

void ToggleSwitch::setBorderStyle(SwitchBorder border) {
    border_ = border;
    update();
}

void ToggleSwitch::setTabStop(bool on) {
    tabStop_ = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void ToggleSwitch::setColor(ColorValue c) {
    color_ = c;
    parentColor_ = false;
    update();
}

void ToggleSwitch::setParentColor(bool on) {
    parentColor_ = on;
    update();
}

void ToggleSwitch::setCaption(const QString& caption) {
    if (!storeIfChanged(caption_, caption)) return;
    updateMnemonic();
    update();
}

void ToggleSwitch::setFontColor(ColorValue c) {
    fontColor_ = c;
    update();
}

QColor ToggleSwitch::backgroundColor() const {
    if (parentColor_ && parentWidget() != nullptr)
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    return resolveColor(color_);
}

QRect ToggleSwitch::clientRect() const {
    return border_ == SwitchBorder::Single ? rect().adjusted(1, 1, -1, -1) : rect();
}

QImage ToggleSwitch::picture() const {
    QImage image(size(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    const QColor background = backgroundColor();
    image.fill(background);
    QPainter p(&image);
    p.setFont(font());
    if (border_ == SwitchBorder::Single) {
        p.setPen(resolveColor(clWindowFrame));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QRect client = clientRect();
    p.setClipRect(client);

    const int index = stateOn_ ? 1 : 0;
    const QImage& shown =
        !isEnabled() && !disabledGlyph(index).isNull() ? disabledGlyph(index) : glyph(index);
    const SwitchLayout layout = switchLayout(client, shown.size(), textPosition_);
    p.drawImage(layout.picture, replaceTransparentColor(shown, background));

    if (hasFocus() && showFocus_ && tabStop_) {
        QPen dotted(resolveColor(clBlack), 0, Qt::DotLine);
        p.setPen(dotted);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(layout.picture, shown.size()).adjusted(0, 0, -1, -1));
    }
    if (textPosition_ != TextPosition::tpNone) {
        const QRect line = switchTextLine(layout.textArea, QFontMetrics(font()).height());
        p.setPen(isEnabled() ? resolveColor(fontColor_) : resolveColor(clGrayText));
        p.drawText(line, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextExpandTabs, caption_);
    }
    return image;
}

void ToggleSwitch::paintEvent(QPaintEvent*) {
    const QImage image = picture();
    QPainter p(this);
    p.drawImage(QPoint(0, 0), image);
}

void ToggleSwitch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // A switch that takes the focus only by Tab keeps it where it is.
        if (tabStop_ && (focusPolicy() & Qt::ClickFocus) != 0) setFocus(Qt::MouseFocusReason);
        pressed_ = true;
        toggle();
    }
    emit mouseDown(event->button(), event->position().toPoint());
    event->accept();
}

void ToggleSwitch::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) pressed_ = false;
    if (click) emit clicked();
    event->accept();
}

void ToggleSwitch::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is still a press: it toggles back.
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void ToggleSwitch::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    emit keyDown(event->key(), modifiers);
    if (QKeyCombination(modifiers, Qt::Key(event->key())) == toggleKey_) {
        toggle();
        event->accept();
        return;
    }
    if (!event->text().isEmpty()) {
        emit keyPressed(event->text());
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ToggleSwitch::focusInEvent(QFocusEvent* event) {
    if (showFocus_) update();
    QWidget::focusInEvent(event);
}

void ToggleSwitch::focusOutEvent(QFocusEvent* event) {
    if (showFocus_) update();
    QWidget::focusOutEvent(event);
}

void ToggleSwitch::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) update();
    QWidget::changeEvent(event);
}

bool ToggleSwitch::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        // The caption's accelerator only moves the focus here.
        setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QWidget::event(event);
}

void ToggleSwitch::updateMnemonic() {
    if (mnemonicId_ != 0) releaseShortcut(mnemonicId_);
    mnemonicId_ = 0;
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption_);
    if (!mnemonic.isEmpty()) mnemonicId_ = grabShortcut(mnemonic);
}

}  // namespace zhcalc::controls
