// The drawn controls on the accessibility bus: how a text change is told, what a 3D
// label and a switch report, and the events their changes raise.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>

#include "controls/accessibility/accessible_events.h"
#include "controls/accessibility/control_accessibles.h"
#include "controls/label3d.h"
#include "controls/toggle_switch.h"
#include "support/accessible_event_log.h"

namespace zhcalc::controls {
namespace {

using accessibility::TextChange;
using accessibility::TextChangeKind;
using testing::AccessibleEventLog;

struct TextChangeRow {
    const char* before;
    const char* after;
    TextChange expected;
};

TEST(AccessibleTextChangeTest, TellsAppendedCutAndReplacedText) {
    const TextChangeRow rows[] = {
        {"", "", {TextChangeKind::None, 0, ""}},
        {"2+3", "2+3", {TextChangeKind::None, 0, ""}},
        {"", "2", {TextChangeKind::Insert, 0, "2"}},
        {"2", "2+", {TextChangeKind::Insert, 1, "+"}},
        {"2+", "2+sin(", {TextChangeKind::Insert, 2, "sin("}},
        {"123", "12", {TextChangeKind::Remove, 2, "3"}},
        {"123", "", {TextChangeKind::Remove, 0, "123"}},
        {"2+3", "5", {TextChangeKind::Replace, 0, "5"}},
        {"10^5000", "1,1E4932", {TextChangeKind::Replace, 0, "1,1E4932"}},
        // The same length but another text is a replacement, not an insertion.
        {"12", "13", {TextChangeKind::Replace, 0, "13"}},
        {"Пи", "Пиф", {TextChangeKind::Insert, 2, "ф"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(
            accessibility::textChange(QString::fromUtf8(row.before), QString::fromUtf8(row.after)),
            row.expected)
            << row.before << " -> " << row.after;
    }
}

class ControlAccessibilityTest : public ::testing::Test {
  protected:
    void SetUp() override { accessibility::installAccessibleInterfaces(); }
    static QAccessibleInterface* of(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    QWidget window;
};

struct LabelRow {
    const char* what;
    int tag;
    bool clickable;
    const char* accessibleName;
    const char* hint;
    QAccessible::Role role;
    const char* name;
    const char* description;
};

TEST_F(ControlAccessibilityTest, LabelRoleNameAndDescriptionFollowItsUse) {
    const LabelRow rows[] = {
        {"plain label", 0, false, "", "", QAccessible::StaticText, "Текст", ""},
        {"label with a hint", 0, false, "", "подсказка", QAccessible::StaticText, "Текст",
         "подсказка"},
        {"clickable label", 0, true, "", "", QAccessible::Button, "Текст", ""},
        // The display: named by its hint, which then is no description as well.
        {"display", -1, false, "вычисление", "вычисление", QAccessible::EditableText, "вычисление",
         ""},
    };
    for (const auto& row : rows) {
        auto* label = new Label3D(&window);
        label->setTag(row.tag);
        label->setCaptionText(QStringLiteral("Текст"));
        label->setAccessibleName(QString::fromUtf8(row.accessibleName));
        label->setToolTip(QString::fromUtf8(row.hint));
        if (row.clickable) QObject::connect(label, &Label3D::clicked, label, [] {});
        QAccessibleInterface* iface = of(label);
        ASSERT_NE(iface, nullptr) << row.what;
        EXPECT_EQ(iface->role(), row.role) << row.what;
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(row.name)) << row.what;
        EXPECT_EQ(iface->text(QAccessible::Description), QString::fromUtf8(row.description))
            << row.what;
        EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("Текст")) << row.what;
        EXPECT_EQ(iface->state().readOnly, row.tag == -1) << row.what;
        EXPECT_EQ(iface->actionInterface()->actionNames().contains(
                      QAccessibleActionInterface::pressAction()),
                  row.clickable)
            << row.what;
    }
}

TEST_F(ControlAccessibilityTest, LabelTextInterfaceReadsTheCaption) {
    Label3D label(&window);
    label.setCaptionText(QStringLiteral("2+sin("));
    QAccessibleTextInterface* text = of(&label)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 6);
    EXPECT_EQ(text->text(0, -1), QStringLiteral("2+sin("));
    EXPECT_EQ(text->text(2, 5), QStringLiteral("sin"));
    EXPECT_EQ(text->text(4, 100), QStringLiteral("n("));
    EXPECT_EQ(text->text(-3, 1), QStringLiteral("2"));
    label.setCaptionText(QStringLiteral("5"));
    EXPECT_EQ(text->text(0, -1), QStringLiteral("5"));
}

TEST_F(ControlAccessibilityTest, ClickableLabelPressesOnceTheEventLoopRuns) {
    Label3D label(&window);
    int clicks = 0;
    QObject::connect(&label, &Label3D::clicked, &label, [&] { ++clicks; });
    of(&label)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 0) << "a modal window opened by the click must not block the request";
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlAccessibilityTest, CaptionChangesRaiseTheTextEventsOfEachStep) {
    AccessibleEventLog log;
    Label3D label(&window);
    struct Step {
        const char* caption;
        std::vector<testing::LoggedAccessibleEvent> expected;
    };
    const auto insert = [&](int at, const char* text) {
        return testing::textEvent(&label, QAccessible::TextInserted, at, QString::fromUtf8(text));
    };
    const auto remove = [&](int at, const char* text) {
        return testing::textEvent(&label, QAccessible::TextRemoved, at, QString::fromUtf8(text));
    };
    const auto update = [&](const char* before, const char* after) {
        return testing::textEvent(&label, QAccessible::TextUpdated, 0, QString::fromUtf8(after),
                                  QString::fromUtf8(before));
    };
    const Step steps[] = {
        {"2", {insert(0, "2")}},
        {"2+", {insert(1, "+")}},
        {"2+3", {insert(2, "3")}},
        {"5", {update("2+3", "5")}},
        {"5", {}},
        {"", {remove(0, "5")}},
    };
    for (const auto& step : steps) {
        log.clear();
        label.setCaptionText(QString::fromUtf8(step.caption));
        EXPECT_EQ(log.textEvents(&label), step.expected) << step.caption;
    }
}

TEST_F(ControlAccessibilityTest, NobodyListensWithoutABridgeOrALog) {
    // Offscreen there is no bridge to an assistive technology.
    EXPECT_FALSE(accessibility::listening());
    AccessibleEventLog log;
    EXPECT_TRUE(accessibility::listening());
}

TEST_F(ControlAccessibilityTest, SwitchIsAToggleButtonThatReportsItsState) {
    AccessibleEventLog log;
    ToggleSwitch toggle(&window);
    toggle.setCaption(QStringLiteral("Switch1"));
    QAccessibleInterface* iface = of(&toggle);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Button);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Switch1"));
    toggle.setAccessibleName(QStringLiteral("Регистр 1"));
    toggle.setToolTip(QStringLiteral("42"));
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Регистр 1"));
    EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("42"));
    EXPECT_TRUE(iface->state().checkable);

    for (const bool on : {true, false}) {
        log.clear();
        toggle.setStateOn(on);
        EXPECT_EQ(iface->state().checked, on);
        EXPECT_EQ(iface->state().pressed, on);
        const auto changes = log.of(&toggle, QAccessible::StateChanged);
        ASSERT_EQ(changes.size(), 1u) << on;
        EXPECT_TRUE(changes[0].checkedChanged && changes[0].pressedChanged);
    }
    log.clear();
    toggle.setStateOn(false);
    EXPECT_TRUE(log.of(&toggle, QAccessible::StateChanged).empty()) << "no change, no event";

    // The toggle action works it as a click does, once the event loop runs.
    int ons = 0;
    QObject::connect(&toggle, &ToggleSwitch::turnedOn, &toggle, [&] { ++ons; });
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCoreApplication::processEvents();
    EXPECT_TRUE(toggle.stateOn());
    EXPECT_EQ(ons, 1);
    // A disabled switch cannot be worked through its action either.
    toggle.setEnabled(false);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCoreApplication::processEvents();
    EXPECT_TRUE(toggle.stateOn());
}

}  // namespace
}  // namespace zhcalc::controls
