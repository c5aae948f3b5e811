#include "controls/demo/controls_demo.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPixmap>

#include "controls/background.h"
#include "controls/button_pictures.h"
#include "controls/fills.h"
#include "controls/flat_button.h"
#include "controls/flat_edit.h"
#include "controls/flat_group_box.h"
#include "controls/fonts.h"
#include "controls/image_button.h"
#include "controls/label3d.h"
#include "controls/pictures.h"
#include "controls/shape_button.h"
#include "controls/toggle_switch.h"

namespace zhcalc::controls {

namespace {

constexpr ColorValue kDisplayCyan = 16777089;  // red 129, green 255, blue 255
constexpr ColorValue kCaptionShade = 16512;    // red 128, green 64, blue 0

QLabel* note(QWidget* parent, const QString& text, QRect at) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(at);
    label->setFont(makeFont({QStringLiteral("MS Sans Serif"), -11, 0, clWindowText}));
    return label;
}

ShapeButton* key(QWidget* parent, const QString& caption, ButtonShape shape, QRect at,
                 const LayoutFont& font) {
    auto* button = new ShapeButton(parent);
    button->setShape(shape);
    button->setGeometry(at);
    button->setText(caption);
    button->setFont(makeFont(font));
    button->setFontColor(font.color);
    button->setColor(clBtnFace);
    button->setDitherColor(clWhite);
    button->setShadeStyle(ShadeStyle::ssHighlight);
    return button;
}

// The calculator window's part: gradient, display, keys, switches, about label.
void buildCalculatorPart(QWidget* page) {
    auto* window = new QWidget(page);
    window->setObjectName(QStringLiteral("SbSetup1"));
    window->setGeometry(8, 24, 476, 308);
    window->setAutoFillBackground(true);

    auto* background = new BackGround(window);
    background->setObjectName(QStringLiteral("BackGround1"));
    background->setParentMargins(QMargins(0, 0, 0, 80));
    background->setFillType(QStringLiteral("GradientVert"));
    background->setFillColorDark(clAqua);
    background->setFillColorLight(clBlue);
    background->setFillColorNormal(clSilver);
    background->setFillCached(true);

    auto* display = new Label3D(window);
    display->setObjectName(QStringLiteral("r3dDisplay"));
    display->setGeometry(24, 8, 449, 25);
    display->setTag(-1);
    display->setToolTip(QStringLiteral("вычисление"));
    display->setAlignment(TextAlignment::taCenter);
    display->setFont(
        makeFont({QStringLiteral("American-Uncial-Normal"), -21, fsUnderline, kDisplayCyan}));
    display->setFontColor(kDisplayCyan);
    display->labelStyle().setStyle3D(Effect3D::A3dNormal);
    display->labelStyle().setShadeLeftTop(clBlue);
    display->labelStyle().setShadeLTSet(false);
    display->setCaptionText(QStringLiteral("sin(0,5)+Log2(8)*2,75"));

    const LayoutFont digits{QStringLiteral("Arial Unicode MS"), -15, fsBold, clGreen};
    const LayoutFont black{QStringLiteral("Arial Black"), -15, fsBold, clGreen};
    const LayoutFont garamond{QStringLiteral("Garamond"), -16, fsBold | fsItalic, clRed};
    const LayoutFont special{QStringLiteral("AGaramond"), -16, 0, clPurple};
    ShapeButton* one =
        key(window, QStringLiteral("1"), ButtonShape::bsEllipse, QRect(16, 48, 38, 25), digits);
    one->setObjectName(QStringLiteral("SB1"));
    key(window, QStringLiteral("2"), ButtonShape::bsEllipse, QRect(56, 48, 38, 25), digits);
    key(window, QStringLiteral("="), ButtonShape::bsEllipse, QRect(56, 168, 38, 25), black);
    key(window, QStringLiteral("Cos"), ButtonShape::bsRoundRect, QRect(160, 48, 40, 25), digits);
    key(window, QStringLiteral("C"), ButtonShape::bsDiamond, QRect(168, 136, 33, 33), garamond);
    key(window, QStringLiteral("Pi"), ButtonShape::bsTrapezoid, QRect(96, 168, 41, 25), black);
    key(window, QStringLiteral("E"), ButtonShape::bsTrapezoid, QRect(88, 192, 55, 22), black);
    ShapeButton* erf = key(window, QStringLiteral("erf"), ButtonShape::bsRoundRect,
                           QRect(360, 170, 40, 25), special);
    erf->setEnabled(false);

    auto* backspace = new ImageButton(window);
    backspace->setObjectName(QStringLiteral("ImageBtn1"));
    backspace->setGeometry(224, 136, 49, 41);
    backspace->setImage(mapleLeafPicture(false));
    backspace->setImageDown(mapleLeafPicture(true));
    auto* clearRegisters = new ImageButton(window);
    clearRegisters->setObjectName(QStringLiteral("ImageBtn2"));
    clearRegisters->setGeometry(224, 176, 48, 40);
    clearRegisters->setImage(clearFramePicture(false));
    clearRegisters->setImageDown(clearFramePicture(true));

    auto* bar = new QWidget(window);
    bar->setObjectName(QStringLiteral("ControlBar1"));
    bar->setGeometry(0, 253, 476, 27);
    bar->setAutoFillBackground(true);
    for (int i = 0; i < 8; ++i) {
        auto* sw = new ToggleSwitch(bar);
        sw->setObjectName(QStringLiteral("Switch%1").arg(i + 1));
        sw->setCaption(QStringLiteral("Switch%1").arg(i + 1));
        sw->setGeometry(222 + 33 * i, 2, i == 7 ? 14 : 20, 22);
        sw->setGlyphOn(lampOnPicture());
        sw->setGlyphOff(lampOffPicture());
        sw->setStateOn(i % 3 == 0);
    }

    auto* about = new Label3D(window);
    about->setObjectName(QStringLiteral("Label3D1"));
    about->setGeometry(0, 280, 476, 28);
    about->setCaptionText(QStringLiteral("О Програме и обо мне, Любимои"));
    about->setAlignment(TextAlignment::taCenter);
    about->setFont(makeFont({QStringLiteral("Arial Black"), -16, 0, clAqua}));
    about->setFontColor(clAqua);
    about->labelStyle().setStyle3D(Effect3D::A3dResit);
    about->labelStyle().setShadeLeftTop(clAqua);
    about->labelStyle().setShadeLTSet(false);
    about->labelStyle().setVShadeOffset(-4);
}

FlatButton* flatButton(QWidget* parent, const QString& caption, QRect at) {
    auto* button = new FlatButton(caption, parent);
    button->setGeometry(at);
    button->setOptions(foFlatBorder | foPaintTransparently);
    button->setFont(makeFont({QStringLiteral("MS Sans Serif"), -11, 0, clWindowText}));
    return button;
}

// The about window's part: gradient in the system colours, group boxes, flat buttons.
void buildAboutPart(QWidget* page) {
    auto* window = new QWidget(page);
    window->setObjectName(QStringLiteral("Form1"));
    window->setGeometry(496, 24, 535, 290);
    window->setAutoFillBackground(true);
    window->setFont(makeFont({QStringLiteral("MS Sans Serif"), -11, 0, clWindowText}));

    auto* background = new BackGround(window);
    background->setObjectName(QStringLiteral("BackGround1"));
    background->setFillType(QStringLiteral("GradientVert"));

    auto* credits = new FlatGroupBox(QStringLiteral("Обо мне и прочих"), window);
    credits->setObjectName(QStringLiteral("FlatGroupBox1"));
    credits->setGeometry(0, 0, 273, 281);
    credits->setTransparent(true);
    auto* converter = new FlatGroupBox(QStringLiteral("Конвектор"), window);
    converter->setObjectName(QStringLiteral("FlatGroupBox2"));
    converter->setGeometry(280, 0, 249, 281);
    converter->setTransparent(true);

    auto* edit = new FlatEdit(converter);
    edit->setObjectName(QStringLiteral("ceTemp"));
    edit->setGeometry(72, 8, 121, 19);
    edit->setCtl3D(false);
    edit->setLayoutDirection(Qt::RightToLeft);
    edit->setText(QStringLiteral("0"));
    flatButton(converter, QStringLiteral("C->K"), QRect(48, 32, 41, 25));
    FlatButton* hot = flatButton(converter, QStringLiteral("C->F"), QRect(88, 32, 41, 25));
    flatButton(window, QStringLiteral("К->C"), QRect(328, 56, 41, 25));
    flatButton(window, QStringLiteral("К->F"), QRect(368, 56, 41, 25));
    flatButton(window, QStringLiteral("C->R"), QRect(408, 32, 41, 25));
    FlatButton* down = flatButton(window, QStringLiteral("К->R"), QRect(408, 56, 41, 25));
    flatButton(window, QStringLiteral("C->Ra"), QRect(448, 32, 41, 25));
    FlatButton* disabled = flatButton(window, QStringLiteral("К->Ra"), QRect(448, 56, 41, 25));

    // Show the states a still picture cannot: the pointer over one button, another
    // held down, a third disabled.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(hot, &enter);
    down->setDown(true);
    disabled->setEnabled(false);

    auto* text = new QLabel(credits);
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
