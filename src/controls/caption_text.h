#pragma once
// The caption of the drawn buttons: its options (alignment, relief style, extruded
// layers, shadow, engraved disabled colours) and the drawing of a caption block
// whose place the button has already worked out.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "controls/colors.h"

class QPainter;

namespace zhcalc::controls {

enum class TextAlignment { taLeftJustify, taRightJustify, taCenter };
enum class VAlignment { vaTop, vaVCenter, vaBottom };
enum class CaptionStyle { csDefault, csLowered, csRaised, csOutline };
// The direction in which the extruded layers are stacked.
enum class ExtrudeOrientation {
    eoTopLeft,
    eoTopRight,
    eoBottomLeft,
    eoBottomRight,
    eoTop,
    eoRight,
    eoLeft,
    eoBottom
};

struct ExtrudeEffects {
    int depth = 10;
    bool enabled = false;
    ColorValue farColor = clBlack;
    ColorValue nearColor = clBlack;
    ExtrudeOrientation orientation = ExtrudeOrientation::eoBottomRight;
    bool striated = false;  // every second layer darkened
    bool operator==(const ExtrudeEffects&) const = default;
};

struct ShadowEffects {
    ColorValue color = clBtnShadow;
    bool enabled = false;
    int xOffset = 10;
    int yOffset = 10;
    bool operator==(const ShadowEffects&) const = default;
};

struct DisabledColors {
    ColorValue highlightColor = clBtnHighlight;
    ColorValue shadeColor = clBtnShadow;
    bool operator==(const DisabledColors&) const = default;
};

struct CaptionText {
    TextAlignment alignment = TextAlignment::taCenter;
    VAlignment vAlignment = VAlignment::vaVCenter;
    CaptionStyle style = CaptionStyle::csDefault;
    ColorValue highlightColor = clBtnHighlight;  // relief colours of the non-default styles
    ColorValue shadeColor = clBtnShadow;
    int lineSpacing = 5;    // extra pixels between the lines of a multi-line caption
    bool showAccel = true;  // "&" marks an accelerator and is not drawn
    ExtrudeEffects extrude;
    ShadowEffects shadow;
    DisabledColors disabledColors;
    bool operator==(const CaptionText&) const = default;
};

// Step of one extruded layer for each orientation.
QPoint extrudeStep(ExtrudeOrientation orientation);

// Width and height of the caption block: the widest line, and the lines stacked
// at the height of "AgTpjW" plus the line spacing.
QSize captionBlockSize(const QString& caption, const QFont& font, const CaptionText& options);

// Draws the caption block whose top-left corner is `topLeft`: enabled, the
// extruded layers, the shadow, the relief of the style and the text in
// `fontColor`; disabled, the engraved look (highlight copy one pixel down-right,
// then the text in the shade colour).
void drawCaption(QPainter& painter, QPoint topLeft, const QString& caption, const QFont& font,
                 const CaptionText& options, QColor fontColor, bool enabled);

}  // namespace zhcalc::controls
