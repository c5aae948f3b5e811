// Keys and typed characters drive the display through the calculator core; "="
// shows results, zero texts, the math-error text and error boxes.
#include <QKeyEvent>

#include "calculator/key_table.h"
#include "window_fixture.h"

namespace zhcalc::testing {
namespace {

bool enabled(const QWidget* w) {
    return w->isEnabled();
}

TEST_F(WindowTest, KeyClicksBuildTheExpressionAndMoveTheCommaKey) {
    clickAll({"SB1", "SBzpt"});
    EXPECT_EQ(shown(), QStringLiteral("1,"));
    EXPECT_FALSE(control("SBzpt")->isVisible());
    clickAll({"SB5", "SBplus"});
    EXPECT_TRUE(control("SBzpt")->isVisible());
    clickAll({"SB2", "SBmult", "ShPi"});
    EXPECT_EQ(shown(), QStringLiteral("1,5+2*3,14159265358979"));
    clickAll({"ShapeBtn18"});
    EXPECT_EQ(shown(), QString());
}

TEST_F(WindowTest, EveryFunctionKeyAppendsItsText) {
    for (const Key& key : kKeys) {
        if (key.action != KeyAction::Append || key.group == KeyGroup::DisabledForLife) continue;
        SCOPED_TRACE(std::string(key.name));
        click("ShapeBtn18");
        click("SBdraw");  // leaves every group enabled
        click("ShapeBtn18");
        click(std::string(key.name).c_str());
        EXPECT_EQ(shown().toStdString(), std::string(key.text));
    }
}

TEST_F(WindowTest, ArcDisablesTheEntryAndArcLockedKeysUntilEquals) {
    const char* arcLocked[] = {"SBrd", "SBdr", "SBrc", "SBcr", "SBrg", "SBgr", "SBSign", "SBInt"};
    const char* entry[] = {"SB0", "SB9", "SBzpt", "SBplus", "ShPi", "Shexp", "ShapeBtn27", "SBarc"};
    click("SBarc");
    for (const char* name : arcLocked)
        EXPECT_FALSE(enabled(control(name))) << name;
    for (const char* name : entry)
        EXPECT_FALSE(enabled(control(name))) << name;
    // A disabled key ignores the mouse; the keyboard still appends.
    click("SB5");
    EXPECT_EQ(shown(), QStringLiteral("arc"));
    click("SBsin");
    EXPECT_EQ(shown(), QStringLiteral("arcsin("));
    for (const char* name : entry)
        EXPECT_TRUE(enabled(control(name))) << name;
    for (const char* name : arcLocked)
        EXPECT_FALSE(enabled(control(name))) << name;
    type("5");
    EXPECT_EQ(shown(), QStringLiteral("arcsin(5"));
    click("SBdraw");  // fails in the parser, yet ends the arc state
    for (const char* name : arcLocked)
        EXPECT_TRUE(enabled(control(name))) << name;
}

TEST_F(WindowTest, TypedCharactersRunTheKeyboardMap) {
    struct Case {
        QString typed;
        QString display;
    };
    const Case cases[] = {
        {"12+3", "12+3"},
        {"C", "Cosh("},
        {"c", "cos("},
        {"S", "Sinh("},
        {"s", "sin("},
        {"t", "tan("},
        {"T", "tan("},
        {"g", "Cotan("},
        {"a", "arc"},
        {"A", "arc"},
        {"^", ""},
        {".", ","},
        {",,", ",,"},
        {"(2)", "(2)"},
        {"7/8-1", "7/8-1"},
        {"p", "3,14159265358979"},
        {"e", "2,71828182845905"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QTest::keyClick(window.get(), Qt::Key_Escape);
        click("SBdraw");
        QTest::keyClick(window.get(), Qt::Key_Escape);
        type(c.typed);
        EXPECT_EQ(shown(), c.display);
    }
}

TEST_F(WindowTest, EnterEvaluatesBackspaceErasesEscapeClears) {
    type("2+3");
    QTest::keyClick(window.get(), Qt::Key_Backspace);
    EXPECT_EQ(shown(), QStringLiteral("2+"));
    type("4");
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(shown(), QStringLiteral("6"));
    type("*2");
    QTest::keyClick(window.get(), Qt::Key_Enter);
    EXPECT_EQ(shown(), QStringLiteral("12"));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(shown(), QString());
    click("ImageBtn1");  // backspace on nothing leaves nothing
    EXPECT_EQ(shown(), QString());
}

TEST_F(WindowTest, KeysTypedWhileAChildHasTheFocusReachTheMapOnce) {
    control("Rom")->setFocus();
    ASSERT_TRUE(control("Rom")->hasFocus());
    QTest::keyClicks(control("Rom"), "42");
    EXPECT_EQ(shown(), QStringLiteral("42"));
    // A switch takes the characters it does not use itself and hands them on.
    QWidget* sw = control("Switch5");
    sw->setFocus();
    ASSERT_TRUE(sw->hasFocus());
    QTest::keyClicks(sw, "+1");
    EXPECT_EQ(shown(), QStringLiteral("42+1"));
    EXPECT_FALSE(factory::switchIsOn(sw));
    QTest::keyClick(sw, Qt::Key_Return);
    EXPECT_EQ(shown(), QStringLiteral("43"));
}

TEST_F(WindowTest, EqualsShowsResultsZeroTextsAndTheMathErrorText) {
    struct Case {
        QString expression;
        QString display;
        std::size_t tones;  // the tone of "=" sounds only on success
    };
    const Case cases[] = {
        {"2+3", "5", 1},
        {"sin(3,14159265358979)", "0", 1},
        {"cos(1,5707963267949)", "0", 1},
        {"cotan(0)", "1,1E4932", 0},
        {"5", "5", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression.toStdString());
        enter(c.expression);
        sound.tones.clear();
        click("SBdraw");
        EXPECT_EQ(shown(), c.display);
        EXPECT_EQ(sound.tones.size(), c.tones);
        EXPECT_TRUE(control("SBzpt")->isVisible());
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(WindowTest, OtherErrorsShowOneErrorBoxAndKeepTheDisplay) {
    struct Case {
        QString expression;
        QString message;
    };
    const Case cases[] = {
        {"1/0", "Divide by zero."},
        {"sin(", "Invalid condition (no cramp)"},
        {"Fa(2,5)", "'2,5' is not a valid integer value."},
        {"2(3)", "Syntax error."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression.toStdString());
        enter(c.expression);
        boxes.clear();
        sound.tones.clear();
        QTest::keyClick(window.get(), Qt::Key_Return);
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].caption, QStringLiteral("ЖЫЖ-Калькультор v 1.2.8.5"));
        EXPECT_EQ(boxes[0].text, c.message);
        EXPECT_TRUE(boxes[0].isError);
        EXPECT_EQ(shown(), c.expression);
        EXPECT_TRUE(sound.tones.empty());
    }
    // The window goes on working.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    type("7\r");
    EXPECT_EQ(shown(), QStringLiteral("7"));
}

TEST_F(WindowTest, TheDisplayIsPaintedBeforeEachToneStarts) {
    clickAll({"SB2", "SB5"});
    type("+1");
    click("SBdraw");
    ASSERT_EQ(sound.tones.size(), 4U);  // 2, 5, 1 and "="
    const QString shownAtTone[] = {"2", "25", "25+1", "26"};
    int paintsBefore = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(sound.tones[i].display, shownAtTone[i]);
        EXPECT_GT(sound.tones[i].displayPaints, paintsBefore) << "tone " << i;
        paintsBefore = sound.tones[i].displayPaints;
        EXPECT_EQ(sound.tones[i].bytes, 1369U);
    }
}

}  // namespace
}  // namespace zhcalc::testing
