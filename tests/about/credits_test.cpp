#include "about/credits.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>

#include "about/about_credits.h"

namespace zhcalc::about {
namespace {

// A scroller laid out like the about window's, with its timer stopped so that
// the tests move it by hand.
struct Scroller {
    explicit Scroller(bool withText = true) {
        credits.setTimerEnabled(false);
        credits.setGeometry(0, 0, 269, 264);
        if (withText) fillAboutCredits(credits.credits());
        credits.setFillType(QStringLiteral("GradientVert"));
        credits.setPathBegin(264);
        credits.setPathRiseTo(259);
        credits.setPathFallFrom(50);
        // Shown, so that grabbing it paints it as the screen would, without the
        // resize a hidden widget gets on every grab.
        credits.show();
    }
    // Paints the control the way the screen would and returns the picture.
    QImage frame() { return credits.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    Credits credits;
};

TEST(Credits, FirstSizingSetsThePathAndLaterSizesKeepIt) {
    Credits credits;
    credits.setTimerEnabled(false);
    credits.setGeometry(0, 0, 100, 200);
    EXPECT_EQ(credits.path(), (CreditsPath{200, 0, 150, 50}));
    credits.setGeometry(0, 0, 100, 80);
    EXPECT_EQ(credits.path(), (CreditsPath{200, 0, 150, 50}));
    credits.setPathBegin(500);  // clamped to the height
    credits.setPathRiseTo(-4);  // clamped between end and begin
    EXPECT_EQ(credits.path(), (CreditsPath{80, 0, 0, 50}));
}

TEST(Credits, FirstFrameHasNoTextThenTheTextRises) {
    Scroller s;
    const QImage first = s.frame();
    EXPECT_EQ(first, s.credits.plainBackground());
    EXPECT_FALSE(s.credits.textBitmap().isNull());
    EXPECT_EQ(s.credits.maxPosition(), 264 + s.credits.credits().totalHeight());
    EXPECT_EQ(s.credits.textBitmap().height(), s.credits.credits().totalHeight() + 10);

    // Halfway through the cycle the panel's middle rows show text.
    s.credits.setCreditsPosition(s.credits.maxPosition() / 2);
    const QImage middle = s.frame();
    int changed = 0;
    for (int y = 50; y < 260; ++y)
        for (int x = 0; x < 269; ++x)
            changed += middle.pixel(x, y) != first.pixel(x, y);
    EXPECT_GT(changed, 500);
    // The fully faded rows at the very top never show any.
    for (int x = 0; x < 269; ++x)
        ASSERT_EQ(middle.pixel(x, 0), first.pixel(x, 0)) << x;
}

TEST(Credits, CyclesWithoutSections) {
    Scroller s(false);
    s.frame();
    EXPECT_EQ(s.credits.maxPosition(), 264);
    s.credits.setCreditsPosition(264);
    EXPECT_EQ(s.frame(), s.credits.plainBackground());
    s.credits.setCreditsPosition(265);
    EXPECT_EQ(s.credits.creditsPosition(), 0);
}

TEST(Credits, OneWayScrollStopsAtItsEndOnce) {
    Scroller s;
    s.frame();
    s.credits.setCycled(false);
    QSignalSpy ended(&s.credits, &Credits::creditsEnded);
    s.credits.setTimerEnabled(true);
    s.credits.setCreditsPosition(s.credits.maxPosition() - 1);
    s.credits.setCreditsPosition(s.credits.maxPosition());
    s.credits.setCreditsPosition(s.credits.maxPosition() + 1);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(s.credits.timerEnabled());
    EXPECT_TRUE(s.credits.textBitmap().isNull());
    EXPECT_EQ(s.frame(), s.credits.plainBackground());
    s.credits.setTimerEnabled(true);
    EXPECT_FALSE(s.credits.timerEnabled());
}

TEST(Credits, TimerMovesThePositionOnTheGuiThread) {
    Credits credits;
    credits.setGeometry(0, 0, 269, 264);
    QSignalSpy ticks(&credits, &Credits::timerTicked);
    QElapsedTimer clock;
    clock.start();
    while (ticks.count() < 3 && clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    EXPECT_GE(ticks.count(), 3);
    EXPECT_EQ(credits.creditsPosition(), ticks.count());
    credits.setBackward(true);
    const int before = credits.creditsPosition();
    while (ticks.count() < 6 && clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    EXPECT_LT(credits.creditsPosition(), before);
}

TEST(Credits, ContentChangesRebuildTheTextBitmap) {
    Scroller s;
    s.frame();
    const int tallBefore = s.credits.textBitmap().height();
    s.credits.credits().setSectionSpace(7);
    EXPECT_EQ(s.credits.textBitmap().height(), tallBefore + 5 * 7);
    s.credits.credits().setSectionSpace(-3);
    EXPECT_EQ(s.credits.credits().sectionSpace(), 0);
    EXPECT_EQ(s.credits.textBitmap().height(), tallBefore);
}

}  // namespace
}  // namespace zhcalc::about
