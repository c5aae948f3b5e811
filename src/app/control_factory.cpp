#include "app/control_factory.h"

#include <QPixmap>

#include "controls/background.h"
#include "controls/button_pictures.h"
#include "controls/fonts.h"
#include "controls/image_button.h"
#include "controls/label3d.h"
#include "controls/pictures.h"
#include "controls/shape_button.h"
#include "controls/toggle_switch.h"
#include "engine/cp1251.h"

namespace zhcalc::factory {
namespace {

using namespace controls;

void place(QWidget* widget, std::string_view name, const QRect& geometry) {
    widget->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    widget->setGeometry(geometry);
}

// The strips aligned to the bottom take this much of the client area.
constexpr int kBottomStrips = layout::kClientHeight - 228;

}  // namespace

QFont fontFor(const layout::FontFace& face) {
    unsigned style = 0;
    if (face.bold) style |= fsBold;
    if (face.italic) style |= fsItalic;
    if (face.underline) style |= fsUnderline;
    return makeFont({QString::fromUtf8(face.family), -face.pixelHeight, style, face.color});
}

QWidget* createBackground(QWidget* parent, const layout::ControlLayout& row) {
    auto* background = new BackGround(parent);
    background->setObjectName(QString::fromUtf8(row.name));
    background->setParentMargins(QMargins(0, 0, 0, kBottomStrips));
    background->setFillType(QString::fromUtf8(layout::kBackgroundFill));
    background->setFillColorDark(layout::kBackgroundDark);
    background->setFillColorLight(layout::kBackgroundLight);
    background->setFillColorNormal(layout::kBackgroundNormal);
    background->setFillCached(true);
    background->setGeometry(row.geometry);
    return background;
}

QWidget* createLabel3D(QWidget* parent, const layout::ControlLayout& row,
                       std::function<void()> clicked) {
    auto* label = new Label3D(parent);
    place(label, row.name, row.geometry);
    label->setFont(fontFor(row.font));
    label->setFontColor(row.font.color);
    label->setAlignment(TextAlignment::taCenter);
    label->setCaption(utf8ToCp1251(row.caption));
    LabelStyle& style = label->labelStyle();
    style.setShadeLTSet(false);
    if (row.tag == -1) {
        // The display.
        style.setStyle3D(Effect3D::A3dNormal);
        style.setShadeLeftTop(layout::kDisplayShade);
        label->setTag(-1);
    } else {
        style.setStyle3D(Effect3D::A3dResit);
        style.setShadeLeftTop(layout::kAboutLabelShade);
        style.setVShadeOffset(layout::kAboutLabelVShadeOffset);
        label->setColor(layout::kWindowColor);
    }
    if (clicked) QObject::connect(label, &Label3D::clicked, label, std::move(clicked));
    return label;
}

void setLabelCaption(QWidget* label, std::string_view cp1251) {
    static_cast<Label3D*>(label)->setCaption(cp1251);
}

QString labelCaption(const QWidget* label) {
    return static_cast<const Label3D*>(label)->captionText();
}

QWidget* createShapeKey(QWidget* parent, const layout::ShapeKeyLayout& row,
                        std::string_view caption, int tag, std::function<void()> clicked) {
    auto* key = new ShapeButton(parent);
    place(key, row.name(), row.geometry);
    key->setShape(row.shape);
    key->setOrientation(row.orientation);
    key->setRoundRectBias(row.roundRectBias);
    key->setFont(fontFor(row.font));
    key->setFontColor(row.font.color);
    key->setText(QString::fromStdString(cp1251ToUtf8(caption)));
    key->setTag(tag);
    CaptionText text = key->textOptions();
    if (row.shape == ButtonShape::bsEllipse) {
        ShadeColors shades = key->shadeColors();
        shades.btnShadow = layout::kEllipseShadow;
        shades.btnFocus = layout::kEllipseFocus;
        key->setShadeColors(shades);
        text.shadeColor = layout::kEllipseCaptionShade;
    }
    if (row.key == KeyId::Digit1) {
        // The one key with an extruded, striated caption.
        text.highlightColor = clBackground;
        text.extrude.depth = 1;
        text.extrude.enabled = true;
        text.extrude.striated = true;
        text.lineSpacing = 1;
        text.shadow.xOffset = 1;
        text.shadow.yOffset = 2;
    }
    if (row.captionAtTop) text.vAlignment = VAlignment::vaTop;
    key->setTextOptions(text);
    QObject::connect(key, &ShapeButton::clicked, key, std::move(clicked));
    return key;
}

QWidget* createImageKey(QWidget* parent, const layout::ImageKeyLayout& row,
                        std::function<void()> clicked) {
    auto* key = new ImageButton(parent);
    place(key, row.name(), row.geometry);
    const bool backspace = row.key == KeyId::Backspace;
    key->setImage(backspace ? mapleLeafPicture(false) : clearFramePicture(false));
    key->setImageDown(backspace ? mapleLeafPicture(true) : clearFramePicture(true));
    if (backspace) {
        key->setAllowAllUp(true);
    } else {
        ShadeColors shades = key->shadeColors();
        shades.btnHighlight = layout::kClearRegistersHighlight;
        key->setShadeColors(shades);
        key->setFont(fontFor(row.font));
        key->setFontColor(row.font.color);
    }
    QObject::connect(key, &ImageButton::clicked, key, std::move(clicked));
    return key;
}

QWidget* createToggleSwitch(QWidget* parent, const layout::ControlLayout& row,
                            std::function<void(bool on)> toggled,
                            std::function<void(const QString&)> typed) {
    auto* toggle = new ToggleSwitch(parent);
    place(toggle, row.name, row.geometry);
    toggle->setGlyphOn(lampOnPicture());
    toggle->setGlyphOff(lampOffPicture());
    toggle->setCaption(QString::fromUtf8(row.caption));
    QObject::connect(toggle, &ToggleSwitch::turnedOn, toggle, [toggled] { toggled(true); });
    QObject::connect(toggle, &ToggleSwitch::turnedOff, toggle, [toggled] { toggled(false); });
    QObject::connect(toggle, &ToggleSwitch::keyPressed, toggle, std::move(typed));
    return toggle;
}

bool switchIsOn(const QWidget* toggleSwitch) {
    return static_cast<const ToggleSwitch*>(toggleSwitch)->stateOn();
}

QIcon trayIcon() {
    return QIcon(QPixmap::fromImage(trayTricolourPicture()));
}

void installFonts() {
    installFontSubstitutes();
}

}  // namespace zhcalc::factory
