#include "controls/switch_pictures.h"

namespace zhcalc::controls {

namespace {

int floorHalf(int v) {
    return v >= 0 ? v / 2 : -((-v + 1) / 2);
}

QRgb transparentColorOf(const QImage& picture) {
    return picture.pixel(0, picture.height() - 1) | 0xFF000000u;
}

}  // namespace

SwitchLayout switchLayout(const QRect& client, QSize picture, TextPosition position) {
    const int w = picture.width(), h = picture.height();
    const int centredX = client.left() + (client.width() - w) / 2;
    const int centredY = client.top() + (client.height() - h) / 2;
    QRect text = client;
    QPoint at;
    switch (position) {
        case TextPosition::tpNone:
            at = {centredX, centredY};
            break;
        case TextPosition::tpLeft:
            at = {client.left() + client.width() - w, centredY};
            text.setRight(text.right() - w);
            break;
        case TextPosition::tpRight:
            at = {client.left(), centredY};
            text.setLeft(text.left() + w);
            break;
        case TextPosition::tpAbove:
            at = {centredX, client.top() + client.height() - h};
            text.setBottom(text.bottom() - h);
            break;
        case TextPosition::tpBelow:
            at = {centredX, client.top()};
            text.setTop(text.top() + h);
            break;
    }
    return {at, text};
}

QRect switchTextLine(const QRect& textArea, int lineHeight) {
    // Edges as the platform counts them: bottom is one past the last row.
    const int top = floorHalf(textArea.top() + (textArea.bottom() + 1) - lineHeight);
    return {textArea.left(), top, textArea.width(), lineHeight};
}

QImage replaceTransparentColor(const QImage& picture, QColor background) {
    if (picture.isNull()) return {};
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparentColorOf(source);
    const QRgb fill = background.rgb();
    QImage result(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            out[x] = in[x] == key ? fill : in[x];
    }
    return result;
}

QImage disabledPicture(const QImage& picture, QColor highlight, QColor shadow) {
    if (picture.isNull()) return {};
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparentColorOf(source);
    QImage result(source.size(), QImage::Format_RGB32);
    result.fill(key);
    for (int pass = 0; pass < 2; ++pass) {
        const int shift = pass == 0 ? 1 : 0;
        const QRgb colour = (pass == 0 ? highlight : shadow).rgb();
        for (int y = 0; y + shift < source.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            auto* out = reinterpret_cast<QRgb*>(result.scanLine(y + shift));
            for (int x = 0; x + shift < source.width(); ++x)
                if ((in[x] | 0xFF000000u) != key && qGray(in[x]) < 192) out[x + shift] = colour;
        }
    }
    return result;
}

}  // namespace zhcalc::controls
