#include "app/mail_label.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>

#include "controls/colors.h"

namespace zhcalc {

QUrl mailLink(const QString& address) {
    static const QString kScheme = QStringLiteral("mailto:");
    if (address.left(kScheme.size()).compare(kScheme, Qt::CaseInsensitive) == 0) {
        return QUrl(address);
    }
    return QUrl(kScheme + address);
}

MailLabel::MailLabel(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
}

void MailLabel::setText(const QString& text) {
    text_ = text;
    update();
}

void MailLabel::openLink() const {
    QDesktopServices::openUrl(mailLink(address_));
}

void MailLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    const auto draw = [&](int dx, int dy, const QColor& color) {
        p.setPen(color);
        p.drawText(rect().translated(dx, dy), Qt::AlignLeft | Qt::AlignTop, text_);
    };
    draw(1, 1, controls::resolveColor(controls::clBtnShadow));
    draw(-1, -1, controls::resolveColor(controls::clBtnHighlight));
    draw(0, 0, controls::resolveColor(isEnabled() ? controls::clHotLight : controls::clGrayText));
}

void MailLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void MailLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) openLink();
}

// The second press of a double click starts no new click.
void MailLabel::mouseDoubleClickEvent(QMouseEvent*) {
    pressed_ = false;
}

}  // namespace zhcalc
