#include "about/credits_frame.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <iterator>
#include <random>

#include "about/credits_drawing.h"

namespace zhcalc::about {
namespace {

// The about window's scroller: 269 x 264, the text rising from row 264 to row 0.
constexpr QSize kControl(269, 264);
constexpr CreditsPath kAboutPath{264, 0, 259, 50};
const QColor kKey(212, 208, 200);
const QRgb kPlain = qRgb(200, 100, 50);
const QRgb kInk = qRgb(0, 0, 0);

QImage solid(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(RowFade, WorkedExampleOfTheAboutWindow) {
    const struct {
        int row;
        int fade;
    } rows[] = {{264, 100}, {263, 80}, {262, 60}, {261, 40}, {260, 20}, {259, 0},
                {150, 0},   {50, 0},   {49, 2},   {25, 50},  {1, 98},   {0, 100}};
    for (const auto& r : rows)
        EXPECT_EQ(rowFade(kAboutPath, r.row), r.fade) << "row " << r.row;
}

TEST(RowFade, FallingPathAndHalfwayTiesToEven) {
    // Text moving down: fades in below row 10, out beyond row 90.
    const CreditsPath down{0, 100, 10, 90};
    EXPECT_EQ(rowFade(down, 0), 100);
    EXPECT_EQ(rowFade(down, 3), 70);
    EXPECT_EQ(rowFade(down, 10), 0);
    EXPECT_EQ(rowFade(down, 95), 50);
    EXPECT_EQ(rowFade(down, 100), 100);
    // 100 * 1 / 8 = 12.5 rounds to 12, 100 * 3 / 8 = 37.5 to 38.
    const CreditsPath shortFade{8, 0, 0, 8};
    EXPECT_EQ(rowFade(shortFade, 1), 100 - 12);
    EXPECT_EQ(rowFade(shortFade, 3), 100 - 38);
}

// A text bitmap of ink with one key-coloured column, scrolled so that text row g
// stands on screen row 263 - position + g.
class ComposeFrameTest : public ::testing::Test {
  protected:
    static constexpr int kTextWidth = 11;  // odd: (269 - 11) / 2 = 129
    static constexpr int kKeyColumn = 4;

    void SetUp() override {
        text = solid(QSize(kTextWidth, 300), kInk);
        for (int y = 0; y < text.height(); ++y)
            text.setPixel(kKeyColumn, y, kKey.rgb());
        composeFrame(cache, plain, text, kKey, kAboutPath, 299, kControl);
    }

    QImage plain = solid(kControl, kPlain);
    QImage cache = solid(kControl, qRgb(1, 2, 3));
    QImage text;
};

TEST_F(ComposeFrameTest, BlendsEachRowWithItsFade) {
    const int left = 129;
    const struct {
        int row;
        QRgb expected;
    } rows[] = {
        {263, qRgb(160, 80, 40)},
        {262, qRgb(120, 60, 30)},
        {261, qRgb(80, 40, 20)},
        {260, qRgb(40, 20, 10)},
        {259, kInk},
        {100, kInk},
        {50, kInk},
        {49, qRgb(4, 2, 1)},
        {0, kPlain},
    };
    for (const auto& r : rows)
        EXPECT_EQ(QColor(cache.pixel(left, r.row)), QColor(r.expected)) << "row " << r.row;
}

TEST_F(ComposeFrameTest, KeyColourAndTheSidesKeepThePlainPicture) {
    for (int y = 0; y < kControl.height(); ++y) {
        ASSERT_EQ(cache.pixel(129 + kKeyColumn, y), kPlain) << y;
        ASSERT_EQ(cache.pixel(128, y), kPlain) << y;
        ASSERT_EQ(cache.pixel(129 + kTextWidth, y), kPlain) << y;
    }
    EXPECT_EQ(cache.pixel(129 + kTextWidth - 1, 150), kInk);
}

TEST(ComposeFrame, OnlyTheFirstTextRowShowsAtPositionZero) {
    const QImage plain = solid(kControl, kPlain);
    QImage cache = plain;
    const QImage text = solid(QSize(20, 40), kInk);
    composeFrame(cache, plain, text, kKey, kAboutPath, 0, kControl);
    EXPECT_EQ(cache.pixel(134, 263), qRgb(160, 80, 40));
    for (int y = 0; y < 263; ++y)
        ASSERT_EQ(cache.pixel(134, y), kPlain) << y;
}

TEST(ComposeFrame, BlockWiderThanTheControlStartsAtColumnZero) {
    const QImage plain = solid(kControl, kPlain);
    QImage cache = plain;
    QImage text = solid(QSize(300, 20), kInk);
    text.setPixel(0, 10, qRgb(255, 255, 255));
    text.setPixel(268, 10, qRgb(0, 0, 255));
    composeFrame(cache, plain, text, kKey, kAboutPath, 150, kControl);
    // Text row 10 sits on row 263 - 150 + 10 = 123, in the fully opaque part.
    EXPECT_EQ(cache.pixel(0, 123), qRgb(255, 255, 255));
    EXPECT_EQ(cache.pixel(268, 123), qRgb(0, 0, 255));
    EXPECT_EQ(cache.pixel(0, 122), kInk);
    EXPECT_EQ(cache.pixel(0, 113), kInk);  // text row 0
    EXPECT_EQ(cache.pixel(0, 112), kPlain);
}

TEST(ComposeFrame, NoTextLeavesThePlainPicture) {
    const QImage plain = solid(kControl, kPlain);
    QImage cache = solid(kControl, qRgb(9, 9, 9));
    composeFrame(cache, plain, QImage(), kKey, kAboutPath, 10, kControl);
    EXPECT_EQ(cache, plain);
}

// The scroller composes frame after frame into one cache; every frame must be
// exactly what composing from scratch gives.
TEST(FrameComposer, EveryFrameEqualsComposingFromScratch) {
    QImage plain(kControl, QImage::Format_RGB32);
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            plain.setPixel(x, y, qRgb(255 - y / 2, x % 256, 90));
    const QRgb inks[] = {kKey.rgb(),          kKey.rgb(), kKey.rgb(),
                         qRgb(255, 255, 255), kInk,       qRgb(0, 0, 255)};
    std::minstd_rand random;  // default-constructed: the same text on every run
    std::uniform_int_distribution<int> pickInk(0, std::size(inks) - 1);
    const auto makeText = [&](QSize size) {
        QImage text(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                text.setPixel(x, y, inks[pickInk(random)]);
        return text;
    };
    const struct {
        const char* name;
        QSize textSize;
        CreditsPath path;
    } cases[] = {
        {"rising", {201, 120}, kAboutPath},
        {"wider than the control", {300, 40}, kAboutPath},
        {"falling", {51, 30}, {0, 264, 20, 240}},
    };
    for (const auto& c : cases) {
        const QImage text = makeText(c.textSize);
        FrameComposer composer;
        composer.setText(text, kKey);
        QImage incremental = solid(kControl, qRgb(7, 7, 7));
        for (int position = 0; position < 264 + c.textSize.height() + 3; position += 3) {
            composer.compose(incremental, plain, c.path, position, kControl);
            QImage scratch = solid(kControl, qRgb(7, 7, 7));
            composeFrame(scratch, plain, text, kKey, c.path, position, kControl);
            ASSERT_EQ(incremental, scratch) << c.name << " at position " << position;
            // Text pixels only ever land inside the frame's text area.
            const QRect area = frameTextArea(text.size(), c.path, position, kControl);
            for (int y = 0; y < kControl.height(); ++y) {
                for (int x = 0; x < kControl.width(); ++x) {
                    if (scratch.pixel(x, y) == plain.pixel(x, y)) continue;
                    ASSERT_TRUE(area.contains(x, y))
                        << c.name << " at position " << position << ": " << x << ", " << y;
                }
            }
        }
        composer.setText(QImage(), kKey);
        composer.compose(incremental, plain, c.path, 0, kControl);
        EXPECT_EQ(incremental, plain) << c.name;
    }
}

TEST(CentredText, HalfOfAnOddDifferenceRoundsToEven) {
    const struct {
        int width;
        int textWidth;
        int left;
    } cases[] = {{15, 10, 2}, {17, 10, 4},  {16, 10, 3}, {11, 10, 0},
                 {13, 10, 2}, {10, 15, -2}, {10, 17, -4}};
    for (const auto& c : cases)
        EXPECT_EQ(centredTextLeft(100, c.width, c.textWidth), 100 + c.left)
            << c.width << " " << c.textWidth;
}

}  // namespace
}  // namespace zhcalc::about
