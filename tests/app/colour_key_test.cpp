// The colour key in device pixels: the holes of a picture, the device pixels a
// logical paint can reach, the recut over a repainted area, and the cutter on the
// calculator window at whatever scale the test runs (QT_SCALE_FACTOR).
#include "app/colour_key.h"

#include <QPainter>
#include <QPointer>
#include <QTest>
#include <vector>

#include "app/colour_key_cutter.h"
#include "window_fixture.h"

namespace zhcalc::testing {
namespace {

const QRgb kAqua = qRgb(0, 255, 255);
const QRgb kBlue = qRgb(0, 0, 255);

// Compares regions pixel by pixel (QRegion's == depends on how it was built).
bool sameRegion(const QRegion& a, const QRegion& b) {
    return (a ^ b).isEmpty();
}

// A blue picture with aqua in the given rectangles.
QImage pictureWithAqua(QSize size, std::initializer_list<QRect> aqua) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kBlue);
    for (const QRect& rect : aqua) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                picture.setPixel(x, y, kAqua);
    }
    return picture;
}

TEST(ColourKeyHoles, AreTheKeyPixelsInsideTheArea) {
    QImage picture = pictureWithAqua({8, 6}, {{0, 0, 2, 1}, {5, 2, 3, 3}, {3, 5, 1, 1}});
    picture.setPixel(7, 0, qRgb(0, 255, 254));  // near is not the key
    struct Case {
        const char* what;
        QRect area;
    };
    const Case cases[] = {
        {"whole picture", picture.rect()}, {"inner area", {1, 1, 5, 4}},
        {"one pixel", {5, 2, 1, 1}},       {"beyond the edges", {-3, -3, 20, 20}},
        {"outside", {20, 20, 4, 4}},       {"empty", {}},
    };
    for (const auto& c : cases) {
        const QRegion holes = regionOfColor(picture, kAqua, c.area);
        for (int y = -1; y <= picture.height(); ++y) {
            for (int x = -1; x <= picture.width(); ++x) {
                const QPoint p(x, y);
                const bool want = c.area.contains(p) && picture.rect().contains(p) &&
                                  (picture.pixel(p) & 0xFFFFFFu) == (kAqua & 0xFFFFFFu);
                EXPECT_EQ(holes.contains(p), want) << c.what << " at " << x << "," << y;
            }
        }
    }
}

TEST(ColourKeyHoles, FormatsWithoutAlphaOrOfOtherDepthsGiveTheSameHoles) {
    const QImage picture = pictureWithAqua({9, 4}, {{1, 1, 3, 2}, {8, 3, 1, 1}});
    const QRegion want = regionOfColor(picture, kAqua, picture.rect());
    for (const auto format : {QImage::Format_RGB888, QImage::Format_ARGB32_Premultiplied,
                              QImage::Format_RGBX8888, QImage::Format_Indexed8}) {
        const QImage converted = picture.convertToFormat(format);
        EXPECT_TRUE(sameRegion(regionOfColor(converted, kAqua, converted.rect()), want)) << format;
    }
}

// Every device pixel that painting inside a logical rectangle changes lies in its
// device region, and that region is no more than a pixel wider on each side.
TEST(ColourKeyDeviceRegion, HoldsEveryPixelALogicalPaintReaches) {
    const QRect rects[] = {{0, 0, 476, 308}, {224, 176, 48, 40}, {3, 5, 1, 1},
                           {17, 33, 7, 3},   {1, 1, 2, 9},       {0, 280, 476, 28}};
    for (const qreal dpr : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        for (const QRect& rect : rects) {
            QImage device(qCeil(480 * dpr), qCeil(312 * dpr), QImage::Format_RGB32);
            device.fill(Qt::black);
            device.setDevicePixelRatio(dpr);
            {
                QPainter painter(&device);
                painter.setClipRect(rect);
                painter.fillRect(QRect(0, 0, 480, 312), Qt::white);
            }
            const QRegion region = deviceRegion(QRegion(rect), dpr);
            const QRectF exact(rect.x() * dpr, rect.y() * dpr, rect.width() * dpr,
                               rect.height() * dpr);
            const QRect widest = exact.toAlignedRect().adjusted(-1, -1, 1, 1);
            EXPECT_TRUE((region - widest).isEmpty()) << dpr << " " << rect.x() << "," << rect.y();
            int painted = 0;
            for (int y = 0; y < device.height(); ++y) {
                for (int x = 0; x < device.width(); ++x) {
                    if (device.pixel(x, y) != qRgb(255, 255, 255)) continue;
                    ++painted;
                    ASSERT_TRUE(region.contains(QPoint(x, y)))
                        << "dpr " << dpr << ", rect " << rect.x() << "," << rect.y() << " "
                        << rect.width() << "x" << rect.height() << ": pixel " << x << "," << y;
                }
            }
            EXPECT_GT(painted, 0) << dpr;
        }
    }
    EXPECT_TRUE(deviceRegion(QRegion(), 2).isEmpty());
}

// A recut over what was repainted gives the holes that a cut of the whole picture
// gives, as long as nothing changed outside the repainted area.
TEST(ColourKeyRecut, OverTheRepaintedAreaEqualsACutOfTheWhole) {
    const QSize size(40, 30);
    struct Case {
        const char* what;
        std::initializer_list<QRect> before;
        std::initializer_list<QRect> after;
        QRegion damaged;
    };
    const Case cases[] = {
        {"a hole filled", {{5, 5, 4, 2}, {20, 20, 3, 3}}, {{20, 20, 3, 3}}, QRect(4, 4, 6, 4)},
        {"a new hole", {{5, 5, 4, 2}}, {{5, 5, 4, 2}, {30, 1, 2, 8}}, QRect(29, 0, 5, 10)},
        {"a hole moved", {{10, 10, 5, 5}}, {{12, 11, 5, 5}}, QRect(8, 8, 12, 12)},
        {"half a hole repainted", {{0, 0, 10, 10}}, {{0, 0, 10, 5}}, QRect(0, 5, 40, 25)},
        {"damage beyond the picture", {{35, 25, 5, 5}}, {{38, 28, 2, 2}}, QRect(30, 20, 50, 50)},
        {"two separate areas",
         {{1, 1, 2, 2}, {30, 20, 4, 4}},
         {{1, 2, 2, 1}, {31, 21, 2, 2}},
         QRegion(0, 0, 5, 5) | QRegion(29, 19, 7, 7)},
        {"nothing repainted", {{3, 3, 3, 3}}, {{3, 3, 3, 3}}, QRegion()},
        {"repainted the same",
         {{3, 3, 3, 3}, {20, 5, 2, 2}},
         {{3, 3, 3, 3}, {20, 5, 2, 2}},
         QRect(0, 0, 10, 10)},
        {"all holes gone", {{3, 3, 3, 3}, {9, 9, 9, 9}}, {}, QRect(0, 0, 40, 30)},
    };
    for (const auto& c : cases) {
        const QImage before = pictureWithAqua(size, c.before);
        const QImage after = pictureWithAqua(size, c.after);
        const QRegion holes = regionOfColor(before, kAqua, before.rect());
        const QRegion full = regionOfColor(after, kAqua, after.rect());
        const Recut recut = recutHoles(holes, after, kAqua, c.damaged);
        EXPECT_TRUE(sameRegion(recut.holes, full)) << c.what;
        EXPECT_EQ(recut.changed, !sameRegion(holes, full)) << c.what;
    }
    // From no holes at all, a recut of the whole picture is a full cut.
    const QImage picture = pictureWithAqua(size, {{7, 8, 9, 10}});
    const Recut first = recutHoles(QRegion(), picture, kAqua, picture.rect());
    EXPECT_TRUE(sameRegion(first.holes, QRegion(7, 8, 9, 10)));
    EXPECT_TRUE(first.changed);
}

// The cutter on the real window, with its holes recorded instead of sent to X.
class ColourKeyWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        cutter = new ColourKeyCutter(*window, kAqua, [this](const QSize& size, const QRegion& h) {
            sizes.push_back(size);
            holes.push_back(h);
        });
        window->repaint();
        ASSERT_TRUE(cutsReach(1));
    }

    // Waits until the sink has had `count` shapes, and no more.
    bool cutsReach(std::size_t count) {
        return QTest::qWaitFor([&] { return holes.size() >= count; }, 2000) &&
               holes.size() == count;
    }
    // What the window shows, drawn anew, in device pixels.
    QImage picture() const { return window->grab().toImage(); }
    QRegion aquaOf(const QImage& image) const { return regionOfColor(image, kAqua, image.rect()); }
    QPoint clearKeyBar() const { return {236, 196}; }  // the register-clear key's yellow bar

    QPointer<ColourKeyCutter> cutter;
    std::vector<QSize> sizes;
    std::vector<QRegion> holes;
};

TEST_F(ColourKeyWindowTest, HolesAreTheAquaDevicePixelsAtRestPressedAndReleased) {
    const QImage rest = picture();
    ASSERT_EQ(sizes.back(), rest.size());
    EXPECT_EQ(rest.size(), window->size() * window->devicePixelRatio());
    EXPECT_FALSE(holes.back().isEmpty());
    EXPECT_TRUE(sameRegion(holes.back(), aquaOf(rest)));

    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, clearKeyBar());
    ASSERT_TRUE(cutsReach(2));
    const QImage pressed = picture();
    EXPECT_TRUE(sameRegion(holes.back(), aquaOf(pressed)));
    EXPECT_FALSE((holes.front() - holes.back()).isEmpty()) << "the cyan bar is no longer aqua";

    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, clearKeyBar());
    ASSERT_TRUE(cutsReach(3));
    EXPECT_TRUE(sameRegion(holes.back(), holes.front()));
    EXPECT_TRUE(sameRegion(holes.back(), aquaOf(picture())));
}

TEST_F(ColourKeyWindowTest, RepaintsThatChangeNoAquaSendNoShape) {
    type(QStringLiteral("7+8"));
    click("SBdraw");
    control("SBzpt")->hide();
    control("ShapeBtn35")->setEnabled(true);
    // The press's cut comes after theirs, and is the only one that changes the holes.
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, clearKeyBar());
    ASSERT_TRUE(cutsReach(2));
    EXPECT_TRUE(sameRegion(holes.back(), aquaOf(picture())));
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, clearKeyBar());
}

TEST_F(ColourKeyWindowTest, AWidgetAddedLaterIsFollowedToo) {
    // An aqua patch on a widget made after the window: its pixels become holes.
    class AquaPatch : public QWidget {
      public:
        using QWidget::QWidget;

      protected:
        void paintEvent(QPaintEvent*) override {
            QPainter(this).fillRect(rect(), QColor::fromRgb(kAqua));
        }
    };
    auto* holder = new QWidget(window.get());
    holder->setGeometry(300, 200, 60, 20);
    auto* patch = new AquaPatch(holder);
    patch->setGeometry(10, 5, 7, 3);
    holder->show();
    ASSERT_TRUE(cutsReach(2));
    const QRegion added = holes.back() - holes.front();
    const qreal dpr = window->devicePixelRatio();
    EXPECT_TRUE(sameRegion(added, QRect(QPoint(310, 205) * dpr, QSize(7, 3) * dpr)));
    EXPECT_TRUE(sameRegion(holes.back(), aquaOf(picture())));
}

}  // namespace
}  // namespace zhcalc::testing
