// The calculator window's controls: every one present under its name, at its place,
// with its hint and enabled state, and the window's own caption and size.
#include <QCheckBox>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "calculator/key_table.h"
#include "app/app_identity.h"
#include "app/layout.h"
#include "window_fixture.h"

namespace zhcalc::testing {
namespace {

TEST_F(WindowTest, WindowHasItsCaptionFixedClientSizeAndNoMaximizeBox) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Калькулятор вер 1.2.8"));
    EXPECT_EQ(window->size(), QSize(476, 308));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(applicationTitle(), QStringLiteral("ЖЫЖ-Калькультор v 1.2.8.5"));
    EXPECT_FALSE(window->windowTitle().contains(applicationTitle()));
}

TEST_F(WindowTest, EveryLaidOutControlStandsAtItsPlaceUnderItsParent) {
    for (const auto& row : layout::otherControls()) {
        if (*row.name == '\0') continue;
        SCOPED_TRACE(row.name);
        QWidget* widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), row.geometry);
        const char* parent = row.parent == layout::Parent::Panel1        ? "Panel1"
                             : row.parent == layout::Parent::ControlBar1 ? "ControlBar1"
                                                                         : "SbSetup1";
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromUtf8(parent));
        EXPECT_TRUE(widget->isEnabled());
    }
    // The keys, shaped and image keys alike, stand right on the window.
    const auto keysStandAtTheirPlaces = [this](const auto& rows) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.name());
            QWidget* widget = control(row.name());
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->geometry(), row.geometry);
            EXPECT_EQ(widget->parentWidget(), window.get());
        }
    };
    keysStandAtTheirPlaces(layout::shapeKeys());
    keysStandAtTheirPlaces(layout::imageKeys());
}

// The tables check their rows when compiled; what they cannot see is the window built
// from them: each key and control one widget, under its name, and none left unbuilt.
TEST_F(WindowTest, EveryKeyAndControlIsOneWidgetUnderItsName) {
    std::vector<std::string> names;
    for (const Key& key : kKeys)
        names.emplace_back(key.name);
    for (const auto& row : layout::otherControls())
        if (*row.name != '\0') names.emplace_back(row.name);
    EXPECT_EQ(names.size(), kKeyCount + layout::kControlCount - 1);  // one bevel has no name
    for (const std::string& name : names) {
        EXPECT_EQ(window->findChildren<QWidget*>(QString::fromStdString(name)).size(), 1) << name;
    }
}

TEST(WindowLayout, KeyRowsAreReachedOnlyFromTheirOwnKind) {
    EXPECT_EQ(layout::shapeKey(KeyId::Digit1).name(), "SB1");
    EXPECT_EQ(layout::shapeKey(KeyId::Paste).name(), "ShapeBtn33");
    EXPECT_EQ(layout::imageKey(KeyId::Backspace).name(), "ImageBtn1");
    EXPECT_EQ(layout::imageKey(KeyId::ClearRegisters).name(), "ImageBtn2");
    EXPECT_THROW(layout::shapeKey(KeyId::Backspace), std::out_of_range);
    EXPECT_THROW(layout::imageKey(KeyId::Paste), std::out_of_range);
    EXPECT_STREQ(layout::control(layout::ControlId::Display).name, "r3dDisplay");
    EXPECT_STREQ(layout::control(layout::ControlId::Protect8).name, "rom8");
}

TEST_F(WindowTest, KeyTableAndLayoutNameTheSameKeys) {
    std::set<std::string> laidOut;
    for (const auto& row : layout::shapeKeys())
        laidOut.insert(std::string(row.name()));
    for (const auto& row : layout::imageKeys())
        laidOut.insert(std::string(row.name()));
    EXPECT_EQ(layout::imageKeys().size(), 2U);
    std::set<std::string> keys;
    for (const Key& key : kKeys)
        keys.insert(std::string(key.name));
    EXPECT_EQ(laidOut, keys);
    EXPECT_EQ(layout::shapeKeys().size(), 51U);
}

// Positions and hints as the window's description gives them.
struct ControlCase {
    const char* name;
    QRect geometry;
    const char* hint;
    bool enabled;
};

const ControlCase kControlCases[] = {
    {"SB1", {16, 48, 38, 25}, "", true},
    {"SBmult", {16, 144, 38, 25}, "умножить", true},
    {"Bth", {56, 144, 38, 25}, "разделить", true},
    {"SBstep", {96, 144, 38, 25}, "степень", true},
    {"SBdraw", {56, 168, 38, 25}, "", true},
    {"ShapeBtn18", {168, 136, 33, 33}, "Очистка дисплея", true},
    {"SBcosh", {160, 72, 40, 30}, "cos гиперболический\nна клавиатуре = C", true},
    {"SBsinh", {200, 72, 40, 30}, "sin гиперболический\nна клавиатуре = S", true},
    {"SBcotan", {240, 72, 49, 25}, "cotang\nна клавиатуре = g", true},
    {"SBcr", {312, 72, 47, 25}, "cycel->rad", true},
    {"ShapeBtn42", {400, 168, 40, 25}, "", false},
    {"ShapeBtn35", {280, 170, 40, 25}, "", false},
    {"ShapeBtn38", {360, 194, 40, 25}, "", false},
    {"ShPi", {96, 168, 41, 25}, "3,14159265358979", true},
    {"Shexp", {88, 192, 55, 22}, "2,71828182845905", true},
    {"ShapeBtn27", {146, 168, 39, 25}, "левая скобка", true},
    {"ShapeBtn33", {184, 192, 39, 25}, "вставка из буфера", true},
    {"ImageBtn1", {224, 136, 49, 41}, "Забой неправельно введёного символа", true},
    {"ImageBtn2", {224, 176, 48, 40}, "Очистить все регистры", true},
    {"r3dDisplay", {24, 8, 449, 25}, "вычисление", true},
    {"Label3D1", {0, 280, 476, 28}, "", true},
    {"Panel1", {0, 228, 476, 25}, "", true},
    {"ControlBar1", {0, 253, 476, 27}, "", true},
    {"Rom", {11, 2, 198, 22}, "", true},
    {"Switch8", {453, 2, 14, 22}, "", true},
    {"rom6", {392, 8, 17, 17}, "", true},
    {"UrlLabel1", {5, 8, 173, 13}, "", true},
};

TEST_F(WindowTest, ControlsHaveTheirPlacesHintsAndStates) {
    // "Pi" and "E" show their constants with the locale's separator.
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(window.get(), &change);
    for (const auto& c : kControlCases) {
        SCOPED_TRACE(c.name);
        QWidget* widget = control(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.geometry);
        EXPECT_EQ(widget->isEnabled(), c.enabled);
        QString hint = QString::fromUtf8(c.hint);
        if (std::string_view(c.name) == "ShPi" || std::string_view(c.name) == "Shexp") {
            hint.replace(',', QChar::fromLatin1(window->panel().decimalSeparator().character()));
        }
        EXPECT_EQ(widget->toolTip(), hint);
    }
}

TEST_F(WindowTest, AtStartTheDisplayIsEmptyAndOnlyTheSevenSpecialKeysAreDisabled) {
    EXPECT_EQ(shown(), QString());
    EXPECT_TRUE(control("SBzpt")->isVisible());
    std::set<QString> disabled;
    for (const Key& key : kKeys) {
        QWidget* widget = control(std::string(key.name).c_str());
        if (!widget->isEnabled()) disabled.insert(widget->objectName());
    }
    const std::set<QString> special = {"ShapeBtn35", "ShapeBtn36", "ShapeBtn37", "ShapeBtn38",
                                       "ShapeBtn39", "ShapeBtn40", "ShapeBtn42"};
    EXPECT_EQ(disabled, special);
}

TEST_F(WindowTest, StripHoldsCaptionsAndUncheckedBoxes) {
    auto* rom = qobject_cast<QCheckBox*>(control("Rom"));
    ASSERT_NE(rom, nullptr);
    EXPECT_EQ(rom->text(), QStringLiteral("Постоянно помнить"));
    EXPECT_FALSE(rom->isChecked());
    for (int n = 1; n <= 8; ++n) {
        auto* box = qobject_cast<QCheckBox*>(control(("rom" + std::to_string(n)).c_str()));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QStringLiteral("rom%1").arg(n));
        EXPECT_FALSE(box->isChecked());
        QWidget* sw = control(("Switch" + std::to_string(n)).c_str());
        ASSERT_NE(sw, nullptr);
        EXPECT_FALSE(factory::switchIsOn(sw));
        EXPECT_EQ(sw->toolTip(), QString());
    }
    EXPECT_EQ(factory::labelCaption(control("Label3D1")),
              QStringLiteral("О Програме и обо мне, Любимои"));
}

}  // namespace
}  // namespace zhcalc::testing
