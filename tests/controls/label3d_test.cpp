// The 3D label: its geometry (centring, rotation), the style object's rules, the
// relief copies in their colours and order, and the one holder of tag -1.
#include "controls/label3d.h"

#include <gtest/gtest.h>

#include <QFont>
#include <memory>

#include "controls/fonts.h"
#include "engine/cp1251.h"

namespace zhcalc::controls {
namespace {

TEST(Label3DGeometry, TextOriginByAlignmentAndAngle) {
    struct Case {
        QSize box, text;
        int angle;
        TextAlignment alignment;
        QPoint expected;
    };
    const Case cases[] = {
        // Angle 0 centres: X = cx - tw div 2 (truncated), Y = cy - th div 2.
        {{449, 25}, {100, 20}, 0, TextAlignment::taCenter, {174, 2}},
        {{449, 25}, {101, 21}, 0, TextAlignment::taCenter, {174, 2}},
        // A caption wider than the label is cut off equally on both sides.
        {{449, 25}, {501, 20}, 0, TextAlignment::taCenter, {-26, 2}},
        {{449, 25}, {100, 20}, 0, TextAlignment::taLeftJustify, {0, 2}},
        {{449, 25}, {100, 20}, 0, TextAlignment::taRightJustify, {349, 2}},
        // Turned a quarter: the text runs upwards from below the centre.
        {{100, 200}, {80, 20}, 90, TextAlignment::taCenter, {40, 140}},
        {{100, 200}, {80, 20}, 180, TextAlignment::taCenter, {90, 110}},
        // 45 degrees: 40 * 0.7071 = 28.28 and 10 * 0.7071 = 7.07, each truncated.
        {{100, 100}, {80, 20}, 45, TextAlignment::taCenter, {15, 71}},
        {{100, 100}, {80, 20}, 45, TextAlignment::taRightJustify, {20, 71}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(label3DTextOrigin(c.box, c.text, c.angle, c.alignment), c.expected)
            << "angle " << c.angle << " text " << c.text.width();
}

TEST(Label3DGeometry, BackPlateIsTheTextPlusMarginsAroundTheCentre) {
    const QPolygon plate = label3DBackPlate(QSize(100, 40), QSize(50, 13), 0);
    // W = 60, H = 20: halves 30 and 10 around (50, 20).
    ASSERT_EQ(plate.size(), 4);
    EXPECT_EQ(plate[0], QPoint(20, 10));
    EXPECT_EQ(plate[1], QPoint(80, 10));
    EXPECT_EQ(plate[2], QPoint(80, 30));
    EXPECT_EQ(plate[3], QPoint(20, 30));
}

TEST(Label3DGeometry, ReliefOffsetsPerStyle) {
    EXPECT_EQ(reliefOffsets(Effect3D::A3dResit).first, 1);
    EXPECT_EQ(reliefOffsets(Effect3D::A3dResit).second, -1);
    EXPECT_EQ(reliefOffsets(Effect3D::A3dRaised).first, -1);
    EXPECT_EQ(reliefOffsets(Effect3D::A3dRaised).second, 1);
    EXPECT_EQ(reliefOffsets(Effect3D::A3dNormal).first, 0);
    EXPECT_EQ(reliefOffsets(Effect3D::A3dShadowed).second, 0);
}

TEST(LabelStyle, DefaultsAndAngleClamping) {
    LabelStyle style;
    EXPECT_EQ(style.angle(), 0);
    EXPECT_EQ(style.style3D(), Effect3D::A3dRaised);
    EXPECT_EQ(style.shadeRightBottom(), rgbValue(128, 128, 128));
    EXPECT_EQ(style.shadeLeftTop(), clWhite);
    EXPECT_FALSE(style.shadeLTSet());
    EXPECT_EQ(style.hShadeOffset(), 5);
    EXPECT_EQ(style.vShadeOffset(), -5);
    const std::pair<int, int> angles[] = {{360, 0}, {-1, 0},  {359, 359}, {0, 0},
                                          {45, 45}, {720, 0}, {-90, 0}};
    for (auto [given, stored] : angles) {
        style.setAngle(given);
        EXPECT_EQ(style.angle(), stored) << given;
    }
}

TEST(LabelStyle, WhiteLockSavesAndRestoresTheLeftTopColour) {
    LabelStyle style;
    style.setShadeLeftTop(clAqua);
    style.setShadeLTSet(true);
    EXPECT_EQ(style.shadeLeftTop(), clWhite);
    style.setShadeLeftTop(clRed);  // ignored while locked
    EXPECT_EQ(style.shadeLeftTop(), clWhite);
    style.setShadeLTSet(false);
    EXPECT_EQ(style.shadeLeftTop(), clAqua);
    // Re-asserting "off" keeps a colour chosen meanwhile.
    style.setShadeLeftTop(clBlue);
    style.setShadeLTSet(false);
    EXPECT_EQ(style.shadeLeftTop(), clBlue);
}

TEST(LabelStyle, ChangeAnnouncements) {
    LabelStyle style;
    struct Counter {
        int n = 0;
        int count() const { return n; }
        void clear() { n = 0; }
    } changed;
    QObject::connect(&style, &LabelStyle::changed, [&changed] { ++changed.n; });
    style.setStyle3D(Effect3D::A3dResit);
    style.setShadeLeftTop(clAqua);
    EXPECT_EQ(changed.count(), 2);
    // The shadow offsets only matter for the shadowed style.
    style.setVShadeOffset(-4);
    style.setHShadeOffset(3);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(style.vShadeOffset(), -4);
    style.setStyle3D(Effect3D::A3dShadowed);
    style.setVShadeOffset(-2);
    EXPECT_EQ(changed.count(), 4);
    // Locking a coloured relief announces; locking a white one does not.
    style.setStyle3D(Effect3D::A3dRaised);
    changed.clear();
    style.setShadeLTSet(true);
    EXPECT_EQ(changed.count(), 1);
    style.setShadeLTSet(false);
    style.setShadeLeftTop(clWhite);
    changed.clear();
    style.setShadeLTSet(true);
    EXPECT_EQ(changed.count(), 0);
}

TEST(Label3DTag, AtMostOneLabelHoldsMinusOne) {
    auto display = std::make_unique<Label3D>();
    Label3D other;
    display->setTag(-1);
    EXPECT_EQ(Label3D::tagHolder(), display.get());
    other.setTag(-1);
    EXPECT_EQ(display->tag(), 0);
    EXPECT_EQ(other.tag(), -1);
    EXPECT_EQ(Label3D::tagHolder(), &other);
    other.setTag(7);
    EXPECT_EQ(Label3D::tagHolder(), nullptr);
    display->setTag(-1);
    display.reset();
    EXPECT_EQ(Label3D::tagHolder(), nullptr);
    other.setTag(-1);
    EXPECT_EQ(Label3D::tagHolder(), &other);
    other.setTag(0);
}

TEST(Label3DCaption, StoresWindows1251AndShowsUnicode) {
    Label3D label;
    const std::string text = utf8ToCp1251("вычисление 2+3");
    label.setCaption(text);
    EXPECT_EQ(label.caption(), text);
    EXPECT_EQ(label.captionText(), QStringLiteral("вычисление 2+3"));
}

// A crisp font so every pixel is exactly one of the copies' colours.
QFont crispFont() {
    QFont font = makeFont({QStringLiteral("DejaVu Sans"), -16, fsBold, clBlack});
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

std::unique_ptr<Label3D> makeLabel(Effect3D style, const std::string& caption) {
    auto label = std::make_unique<Label3D>();
    label->resize(120, 30);
    label->setFont(crispFont());
    label->setAlignment(TextAlignment::taCenter);
    label->setCaption(caption);
    label->setFontColor(clRed);
    label->labelStyle().setStyle3D(style);
    label->labelStyle().setShadeLeftTop(clAqua);
    label->labelStyle().setShadeRightBottom(clGray);
    return label;
}

bool inkAt(const QImage& mask, QPoint p) {
    return mask.rect().contains(p) && qAlpha(mask.pixel(p)) != 0;
}

TEST(Label3DDrawing, ReliefCopiesInOrderAndColour) {
    // The plain drawing is the glyph mask; each relief style must be that mask in the
    // text colour over the two shifted copies, the later copy on top.
    const QImage mask = makeLabel(Effect3D::A3dNormal, "Relief 3D")->picture();
    struct Case {
        Effect3D style;
        int first, second;  // offsets of the left-top and right-bottom copies
    };
    for (const Case& c : {Case{Effect3D::A3dResit, 1, -1}, Case{Effect3D::A3dRaised, -1, 1}}) {
        const QImage image = makeLabel(c.style, "Relief 3D")->picture();
        int reliefPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QPoint p(x, y);
                QRgb expected = 0;
                if (inkAt(mask, p))
                    expected = qRgb(255, 0, 0);
                else if (inkAt(mask, p - QPoint(c.second, c.second)))
                    expected = qRgb(128, 128, 128);
                else if (inkAt(mask, p - QPoint(c.first, c.first)))
                    expected = qRgb(0, 255, 255);
                if (expected != 0 && !inkAt(mask, p)) ++reliefPixels;
                ASSERT_EQ(image.pixel(p), expected) << x << "," << y;
            }
        EXPECT_GT(reliefPixels, 20);
    }
}

TEST(Label3DDrawing, ShadowedCopyUsesTheShadeOffsets) {
    auto label = makeLabel(Effect3D::A3dShadowed, "I");
    label->labelStyle().setHShadeOffset(4);
    label->labelStyle().setVShadeOffset(-3);
    const QImage mask = makeLabel(Effect3D::A3dNormal, "I")->picture();
    const QImage image = label->picture();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPoint p(x, y);
            const QRgb expected = inkAt(mask, p)                   ? qRgb(255, 0, 0)
                                  : inkAt(mask, p - QPoint(4, -3)) ? qRgb(128, 128, 128)
                                                                   : 0;
            ASSERT_EQ(image.pixel(p), expected) << x << "," << y;
        }
}

TEST(Label3DDrawing, CaptionIsCentredAndEmptyCaptionDrawsNothing) {
    const QImage image = makeLabel(Effect3D::A3dNormal, "HHHH")->picture();
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right + 1) / 2.0, 60.0, 1.5);

    const QImage empty = makeLabel(Effect3D::A3dRaised, "")->picture();
    for (int y = 0; y < empty.height(); ++y)
        for (int x = 0; x < empty.width(); ++x)
            ASSERT_EQ(qAlpha(empty.pixel(x, y)), 0);
}

TEST(Label3DDrawing, OpaqueLabelDrawsAPlateAndDropsTheRelief) {
    auto label = makeLabel(Effect3D::A3dRaised, "X");
    label->setColor(clYellow);
    label->setMyTransparent(false);
    const QImage image = label->picture();
    EXPECT_EQ(label->labelStyle().style3D(), Effect3D::A3dNormal);
    // Inside the plate but away from the letter: the label's colour.
    EXPECT_EQ(image.pixel(60 - 6, 15), qRgb(255, 255, 0));
    // Outside the plate: untouched.
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0);

    // An empty caption still has its plate, one text line high, with nothing on it.
    auto empty = makeLabel(Effect3D::A3dNormal, "");
    empty->setColor(clYellow);
    empty->setMyTransparent(false);
    const QImage plate = empty->picture();
    EXPECT_EQ(plate.pixel(60, 15), qRgb(255, 255, 0));
    EXPECT_EQ(qAlpha(plate.pixel(2, 2)), 0);
}

}  // namespace
}  // namespace zhcalc::controls
