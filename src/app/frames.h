#pragma once
// The window's plain containers and frames: the lowered bevels around the key
// groups, the lowered panel of the register check boxes and the control bar that
// holds "Постоянно помнить" and the switches. None of them takes the mouse.

#include <QWidget>

namespace zhcalc {

// A lowered box: shadow on the top and left edges, highlight on the bottom and
// right ones. Draws nothing else, so the window shows through.
class Bevel : public QWidget {
  public:
    explicit Bevel(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A button-face panel with a one-pixel lowered outer bevel.
class LoweredPanel : public QWidget {
  public:
    explicit LoweredPanel(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A bar of fixed bands: each child stands on a raised band with a grip at its
// left; bands can be neither dragged nor docked.
class ControlBar : public QWidget {
  public:
    explicit ControlBar(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zhcalc
