#pragma once
// Base of the drawn push buttons: the press state machine, the keyboard, the
// caption and glyph layout, the off-screen paint and the window region with one
// cached region per state. Subclasses say how the face is drawn and where the
// region comes from. A hidden button defers its region until it is shown, so the
// setters and resizes that build it up cost no outline that nobody sees.

#include <QAbstractButton>
#include <QFlags>
#include <QImage>
#include <QRegion>
#include <future>
#include <optional>

#include "controls/button_face.h"
#include "controls/button_pixels.h"
#include "controls/button_regions.h"
#include "controls/caption_text.h"
#include "controls/colors.h"

namespace zhcalc::controls {

enum ButtonOption : unsigned {
    boFocusable = 1u << 0,            // takes focus by Tab and by the mouse
    boOverrideActionGlyph = 1u << 1,  // kept for layouts; buttons here have no actions
    boToggleOnUp = 1u << 2,           // kept for layouts; only grouped buttons toggle
    boFocusRect = 1u << 3,            // dotted rectangle around a focused caption
    boAutoBold = 1u << 4,             // kept for layouts; no default-button emphasis here
};
Q_DECLARE_FLAGS(ButtonOptions, ButtonOption)

// The five edge colours and the shadow colour of a face.
struct ShadeColors {
    ColorValue btnHighlight = clBtnHighlight;
    ColorValue btn3DLight = cl3DLight;
    ColorValue btnShadow = clBtnShadow;
    ColorValue btnBlack = clBlack;
    ColorValue btnFocus = clBlack;
    ColorValue shadow = clBlack;

    BevelColors resolved() const;
};

class BitButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit BitButton(QWidget* parent = nullptr);

    ShadeStyle shadeStyle() const { return shadeStyle_; }
    void setShadeStyle(ShadeStyle style);
    const ShadeColors& shadeColors() const { return shadeColors_; }
    void setShadeColors(const ShadeColors& colors);
    const CaptionText& textOptions() const { return textOptions_; }
    void setTextOptions(const CaptionText& options);
    const ButtonOffsets& offsets() const { return offsets_; }
    void setOffsets(const ButtonOffsets& offsets);
    ButtonOptions options() const { return options_; }
    void setOptions(ButtonOptions options);
    ColorValue fontColor() const { return fontColor_; }
    void setFontColor(ColorValue color);

    // A picture with NumGlyphs images side by side: up, disabled, down, hot. Its
    // bottom-left pixel's colour is transparent.
    const QImage& glyph() const { return glyph_; }
    void setGlyph(const QImage& glyph);
    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count);  // clamped to 1..4
    GlyphLayout layout() const { return glyphLayout_; }
    void setLayout(GlyphLayout layout);
    int margin() const { return margin_; }
    void setMargin(int margin);  // -1 centres; values below -1 are ignored
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);

    // A free number for the owner; the calculator groups its entry keys by it.
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    // When non-zero, a click also ends the dialog that owns the button with it.
    int modalResult() const { return modalResult_; }
    void setModalResult(int result) { modalResult_ = result; }

    // A default button takes Return, a cancel button Escape, from anywhere in its
    // window (Return only while the focus is not on another button). Both need a
    // button that can take focus (boFocusable). A default button shows the focus edge.
    bool isDefault() const { return default_; }
    void setDefault(bool isDefault);
    bool isCancel() const { return cancel_; }
    void setCancel(bool isCancel);

    // The button's whole picture for a state, as painted: face, edges, caption.
    QImage renderFace(bool down) const;
    // Everything the picture of a state depends on, as plain values.
    ButtonFace faceFor(bool down) const;
    // A picture of `face` drawn elsewhere (on another thread, say): the next paint
    // takes it, waiting for it if need be, if the button's face is still `face`.
    void offerPicture(ButtonFace face, std::shared_future<QImage> picture);
    // The region the window is cut to for a state: the one kept for the current size,
    // else made now and kept.
    QRegion stateRegion(bool down);

    QSize sizeHint() const override { return {75, 25}; }

  signals:
    void mouseEntered();
    void mouseLeft();

  protected:
    // The face of a state under its caption and glyph.
    virtual FaceBase faceBase(bool down, ShadeStyle style) const = 0;
    // The region of a state, computed afresh (no cache).
    virtual QRegion createRegion(bool down) const = 0;
    virtual bool usesRegion() const { return true; }
    // Whether pressing and releasing switch the region.
    virtual bool regionFollowsState() const { return false; }
    // Whether a point in the button's coordinates counts as over the button (a
    // deferred region is cut first).
    virtual bool isInside(QPoint pos);

    // The region kept for a state at the current size.
    std::optional<QRegion> cachedRegion(bool down) const { return regions_.kept(down, size()); }
    void setCachedRegion(bool down, const std::optional<QRegion>& region) {
        regions_.keep(down, size(), region);
    }
    // Drops both cached regions and cuts the window anew (see refreshRegion).
    void rebuildRegion();
    // Cuts the window to the current state's region now if the button is visible;
    // a hidden one is cut when it is shown.
    void refreshRegion();
    // Re-applies the region of the current state (cache kept).
    void applyRegion();
    // Applies a region that was deferred, before anything reads the mask.
    void applyPendingRegion();
    // Whether the owning window is the one that takes the user's input.
    bool windowTakesInput() const;
    // The face is in the hovered state (pointer over an enabled button).
    bool isHot() const { return hot_ && isEnabled(); }
    // The button shows the focused edge.
    bool showsFocus() const { return hasFocus() || default_; }

    // Over the outline the window shows now, as cut. Qt's own mouse handlers, its only
    // callers, are replaced here by ones that ask isInside.
    bool hitButton(const QPoint& pos) const override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    void setDownLook(bool down);
    void watchWindowKeys();
    void releaseAt(QPoint pos, bool mayClick);
    void runClick();
    QImage glyphImage(bool down) const;
    // The picture for the current state: the last one while the face is unchanged.
    QImage currentPicture();

    ShadeStyle shadeStyle_ = ShadeStyle::ssHighlight;
    ShadeColors shadeColors_;
    CaptionText textOptions_;
    ButtonOffsets offsets_;
    ButtonOptions options_;
    ColorValue fontColor_ = clWindowText;
    QImage glyph_;
    int numGlyphs_ = 1;
    GlyphLayout glyphLayout_ = GlyphLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    int tag_ = 0;
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;

    bool tracking_ = false;
    bool downAtPress_ = false;
    bool hot_ = false;
    struct Picture {
        ButtonFace face;
        std::shared_future<QImage> image;
    };
    std::optional<Picture> picture_;  // the last picture painted or offered
    ButtonRegions regions_;
};

}  // namespace zhcalc::controls

Q_DECLARE_OPERATORS_FOR_FLAGS(zhcalc::controls::ButtonOptions)
