// The stand-ins for the Windows fonts the windows name, and fonts from layout values.
#include "controls/fonts.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

namespace zhcalc::controls {
namespace {

TEST(Fonts, EveryNamedFontGetsItsStandInWithCyrillic) {
    installFontSubstitutes();
    installFontSubstitutes();  // harmless twice
    const std::pair<const char*, const char*> expected[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Arial Black", "Liberation Sans"},
        {"Arial Unicode MS", "Liberation Sans"},
        {"Arial Narrow", "Nimbus Sans Narrow [UKWN]"},
        {"Garamond", "P052 [UKWN]"},
        {"AGaramond", "P052 [UKWN]"},
        {"American-Uncial-Normal", "Z003 [UKWN]"},
        {"Aksent", "URW Gothic [UKWN]"},
    };
    for (auto [name, standIn] : expected) {
        const QFont font = makeFont({QString::fromLatin1(name), -16, 0, clBlack});
        // The URW faces must come from their OpenType files (foundry "UKWN").
        EXPECT_TRUE(QFontInfo(font).family().startsWith(QString::fromLatin1(standIn)))
            << name << " -> " << QFontInfo(font).family().toStdString();
        const QRawFont raw = QRawFont::fromFont(font);
        EXPECT_TRUE(raw.supportsCharacter(QChar(0x0416))) << name;  // Ж
        EXPECT_TRUE(raw.supportsCharacter(QChar(0x044B))) << name;  // ы
    }
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
