// Input as the platform delivers it to the whole window: quick second clicks on the
// keys, where the keyboard focus rests after clicks, and the Tab order of the strip.
#include <QCheckBox>
#include <QStyleHints>

#include "window_fixture.h"

namespace zhcalc::testing {
namespace {

// Everything a stray key could change: registers, switches and check boxes.
struct StoredState {
    std::vector<std::string> registers;
    std::vector<bool> switches;
    std::vector<bool> boxes;
    bool operator==(const StoredState&) const = default;
};

class WindowInputTest : public WindowTest {
  protected:
    // A point of the control in the window, on its shape.
    QPoint windowPoint(const char* name) const {
        QWidget* widget = control(name);
        const QRegion shape = widget->mask();
        QPoint at = widget->rect().center();
        if (!shape.isEmpty() && !shape.contains(at)) at = shape.boundingRect().center();
        if (!shape.isEmpty() && !shape.contains(at)) at = shape.begin()->center();
        return widget->mapTo(window.get(), at);
    }
    // A click as the window system delivers it: Qt picks the receiver and the focus.
    void clickInWindow(const char* name) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, windowPoint(name));
    }
    // Keys typed as the window system delivers them: to whatever holds the focus.
    void typeInWindow(const QString& text) {
        for (const QChar c : text) {
            if (c == '\r')
                QTest::keyClick(window->windowHandle(), Qt::Key_Return);
            else
                QTest::keyClick(window->windowHandle(), c.toLatin1());
        }
    }
    StoredState stored() const {
        StoredState state;
        for (int n = 1; n <= 8; ++n) {
            state.registers.push_back(window->panel().registers().text(n));
            state.switches.push_back(
                factory::switchIsOn(control(("Switch" + std::to_string(n)).c_str())));
            state.boxes.push_back(
                qobject_cast<QCheckBox*>(control(("rom" + std::to_string(n)).c_str()))
                    ->isChecked());
        }
        state.boxes.push_back(qobject_cast<QCheckBox*>(control("Rom"))->isChecked());
        return state;
    }
};

TEST_F(WindowInputTest, QuickSecondClickOnAKeyIsASecondClick) {
    ASSERT_GT(QGuiApplication::styleHints()->mouseDoubleClickInterval(), 300);
    struct Case {
        const char* key;
        QString before;
        QString after;
    };
    const Case cases[] = {
        {"SB1", "", "11"},         {"SBplus", "2", "2++"},
        {"ImageBtn1", "123", "1"}, {"ShapeBtn18", "9", ""},
        {"SBzpt", "", ","},        {"ShPi", "", "3,141592653589793,14159265358979"},
    };
    for (const Case& c : cases) {
        QTest::keyClick(window.get(), Qt::Key_Escape);
        type(c.before);
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, windowPoint(c.key));
        EXPECT_EQ(shown(), c.after) << c.key;
        EXPECT_FALSE(static_cast<QAbstractButton*>(control(c.key))->isDown()) << c.key;
    }
    EXPECT_TRUE(boxes.empty());
}

// "7 *6" and Enter give 42 and touch nothing stored, at start and after a click on
// each kind of control; the space reaches only the keyboard map, which ignores it.
TEST_F(WindowInputTest, TypedSpacesChangeNothingStoredAtStartAndAfterClicks) {
    const char* const clicked[] = {nullptr,      "SB1",     "Switch3",   "rom2", "Rom",
                                   "r3dDisplay", "Switch8", "ImageBtn1", "rom8", "BackGround1"};
    for (const char* name : clicked) {
        const std::string label = name != nullptr ? name : "start";
        if (name != nullptr) clickInWindow(name);
        EXPECT_EQ(QApplication::focusWidget(), window.get()) << label;
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        const StoredState before = stored();
        typeInWindow(QStringLiteral("7 *6\r"));
        EXPECT_EQ(shown(), QStringLiteral("42")) << label;
        EXPECT_EQ(stored(), before) << label;
        typeInWindow(QStringLiteral(" "));
        EXPECT_EQ(shown(), QStringLiteral("42")) << label;
        EXPECT_EQ(stored(), before) << label;
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(WindowInputTest, TabWalksTheSwitchesThenRomThenTheCheckBoxes) {
    QStringList walked;
    for (int i = 0; i < 18; ++i) {
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
        walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, QStringList({"Switch1", "Switch2", "Switch3", "Switch4", "Switch5", "Switch6",
                                   "Switch7", "Switch8", "Rom", "rom1", "rom2", "rom3", "rom4",
                                   "rom5", "rom6", "rom7", "rom8", "Switch1"}));
}

TEST_F(WindowInputTest, SpaceTogglesOnlyWhatTabFocused) {
    typeInWindow(QStringLiteral("12"));
    QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), control("Switch1"));
    typeInWindow(QStringLiteral(" "));
    EXPECT_TRUE(factory::switchIsOn(control("Switch1")));
    EXPECT_EQ(window->panel().registers().text(1), "12");
    EXPECT_EQ(shown(), QString());
    // Other characters typed there still reach the keyboard map.
    typeInWindow(QStringLiteral("3+"));
    EXPECT_EQ(shown(), QStringLiteral("3+"));

    // Shift+Tab goes back past the start to the check boxes: rom8.
    QTest::keyClick(window->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), control("rom8"));
    typeInWindow(QStringLiteral(" "));
    EXPECT_TRUE(qobject_cast<QCheckBox*>(control("rom8"))->isChecked());
    EXPECT_EQ(shown(), QStringLiteral("3+"));

    // A click anywhere takes the focus back to the window.
    clickInWindow("SB4");
    EXPECT_EQ(QApplication::focusWidget(), window.get());
    const StoredState before = stored();
    typeInWindow(QStringLiteral(" "));
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(shown(), QStringLiteral("3+4"));
}

}  // namespace
}  // namespace zhcalc::testing
