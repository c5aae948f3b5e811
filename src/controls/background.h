#pragma once
// A control that fills its parent's whole client area with a named fill and stays
// behind its siblings. It ignores the mouse, so everything on top of it works as if
// it were painted by the parent itself.

#include <QImage>
#include <QMargins>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "controls/colors.h"
#include "controls/fill_cache.h"
#include "controls/fills.h"

namespace zhcalc::controls {

class CustomBackGround : public QWidget {
    Q_OBJECT
  public:
    explicit CustomBackGround(QWidget* parent = nullptr) : CustomBackGround(parent, true) {}
    ~CustomBackGround() override;

    // Name of a registered fill; unknown names are ignored. Reading returns the
    // registered spelling.
    QString fillType() const;
    virtual void setFillType(const QString& name);

    ColorValue fillColorLight() const { return light_; }
    virtual void setFillColorLight(ColorValue c);
    ColorValue fillColorDark() const { return dark_; }
    virtual void setFillColorDark(ColorValue c);
    // The control's own colour.
    ColorValue fillColorNormal() const { return normal_; }
    virtual void setFillColorNormal(ColorValue c);

    const QImage& fillBitmap() const { return bitmap_; }
    void setFillBitmap(const QImage& picture);

    bool fillCached() const { return cached_; }
    virtual void setFillCached(bool on);

    // Following the parent's size and staying at the bottom of its stack; on by default.
    bool fillsParent() const { return fillsParent_; }
    void setFillsParent(bool on);
    // Space the parent keeps for controls aligned to its edges (the background takes
    // what remains, like a client-aligned control).
    QMargins parentMargins() const { return parentMargins_; }
    void setParentMargins(const QMargins& margins);

    // The three colours resolved against the current palette.
    FillColors resolvedColors() const;

    // Renders the fill (from the cache when cached, rebuilding it first if invalid)
    // into `painter` at the origin, the control's size. Used by paint and by
    // transparent controls that paint their parent behind themselves.
    void drawBackground(QPainter& painter);

    bool isCacheInvalid() const { return cacheInvalid_; }
    const FillCache& fillCache() const { return cache_; }

  protected:
    // Derived controls placed at their own bounds (the credits scroller) pass false.
    CustomBackGround(QWidget* parent, bool fillsParent);

    // For derived controls that compose on top of the cached fill.
    FillCache& cache() { return cache_; }
    void invalidateCache();
    virtual void rebuildCache();
    void drawFillInto(QImage& target) const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void attachToParent();
    void detachFromParent();
    void followParent();

    const GraphicFill* fill_ = nullptr;
    ColorValue light_ = clBtnHighlight;
    ColorValue dark_ = clBtnShadow;
    ColorValue normal_ = clBtnFace;
    QImage bitmap_;
    bool cached_ = false;
    bool cacheInvalid_ = true;
    bool fillsParent_ = true;
    QMargins parentMargins_;
    FillCache cache_;
    QPointer<QWidget> hookedParent_;
};

class BackGround : public CustomBackGround {
    Q_OBJECT
  public:
    using CustomBackGround::CustomBackGround;
};

}  // namespace zhcalc::controls
