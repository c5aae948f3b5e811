#pragma once
// Named background fills: each draws into a rectangle of an image from three colours
// (normal, light, dark) and, for the bitmap fills, a picture. The backgrounds and the
// credits scroller render through these functions, so they are plain and testable.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringView>
#include <vector>

namespace zhcalc::controls {

struct FillColors {
    QColor normal;
    QColor light;
    QColor dark;
};

// Draws into `rect` of `target` (the rectangle always starts at the origin).
using FillProcedure = void (*)(QImage& target, const QRect& rect, const FillColors& colors,
                               const QImage* bitmap);

struct GraphicFill {
    QString name;
    FillProcedure draw;
    bool sizeDependent;  // the picture changes with the rectangle's size
    bool usesBitmap;     // the procedure receives the control's bitmap
};

enum class GradientDirection { Horizontal, Vertical };

// Banded gradient from `a` (top or left) to `b`: one band per step of the largest
// channel difference, each band (length div bands + 1) pixels thick, so the visible
// bands usually stop short of `b`.
void gradientFill(QImage& target, const QRect& rect, QColor a, QColor b,
                  GradientDirection direction);

// All registered fills, sorted by name without regard to case.
const std::vector<GraphicFill>& fillRegistry();

// Case-insensitive lookup; nullptr when the name is not registered.
const GraphicFill* findFill(QStringView name);

// Draws `fill` over the whole of `target`; the bitmap goes only to bitmap fills.
void drawFill(QImage& target, const GraphicFill& fill, const FillColors& colors,
              const QImage* bitmap);

// Renders the named fill over the whole of `target`; false (target untouched) when the
// name is not registered.
bool renderFill(QImage& target, QStringView fillName, const FillColors& colors,
                const QImage* bitmap = nullptr);

}  // namespace zhcalc::controls
