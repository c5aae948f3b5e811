#include "controls/fonts.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace zhcalc::controls {

namespace {

struct Substitute {
    const char* missing;
    QStringList standIns;  // best first; the rest are fallbacks
};

// Chosen to match the originals' width and feel: metric-compatible Liberation for
// the Arial family, the narrow URW grotesque for Arial Narrow, Palatino-like P052
// for the Garamonds, and the calligraphic Z003 for the uncial display face.
const Substitute kSubstitutes[] = {
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    {"Arial", {"Liberation Sans", "Nimbus Sans", "DejaVu Sans"}},
    {"Arial Black", {"Liberation Sans", "Nimbus Sans", "DejaVu Sans"}},
    {"Arial Unicode MS", {"Liberation Sans", "DejaVu Sans"}},
    {"Arial Narrow", {"Nimbus Sans Narrow", "Liberation Sans Narrow", "DejaVu Sans"}},
    {"Garamond", {"P052", "Liberation Serif", "DejaVu Serif"}},
    {"AGaramond", {"P052", "Liberation Serif", "DejaVu Serif"}},
    {"American-Uncial-Normal", {"Z003", "URW Chancery L", "DejaVu Serif"}},
    {"Aksent", {"URW Gothic", "DejaVu Sans"}},
};

bool isBlackFace(const QString& name) {
    return name.compare(QStringLiteral("Arial Black"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void installFontSubstitutes() {
    for (const Substitute& s : kSubstitutes) {
        const QString missing = QString::fromLatin1(s.missing);
        QFont::removeSubstitutions(missing);
        QFont::insertSubstitutions(missing, s.standIns);
    }
}

QFont makeFont(const LayoutFont& layout) {
    QFont font(layout.name);
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
