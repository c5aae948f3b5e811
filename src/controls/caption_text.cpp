#include "controls/caption_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

namespace zhcalc::controls {

namespace {

QStringList captionLines(const QString& caption) {
    QString text = caption;
    text.replace("\r\n", "\n");
    return text.split('\n');
}

int textFlags(const CaptionText& options) {
    int flags = Qt::AlignTop | Qt::TextDontClip;
    if (options.showAccel) flags |= Qt::TextShowMnemonic;
    switch (options.alignment) {
        case TextAlignment::taLeftJustify:
            return flags | Qt::AlignLeft;
        case TextAlignment::taRightJustify:
            return flags | Qt::AlignRight;
        case TextAlignment::taCenter:
            break;
    }
    return flags | Qt::AlignHCenter;
}

// Width of a line as drawn, without the accelerator marks.
int lineWidth(const QFontMetrics& metrics, const QString& line, const CaptionText& options) {
    return metrics.boundingRect(QRect(), textFlags(options), line).width();
}

int lineHeight(const QFontMetrics& metrics, const CaptionText& options) {
    return metrics.boundingRect(QRect(), Qt::AlignTop, QStringLiteral("AgTpjW")).height() +
           options.lineSpacing;
}

// The block's width and the distance between line tops; each is measured once,
// since laying out text is the costly part of drawing a caption.
struct BlockMetrics {
    QSize size;
    int lineStep;
};

BlockMetrics measureBlock(const QStringList& lines, const QFont& font, const CaptionText& options) {
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, lineWidth(metrics, line, options));
    const int step = lineHeight(metrics, options);
    const int textHeight = step - options.lineSpacing;
    return {{width, textHeight + static_cast<int>(lines.size() - 1) * step}, step};
}

QColor darkened(QColor c) {
    return QColor(c.red() / 4, c.green() / 4, c.blue() / 4);
}

// Colour of layer `index` (1 = farthest) of `count` extruded layers.
QColor layerColor(const ExtrudeEffects& extrude, int index, int count) {
    const QColor far = resolveColor(extrude.farColor);
    const QColor near = resolveColor(extrude.nearColor);
    const auto mix = [&](int a, int b) {
        return count <= 1 ? b : a + (b - a) * (index - 1) / (count - 1);
    };
    QColor color(mix(far.red(), near.red()), mix(far.green(), near.green()),
                 mix(far.blue(), near.blue()));
    if (extrude.striated && index % 2 == 0) color = darkened(color);
    return color;
}

}  // namespace

QPoint extrudeStep(ExtrudeOrientation orientation) {
    switch (orientation) {
        case ExtrudeOrientation::eoTopLeft:
            return {1, 1};
        case ExtrudeOrientation::eoTopRight:
            return {-1, 1};
        case ExtrudeOrientation::eoBottomLeft:
            return {1, -1};
        case ExtrudeOrientation::eoBottomRight:
            return {-1, -1};
        case ExtrudeOrientation::eoTop:
            return {0, 1};
        case ExtrudeOrientation::eoRight:
            return {-1, 0};
        case ExtrudeOrientation::eoLeft:
            return {1, 0};
        case ExtrudeOrientation::eoBottom:
            return {0, -1};
    }
    return {0, 0};
}

QSize captionBlockSize(const QString& caption, const QFont& font, const CaptionText& options) {
    if (caption.isEmpty()) return {0, 0};
    return measureBlock(captionLines(caption), font, options).size;
}

void drawCaption(QPainter& painter, QPoint topLeft, const QString& caption, const QFont& font,
                 const CaptionText& options, QColor fontColor, bool enabled) {
    if (caption.isEmpty()) return;
    const QStringList lines = captionLines(caption);
    const BlockMetrics measured = measureBlock(lines, font, options);
    const QSize block = measured.size;
    const int step = measured.lineStep;
    const int flags = textFlags(options);
    painter.save();
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    const auto drawAt = [&](QPoint origin, const QColor& color) {
        painter.setPen(color);
        for (qsizetype i = 0; i < lines.size(); ++i)
            painter.drawText(
                QRect(origin.x(), origin.y() + static_cast<int>(i) * step, block.width(), step),
                flags, lines[i]);
    };

    if (!enabled) {
        drawAt(topLeft + QPoint(1, 1), resolveColor(options.disabledColors.highlightColor));
        drawAt(topLeft, resolveColor(options.disabledColors.shadeColor));
        painter.restore();
        return;
    }

    QPoint origin = topLeft;
    const ExtrudeEffects& extrude = options.extrude;
    if (extrude.enabled && extrude.depth > 0) {
        const QPoint s = extrudeStep(extrude.orientation);
        const int n = extrude.depth;
        const int halfX = (n * std::abs(s.x())) / 2;
        const int halfY = (n * std::abs(s.y())) / 2;
        origin += QPoint(halfX, halfY);
        origin += QPoint(-halfX * s.x(), -halfY * s.y());
        for (int layer = 1; layer <= n; ++layer) {
            origin += s;
            drawAt(origin, layerColor(extrude, layer, n));
        }
    }
    if (options.shadow.enabled)
        drawAt(origin + QPoint(options.shadow.xOffset, options.shadow.yOffset),
               resolveColor(options.shadow.color));
    const QColor highlight = resolveColor(options.highlightColor);
    const QColor shade = resolveColor(options.shadeColor);
    switch (options.style) {
        case CaptionStyle::csDefault:
            break;
        case CaptionStyle::csLowered:
            drawAt(origin + QPoint(-1, -1), shade);
            drawAt(origin + QPoint(1, 1), highlight);
            break;
        case CaptionStyle::csRaised:
            drawAt(origin + QPoint(-1, -1), highlight);
            drawAt(origin + QPoint(1, 1), shade);
            break;
        case CaptionStyle::csOutline:
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (dx != 0 || dy != 0) drawAt(origin + QPoint(dx, dy), shade);
            break;
    }
    drawAt(origin, fontColor);
    painter.restore();
}

}  // namespace zhcalc::controls
