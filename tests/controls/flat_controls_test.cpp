// The flat controls: shadowed text, the edges, the button's borders by state over
// the window's gradient, the group box's etched frame and caption gap, the edit's
// Return key.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>

#include "controls/background.h"
#include "controls/flat_button.h"
#include "controls/flat_edit.h"
#include "controls/flat_group_box.h"
#include "controls/fonts.h"

namespace zhcalc::controls {
namespace {

QFont crispFont() {
    QFont font = makeFont({QStringLiteral("DejaVu Sans"), -14, fsBold, clBlack});
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage transparentImage(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool inkAt(const QImage& mask, QPoint p) {
    return mask.rect().contains(p) && qAlpha(mask.pixel(p)) != 0;
}

TEST(ShadowedText, OffsetsPerPosition) {
    struct Case {
        ShadowPosition position;
        QPoint text, shadow;
    };
    const Case cases[] = {
        {ShadowPosition::spLeftTop, {2, 2}, {0, 0}},
        {ShadowPosition::spLeftBottom, {2, 0}, {0, 2}},
        {ShadowPosition::spRightBottom, {0, 0}, {2, 2}},
        {ShadowPosition::spRightTop, {0, 2}, {2, 0}},
    };
    for (const Case& c : cases) {
        const ShadowOffsets offsets = shadowOffsets(c.position, 2);
        EXPECT_EQ(offsets.text, c.text);
        EXPECT_EQ(offsets.shadow, c.shadow);

        // Drawn: the shadow copy under the text copy, each at its offset.
        QImage mask = transparentImage(40, 24);
        {
            QPainter p(&mask);
            p.setFont(crispFont());
            p.setPen(Qt::black);
            p.drawText(QRect(0, 0, 36, 20), Qt::AlignCenter, QStringLiteral("Kf"));
        }
        QImage image = transparentImage(40, 24);
        {
            QPainter p(&image);
            p.setFont(crispFont());
            drawShadowedText(p, QRect(0, 0, 36, 20), c.position, 2, QColor(255, 255, 255),
                             QColor(0, 0, 255), Qt::AlignCenter, QStringLiteral("Kf"));
        }
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 40; ++x) {
                const QPoint at(x, y);
                const QRgb expected = inkAt(mask, at - c.text)     ? qRgb(0, 0, 255)
                                      : inkAt(mask, at - c.shadow) ? qRgb(255, 255, 255)
                                                                   : 0;
                ASSERT_EQ(image.pixel(at), expected)
                    << static_cast<int>(c.position) << " " << x << "," << y;
            }
    }
}

TEST(Edges, OneLineOwnsItsCornersOnTheBottomRight) {
    QImage image = transparentImage(6, 5);
    QPainter p(&image);
    QRect r(0, 0, 6, 5);
    drawEdgeLine(p, r, Qt::white, Qt::black);
    p.end();
    EXPECT_EQ(r, QRect(1, 1, 4, 3));
    const QRgb w = qRgb(255, 255, 255), b = qRgb(0, 0, 0);
    const char* rows[] = {"WWWWWB", "W....B", "W....B", "W....B", "BBBBBB"};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const char c = rows[y][x];
            const QRgb expected = c == 'W' ? w : (c == 'B' ? b : 0);
            ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
}

// The about window's setting: a gradient background with flat controls on it.
struct AboutScene {
    QWidget window;
    BackGround* background;
    FlatGroupBox* box;
    FlatButton* inWindow;
    FlatButton* inBox;

    AboutScene() {
        window.resize(535, 290);
        background = new BackGround(&window);
        background->setFillType(QStringLiteral("GradientVert"));
        background->setFillColorLight(clBlue);
        background->setFillColorDark(clRed);
        box = new FlatGroupBox(QStringLiteral("Конвектор"), &window);
        box->setGeometry(280, 0, 249, 281);
        box->setTransparent(true);
        box->setFont(crispFont());
        inBox = new FlatButton(QStringLiteral("C->K"), box);
        inBox->setGeometry(48, 32, 41, 25);
        inWindow = new FlatButton(QStringLiteral("К->C"), &window);
        inWindow->setGeometry(328, 56, 41, 25);
        for (FlatButton* b : {inBox, inWindow}) {
            b->setOptions(foFlatBorder | foPaintTransparently);
            b->setFont(crispFont());
        }
    }

    // The gradient at a point of the window.
    QRgb gradientAt(QPoint windowPoint) const {
        QImage image(window.size(), QImage::Format_RGB32);
        QPainter p(&image);
        background->drawBackground(p);
        return image.pixel(windowPoint);
    }
};

TEST(FlatButton, AtRestShowsOnlyTheCaptionOverTheGradient) {
    AboutScene scene;
    for (FlatButton* button : {scene.inWindow, scene.inBox}) {
        const QImage picture = button->picture();
        const QPoint origin = button->mapTo(&scene.window, QPoint(0, 0));
        for (QPoint corner :
             {QPoint(0, 0), QPoint(40, 0), QPoint(0, 24), QPoint(40, 24), QPoint(20, 1)})
            EXPECT_EQ(picture.pixel(corner), scene.gradientAt(origin + corner))
                << button->text().toStdString() << " " << corner.x() << "," << corner.y();
    }
}

TEST(FlatButton, HotShowsTheRaisedBorderAndPressedTheThinSunkenOne) {
    AboutScene scene;
    FlatButton* button = scene.inWindow;
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    ASSERT_TRUE(button->isHot());
    QImage picture = button->picture();
    const QRgb light = resolveColor(cl3DLight).rgb(), dark = resolveColor(cl3DDkShadow).rgb();
    const QRgb highlight = resolveColor(clBtnHighlight).rgb();
    const QRgb shadow = resolveColor(clBtnShadow).rgb();
    EXPECT_EQ(picture.pixel(0, 0), light);
    EXPECT_EQ(picture.pixel(40, 24), dark);
    EXPECT_EQ(picture.pixel(1, 1), highlight);
    EXPECT_EQ(picture.pixel(39, 23), shadow);

    button->setDown(true);
    picture = button->picture();
    EXPECT_EQ(picture.pixel(0, 0), dark);
    EXPECT_EQ(picture.pixel(40, 24), light);
    EXPECT_EQ(picture.pixel(1, 1), scene.gradientAt(button->pos() + QPoint(1, 1)));

    button->setDown(false);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(button->isHot());
    EXPECT_EQ(button->picture().pixel(0, 0), scene.gradientAt(button->pos()));
}

TEST(FlatButton, PressedCaptionMovesOneRightAndDown) {
    AboutScene scene;
    FlatButton* button = scene.inWindow;
    button->setOptions(foFlatBorder);  // a plain face so only the caption differs
    button->setColor(clWhite);
    const auto captionInk = [&](bool down) {
        button->setDown(down);
        QImage image = button->picture();
        QImage ink = transparentImage(image.width(), image.height());
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 2; x < image.width() - 2; ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) ink.setPixel(x, y, qRgb(0, 0, 0));
        return ink;
    };
    const QImage up = captionInk(false), down = captionInk(true);
    int inkPixels = 0;
    for (int y = 3; y < 22; ++y)
        for (int x = 3; x < 38; ++x) {
            ASSERT_EQ(qAlpha(down.pixel(x, y)), qAlpha(up.pixel(x - 1, y - 1))) << x << "," << y;
            inkPixels += qAlpha(down.pixel(x, y)) != 0;
        }
    EXPECT_GT(inkPixels, 10);
}

TEST(FlatButton, ShadowColourSwitchesSimpleViewOff) {
    FlatButton button;
    EXPECT_EQ(button.options(), FlatOptions());
    EXPECT_EQ(button.shadowColor(), clBtnHighlight);
    EXPECT_EQ(button.shadowSize(), 1);
    EXPECT_EQ(button.shadowPos(), ShadowPosition::spLeftTop);
    EXPECT_EQ(button.btnPaintOptions(), bpoDrawFocus | bpoDrawDefault);
    button.setSimpleView(true);
    button.setShadowColor(clRed);
    EXPECT_FALSE(button.simpleView());
}

// The two flat controls share their settings but not all defaults, and only the
// button ties the simple view to the shadow colour.
TEST(FlatGroupBox, ShadowColourKeepsSimpleViewAndTheDefaultsDifferFromTheButton) {
    FlatGroupBox box;
    const FlatButton button;
    EXPECT_EQ(box.fontColor(), clWindowText);
    EXPECT_EQ(button.fontColor(), clBtnText);
    EXPECT_EQ(box.color(), clBtnFace);
    EXPECT_EQ(box.transparencyLevel(), 0);
    box.setSimpleView(true);
    box.setShadowColor(clRed);
    EXPECT_TRUE(box.simpleView());
    EXPECT_EQ(box.shadowColor(), clRed);
}

TEST(FlatGroupBox, EtchedFrameWithTheCaptionOverAGap) {
    AboutScene scene;
    FlatGroupBox* box = scene.box;
    const QImage picture = box->picture();
    const int half = QFontMetrics(box->font()).height() / 2;
    const QPoint origin = box->pos();
    const QRgb highlight = resolveColor(clBtnHighlight).rgb();
    const QRgb shadow = resolveColor(clBtnShadow).rgb();
    // The etched line: shadow outside, highlight one pixel in.
    EXPECT_EQ(picture.pixel(200, half), shadow);
    EXPECT_EQ(picture.pixel(200, half + 1), highlight);
    EXPECT_EQ(picture.pixel(0, 150), shadow);
    EXPECT_EQ(picture.pixel(1, 150), highlight);
    EXPECT_EQ(picture.pixel(248, 150), shadow);
    EXPECT_EQ(picture.pixel(100, 280), shadow);
    // Inside, the gradient shows through.
    EXPECT_EQ(picture.pixel(100, 100), scene.gradientAt(origin + QPoint(100, 100)));
    // Under the caption the line is wiped: its edges (widened by the shadow size)
    // show the gradient.
    const QRect caption = box->captionRect();
    ASSERT_EQ(caption.left(), 7);
    ASSERT_EQ(caption.top(), 0);
    for (QPoint p : {QPoint(caption.left(), half), QPoint(caption.right(), half)})
        EXPECT_EQ(picture.pixel(p), scene.gradientAt(origin + p)) << p.x();
    // The caption itself: text in the font colour and its highlight shadow.
    int text = 0, shadowInk = 0;
    for (int y = caption.top(); y <= caption.bottom() + 1; ++y)
        for (int x = caption.left(); x <= caption.right() + 1; ++x) {
            const QRgb c = picture.pixel(x, y);
            text += c == resolveColor(clWindowText).rgb();
            shadowInk += c == highlight;
        }
    EXPECT_GT(text, 20);
    EXPECT_GT(shadowInk, 5);
}

TEST(FlatGroupBox, RightToLeftCaptionStartsFromTheRight) {
    FlatGroupBox box(QStringLiteral("Обо мне и прочих"));
    box.resize(273, 281);
    box.setFont(crispFont());
    const int width = QFontMetrics(box.font()).horizontalAdvance(box.title());
    EXPECT_EQ(box.captionRect().left(), 8 - 1);
    box.setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(box.captionRect().left(), 273 - width - 8 - 1);
    EXPECT_EQ(box.captionRect().width(), width + 2);
}

TEST(FlatGroupBox, PlainFrameWithoutCtl3D) {
    FlatGroupBox box(QStringLiteral("A"));
    box.resize(60, 50);
    box.setCtl3D(false);
    box.setColor(clYellow);
    const QImage picture = box.picture();
    const int half = QFontMetrics(box.font()).height() / 2;
    EXPECT_EQ(picture.pixel(40, half), resolveColor(clWindowFrame).rgb());
    EXPECT_EQ(QColor(picture.pixel(40, half + 1)), QColor(255, 255, 0));
    EXPECT_EQ(picture.pixel(59, 30), resolveColor(clWindowFrame).rgb());
}

void typeKey(QWidget* w, int code, Qt::KeyboardModifiers mods, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, code, mods, text);
    QApplication::sendEvent(w, &event);
}

TEST(FlatEdit, ReturnIsSwallowedAndTheTextStays) {
    FlatEdit edit;
    edit.setText(QStringLiteral("0"));
    edit.setCursorPosition(1);
    int returns = 0;
    QObject::connect(&edit, &QLineEdit::returnPressed, [&returns] { ++returns; });
    typeKey(&edit, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    typeKey(&edit, Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"));
    typeKey(&edit, Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\n"));
    EXPECT_EQ(edit.text(), QStringLiteral("0"));
    EXPECT_EQ(returns, 0);
    typeKey(&edit, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    EXPECT_EQ(edit.text(), QStringLiteral("05"));
}

TEST(FlatEdit, TextAlignment) {
    FlatEdit edit;
    EXPECT_EQ(edit.textAlign(), Qt::AlignLeft);
    edit.setTextAlign(Qt::AlignRight);
    EXPECT_EQ(edit.textAlign(), Qt::AlignRight);
}

}  // namespace
}  // namespace zhcalc::controls
