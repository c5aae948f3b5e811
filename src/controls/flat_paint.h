#pragma once
// Drawing shared by the flat controls: the option sets, text with a shadow copy,
// the platform's edge styles, and painting the parent's background behind a control
// so that it looks transparent.

#include <QColor>
#include <QFlags>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>
#include <optional>

namespace zhcalc::controls {

enum FlatOption : unsigned {
    foPaintWallpaper = 1u << 0,
    foStretchWallpaper = 1u << 1,
    foPaintSelWallpaper = 1u << 2,
    foPaintCaptionWallpaper = 1u << 3,
    foInvertWallpaperAsSelect = 1u << 4,
    foPaintGradiently = 1u << 5,
    foBevelOnlyIfSel = 1u << 6,
    foUseImageList = 1u << 7,
    foUseGlyphAssign = 1u << 8,
    fo3dMDIForm = 1u << 9,
    foWallpaperForMDIChildren = 1u << 10,
    foGradientForMDIChildren = 1u << 11,
    foNoCaption = 1u << 12,
    foSmallCaption = 1u << 13,
    foNoMDIChildrensCaptions = 1u << 14,
    foDragUsingClientArea = 1u << 15,
    foNoDragUsingCaption = 1u << 16,
    foRoundedForm = 1u << 17,
    foFlatBorder = 1u << 18,
    foPaintFormSemiTransparently = 1u << 19,
    foPaintTransparently = 1u << 20,
};
Q_DECLARE_FLAGS(FlatOptions, FlatOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(FlatOptions)

enum BtnPaintOption : unsigned {
    bpoDrawFocus = 1u << 0,
    bpoDrawDefault = 1u << 1,
};
Q_DECLARE_FLAGS(BtnPaintOptions, BtnPaintOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(BtnPaintOptions)

enum class ShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

struct ShadowOffsets {
    QPoint text;
    QPoint shadow;
};
ShadowOffsets shadowOffsets(ShadowPosition position, int size);

// Draws `text` in `shadowColor` into the shadow's rectangle, then in `textColor` into
// the text's rectangle (both `rect` moved as the position and size say).
void drawShadowedText(QPainter& painter, const QRect& rect, ShadowPosition position, int size,
                      const QColor& shadowColor, const QColor& textColor, int flags,
                      const QString& text);

// One-pixel edge: the top and left lines in `topLeft`, the bottom and right lines
// (which own the top-right and bottom-left corners) in `bottomRight`. Shrinks `rect`.
void drawEdgeLine(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight);
// The raised button edge (outer 3D light / dark shadow, inner highlight / shadow).
void drawRaisedEdge(QPainter& painter, QRect& rect);
// The thin pressed edge (3D dark shadow / 3D light).
void drawSunkenInnerEdge(QPainter& painter, QRect& rect);

// A 1-pixel rectangle just inside `rect`.
void drawFrameRect(QPainter& painter, const QRect& rect, const QColor& color);

// Paints, into `painter` (in `control`'s coordinates), what lies behind the control:
// the background of the ancestor `transparencyLevel` levels up's parent and that
// parent's background controls. With `clip`, only inside it.
void paintParentBehind(QPainter& painter, const QWidget* control, int transparencyLevel = 0,
                       std::optional<QRect> clip = std::nullopt);

}  // namespace zhcalc::controls
