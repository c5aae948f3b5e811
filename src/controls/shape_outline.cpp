#include "controls/shape_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "controls/integer_expression.h"

namespace zhcalc::controls {

namespace {

int trunc(double v) {
    return static_cast<int>(v);
}

std::vector<QPoint> starVertices(int w, int h) {
    const double rad18 = 18.0 * std::numbers::pi / 180.0;
    const double rad36 = 36.0 * std::numbers::pi / 180.0;
    const int g = w / 2;
    const int c = trunc(h / std::cos(rad18));
    const int d = trunc(c / (2 * std::sin(rad18) + 2));
    const int m = c - 2 * d;
    const int e = trunc(d * std::cos(rad18));
    const int t = trunc(h * std::tan(rad18));
    const QPoint fourth(g + m / 2 + trunc(m * std::sin(rad18)), e + trunc(m * std::cos(rad18)));
    return {{g, 0},     {g + m / 2, e},
            {w, e},     fourth,
            {g + t, h}, {g, h - trunc(d * std::sin(rad36))},
            {g - t, h}, {w - fourth.x(), fourth.y()},
            {0, e},     {w - (g + m / 2), e}};
}

int evaluateCoordinate(const QString& text) {
    const auto value = evaluateIntegerExpression(text.trimmed().toStdString());
    if (!value)
        throw PointListError("'" + text.trimmed().toStdString() + "' is not a valid integer value");
    return *value;
}

std::vector<QPoint> customVertices(const QStringList& entries, int w, int h) {
    std::vector<QPoint> points;
    for (const QString& entry : entries) {
        QString text = entry.toUpper();
        if (!text.contains(','))
            throw PointListError(
                "Invalid Custom Points Format.  X and Y Coordinates must be separated by a "
                "comma and space.");
        text.replace(",", ", ").replace(",  ", ", ");
        text.replace("WIDTH", QString::number(w)).replace("HEIGHT", QString::number(h));
        const qsizetype split = text.indexOf(", ");
        points.emplace_back(evaluateCoordinate(text.left(split)),
                            evaluateCoordinate(text.mid(split + 2)));
    }
    return points;
}

std::vector<QPoint> upwardVertices(ButtonShape shape, int w, int h, const QStringList& pointList) {
    switch (shape) {
        case ButtonShape::bsTriangle:
            return {{w / 2, 0}, {w, h}, {0, h}};
        case ButtonShape::bsArrow:
            return {{0, h / 3},     {w / 2, 0}, {w, h / 3},    {w - w / 4, h / 3},
                    {w - w / 4, h}, {w / 4, h}, {w / 4, h / 3}};
        case ButtonShape::bsDiamond:
            return {{w / 2, 0}, {w, h / 2}, {w / 2, h}, {0, h / 2}};
        case ButtonShape::bsRect:
            return {{0, 0}, {w, 0}, {w, h}, {0, h}};
        case ButtonShape::bsTrapezoid: {
            const int m = std::min(h / 2, (w / 2) / 2);
            return {{m, 0}, {w - m, 0}, {w, h}, {0, h}};
        }
        case ButtonShape::bsStar:
            return starVertices(w, h);
        case ButtonShape::bsCustom:
            if (pointList.size() < 3) return {};
            return customVertices(pointList, w, h);
        case ButtonShape::bsRoundRect:
        case ButtonShape::bsEllipse:
            break;
    }
    return {};
}

}  // namespace

QPoint turnClockwise(QPoint p, int w, int h) {
    return {w - (p.y() * w) / h, (p.x() * h) / w};
}

int quarterTurns(ShapeOrientation orientation) {
    switch (orientation) {
        case ShapeOrientation::soUp:
            return 0;
        case ShapeOrientation::soRight:
            return 1;
        case ShapeOrientation::soDown:
            return 2;
        case ShapeOrientation::soLeft:
            return 3;
    }
    return 0;
}

std::vector<QPoint> polygonOutline(ButtonShape shape, ShapeOrientation orientation, int width,
                                   int height, const QStringList& pointList) {
    const int w = width - 1;
    const int h = height - 1;
    if (isRoundShape(shape) || w < 0 || h < 0) return {};
    std::vector<QPoint> vertices = upwardVertices(shape, w, h, pointList);
    if (vertices.empty()) return {};
    vertices.push_back(vertices.front());
    const int turns = (w >= 1 && h >= 1) ? quarterTurns(orientation) : 0;
    for (int i = 0; i < turns; ++i)
        for (QPoint& p : vertices)
            p = turnClockwise(p, w, h);
    return vertices;
}

}  // namespace zhcalc::controls
