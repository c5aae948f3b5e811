#include "controls/fill_patterns.h"

#include <QImage>
#include <algorithm>
#include <cstdlib>

namespace zhcalc::controls {

namespace {

// A pattern names, for each pixel, which of the three colours it takes.
enum Shade { Normal = 0, Light = 1, Dark = 2 };
using ShadeFunction = Shade (*)(int x, int y, int w, int h);

template <ShadeFunction shadeOf>
void drawPattern(QImage& target, const QRect& rect, const FillColors& colors, const QImage*) {
    const QRect r = rect.intersected(target.rect());
    if (r.isEmpty()) return;
    const QRgb palette[3] = {colors.normal.rgba(), colors.light.rgba(), colors.dark.rgba()};
    const QImage::Format format = target.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied) {
        target.convertTo(QImage::Format_RGB32);
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            line[x] =
                palette[shadeOf(x - rect.left(), y - rect.top(), rect.width(), rect.height())];
    }
    if (target.format() != format) target.convertTo(format);
}

int mod(int a, int m) {
    return ((a % m) + m) % m;
}

// Brick wall: light mortar, dark lower edge of each brick.
Shade adobe(int x, int y, int, int) {
    const int row = y / 8, cy = mod(y, 8);
    const int cx = mod(x + (row % 2) * 8, 16);
    if (cy == 0 || cx == 0) return Light;
    return cy == 7 ? Dark : Normal;
}
// Prison bars with a highlight on their left side.
Shade alcatraz(int x, int, int, int) {
    const int cx = mod(x, 10);
    return cx == 0 ? Light : (cx <= 2 ? Dark : Normal);
}
// Diagonal stripes.
Shade elPaso(int x, int y, int, int) {
    const int d = mod(x + y, 12);
    return d < 4 ? Light : (d < 6 ? Dark : Normal);
}
// Checkerboard with a dark dot in each light field.
Shade hanoi(int x, int y, int, int) {
    const bool lightField = ((x / 8) + (y / 8)) % 2 == 0;
    if (lightField && mod(x, 8) == 4 && mod(y, 8) == 4) return Dark;
    return lightField ? Light : Normal;
}
// Concentric frames from the border inwards.
Shade harvard(int x, int y, int w, int h) {
    const int ring = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y)) / 6;
    return static_cast<Shade>(ring % 3);
}
// Punched holes: a dark hole with a light lower rim.
Shade holes(int x, int y, int, int) {
    const int dx = mod(x, 12) - 6, dy = mod(y, 12) - 6;
    const int d2 = dx * dx + dy * dy;
    if (d2 <= 9) return Dark;
    return (d2 <= 16 && dy > 0) ? Light : Normal;
}
// Stars made of a plus and a cross.
Shade hollywood(int x, int y, int, int) {
    const int dx = std::abs(mod(x, 14) - 7), dy = std::abs(mod(y, 14) - 7);
    if ((dx == 0 && dy <= 4) || (dy == 0 && dx <= 4)) return Light;
    return (dx == dy && dx <= 2) ? Dark : Normal;
}
// Waves: a triangle wave stretched along x.
Shade honolulu(int x, int y, int, int) {
    const int t = mod(x, 24);
    const int lift = t < 12 ? t / 2 : (24 - t) / 2;
    const int d = mod(y + lift, 12);
    return d < 2 ? Light : (d < 4 ? Dark : Normal);
}
// Diamond lattice.
Shade london(int x, int y, int, int) {
    const int d = std::abs(mod(x, 16) - 8) + std::abs(mod(y, 16) - 8);
    return d == 8 ? Dark : (d == 7 ? Light : Normal);
}
// Lit windows in a dark facade.
Shade manhattan(int x, int y, int, int) {
    const int cx = mod(x, 10), cy = mod(y, 14);
    if (cx >= 2 && cx < 8 && cy >= 3 && cy < 11) return Light;
    return (cx == 0 || cy == 0) ? Normal : Dark;
}
// Herringbone.
Shade minsk(int x, int y, int, int) {
    const int column = x / 8;
    const int d = column % 2 == 0 ? mod(x + y, 8) : mod(y - x, 8);
    return d == 0 ? Dark : (d == 1 ? Light : Normal);
}
// Fish scales: arcs opening downwards, offset every other row.
Shade orleans(int x, int y, int, int) {
    const int row = y / 8;
    const int dx = mod(x + (row % 2) * 8, 16) - 8, dy = mod(y, 8);
    const int d2 = dx * dx + dy * dy;
    return (d2 >= 49 && d2 < 64) ? Dark : ((d2 >= 36 && d2 < 49) ? Light : Normal);
}
// Horizontal stripes in all three colours.
Shade oshawa(int, int y, int, int) {
    return static_cast<Shade>(mod(y, 9) / 3);
}
// The rectangle's diagonal splits light from dark, with a normal seam.
Shade philadelphia(int x, int y, int w, int h) {
    const long long side = static_cast<long long>(x) * h + static_cast<long long>(y) * w;
    const long long diagonal = static_cast<long long>(w) * h;
    const long long seam = 2LL * std::max(w, h);
    if (std::llabs(side - diagonal) <= seam) return Normal;
    return side < diagonal ? Light : Dark;
}
// Plaid: dark bands, light where they cross.
Shade pittsburg(int x, int y, int, int) {
    const bool across = mod(x, 16) < 4, down = mod(y, 16) < 4;
    if (across && down) return Light;
    return (across || down) ? Dark : Normal;
}
// Sand: a fixed scatter of grains.
Shade sahara(int x, int y, int, int) {
    const unsigned tx = static_cast<unsigned>(mod(x, 32)), ty = static_cast<unsigned>(mod(y, 32));
    unsigned hash = tx * 374761393u + ty * 668265263u;
    hash = (hash ^ (hash >> 13)) * 1274126177u;
    const unsigned grain = (hash >> 24) & 0xFF;
    return grain < 24 ? Dark : (grain < 64 ? Light : Normal);
}

}  // namespace

const std::vector<PatternFill>& patternFills() {
    static const std::vector<PatternFill> patterns = {
        {QStringLiteral("Adobe"), drawPattern<adobe>, false},
        {QStringLiteral("Alcatraz"), drawPattern<alcatraz>, false},
        {QStringLiteral("ElPaso"), drawPattern<elPaso>, false},
        {QStringLiteral("Hanoi"), drawPattern<hanoi>, false},
        {QStringLiteral("Harvard"), drawPattern<harvard>, true},
        {QStringLiteral("Holes"), drawPattern<holes>, false},
        {QStringLiteral("Hollywood"), drawPattern<hollywood>, false},
        {QStringLiteral("Honolulu"), drawPattern<honolulu>, false},
        {QStringLiteral("London"), drawPattern<london>, false},
        {QStringLiteral("Manhattan"), drawPattern<manhattan>, false},
        {QStringLiteral("Minsk"), drawPattern<minsk>, false},
        {QStringLiteral("Orleans"), drawPattern<orleans>, false},
        {QStringLiteral("Oshawa"), drawPattern<oshawa>, false},
        {QStringLiteral("Philadelphia"), drawPattern<philadelphia>, true},
        {QStringLiteral("Pittsburg"), drawPattern<pittsburg>, false},
        {QStringLiteral("Sahara"), drawPattern<sahara>, false},
    };
    return patterns;
}

}  // namespace zhcalc::controls
