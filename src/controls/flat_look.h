#pragma once
// The settings the flat controls share: a shadow copy behind the caption text (or plain
// text), how far up the transparent face looks, and the face and caption colours.

#include <QPainter>
#include <QRect>
#include <QString>

#include "controls/colors.h"
#include "controls/flat_paint.h"

namespace zhcalc::controls {

struct CaptionShadow {
    ColorValue color = clBtnHighlight;
    int size = 1;
    ShadowPosition position = ShadowPosition::spLeftTop;
    bool simpleView = false;  // plain text, no shadow copy

    // The enabled caption: shadowed text, or plain text with the simple view.
    void draw(QPainter& painter, const QRect& rect, int flags, ColorValue textColor,
              const QString& text) const;
};

// Settings mixin for a flat widget: stores each value and repaints `Widget`.
template <class Widget>
class FlatLook {
  public:
    ColorValue shadowColor() const { return shadow_.color; }
    void setShadowColor(ColorValue c) {
        shadow_.color = c;
        if (shadowColorEndsSimpleView_) shadow_.simpleView = false;
        repaint();
    }
    int shadowSize() const { return shadow_.size; }
    void setShadowSize(int size) {
        shadow_.size = size;
        repaint();
    }
    ShadowPosition shadowPos() const { return shadow_.position; }
    void setShadowPos(ShadowPosition position) {
        shadow_.position = position;
        repaint();
    }
    bool simpleView() const { return shadow_.simpleView; }
    void setSimpleView(bool on) {
        shadow_.simpleView = on;
        repaint();
    }
    int transparencyLevel() const { return transparencyLevel_; }
    void setTransparencyLevel(int level) {
        transparencyLevel_ = level;
        repaint();
    }
    // The face colour when not transparent, and the caption's colour.
    ColorValue color() const { return color_; }
    void setColor(ColorValue c) {
        color_ = c;
        repaint();
    }
    ColorValue fontColor() const { return fontColor_; }
    void setFontColor(ColorValue c) {
        fontColor_ = c;
        repaint();
    }

  protected:
    // With `shadowColorEndsSimpleView`, assigning the shadow colour also switches the
    // plain-text view off.
    FlatLook(bool shadowColorEndsSimpleView, ColorValue fontColor)
        : fontColor_(fontColor), shadowColorEndsSimpleView_(shadowColorEndsSimpleView) {}
    ~FlatLook() = default;

    CaptionShadow shadow_;
    int transparencyLevel_ = 0;
    ColorValue color_ = clBtnFace;
    ColorValue fontColor_;

  private:
    void repaint() { static_cast<Widget*>(this)->update(); }

    bool shadowColorEndsSimpleView_;
};

}  // namespace zhcalc::controls
