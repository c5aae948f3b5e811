#include "controls/button_face.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

namespace zhcalc::controls {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

QImage drawBase(QSize size, const FaceBase& base) {
    return std::visit(
        Overloaded{
            [&](const ShapeFaceParams& params) { return drawShapeFaceOrRect(size, params, false); },
            [&](const ImageFaceParams& params) { return drawImageFace(size, params); },
            [&](const EmptyImageFace& empty) { return drawEmptyImageFace(size, empty.faceColor); },
        },
        base);
}

ColorValue resolved(ColorValue value) {
    return value == clNone ? value : toColorValue(resolveColor(value).rgb());
}

}  // namespace

void drawGlyphAndCaption(QImage& picture, const ButtonFace& face) {
    if (picture.isNull()) return;
    QFont font;
    font.fromString(face.caption.font);
    const CaptionText& options = face.caption.options;
    const QSize block = captionBlockSize(face.caption.text, font, options);
    const QImage& glyph = face.glyph;
    const QSize glyphSize = glyph.isNull() ? QSize(0, 0) : glyph.size();
    const bool both = !block.isEmpty() && !glyphSize.isEmpty();
    const int gap = both ? face.spacing : 0;
    const bool sideBySide = face.glyphLayout == GlyphLayout::blGlyphLeft ||
                            face.glyphLayout == GlyphLayout::blGlyphRight;
    const QSize whole = sideBySide ? QSize(block.width() + glyphSize.width() + gap,
                                           std::max(block.height(), glyphSize.height()))
                                   : QSize(std::max(block.width(), glyphSize.width()),
                                           block.height() + glyphSize.height() + gap);

    const int width = face.size.width();
    const int height = face.size.height();
    const int margin = face.margin == -1 ? 4 : face.margin;
    int centreX = width / 2;
    if (options.alignment == TextAlignment::taLeftJustify)
        centreX = margin + whole.width() / 2;
    else if (options.alignment == TextAlignment::taRightJustify)
        centreX = width - margin - whole.width() / 2;
    const QRect layoutRect = QRect(QPoint(0, 0), face.size).adjusted(2, 2, -2, -2);
    int top = height / 2 - whole.height() / 2;
    if (options.vAlignment == VAlignment::vaTop)
        top = layoutRect.top();
    else if (options.vAlignment == VAlignment::vaBottom)
        top = layoutRect.bottom() + 1 - whole.height();
    const int left = centreX - whole.width() / 2;

    QPoint textPos;
    QPoint glyphPos;
    switch (face.glyphLayout) {
        case GlyphLayout::blGlyphLeft:
            glyphPos = {left, top + (whole.height() - glyphSize.height()) / 2};
            textPos = {left + glyphSize.width() + gap, top + (whole.height() - block.height()) / 2};
            break;
        case GlyphLayout::blGlyphRight:
            textPos = {left, top + (whole.height() - block.height()) / 2};
            glyphPos = {left + block.width() + gap,
                        top + (whole.height() - glyphSize.height()) / 2};
            break;
        case GlyphLayout::blGlyphTop:
            glyphPos = {left + (whole.width() - glyphSize.width()) / 2, top};
            textPos = {left + (whole.width() - block.width()) / 2, top + glyphSize.height() + gap};
            break;
        case GlyphLayout::blGlyphBottom:
            textPos = {left + (whole.width() - block.width()) / 2, top};
            glyphPos = {left + (whole.width() - glyphSize.width()) / 2, top + block.height() + gap};
            break;
    }
    textPos += QPoint(face.offsets.textX, face.offsets.textY);
    glyphPos += QPoint(face.offsets.glyphX, face.offsets.glyphY);
    if (face.down) {
        const QPoint shift(face.offsets.textDownX, face.offsets.textDownY);
        textPos += shift;
        glyphPos += shift;
    }

    QPainter painter(&picture);
    painter.setClipRect(picture.rect());
    if (!glyph.isNull()) painter.drawImage(glyphPos, glyph);
    drawCaption(painter, textPos, face.caption.text, font, options,
                QColor::fromRgba(face.caption.color), face.caption.enabled);
    if (face.focusRect) {
        QRect around = QRect(textPos, block);
        if (!glyph.isNull()) around |= QRect(glyphPos, glyphSize);
        around.adjust(-2, -2, 2, 2);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(around.adjusted(0, 0, -1, -1));
    }
}

QImage drawFaceBase(const ButtonFace& face) {
    return drawBase(face.size, face.base);
}

QImage drawButtonFace(const ButtonFace& face) {
    QImage picture = drawFaceBase(face);
    if (!picture.isNull()) drawGlyphAndCaption(picture, face);
    return picture;
}

CaptionText withResolvedColors(CaptionText options) {
    for (ColorValue* color :
         {&options.highlightColor, &options.shadeColor, &options.extrude.farColor,
          &options.extrude.nearColor, &options.shadow.color, &options.disabledColors.highlightColor,
          &options.disabledColors.shadeColor})
        *color = resolved(*color);
    return options;
}

}  // namespace zhcalc::controls
