#include "about/credits.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cstdlib>

#include "about/credits_drawing.h"

namespace zhcalc::about {

namespace {
constexpr std::chrono::milliseconds kDefaultInterval{20};
}

CustomCredits::CustomCredits(QWidget* parent)
    : controls::CustomBackGround(parent), sections_([this] { contentChanged(); }) {
    // A control of its own size, composing its frames on the cached fill.
    setFillsParent(false);
    setFillCached(true);
    timer_ = std::make_unique<ThreadTimer>([this] { timerTick(); }, kDefaultInterval);
}

CustomCredits::~CustomCredits() {
    timer_.reset();
}

int CustomCredits::maxPosition() const {
    const CreditsPath current = path();
    return std::abs(current.end - current.begin) + sections_.totalHeight();
}

void CustomCredits::setCreditsPosition(int position) {
    moveCredits(position, false);
}

void CustomCredits::moveCredits(int position, bool paintNow) {
    const PositionChange change = applyCreditsPosition(position_, position, maxPosition(), mode_);
    if (!change.changed) return;
    position_ = change.position;
    if (change.stopTimer) timer_->setEnabled(false);
    if (change.reachedEnd) {
        rebuildTextBitmap();
        emit creditsEnded();
        update();
        return;
    }
    // Only where the text was or now is does the picture change; repainting just
    // that keeps a scrolling window cheap.
    const QRect changed = shownTextArea_ | textArea();
    // A tick paints at once: a deferred update would cost the event loop another
    // wake-up and pass per tick.
    if (paintNow)
        repaint(changed);
    else
        update(changed);
}

QRect CustomCredits::textArea() const {
    return frameTextArea(composer_.text().size(), path(), position_, size());
}

void CustomCredits::setTimerEnabled(bool enabled) {
    if (enabled && !creditsTimerMayRun(position_, maxPosition(), mode_)) return;
    timer_->setEnabled(enabled);
}

void CustomCredits::setTimerInterval(unsigned milliseconds) {
    timer_->setInterval(std::chrono::milliseconds(milliseconds));
}

int CustomCredits::clampToPath(int row) const {
    const int low = std::min(path_.begin, path_.end);
    return std::clamp(row, low, std::max(path_.begin, path_.end));
}

CreditsPath CustomCredits::path() const {
    takeFirstSizing();
    return path_;
}

void CustomCredits::takeFirstSizing() const {
    // The size is known as soon as the geometry is set, even before the deferred
    // resize event of a hidden control arrives.
    if (firstSizingPending_ && width() > 0 && height() > 0) {
        firstSizingPending_ = false;
        path_ = defaultCreditsPath(height());
    }
}

void CustomCredits::setPathBegin(int row) {
    takeFirstSizing();
    path_.begin = std::clamp(row, 0, height());
}

void CustomCredits::setPathEnd(int row) {
    takeFirstSizing();
    path_.end = std::clamp(row, 0, height());
}

void CustomCredits::setPathRiseTo(int row) {
    takeFirstSizing();
    path_.riseTo = clampToPath(row);
}

void CustomCredits::setPathFallFrom(int row) {
    takeFirstSizing();
    path_.fallFrom = clampToPath(row);
}

void CustomCredits::timerTick() {
    moveCredits(mode_.backward ? position_ - 1 : position_ + 1, true);
    emit timerTicked();
}

QColor CustomCredits::keyColor() const {
    return controls::resolveColor(fillColorNormal());
}

void CustomCredits::rebuildTextBitmap() {
    if ((position_ <= minPosition() || position_ >= maxPosition()) && !plain_.isNull() &&
        plain_.size() == cache().size()) {
        // Start or end of the scroll: no text on the picture.
        cache().image() = plain_;
        composer_.restoreAll();
    }
    if (position_ >= maxPosition()) {
        composer_.setText(QImage(), keyColor());
        return;
    }
    composer_.setText(buildTextBitmap(sections_, keyColor()), keyColor());
}

void CustomCredits::contentChanged() {
    rebuildTextBitmap();
    update();
}

void CustomCredits::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (isCacheInvalid() || cache().isNull()) {
        // A fresh background: shown without text this once.
        drawBackground(painter);
        plain_ = cache().image().copy();
        composer_.restoreAll();
        rebuildTextBitmap();
        return;
    }
    composer_.compose(cache().image(), plain_, path(), position_, size());
    shownTextArea_ = textArea();
    drawBackground(painter);
}

void CustomCredits::resizeEvent(QResizeEvent* event) {
    controls::CustomBackGround::resizeEvent(event);
    takeFirstSizing();
}

void CustomCredits::changeEvent(QEvent* event) {
    controls::CustomBackGround::changeEvent(event);
    if (event->type() == QEvent::FontChange) contentChanged();
}

}  // namespace zhcalc::about
