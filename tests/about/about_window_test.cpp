#include "about/about_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "about/about_layout.h"
#include "about/credits.h"
#include "engine/number_text.h"

namespace zhcalc::about {
namespace {

// The examples are written with the decimal comma.
DecimalSeparator comma() {
    return DecimalSeparator(',');
}

class AboutWindowTest : public ::testing::Test {
  protected:
    template <typename T>
    static T* child(const QWidget& window, const char* name) {
        auto* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(AboutWindowTest, LayoutOfTheWindow) {
    AboutWindow window(comma);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Эбаут и прочие настройки"));
    EXPECT_EQ(window.size(), QSize(535, 290));
    EXPECT_TRUE(window.windowFlags() & Qt::Tool);

    const struct {
        const char* name;
        const char* parent;
        QRect geometry;
        const char* caption;
    } boxes[] = {
        {"FlatGroupBox1", "Form1", {0, 0, 273, 281}, "Обо мне и прочих"},
        {"FlatGroupBox2", "Form1", {280, 0, 249, 281}, "Конвектор"},
    };
    for (const auto& b : boxes) {
        auto* box = child<QGroupBox>(window, b.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget()->objectName(), QString::fromLatin1(b.parent));
        EXPECT_EQ(box->geometry(), b.geometry) << b.name;
        EXPECT_EQ(box->title(), QString::fromUtf8(b.caption));
    }
    auto* credits = child<Credits>(window, "Credits1");
    ASSERT_NE(credits, nullptr);
    EXPECT_EQ(credits->parentWidget()->objectName(), QStringLiteral("FlatGroupBox1"));
    EXPECT_EQ(credits->geometry(), QRect(2, 15, 269, 264));
    EXPECT_EQ(credits->path(), (CreditsPath{264, 0, 259, 50}));
    EXPECT_EQ(credits->timerInterval(), 20u);
    EXPECT_EQ(credits->credits().count(), 5);

    auto* edit = child<QLineEdit>(window, "ceTemp");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->parentWidget()->objectName(), QStringLiteral("FlatGroupBox2"));
    EXPECT_EQ(edit->geometry(), QRect(72, 8, 121, 19));
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    EXPECT_EQ(edit->layoutDirection(), Qt::RightToLeft);

    int visible = 0;
    for (const ConverterButtonLayout& layout : kConverterButtons) {
        auto* button = child<QPushButton>(window, layout.name);
        ASSERT_NE(button, nullptr);
        const char* parent = layout.parent == ButtonParent::Window ? "Form1" : "FlatGroupBox2";
        EXPECT_EQ(button->parentWidget()->objectName(), QString::fromLatin1(parent)) << layout.name;
        EXPECT_EQ(button->geometry(), layout.geometry) << layout.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(layout.caption)) << layout.name;
        EXPECT_EQ(button->isVisible(), layout.visible) << layout.name;
        visible += button->isVisible();
    }
    EXPECT_EQ(visible, 8);
    // The Kelvin row's first letter is the Cyrillic "К".
    EXPECT_EQ(child<QPushButton>(window, "cbKC")->text().at(0), QChar(0x041A));
}

TEST_F(AboutWindowTest, TabGoesThroughTheEditAndTheVisibleButtonsInLayoutOrder) {
    AboutWindow window(comma);
    window.show();
    QStringList order;
    QWidget* widget = child<QWidget>(window, "ceTemp");
    for (int i = 0; i < 9 && widget != nullptr; ++i) {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget != nullptr && !(widget->isVisible() && widget->focusPolicy() & Qt::TabFocus))
            widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, QStringList({"ceTemp", "cbCK", "cbCF", "cbKC", "cbKF", "cbCR", "cbKR", "cbCRa",
                                  "cbKRa"}));
}

TEST_F(AboutWindowTest, ButtonsConvertTheTypedNumber) {
    const struct {
        const char* typed;
        const char* button;
        const char* shown;
    } cases[] = {
        {"300", "cbKC", "26,85"},  // right after opening, too
        {"100", "cbCF", "212"},
        {"-40", "cbCF", "-40"},
        {"0", "cbCK", "273,15"},
        {"0", "cbCRa", "491,67"},
        {"100", "cbCR", "80"},
        {"273,15", "cbKF", "32"},
        {"373,15", "cbKR", "80"},
        {"-273,15", "cbCK", "температура не может быть меньше -273,16 С"},
        {"-0,001", "cbKRa", "температура не может быть меньше 0K"},
        {"тепло", "cbKF", "ОШИБКА В ДАННЫХ"},
    };
    for (const auto& c : cases) {
        AboutWindow window(comma);
        window.show();
        auto* edit = child<QLineEdit>(window, "ceTemp");
        edit->setText(QString::fromUtf8(c.typed));
        QTest::mouseClick(child<QPushButton>(window, c.button), Qt::LeftButton);
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown)) << c.typed << " " << c.button;
    }
}

// The separator in force when the button is pressed, not when the window opened.
TEST_F(AboutWindowTest, EachPressAsksForTheSeparator) {
    char separator = ',';
    AboutWindow window([&separator] { return DecimalSeparator(separator); });
    window.show();
    auto* edit = child<QLineEdit>(window, "ceTemp");
    edit->setText(QStringLiteral("1,5"));
    QTest::mouseClick(child<QPushButton>(window, "cbCF"), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QStringLiteral("34,7"));
    separator = '.';
    edit->setText(QStringLiteral("1.5"));
    QTest::mouseClick(child<QPushButton>(window, "cbCF"), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QStringLiteral("34.7"));
}

TEST_F(AboutWindowTest, PressesChainOnTheEditAndReturnOnlyBeeps) {
    AboutWindow window(comma);
    window.show();
    auto* edit = child<QLineEdit>(window, "ceTemp");
    edit->setText(QStringLiteral("100"));
    QTest::mouseClick(child<QPushButton>(window, "cbCF"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(window, "cbCF"), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QStringLiteral("413,6"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), QStringLiteral("413,6"));
    EXPECT_TRUE(window.isVisible());
}

TEST(ColorKeyShape, KeyColouredPixelsBecomeHoles) {
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 66));  // one off the key
    picture.setPixel(3, 4, AboutWindow::kTransparentColor);
    picture.setPixel(19, 9, AboutWindow::kTransparentColor);
    const QRegion shape = colourKeyShape(picture, AboutWindow::kTransparentColor);
    EXPECT_FALSE(shape.contains(QPoint(3, 4)));
    EXPECT_FALSE(shape.contains(QPoint(19, 9)));
    EXPECT_TRUE(shape.contains(QPoint(4, 4)));
    EXPECT_TRUE(shape.contains(QPoint(0, 0)));
    EXPECT_EQ(shape.boundingRect(), picture.rect());
    // The window's own picture has no key-coloured pixel, so it keeps its whole shape.
    AboutWindow window(comma);
    const QImage drawn = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(
        (colourKeyShape(drawn, AboutWindow::kTransparentColor) ^ QRegion(drawn.rect())).isEmpty());
}

int threadCount() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task")).count()) - 2;
}

// Opens and closes the window as the calculator does, with the scroller running
// for a few ticks each time; nothing may hang or stay behind.
TEST_F(AboutWindowTest, OpeningAndClosingTwoHundredTimesLeavesNothingBehind) {
    QWidget owner;
    // Let any thread the platform starts on first use exist before counting.
    {
        AboutWindow warmUp(comma, &owner);
        warmUp.show();
        QCoreApplication::processEvents();
    }
    const int threadsBefore = threadCount();
    int ticks = 0;
    for (int i = 0; i < 200; ++i) {
        AboutWindow* window = createAboutWindow(&owner, comma);
        QPointer<AboutWindow> alive(window);
        QObject::connect(window->credits(), &Credits::timerTicked, [&ticks] { ++ticks; });
        // Alternate between closing mid-wait and right after a tick.
        QTimer::singleShot(i % 2 == 0 ? 45 : 30, window, &QWidget::close);
        window->exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(alive.isNull()) << "window " << i << " outlived its closing";
    }
    EXPECT_EQ(owner.findChildren<AboutWindow*>().size(), 0);
    EXPECT_EQ(threadCount(), threadsBefore);
    EXPECT_GT(ticks, 200);
}

}  // namespace
}  // namespace zhcalc::about
