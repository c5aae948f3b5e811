#include "controls/shape_button.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QLineEdit>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "button_test_support.h"

namespace zhcalc::controls {
namespace {

using namespace testing;

// Counts the outlines it computes.
class CountingShapeButton : public ShapeButton {
  public:
    using ShapeButton::ShapeButton;
    mutable int regionsMade = 0;

  protected:
    QRegion createRegion(bool down) const override {
        ++regionsMade;
        return ShapeButton::createRegion(down);
    }
};

// A window with a counter underneath an elliptic key at (20, 20), 38 x 25, like
// the keypad's digits.
class ShapeButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        top = std::make_unique<QWidget>();
        top->resize(140, 90);
        below = new PressCounter(top.get());
        below->setGeometry(0, 0, 140, 90);
        key = new CountingShapeButton(top.get());
        key->setObjectName("SB5");
        key->setShape(ButtonShape::bsEllipse);
        key->setGeometry(20, 20, 38, 25);
        key->setText("5");
        QObject::connect(key, &QAbstractButton::clicked, [this] { ++clicks; });
        QCursor::setPos(-500, -500);  // not over any key: no hover state
        showActive(*top);
        ASSERT_TRUE(top->isActiveWindow());
    }

    QPoint centre() const { return key->geometry().topLeft() + QPoint(19, 12); }
    QPoint corner() const { return key->geometry().topLeft() + QPoint(1, 1); }
    QPoint away() const { return QPoint(120, 80); }

    std::unique_ptr<QWidget> top;
    PressCounter* below = nullptr;
    CountingShapeButton* key = nullptr;
    int clicks = 0;
};

TEST_F(ShapeButtonTest, DefaultsOfANewButton) {
    ShapeButton fresh;
    EXPECT_EQ(fresh.size(), QSize(75, 25));
    EXPECT_EQ(fresh.shape(), ButtonShape::bsRect);
    EXPECT_EQ(fresh.orientation(), ShapeOrientation::soUp);
    EXPECT_EQ(fresh.roundRectBias(), 25);
    EXPECT_EQ(fresh.color(), clBtnFace);
    EXPECT_EQ(fresh.ditherColor(), clWhite);
    EXPECT_EQ(fresh.shadeStyle(), ShadeStyle::ssHighlight);
    EXPECT_EQ(fresh.spacing(), 4);
    EXPECT_EQ(fresh.margin(), -1);
    EXPECT_EQ(fresh.tag(), 0);
    EXPECT_EQ(fresh.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(fresh.offsets().textDownX, 1);
    fresh.setNumGlyphs(9);
    EXPECT_EQ(fresh.numGlyphs(), 4);
    fresh.setMargin(-5);
    EXPECT_EQ(fresh.margin(), -1);
}

TEST_F(ShapeButtonTest, MaskIsTheShapeAndACornerPressReachesTheWidgetBelow) {
    EXPECT_TRUE((key->mask() ^ key->stateRegion(false)).isEmpty());
    EXPECT_EQ(key->mask().boundingRect(), QRect(0, 0, 37, 24));

    click(*top, corner());
    EXPECT_EQ(below->presses, 1);
    EXPECT_EQ(clicks, 0);

    click(*top, centre());
    EXPECT_EQ(below->presses, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShapeButtonTest, DownWhileThePointerStaysInsideClickOnlyOnReleaseInside) {
    press(*top, centre());
    EXPECT_TRUE(key->isDown());
    moveWhilePressed(*top, away());
    EXPECT_FALSE(key->isDown());
    moveWhilePressed(*top, centre());
    EXPECT_TRUE(key->isDown());
    moveWhilePressed(*top, corner());  // inside the box but outside the ellipse
    EXPECT_FALSE(key->isDown());
    moveWhilePressed(*top, centre());
    release(*top, centre());
    EXPECT_FALSE(key->isDown());
    EXPECT_EQ(clicks, 1);

    press(*top, centre());
    moveWhilePressed(*top, away());
    release(*top, away());
    EXPECT_FALSE(key->isDown());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(below->presses, 0);
}

TEST_F(ShapeButtonTest, DoubleClickIsTwoClicks) {
    // Should a second press come as well as the double-click event that Qt makes of
    // it, the two are one press.
    click(*top, centre());
    press(*top, centre());
    sendMouse(*top, QEvent::MouseButtonDblClick, centre(), Qt::LeftButton, Qt::LeftButton);
    moveWhilePressed(*top, away());
    EXPECT_FALSE(key->isDown());  // still an ordinary press
    moveWhilePressed(*top, centre());
    release(*top, centre());
    EXPECT_FALSE(key->isDown());
    EXPECT_EQ(clicks, 2);
}

TEST_F(ShapeButtonTest, LosingTheMouseReleasesWhereThePointerIs) {
    QCursor::setPos(top->mapToGlobal(away()));
    press(*top, centre());
    ASSERT_TRUE(key->isDown());
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(key, &deactivate);
    EXPECT_FALSE(key->isDown());
    release(*top, centre());  // the press is over: a late release clicks nothing
    EXPECT_EQ(clicks, 0);

    // Pointer still over the key and the window still active: a release there.
    QCursor::setPos(key->mapToGlobal(QPoint(19, 12)));
    press(*top, centre());
    QEvent ungrab(QEvent::UngrabMouse);
    QCoreApplication::sendEvent(key, &ungrab);
    EXPECT_FALSE(key->isDown());
    EXPECT_EQ(clicks, 1);

    // Another window taking over in the middle of a press: up, no click.
    press(*top, centre());
    QWidget other;
    showActive(other);
    ASSERT_FALSE(top->isActiveWindow());
    EXPECT_FALSE(key->isDown());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShapeButtonTest, NoClickWhileAnotherWindowOfTheProgramIsActive) {
    QWidget other;
    showActive(other);
    ASSERT_FALSE(top->isActiveWindow());
    click(*top, centre());
    EXPECT_EQ(clicks, 0);
    showActive(*top);
    click(*top, centre());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShapeButtonTest, SpaceKeyClicksAFocusableButtonAtOnce) {
    int downChanges = 0;
    QObject::connect(key, &QAbstractButton::pressed, [&] { ++downChanges; });
    key->setOptions(boFocusable);
    EXPECT_EQ(key->focusPolicy(), Qt::StrongFocus);
    key->setFocus();
    sendKey(*key, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(key->isDown());
    sendKey(*key, Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
    sendKey(*key, Qt::Key_5);  // other keys go on to the window
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(downChanges, 0);
}

TEST_F(ShapeButtonTest, DefaultTakesReturnAndCancelEscapeFromTheWindow) {
    auto* edit = new QLineEdit(top.get());
    edit->setGeometry(70, 60, 60, 20);
    edit->show();
    edit->setFocus();
    key->setDefault(true);
    sendKey(*edit, Qt::Key_Return);
    EXPECT_EQ(clicks, 0);  // a key that cannot take focus takes no keys
    key->setOptions(boFocusable);
    edit->setFocus();
    sendKey(*edit, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    sendKey(*edit, Qt::Key_Escape);
    EXPECT_EQ(clicks, 1);
    key->setCancel(true);
    sendKey(*edit, Qt::Key_Escape);
    EXPECT_EQ(clicks, 2);
    key->setDefault(false);
    sendKey(*edit, Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ShapeButtonTest, DisabledButtonIgnoresTheMouse) {
    key->setEnabled(false);
    click(*top, centre());
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(key->isDown());
    key->setEnabled(true);
    click(*top, centre());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShapeButtonTest, DisablingInTheMiddleOfAPressEndsIt) {
    press(*top, centre());
    key->setEnabled(false);
    EXPECT_FALSE(key->isDown());
    key->setEnabled(true);
    release(*top, centre());
    EXPECT_EQ(clicks, 0);
}

TEST_F(ShapeButtonTest, CaptionIsEngravedWhenDisabledAndMovesWhenDown) {
    QFont font("DejaVu Sans");
    font.setPixelSize(15);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    key->setFont(font);
    key->setFontColor(clGreen);
    const QRgb face = resolveColor(clBtnFace).rgb();
    const QRgb highlight = resolveColor(clBtnHighlight).rgb();
    const QRgb shade = resolveColor(clBtnShadow).rgb();
    const QRect inner(9, 4, 19, 16);  // clear of the bevel
    const auto coloursIn = [&](const QImage& image) {
        std::set<QRgb> seen;
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x)
                seen.insert(image.pixel(x, y));
        return seen;
    };
    EXPECT_EQ(coloursIn(key->renderFace(false)), (std::set<QRgb>{face, qRgb(0, 128, 0)}));
    key->setEnabled(false);
    EXPECT_EQ(coloursIn(key->renderFace(false)), (std::set<QRgb>{face, highlight, shade}));
    key->setEnabled(true);

    // Down: the caption moves one pixel right and down.
    const auto captionBox = [&](const QImage& image) {
        QRect box;
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x)
                if (image.pixel(x, y) == qRgb(0, 128, 0)) box |= QRect(x, y, 1, 1);
        return box;
    };
    EXPECT_EQ(captionBox(key->renderFace(true)),
              captionBox(key->renderFace(false)).translated(1, 1));
}

TEST_F(ShapeButtonTest, FocusedPolygonButtonDrawsItsOutlineInTheFocusColour) {
    key->setShape(ButtonShape::bsDiamond);
    key->setGeometry(20, 20, 33, 33);
    ShadeColors colours;
    colours.btnFocus = clMaroon;
    key->setShadeColors(colours);
    key->setOptions(boFocusable);
    EXPECT_NE(key->renderFace(false).pixel(16, 0), qRgb(128, 0, 0));
    key->setFocus();
    ASSERT_TRUE(key->hasFocus());
    EXPECT_EQ(key->renderFace(false).pixel(16, 0), qRgb(128, 0, 0));
    EXPECT_EQ(key->renderFace(false).pixel(0, 16), qRgb(128, 0, 0));
}

TEST_F(ShapeButtonTest, FlatStyleShadesOnlyUnderThePointer) {
    key->setShadeStyle(ShadeStyle::ssFlat);
    const QRgb face = resolveColor(clBtnFace).rgb();
    EXPECT_EQ(key->renderFace(false).pixel(0, 12), face);
    int entered = 0, left = 0;
    QObject::connect(key, &BitButton::mouseEntered, [&] { ++entered; });
    QObject::connect(key, &BitButton::mouseLeft, [&] { ++left; });
    QEnterEvent enter(QPointF(19, 12), QPointF(19, 12), key->mapToGlobal(QPointF(19, 12)));
    QCoreApplication::sendEvent(key, &enter);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(key->renderFace(false).pixel(0, 12), resolveColor(clBtnHighlight).rgb());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(key, &leave);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(key->renderFace(false).pixel(0, 12), face);
    EXPECT_NE(key->renderFace(true).pixel(0, 12), face);  // a pressed flat key is shaded
}

TEST_F(ShapeButtonTest, GlyphPicksItsImageByStateAndSitsBesideTheCaption) {
    // Four 6 x 6 images side by side: up red, disabled green, down blue, hot yellow;
    // the bottom-left pixel (white) is transparent.
    QImage glyph(24, 6, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
    for (int i = 0; i < 4; ++i)
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x)
                glyph.setPixel(i * 6 + x, y, colours[i]);
    for (int i = 0; i < 4; ++i)
        glyph.setPixel(i * 6, 5, qRgb(255, 255, 255));
    key->setShape(ButtonShape::bsRect);
    key->setGeometry(10, 10, 40, 20);
    key->setText("");
    key->setGlyph(glyph);
    key->setNumGlyphs(4);
    // Alone and centred: (20 - 3, 10 - 3).
    EXPECT_EQ(key->renderFace(false).pixel(17, 7), colours[0] | 0xFF000000u);
    EXPECT_EQ(key->renderFace(true).pixel(18, 8), colours[2] | 0xFF000000u);  // moved (1, 1)
    key->setEnabled(false);
    EXPECT_EQ(key->renderFace(false).pixel(17, 7), colours[1] | 0xFF000000u);
    key->setEnabled(true);
    QEnterEvent enter(QPointF(19, 9), QPointF(19, 9), key->mapToGlobal(QPointF(19, 9)));
    QCoreApplication::sendEvent(key, &enter);
    EXPECT_EQ(key->renderFace(false).pixel(17, 7), colours[3] | 0xFF000000u);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(key, &leave);
    EXPECT_EQ(key->renderFace(false).pixel(17, 7), colours[0] | 0xFF000000u);
    EXPECT_EQ(key->renderFace(false).pixel(17, 12), resolveColor(clBtnFace).rgb());  // transparent

    // Left-justified with a margin of 3: the glyph starts at the margin.
    CaptionText left;
    left.alignment = TextAlignment::taLeftJustify;
    key->setTextOptions(left);
    key->setMargin(3);
    const QImage face = key->renderFace(false);
    EXPECT_EQ(face.pixel(3, 7), colours[0] | 0xFF000000u);
    EXPECT_NE(face.pixel(2, 7), colours[0] | 0xFF000000u);
}

TEST_F(ShapeButtonTest, ShapeChangesAndResizesRebuildTheMask) {
    key->setShape(ButtonShape::bsTrapezoid);
    key->setGeometry(20, 20, 41, 25);
    QCoreApplication::processEvents();
    EXPECT_TRUE((key->mask() ^ key->stateRegion(false)).isEmpty());
    EXPECT_TRUE(key->mask().contains(QPoint(10, 0)));
    EXPECT_FALSE(key->mask().contains(QPoint(9, 0)));
    key->setOrientation(ShapeOrientation::soDown);
    EXPECT_TRUE(key->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(key->mask().contains(QPoint(0, 24)));
    // A pure red face keeps its shape.
    key->setColor(clRed);
    EXPECT_FALSE(key->mask().contains(QPoint(0, 24)));
    EXPECT_TRUE(key->mask().contains(QPoint(20, 12)));
}

TEST_F(ShapeButtonTest, UnreadableCustomPointsFallBackToARectangle) {
    key->setPointList({"0, 0", "WIDTH, HEIGHT / 2", "0, HEIGHT"});
    key->setShape(ButtonShape::bsCustom);
    EXPECT_TRUE(key->mask().contains(QPoint(2, 12)));
    EXPECT_FALSE(key->mask().contains(QPoint(36, 1)));
    EXPECT_THROW(key->setPointList({"0, 0", "37 24", "0, 24"}), PointListError);
    EXPECT_EQ(key->shape(), ButtonShape::bsRect);
    EXPECT_TRUE(key->mask().contains(QPoint(36, 1)));
}

// Setters run on a key before it is shown, as the calculator builds its keypad.
TEST(ShapeButtonRegion, ShownKeyHasTheMaskOfItsFinalShapeAndSizeMadeOnce) {
    const QStringList rightTriangle{"0, 0", "WIDTH, HEIGHT / 2", "0, HEIGHT"};
    struct Case {
        const char* name;
        std::function<void(ShapeButton&)> build;
        QSize size;
        std::vector<QPoint> inside, outside;
    };
    const Case cases[] = {
        {"geometry first, then shape and looks",
         [](ShapeButton& k) {
             k.setGeometry(20, 20, 38, 25);
             k.setShape(ButtonShape::bsEllipse);
             k.setOrientation(ShapeOrientation::soUp);
             k.setRoundRectBias(25);
             ShadeColors shades;
             shades.btnShadow = clNavy;
             k.setShadeColors(shades);
             k.setText("5");
         },
         {38, 25},
         {{19, 12}, {2, 12}},
         {{1, 1}, {36, 1}, {1, 23}}},
        {"shape at the default size, then the real size",
         [](ShapeButton& k) {
             k.setShape(ButtonShape::bsEllipse);
             k.setGeometry(20, 20, 38, 25);
         },
         {38, 25},
         {{19, 12}},
         {{1, 1}, {36, 23}}},
        {"resized twice",
         [](ShapeButton& k) {
             k.setShape(ButtonShape::bsEllipse);
             k.setGeometry(20, 20, 80, 60);
             k.resize(38, 25);
         },
         {38, 25},
         {{19, 12}},
         {{1, 1}, {36, 1}}},
        {"trapezoid turned down after sizing",
         [](ShapeButton& k) {
             k.setGeometry(20, 20, 41, 25);
             k.setShape(ButtonShape::bsTrapezoid);
             k.setOrientation(ShapeOrientation::soDown);
         },
         {41, 25},
         {{0, 0}, {20, 12}},
         {{0, 24}, {40, 24}}},
        {"diamond replaced by an ellipse",
         [](ShapeButton& k) {
             k.setShape(ButtonShape::bsDiamond);
             k.setGeometry(20, 20, 33, 33);
             k.setShape(ButtonShape::bsEllipse);
         },
         {33, 33},
         {{6, 6}, {16, 16}},
         {{1, 1}}},
        {"ellipse replaced by a diamond",
         [](ShapeButton& k) {
             k.setShape(ButtonShape::bsEllipse);
             k.setGeometry(20, 20, 33, 33);
             k.setShape(ButtonShape::bsDiamond);
         },
         {33, 33},
         {{16, 16}},
         {{6, 6}, {1, 1}}},
        {"custom points, sized last",
         [&](ShapeButton& k) {
             k.setPointList(rightTriangle);
             k.setShape(ButtonShape::bsCustom);
             k.setGeometry(20, 20, 38, 25);
         },
         {38, 25},
         {{2, 12}},
         {{36, 1}, {36, 23}}},
        {"a red face keeps its shape",
         [](ShapeButton& k) {
             k.setShape(ButtonShape::bsEllipse);
             k.setColor(clRed);
             k.setGeometry(20, 20, 38, 25);
         },
         {38, 25},
         {{19, 12}},
         {{1, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget top;
        top.resize(140, 90);
        auto* below = new PressCounter(&top);
        below->setGeometry(0, 0, 140, 90);
        auto* key = new CountingShapeButton(&top);
        int clicks = 0;
        QObject::connect(key, &QAbstractButton::clicked, [&] { ++clicks; });
        c.build(*key);
        EXPECT_EQ(key->regionsMade, 0);  // nothing is cut while hidden
        QCursor::setPos(-500, -500);
        showActive(top);
        ASSERT_EQ(key->size(), c.size);
        EXPECT_EQ(key->regionsMade, 1);
        const QRegion mask = key->mask();
        EXPECT_TRUE((mask ^ key->stateRegion(false)).isEmpty());
        EXPECT_TRUE(key->rect().contains(mask.boundingRect()));
        for (const QPoint& p : c.inside)
            EXPECT_TRUE(mask.contains(p)) << p.x() << "," << p.y();
        for (const QPoint& p : c.outside)
            EXPECT_FALSE(mask.contains(p)) << p.x() << "," << p.y();

        click(top, key->pos() + c.outside.front());
        EXPECT_EQ(below->presses, 1);
        EXPECT_EQ(clicks, 0);
        click(top, key->pos() + c.inside.front());
        EXPECT_EQ(below->presses, 1);
        EXPECT_EQ(clicks, 1);
    }
}

// A setter on a visible key cuts it at once: the next click already follows the
// new outline, with no event processed in between.
TEST_F(ShapeButtonTest, SetterOnAVisibleKeyRecutsItAtOnce) {
    const QStringList rightTriangle{"0, 0", "WIDTH, HEIGHT / 2", "0, HEIGHT"};
    const QStringList leftTriangle{"WIDTH, 0", "0, HEIGHT / 2", "WIDTH, HEIGHT"};
    struct Case {
        const char* name;
        std::function<void(ShapeButton&)> prepare;  // before the key is looked at
        std::function<void(ShapeButton&)> change;
        std::optional<QPoint> nowOutside;  // was inside
        std::optional<QPoint> nowInside;   // was outside
    };
    const Case cases[] = {
        {"shape",
         {},
         [](ShapeButton& k) { k.setShape(ButtonShape::bsDiamond); },
         QPoint(5, 5),
         std::nullopt},
        {"size",
         {},
         [](ShapeButton& k) { k.setGeometry(20, 20, 76, 25); },
         QPoint(10, 3),
         QPoint(60, 12)},
        {"orientation", [](ShapeButton& k) { k.setShape(ButtonShape::bsTrapezoid); },
         [](ShapeButton& k) { k.setOrientation(ShapeOrientation::soDown); }, QPoint(0, 24),
         QPoint(0, 0)},
        {"points",
         [&](ShapeButton& k) {
             k.setPointList(rightTriangle);
             k.setShape(ButtonShape::bsCustom);
         },
         [&](ShapeButton& k) { k.setPointList(leftTriangle); }, QPoint(2, 2), QPoint(36, 1)},
        {"back to a rectangle",
         {},
         [](ShapeButton& k) { k.setShape(ButtonShape::bsRect); },
         std::nullopt,
         QPoint(1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        key->setGeometry(20, 20, 38, 25);
        key->setShape(ButtonShape::bsEllipse);
        key->setOrientation(ShapeOrientation::soUp);
        if (c.prepare) c.prepare(*key);
        const QRegion before = key->mask();
        ASSERT_TRUE(!c.nowOutside || before.contains(*c.nowOutside));
        ASSERT_TRUE(!c.nowInside || !before.contains(*c.nowInside));
        const int pressesBefore = below->presses;
        const int clicksBefore = clicks;

        c.change(*key);
        const QRegion after = key->mask();
        EXPECT_TRUE((after ^ key->stateRegion(false)).isEmpty());
        if (c.nowOutside) {
            EXPECT_FALSE(after.contains(*c.nowOutside));
            click(*top, key->pos() + *c.nowOutside);
            EXPECT_EQ(below->presses, pressesBefore + 1);
        }
        const QPoint inside = c.nowInside.value_or(QPoint(19, 12));
        EXPECT_TRUE(after.contains(inside));
        click(*top, key->pos() + inside);
        EXPECT_EQ(clicks, clicksBefore + 1);
    }
}

TEST_F(ShapeButtonTest, HiddenKeyIsCutWhenShownAgain) {
    key->hide();
    const int made = key->regionsMade;
    key->setShape(ButtonShape::bsDiamond);
    key->setGeometry(20, 20, 33, 33);
    key->setOrientation(ShapeOrientation::soLeft);
    EXPECT_EQ(key->regionsMade, made);
    key->show();
    EXPECT_EQ(key->regionsMade, made + 1);
    EXPECT_TRUE((key->mask() ^ key->stateRegion(false)).isEmpty());
    EXPECT_FALSE(key->mask().contains(QPoint(6, 6)));
    EXPECT_TRUE(key->mask().contains(QPoint(16, 16)));
}

}  // namespace
}  // namespace zhcalc::controls
