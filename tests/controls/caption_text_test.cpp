#include "controls/caption_text.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

namespace zhcalc::controls {
namespace {

const QRgb kBackground = qRgb(255, 255, 255);
const QColor kGreen(0, 128, 0);

QFont fixedFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage render(const QString& caption, const CaptionText& options, QPoint at, QColor color,
              bool enabled = true) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, false);
    drawCaption(painter, at, caption, fixedFont(), options, color, enabled);
    return image;
}

// Whether the plain caption drawn at `at` covers a pixel.
bool covers(const QImage& plain, int x, int y) {
    return x >= 0 && y >= 0 && x < plain.width() && y < plain.height() &&
           plain.pixel(x, y) != kBackground;
}

TEST(Caption, OneStriatedLayerPutsTheCaptionOnePixelUpAndLeft) {
    CaptionText keyOne;
    keyOne.lineSpacing = 1;
    keyOne.extrude.enabled = true;
    keyOne.extrude.depth = 1;
    keyOne.extrude.striated = true;
    keyOne.shadow.xOffset = 1;
    keyOne.shadow.yOffset = 2;  // the shadow itself stays off
    const QImage extruded = render("1", keyOne, {12, 6}, kGreen);
    const QImage plainMoved = render("1", CaptionText{}, {11, 5}, kGreen);
    EXPECT_EQ(extruded, plainMoved);
    EXPECT_NE(plainMoved, render("1", CaptionText{}, {12, 6}, kGreen));
}

TEST(Caption, DeeperExtrusionStacksLayersWithStriation) {
    CaptionText options;
    options.extrude.enabled = true;
    options.extrude.depth = 3;
    options.extrude.striated = true;
    options.extrude.nearColor = options.extrude.farColor = rgbValue(200, 200, 200);
    const QPoint at(12, 6);
    // eoBottomRight, depth 3: layers at (+1, +1), (0, 0), (-1, -1), the caption on the last.
    const QImage image = render("W", options, at, kGreen);
    const QImage near = render("W", CaptionText{}, at + QPoint(-1, -1), kGreen);
    const QImage middle = render("W", CaptionText{}, at, kGreen);
    const QImage far = render("W", CaptionText{}, at + QPoint(1, 1), kGreen);
    int middleSeen = 0, farSeen = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (covers(near, x, y)) {
                EXPECT_EQ(p, kGreen.rgb());
            } else if (covers(middle, x, y)) {
                EXPECT_EQ(p, qRgb(50, 50, 50));  // second layer darkened to a quarter
                ++middleSeen;
            } else if (covers(far, x, y)) {
                EXPECT_EQ(p, qRgb(200, 200, 200));
                ++farSeen;
            } else {
                EXPECT_EQ(p, kBackground);
            }
        }
    EXPECT_GT(middleSeen, 0);
    EXPECT_GT(farSeen, 0);
}

TEST(Caption, ShadowGoesUnderTheCaptionAtItsOffset) {
    CaptionText options;
    options.shadow.enabled = true;
    options.shadow.color = clBlue;
    options.shadow.xOffset = 1;
    options.shadow.yOffset = 2;
    const QPoint at(12, 6);
    const QImage image = render("7", options, at, kGreen);
    const QImage plain = render("7", CaptionText{}, at, kGreen);
    const QImage shadow = render("7", CaptionText{}, at + QPoint(1, 2), kGreen);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = covers(plain, x, y)    ? kGreen.rgb()
                                  : covers(shadow, x, y) ? qRgb(0, 0, 255)
                                                         : kBackground;
            EXPECT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
}

TEST(Caption, DisabledCaptionIsEngraved) {
    CaptionText options;
    options.disabledColors.highlightColor = rgbValue(250, 250, 250);
    options.disabledColors.shadeColor = rgbValue(90, 90, 90);
    options.extrude.enabled = true;  // effects are not drawn on a disabled caption
    const QPoint at(12, 6);
    const QImage image = render("4", options, at, kGreen, false);
    const QImage plain = render("4", CaptionText{}, at, kGreen);
    const QImage below = render("4", CaptionText{}, at + QPoint(1, 1), kGreen);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = covers(plain, x, y)   ? qRgb(90, 90, 90)
                                  : covers(below, x, y) ? qRgb(250, 250, 250)
                                                        : kBackground;
            EXPECT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
}

TEST(Caption, BlockOfSeveralLinesAndAcceleratorMarks) {
    const QFont font = fixedFont();
    const QFontMetrics metrics(font);
    CaptionText options;
    const int textHeight = metrics.boundingRect(QRect(), Qt::AlignTop, "AgTpjW").height();
    const QSize one = captionBlockSize("cosh", font, options);
    EXPECT_EQ(one.height(), textHeight);
    const QSize two = captionBlockSize("cosh\r\nsinh", font, options);
    EXPECT_EQ(two.height(), 2 * textHeight + options.lineSpacing);
    EXPECT_EQ(captionBlockSize("", font, options), QSize(0, 0));
    // "&" marks the accelerator and takes no room; without the option it is text.
    EXPECT_EQ(captionBlockSize("&Sin", font, options).width(),
              captionBlockSize("Sin", font, options).width());
    options.showAccel = false;
    EXPECT_GT(captionBlockSize("&Sin", font, options).width(),
              captionBlockSize("Sin", font, options).width());
}

TEST(Caption, ExtrusionStepsOfEveryOrientation) {
    const std::pair<ExtrudeOrientation, QPoint> steps[] = {
        {ExtrudeOrientation::eoTopLeft, {1, 1}},     {ExtrudeOrientation::eoTopRight, {-1, 1}},
        {ExtrudeOrientation::eoBottomLeft, {1, -1}}, {ExtrudeOrientation::eoBottomRight, {-1, -1}},
        {ExtrudeOrientation::eoTop, {0, 1}},         {ExtrudeOrientation::eoRight, {-1, 0}},
        {ExtrudeOrientation::eoLeft, {1, 0}},        {ExtrudeOrientation::eoBottom, {0, -1}},
    };
    for (const auto& [orientation, step] : steps)
        EXPECT_EQ(extrudeStep(orientation), step);
}

}  // namespace
}  // namespace zhcalc::controls
