#include "about/about_window.h"

#include <QGuiApplication>
#include <QImage>
#include <QRegion>
#include <string>
#include <utility>

#include "about/about_credits.h"
#include "about/about_layout.h"
#include "about/converter_press.h"
#include "about/credits.h"
#include "controls/background.h"
#include "controls/button_pixels.h"
#include "controls/flat_button.h"
#include "controls/flat_edit.h"
#include "controls/flat_group_box.h"
#include "controls/fonts.h"
#include "engine/cp1251.h"

namespace zhcalc::about {

namespace {

QFont layoutFont(int pixelHeight) {
    return controls::makeFont(
        {QStringLiteral("MS Sans Serif"), -pixelHeight, 0, controls::clWindowText});
}

}  // namespace

AboutWindow::AboutWindow(SeparatorSource separator, QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      separator_(std::move(separator)),
      convertor_(makeLoadedTempConvertor()) {
    controls::installFontSubstitutes();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Эбаут и прочие настройки"));
    setFixedSize(535, 290);
    move(182, 112);
    setFont(layoutFont(11));
    setModal(true);

    background_ = new controls::BackGround(this);
    background_->setObjectName(QStringLiteral("BackGround1"));
    background_->setFillType(QStringLiteral("GradientVert"));

    aboutBox_ = new controls::FlatGroupBox(QStringLiteral("Обо мне и прочих"), this);
    aboutBox_->setObjectName(QStringLiteral("FlatGroupBox1"));
    aboutBox_->setGeometry(0, 0, 273, 281);
    aboutBox_->setTransparent(true);

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

    converterBox_ = new controls::FlatGroupBox(QStringLiteral("Конвектор"), this);
    converterBox_->setObjectName(QStringLiteral("FlatGroupBox2"));
    converterBox_->setGeometry(280, 0, 249, 281);
    converterBox_->setTransparent(true);

    temperatureEdit_ = new controls::FlatEdit(converterBox_);
    temperatureEdit_->setObjectName(QStringLiteral("ceTemp"));
    temperatureEdit_->setGeometry(72, 8, 121, 19);
    temperatureEdit_->setCtl3D(false);
    // Right-to-left reading: right-aligned, and a leading sign shows on the right.
    temperatureEdit_->setLayoutDirection(Qt::RightToLeft);
    temperatureEdit_->setTextAlign(Qt::AlignRight);
    temperatureEdit_->setText(QStringLiteral("0"));

    buildConverterButtons();
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::buildConverterButtons() {
    QWidget* previous = temperatureEdit_;
    for (const ConverterButtonLayout& layout : kConverterButtons) {
        QWidget* parent =
            layout.parent == ButtonParent::Window ? static_cast<QWidget*>(this) : converterBox_;
        auto* button = new controls::FlatButton(QString::fromUtf8(layout.caption), parent);
        button->setObjectName(QString::fromLatin1(layout.name));
        button->setGeometry(layout.geometry);
        button->setOptions(controls::foFlatBorder | controls::foPaintTransparently);
        if (layout.smallFont) button->setFont(layoutFont(7));
        button->setAutoDefault(false);
        // Hidden buttons are laid out like the others but never shown.
        button->setVisible(layout.visible);
        if (layout.conversion) {
            connect(button, &controls::FlatButton::clicked, this,
                    [this, &layout] { convert(layout); });
        }
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
}

void AboutWindow::convert(const ConverterButtonLayout& button) {
    if (!button.conversion) return;
    const std::string typed = utf8ToCp1251(temperatureEdit_->text().toStdString());
    const std::string result =
        pressConverterButton(convertor_, typed, *button.conversion, separator_());
    temperatureEdit_->setText(QString::fromStdString(cp1251ToUtf8(result)));
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    applyColorKey();
}

QRegion colorKeyShape(const QImage& picture, QRgb key) {
    return controls::regionFromPixels(picture.convertToFormat(QImage::Format_RGB32), key);
}

void AboutWindow::applyColorKey() {
    // Window shapes exist only on X11; elsewhere (offscreen) the window stays whole.
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) return;
    // The mask is in the window's own (logical) pixels, so the picture it is cut from
    // is drawn at that size too, whatever the screen's scale.
    QImage picture(size(), QImage::Format_RGB32);
    render(&picture);
    const QRegion shape = colorKeyShape(picture, kTransparentColor);
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
