#include "controls/bit_button.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controls/store_if_changed.h"

namespace zhcalc::controls {

BevelColors ShadeColors::resolved() const {
    return {resolveColor(btnHighlight).rgb(), resolveColor(btn3DLight).rgb(),
            resolveColor(btnShadow).rgb(), resolveColor(btnBlack).rgb(),
            resolveColor(btnFocus).rgb()};
}

BitButton::BitButton(QWidget* parent) : QAbstractButton(parent) {
    resize(75, 25);
    setFocusPolicy(Qt::NoFocus);  // keys take focus only when made focusable
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BitButton::setShadeStyle(ShadeStyle style) {
    if (storeIfChanged(shadeStyle_, style)) rebuildRegion();
}

void BitButton::setShadeColors(const ShadeColors& colors) {
    shadeColors_ = colors;
    update();
}

void BitButton::setTextOptions(const CaptionText& options) {
    textOptions_ = options;
    update();
}

void BitButton::setOffsets(const ButtonOffsets& offsets) {
    offsets_ = offsets;
    rebuildRegion();  // the down picture's displacement can move an image button's face
}

void BitButton::setOptions(ButtonOptions options) {
    options_ = options;
    setFocusPolicy(options.testFlag(boFocusable) ? Qt::StrongFocus : Qt::NoFocus);
    update();
}

void BitButton::setFontColor(ColorValue color) {
    if (storeIfChanged(fontColor_, color)) update();
}

void BitButton::setGlyph(const QImage& glyph) {
    glyph_ = glyph;
    update();
}

void BitButton::setNumGlyphs(int count) {
    if (storeIfChanged(numGlyphs_, std::clamp(count, 1, 4))) update();
}

void BitButton::setLayout(GlyphLayout layout) {
    if (storeIfChanged(glyphLayout_, layout)) update();
}

void BitButton::setMargin(int margin) {
    if (margin < -1 || margin == margin_) return;
    margin_ = margin;
    update();
}

void BitButton::setSpacing(int spacing) {
    if (storeIfChanged(spacing_, spacing)) update();
}

void BitButton::setDefault(bool isDefault) {
    if (!storeIfChanged(default_, isDefault)) return;
    watchWindowKeys();
    update();
}

void BitButton::setCancel(bool isCancel) {
    if (storeIfChanged(cancel_, isCancel)) watchWindowKeys();
}

void BitButton::watchWindowKeys() {
    QWidget* top = window();
    if (top == this) return;
    top->removeEventFilter(this);
    if (default_ || cancel_) top->installEventFilter(this);
}

bool BitButton::eventFilter(QObject* watched, QEvent* e) {
    if (watched == window() && e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        const bool usable = plain && isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
        const bool onButton =
            qobject_cast<QAbstractButton*>(QApplication::focusWidget()) != nullptr;
        const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (usable &&
            ((default_ && isReturn && !onButton) || (cancel_ && key->key() == Qt::Key_Escape))) {
            runClick();
            return true;
        }
    }
    return QAbstractButton::eventFilter(watched, e);
}

QImage BitButton::renderFace(bool down) const {
    return drawButtonFace(faceFor(down));
}

ButtonFace BitButton::faceFor(bool down) const {
    ButtonFace face;
    face.size = size();
    face.down = down;
    face.base = faceBase(down, shadeStyle_);
    face.caption = {text(), font().toString(), withResolvedColors(textOptions_),
                    resolveColor(fontColor_).rgba(), isEnabled()};
    face.glyph = glyphImage(down);
    face.glyphLayout = glyphLayout_;
    face.margin = margin_;
    face.spacing = spacing_;
    face.offsets = offsets_;
    face.focusRect = options_.testFlag(boFocusRect) && options_.testFlag(boFocusable) && hasFocus();
    return face;
}

void BitButton::offerPicture(ButtonFace face, std::shared_future<QImage> picture) {
    picture_ = Picture{std::move(face), std::move(picture)};
}

QImage BitButton::currentPicture() {
    ButtonFace face = faceFor(isDown());
    if (picture_ && picture_->face == face) {
        QImage image = picture_->image.get();
        if (!image.isNull()) return image;  // null: drawing it elsewhere failed
    }
    QImage image = drawButtonFace(face);
    std::promise<QImage> ready;
    ready.set_value(image);
    picture_ = Picture{std::move(face), ready.get_future().share()};
    return image;
}

QRegion BitButton::stateRegion(bool down) {
    if (const auto cached = cachedRegion(down)) return *cached;
    const QRegion region = createRegion(down);
    setCachedRegion(down, region);
    return region;
}

void BitButton::rebuildRegion() {
    regions_.forget();
    refreshRegion();
    update();
}

void BitButton::refreshRegion() {
    // A visible button's clicks must follow its outline at once.
    if (isVisible())
        applyRegion();
    else
        regions_.markMaskStale();
}

void BitButton::applyPendingRegion() {
    if (regions_.maskIsStale()) applyRegion();
}

void BitButton::applyRegion() {
    const QRegion region = usesRegion() ? stateRegion(isDown()) : QRegion();
    const auto before = regions_.recordCut(region, isDown(), size());
    // Uncover what the old outline hid and the new one no longer does.
    if (before && regionFollowsState() && parentWidget())
        parentWidget()->update((*before ^ region).translated(pos()));
    if (region.isEmpty())
        clearMask();
    else
        setMask(region);
}

bool BitButton::windowTakesInput() const {
    // A window with no focus anywhere in the program (no window manager) counts
    // as active; one whose focus is in another of the program's windows does not.
    return window()->isActiveWindow() || QGuiApplication::focusWindow() == nullptr;
}

bool BitButton::isInside(QPoint pos) {
    if (!windowTakesInput() || !rect().contains(pos)) return false;
    applyPendingRegion();
    return hitButton(pos);
}

bool BitButton::hitButton(const QPoint& pos) const {
    if (!windowTakesInput() || !rect().contains(pos)) return false;
    if (const QRegion shape = mask(); !shape.isEmpty() && !shape.contains(pos)) return false;
    if (const QWidget* parent = parentWidget()) return parent->childAt(mapToParent(pos)) == this;
    return true;
}

bool BitButton::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::Polish:  // final size, still hidden: cutting costs no repaint
        case QEvent::Show:    // a setter ran while hidden
            applyPendingRegion();
            break;
        case QEvent::Shortcut:  // the caption's accelerator
            if (isEnabled()) runClick();
            return true;
        case QEvent::WindowDeactivate:
        case QEvent::UngrabMouse:
        case QEvent::Hide:
            // Losing the mouse in the middle of a press ends it where the pointer is;
            // it clicks only if the window still has the focus.
            if (tracking_) releaseAt(mapFromGlobal(QCursor::pos()), window()->isActiveWindow());
            break;
        default:
            break;
    }
    return QAbstractButton::event(e);
}

void BitButton::paintEvent(QPaintEvent*) {
    // The down state may have been set from outside; the outline follows it here.
    if (regions_.maskIsStale() || (regionFollowsState() && !regions_.maskShows(isDown())))
        applyRegion();
    const QImage picture = currentPicture();
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

void BitButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    tracking_ = true;
    downAtPress_ = isDown();
    if (options_.testFlag(boFocusable)) setFocus(Qt::MouseFocusReason);
    setDownLook(true);
    emit pressed();
    e->accept();
}

void BitButton::mouseMoveEvent(QMouseEvent* e) {
    if (!tracking_ || !(e->buttons() & Qt::LeftButton)) {
        e->ignore();
        return;
    }
    const bool inside = isInside(e->position().toPoint());
    if ((inside && !isDown()) || (!inside && isDown() && !downAtPress_)) setDownLook(inside);
    e->accept();
}

void BitButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    releaseAt(e->position().toPoint(), true);
    e->accept();
}

void BitButton::mouseDoubleClickEvent(QMouseEvent* e) {
    // Qt hands a widget the second press of a double click as this event alone: it
    // is a press like any other. A press that arrived as well is not pressed twice.
    if (tracking_ && e->button() == Qt::LeftButton) {
        e->accept();
        return;
    }
    mousePressEvent(e);
}

void BitButton::releaseAt(QPoint pos, bool mayClick) {
    setDownLook(false);
    const bool clickIt = mayClick && tracking_ && isInside(pos);
    tracking_ = false;
    emit released();
    if (clickIt) runClick();
}

void BitButton::setDownLook(bool down) {
    if (isDown() == down) return;
    QAbstractButton::setDown(down);
    if (regionFollowsState()) applyRegion();
    repaint();
}

void BitButton::runClick() {
    emit clicked(isChecked());
    if (modalResult_ != 0)
        if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(modalResult_);
}

void BitButton::keyPressEvent(QKeyEvent* e) {
    const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (e->key() == Qt::Key_Space) {
        setDownLook(true);
        setDownLook(false);
        runClick();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && plain && hasFocus()) {
        runClick();
        return;
    }
    QWidget::keyPressEvent(e);  // everything else goes on to the window
}

void BitButton::keyReleaseEvent(QKeyEvent* e) {
    QWidget::keyReleaseEvent(e);
}

void BitButton::resizeEvent(QResizeEvent* e) {
    QAbstractButton::resizeEvent(e);
    // A hidden button hears of its size only when shown, maybe after its region
    // was already made for that size. The cache drops regions of another size.
    if (regions_.maskIsStale() || !regions_.maskFits(size())) refreshRegion();
    update();
}

void BitButton::enterEvent(QEnterEvent* e) {
    hot_ = true;
    emit mouseEntered();
    if (shadeStyle_ == ShadeStyle::ssFlat || numGlyphs_ == 4) update();
    QAbstractButton::enterEvent(e);
}

void BitButton::leaveEvent(QEvent* e) {
    hot_ = false;
    emit mouseLeft();
    if (shadeStyle_ == ShadeStyle::ssFlat || numGlyphs_ == 4) update();
    QAbstractButton::leaveEvent(e);
}

void BitButton::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange && !isEnabled()) {
        tracking_ = false;
        setDownLook(false);
    }
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange) update();
    QAbstractButton::changeEvent(e);
}

void BitButton::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void BitButton::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

QImage BitButton::glyphImage(bool down) const {
    if (glyph_.isNull()) return {};
    const int width = glyph_.width() / numGlyphs_;
    int index = 0;
    if (!isEnabled() && numGlyphs_ >= 2)
        index = 1;
    else if (down && numGlyphs_ >= 3)
        index = 2;
    else if (isHot() && numGlyphs_ >= 4)
        index = 3;
    QImage piece = glyph_.copy(index * width, 0, width, glyph_.height())
                       .convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = piece.pixel(0, piece.height() - 1);
    for (int y = 0; y < piece.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(piece.scanLine(y));
        for (int x = 0; x < piece.width(); ++x)
            if (sameRgb(line[x], transparent)) line[x] = 0;
    }
    return piece;
}

}  // namespace zhcalc::controls
