#include "controls/image_button.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QtEndian>
#include <functional>
#include <memory>
#include <set>

#include "button_test_support.h"
#include "controls/button_pictures.h"
#include "controls/image_face.h"
#include "controls/region_data.h"

namespace zhcalc::controls {
namespace {

using namespace testing;

std::set<QRgb> coloursOf(const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y) | 0xFF000000u);
    return seen;
}

// A 20 x 20 picture on black with a white square from (from, from) to (to, to).
QImage squarePicture(int from, int to, QRgb background = qRgb(0, 0, 0)) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(background);
    for (int y = from; y <= to; ++y)
        for (int x = from; x <= to; ++x)
            image.setPixel(x, y, qRgb(255, 255, 255));
    return image;
}

TEST(ButtonPictures, LeafAndFrameInBothStates) {
    const QImage leafUp = mapleLeafPicture(false);
    const QImage leafDown = mapleLeafPicture(true);
    const QImage frameUp = clearFramePicture(false);
    const QImage frameDown = clearFramePicture(true);
    ASSERT_EQ(leafUp.size(), QSize(32, 32));
    ASSERT_EQ(leafDown.size(), QSize(32, 32));
    ASSERT_EQ(frameUp.size(), QSize(48, 48));
    ASSERT_EQ(frameDown.size(), QSize(48, 48));
    EXPECT_NE(leafUp, leafDown);
    EXPECT_NE(frameUp, frameDown);
    EXPECT_EQ(leafUp.pixel(0, 0) | 0xFF000000u, qRgb(0, 0, 0));
    EXPECT_EQ(leafDown.pixel(0, 0) | 0xFF000000u, qRgb(0, 0, 0));
    EXPECT_EQ(frameUp.pixel(0, 0) | 0xFF000000u, qRgb(192, 192, 192));
    EXPECT_EQ(frameDown.pixel(0, 0) | 0xFF000000u, qRgb(255, 0, 255));
    const auto up = coloursOf(leafUp);
    for (const QRgb c : {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 0, 255)})
        EXPECT_TRUE(up.count(c));
    const auto down = coloursOf(leafDown);
    EXPECT_FALSE(down.count(qRgb(255, 0, 0)));
    EXPECT_TRUE(down.count(qRgb(0, 0, 255)));
    EXPECT_LE(coloursOf(frameUp).size(), 16u);
    for (const QRgb c : {qRgb(0, 255, 255), qRgb(255, 255, 0), qRgb(0, 255, 0)})
        EXPECT_TRUE(coloursOf(frameUp).count(c));
}

TEST(ImagePixels, StretchTakesTheNearestSourcePixel) {
    QImage source(2, 2, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(1, 1, 1));
    source.setPixel(1, 0, qRgb(2, 2, 2));
    source.setPixel(0, 1, qRgb(3, 3, 3));
    source.setPixel(1, 1, qRgb(4, 4, 4));
    const QImage wide = stretchPicture(source, QSize(5, 3));
    const QRgb expected[3][5] = {
        {qRgb(1, 1, 1), qRgb(1, 1, 1), qRgb(1, 1, 1), qRgb(2, 2, 2), qRgb(2, 2, 2)},
        {qRgb(1, 1, 1), qRgb(1, 1, 1), qRgb(1, 1, 1), qRgb(2, 2, 2), qRgb(2, 2, 2)},
        {qRgb(3, 3, 3), qRgb(3, 3, 3), qRgb(3, 3, 3), qRgb(4, 4, 4), qRgb(4, 4, 4)},
    };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(wide.pixel(x, y), expected[y][x]) << x << "," << y;
}

TEST(ImagePixels, RaisedRegionAddsTheMovedCopy) {
    const QImage picture = squarePicture(2, 5);
    const QRegion square(2, 2, 4, 4);
    EXPECT_TRUE(
        (pictureRegion(picture, qRgb(0, 0, 0), ShadeStyle::ssHighlight, false) ^ square).isEmpty());
    EXPECT_TRUE((pictureRegion(picture, qRgb(0, 0, 0), ShadeStyle::ssRaised, false) ^
                 (square | square.translated(2, 2)))
                    .isEmpty());
    EXPECT_TRUE((pictureRegion(picture, qRgb(0, 0, 0), ShadeStyle::ssRaised, true) ^
                 square.translated(2, 2))
                    .isEmpty());
}

class ImageButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        top = std::make_unique<QWidget>();
        top->resize(100, 80);
        below = new PressCounter(top.get());
        below->setGeometry(0, 0, 100, 80);
        button = new ImageButton(top.get());
        button->setGeometry(30, 30, 20, 20);
        QObject::connect(button, &QAbstractButton::clicked, [this] { ++clicks; });
        QCursor::setPos(-500, -500);
        showActive(*top);
        ASSERT_TRUE(top->isActiveWindow());
    }
    QPoint at(int x, int y) const { return button->geometry().topLeft() + QPoint(x, y); }

    std::unique_ptr<QWidget> top;
    PressCounter* below = nullptr;
    ImageButton* button = nullptr;
    int clicks = 0;
};

TEST_F(ImageButtonTest, EmptyButtonIsADashDotFrameWithoutRegion) {
    EXPECT_TRUE(button->mask().isEmpty());
    const QImage face = button->renderFace(false);
    EXPECT_EQ(face.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(face.pixel(10, 10), resolveColor(clBtnFace).rgb());
    const auto border = [&] {
        std::set<QRgb> seen;
        for (int x = 0; x < 20; ++x)
            seen.insert(face.pixel(x, 0));
        return seen;
    }();
    EXPECT_EQ(border.size(), 2u);  // dashes and gaps
}

TEST_F(ImageButtonTest, RegionSwitchesWithTheStateAndTheCornerReachesTheWidgetBelow) {
    button->setImage(squarePicture(5, 14));
    button->setImageDown(squarePicture(1, 18, qRgb(255, 0, 255)));
    const QRegion upShape(5, 5, 10, 10);
    EXPECT_TRUE((button->mask() ^ upShape).isEmpty());

    click(*top, at(2, 2));  // transparent corner of the up picture
    EXPECT_EQ(below->presses, 1);
    EXPECT_EQ(clicks, 0);

    press(*top, at(10, 10));
    EXPECT_TRUE(button->isDown());
    EXPECT_TRUE((button->mask() ^ QRegion(1, 1, 18, 18)).isEmpty());
    moveWhilePressed(*top, at(2, 2));  // inside the down region only: still inside
    EXPECT_TRUE(button->isDown());
    moveWhilePressed(*top, at(40, 40));
    EXPECT_FALSE(button->isDown());
    EXPECT_TRUE((button->mask() ^ upShape).isEmpty());
    moveWhilePressed(*top, at(10, 10));
    release(*top, at(2, 2));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE((button->mask() ^ upShape).isEmpty());
    EXPECT_EQ(below->presses, 1);
}

TEST_F(ImageButtonTest, DownSetFromOutsideSwitchesTheRegionAtTheNextPaint) {
    button->setImage(squarePicture(5, 14));
    button->setImageDown(squarePicture(1, 18, qRgb(255, 0, 255)));
    button->setDown(true);
    button->repaint();
    EXPECT_TRUE((button->mask() ^ QRegion(1, 1, 18, 18)).isEmpty());
    button->setDown(false);
    button->repaint();
    EXPECT_TRUE((button->mask() ^ QRegion(5, 5, 10, 10)).isEmpty());
}

TEST_F(ImageButtonTest, WithoutDownPictureTheRegionStaysAndTheFaceShifts) {
    ButtonOffsets offsets;
    offsets.imageDownX = 3;
    offsets.imageDownY = 1;
    button->setOffsets(offsets);
    button->setImage(squarePicture(5, 14));
    press(*top, at(10, 10));
    EXPECT_TRUE((button->mask() ^ QRegion(5, 5, 10, 10)).isEmpty());
    const QImage down = button->renderFace(true);
    // The square now runs from (8, 6) to (17, 15); its bevel is the down one.
    EXPECT_EQ(down.pixel(8, 6), resolveColor(clBlack).rgb());
    EXPECT_EQ(down.pixel(7, 6), qRgb(0, 0, 0));
    EXPECT_EQ(down.pixel(12, 10), qRgb(255, 255, 255));
    release(*top, at(10, 10));
}

TEST_F(ImageButtonTest, BevelFollowsThePictureOutline) {
    ShadeColors colours;
    colours.btnHighlight = rgbValue(242, 242, 242);
    button->setShadeColors(colours);
    button->setImage(squarePicture(5, 14));
    const QImage up = button->renderFace(false);
    EXPECT_EQ(up.pixel(5, 5), qRgb(242, 242, 242));
    EXPECT_EQ(up.pixel(6, 6), resolveColor(cl3DLight).rgb());
    EXPECT_EQ(up.pixel(14, 14), qRgb(0, 0, 0));
    EXPECT_EQ(up.pixel(13, 13), resolveColor(clBtnShadow).rgb());
    EXPECT_EQ(up.pixel(10, 10), qRgb(255, 255, 255));
}

TEST_F(ImageButtonTest, ButtonChangedWhileHiddenIsCutForItsFinalPictureWhenShown) {
    const QRegion stored(0, 0, 4, 4);
    struct Case {
        const char* name;
        std::function<void(ImageButton&)> build;
        QRegion expected;
    };
    const Case cases[] = {
        {"picture", [](ImageButton& b) { b.setImage(squarePicture(5, 14)); },
         QRegion(5, 5, 10, 10)},
        {"picture, then a bigger size",
         [](ImageButton& b) {
             b.setImage(squarePicture(5, 14));
             b.resize(40, 40);
         },
         QRegion(10, 10, 20, 20)},
        {"picture replaced",
         [](ImageButton& b) {
             b.setImage(squarePicture(1, 18));
             b.setImage(squarePicture(5, 14));
         },
         QRegion(5, 5, 10, 10)},
        {"transparency turned off",
         [](ImageButton& b) {
             b.setImage(squarePicture(5, 14));
             b.setTransparentColor(kNoTransparency);
         },
         QRegion()},
        {"stored region for the size it keeps",
         [&](ImageButton& b) {
             b.setImage(squarePicture(5, 14));
             b.setRegionData(false, regionToStream(stored));
         },
         stored},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto hidden = std::make_unique<ImageButton>(top.get());
        hidden->setGeometry(30, 30, 20, 20);
        hidden->hide();
        c.build(*hidden);
        hidden->show();
        EXPECT_TRUE((hidden->mask() ^ c.expected).isEmpty());
    }
}

TEST_F(ImageButtonTest, ResizeRecomputesTheRegionFromTheStretchedPicture) {
    button->setImage(squarePicture(5, 14));
    button->setGeometry(30, 30, 40, 40);
    QCoreApplication::processEvents();
    EXPECT_TRUE((button->mask() ^ QRegion(10, 10, 20, 20)).isEmpty());
}

TEST_F(ImageButtonTest, TransparencyOptions) {
    button->setImage(squarePicture(5, 14));
    button->setTransparentColor(rgbValue(255, 255, 255));  // now the square is the hole
    EXPECT_FALSE(button->mask().contains(QPoint(10, 10)));
    EXPECT_TRUE(button->mask().contains(QPoint(1, 1)));
    button->setTransparentColor(kNoTransparency);
    EXPECT_TRUE(button->mask().isEmpty());
    click(*top, at(1, 1));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(below->presses, 0);
}

TEST_F(ImageButtonTest, NormalStyleLaysThePictureOnTheShadowColour) {
    ShadeColors colours;
    colours.shadow = rgbValue(10, 20, 30);
    button->setShadeColors(colours);
    button->setShadeStyle(ShadeStyle::ssNormal);
    button->setImage(squarePicture(5, 14));
    const QImage face = button->renderFace(false);
    EXPECT_EQ(face.pixel(1, 1), qRgb(10, 20, 30));
    EXPECT_EQ(face.pixel(5, 5), qRgb(255, 255, 255));
}

TEST_F(ImageButtonTest, ClearRegistersButtonCutsAwayGreyUpAndMagentaDown) {
    button->setGeometry(30, 20, 48, 40);
    button->setImage(clearFramePicture(false));
    button->setImageDown(clearFramePicture(true));
    QCoreApplication::processEvents();
    const QRegion up = button->stateRegion(false);
    const QRegion down = button->stateRegion(true);
    EXPECT_FALSE(up.isEmpty());
    EXPECT_FALSE(down.isEmpty());
    EXPECT_LT(up.boundingRect().width(), 48);
    EXPECT_LT(down.boundingRect().height(), 40);
    const QImage downFace = button->renderFace(true);
    for (const QRect& r : down)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                EXPECT_NE(downFace.pixel(x, y), qRgb(255, 0, 255)) << x << "," << y;
    press(*top, button->geometry().topLeft() + up.boundingRect().topLeft() + QPoint(2, 2));
    EXPECT_TRUE(button->isDown());
    EXPECT_TRUE((button->mask() ^ down).isEmpty());
}

TEST(RegionData, HeaderRectanglesAndStreamSlots) {
    const QRegion region = QRegion(2, 5, 10, 3) + QRegion(4, 8, 2, 4);
    const QByteArray data = regionToData(region);
    ASSERT_EQ(data.size(), 32 + 16 * region.rectCount());
    const auto word = [&](int i) { return qFromLittleEndian<qint32>(data.constData() + 4 * i); };
    EXPECT_EQ(word(0), 32);
    EXPECT_EQ(word(1), 1);
    EXPECT_EQ(word(2), region.rectCount());
    EXPECT_EQ(word(3), 16 * region.rectCount());
    EXPECT_EQ(word(4), 2);  // bounds: left, top, right, bottom (exclusive)
    EXPECT_EQ(word(5), 5);
    EXPECT_EQ(word(6), 12);
    EXPECT_EQ(word(7), 12);
    EXPECT_EQ(word(8), 2);  // first rectangle
    EXPECT_EQ(word(10), 12);
    const auto back = regionFromData(data);
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE((*back ^ region).isEmpty());

    EXPECT_FALSE(regionFromData(data.left(40)).has_value());  // count beyond the data
    QByteArray wrongType = data;
    wrongType[4] = 2;
    EXPECT_FALSE(regionFromData(wrongType).has_value());
    QByteArray flipped = data;
    qToLittleEndian<qint32>(1, flipped.data() + 40);  // right before left
    EXPECT_FALSE(regionFromData(flipped).has_value());

    const QByteArray empty = regionToStream(std::nullopt);
    EXPECT_EQ(empty, QByteArray(4, '\0'));
    EXPECT_FALSE(regionFromStream(empty).has_value());
    const auto slot = regionFromStream(regionToStream(region));
    ASSERT_TRUE(slot.has_value());
    EXPECT_TRUE((*slot ^ region).isEmpty());
}

TEST_F(ImageButtonTest, StoredRegionIsUsedUntilTheButtonIsResized) {
    button->setImage(squarePicture(5, 14));
    const QRegion stored(0, 0, 4, 4);
    button->setRegionData(false, regionToStream(stored));
    EXPECT_TRUE((button->mask() ^ stored).isEmpty());
    EXPECT_EQ(button->regionData(false), regionToStream(stored));
    EXPECT_EQ(button->regionData(true), regionToStream(std::nullopt));
    button->setRegionData(false, QByteArray("junk"));  // ignored
    EXPECT_TRUE((button->mask() ^ stored).isEmpty());
    button->setGeometry(30, 30, 40, 40);
    QCoreApplication::processEvents();
    EXPECT_TRUE((button->mask() ^ QRegion(10, 10, 20, 20)).isEmpty());
}

}  // namespace
}  // namespace zhcalc::controls
