// The named fills as plain functions over images: the banded gradient row by row,
// the registry and its case-insensitive lookup, the bitmap fills and the cache's
// growth rule.
#include "controls/fills.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include "controls/fill_cache.h"

namespace zhcalc::controls {
namespace {

QImage blankImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3));
    return image;
}

// Every pixel of row y (vertical gradient) has this colour.
void expectRow(const QImage& image, int y, QColor expected) {
    for (int x : {0, image.width() / 2, image.width() - 1})
        ASSERT_EQ(QColor(image.pixel(x, y)), expected) << "row " << y << " column " << x;
}

TEST(GradientFill, CalculatorWindowGreenRisesOneStepPerRow) {
    // Blue to aqua over the calculator's 228 rows: 256 bands of one row.
    QImage image = blankImage(476, 228);
    ASSERT_TRUE(renderFill(image, u"GradientVert",
                           {QColor(192, 192, 192), QColor(0, 0, 255), QColor(0, 255, 255)}));
    for (int y = 0; y < 228; ++y)
        expectRow(image, y, QColor(0, (y * 255) / 228, 255));
    EXPECT_EQ(QColor(image.pixel(0, 227)), QColor(0, 253, 255));  // aqua is never reached
}

TEST(GradientFill, AboutWindowGreyBandsOfThreeRows) {
    QImage image = blankImage(535, 290);
    gradientFill(image, image.rect(), QColor(255, 255, 255), QColor(128, 128, 128),
                 GradientDirection::Vertical);
    for (int y = 0; y < 290; ++y) {
        const int band = y / 3;
        const int grey = 255 + (band * 3 * -127) / 290;
        expectRow(image, y, QColor(grey, grey, grey));
    }
    expectRow(image, 0, QColor(255, 255, 255));
    expectRow(image, 3, QColor(254, 254, 254));
    expectRow(image, 288, QColor(129, 129, 129));
    expectRow(image, 289, QColor(129, 129, 129));
}

TEST(GradientFill, BandsBeyondTheRectangleLeaveNoTrace) {
    // Black to blue over 100 rows: bands of one row, the last visible one at 252.
    QImage image = blankImage(7, 120);
    gradientFill(image, QRect(0, 0, 7, 100), QColor(0, 0, 0), QColor(0, 0, 255),
                 GradientDirection::Vertical);
    expectRow(image, 99, QColor(0, 0, 252));
    expectRow(image, 100, QColor(1, 2, 3));
    expectRow(image, 119, QColor(1, 2, 3));
}

TEST(GradientFill, EqualColoursGiveOneBand) {
    QImage image = blankImage(30, 40);
    gradientFill(image, image.rect(), QColor(10, 20, 30), QColor(10, 20, 30),
                 GradientDirection::Vertical);
    for (int y = 0; y < 40; ++y)
        expectRow(image, y, QColor(10, 20, 30));
}

TEST(GradientFill, HorizontalRunsAlongColumnsWithDecreasingChannels) {
    QImage image = blankImage(50, 4);
    ASSERT_TRUE(renderFill(image, u"GradientHorz",
                           {QColor(0, 0, 0), QColor(200, 100, 0), QColor(100, 100, 0)}));
    // 101 bands of 50 div 101 + 1 = 1 column; red falls by 100 over 50 columns.
    for (int x = 0; x < 50; ++x)
        for (int y : {0, 3})
            ASSERT_EQ(QColor(image.pixel(x, y)), QColor(200 + (x * -100) / 50, 100, 0)) << x;
}

TEST(GradientFill, EmptyRectangleDrawsNothing) {
    QImage image = blankImage(5, 5);
    gradientFill(image, QRect(0, 0, 0, 5), Qt::red, Qt::blue, GradientDirection::Vertical);
    gradientFill(image, QRect(0, 0, 5, 0), Qt::red, Qt::blue, GradientDirection::Horizontal);
    EXPECT_EQ(image, blankImage(5, 5));
}

struct RegisteredFill {
    const char* name;
    bool sizeDependent;
    bool usesBitmap;
};

TEST(FillRegistry, HoldsTheTwentyThreeFillsWithTheirFlags) {
    const RegisteredFill expected[] = {
        {"(ColorFill)", false, false},  {"(None)", false, false},
        {"(BitmapCenter)", true, true}, {"(BitmapStretch)", true, true},
        {"(BitmapTile)", false, true},  {"GradientHorz", true, false},
        {"GradientVert", true, false},  {"Adobe", false, false},
        {"Alcatraz", false, false},     {"ElPaso", false, false},
        {"Hanoi", false, false},        {"Harvard", true, false},
        {"Holes", false, false},        {"Hollywood", false, false},
        {"Honolulu", false, false},     {"London", false, false},
        {"Manhattan", false, false},    {"Minsk", false, false},
        {"Orleans", false, false},      {"Oshawa", false, false},
        {"Philadelphia", true, false},  {"Pittsburg", false, false},
        {"Sahara", false, false},
    };
    ASSERT_EQ(fillRegistry().size(), std::size(expected));
    for (const RegisteredFill& e : expected) {
        const GraphicFill* fill = findFill(QString::fromLatin1(e.name));
        ASSERT_NE(fill, nullptr) << e.name;
        EXPECT_EQ(fill->name, QString::fromLatin1(e.name));
        EXPECT_EQ(fill->sizeDependent, e.sizeDependent) << e.name;
        EXPECT_EQ(fill->usesBitmap, e.usesBitmap) << e.name;
    }
    const auto& fills = fillRegistry();
    for (size_t i = 1; i < fills.size(); ++i)
        EXPECT_LT(QString::compare(fills[i - 1].name, fills[i].name, Qt::CaseInsensitive), 0);
}

TEST(FillRegistry, LookupIgnoresCaseAndReturnsTheRegisteredSpelling) {
    for (const char* spelling : {"gradientvert", "GRADIENTVERT", "GradientVert", "gRaDiEnTvErT"}) {
        const GraphicFill* fill = findFill(QString::fromLatin1(spelling));
        ASSERT_NE(fill, nullptr) << spelling;
        EXPECT_EQ(fill->name, QStringLiteral("GradientVert"));
    }
    EXPECT_EQ(findFill(u"(colorfill)")->name, QStringLiteral("(ColorFill)"));
    for (const char* unknown : {"", "Gradient", "GradientVert ", "Moscow", "(none"})
        EXPECT_EQ(findFill(QString::fromLatin1(unknown)), nullptr) << unknown;
}

TEST(FillRegistry, UnknownNameLeavesTheTargetUntouched) {
    QImage image = blankImage(4, 4);
    EXPECT_FALSE(renderFill(image, u"NoSuchFill", {Qt::red, Qt::green, Qt::blue}));
    EXPECT_EQ(image, blankImage(4, 4));
}

TEST(FillRegistry, ColorFillAndNone) {
    QImage image = blankImage(6, 3);
    ASSERT_TRUE(renderFill(image, u"(None)", {Qt::red, Qt::green, Qt::blue}));
    EXPECT_EQ(image, blankImage(6, 3));
    ASSERT_TRUE(renderFill(image, u"(ColorFill)", {Qt::red, Qt::green, Qt::blue}));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(QColor(image.pixel(x, y)), QColor(Qt::red));
}

TEST(FillRegistry, DecorativePatternsUseOnlyTheThreeColours) {
    const FillColors colors{QColor(10, 10, 10), QColor(200, 200, 200), QColor(90, 0, 0)};
    const QSet<QRgb> allowed{colors.normal.rgb(), colors.light.rgb(), colors.dark.rgb()};
    for (const GraphicFill& fill : fillRegistry()) {
        if (fill.name.startsWith(u'(') || fill.name.startsWith(u"Gradient")) continue;
        QImage image = blankImage(70, 50);
        drawFill(image, fill, colors, nullptr);
        QSet<QRgb> seen;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 70; ++x)
                seen.insert(image.pixel(x, y));
        EXPECT_TRUE(seen.subtract(allowed).isEmpty()) << fill.name.toStdString();
    }
}

QImage twoByTwo() {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(0, 1, qRgb(0, 0, 255));
    picture.setPixel(1, 1, qRgb(255, 255, 0));
    return picture;
}

TEST(BitmapFills, TileRepeatsFromTheTopLeftCorner) {
    QImage image = blankImage(5, 3);
    const QImage picture = twoByTwo();
    ASSERT_TRUE(renderFill(image, u"(BitmapTile)", {Qt::black, Qt::black, Qt::black}, &picture));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(image.pixel(x, y), picture.pixel(x % 2, y % 2));
}

TEST(BitmapFills, CenterUsesTruncatedHalvesAndFillsTheMargins) {
    QImage image = blankImage(7, 6);
    const QImage picture = twoByTwo();
    ASSERT_TRUE(renderFill(image, u"(BitmapCenter)", {Qt::white, Qt::black, Qt::black}, &picture));
    // Offsets (7 div 2) - 1 = 2 and (6 div 2) - 1 = 2.
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool inside = x >= 2 && x < 4 && y >= 2 && y < 4;
            ASSERT_EQ(image.pixel(x, y), inside ? picture.pixel(x - 2, y - 2) : qRgb(255, 255, 255))
                << x << "," << y;
        }
}

TEST(BitmapFills, StretchCoversTheRectangle) {
    QImage image = blankImage(4, 4);
    const QImage picture = twoByTwo();
    ASSERT_TRUE(renderFill(image, u"(BitmapStretch)", {Qt::white, Qt::black, Qt::black}, &picture));
    EXPECT_EQ(image.pixel(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(image.pixel(3, 0), picture.pixel(1, 0));
    EXPECT_EQ(image.pixel(0, 3), picture.pixel(0, 1));
    EXPECT_EQ(image.pixel(3, 3), picture.pixel(1, 1));
}

TEST(BitmapFills, WithoutAPictureFillWithTheNormalColour) {
    for (const char16_t* name : {u"(BitmapTile)", u"(BitmapCenter)", u"(BitmapStretch)"}) {
        QImage image = blankImage(3, 3);
        const QImage empty;
        ASSERT_TRUE(
            renderFill(image, QStringView(name), {Qt::magenta, Qt::black, Qt::black}, &empty));
        EXPECT_EQ(QColor(image.pixel(1, 1)), QColor(Qt::magenta));
    }
}

TEST(FillCacheGrowth, GrowsInStepsOfSixtyFourAndNeverShrinks) {
    struct Case {
        QSize current, control;
        bool sizeDependent;
        QSize expected;
    };
    const Case cases[] = {
        {{0, 0}, {100, 30}, false, {128, 64}},    {{128, 64}, {120, 30}, false, {128, 64}},
        {{128, 64}, {130, 30}, false, {192, 64}}, {{128, 64}, {128, 64}, false, {128, 64}},
        {{192, 64}, {10, 10}, false, {192, 64}},  {{192, 64}, {10, 70}, false, {192, 128}},
        {{0, 0}, {476, 228}, true, {476, 228}},   {{500, 300}, {476, 228}, true, {476, 228}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillCache::grownSize(c.current, c.control, c.sizeDependent), c.expected)
            << c.control.width() << "x" << c.control.height();
}

TEST(FillCacheGrowth, RebuildRendersTheWholeCache) {
    FillCache cache;
    const GraphicFill* tile = findFill(u"(BitmapTile)");
    cache.rebuild(QSize(100, 10), tile, {Qt::green, Qt::black, Qt::black}, nullptr);
    ASSERT_EQ(cache.size(), QSize(128, 64));
    EXPECT_EQ(QColor(cache.image().pixel(127, 63)), QColor(Qt::green));
    EXPECT_FALSE(cache.outgrownBy(QSize(120, 10), false));
    EXPECT_TRUE(cache.outgrownBy(QSize(130, 10), false));
    EXPECT_TRUE(cache.outgrownBy(QSize(10, 10), true));
}

TEST(FillCacheGrowth, SizeDependentCacheHoldsOnlyForItsOwnSize) {
    FillCache cache;
    const GraphicFill* gradient = findFill(u"GradientVert");
    cache.rebuild(QSize(100, 40), gradient, {Qt::green, Qt::blue, Qt::black}, nullptr);
    ASSERT_EQ(cache.size(), QSize(100, 40));
    const struct {
        QSize control;
        bool outgrown;
    } cases[] = {{{100, 40}, false}, {{100, 41}, true}, {{99, 40}, true}, {{50, 20}, true}};
    for (const auto& c : cases)
        EXPECT_EQ(cache.outgrownBy(c.control, true), c.outgrown)
            << c.control.width() << "x" << c.control.height();
}

}  // namespace
}  // namespace zhcalc::controls
