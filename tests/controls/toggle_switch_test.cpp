// The two-state switch: picture placement and the transparent colour, its pictures,
// and the order of events on presses and keys.
#include "controls/toggle_switch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QStringList>

#include "controls/pictures.h"

namespace zhcalc::controls {
namespace {

TEST(SwitchLayout, PicturePlacementAndTextArea) {
    struct Case {
        QSize client, picture;
        TextPosition position;
        QPoint at;
        QRect text;
    };
    const Case cases[] = {
        // The calculator's switches: 16 x 16 lamps in 20 x 22 and in 14 x 22.
        {{20, 22}, {16, 16}, TextPosition::tpNone, {2, 3}, {0, 0, 20, 22}},
        {{14, 22}, {16, 16}, TextPosition::tpNone, {-1, 3}, {0, 0, 14, 22}},
        {{50, 60}, {32, 48}, TextPosition::tpNone, {9, 6}, {0, 0, 50, 60}},
        {{100, 60}, {32, 48}, TextPosition::tpLeft, {68, 6}, {0, 0, 68, 60}},
        {{100, 60}, {32, 48}, TextPosition::tpRight, {0, 6}, {32, 0, 68, 60}},
        {{50, 100}, {32, 48}, TextPosition::tpAbove, {9, 52}, {0, 0, 50, 52}},
        {{50, 100}, {32, 48}, TextPosition::tpBelow, {9, 0}, {0, 48, 50, 52}},
        // A picture larger than the switch is centred and clipped on both sides.
        {{10, 10}, {32, 48}, TextPosition::tpNone, {-11, -19}, {0, 0, 10, 10}},
    };
    for (const Case& c : cases) {
        const SwitchLayout layout =
            switchLayout(QRect(QPoint(0, 0), c.client), c.picture, c.position);
        EXPECT_EQ(layout.picture, c.at) << static_cast<int>(c.position);
        EXPECT_EQ(layout.textArea, c.text) << static_cast<int>(c.position);
    }
}

TEST(SwitchLayout, TextLineIsCentredRoundingDown) {
    EXPECT_EQ(switchTextLine(QRect(0, 0, 68, 60), 15), QRect(0, 22, 68, 15));
    EXPECT_EQ(switchTextLine(QRect(32, 0, 68, 61), 16), QRect(32, 22, 68, 16));
    EXPECT_EQ(switchTextLine(QRect(0, 48, 50, 52), 14), QRect(0, 67, 50, 14));
}

TEST(SwitchPictures, TransparentColourIsTheLowerLeftPixel) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    picture.setPixel(1, 0, qRgb(200, 0, 0));
    picture.setPixel(2, 1, qRgb(0, 200, 0));
    const QImage result = replaceTransparentColor(picture, QColor(1, 2, 3));
    EXPECT_EQ(result.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(result.pixel(1, 0), qRgb(200, 0, 0));
    EXPECT_EQ(result.pixel(2, 0), qRgb(1, 2, 3));
    EXPECT_EQ(result.pixel(0, 1), qRgb(1, 2, 3));
    EXPECT_EQ(result.pixel(2, 1), qRgb(0, 200, 0));
}

TEST(SwitchPictures, DisabledVariantIsEngraved) {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 255));
    picture.setPixel(1, 1, qRgb(0, 0, 0));        // dark: engraved
    picture.setPixel(2, 2, qRgb(250, 250, 250));  // light: vanishes
    const QImage disabled = disabledPicture(picture, QColor(255, 255, 255), QColor(128, 128, 128));
    EXPECT_EQ(disabled.pixel(1, 1), qRgb(128, 128, 128));
    EXPECT_EQ(disabled.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(disabled.pixel(3, 3), qRgb(255, 0, 255));
    EXPECT_EQ(disabled.pixel(0, 3), qRgb(255, 0, 255));
}

TEST(SwitchPictures, ShippedPicturesHaveTheirSizes) {
    EXPECT_EQ(switchOnDefaultPicture().size(), QSize(32, 48));
    EXPECT_EQ(switchOffDefaultPicture().size(), QSize(32, 48));
    EXPECT_NE(switchOnDefaultPicture(), switchOffDefaultPicture());
    const QImage on = lampOnPicture(), off = lampOffPicture();
    ASSERT_EQ(on.size(), QSize(16, 16));
    ASSERT_EQ(off.size(), QSize(16, 16));
    // Bright green in the middle when on, dark green when off.
    EXPECT_GT(qGreen(on.pixel(8, 9)), 180);
    EXPECT_LT(qGreen(off.pixel(8, 9)), 140);
    EXPECT_EQ(qRed(off.pixel(8, 9)), 0);
    const QImage flag = trayTricolourPicture();
    ASSERT_EQ(flag.size(), QSize(35, 22));
    const QRgb white = flag.pixel(17, 3), blue = flag.pixel(17, 11), red = flag.pixel(17, 18);
    EXPECT_GT(qMin(qRed(white), qBlue(white)), 140);
    EXPECT_LT(std::abs(qRed(white) - qBlue(white)), 8);
    EXPECT_GT(qBlue(blue), 2 * qRed(blue));
    EXPECT_GT(qRed(red), 2 * qBlue(red));
}

ToggleSwitch* makeLampSwitch(QWidget* parent) {
    auto* sw = new ToggleSwitch(parent);
    sw->resize(20, 22);
    sw->setGlyphOn(lampOnPicture());
    sw->setGlyphOff(lampOffPicture());
    sw->setColor(rgbValue(10, 20, 30));
    return sw;
}

TEST(ToggleSwitchPaint, LampDrawnAtItsPlaceOnTheSwitchColour) {
    QWidget window;
    ToggleSwitch* sw = makeLampSwitch(&window);
    EXPECT_EQ(sw->customGlyphMask(), 3u);
    for (bool on : {false, true}) {
        sw->setStateOn(on);
        const QImage picture = sw->picture();
        const QImage lamp =
            replaceTransparentColor(on ? lampOnPicture() : lampOffPicture(), QColor(10, 20, 30));
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inside = x >= 2 && x < 18 && y >= 3 && y < 19;
                ASSERT_EQ(picture.pixel(x, y), inside ? lamp.pixel(x - 2, y - 3) : qRgb(10, 20, 30))
                    << on << " " << x << "," << y;
            }
    }
    // The narrow eighth switch loses one column on each side.
    sw->resize(14, 22);
    const QImage narrow = sw->picture();
    const QImage lamp = replaceTransparentColor(lampOnPicture(), QColor(10, 20, 30));
    EXPECT_EQ(narrow.pixel(0, 10), lamp.pixel(1, 7));
    EXPECT_EQ(narrow.pixel(13, 10), lamp.pixel(14, 7));
}

TEST(ToggleSwitchPaint, DefaultsAndResettingAPicture) {
    ToggleSwitch sw;
    EXPECT_EQ(sw.size(), QSize(50, 60));
    EXPECT_FALSE(sw.stateOn());
    EXPECT_EQ(sw.customGlyphMask(), 0u);
    EXPECT_EQ(sw.glyphOn(), switchOnDefaultPicture());
    EXPECT_EQ(sw.textPosition(), TextPosition::tpNone);
    EXPECT_EQ(sw.toggleKey(), QKeyCombination(Qt::Key_Space));
    sw.setGlyphOn(lampOnPicture());
    EXPECT_EQ(sw.customGlyphMask(), 2u);
    sw.setGlyphOn(QImage());
    EXPECT_EQ(sw.customGlyphMask(), 0u);
    EXPECT_EQ(sw.glyphOn(), switchOnDefaultPicture());
}

TEST(ToggleSwitchPaint, DisabledSwitchShowsTheEngravedPicture) {
    QWidget window;
    ToggleSwitch* sw = makeLampSwitch(&window);
    const QImage enabled = sw->picture();
    sw->setEnabled(false);
    const QImage disabled = sw->picture();
    EXPECT_NE(enabled, disabled);
    EXPECT_EQ(disabled.pixel(0, 0), qRgb(10, 20, 30));
}

TEST(ToggleSwitchPaint, DisabledPictureIsEngravedFromThePictureSetLast) {
    // A disabled switch painted with one picture, then given another, shows the
    // other one engraved, the same as a switch that had it from the start.
    const QImage lampOff = lampOffPicture();
    const QImage lampOn = lampOnPicture();
    struct Case {
        const char* name;
        QImage first;  // null: the default picture
        QImage last;
        bool on;
    };
    const Case cases[] = {
        {"default off, then the lamp", QImage(), lampOff, false},
        {"default on, then the lamp", QImage(), lampOn, true},
        {"lamp off, then the default", lampOff, QImage(), false},
        {"one lamp, then the other", lampOff, lampOn, false},
    };
    for (const Case& c : cases) {
        QWidget window;
        const auto setGlyph = [&](ToggleSwitch& sw, const QImage& picture) {
            c.on ? sw.setGlyphOn(picture) : sw.setGlyphOff(picture);
        };
        const auto make = [&] {
            auto* sw = new ToggleSwitch(&window);
            sw->resize(24, 26);
            sw->setColor(rgbValue(10, 20, 30));
            sw->setStateOn(c.on);
            sw->setEnabled(false);
            return sw;
        };
        ToggleSwitch* changed = make();
        setGlyph(*changed, c.first);
        const QImage before = changed->picture();
        setGlyph(*changed, c.last);
        ToggleSwitch* fresh = make();
        setGlyph(*fresh, c.last);
        EXPECT_EQ(changed->picture(), fresh->picture()) << c.name;
        EXPECT_NE(changed->picture(), before) << c.name;
    }
}

TEST(ToggleSwitchPaint, CaptionOnlyBesideThePictureAndNeverWithTpNone) {
    QWidget window;
    auto* sw = new ToggleSwitch(&window);
    sw->resize(120, 60);
    sw->setColor(rgbValue(255, 255, 255));
    sw->setFontColor(clBlack);
    sw->setCaption(QStringLiteral("Память"));
    const auto inkIn = [](const QImage& image, const QRect& area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ink += image.pixel(x, y) != qRgb(255, 255, 255);
        return ink;
    };
    const QRect rightOfPicture(33, 0, 87, 60), leftOfPicture(0, 0, 87, 60);
    EXPECT_EQ(inkIn(sw->picture(), QRect(0, 0, 40, 60)), 0);  // tpNone: centred picture only
    sw->setTextPosition(TextPosition::tpRight);
    EXPECT_GT(inkIn(sw->picture(), rightOfPicture), 10);
    sw->setTextPosition(TextPosition::tpLeft);
    const QImage left = sw->picture();
    EXPECT_GT(inkIn(left, leftOfPicture), 10);
    // The picture moved to the right edge; its background pixels took the switch colour.
    EXPECT_EQ(left.pixel(119, 59), qRgb(255, 255, 255));
}

TEST(ToggleSwitchEvents, AcceleratorFocusesWithoutToggling) {
    QWidget window;
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    auto* sw = new ToggleSwitch(&window);
    sw->setCaption(QStringLiteral("&Memory"));
    window.show();
    other->setFocus();
    QShortcutEvent shortcut(QKeySequence(QStringLiteral("Alt+M")), 0);
    QApplication::sendEvent(sw, &shortcut);
    EXPECT_EQ(window.focusWidget(), sw);
    EXPECT_FALSE(sw->stateOn());
}

// Records the switch's events in the order they arrive.
struct EventLog {
    QStringList events;
    explicit EventLog(ToggleSwitch* sw) {
        QObject::connect(sw, &ToggleSwitch::turnedOn, [this, sw] {
            events << (sw->stateOn() ? "on(state on)" : "on(state off)");
            if (sw->window()->focusWidget() == sw) events << "focused";
        });
        QObject::connect(sw, &ToggleSwitch::turnedOff, [this, sw] {
            events << (sw->stateOn() ? "off(state on)" : "off(state off)");
        });
        QObject::connect(sw, &ToggleSwitch::mouseDown,
                         [this](Qt::MouseButton, QPoint) { events << "mouseDown"; });
        QObject::connect(sw, &ToggleSwitch::clicked, [this] { events << "click"; });
        QObject::connect(sw, &ToggleSwitch::keyDown,
                         [this](int, Qt::KeyboardModifiers) { events << "keyDown"; });
        QObject::connect(sw, &ToggleSwitch::keyPressed,
                         [this](const QString& t) { events << "keyPress " + t; });
    }
};

void mouse(QWidget* w, QEvent::Type type, QPoint at = QPoint(5, 5),
           Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void key(QWidget* w, int code, Qt::KeyboardModifiers mods = Qt::NoModifier, QString text = {}) {
    QKeyEvent event(QEvent::KeyPress, code, mods, text);
    QApplication::sendEvent(w, &event);
}

TEST(ToggleSwitchEvents, PressFocusesThenTogglesThenReportsTheMouseDown) {
    QWidget window;
    ToggleSwitch* sw = makeLampSwitch(&window);
    EventLog log(sw);
    mouse(sw, QEvent::MouseButtonPress);
    EXPECT_TRUE(sw->stateOn());  // on the press, before the release
    mouse(sw, QEvent::MouseButtonRelease);
    mouse(sw, QEvent::MouseButtonPress);
    mouse(sw, QEvent::MouseButtonRelease);
    EXPECT_EQ(log.events, QStringList({"on(state on)", "focused", "mouseDown", "click",
                                       "off(state off)", "mouseDown", "click"}));
}

TEST(ToggleSwitchEvents, DoubleClickTogglesOncePerPress) {
    QWidget window;
    ToggleSwitch* sw = makeLampSwitch(&window);
    EventLog log(sw);
    mouse(sw, QEvent::MouseButtonPress);
    mouse(sw, QEvent::MouseButtonRelease);
    mouse(sw, QEvent::MouseButtonDblClick);
    mouse(sw, QEvent::MouseButtonRelease);
    EXPECT_FALSE(sw->stateOn());
    EXPECT_EQ(log.events.filter("(state").size(), 2);
}

TEST(ToggleSwitchEvents, OtherButtonsAndReleasesOutsideDoNotToggleOrClick) {
    QWidget window;
    ToggleSwitch* sw = makeLampSwitch(&window);
    EventLog log(sw);
    mouse(sw, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton);
    mouse(sw, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton);
    EXPECT_FALSE(sw->stateOn());
    mouse(sw, QEvent::MouseButtonPress);
    mouse(sw, QEvent::MouseButtonRelease, QPoint(40, 40));
    EXPECT_TRUE(sw->stateOn());
    EXPECT_EQ(log.events.count("click"), 0);
}

TEST(ToggleSwitchEvents, DisabledSwitchIgnoresTheMouse) {
    QWidget window;
    ToggleSwitch* sw = makeLampSwitch(&window);
    sw->setEnabled(false);
    EventLog log(sw);
    mouse(sw, QEvent::MouseButtonPress);
    mouse(sw, QEvent::MouseButtonRelease);
    EXPECT_FALSE(sw->stateOn());
    EXPECT_TRUE(log.events.isEmpty());
}

TEST(ToggleSwitchEvents, AssigningTheSameStateRaisesNothing) {
    ToggleSwitch sw;
    EventLog log(&sw);
    sw.setStateOn(false);
    EXPECT_TRUE(log.events.isEmpty());
    sw.setStateOn(true);
    sw.setStateOn(true);
    sw.toggle();
    EXPECT_EQ(log.events, QStringList({"on(state on)", "off(state off)"}));
}

TEST(ToggleSwitchEvents, KeyDownFirstThenTheToggleKeyToggles) {
    QWidget window;
    ToggleSwitch* sw = makeLampSwitch(&window);
    EventLog log(sw);
    key(sw, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_TRUE(sw->stateOn());
    key(sw, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(sw->stateOn());
    key(sw, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    EXPECT_EQ(log.events,
              QStringList({"keyDown", "on(state on)", "keyDown", "keyDown", "keyPress 5"}));
    // Another toggle key: Ctrl+T toggles, the space bar no longer does.
    sw->setToggleKey(QKeyCombination(Qt::ControlModifier, Qt::Key_T));
    key(sw, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_TRUE(sw->stateOn());
    key(sw, Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(sw->stateOn());
    key(sw, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(sw->stateOn());
}

}  // namespace
}  // namespace zhcalc::controls
