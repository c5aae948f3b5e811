#include "controls/fills.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "controls/fill_patterns.h"

namespace zhcalc::controls {

namespace {

void fillSolid(QImage& target, const QRect& rect, const QColor& color) {
    QPainter p(&target);
    p.fillRect(rect, color);
}

void colorFill(QImage& target, const QRect& rect, const FillColors& colors, const QImage*) {
    fillSolid(target, rect, colors.normal);
}

void noFill(QImage&, const QRect&, const FillColors&, const QImage*) {}

bool hasPicture(const QImage* bitmap) {
    return bitmap != nullptr && !bitmap->isNull();
}

void bitmapCenter(QImage& target, const QRect& rect, const FillColors& colors,
                  const QImage* bitmap) {
    if (!hasPicture(bitmap)) return fillSolid(target, rect, colors.normal);
    const int x = rect.width() / 2 - bitmap->width() / 2;
    const int y = rect.height() / 2 - bitmap->height() / 2;
    const QRect picture(rect.left() + x, rect.top() + y, bitmap->width(), bitmap->height());
    QPainter p(&target);
    p.setClipRect(rect);
    // Only the margins get the normal colour, so the picture is copied once.
    const QRegion margins = QRegion(rect).subtracted(QRegion(picture));
    for (const QRect& r : margins)
        p.fillRect(r, colors.normal);
    p.drawImage(picture.topLeft(), *bitmap);
}

void bitmapStretch(QImage& target, const QRect& rect, const FillColors& colors,
                   const QImage* bitmap) {
    if (!hasPicture(bitmap)) return fillSolid(target, rect, colors.normal);
    QPainter p(&target);
    p.drawImage(rect, *bitmap);
}

void bitmapTile(QImage& target, const QRect& rect, const FillColors& colors, const QImage* bitmap) {
    if (!hasPicture(bitmap)) return fillSolid(target, rect, colors.normal);
    QPainter p(&target);
    p.setClipRect(rect);
    for (int y = rect.top(); y <= rect.bottom(); y += bitmap->height())
        for (int x = rect.left(); x <= rect.right(); x += bitmap->width())
            p.drawImage(x, y, *bitmap);
}

void gradientHorz(QImage& target, const QRect& rect, const FillColors& colors, const QImage*) {
    gradientFill(target, rect, colors.light, colors.dark, GradientDirection::Horizontal);
}

void gradientVert(QImage& target, const QRect& rect, const FillColors& colors, const QImage*) {
    gradientFill(target, rect, colors.light, colors.dark, GradientDirection::Vertical);
}

std::vector<GraphicFill> buildRegistry() {
    std::vector<GraphicFill> fills = {
        {QStringLiteral("(ColorFill)"), colorFill, false, false},
        {QStringLiteral("(None)"), noFill, false, false},
        {QStringLiteral("(BitmapCenter)"), bitmapCenter, true, true},
        {QStringLiteral("(BitmapStretch)"), bitmapStretch, true, true},
        {QStringLiteral("(BitmapTile)"), bitmapTile, false, true},
        {QStringLiteral("GradientHorz"), gradientHorz, true, false},
        {QStringLiteral("GradientVert"), gradientVert, true, false},
    };
    for (const PatternFill& pattern : patternFills())
        fills.push_back({pattern.name, pattern.draw, pattern.sizeDependent, false});
    std::stable_sort(fills.begin(), fills.end(), [](const GraphicFill& a, const GraphicFill& b) {
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
    return fills;
}

}  // namespace

void gradientFill(QImage& target, const QRect& rect, QColor a, QColor b,
                  GradientDirection direction) {
    const int w = rect.width();
    const int h = rect.height();
    if (w <= 0 || h <= 0) return;
    const int ar = a.red(), ag = a.green(), ab = a.blue();
    const int dr = b.red() - ar, dg = b.green() - ag, db = b.blue() - ab;
    const int bands = std::max({std::abs(dr), std::abs(dg), std::abs(db)}) + 1;
    const bool vertical = direction == GradientDirection::Vertical;
    const int length = vertical ? h : w;
    const int thickness = length / bands + 1;

    QPainter p(&target);
    p.setClipRect(rect);
    for (int i = 0; i < bands; ++i) {
        const int start = i * thickness;
        if (start >= length) break;  // later bands fall outside the rectangle
        const QColor band((ar + (i * (thickness * dr)) / length) & 0xFF,
                          (ag + (i * (thickness * dg)) / length) & 0xFF,
                          (ab + (i * (thickness * db)) / length) & 0xFF);
        const QRect r = vertical ? QRect(rect.left(), rect.top() + start, w, thickness)
                                 : QRect(rect.left() + start, rect.top(), thickness, h);
        p.fillRect(r, band);
    }
}

const std::vector<GraphicFill>& fillRegistry() {
    static const std::vector<GraphicFill> registry = buildRegistry();
    return registry;
}

const GraphicFill* findFill(QStringView name) {
    const auto& fills = fillRegistry();
    const auto it =
        std::lower_bound(fills.begin(), fills.end(), name, [](const GraphicFill& f, QStringView n) {
            return QStringView(f.name).compare(n, Qt::CaseInsensitive) < 0;
        });
    if (it == fills.end() || QStringView(it->name).compare(name, Qt::CaseInsensitive) != 0)
        return nullptr;
    return &*it;
}

void drawFill(QImage& target, const GraphicFill& fill, const FillColors& colors,
              const QImage* bitmap) {
    if (target.isNull()) return;
    fill.draw(target, target.rect(), colors, fill.usesBitmap ? bitmap : nullptr);
}

bool renderFill(QImage& target, QStringView fillName, const FillColors& colors,
                const QImage* bitmap) {
    const GraphicFill* fill = findFill(fillName);
    if (fill == nullptr) return false;
    drawFill(target, *fill, colors, bitmap);
    return true;
}

}  // namespace zhcalc::controls
