#pragma once
// The calculator window: the layout's controls bound to the calculator core. Every
// click, typed character, switch and check box runs one core operation; the core
// reports its changes back and the window shows them, painting the display before
// a key's tone starts. Exceptions end at the handler and go to the error box.

#include <QWidget>
#include <array>
#include <future>
#include <memory>

#include "calculator/calc_panel.h"
#include "app/layout.h"
#include "app/qt_services.h"

namespace zhcalc {

namespace controls {
class FacePrerender;
}
class LocaleWatcher;
class TrayMinimizer;
class WindowMenu;

class CalculatorWindow : public QWidget {
    Q_OBJECT
  public:
    // `sound` plays the key tones and must outlive the window.
    // The keys' pictures are drawn on another thread while the window is shown;
    // their text once `textReady` is (when given: the fonts may be loaded then).
    explicit CalculatorWindow(SoundService& sound, std::shared_future<void> textReady = {},
                              QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    CalcPanel& panel() { return *panel_; }
    const CalcPanel& panel() const { return *panel_; }
    WindowMenu& windowMenu() { return *menu_; }
    TrayMinimizer& tray() { return *tray_; }

    // What the display shows.
    QString displayText() const;

    // The widgets of key `id` and of control `id`; throw std::logic_error before it is built.
    QWidget& keyWidget(KeyId id) const;
    QWidget& controlWidget(layout::ControlId id) const;

    // Places the window's frame in the middle of its screen's available area; before
    // the window manager has framed it, the window itself. Done when first shown and
    // again when first exposed, once the frame is known.
    void centreOnScreen();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    class PanelView;

    QWidget* parentFor(layout::Parent parent);
    void buildControls();
    void buildKeys();
    void buildStrip();
    void arrangeFocus();
    void buildMenuAndTray();
    QRect centredFrame(const QRect& area, const QMargins& frame) const;
    void typed(const QKeyEvent& event);
    void typedCharacters(const std::string& cp1251);
    void pressKey(const Key& key);
    void switchToggled(const layout::ControlLayout& row, bool on);
    void updateConstantHints();
    void openAboutWindow();
    void cutColourKey();
    template <typename Operation>
    void guarded(Operation&& operation);

    QtClipboard clipboard_;
    BoxMessageReporter messages_{this};
    std::unique_ptr<CalcPanel> panel_;
    std::unique_ptr<PanelView> view_;
    std::unique_ptr<controls::FacePrerender> facePrerender_;

    // Indexed by KeyId and ControlId; the widgets are the window's children.
    std::array<QWidget*, kKeyCount> keys_{};
    std::array<QWidget*, layout::kControlCount> controls_{};
    WindowMenu* menu_ = nullptr;
    TrayMinimizer* tray_ = nullptr;
    LocaleWatcher* locale_ = nullptr;
    bool centred_ = false;
};

}  // namespace zhcalc
