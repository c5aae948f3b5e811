#pragma once
// Everything the picture of a drawn button depends on, as plain values, and the
// drawing of that picture. Being values, a face can be compared with the one drawn
// last (a button keeps its picture while nothing changes) and drawn on any thread:
// the font and the palette are read on the GUI thread when the values are taken.

#include <QImage>
#include <QSize>
#include <QString>
#include <variant>

#include "controls/caption_text.h"
#include "controls/image_face.h"
#include "controls/shape_face.h"

namespace zhcalc::controls {

// Where the glyph sits next to the caption.
enum class GlyphLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Displacements of the glyph and the caption, and of a down image button's
// picture when it has no down picture.
struct ButtonOffsets {
    int glyphX = 0;
    int glyphY = 0;
    int textX = 0;
    int textY = 0;
    int textDownX = 1;
    int textDownY = 1;
    int imageDownX = 2;
    int imageDownY = 2;
    bool operator==(const ButtonOffsets&) const = default;
};

// An image button without a picture: a frame on the button face colour.
struct EmptyImageFace {
    QRgb faceColor = 0;
    bool operator==(const EmptyImageFace&) const = default;
};

// The face under the caption and glyph; a bad custom point list draws a rectangle.
using FaceBase = std::variant<ShapeFaceParams, ImageFaceParams, EmptyImageFace>;

struct CaptionFace {
    QString text;
    QString font;         // QFont::toString(): a QFont must not be shared between threads
    CaptionText options;  // every colour a plain RGB value
    QRgb color = 0;
    bool enabled = true;
    bool operator==(const CaptionFace&) const = default;
};

struct ButtonFace {
    QSize size;
    bool down = false;
    FaceBase base;
    CaptionFace caption;
    QImage glyph;  // the state's glyph with its transparent pixels cleared; may be null
    GlyphLayout glyphLayout = GlyphLayout::blGlyphLeft;
    int margin = -1;  // -1 centres
    int spacing = 4;
    ButtonOffsets offsets;
    bool focusRect = false;  // dotted rectangle around caption and glyph
    bool operator==(const ButtonFace&) const = default;
};

// The button's picture: the face, then the glyph and the caption laid out on it.
// Null for an empty size.
QImage drawButtonFace(const ButtonFace& face);

// The same in two steps: the face alone, which needs no font, then the glyph and
// the caption on it.
QImage drawFaceBase(const ButtonFace& face);
void drawGlyphAndCaption(QImage& picture, const ButtonFace& face);

// The same options with every colour resolved against the current palette, for
// drawing away from the GUI thread.
CaptionText withResolvedColors(CaptionText options);

}  // namespace zhcalc::controls
