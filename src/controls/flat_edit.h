#pragma once
// A one-line text field in which Return (with or without Ctrl) never enters text:
// it is swallowed with the default beep. Receiving the focus other than by a mouse
// press selects all text.

#include <QLineEdit>

#include "controls/flat_paint.h"

namespace zhcalc::controls {

class FlatEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit FlatEdit(QWidget* parent = nullptr);

    FlatOptions options() const { return options_; }
    void setOptions(FlatOptions options) { options_ = options; }
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment textAlign() const { return alignment() & Qt::AlignHorizontal_Mask; }
    void setTextAlign(Qt::Alignment align);
    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }
    // Off gives a flat single-line border instead of the sunken 3D one.
    bool ctl3D() const { return ctl3D_; }
    void setCtl3D(bool on);

  signals:
    // Every key with text, before the field acts on it.
    void keyPressed(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    FlatOptions options_;
    bool autoSelect_ = true;
    bool ctl3D_ = true;
};

}  // namespace zhcalc::controls
