#include "controls/fonts.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace zhcalc::controls {

namespace {

struct StandIn {
    const char* windowsFamily;
    // Best first, separated by commas; fonts made here name the best alone, the
    // others follow it for text that names the Windows family itself.
    const char* families;
};

// Chosen by measurement against the originals' width and weight. Liberation is
// metric-compatible with the Arial family. Arial Black is far wider and heavier
// than a bold: Liberation Sans Bold, its old stand-in, has a frequency-weighted
// lower-case advance of 0.48 em and stems of 0.14 em; Noto Sans Black has 0.52 em
// and 0.19 em, the closest black cut with Cyrillic here (Noto Sans Display Black is
// narrower, 0.50 em). Arial Narrow gets the narrow URW grotesque. Garamond is a
// narrow face: EB Garamond 12 has 0.38 em, x-height 0.40 em and a 16-pixel line of
// 16 pixels, where Palatino-like P052 has 0.45 em and 23 pixels, too wide and too
// tall for the 40 x 25 keys. Its italic has Cyrillic (its bold has not), and the
// bold italic keys get that italic emboldened by Qt. Z003 is a calligraphic
// stand-in for the uncial display face.
//
// The URW faces come both as Type 1 files (foundry "urw") and as OpenType CFF files
// (foundry "UKWN"), and Qt takes either. FreeType needs some 25 times longer to open
// a Type 1 file, which shows in the start-up, so the OpenType foundry is named;
// where it is missing Qt takes the family from any foundry. EB Garamond and Noto
// come as OpenType and TrueType files only.
constexpr StandIn kStandIns[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Arial Black", "Noto Sans,Liberation Sans"},
    {"Arial Unicode MS", "Liberation Sans"},
    {"Arial Narrow", "Nimbus Sans Narrow [UKWN]"},
    {"Garamond", "EB Garamond 12,EB Garamond,P052 [UKWN]"},
    {"AGaramond", "EB Garamond 12,EB Garamond,P052 [UKWN]"},
    {"American-Uncial-Normal", "Z003 [UKWN]"},
    {"Aksent", "URW Gothic [UKWN]"},
};

const StandIn* findStandIn(const QString& family) {
    for (const StandIn& s : kStandIns)
        if (family.compare(QLatin1String(s.windowsFamily), Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

QStringList familiesOf(const StandIn& s) {
    return QString::fromLatin1(s.families).split(QLatin1Char(','));
}

// Qt's substitution lists take no foundry: "Z003 [UKWN]" there finds nothing.
QStringList withoutFoundries(QStringList families) {
    for (QString& family : families)
        family = family.section(QStringLiteral(" ["), 0, 0);
    return families;
}

bool isBlackFace(const QString& name) {
    return name.compare(QStringLiteral("Arial Black"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void installFontSubstitutes() {
    for (const StandIn& s : kStandIns) {
        const QString missing = QString::fromLatin1(s.windowsFamily);
        QFont::removeSubstitutions(missing);
        QFont::insertSubstitutions(missing, withoutFoundries(familiesOf(s)));
    }
}

QStringList familiesWithStandIns() {
    QStringList families;
    for (const StandIn& s : kStandIns)
        families.append(QString::fromLatin1(s.windowsFamily));
    return families;
}

QString standInFamily(const QString& family) {
    const StandIn* s = findStandIn(family);
    return s ? familiesOf(*s).front() : family;
}

QFont makeFont(const LayoutFont& layout) {
    // Asking for the stand-in itself spares Qt a failed lookup of the Windows name and
    // the fallback search that follows it, which is most of the cost of a font at
    // start-up; the glyphs are the same. One family with no substitutes also spares
    // the sorted list of fallback fonts Qt builds for a font with more (several
    // milliseconds for each font).
    QFont font(standInFamily(layout.name));
    const bool bold = (layout.style & fsBold) != 0;
    // Arial Black is a heavier cut than bold; its stand-in is asked for its heaviest.
    font.setWeight(isBlackFace(layout.name) ? QFont::Black : (bold ? QFont::Bold : QFont::Normal));
    font.setItalic((layout.style & fsItalic) != 0);
    font.setUnderline((layout.style & fsUnderline) != 0);
    font.setStrikeOut((layout.style & fsStrikeOut) != 0);
    if (layout.height < 0) {
        font.setPixelSize(-layout.height);
    } else if (layout.height > 0) {
        // A cell height includes the internal leading: scale the character size so the
        // line (ascent plus descent) comes to the requested pixels.
        font.setPixelSize(layout.height);
        const int cell = QFontMetrics(font).height();
        if (cell > 0) font.setPixelSize(std::max(1, layout.height * layout.height / cell));
    }
    return font;
}

}  // namespace zhcalc::controls
