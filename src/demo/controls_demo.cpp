#include "demo/controls_demo.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QPixmap>
#include <string>

#include "about/about_controls.h"
#include "about/about_layout.h"
#include "app/control_factory.h"
#include "app/frames.h"
#include "app/layout.h"
#include "app/mail_label.h"
#include "calculator/key_table.h"
#include "controls/background.h"
#include "controls/fills.h"
#include "controls/flat_button.h"
#include "controls/flat_group_box.h"
#include "controls/fonts.h"
#include "controls/label3d.h"
#include "controls/pictures.h"
#include "controls/toggle_switch.h"

namespace zhcalc::controls {

namespace {

QLabel* note(QWidget* parent, const QString& text, QRect at) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    label->setFont(makeFont({QStringLiteral("MS Sans Serif"), -11, 0, clWindowText}));
    return label;
}

// The containers the layout's rows sit in, as they are made.
struct Parents {
    QWidget* window;
    QWidget* panel = nullptr;
    QWidget* bar = nullptr;

    QWidget* of(layout::Parent parent) const {
        if (parent == layout::Parent::Panel1) return panel;
        return parent == layout::Parent::ControlBar1 ? bar : window;
    }
};

// A decoration or frame of the layout, or nothing for the other rows.
QWidget* createDecoration(const layout::ControlLayout& row, Parents& parents) {
    using enum layout::ControlClass;
    QWidget* parent = parents.of(row.parent);
    switch (row.kind) {
        case BackGround:
            return factory::createBackground(parent, row);
        case Label3D:
            return factory::createLabel3D(parent, row, {});
        case Bevel:
            return new zhcalc::Bevel(parent);
        case Panel:
            return parents.panel = new LoweredPanel(parent);
        case ControlBar:
            return parents.bar = new zhcalc::ControlBar(parent);
        default:
            return nullptr;
    }
}

// A check box, switch or mail label of the strip, doing nothing; nothing for the
// other rows.
QWidget* createStripControl(const layout::ControlLayout& row, const Parents& parents) {
    using enum layout::ControlClass;
    QWidget* parent = parents.of(row.parent);
    switch (row.kind) {
        case CheckBox:
            return new QCheckBox(QString::fromUtf8(row.caption), parent);
        case ToggleSwitch:
            return factory::createToggleSwitch(
                parent, row, [](bool) {}, [](const QString&) {});
        case UrlLabel: {
            auto* label = new MailLabel(parent);
            label->setFont(factory::fontFor(row.font));
            label->setText(QString::fromUtf8(row.caption));
            return label;
        }
        default:
            return nullptr;
    }
}

// Names and places a row's control, with its enabled state.
void place(QWidget* widget, const layout::ControlLayout& row) {
    if (widget == nullptr) return;
    widget->setObjectName(QString::fromUtf8(row.name));
    widget->setGeometry(row.geometry);
    widget->setEnabled(row.enabled);
}

// The calculator window's part, built from its layout and key table: gradient,
// display, keys, frames, switches, about label.
void buildCalculatorPart(QWidget* page) {
    auto* window = new QWidget(page);
    window->setObjectName(QStringLiteral("SbSetup1"));
    window->setGeometry(8, 24, layout::kClientWidth, layout::kClientHeight);
    window->setFont(factory::fontFor(layout::kWindowFont));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, resolveColor(layout::kWindowColor));
    window->setPalette(palette);
    window->setAutoFillBackground(true);

    // Decorations first (they stay below), then the keys, then the strip.
    Parents parents{window};
    for (const layout::ControlLayout& row : layout::otherControls())
        place(createDecoration(row, parents), row);
    for (const Key& key : kKeys) {
        QWidget* widget = key.imageKey
                              ? factory::createImageKey(window, layout::imageKey(key.id), [] {})
                              : factory::createShapeKey(window, layout::shapeKey(key.id),
                                                        key.caption, key.tag, [] {});
        widget->setEnabled(key.group != KeyGroup::DisabledForLife);
    }
    // What a still picture cannot show otherwise: a sum on the display, lamps on.
    for (const layout::ControlLayout& row : layout::otherControls()) {
        QWidget* widget = createStripControl(row, parents);
        place(widget, row);
        if (auto* lamp = qobject_cast<ToggleSwitch*>(widget))
            lamp->setStateOn(row.memoryRegister % 3 == 1);
    }
    factory::setLabelCaption(window->findChild<QWidget*>(QStringLiteral("r3dDisplay")),
                             "sin(0,5)+Log2(8)*2,75");
}

// The about window's part, built from its layout: gradient in the system colours,
// group boxes, edit, flat buttons.
void buildAboutPart(QWidget* page) {
    auto* window = new QWidget(page);
    window->setObjectName(QStringLiteral("Form1"));
    window->setGeometry(QRect(QPoint(496, 24), about::kAboutWindowSize));
    window->setAutoFillBackground(true);
    window->setFont(about::aboutLayoutFont(11));
    const about::AboutControls built = about::buildAboutControls(window);

    // Show the states a still picture cannot: the pointer over one button, another
    // held down, a third disabled.
    const auto button = [window](const char* name) {
        return window->findChild<FlatButton*>(QString::fromLatin1(name));
    };
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button("cbCF"), &enter);
    button("cbKR")->setDown(true);
    button("cbKRa")->setEnabled(false);

    auto* text = new QLabel(built.aboutBox);
    text->setGeometry(20, 60, 240, 60);
    text->setAlignment(Qt::AlignCenter);
    text->setText(QStringLiteral("(the credits scroller goes here)"));
}

// Everything else each control can do: the switch's defaults and caption, a turned
// and a shadowed label, the tray picture, and every registered fill.
void buildGallery(QWidget* page) {
    note(page, QStringLiteral("Calculator window"), QRect(8, 4, 300, 16));
    note(page, QStringLiteral("About window (hot, down and disabled flat buttons)"),
         QRect(496, 4, 500, 16));

    auto* sw = new ToggleSwitch(page);
    sw->setGeometry(8, 344, 110, 60);
    sw->setTextPosition(TextPosition::tpRight);
    sw->setCaption(QStringLiteral("&Default"));
    sw->setStateOn(true);
    auto* swOff = new ToggleSwitch(page);
    swOff->setGeometry(120, 344, 50, 60);

    auto* turned = new Label3D(page);
    turned->setGeometry(180, 336, 110, 80);
    turned->setFont(makeFont({QStringLiteral("Arial"), -16, fsBold, clNavy}));
    turned->setFontColor(clNavy);
    turned->setAlignment(TextAlignment::taCenter);
    turned->labelStyle().setAngle(30);
    turned->setCaptionText(QStringLiteral("Поворот"));
    auto* shadowed = new Label3D(page);
    shadowed->setGeometry(290, 344, 130, 40);
    shadowed->setFont(makeFont({QStringLiteral("Arial"), -20, fsBold, clMaroon}));
    shadowed->setFontColor(clMaroon);
    shadowed->setAlignment(TextAlignment::taCenter);
    shadowed->labelStyle().setStyle3D(Effect3D::A3dShadowed);
    shadowed->labelStyle().setHShadeOffset(3);
    shadowed->labelStyle().setVShadeOffset(3);
    shadowed->setCaptionText(QStringLiteral("Тень"));
    auto* plate = new Label3D(page);
    plate->setGeometry(290, 384, 130, 30);
    plate->setFont(makeFont({QStringLiteral("Arial"), -14, fsBold, clBlack}));
    plate->setAlignment(TextAlignment::taCenter);
    plate->setColor(clYellow);
    plate->setMyTransparent(false);
    plate->setCaptionText(QStringLiteral("Непрозрачная"));

    auto* tray = new QLabel(page);
    tray->setGeometry(430, 356, 35, 22);
    tray->setPixmap(QPixmap::fromImage(trayTricolourPicture()));

    const auto& fills = fillRegistry();
    for (size_t i = 0; i < fills.size(); ++i) {
        const int column = static_cast<int>(i % 12), row = static_cast<int>(i / 12);
        auto* tile = new QWidget(page);
        tile->setGeometry(480 + column * 46, 330 + row * 62, 42, 40);
        auto* fill = new BackGround(tile);
        fill->setFillType(fills[i].name);
        fill->setFillColorLight(rgbValue(250, 230, 160));
        fill->setFillColorDark(rgbValue(120, 60, 20));
        fill->setFillColorNormal(rgbValue(200, 150, 80));
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        for (int d = 0; d < 8; ++d)
            picture.setPixel(d, d, qRgb(255, 255, 255));
        fill->setFillBitmap(picture);
        QString name = fills[i].name;
        name.remove(u'(').remove(u')');
        auto* caption = note(page, name.left(8), QRect(480 + column * 46, 371 + row * 62, 46, 14));
        caption->setFont(makeFont({QStringLiteral("Arial Narrow"), -10, 0, clBlack}));
    }
}

}  // namespace

QWidget* createControlsDemo(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setWindowTitle(QStringLiteral("zhcalc controls"));
    page->resize(1040, 460);
    page->setAutoFillBackground(true);
    buildCalculatorPart(page);
    buildAboutPart(page);
    buildGallery(page);
    return page;
}

}  // namespace zhcalc::controls
