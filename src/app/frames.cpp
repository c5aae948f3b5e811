#include "app/frames.h"

#include <QPainter>

#include "controls/colors.h"

namespace zhcalc {
namespace {

using controls::resolveColor;

// Draws the one-pixel edges of `r` (inclusive coordinates): `topLeft` on the top
// and left, `bottomRight` on the bottom and right.
void drawEdges(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(r.left(), r.bottom(), r.left(), r.top());
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.setPen(bottomRight);
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
}

// How far left of a band's control its grip starts, and the grip's width.
constexpr int kBandIndent = 11;
constexpr int kGripOffset = 3;

}  // namespace

Bevel::Bevel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawEdges(p, rect(), resolveColor(controls::clBtnShadow),
              resolveColor(controls::clBtnHighlight));
}

LoweredPanel::LoweredPanel(QWidget* parent) : QWidget(parent) {}

void LoweredPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), resolveColor(controls::clBtnFace));
    drawEdges(p, rect(), resolveColor(controls::clBtnShadow),
              resolveColor(controls::clBtnHighlight));
}

ControlBar::ControlBar(QWidget* parent) : QWidget(parent) {}

void ControlBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), resolveColor(controls::clBtnFace));
    const QColor light = resolveColor(controls::clBtnHighlight);
    const QColor shadow = resolveColor(controls::clBtnShadow);
    for (const QObject* child : children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget == nullptr || widget->isHidden()) continue;
        const QRect g = widget->geometry();
        // The band: from the grip to just right of the control, the bar's height.
        const QRect band(g.left() - kBandIndent + 2, 0, g.width() + kBandIndent, height());
        drawEdges(p, band, light, shadow);
        const int gx = band.left() + kGripOffset;
        drawEdges(p, QRect(gx, 3, 2, height() - 7), light, shadow);
    }
}

}  // namespace zhcalc
