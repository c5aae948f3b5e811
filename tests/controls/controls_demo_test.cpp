// Renders the demo page offscreen and saves it next to the build for a reviewer.
#include "demo/controls_demo.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <memory>

#include "controls/fonts.h"

namespace zhcalc::controls {
namespace {

TEST(ControlsDemo, RendersEveryControlToAPicture) {
    installFontSubstitutes();
    const std::unique_ptr<QWidget> page(createControlsDemo());
    page->show();
    const QImage picture = page->grab().toImage();
    ASSERT_EQ(picture.size(), QSize(1040, 460));
    ASSERT_TRUE(picture.save(QStringLiteral(ZHCALC_DEMO_PNG)));

    // The calculator's gradient top row is blue, and its about label shows aqua.
    const QWidget* calculator = page->findChild<QWidget*>(QStringLiteral("SbSetup1"));
    ASSERT_NE(calculator, nullptr);
    const QPoint origin = calculator->pos();
    EXPECT_EQ(picture.pixel(origin + QPoint(2, 40)), qRgb(0, (40 * 255) / 228, 255));
    int aqua = 0;
    for (int y = 280; y < 308; ++y)
        for (int x = 0; x < 476; ++x)
            aqua += picture.pixel(origin + QPoint(x, y)) == qRgb(0, 255, 255);
    EXPECT_GT(aqua, 100);
    // All eight switches are there.
    for (int i = 1; i <= 8; ++i)
        EXPECT_NE(page->findChild<QWidget*>(QStringLiteral("Switch%1").arg(i)), nullptr) << i;
}

}  // namespace
}  // namespace zhcalc::controls
