#include "controls/fonts.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace zhcalc::controls {

namespace {

struct StandIn {
    const char* windowsFamily;
    const char* family;
};

// Chosen to match the originals' width and feel: metric-compatible Liberation for
// the Arial family, the narrow URW grotesque for Arial Narrow, Palatino-like P052
// for the Garamonds, and the calligraphic Z003 for the uncial display face.
//
// The URW faces come both as Type 1 files (foundry "urw") and as OpenType CFF files
// (foundry "UKWN"), and Qt takes either. FreeType needs some 25 times longer to open
// a Type 1 file, which shows in the start-up, so the OpenType foundry is named;
// where it is missing Qt takes the family from any foundry.
constexpr StandIn kStandIns[] = {
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

bool isBlackFace(const QString& name) {
    return name.compare(QStringLiteral("Arial Black"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void installFontSubstitutes() {
    for (const StandIn& s : kStandIns) {
        const QString missing = QString::fromLatin1(s.windowsFamily);
        QFont::removeSubstitutions(missing);
        QFont::insertSubstitution(missing, QString::fromLatin1(s.family));
    }
}

QString standInFamily(const QString& family) {
    for (const StandIn& s : kStandIns)
        if (family.compare(QLatin1String(s.windowsFamily), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(s.family);
    return family;
}

QFont makeFont(const LayoutFont& layout) {
    // Asking for the stand-in itself spares Qt a failed lookup of the Windows name and
    // the fallback search that follows it, which is most of the cost of a font at
    // start-up; the glyphs are the same.
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
