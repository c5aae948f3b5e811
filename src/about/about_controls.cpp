#include "about/about_controls.h"

#include "about/about_layout.h"
#include "controls/background.h"
#include "controls/flat_button.h"
#include "controls/flat_edit.h"
#include "controls/flat_group_box.h"
#include "controls/fonts.h"

namespace zhcalc::about {
namespace {

controls::FlatGroupBox* groupBox(QWidget* window, const GroupBoxLayout& layout) {
    auto* box = new controls::FlatGroupBox(QString::fromUtf8(layout.caption), window);
    box->setObjectName(QString::fromLatin1(layout.name));
    box->setGeometry(layout.geometry);
    box->setTransparent(true);
    return box;
}

}  // namespace

QFont aboutLayoutFont(int pixelHeight) {
    return controls::makeFont(
        {QStringLiteral("MS Sans Serif"), -pixelHeight, 0, controls::clWindowText});
}

AboutControls buildAboutControls(QWidget* window) {
    AboutControls built{};
    built.background = new controls::BackGround(window);
    built.background->setObjectName(QStringLiteral("BackGround1"));
    built.background->setFillType(QStringLiteral("GradientVert"));

    built.aboutBox = groupBox(window, kAboutBox);
    built.converterBox = groupBox(window, kConverterBox);

    built.temperatureEdit = new controls::FlatEdit(built.converterBox);
    built.temperatureEdit->setObjectName(QStringLiteral("ceTemp"));
    built.temperatureEdit->setGeometry(kTemperatureEditGeometry);
    built.temperatureEdit->setCtl3D(false);
    // Right-to-left reading: right-aligned, and a leading sign shows on the right.
    built.temperatureEdit->setLayoutDirection(Qt::RightToLeft);
    built.temperatureEdit->setTextAlign(Qt::AlignRight);
    built.temperatureEdit->setText(QStringLiteral("0"));
    // The edit has no label of its own; this is what a screen reader calls it.
    built.temperatureEdit->setAccessibleName(QStringLiteral("Температура"));

    QWidget* previous = built.temperatureEdit;
    for (const ConverterButtonLayout& layout : kConverterButtons) {
        QWidget* parent = layout.parent == ButtonParent::Window
                              ? window
                              : static_cast<QWidget*>(built.converterBox);
        auto* button = new controls::FlatButton(QString::fromUtf8(layout.caption), parent);
        button->setObjectName(QString::fromLatin1(layout.name));
        button->setGeometry(layout.geometry);
        button->setOptions(controls::foFlatBorder | controls::foPaintTransparently);
        if (layout.smallFont) button->setFont(aboutLayoutFont(7));
        button->setAutoDefault(false);
        // Hidden buttons are laid out like the others but never shown.
        button->setVisible(layout.visible);
        QWidget::setTabOrder(previous, button);
        previous = button;
        built.buttons.push_back(button);
    }
    return built;
}

}  // namespace zhcalc::about
