#include "about/credits_drawing.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace zhcalc::about {
namespace {

QStringList splitLines(const QString& entry) {
    QString text = entry;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.split(QLatin1Char('\n'));
}

// Width (widest line + 2) and height (sum of line heights) of one entry.
QSize measureBlock(const QFontMetrics& metrics, const QString& entry) {
    int width = 0;
    int height = 0;
    for (const QString& line : splitLines(entry)) {
        width = std::max(width, metrics.horizontalAdvance(line));
        height += metrics.height();
    }
    return {width + 2, height};
}

void drawTextAt(QPainter& painter, const QFontMetrics& metrics, int x, int y, const QColor& color,
                const QString& text) {
    painter.setPen(color);
    painter.drawText(x, y + metrics.ascent(), text);
}

}  // namespace

int centredTextLeft(int x, int width, int textWidth) {
    const int difference = width - textWidth;
    // Halves are the only ties; they go to the even neighbour.
    int half = difference / 2;
    if (difference % 2 != 0 && half % 2 != 0) half += difference > 0 ? 1 : -1;
    return x + half;
}

QSize measureSection(CreditSection& section) {
    if (section.measuredSize() != QSize(0, 0)) return section.measuredSize();

    QSize header(0, 0);
    if (!section.header().isEmpty())
        header = measureBlock(QFontMetrics(section.headerFont().font), section.header());

    const QFontMetrics bodyMetrics(section.bodyFont().font);
    const int columns = section.colCount();
    int widestColumn = 0;
    int tallestColumn = 0;
    for (int k = 0; k < columns; ++k) {
        int columnWidth = 0;
        int columnHeight = 0;
        for (int i = k; i < section.body().size(); i += columns) {
            const QSize block = measureBlock(bodyMetrics, section.body()[i]);
            columnWidth = std::max(columnWidth, block.width());
            columnHeight += block.height();
        }
        widestColumn = std::max(widestColumn, columnWidth);
        tallestColumn = std::max(tallestColumn, columnHeight);
    }
    const int bodyWidth = section.colSpace() * (columns - 1) + widestColumn * columns;

    const QSize size(std::max(header.width(), bodyWidth), header.height() + tallestColumn);
    section.setMeasuredSize(size);
    return size;
}

void drawCreditLine(QPainter& painter, const CreditFont& font, int x, int y, int width,
                    CreditTextEffect effect, const QString& text) {
    painter.setFont(font.font);
    const QFontMetrics metrics = painter.fontMetrics();
    const int left = centredTextLeft(x, width, metrics.horizontalAdvance(text));
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    if (effect == CreditTextEffect::cteRaised) {
        drawTextAt(painter, metrics, left, y, white, text);
        drawTextAt(painter, metrics, left + 2, y + 2, black, text);
    } else if (effect == CreditTextEffect::cteLowered) {
        drawTextAt(painter, metrics, left, y, black, text);
        drawTextAt(painter, metrics, left + 2, y + 2, white, text);
    }
    drawTextAt(painter, metrics, left + 1, y + 1, font.color, text);
}

void drawSection(QPainter& painter, const CreditSection& section, int y, int width) {
    const int columns = section.colCount();
    const int space = section.colSpace();
    const int columnWidth = (width - space * (columns - 1)) / columns;

    int headerHeight = 0;
    if (!section.header().isEmpty()) {
        drawCreditLine(painter, section.headerFont(), 0, y, width, section.headerTextEffect(),
                       section.header());
        headerHeight = QFontMetrics(section.headerFont().font).height();
    }

    const int lineHeight = QFontMetrics(section.bodyFont().font).height();
    for (int k = 0; k < columns; ++k) {
        const int x = k * (columnWidth + space);
        int row = y + headerHeight;
        for (int i = k; i < section.body().size(); i += columns) {
            for (const QString& line : splitLines(section.body()[i])) {
                drawCreditLine(painter, section.bodyFont(), x, row, columnWidth,
                               section.bodyTextEffect(), line);
                row += lineHeight;
            }
        }
    }
}

QImage buildTextBitmap(CreditSections& sections, QColor key) {
    int width = 0;
    int height = 0;
    for (int i = 0; i < sections.count(); ++i) {
        const QSize size = measureSection(sections[i]);
        width = std::max(width, size.width());
        height += size.height() + sections.sectionSpace();
    }

    QImage text(width, height + 10, QImage::Format_RGB32);
    text.fill(key);
    if (!text.isNull()) {
        QPainter painter(&text);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setBackgroundMode(Qt::TransparentMode);
        int y = 0;
        for (int i = 0; i < sections.count(); ++i) {
            drawSection(painter, sections[i], y, width);
            y += measureSection(sections[i]).height() + sections.sectionSpace();
        }
        height = y;
    }
    sections.setTotals(width, height);
    return text;
}

}  // namespace zhcalc::about
