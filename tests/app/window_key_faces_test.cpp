// Every key of the calculator window as it is painted: the window is cut to exactly
// the pixels its face paints, in both states, and its caption stays on the key.
#include <QImage>
#include <QRegion>
#include <variant>

#include "app/layout.h"
#include "controls/bit_button.h"
#include "controls/button_face.h"
#include "controls/shape_button.h"
#include "window_fixture.h"

namespace zhcalc::testing {
namespace {

using controls::BitButton;
using controls::ButtonFace;
using controls::ImageFaceParams;
using controls::sameRgb;
using controls::ShapeFaceParams;

// The colour a state's face leaves outside the key.
QRgb backgroundOf(const ButtonFace& face) {
    if (const auto* shape = std::get_if<ShapeFaceParams>(&face.base))
        return controls::keyColorFor(shape->color);
    return std::get<ImageFaceParams>(face.base).transparent;
}

// Pixels where the caption (and glyph) changed the face.
QRegion inkOf(const QImage& withCaption, const QImage& faceAlone) {
    QRegion ink;
    for (int y = 0; y < faceAlone.height(); ++y)
        for (int x = 0; x < faceAlone.width(); ++x)
            if (withCaption.pixel(x, y) != faceAlone.pixel(x, y)) ink += QRect(x, y, 1, 1);
    return ink;
}

// Pixels of the face that are its plain colour: inside the shaded edge.
QRegion plainFaceOf(const QImage& faceAlone, QRgb faceColor) {
    QRegion plain;
    for (int y = 0; y < faceAlone.height(); ++y)
        for (int x = 0; x < faceAlone.width(); ++x)
            if (sameRgb(faceAlone.pixel(x, y), faceColor)) plain += QRect(x, y, 1, 1);
    return plain;
}

std::string describe(const QRegion& pixels) {
    const QRect box = pixels.boundingRect();
    return std::to_string(pixels.rectCount()) + " rects in (" + std::to_string(box.left()) + "," +
           std::to_string(box.top()) + ")-(" + std::to_string(box.right()) + "," +
           std::to_string(box.bottom()) + ")";
}

class KeyFacesTest : public WindowTest {
  protected:
    QList<BitButton*> keys() const { return window->findChildren<BitButton*>(); }
};

TEST_F(KeyFacesTest, WindowHasFiftyOneShapedAndTwoImageKeys) {
    int shaped = 0;
    for (BitButton* key : keys())
        shaped += qobject_cast<controls::ShapeButton*>(key) != nullptr;
    EXPECT_EQ(keys().size(), 53);
    EXPECT_EQ(shaped, 51);
}

// The window shows what the face paints and nothing else: no painted pixel is cut
// away, no pixel of the window shows the key colour. An image key paints nothing
// outside its picture's outline.
TEST_F(KeyFacesTest, EveryKeysRegionIsExactlyItsPaintedFaceInBothStates) {
    for (BitButton* key : keys()) {
        const bool shaped = qobject_cast<controls::ShapeButton*>(key) != nullptr;
        for (const bool down : {false, true}) {
            SCOPED_TRACE(key->objectName().toStdString() + (down ? " down" : " up"));
            const ButtonFace face = key->faceFor(down);
            const QImage painted = controls::drawFaceBase(face);
            const QRegion region = key->stateRegion(down);
            const QRgb background = backgroundOf(face);
            ASSERT_FALSE(region.isEmpty());
            QRegion cut;      // painted, but outside the region
            QRegion unpaint;  // in the region, but the background colour
            for (int y = 0; y < painted.height(); ++y)
                for (int x = 0; x < painted.width(); ++x) {
                    const bool inRegion = region.contains(QPoint(x, y));
                    const bool isBackground = sameRgb(painted.pixel(x, y), background);
                    if (!inRegion && !isBackground) cut += QRect(x, y, 1, 1);
                    if (inRegion && isBackground) unpaint += QRect(x, y, 1, 1);
                }
            EXPECT_TRUE(cut.isEmpty()) << "painted outside the region: " << describe(cut);
            // An image key's own bevel may paint its picture's transparent colour
            // (black) inside the outline; a shaped key never shows its key colour.
            if (shaped) {
                EXPECT_TRUE(unpaint.isEmpty())
                    << "key colour inside the region: " << describe(unpaint);
            }
        }
        if (shaped) {
            EXPECT_TRUE((key->mask() ^ key->stateRegion(false)).isEmpty());
        }
    }
}

// Pixels where a state's caption lies: ink off the key, and ink on its shaded edge.
struct CaptionInk {
    QRegion ink;
    QRegion offKey;
    QRegion onEdge;
};

CaptionInk captionInk(BitButton& key, bool down) {
    const ButtonFace face = key.faceFor(down);
    const QImage alone = controls::drawFaceBase(face);
    CaptionInk result;
    result.ink = inkOf(controls::drawButtonFace(face), alone);
    result.offKey = result.ink - key.stateRegion(down);
    if (const auto* shape = std::get_if<ShapeFaceParams>(&face.base))
        result.onEdge = result.ink - plainFaceOf(alone, controls::faceColorFor(
                                                            shape->color, shape->brightensGrey));
    return result;
}

// A caption that spills over its key is cut off by the region. Both states: a down
// caption moves by (1, 1).
TEST_F(KeyFacesTest, EveryCaptionLiesInsideItsKey) {
    for (BitButton* key : keys()) {
        for (const bool down : {false, true}) {
            SCOPED_TRACE(key->objectName().toStdString() + (down ? " down" : " up"));
            const CaptionInk caption = captionInk(*key, down);
            if (key->faceFor(down).caption.text.isEmpty()) {
                EXPECT_TRUE(caption.ink.isEmpty());
                continue;
            }
            ASSERT_FALSE(caption.ink.isEmpty());
            EXPECT_TRUE(caption.offKey.isEmpty())
                << "caption ink off the key: " << describe(caption.offKey);
        }
    }
}

// The Garamond and Arial Black captions also keep off the shaded edge, but for the
// tall italic capitals of "C" and "Из": their ink rises a pixel above the stand-in's
// ascent and reaches the edge (the diamond's upper right, the top of the key whose
// caption sits at the top), inside the key all the same.
TEST_F(KeyFacesTest, GaramondAndBlackCaptionsKeepOffTheShadedEdge) {
    int checked = 0;
    for (const layout::ShapeKeyLayout& row : layout::shapeKeys()) {
        const std::string family = row.font.family;
        if (family != "Garamond" && family != "AGaramond" && family != "Arial Black") continue;
        auto* key = qobject_cast<BitButton*>(control(row.name()));
        ASSERT_NE(key, nullptr) << row.name();
        const std::string name(row.name());
        ++checked;
        if (name == "ShapeBtn18" || name == "ShapeBtn33") continue;
        for (const bool down : {false, true}) {
            SCOPED_TRACE(name + (down ? " down" : " up"));
            const CaptionInk caption = captionInk(*key, down);
            EXPECT_TRUE(caption.onEdge.isEmpty())
                << "caption ink on the shaded edge: " << describe(caption.onEdge);
        }
    }
    EXPECT_EQ(checked, 7 + 5 + 7);  // special functions, red editing keys, black captions
}

}  // namespace
}  // namespace zhcalc::testing
