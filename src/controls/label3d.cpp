#include "controls/label3d.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "controls/accessibility/accessible_events.h"
#include "controls/fonts.h"
#include "controls/store_if_changed.h"
#include "engine/cp1251.h"

namespace zhcalc::controls {

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;

Label3D* gTagHolder = nullptr;

int trunc(double v) {
    return static_cast<int>(v);
}

}  // namespace

QPoint label3DTextOrigin(QSize box, QSize text, int angleDegrees, TextAlignment alignment) {
    const double c = std::cos(angleDegrees * kDegreesToRadians);
    const double s = std::sin(angleDegrees * kDegreesToRadians);
    const int tw = text.width(), th = text.height();
    const int cx = box.width() / 2, cy = box.height() / 2;
    int x = 0;
    switch (alignment) {
        case TextAlignment::taLeftJustify:
            x = 0;
            break;
        case TextAlignment::taRightJustify:
            x = box.width() - tw;
            break;
        case TextAlignment::taCenter:
            x = cx - trunc(tw / 2.0 * c) - trunc(th / 2.0 * s);
            break;
    }
    const int y = cy + trunc(tw / 2.0 * s) - trunc(th / 2.0 * c);
    return {x, y};
}

QPolygon label3DBackPlate(QSize box, QSize text, int angleDegrees) {
    const double c = std::cos(angleDegrees * kDegreesToRadians);
    const double s = std::sin(angleDegrees * kDegreesToRadians);
    const int cx = box.width() / 2, cy = box.height() / 2;
    const double w = (text.width() + 10) / 2.0, h = (text.height() + 7) / 2.0;
    QPolygon plate;
    plate << QPoint(cx - trunc(w * c) - trunc(h * s), cy + trunc(w * s) - trunc(h * c))
          << QPoint(cx + trunc(w * c) - trunc(h * s), cy - trunc(w * s) - trunc(h * c))
          << QPoint(cx + trunc(w * c) + trunc(h * s), cy - trunc(w * s) + trunc(h * c))
          << QPoint(cx - trunc(w * c) + trunc(h * s), cy + trunc(w * s) + trunc(h * c));
    return plate;
}

ReliefOffsets reliefOffsets(Effect3D style) {
    switch (style) {
        case Effect3D::A3dResit:
            return {1, -1};
        case Effect3D::A3dRaised:
            return {-1, 1};
        default:
            return {0, 0};
    }
}

Label3D::Label3D(QWidget* parent) : QWidget(parent), style_(new LabelStyle(this)) {
    setFont(makeFont({QStringLiteral("Arial"), -11, fsBold, clWindowText}));
    connect(style_, &LabelStyle::changed, this, qOverload<>(&QWidget::update));
}

Label3D::~Label3D() {
    if (gTagHolder == this) gTagHolder = nullptr;
}

void Label3D::setCaption(std::string_view cp1251) {
    if (cp1251 == caption_) return;
    caption_.assign(cp1251);
    const QString before =
        std::exchange(captionText_, QString::fromStdString(cp1251ToUtf8(caption_)));
    update();
    accessibility::announceTextChange(this, before, captionText_);
}

void Label3D::setCaptionText(const QString& text) {
    setCaption(utf8ToCp1251(text.toStdString()));
}

void Label3D::setFontColor(ColorValue c) {
    if (storeIfChanged(fontColor_, c)) update();
}

void Label3D::setAlignment(TextAlignment a) {
    alignment_ = a;
    update();
}

void Label3D::setColor(ColorValue c) {
    if (storeIfChanged(color_, c)) update();
}

void Label3D::setMyTransparent(bool on) {
    myTransparent_ = on;
    update();
}

void Label3D::setTag(int tag) {
    if (tag == -1) {
        if (gTagHolder != nullptr && gTagHolder != this) gTagHolder->tag_ = 0;
        gTagHolder = this;
    } else if (gTagHolder == this) {
        gTagHolder = nullptr;
    }
    tag_ = tag;
}

Label3D* Label3D::tagHolder() {
    return gTagHolder;
}

void Label3D::assign(const Label3D& other) {
    caption_ = other.caption_;
    captionText_ = other.captionText_;
    style_->assign(*other.style_);
    setFont(other.font());
    fontColor_ = other.fontColor_;
    setGeometry(other.geometry());
    myTransparent_ = other.myTransparent_;
    update();
}

QImage Label3D::picture() {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (image.isNull()) return image;

    const int angle = style_->angle();
    // An opaque label shows a plate instead of a relief (and keeps that choice).
    if (!myTransparent_ && style_->style3D() != Effect3D::A3dNormal)
        style_->setStyle3D(Effect3D::A3dNormal);
    const ReliefOffsets relief = reliefOffsets(style_->style3D());
    // An empty see-through label shows nothing: no reason to load its font (the
    // display starts empty, and its face is costly to open).
    if (myTransparent_ && captionText_.isEmpty()) return image;

    const QFontMetrics metrics(font());
    const QSize text(metrics.horizontalAdvance(captionText_), metrics.height());
    const QPoint origin = label3DTextOrigin(size(), text, angle, alignment_);

    QPainter p(&image);
    p.setFont(font());
    if (!myTransparent_) {
        p.setPen(QPen(resolveColor(clBlack), 0));
        p.setBrush(resolveColor(color_));
        p.drawPolygon(label3DBackPlate(size(), text, angle));
    }
    const auto drawCopy = [&](QPoint at, ColorValue color) {
        p.save();
        p.translate(at);
        p.rotate(-angle);
        p.setPen(resolveColor(color));
        p.drawText(0, metrics.ascent(), captionText_);
        p.restore();
    };
    switch (style_->style3D()) {
        case Effect3D::A3dResit:
        case Effect3D::A3dRaised:
            drawCopy(origin + QPoint(relief.first, relief.first), style_->shadeLeftTop());
            drawCopy(origin + QPoint(relief.second, relief.second), style_->shadeRightBottom());
            break;
        case Effect3D::A3dShadowed:
            drawCopy(origin + QPoint(style_->hShadeOffset(), style_->vShadeOffset()),
                     style_->shadeRightBottom());
            break;
        case Effect3D::A3dNormal:
            break;
    }
    drawCopy(origin, fontColor_);
    return image;
}

void Label3D::paintEvent(QPaintEvent*) {
    const QImage image = picture();
    QPainter p(this);
    p.drawImage(QPoint(0, 0), image);
}

void Label3D::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    QWidget::mousePressEvent(event);
}

void Label3D::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) pressed_ = false;
    if (click) emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void Label3D::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        emit doubleClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}

void Label3D::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) update();
    QWidget::changeEvent(event);
}

}  // namespace zhcalc::controls
