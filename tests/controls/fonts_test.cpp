// The stand-ins for the Windows fonts the windows name, and fonts from layout values.
#include "controls/fonts.h"

#include <gtest/gtest.h>

#include <QBitmap>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QRegion>
#include <string>

namespace zhcalc::controls {
namespace {

// Width of the vertical stroke of "l" at mid-height, in em, drawn large and aliased.
double stemWidth(QFont font) {
    font.setPixelSize(200);
    font.setStyleStrategy(QFont::NoAntialias);
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(50, 250, QStringLiteral("l"));
    }
    const QRect ink =
        QRegion(QBitmap::fromImage(image.createMaskFromColor(qRgb(255, 255, 255)))).boundingRect();
    int stem = 0;
    for (int x = 0; x < image.width(); ++x)
        stem += qRed(image.pixel(x, ink.center().y())) < 128;
    return stem / 200.0;
}

// Every family the table has a stand-in for resolves to that stand-in, with Cyrillic,
// whether a layout asks for it or text names the Windows family itself.
TEST(Fonts, EveryNamedFontGetsItsStandInWithCyrillic) {
    installFontSubstitutes();
    installFontSubstitutes();  // harmless twice
    const QStringList families = familiesWithStandIns();
    EXPECT_GE(families.size(), 9);
    for (const QString& name : families) {
        SCOPED_TRACE(name.toStdString());
        const QString standIn = standInFamily(name);
        EXPECT_NE(standIn, name);
        const QFont font = makeFont({name, -16, 0, clBlack});
        const QFontInfo info(font);
        // The foundry named (" [UKWN]") shows in the family Qt reports.
        EXPECT_TRUE(info.family().startsWith(standIn)) << info.family().toStdString();
        const QRawFont raw = QRawFont::fromFont(font);
        EXPECT_TRUE(raw.supportsCharacter(QChar(0x0416)));  // Ж
        EXPECT_TRUE(raw.supportsCharacter(QChar(0x044B)));  // ы
        EXPECT_TRUE(raw.supportsCharacter(QChar(0x0444)));  // ф
        // Text that names the Windows family itself gets the same family (from any
        // foundry).
        QFont named(name);
        named.setPixelSize(16);
        EXPECT_EQ(QFontInfo(named).family().section(QStringLiteral(" ["), 0, 0),
                  info.family().section(QStringLiteral(" ["), 0, 0));
    }
    EXPECT_EQ(standInFamily(QStringLiteral("Courier New")), QStringLiteral("Courier New"));
}

// The styles the windows use each font in, with the family and cut Qt must really pick.
struct StandInCase {
    const char* name;
    unsigned style;
    const char* family;  // what QFontInfo reports, from its start
    const char* styleName;
};

const StandInCase kStandIns[] = {
    {"MS Sans Serif", 0, "Liberation Sans", "Regular"},
    {"Arial", 0, "Liberation Sans", "Regular"},
    {"Arial Black", 0, "Noto Sans", "Black"},
    {"Arial Black", fsBold, "Noto Sans", "Black"},
    {"Arial Unicode MS", fsBold, "Liberation Sans", "Bold"},
    // The URW faces must come from their OpenType files (foundry "UKWN").
    {"Arial Narrow", fsBold, "Nimbus Sans Narrow [UKWN]", "Bold"},
    {"Garamond", fsBold | fsItalic, "EB Garamond 12", "12 Italic"},
    {"AGaramond", 0, "EB Garamond 12", "12 Regular"},
    {"American-Uncial-Normal", fsUnderline, "Z003 [UKWN]", "Medium Italic"},
    {"Aksent", 0, "URW Gothic [UKWN]", "Book"},
};

TEST(Fonts, TheWindowsStylesGetTheRightCut) {
    installFontSubstitutes();
    for (const StandInCase& c : kStandIns) {
        SCOPED_TRACE(std::string(c.name) + " style " + std::to_string(c.style));
        const QFont font = makeFont({QString::fromLatin1(c.name), -16, c.style, clBlack});
        const QFontInfo info(font);
        EXPECT_TRUE(info.family().startsWith(QString::fromLatin1(c.family)))
            << info.family().toStdString();
        EXPECT_EQ(info.styleName(), QString::fromLatin1(c.styleName));
        // Text that names the Windows family in the same style gets the same family.
        QFont named(QString::fromLatin1(c.name));
        named.setWeight(font.weight());
        named.setItalic(font.italic());
        named.setPixelSize(16);
        EXPECT_EQ(QFontInfo(named).family().section(QStringLiteral(" ["), 0, 0),
                  info.family().section(QStringLiteral(" ["), 0, 0));
    }
}

// Arial Black's strokes are about a fifth of the em, far heavier than a bold's
// (Arial Bold's, and its stand-in's, are about 0.14 em); Garamond is light.
TEST(Fonts, BlackFaceIsHeavierThanABold) {
    const double black = stemWidth(makeFont({QStringLiteral("Arial Black"), -16, 0, clBlack}));
    const double bold = stemWidth(makeFont({QStringLiteral("Arial"), -16, fsBold, clBlack}));
    const double garamond = stemWidth(makeFont({QStringLiteral("AGaramond"), -16, 0, clBlack}));
    EXPECT_GE(black, 0.18);
    EXPECT_LE(bold, 0.15);
    EXPECT_GE(black, bold * 1.3);
    EXPECT_LE(garamond, 0.1);
}

// Garamond is a narrow face: "zeta" in 16 pixels must leave room on a 40-pixel key.
TEST(Fonts, GaramondStandInIsAsNarrowAsGaramond) {
    const QFontMetrics special(makeFont({QStringLiteral("AGaramond"), -16, 0, clPurple}));
    EXPECT_LE(special.horizontalAdvance(QStringLiteral("zeta")), 26);
    EXPECT_LE(special.horizontalAdvance(QStringLiteral("erfC")), 28);
    const QFontMetrics edit(makeFont({QStringLiteral("Garamond"), -16, fsBold | fsItalic, clRed}));
    EXPECT_LE(edit.height(), 17);  // the line, descenders included, fits a 25-pixel key
}

TEST(Fonts, LayoutValuesBecomeQtFonts) {
    const QFont display =
        makeFont({QStringLiteral("American-Uncial-Normal"), -21, fsUnderline, 16777089});
    EXPECT_EQ(display.pixelSize(), 21);
    EXPECT_TRUE(display.underline());
    EXPECT_FALSE(display.bold());

    const QFont keys = makeFont({QStringLiteral("Garamond"), -16, fsBold | fsItalic, clRed});
    EXPECT_TRUE(keys.bold());
    EXPECT_TRUE(keys.italic());
    EXPECT_FALSE(keys.strikeOut());

    // Arial Black is asked for its heaviest cut even without the bold style.
    EXPECT_EQ(makeFont({QStringLiteral("Arial Black"), -16, 0, clAqua}).weight(), QFont::Black);

    // A positive height is the whole cell: the line comes to about that many pixels.
    const QFont cell = makeFont({QStringLiteral("Arial"), 20, 0, clBlack});
    EXPECT_NEAR(QFontMetrics(cell).height(), 20, 2);
    EXPECT_LT(cell.pixelSize(), 20);

    EXPECT_EQ(fontColor({QStringLiteral("Arial"), -16, 0, rgbValue(129, 255, 255)}),
              QColor(129, 255, 255));
}

}  // namespace
}  // namespace zhcalc::controls
