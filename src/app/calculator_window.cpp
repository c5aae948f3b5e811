#include "app/calculator_window.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <set>
#include <stdexcept>

#include "about/about_window.h"
#include "app/app_identity.h"
#include "app/colour_key_cutter.h"
#include "app/control_factory.h"
#include "app/error_box.h"
#include "app/frames.h"
#include "app/layout.h"
#include "app/locale_watcher.h"
#include "app/mail_label.h"
#include "app/tray_minimizer.h"
#include "app/window_accessibility.h"
#include "app/window_menu.h"
#include "app/x11_shape.h"
#include "controls/bit_button.h"
#include "controls/face_prerender.h"
#include "engine/cp1251.h"

namespace zhcalc {
namespace {

QString fromCp1251(std::string_view text) {
    return QString::fromStdString(cp1251ToUtf8(text));
}

// Hints keep their line breaks; the tooltip wants a plain newline between lines.
QString hintText(std::string_view cp1251) {
    return fromCp1251(cp1251).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The colour whose pixels are holes in the window.
QRgb transparentKey() {
    return controls::resolveColor(layout::kTransparentColor).rgb();
}

bool isDecoration(layout::ControlClass kind) {
    using enum layout::ControlClass;
    return kind == BackGround || kind == Label3D || kind == Bevel || kind == Panel ||
           kind == ControlBar;
}

}  // namespace

// Shows the core's changes as they happen and paints what changed when the core asks,
// so that the display is on screen before a tone holds the GUI thread.
class CalculatorWindow::PanelView : public PanelListener {
  public:
    explicit PanelView(CalculatorWindow& window) : window_(window) {}

    void displaySet(const std::string& text) override {
        QWidget& display = window_.controlWidget(layout::ControlId::Display);
        factory::setLabelCaption(&display, text);
        dirty_.insert(&display);
    }
    void commaVisibleSet(bool visible) override {
        QWidget& comma = window_.keyWidget(KeyId::Comma);
        if (comma.isVisibleTo(&window_) == visible) return;
        comma.setVisible(visible);
    }
    void keyEnabledSet(const Key& key, bool enabled) override {
        QWidget& widget = window_.keyWidget(key.id);
        if (widget.isEnabled() == enabled) return;
        widget.setEnabled(enabled);
        dirty_.insert(&widget);
    }
    void showNow() override {
        for (QWidget* widget : dirty_) {
            if (widget->isVisible()) widget->repaint();
        }
        dirty_.clear();
    }

  private:
    CalculatorWindow& window_;
    std::set<QWidget*> dirty_;
};

CalculatorWindow::CalculatorWindow(SoundService& sound, std::shared_future<void> textReady,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("SbSetup1"));
    setWindowTitle(calculatorWindowCaption());
    setFixedSize(layout::kClientWidth, layout::kClientHeight);
    setFont(factory::fontFor(layout::kWindowFont));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, controls::resolveColor(layout::kWindowColor));
    setPalette(palette);
    setAutoFillBackground(true);

    // The locale is read before anything renders a number.
    locale_ = new LocaleWatcher(this, [this](DecimalSeparator separator) {
        panel_->setDecimalSeparator(separator);
        updateConstantHints();
    });
    panel_ = std::make_unique<CalcPanel>(sound, messages_, clipboard_, locale_->separator());
    view_ = std::make_unique<PanelView>(*this);

    buildControls();
    makeAccessible(*this);
    arrangeFocus();
    buildMenuAndTray();
    cutColourKey();
    updateConstantHints();
    panel_->setListener(view_.get());
    // The keys are drawn on the other core while the window is being shown.
    facePrerender_ = std::make_unique<controls::FacePrerender>(findChildren<controls::BitButton*>(),
                                                               std::move(textReady));
}

CalculatorWindow::~CalculatorWindow() {
    panel_->setListener(nullptr);
}

QString CalculatorWindow::displayText() const {
    return factory::labelCaption(&controlWidget(layout::ControlId::Display));
}

// Every control is built in the constructor; a missing one is a fault of the window.
QWidget& CalculatorWindow::keyWidget(KeyId id) const {
    QWidget* key = keys_.at(keyIndex(id));
    if (key == nullptr) throw std::logic_error("the key is not built yet");
    return *key;
}

QWidget& CalculatorWindow::controlWidget(layout::ControlId id) const {
    QWidget* control = controls_.at(layout::controlIndex(id));
    if (control == nullptr) throw std::logic_error("the control is not built yet");
    return *control;
}

QWidget* CalculatorWindow::parentFor(layout::Parent parent) {
    switch (parent) {
        case layout::Parent::Panel1:
            return &controlWidget(layout::ControlId::RegisterPanel);
        case layout::Parent::ControlBar1:
            return &controlWidget(layout::ControlId::SwitchBar);
        case layout::Parent::Window:
            break;
    }
    return this;
}

void CalculatorWindow::buildControls() {
    // Decorations first (they stay below), then the keys, then the image keys and the
    // strip at the bottom, in the layout's order.
    for (const auto& row : layout::otherControls()) {
        if (!isDecoration(row.kind)) continue;
        QWidget* widget = nullptr;
        QWidget* parent = parentFor(row.parent);
        switch (row.kind) {
            case layout::ControlClass::BackGround:
                widget = factory::createBackground(parent, row);
                break;
            case layout::ControlClass::Label3D:
                widget = factory::createLabel3D(
                    parent, row,
                    row.id == layout::ControlId::AboutLabel
                        ? std::function<void()>([this] { guarded([this] { openAboutWindow(); }); })
                        : std::function<void()>());
                break;
            case layout::ControlClass::Bevel:
                widget = new Bevel(parent);
                break;
            case layout::ControlClass::Panel:
                widget = new LoweredPanel(parent);
                break;
            default:
                widget = new ControlBar(parent);
                break;
        }
        widget->setObjectName(QString::fromUtf8(row.name));
        widget->setGeometry(row.geometry);
        if (*row.hint != '\0') widget->setToolTip(QString::fromUtf8(row.hint));
        controls_.at(layout::controlIndex(row.id)) = widget;
    }
    buildKeys();
    buildStrip();
    for (const auto& row : layout::otherControls())
        controlWidget(row.id).setEnabled(row.enabled);
}

void CalculatorWindow::buildKeys() {
    for (const Key& key : kKeys) {
        const auto click = [this, &key] { pressKey(key); };
        QWidget* widget = key.imageKey
                              ? factory::createImageKey(this, layout::imageKey(key.id), click)
                              : factory::createShapeKey(this, layout::shapeKey(key.id), key.caption,
                                                        key.tag, click);
        widget->setToolTip(hintText(key.hint));
        widget->setEnabled(panel_->isEnabled(key));
        widget->setVisible(panel_->isVisible(key));
        keys_.at(keyIndex(key.id)) = widget;
    }
}

void CalculatorWindow::buildStrip() {
    for (const auto& row : layout::otherControls()) {
        QWidget* parent = parentFor(row.parent);
        const QString name = QString::fromUtf8(row.name);
        QWidget* widget = nullptr;
        switch (row.kind) {
            case layout::ControlClass::CheckBox: {
                auto* box = new QCheckBox(QString::fromUtf8(row.caption), parent);
                box->setObjectName(name);
                box->setGeometry(row.geometry);
                // "Rom" (register 0) protects every register, "romN" register N.
                const int n = row.memoryRegister;
                connect(box, &QCheckBox::toggled, this, [this, n](bool on) {
                    guarded([&] {
                        n == 0 ? panel_->setAllProtected(on) : panel_->setProtected(n, on);
                    });
                });
                widget = box;
                break;
            }
            case layout::ControlClass::ToggleSwitch:
                // The row is the layout's, which outlives the window.
                widget = factory::createToggleSwitch(
                    parent, row, [this, &row](bool on) { switchToggled(row, on); },
                    [this](const QString& text) {
                        typedCharacters(utf8ToCp1251(text.toStdString()));
                    });
                break;
            case layout::ControlClass::UrlLabel: {
                auto* label = new MailLabel(parent);
                label->setObjectName(name);
                label->setGeometry(row.geometry);
                label->setFont(factory::fontFor(row.font));
                label->setText(QString::fromUtf8(row.caption));
                label->setAddress(QString::fromUtf8(layout::kMailAddress));
                widget = label;
                break;
            }
            default:
                continue;
        }
        controls_.at(layout::controlIndex(row.id)) = widget;
    }
}

void CalculatorWindow::arrangeFocus() {
    // Typed characters belong to the keyboard map. The window holds the focus from
    // the start and takes it back on every click in it (a click gives the focus to
    // the nearest widget up from the one clicked that takes it by click); a switch
    // or check box takes it only by Tab, and the space bar then toggles it.
    QWidget* previous = nullptr;
    for (const layout::ControlId id : layout::tabOrder()) {
        QWidget* next = &controlWidget(id);
        next->setFocusPolicy(Qt::TabFocus);
        if (previous != nullptr) setTabOrder(previous, next);
        previous = next;
    }
    setFocusPolicy(Qt::ClickFocus);
    setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::buildMenuAndTray() {
    const auto item = [this](const char* caption, QKeySequence shortcut, void (CalcPanel::*op)()) {
        WindowMenuItem entry{QString::fromUtf8(caption), shortcut, {}};
        if (op != nullptr) entry.action = [this, op] { guarded([&] { ((*panel_).*op)(); }); };
        return entry;
    };
    menu_ = new WindowMenu(
        this, {
                  item("Копировать", QKeySequence(Qt::CTRL | Qt::Key_C), &CalcPanel::copy),
                  item("Вставить", QKeySequence(Qt::CTRL | Qt::Key_V), &CalcPanel::paste),
                  item("Выре", QKeySequence(), nullptr),
                  item("Вырезать", QKeySequence(Qt::CTRL | Qt::Key_X), &CalcPanel::cut),
              });
    tray_ = new TrayMinimizer(this, &factory::trayIcon);
}

// Controls pass on the characters they do not use themselves (all but the space
// bar of a focused key or switch), so every typed character ends up here.
void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    typed(*event);
    QWidget::keyPressEvent(event);
}

void CalculatorWindow::typed(const QKeyEvent& event) {
    std::string characters = utf8ToCp1251(event.text().toStdString());
    if (characters.empty()) {
        switch (event.key()) {
            case Qt::Key_Backspace:
                characters = "\b";
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                characters = "\r";
                break;
            case Qt::Key_Escape:
                characters = "\x1b";
                break;
            default:
                return;
        }
    }
    typedCharacters(characters);
}

void CalculatorWindow::typedCharacters(const std::string& cp1251) {
    guarded([&] {
        for (char c : cp1251)
            panel_->formKeyPress(c);
    });
}

void CalculatorWindow::pressKey(const Key& key) {
    guarded([&] { panel_->press(key); });
}

void CalculatorWindow::switchToggled(const layout::ControlLayout& row, bool on) {
    const int n = row.memoryRegister;
    guarded([&] { on ? panel_->switchOn(n) : panel_->switchOff(n); });
    controlWidget(row.id).setToolTip(fromCp1251(panel_->registers().switchHint(n)));
}

void CalculatorWindow::updateConstantHints() {
    for (const Key& key : kKeys) {
        QWidget* widget = keys_.at(keyIndex(key.id));
        if (widget == nullptr) continue;  // a locale change before the keys are built
        if (key.action == KeyAction::AppendPi || key.action == KeyAction::AppendE) {
            widget->setToolTip(hintText(keyHint(key, panel_->decimalSeparator())));
        }
    }
}

void CalculatorWindow::openAboutWindow() {
    about::showAboutWindow(this, [this] { return panel_->decimalSeparator(); });
}

template <typename Operation>
void CalculatorWindow::guarded(Operation&& operation) {
    runGuarded(this, std::forward<Operation>(operation));
}

QRect CalculatorWindow::centredFrame(const QRect& area, const QMargins& frame) const {
    const QSize outer = size().grownBy(frame);
    return {area.topLeft() +
                QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2),
            outer};
}

void CalculatorWindow::centreOnScreen() {
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // The frame is the window manager's and known only once it has framed the window;
    // until then (and without a window manager) the window's own area is centred.
    const bool framed = windowHandle() != nullptr && isVisible();
    const QMargins frame = framed ? windowHandle()->frameMargins() : QMargins();
    const QRect outer = centredFrame(screen->availableGeometry(), frame);
    // The client area's own position: move() would place the frame, once there is one.
    setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), size()));
}

void CalculatorWindow::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        centreOnScreen();
        // Framed before it is first exposed: the frame is centred then, before the
        // window's first picture, so at most the empty frame is seen to move.
        windowHandle()->installEventFilter(this);
    }
    QWidget::showEvent(event);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        centreOnScreen();
    }
    return QWidget::eventFilter(watched, event);
}

// The holes follow every paint of the window, once it is on screen. The cutter is
// the window's child.
void CalculatorWindow::cutColourKey() {
    if (x11ShapesAvailable()) new ColourKeyCutter(*this, transparentKey(), x11ShapeSink(*this));
}

}  // namespace zhcalc
