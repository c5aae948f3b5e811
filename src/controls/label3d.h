#pragma once
// A label that draws its caption with a rotatable font and an optional two-colour
// relief. It paints only inside its own bounds and, while transparent, leaves its
// background to the parent. The calculator's display is one, so setting the caption
// is cheap: one comparison, one conversion and a repaint request.

#include <QMetaMethod>
#include <QPoint>
#include <QPolygon>
#include <QSize>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "controls/caption_text.h"  // TextAlignment, shared with the buttons
#include "controls/colors.h"
#include "controls/label_style.h"

namespace zhcalc::controls {

// Where the caption's top-left reference point goes for a text of `text` size in a
// box of `box` size turned by `angleDegrees` (0 centres it exactly).
QPoint label3DTextOrigin(QSize box, QSize text, int angleDegrees, TextAlignment alignment);

// The rotated plate (text size plus 10 by 7) painted behind an opaque label.
QPolygon label3DBackPlate(QSize box, QSize text, int angleDegrees);

struct ReliefOffsets {
    int first;   // the left-top colour's copy
    int second;  // the right-bottom colour's copy
};
ReliefOffsets reliefOffsets(Effect3D style);

class Label3D : public QWidget {
    Q_OBJECT
  public:
    explicit Label3D(QWidget* parent = nullptr);
    ~Label3D() override;

    // The caption in Windows-1251, as the calculator keeps its texts.
    const std::string& caption() const { return caption_; }
    void setCaption(std::string_view cp1251);
    // The caption as shown; setting it stores its Windows-1251 form.
    const QString& captionText() const { return captionText_; }
    void setCaptionText(const QString& text);

    ColorValue fontColor() const { return fontColor_; }
    void setFontColor(ColorValue c);

    TextAlignment alignment() const { return alignment_; }
    void setAlignment(TextAlignment a);

    // Background colour of the plate drawn when not transparent.
    ColorValue color() const { return color_; }
    void setColor(ColorValue c);

    bool myTransparent() const { return myTransparent_; }
    void setMyTransparent(bool on);

    // Copies all style settings and repaints. The label owns its style object.
    LabelStyle& labelStyle() { return *style_; }
    const LabelStyle& labelStyle() const { return *style_; }
    void setLabelStyle(const LabelStyle& style) { style_->assign(style); }

    // At most one label holds the tag -1 (the calculator's display); giving it to
    // another label resets the previous holder's tag to 0.
    int tag() const { return tag_; }
    void setTag(int tag);
    static Label3D* tagHolder();

    // Whether a click does something (someone listens to `clicked`).
    bool isClickable() const {
        return isSignalConnected(QMetaMethod::fromSignal(&Label3D::clicked));
    }

    // Copies caption, style, font, geometry and transparency.
    void assign(const Label3D& other);

    // The label's drawing, transparent where the parent shows through.
    QImage picture();

  signals:
    void clicked();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    std::string caption_;
    QString captionText_;
    ColorValue fontColor_ = clWindowText;
    TextAlignment alignment_ = TextAlignment::taLeftJustify;
    ColorValue color_ = clBtnFace;
    bool myTransparent_ = true;
    LabelStyle* style_;
    int tag_ = 0;
    bool pressed_ = false;
};

}  // namespace zhcalc::controls
