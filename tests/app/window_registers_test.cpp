// Registers through the switches and check boxes; the clipboard through the keys,
// the shortcuts and the window-menu entries.
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>

#include "app/window_menu.h"
#include "window_fixture.h"

namespace zhcalc::testing {
namespace {

class RegisterTest : public WindowTest {
  protected:
    QWidget* switchWidget(int n) { return control(("Switch" + std::to_string(n)).c_str()); }
    void press(int n) {
        QWidget* sw = switchWidget(n);
        QTest::mouseClick(sw, Qt::LeftButton, {}, sw->rect().center());
    }
    std::string panelRegister(int n) const { return window->panel().registers().text(n); }
    void check(const char* name, bool on) {
        auto* box = qobject_cast<QCheckBox*>(control(name));
        ASSERT_NE(box, nullptr);
        box->setChecked(on);
    }
};

TEST_F(RegisterTest, SwitchStoresThenRecallsAndShowsTheRegisterAsHint) {
    type("12");
    press(3);
    EXPECT_TRUE(factory::switchIsOn(switchWidget(3)));
    EXPECT_EQ(shown(), QString());
    EXPECT_EQ(switchWidget(3)->toolTip(), QStringLiteral("12"));
    type("+");
    press(3);
    EXPECT_FALSE(factory::switchIsOn(switchWidget(3)));
    EXPECT_EQ(shown(), QStringLiteral("+12"));
    EXPECT_EQ(switchWidget(3)->toolTip(), QStringLiteral("12"));
}

TEST_F(RegisterTest, ProtectionTurnsStoringIntoRecalling) {
    type("7");
    press(1);  // stores "7"
    press(1);  // recalls
    type("8");
    press(2);  // stores "78"
    EXPECT_EQ(shown(), QString());
    check("rom2", true);
    press(2);  // off: recalls
    press(2);  // on, protected: recalls again
    EXPECT_EQ(shown(), QStringLiteral("7878"));
    EXPECT_EQ(panelRegister(2), "78");
    check("rom2", false);
    check("Rom", true);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    type("5");
    press(1);  // register 1 on, everything protected: appends "7"
    EXPECT_EQ(shown(), QStringLiteral("57"));
    EXPECT_EQ(panelRegister(1), "7");
}

TEST_F(RegisterTest, ClearingAllRegistersKeepsTheSwitchHints) {
    type("9");
    press(4);
    click("ImageBtn2");
    EXPECT_EQ(panelRegister(4), "");
    EXPECT_EQ(switchWidget(4)->toolTip(), QStringLiteral("9"));
    press(4);
    EXPECT_EQ(shown(), QString());
    EXPECT_EQ(switchWidget(4)->toolTip(), QString());
}

class ClipboardTest : public WindowTest {
  protected:
    QClipboard* clipboard() const { return QGuiApplication::clipboard(); }
    int commandOf(const QString& caption) const {
        for (const auto& item : window->windowMenu().items()) {
            if (item.caption == caption) return item.commandId;
        }
        return -1;
    }
};

TEST_F(ClipboardTest, CopyAndPasteKeysGoThroughTheClipboard) {
    type("3*4");
    click("ShapeBtn32");
    EXPECT_EQ(clipboard()->text(), QStringLiteral("3*4"));
    EXPECT_EQ(shown(), QStringLiteral("3*4"));
    clipboard()->setText(QStringLiteral("+5"));
    click("ShapeBtn33");
    EXPECT_EQ(shown(), QStringLiteral("3*4+5"));
}

TEST_F(ClipboardTest, PasteConvertsToTheCodePageAndStopsAtAZero) {
    clipboard()->setText(QStringLiteral("Пи€日") + QChar(0) + QStringLiteral("tail"));
    click("ShapeBtn33");
    EXPECT_EQ(shown(), QStringLiteral("Пи€?"));
    clipboard()->clear();
    click("ShapeBtn33");
    EXPECT_EQ(shown(), QStringLiteral("Пи€?"));
}

TEST_F(ClipboardTest, ShortcutsActAnywhereInTheWindow) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    type("1+2");
    control("Rom")->setFocus();
    QTest::keyClick(control("Rom"), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), QStringLiteral("1+2"));
    EXPECT_EQ(shown(), QString());
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown(), QStringLiteral("1+21+2"));
    clipboard()->clear();
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), QStringLiteral("1+21+2"));
}

TEST_F(ClipboardTest, WindowMenuEntriesCarryTheirTextsAndActions) {
    const auto& items = window->windowMenu().items();
    ASSERT_EQ(items.size(), 4U);
    const QString windowTexts[] = {"Копировать\tCtrl+C", "Вставить\tCtrl+V", "Выре\t",
                                   "Вырезать\tCtrl+X"};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(WindowMenu::windowEntryText(items[i]), windowTexts[i]);
        EXPECT_EQ(WindowMenu::applicationEntryText(items[i]), windowTexts[i].section('\t', 0, 0));
        EXPECT_TRUE(items[i].enabled);
        EXPECT_FALSE(items[i].checked);
        EXPECT_EQ(items[i].commandId, WindowMenu::kFirstCommandId + static_cast<int>(i));
    }
    EXPECT_EQ(window->contextMenuPolicy(), Qt::NoContextMenu);
    for (const char* name : {"SB5", "r3dDisplay", "Rom", "Switch2"}) {
        QWidget* widget = control(name);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, widget->rect().center(),
                                     widget->mapToGlobal(widget->rect().center()));
        QApplication::sendEvent(widget, &rightClick);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << name;
    }

    type("6");
    clipboard()->setText(QStringLiteral("x"));
    EXPECT_TRUE(window->windowMenu().choose(commandOf("Выре")));
    EXPECT_EQ(shown(), QStringLiteral("6"));
    EXPECT_EQ(clipboard()->text(), QStringLiteral("x"));
    EXPECT_TRUE(window->windowMenu().choose(commandOf("Копировать")));
    EXPECT_EQ(clipboard()->text(), QStringLiteral("6"));
    EXPECT_TRUE(window->windowMenu().choose(commandOf("Вставить")));
    EXPECT_EQ(shown(), QStringLiteral("66"));
    window->windowMenu().setEnabled(commandOf("Вырезать"), false);
    EXPECT_FALSE(window->windowMenu().choose(commandOf("Вырезать")));
    EXPECT_EQ(shown(), QStringLiteral("66"));
    EXPECT_FALSE(window->windowMenu().choose(12345));
}

}  // namespace
}  // namespace zhcalc::testing
