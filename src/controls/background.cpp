#include "controls/background.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>

#include "controls/store_if_changed.h"

namespace zhcalc::controls {

CustomBackGround::CustomBackGround(QWidget* parent, bool fillsParent)
    : QWidget(parent), fillsParent_(fillsParent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents, fillsParent);
    fill_ = findFill(u"(ColorFill)");
    attachToParent();
}

CustomBackGround::~CustomBackGround() {
    detachFromParent();
}

QString CustomBackGround::fillType() const {
    return fill_ != nullptr ? fill_->name : QString();
}

void CustomBackGround::setFillType(const QString& name) {
    const GraphicFill* fill = findFill(name);
    if (fill == nullptr || fill == fill_) return;
    fill_ = fill;
    // "(None)" paints nothing, so the parent must show through.
    setAttribute(Qt::WA_OpaquePaintEvent, fill_->name != QStringLiteral("(None)"));
    invalidateCache();
}

void CustomBackGround::setFillColorLight(ColorValue c) {
    if (storeIfChanged(light_, c)) invalidateCache();
}

void CustomBackGround::setFillColorDark(ColorValue c) {
    if (storeIfChanged(dark_, c)) invalidateCache();
}

void CustomBackGround::setFillColorNormal(ColorValue c) {
    if (storeIfChanged(normal_, c)) invalidateCache();
}

void CustomBackGround::setFillBitmap(const QImage& picture) {
    bitmap_ = picture;
    invalidateCache();
}

void CustomBackGround::setFillCached(bool on) {
    if (!storeIfChanged(cached_, on)) return;
    if (cached_) {
        rebuildCache();
        cacheInvalid_ = false;
    } else {
        cache_.clear();
        cacheInvalid_ = true;
    }
    update();
}

void CustomBackGround::setFillsParent(bool on) {
    if (!storeIfChanged(fillsParent_, on)) return;
    setAttribute(Qt::WA_TransparentForMouseEvents, on);
    detachFromParent();
    attachToParent();
}

FillColors CustomBackGround::resolvedColors() const {
    return {resolveColor(normal_), resolveColor(light_), resolveColor(dark_)};
}

void CustomBackGround::invalidateCache() {
    cacheInvalid_ = true;
    update();
}

void CustomBackGround::rebuildCache() {
    cache_.rebuild(size(), fill_, resolvedColors(), &bitmap_);
}

void CustomBackGround::drawFillInto(QImage& target) const {
    if (fill_ != nullptr) drawFill(target, *fill_, resolvedColors(), &bitmap_);
}

void CustomBackGround::drawBackground(QPainter& painter) {
    if (cached_) {
        if (cacheInvalid_ || cache_.isNull()) rebuildCache();
        if (!cache_.isNull()) painter.drawImage(QPoint(0, 0), cache_.image(), rect());
    } else if (width() > 0 && height() > 0) {
        // Drawn off-screen first so the screen gets the finished picture in one copy.
        QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        drawFillInto(picture);
        painter.drawImage(QPoint(0, 0), picture);
    }
    cacheInvalid_ = false;
}

void CustomBackGround::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawBackground(painter);
}

void CustomBackGround::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (cached_ && cache_.outgrownBy(event->size(), fill_ != nullptr && fill_->sizeDependent))
        cacheInvalid_ = true;
}

void CustomBackGround::changeEvent(QEvent* event) {
    // The desktop scheme changed: system colours may now resolve differently.
    if (event->type() == QEvent::PaletteChange) invalidateCache();
    QWidget::changeEvent(event);
}

bool CustomBackGround::event(QEvent* event) {
    if (event->type() == QEvent::ParentAboutToChange) detachFromParent();
    if (event->type() == QEvent::ParentChange) attachToParent();
    return QWidget::event(event);
}

bool CustomBackGround::eventFilter(QObject* watched, QEvent* event) {
    if (watched == hookedParent_) {
        if (event->type() == QEvent::Resize) followParent();
        if (event->type() == QEvent::ChildAdded) lower();
    }
    return QWidget::eventFilter(watched, event);
}

void CustomBackGround::attachToParent() {
    QWidget* parent = parentWidget();
    if (!fillsParent_ || parent == nullptr || parent == hookedParent_) return;
    hookedParent_ = parent;
    parent->installEventFilter(this);
    followParent();
    lower();
}

void CustomBackGround::followParent() {
    if (hookedParent_ != nullptr) setGeometry(hookedParent_->rect().marginsRemoved(parentMargins_));
}

void CustomBackGround::setParentMargins(const QMargins& margins) {
    parentMargins_ = margins;
    followParent();
}

void CustomBackGround::detachFromParent() {
    if (hookedParent_ != nullptr) hookedParent_->removeEventFilter(this);
    hookedParent_ = nullptr;
}

}  // namespace zhcalc::controls
