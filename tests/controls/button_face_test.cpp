// A button's picture is drawn from its face values: the same picture on any thread,
// kept while the face is unchanged and drawn anew as soon as anything in it changes.
#include "controls/button_face.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "controls/face_prerender.h"
#include "controls/fonts.h"
#include "controls/image_button.h"
#include "controls/shape_button.h"

namespace zhcalc::controls {
namespace {

// What a button shows on screen.
QImage shown(BitButton& button) {
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage opaque(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_RGB32);
}

// A window of keys unlike each other: shapes, fonts, disabled, extruded and
// shadowed captions, a glyph, image buttons with and without a picture.
struct Keys {
    Keys() {
        window.resize(400, 100);
        const auto key = [this](ButtonShape shape, QRect geometry, const char* caption,
                                LayoutFont font) {
            auto* button = new ShapeButton(&window);
            button->setShape(shape);
            button->setGeometry(geometry);
            button->setText(QString::fromUtf8(caption));
            button->setFont(makeFont(font));
            button->setFontColor(font.color);
            buttons.push_back(button);
            return button;
        };
        key(ButtonShape::bsEllipse, {0, 0, 38, 25}, "7",
            {"Arial Unicode MS", -15, fsBold, clGreen});
        key(ButtonShape::bsRoundRect, {40, 0, 40, 25}, "log10",
            {"Arial Narrow", -16, fsBold, clGreen});
        key(ButtonShape::bsDiamond, {80, 0, 40, 40}, "С",
            {"Garamond", -16, fsBold | fsItalic, clRed})
            ->setEnabled(false);
        auto* extruded =
            key(ButtonShape::bsRect, {120, 0, 70, 40}, "Пи", {"Arial Black", -15, 0, clNavy});
        CaptionText options;
        options.extrude.enabled = true;
        options.extrude.depth = 3;
        options.shadow.enabled = true;
        options.shadow.xOffset = 2;
        options.shadow.yOffset = 1;
        extruded->setTextOptions(options);
        auto* withGlyph =
            key(ButtonShape::bsRect, {190, 0, 70, 40}, "&Sign", {"AGaramond", -16, 0, clPurple});
        QImage glyph(8, 8, QImage::Format_RGB32);
        glyph.fill(Qt::blue);
        withGlyph->setGlyph(glyph);

        auto* picture = new ImageButton(&window);
        QImage leaf(20, 20, QImage::Format_RGB32);
        leaf.fill(Qt::white);
        for (int i = 2; i < 18; ++i)
            leaf.setPixel(i, i, qRgb(200, 0, 0));
        picture->setImage(leaf);
        picture->setGeometry(270, 0, 30, 30);
        buttons.push_back(picture);
        auto* empty = new ImageButton(&window);
        empty->setGeometry(310, 0, 30, 30);
        buttons.push_back(empty);
    }

    QWidget window;
    QList<BitButton*> buttons;
};

TEST(ButtonFace, PicturesDrawnOnAnotherThreadAreTheGuiThreadsPictures) {
    Keys keys;
    std::vector<ButtonFace> faces;
    for (BitButton* button : keys.buttons)
        faces.push_back(button->faceFor(false));
    std::vector<QImage> elsewhere(faces.size());
    std::thread([&] {
        for (std::size_t i = 0; i < faces.size(); ++i)
            elsewhere[i] = drawButtonFace(faces[i]);
    }).join();
    for (qsizetype i = 0; i < keys.buttons.size(); ++i) {
        const QImage here = keys.buttons[i]->renderFace(false);
        ASSERT_FALSE(here.isNull()) << i;
        EXPECT_EQ(opaque(elsewhere[static_cast<std::size_t>(i)]), opaque(here)) << i;
    }
}

TEST(ButtonFace, PrerenderedPicturesAreWhatTheButtonsShow) {
    for (const bool stopAtOnce : {false, true}) {
        Keys keys;
        auto prerender = std::make_unique<FacePrerender>(keys.buttons);
        if (stopAtOnce) prerender.reset();  // pictures not drawn yet are drawn by the buttons
        for (BitButton* button : keys.buttons)
            EXPECT_EQ(shown(*button), opaque(button->renderFace(false))) << stopAtOnce;
    }
}

// A picture offered for the current face is what the next paint shows; any change
// to the face makes the button draw its real picture instead.
TEST(ButtonFace, AnOfferedPictureHoldsOnlyWhileTheFaceIsUnchanged) {
    const std::vector<std::pair<const char*, std::function<void(ShapeButton&)>>> changes = {
        {"nothing", [](ShapeButton&) {}},
        {"caption", [](ShapeButton& b) { b.setText("8"); }},
        {"enabled", [](ShapeButton& b) { b.setEnabled(false); }},
        {"size", [](ShapeButton& b) { b.resize(40, 27); }},
        {"font",
         [](ShapeButton& b) {
             b.setFont(makeFont({"Garamond", -13, fsBold, clRed}));
         }},
        {"font colour", [](ShapeButton& b) { b.setFontColor(clRed); }},
        {"face colour", [](ShapeButton& b) { b.setColor(clYellow); }},
        {"shape", [](ShapeButton& b) { b.setShape(ButtonShape::bsRect); }},
        {"down", [](ShapeButton& b) { b.setDown(true); }},
        {"caption options",
         [](ShapeButton& b) {
             CaptionText options = b.textOptions();
             options.style = CaptionStyle::csRaised;
             b.setTextOptions(options);
         }},
    };
    for (const auto& [what, change] : changes) {
        QWidget window;
        window.resize(100, 60);
        auto* key = new ShapeButton(&window);
        key->setShape(ButtonShape::bsEllipse);
        key->setGeometry(10, 10, 38, 25);
        key->setText("7");
        key->setFont(makeFont({"Arial Unicode MS", -15, fsBold, clGreen}));

        QImage marker(key->size(), QImage::Format_RGB32);
        marker.fill(qRgb(255, 0, 255));
        std::promise<QImage> offered;
        offered.set_value(marker);
        key->offerPicture(key->faceFor(false), offered.get_future().share());
        change(*key);

        const bool unchanged = std::string_view(what) == "nothing";
        const QImage picture = shown(*key);
        EXPECT_EQ(picture == opaque(marker), unchanged) << what;
        if (!unchanged) {
            EXPECT_EQ(picture, opaque(key->renderFace(key->isDown()))) << what;
        }
    }
}

}  // namespace
}  // namespace zhcalc::controls
