#include "controls/button_pixels.h"

#include <cstdlib>

#include "controls/raster.h"

namespace zhcalc::controls {

bool displayBrightensGrey() {
    static const bool brightens = [] {
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setPixel(0, 0, qRgb(192, 192, 192));
        const QRgb seen = probe.pixel(0, 0);
        return qRed(seen) > 199 || qGreen(seen) > 199 || qBlue(seen) > 199;
    }();
    return brightens;
}

QRgb faceColorFor(QRgb color, bool brightensGrey) {
    if (!brightensGrey) return color | 0xFF000000u;
    const auto lower = [](int channel) {
        return channel != 0 && channel % 8 == 0 ? channel - 1 : channel;
    };
    return qRgb(lower(qRed(color)), lower(qGreen(color)), lower(qBlue(color)));
}

void drawPixelScanBevel(QImage& image, QRgb key, bool down, bool focused,
                        const BevelColors& colors) {
    const QImage source = image.copy();
    const int width = image.width();
    const int height = image.height();
    const QRgb a = down ? colors.black : colors.highlight;
    const QRgb b = down ? colors.shadow : colors.light3D;
    const QRgb c = down ? colors.light3D : colors.shadow;
    const QRgb d = down ? colors.highlight : colors.black;
    const auto isKey = [&](int x, int y) {
        return sameRgb(reinterpret_cast<const QRgb*>(source.constScanLine(y))[x], key);
    };
    // A short run's inner pixels lie beyond its ends, on the key colour; the region
    // leaves them out, so the bevel does too.
    const auto put = [&](QPoint p, QRgb color) {
        if (p.x() >= 0 && p.y() >= 0 && p.x() < width && p.y() < height && !isKey(p.x(), p.y()))
            image.setPixel(p, color);
    };
    const auto shadeRun = [&](QPoint entry, QPoint exit) {
        const QPoint step(1, 1);
        QPoint in = entry;
        QPoint out = exit;
        if (focused) {
            in += step;
            out -= step;
        }
        put(out - step, c);
        put(in + step, b);
        put(out, d);
        put(in, a);
        if (focused) {
            put(entry, colors.black);
            put(exit, colors.black);
        }
    };
    const auto walk = [&](int x, int y) {
        while (x < width && y < height) {
            if (isKey(x, y)) {
                ++x, ++y;
                continue;
            }
            const QPoint entry(x, y);
            while (x + 1 < width && y + 1 < height && !isKey(x + 1, y + 1))
                ++x, ++y;
            shadeRun(entry, QPoint(x, y));
            ++x, ++y;
        }
    };
    for (int x = width - 1; x >= 0; --x)
        walk(x, 0);
    for (int y = 1; y < height; ++y)
        walk(0, y);
}

void drawPolygonEdges(QImage& image, const std::vector<QPoint>& closed, QRgb key, bool down,
                      bool focused, const BevelColors& colors) {
    if (closed.size() < 4) return;  // fewer than three distinct vertices: no polygon
    // Near a sharp vertex an inner line runs out of the figure; only the figure is
    // the button (its region), so the lines are kept to its pixels.
    const QImage shape = image.copy();
    const auto drawInside = [&](QPoint from, QPoint to, QRgb color) {
        traceLine(from, to, [&](int x, int y) {
            if (x >= 0 && y >= 0 && x < shape.width() && y < shape.height() &&
                !sameRgb(shape.pixel(x, y), key))
                image.setPixel(x, y, color);
        });
    };
    const std::vector<QPoint> figure(closed.begin(), closed.end() - 1);
    const auto inside = [&](int x, int y) { return polygonContainsPixel(figure, x, y); };
    struct Edge {
        QPoint from, to, normal;
        bool lit;
    };
    std::vector<Edge> edges;
    for (size_t i = 0; i + 1 < closed.size(); ++i) {
        const QPoint p = closed[i];
        const QPoint q = closed[i + 1];
        const int dx = std::abs(q.x() - p.x());
        const int dy = std::abs(q.y() - p.y());
        const QPoint mid(p.x() + (q.x() - p.x()) / 2, p.y() + (q.y() - p.y()) / 2);
        Edge edge{p, q, {}, false};
        if (dy < dx) {
            edge.lit = inside(mid.x(), mid.y() + 1);
            edge.normal = QPoint(0, edge.lit ? 1 : -1);
        } else {
            edge.lit = inside(mid.x() + 1, mid.y());
            edge.normal = QPoint(edge.lit ? 1 : -1, 0);
        }
        if (dx == 0)
            edge.normal.setY(inside(p.x(), std::max(p.y(), q.y()) + 1) ? 1 : -1);
        else if (dy == 0)
            edge.normal.setX(inside(std::max(p.x(), q.x()), p.y()) ? 1 : -1);
        edges.push_back(edge);
    }
    const int f = focused ? 1 : 0;
    for (const Edge& e : edges) {
        const QPoint shift = e.normal * (f + 1);
        drawInside(e.from + shift, e.to + shift, e.lit == down ? colors.shadow : colors.light3D);
    }
    for (const Edge& e : edges) {
        const QPoint shift = e.normal * f;
        drawInside(e.from + shift, e.to + shift, e.lit == down ? colors.black : colors.highlight);
    }
    if (focused)
        for (const Edge& e : edges)
            drawInside(e.from, e.to, colors.focus);
}

}  // namespace zhcalc::controls
