#include "controls/button_pixels.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zhcalc::controls {
namespace {

const BevelColors kBevel{qRgb(250, 250, 250), qRgb(220, 220, 220), qRgb(100, 100, 100),
                         qRgb(0, 0, 0), qRgb(128, 0, 0)};
const QRgb kFace = qRgb(192, 192, 192);

// Letters for the picture's colours, so a picture can be compared with a drawing.
std::map<QRgb, char> legend() {
    return {{kPureRed, '.'},       {kFace, 'f'},         {kBevel.highlight, 'H'},
            {kBevel.light3D, 'L'}, {kBevel.shadow, 'S'}, {kBevel.black, 'K'},
            {kBevel.focus, 'F'}};
}

std::vector<std::string> letters(const QImage& image) {
    const auto names = legend();
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x) {
            const auto it = names.find(image.pixel(x, y) | 0xFF000000u);
            row += it == names.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

QImage squareOnKey() {
    QImage image(6, 6, QImage::Format_RGB32);
    image.fill(kPureRed);
    for (int y = 1; y <= 4; ++y)
        for (int x = 1; x <= 4; ++x)
            image.setPixel(x, y, kFace);
    return image;
}

TEST(KeyColour, PureRedFaceSwitchesTheKeyToBlue) {
    EXPECT_EQ(keyColorFor(qRgb(192, 192, 192)), kPureRed);
    EXPECT_EQ(keyColorFor(qRgb(255, 0, 0)), kPureBlue);
    EXPECT_EQ(keyColorFor(qRgba(255, 0, 0, 0)), kPureBlue);
    EXPECT_EQ(keyColorFor(qRgb(254, 0, 0)), kPureRed);
}

TEST(FaceColour, ChannelsThatAreMultiplesOfEightDropOnBrighteningDisplays) {
    EXPECT_EQ(faceColorFor(qRgb(192, 192, 192), true), qRgb(191, 191, 191));
    EXPECT_EQ(faceColorFor(qRgb(128, 64, 0), true), qRgb(127, 63, 0));
    EXPECT_EQ(faceColorFor(qRgb(100, 0, 255), true), qRgb(100, 0, 255));
    EXPECT_EQ(faceColorFor(qRgb(192, 192, 192), false), qRgb(192, 192, 192));
    EXPECT_FALSE(displayBrightensGrey());  // 32-bit pictures keep grey exact
}

TEST(PixelRegion, RowRunsOfNonKeyPixelsMergedIntoBands) {
    QImage image(5, 4, QImage::Format_ARGB32);
    image.fill(qRgba(255, 0, 0, 0));  // key with another alpha still counts as key
    for (int y = 0; y < 2; ++y)
        for (int x = 1; x < 3; ++x)
            image.setPixel(x, y, kFace);
    image.setPixel(0, 2, kFace);
    image.setPixel(3, 2, kFace);
    image.setPixel(4, 2, kFace);
    const QRegion region = regionFromPixels(image, kPureRed);
    EXPECT_EQ(region.rectCount(), 3);
    const QRegion expected = QRegion(1, 0, 2, 2) + QRegion(0, 2, 1, 1) + QRegion(3, 2, 2, 1);
    EXPECT_TRUE((region ^ expected).isEmpty());
    QImage allKey(4, 4, QImage::Format_RGB32);
    allKey.fill(kPureRed);
    EXPECT_TRUE(regionFromPixels(allKey, kPureRed).isEmpty());
}

TEST(PixelScanBevel, ShadesEveryDiagonalRunOfASquare) {
    QImage up = squareOnKey();
    drawPixelScanBevel(up, kPureRed, false, false, kBevel);
    // Up: A = highlight, B = 3D light, C = shadow, D = black. A short run's inner
    // pixels would fall on the key colour around it, which stays.
    const std::vector<std::string> expectedUp = {
        "......",  //
        ".HHHH.",  //
        ".HLLK.",  //
        ".HLSK.",  //
        ".HKKK.",  //
        "......",
    };
    EXPECT_EQ(letters(up), expectedUp);

    QImage down = squareOnKey();
    drawPixelScanBevel(down, kPureRed, true, false, kBevel);
    const std::vector<std::string> expectedDown = {
        "......",  //
        ".KKKK.",  //
        ".KSSH.",  //
        ".KSLH.",  //
        ".KHHH.",  //
        "......",
    };
    EXPECT_EQ(letters(down), expectedDown);
}

TEST(PixelScanBevel, FocusedRunsGetBlackEnds) {
    QImage image(5, 5, QImage::Format_RGB32);
    image.fill(kPureRed);
    for (int i = 0; i < 5; ++i)
        image.setPixel(i, i, kFace);  // one diagonal run, (0,0)-(4,4)
    drawPixelScanBevel(image, kPureRed, false, true, kBevel);
    // Ends moved inward to (1,1) and (3,3): C at (2,2), B at (2,2), D at (3,3), A at (1,1);
    // then the scanned ends (0,0) and (4,4) turn black.
    EXPECT_EQ(image.pixel(0, 0), kBevel.black);
    EXPECT_EQ(image.pixel(1, 1), kBevel.highlight);
    EXPECT_EQ(image.pixel(2, 2), kBevel.light3D);
    EXPECT_EQ(image.pixel(3, 3), kBevel.black);
    EXPECT_EQ(image.pixel(4, 4), kBevel.black);
}

TEST(PolygonEdges, RectangleGetsLightTopLeftAndDarkBottomRight) {
    const std::vector<QPoint> rect = {{0, 0}, {7, 0}, {7, 5}, {0, 5}, {0, 0}};
    QImage up(8, 6, QImage::Format_RGB32);
    up.fill(kFace);
    drawPolygonEdges(up, rect, kPureRed, false, false, kBevel);
    const std::vector<std::string> expectedUp = {
        "HHHHHHHK",  //
        "HLLLLLSK",  //
        "HLffffSK",  //
        "HLffffSK",  //
        "HLSSSSSK",  //
        "HKKKKKKK",
    };
    EXPECT_EQ(letters(up), expectedUp);

    QImage down(8, 6, QImage::Format_RGB32);
    down.fill(kFace);
    drawPolygonEdges(down, rect, kPureRed, true, false, kBevel);
    const std::vector<std::string> expectedDown = {
        "KKKKKKKH",  //
        "KSSSSSLH",  //
        "KSffffLH",  //
        "KSffffLH",  //
        "KSLLLLLH",  //
        "KHHHHHHH",
    };
    EXPECT_EQ(letters(down), expectedDown);
}

TEST(PolygonEdges, FocusDrawsTheOutlineInTheFocusColourInsideTwoBevelLines) {
    const std::vector<QPoint> rect = {{0, 0}, {7, 0}, {7, 5}, {0, 5}, {0, 0}};
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(kFace);
    drawPolygonEdges(image, rect, kPureRed, false, true, kBevel);
    const auto rows = letters(image);
    EXPECT_EQ(rows[0], "FFFFFFFF");
    EXPECT_EQ(rows[5], "FFFFFFFF");
    EXPECT_EQ(rows[2].front(), 'F');
    EXPECT_EQ(rows[2].back(), 'F');
    EXPECT_EQ(rows[2][1], 'H');  // the highlight has moved one step inward
    EXPECT_EQ(rows[2][2], 'L');  // and the 3D light a second one
    EXPECT_EQ(rows[2][6], 'K');
    EXPECT_EQ(rows[2][5], 'S');
}

TEST(PolygonEdges, TooFewVerticesDrawNothing) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(kFace);
    const QImage before = image.copy();
    drawPolygonEdges(image, {{0, 0}, {3, 3}, {0, 0}}, kPureRed, false, false, kBevel);
    EXPECT_EQ(image, before);
}

}  // namespace
}  // namespace zhcalc::controls
