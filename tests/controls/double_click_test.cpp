// Quick second clicks on every drawn control that clicks: Qt delivers the second
// press of a double click as a double-click event, and each control must still
// count it as the press it is, and never stay down after it.
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QStyleHints>
#include <functional>
#include <memory>

#include "button_test_support.h"
#include "controls/button_pictures.h"
#include "controls/flat_button.h"
#include "controls/image_button.h"
#include "controls/label3d.h"
#include "controls/pictures.h"
#include "controls/shape_button.h"
#include "controls/toggle_switch.h"
#include "support/event_counter.h"

namespace zhcalc::controls {
namespace {

using namespace testing;

// One control in a window: where a press is on it and off it, what counts as its
// action, and whether it shows down.
struct Scene {
    std::unique_ptr<QWidget> top;
    QWidget* control = nullptr;
    QPoint inside;
    int actions = 0;  // clicks; for the switch, toggles
    int doubleClickEvents = 0;
    bool showsDown = false;  // buttons show a pressed look; labels and switches do not
    std::function<bool()> isDown = [] { return false; };
};

struct Kind {
    const char* name;
    bool togglesOnPress;  // acts on the press, not on the release
    std::function<QWidget*(Scene&)> make;
};

void PrintTo(const Kind& kind, std::ostream* os) {
    *os << kind.name;
}

template <typename Button>
QWidget* countClicks(Scene& scene, Button* button) {
    QObject::connect(button, &Button::clicked, [&scene] { ++scene.actions; });
    scene.showsDown = true;
    scene.isDown = [button] { return button->isDown(); };
    return button;
}

const Kind kKinds[] = {
    {"shaped key", false,
     [](Scene& s) {
         auto* key = new ShapeButton(s.top.get());
         key->setShape(ButtonShape::bsEllipse);
         key->setGeometry(20, 20, 38, 25);
         key->setText("1");
         s.inside = QPoint(39, 32);
         return countClicks(s, key);
     }},
    {"image key", false,
     [](Scene& s) {
         auto* key = new ImageButton(s.top.get());
         key->setGeometry(20, 20, 49, 41);
         key->setImage(mapleLeafPicture(false));
         key->setImageDown(mapleLeafPicture(true));
         s.inside = key->geometry().topLeft() + key->stateRegion(false).boundingRect().center();
         EXPECT_TRUE(key->stateRegion(false).contains(s.inside - key->pos()));
         return countClicks(s, key);
     }},
    {"flat button", false,
     [](Scene& s) {
         auto* button = new FlatButton(QStringLiteral("OK"), s.top.get());
         button->setGeometry(20, 20, 41, 25);
         s.inside = QPoint(40, 32);
         return countClicks(s, button);
     }},
    {"3D label", false,
     [](Scene& s) {
         auto* label = new Label3D(s.top.get());
         label->setGeometry(20, 20, 80, 28);
         label->setCaptionText(QStringLiteral("about"));
         s.inside = QPoint(40, 32);
         QObject::connect(label, &Label3D::clicked, [&s] { ++s.actions; });
         return static_cast<QWidget*>(label);
     }},
    {"switch", true,
     [](Scene& s) {
         auto* sw = new ToggleSwitch(s.top.get());
         sw->setGeometry(20, 20, 20, 22);
         sw->setGlyphOn(lampOnPicture());
         sw->setGlyphOff(lampOffPicture());
         s.inside = QPoint(30, 31);
         QObject::connect(sw, &ToggleSwitch::turnedOn, [&s] { ++s.actions; });
         QObject::connect(sw, &ToggleSwitch::turnedOff, [&s] { ++s.actions; });
         return static_cast<QWidget*>(sw);
     }},
};

class DoubleClick : public ::testing::TestWithParam<Kind> {
  protected:
    void SetUp() override {
        scene.top = std::make_unique<QWidget>();
        scene.top->resize(140, 90);
        scene.control = GetParam().make(scene);
        scene.control->installEventFilter(&dblClicks);
        QCursor::setPos(-500, -500);
        showActive(*scene.top);
        ASSERT_TRUE(scene.top->isActiveWindow());
    }
    QWidget& top() { return *scene.top; }

    Scene scene;
    zhcalc::testing::EventCounter dblClicks{QEvent::MouseButtonDblClick, scene.doubleClickEvents};
};

// The times Qt still takes for a double click (its interval is 400 ms here).
TEST_P(DoubleClick, EverySecondClickWithinTheIntervalCounts) {
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    for (const int delay : {50, 150, 300}) {
        ASSERT_LT(delay, interval);
        const int before = scene.actions;
        const int doublesBefore = scene.doubleClickEvents;
        PlatformMouse mouse(top());
        mouse.click(scene.inside);
        mouse.click(scene.inside, delay);
        EXPECT_EQ(scene.doubleClickEvents - doublesBefore, 1) << "delay " << delay;
        EXPECT_EQ(scene.actions - before, 2) << "delay " << delay;
        EXPECT_FALSE(scene.isDown()) << "delay " << delay;
    }
}

TEST_P(DoubleClick, TestDoubleClickThroughTheWindowIsTwoActions) {
    QTest::mouseDClick(top().windowHandle(), Qt::LeftButton, {}, scene.inside);
    EXPECT_EQ(scene.doubleClickEvents, 1);
    EXPECT_EQ(scene.actions, 2);
    EXPECT_FALSE(scene.isDown());
    // The widget-level helper hands over the double-click event alone.
    QTest::mouseDClick(scene.control, Qt::LeftButton, {}, scene.inside - scene.control->pos());
    QTest::mouseRelease(scene.control, Qt::LeftButton, {}, scene.inside - scene.control->pos());
    EXPECT_EQ(scene.actions, 3);
    EXPECT_FALSE(scene.isDown());
}

TEST_P(DoubleClick, SecondPressReleasedOutsideDoesNotClickAndLeavesNothingDown) {
    PlatformMouse mouse(top());
    mouse.click(scene.inside);
    mouse.press(scene.inside, 100);
    EXPECT_EQ(scene.doubleClickEvents, 1);
    if (scene.showsDown) {
        EXPECT_TRUE(scene.isDown());  // a press like the first
    }
    mouse.move(QPoint(130, 85));
    EXPECT_FALSE(scene.isDown());
    mouse.release(QPoint(130, 85));
    EXPECT_FALSE(scene.isDown());
    EXPECT_EQ(scene.actions, GetParam().togglesOnPress ? 2 : 1);
    // And the next click is an ordinary one again.
    mouse.click(scene.inside, 1000);
    EXPECT_EQ(scene.actions, GetParam().togglesOnPress ? 3 : 2);
}

INSTANTIATE_TEST_SUITE_P(Controls, DoubleClick, ::testing::ValuesIn(kKinds), [](const auto& info) {
    std::string name = info.param.name;
    std::erase(name, ' ');
    return name == "3Dlabel" ? std::string("Label3D") : name;
});

}  // namespace
}  // namespace zhcalc::controls
