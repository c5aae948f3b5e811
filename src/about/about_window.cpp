#include "about/about_window.h"

#include <QGuiApplication>
#include <QImage>
#include <QRegion>
#include <string>
#include <utility>

#include "about/about_controls.h"
#include "about/about_credits.h"
#include "about/about_layout.h"
#include "about/converter_press.h"
#include "about/credits.h"
#include "about/credits_accessible.h"
#include "controls/accessibility/control_accessibles.h"
#include "controls/button_pixels.h"
#include "controls/flat_button.h"
#include "controls/flat_edit.h"
#include "controls/flat_group_box.h"
#include "controls/fonts.h"
#include "engine/cp1251.h"

namespace zhcalc::about {

AboutWindow::AboutWindow(SeparatorSource separator, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      separator_(std::move(separator)),
      convertor_(makeLoadedTempConvertor()) {
    controls::installFontSubstitutes();
    controls::accessibility::installAccessibleInterfaces();
    installCreditsAccessible();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Эбаут и прочие настройки"));
    setFixedSize(kAboutWindowSize);
    move(182, 112);
    setFont(aboutLayoutFont(11));
    // Modal to its calculator only: an application-wide modal window would also block
    // the tray icon, the one way back once both windows are in the tray.
    setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);

    const AboutControls built = buildAboutControls(this);
    background_ = built.background;
    aboutBox_ = built.aboutBox;
    converterBox_ = built.converterBox;
    temperatureEdit_ = built.temperatureEdit;
    for (std::size_t i = 0; i < kConverterButtons.size(); ++i) {
        const ConverterButtonLayout& layout = kConverterButtons[i];
        if (!layout.conversion) continue;
        connect(built.buttons[i], &controls::FlatButton::clicked, this,
                [this, &layout] { convert(layout); });
    }

    credits_ = new Credits(aboutBox_);
    credits_->setObjectName(QStringLiteral("Credits1"));
    credits_->setGeometry(2, 15, 269, 264);
    fillAboutCredits(credits_->credits());
    credits_->setCreditsPosition(0);
    credits_->setFillType(QStringLiteral("GradientVert"));
    credits_->setPathBegin(264);
    credits_->setPathRiseTo(259);
    credits_->setPathFallFrom(50);
    credits_->setTimerInterval(20);
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::convert(const ConverterButtonLayout& button) {
    if (!button.conversion) return;
    const std::string typed = utf8ToCp1251(temperatureEdit_->text().toStdString());
    const std::string result =
        pressConverterButton(convertor_, typed, *button.conversion, separator_());
    temperatureEdit_->setText(QString::fromStdString(cp1251ToUtf8(result)));
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    applyColourKey();
}

QRegion colourKeyShape(const QImage& picture, QRgb key) {
    return controls::regionFromPixels(picture.convertToFormat(QImage::Format_RGB32), key);
}

void AboutWindow::applyColourKey() {
    // Window shapes exist only on X11; elsewhere (offscreen) the window stays whole.
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) return;
    // The mask is in the window's own (logical) pixels, so the picture it is cut from
    // is drawn at that size too, whatever the screen's scale.
    QImage picture(size(), QImage::Format_RGB32);
    render(&picture);
    const QRegion shape = colourKeyShape(picture, kTransparentColor);
    if ((shape ^ QRegion(rect())).isEmpty()) {
        clearMask();
        return;
    }
    setMask(shape);
    update();
}

AboutWindow* createAboutWindow(QWidget* owner, SeparatorSource separator) {
    auto* window = new AboutWindow(std::move(separator), owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

void showAboutWindow(QWidget* owner, SeparatorSource separator) {
    createAboutWindow(owner, std::move(separator))->exec();
}

}  // namespace zhcalc::about
