#pragma once
// A small two-state switch drawn from one picture per state. It toggles on the left
// mouse press (not the release) and on its toggle key, and announces the new state
// after storing it, so handlers already see it.

#include <QImage>
#include <QKeyCombination>
#include <QString>
#include <QWidget>

#include "controls/colors.h"
#include "controls/switch_pictures.h"

namespace zhcalc::controls {

enum class SwitchBorder { None, Single };

class ToggleSwitch : public QWidget {
    Q_OBJECT
  public:
    explicit ToggleSwitch(QWidget* parent = nullptr);

    bool stateOn() const { return stateOn_; }
    // An unchanged value does nothing; otherwise stores, repaints and announces.
    void setStateOn(bool on);
    void toggle() { setStateOn(!stateOn_); }

    // A null picture restores the default one.
    const QImage& glyphOn() const { return glyph(1); }
    void setGlyphOn(const QImage& picture);
    const QImage& glyphOff() const { return glyph(0); }
    void setGlyphOff(const QImage& picture);
    // Which pictures are not the defaults: bit 0 off picture, bit 1 on picture.
    unsigned customGlyphMask() const { return customMask_; }

    QKeyCombination toggleKey() const { return toggleKey_; }
    void setToggleKey(QKeyCombination key) { toggleKey_ = key; }

    bool showFocus() const { return showFocus_; }
    void setShowFocus(bool on);
    TextPosition textPosition() const { return textPosition_; }
    void setTextPosition(TextPosition position);
    SwitchBorder borderStyle() const { return border_; }
    void setBorderStyle(SwitchBorder border);
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool on);

    // The background: the parent's colour while parentColor is on.
    ColorValue color() const { return color_; }
    void setColor(ColorValue c);
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool on);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    ColorValue fontColor() const { return fontColor_; }
    void setFontColor(ColorValue c);

    // The switch's drawing, as painted.
    QImage picture() const;

  signals:
    void turnedOn();
    void turnedOff();
    // Raised after the press has toggled the switch.
    void mouseDown(Qt::MouseButton button, QPoint position);
    void clicked();
    void doubleClicked();
    // Every key reaching the switch, before it looks for its toggle key.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    // The characters of a key that the switch did not consume.
    void keyPressed(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void setGlyph(int index, const QImage& picture);
    // The picture of a state: the custom one, else the default.
    const QImage& glyph(int index) const;
    // Its engraved variant, made the first time a disabled switch is drawn.
    const QImage& disabledGlyph(int index) const;
    QColor backgroundColor() const;
    QRect clientRect() const;
    void updateMnemonic();

    bool stateOn_ = false;
    QImage glyphs_[2];                  // custom pictures (null: the default)
    mutable QImage disabledGlyphs_[2];  // null until first needed
    unsigned customMask_ = 0;
    QKeyCombination toggleKey_{Qt::Key_Space};
    bool showFocus_ = true;
    TextPosition textPosition_ = TextPosition::tpNone;
    SwitchBorder border_ = SwitchBorder::None;
    bool tabStop_ = true;
    ColorValue color_ = clBtnFace;
    bool parentColor_ = true;
    QString caption_;
    ColorValue fontColor_ = clWindowText;
    int mnemonicId_ = 0;
    bool pressed_ = false;
};

}  // namespace zhcalc::controls
