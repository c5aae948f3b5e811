// The calculator window's controls as a screen reader finds them, and what the
// display tells it while the user types and evaluates.
#include <QAccessible>

#include "support/accessible_event_log.h"
#include "window_fixture.h"

namespace zhcalc::testing {
namespace {

struct ControlRow {
    const char* objectName;
    QAccessible::Role role;
    const char* name;
};

class WindowAccessibilityTest : public WindowTest {
  protected:
    static QAccessibleInterface* of(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
};

TEST_F(WindowAccessibilityTest, EveryKindOfControlHasItsRoleAndName) {
    const ControlRow rows[] = {
        {"SbSetup1", QAccessible::Window, "Калькулятор вер 1.2.8"},
        {"r3dDisplay", QAccessible::EditableText, "вычисление"},
        {"SB2", QAccessible::Button, "2"},
        {"SBdr", QAccessible::Button, "d->r"},
        {"ShapeBtn32", QAccessible::Button, "буф"},
        {"ImageBtn1", QAccessible::Button, "Забой неправельно введёного символа"},
        {"ImageBtn2", QAccessible::Button, "Очистить все регистры"},
        {"Switch1", QAccessible::Button, "Регистр 1"},
        {"Switch8", QAccessible::Button, "Регистр 8"},
        {"Rom", QAccessible::CheckBox, "Постоянно помнить"},
        {"rom3", QAccessible::CheckBox, "rom3"},
        {"UrlLabel1", QAccessible::Link, "Мой маэл надо  написать - нажми"},
        {"Label3D1", QAccessible::Button, "О Програме и обо мне, Любимои"},
    };
    for (const auto& row : rows) {
        QObject* object = QString::fromUtf8(row.objectName) == window->objectName()
                              ? static_cast<QObject*>(window.get())
                              : control(row.objectName);
        ASSERT_NE(object, nullptr) << row.objectName;
        QAccessibleInterface* iface = of(object);
        ASSERT_NE(iface, nullptr) << row.objectName;
        EXPECT_EQ(iface->role(), row.role) << row.objectName;
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(row.name)) << row.objectName;
    }
}

TEST_F(WindowAccessibilityTest, DescriptionsComeFromHintsAndRegisters) {
    EXPECT_EQ(of(control("SBdr"))->text(QAccessible::Description), QStringLiteral("deg->rad"));
    EXPECT_EQ(of(control("UrlLabel1"))->text(QAccessible::Description).left(7),
              QStringLiteral("mailto:"));
    // A switch is described by the text of its register once it holds one.
    click("SB4");
    click("SB2");
    click("Switch2");
    EXPECT_TRUE(of(control("Switch2"))->state().checked);
    EXPECT_EQ(of(control("Switch2"))->text(QAccessible::Description), QStringLiteral("42"));
}

TEST_F(WindowAccessibilityTest, DisplayIsTheWindowsFocusWhileTheWindowHoldsIt) {
    window->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), window.get());
    EXPECT_TRUE(of(display())->state().focused);
    EXPECT_EQ(of(window.get())->focusChild(), of(display()));
    control("Switch1")->setFocus();
    EXPECT_FALSE(of(display())->state().focused);
}

TEST_F(WindowAccessibilityTest, TypingAndEvaluatingTellTheAppendedTextAndTheResult) {
    AccessibleEventLog log;
    struct Step {
        const char* key;
        QAccessible::Event type;
        const char* text;
    };
    const Step steps[] = {
        {"SB2", QAccessible::TextInserted, "2"},      {"SBplus", QAccessible::TextInserted, "+"},
        {"SB3", QAccessible::TextInserted, "3"},      {"SBdraw", QAccessible::TextUpdated, "5"},
        {"ImageBtn1", QAccessible::TextRemoved, "5"},
    };
    for (const auto& step : steps) {
        log.clear();
        click(step.key);
        const auto events = log.textEvents(display());
        ASSERT_EQ(events.size(), 1u) << step.key;
        EXPECT_EQ(events[0].type, step.type) << step.key;
        EXPECT_EQ(events[0].text, QString::fromUtf8(step.text)) << step.key;
    }
}

}  // namespace
}  // namespace zhcalc::testing
