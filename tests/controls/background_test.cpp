// The background control: selecting fills by name, the colours, the cache and its
// invalidation, and filling the parent from behind its siblings.
#include "controls/background.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace zhcalc::controls {
namespace {

QImage paintOf(CustomBackGround& background) {
    QImage image(background.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    background.drawBackground(p);
    return image;
}

TEST(BackGround, StartsAsAColourFillOverTheWholeParent) {
    QWidget parent;
    parent.resize(300, 200);
    BackGround background(&parent);
    parent.show();  // a hidden widget's resizes are announced only when it is shown
    EXPECT_EQ(background.fillType(), QStringLiteral("(ColorFill)"));
    EXPECT_EQ(background.fillColorLight(), clBtnHighlight);
    EXPECT_EQ(background.fillColorDark(), clBtnShadow);
    EXPECT_EQ(background.fillColorNormal(), clBtnFace);
    EXPECT_FALSE(background.fillCached());
    EXPECT_EQ(background.geometry(), QRect(0, 0, 300, 200));
    parent.resize(476, 228);
    EXPECT_EQ(background.geometry(), QRect(0, 0, 476, 228));
    background.setParentMargins(QMargins(0, 0, 0, 80));
    parent.resize(476, 308);
    EXPECT_EQ(background.geometry(), QRect(0, 0, 476, 228));
}

TEST(BackGround, StaysBehindItsSiblingsAndLetsTheMouseThrough) {
    QWidget parent;
    parent.resize(100, 100);
    QWidget before(&parent);
    before.setGeometry(10, 10, 20, 20);
    BackGround background(&parent);
    QWidget after(&parent);
    after.setGeometry(50, 50, 20, 20);
    const QObjectList& stack = parent.children();
    EXPECT_EQ(stack.indexOf(&background), 0);
    EXPECT_EQ(parent.childAt(15, 15), &before);
    EXPECT_EQ(parent.childAt(55, 55), &after);
    EXPECT_EQ(parent.childAt(80, 20), nullptr);
}

TEST(BackGround, FillTypeIsCaseInsensitiveAndIgnoresUnknownNames) {
    QWidget parent;
    parent.resize(50, 40);
    BackGround background(&parent);
    background.setFillType(QStringLiteral("gradientvert"));
    EXPECT_EQ(background.fillType(), QStringLiteral("GradientVert"));
    background.setFillColorLight(clBlue);
    background.setFillColorDark(clAqua);
    const QImage before = paintOf(background);
    background.setFillType(QStringLiteral("NotAFill"));
    EXPECT_EQ(background.fillType(), QStringLiteral("GradientVert"));
    EXPECT_FALSE(background.isCacheInvalid());
    EXPECT_EQ(paintOf(background), before);
}

TEST(BackGround, CalculatorConfigurationDrawsTheBlueToAquaBands) {
    QWidget parent;
    parent.resize(476, 228);
    BackGround background(&parent);
    background.setFillType(QStringLiteral("GradientVert"));
    background.setFillColorDark(clAqua);
    background.setFillColorLight(clBlue);
    background.setFillColorNormal(clSilver);
    background.setFillCached(true);
    EXPECT_FALSE(background.isCacheInvalid());
    EXPECT_EQ(background.fillCache().size(), QSize(476, 228));  // size-dependent: exact
    const QImage image = paintOf(background);
    for (int y = 0; y < 228; ++y)
        ASSERT_EQ(QColor(image.pixel(200, y)), QColor(0, (y * 255) / 228, 255)) << y;
}

TEST(BackGround, ShowingKeepsASizeDependentFillMadeForItsSize) {
    QWidget parent;
    parent.resize(200, 100);
    BackGround background(&parent);
    background.setFillType(QStringLiteral("GradientVert"));
    background.setFillCached(true);
    ASSERT_FALSE(background.isCacheInvalid());
    parent.show();  // the background now hears of the size it was made for
    EXPECT_FALSE(background.isCacheInvalid());
    parent.resize(200, 120);
    EXPECT_TRUE(background.isCacheInvalid());
}

TEST(BackGround, AboutConfigurationFollowsTheSystemColours) {
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    QApplication::setPalette(palette);
    {
        QWidget parent;
        parent.resize(535, 290);
        BackGround background(&parent);
        background.setFillType(QStringLiteral("GradientVert"));
        const QImage image = paintOf(background);
        for (int y = 0; y < 290; ++y) {
            const int grey = 255 + ((y / 3) * 3 * -127) / 290;
            ASSERT_EQ(QColor(image.pixel(10, y)), QColor(grey, grey, grey)) << y;
        }
        EXPECT_EQ(QColor(image.pixel(0, 289)), QColor(129, 129, 129));
    }
    QApplication::setPalette(saved);
}

TEST(BackGround, CacheGrowsByTheTileRule) {
    QWidget parent;
    parent.resize(100, 50);
    BackGround background(&parent);
    parent.show();
    background.setFillType(QStringLiteral("(BitmapTile)"));
    background.setFillCached(true);
    EXPECT_EQ(background.fillCache().size(), QSize(128, 64));
    parent.resize(120, 50);
    EXPECT_FALSE(background.isCacheInvalid());
    parent.resize(130, 50);
    EXPECT_TRUE(background.isCacheInvalid());
    paintOf(background);
    EXPECT_EQ(background.fillCache().size(), QSize(192, 64));
    parent.resize(60, 30);
    paintOf(background);
    EXPECT_EQ(background.fillCache().size(), QSize(192, 64));  // never shrinks
    background.setFillCached(false);
    EXPECT_TRUE(background.fillCache().isNull());
}

TEST(BackGround, OnlyRealChangesInvalidateTheCache) {
    QWidget parent;
    parent.resize(64, 64);
    BackGround background(&parent);
    background.setFillCached(true);
    ASSERT_FALSE(background.isCacheInvalid());

    using Setter = void (*)(BackGround&);
    const Setter sameValue[] = {
        [](BackGround& b) { b.setFillColorLight(clBtnHighlight); },
        [](BackGround& b) { b.setFillColorDark(clBtnShadow); },
        [](BackGround& b) { b.setFillColorNormal(clBtnFace); },
        [](BackGround& b) { b.setFillType(QStringLiteral("(colorfill)")); },
    };
    for (Setter set : sameValue) {
        set(background);
        EXPECT_FALSE(background.isCacheInvalid());
    }
    const Setter newValue[] = {
        [](BackGround& b) { b.setFillColorLight(clRed); },
        [](BackGround& b) { b.setFillColorDark(clRed); },
        [](BackGround& b) { b.setFillColorNormal(clRed); },
        [](BackGround& b) { b.setFillType(QStringLiteral("Sahara")); },
        [](BackGround& b) { b.setFillBitmap(QImage(4, 4, QImage::Format_RGB32)); },
    };
    for (Setter set : newValue) {
        set(background);
        EXPECT_TRUE(background.isCacheInvalid());
        paintOf(background);
        EXPECT_FALSE(background.isCacheInvalid());
    }
    // The colour fill shows the control's own colour.
    background.setFillType(QStringLiteral("(ColorFill)"));
    EXPECT_EQ(QColor(paintOf(background).pixel(5, 5)), QColor(255, 0, 0));
}

TEST(BackGround, PaletteChangeInvalidatesTheCache) {
    QWidget parent;
    parent.resize(64, 64);
    BackGround background(&parent);
    background.setFillCached(true);
    ASSERT_FALSE(background.isCacheInvalid());
    QPalette palette = background.palette();
    palette.setColor(QPalette::Button, Qt::red);
    background.setPalette(palette);
    EXPECT_TRUE(background.isCacheInvalid());
}

// A control that composes on the cached fill, as the credits scroller does.
class Composer : public CustomBackGround {
  public:
    explicit Composer(QWidget* parent) : CustomBackGround(parent, false) { setFillCached(true); }
    void markRow(int y) {
        for (int x = 0; x < width(); ++x)
            cache().image().setPixel(x, y, qRgb(255, 0, 0));
    }
};

TEST(CustomBackGround, DerivedControlKeepsItsBoundsAndComposesOnTheCache) {
    QWidget parent;
    parent.resize(300, 300);
    Composer composer(&parent);
    parent.show();
    composer.setGeometry(2, 15, 269, 264);
    parent.resize(400, 400);
    EXPECT_EQ(composer.geometry(), QRect(2, 15, 269, 264));
    EXPECT_FALSE(composer.testAttribute(Qt::WA_TransparentForMouseEvents));
    composer.setFillType(QStringLiteral("GradientVert"));
    composer.setFillColorLight(clWhite);
    composer.setFillColorDark(clGray);
    const QImage first = paintOf(composer);
    EXPECT_EQ(QColor(first.pixel(5, 3)), QColor(254, 254, 254));  // second band of three rows
    // A valid cache is copied as it stands, with what was composed on it.
    composer.markRow(3);
    EXPECT_EQ(QColor(paintOf(composer).pixel(5, 3)), QColor(255, 0, 0));
    // An invalid one is rendered again first.
    composer.setFillColorLight(clSilver);
    EXPECT_EQ(QColor(paintOf(composer).pixel(5, 3)), QColor(192, 192, 192));
}

}  // namespace
}  // namespace zhcalc::controls
