// The window's ties to the desktop: the mail link, the tray, the colour key, the
// locale watcher and the error box at the edge of every handler.
#include <QDesktopServices>
#include <QImage>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <stdexcept>

#include "about/about_window.h"
#include "app/colour_key.h"
#include "app/mail_label.h"
#include "app/tray_minimizer.h"
#include "platform/locale_settings.h"
#include "window_fixture.h"

namespace zhcalc::testing {
namespace {

TEST(MailLink, PrefixIsAddedUnlessPresentInAnyCase) {
    struct Case {
        const char* address;
        const char* link;
    };
    const Case cases[] = {
        {"me@example.org", "mailto:me@example.org"},
        {"mailto:me@example.org", "mailto:me@example.org"},
        {"MAILTO:me@example.org", "MAILTO:me@example.org"},
        {"MailTo:me@example.org", "MailTo:me@example.org"},
        {"mailt:me", "mailto:mailt:me"},
        {"", "mailto:"},
    };
    for (const auto& c : cases) {
        // The scheme is case-insensitive; what counts is that no second prefix appears.
        EXPECT_EQ(mailLink(QString::fromUtf8(c.address)).toString().toLower(),
                  QString::fromUtf8(c.link).toLower())
            << c.address;
    }
}

// Receives the links the desktop would open.
class LinkCatcher : public QObject {
    Q_OBJECT
  public slots:
    void open(const QUrl& url) { opened.push_back(url); }

  public:
    std::vector<QUrl> opened;
};

TEST_F(WindowTest, MailLabelClickOpensItsLinkOncePerClick) {
    LinkCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    auto* label = static_cast<MailLabel*>(control("UrlLabel1"));
    EXPECT_EQ(label->text(), QStringLiteral("Мой маэл надо  написать - нажми"));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(10, 6));
    ASSERT_EQ(catcher.opened.size(), 1U);
    EXPECT_EQ(catcher.opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(catcher.opened[0].path(), label->address());
    // The second half of a double click (the double-click press and its release)
    // opens nothing more.
    QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(10, 6));
    EXPECT_EQ(catcher.opened.size(), 1U);
    // A whole double click as the window system delivers it opens the link once.
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       label->mapTo(window.get(), QPoint(10, 6)));
    EXPECT_EQ(catcher.opened.size(), 2U);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
}

TEST_F(WindowTest, AboutLabelOpensANewModalAboutWindowEachTime) {
    struct Seen {
        QPointer<QWidget> window;
        QString className;
        bool modal;
        QWidget* owner;
    };
    std::vector<Seen> seen;
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            seen.push_back({modal, modal ? modal->metaObject()->className() : "",
                            modal && modal->isModal(), modal ? modal->parentWidget() : nullptr});
            if (modal != nullptr) modal->close();
        });
        // Never hang the test run: whatever is still open goes after a while.
        QTimer::singleShot(5000, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        click("Label3D1");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ASSERT_EQ(seen.size(), 2U);
    for (const Seen& s : seen) {
        EXPECT_EQ(s.className, QStringLiteral("zhcalc::about::AboutWindow"));
        EXPECT_TRUE(s.modal);
        EXPECT_EQ(s.owner, window.get());
        EXPECT_TRUE(s.window.isNull());  // closing destroyed it
    }
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(WindowTest, MinimizingWithATrayHidesTheWindowAndTheIconBringsItBack) {
    window->tray().setAvailability([] { return true; });
    int shownIcons = 0;
    QObject::connect(&window->tray(), &TrayMinimizer::iconShown, [&] { ++shownIcons; });
    window->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(window->tray().inTray(), 2000);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(shownIcons, 1);
    window->tray().restoreFromTray();
    EXPECT_FALSE(window->tray().inTray());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(WindowTest, WithoutATrayMinimizingMinimizesAndTheWindowStaysReachable) {
    window->tray().setAvailability([] { return false; });
    window->showMinimized();
    QTest::qWait(50);
    EXPECT_FALSE(window->tray().inTray());
    EXPECT_TRUE(window->isVisible());
    window->tray().minimizeToTray();  // refused: there is nowhere to put the icon
    EXPECT_FALSE(window->tray().inTray());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, ATrayHostThatGoesAwayGivesTheWindowBack) {
    bool hostRunning = true;
    window->tray().setAvailability([&] { return hostRunning; });
    window->tray().minimizeToTray();
    ASSERT_TRUE(window->tray().inTray());
    hostRunning = false;
    QTRY_VERIFY_WITH_TIMEOUT(!window->tray().inTray(), 3000);
    EXPECT_TRUE(window->isVisible());
}

// The about window as the about label opens it, left open (shown modally without its
// own event loop), with clicks counted on a stranger window: the tray icon's stand-in.
class OpenAboutWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        about = about::createAboutWindow(window.get(),
                                         [this] { return window->panel().decimalSeparator(); });
        about->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
        stranger.setGeometry(0, 0, 40, 20);
        stranger.show();
        stranger.installEventFilter(&strangerClicks);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&stranger));
    }
    void TearDown() override {
        if (!about.isNull()) about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        WindowTest::TearDown();
    }
    // A click as the window system delivers it, through the blocking of modal windows.
    static void systemClick(QWidget& widget, QPoint at) {
        QTest::mouseClick(widget.window()->windowHandle(), Qt::LeftButton, {},
                          widget.mapTo(widget.window(), at));
    }

    QPointer<QWidget> about;
    QWidget stranger;
    int clicksOnStranger = 0;
    testing::EventCounter strangerClicks{QEvent::MouseButtonPress, clicksOnStranger};
};

TEST_F(OpenAboutWindowTest, BlocksTheCalculatorButNotTheProgramsOtherWindows) {
    QWidget* one = control("SB1");
    ASSERT_NE(one, nullptr);
    int pressesOnKey = 0;
    testing::EventCounter keyPresses{QEvent::MouseButtonPress, pressesOnKey};
    one->installEventFilter(&keyPresses);
    const QPoint inside =
        one->mask().isEmpty() ? one->rect().center() : one->mask().boundingRect().center();
    systemClick(*one, inside);
    EXPECT_EQ(pressesOnKey, 0);
    systemClick(stranger, {20, 10});
    EXPECT_EQ(clicksOnStranger, 1);
    EXPECT_TRUE(about->isModal());
    // Closed, it blocks nothing: the same click reaches the key.
    about->close();
    systemClick(*one, inside);
    EXPECT_EQ(pressesOnKey, 1);
}

// The calculator minimized, or the about window: both leave, and one click on the icon
// brings both back, the about window unminimized and still the modal one.
TEST_F(OpenAboutWindowTest, BothGoToTheTrayAndComeBackTogether) {
    window->tray().setAvailability([] { return true; });
    for (QWidget* minimized : {static_cast<QWidget*>(window.get()), about.data()}) {
        SCOPED_TRACE(minimized == window.get() ? "calculator minimized" : "about minimized");
        minimized->showMinimized();
        QTRY_VERIFY_WITH_TIMEOUT(window->tray().inTray(), 2000);
        EXPECT_FALSE(window->isVisible());
        window->tray().restoreFromTray();
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isMinimized());
        ASSERT_FALSE(about.isNull());
        EXPECT_TRUE(about->isVisible());
        EXPECT_FALSE(about->isMinimized());
        EXPECT_EQ(QApplication::activeModalWidget(), about.data());
    }
}

// Without a tray the about window, minimized alone, takes the calculator to the taskbar
// with it, and comes back with it.
TEST_F(OpenAboutWindowTest, WithoutATrayTheAboutWindowMinimizesTheCalculator) {
    window->tray().setAvailability([] { return false; });
    about->showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(window->isMinimized(), 2000);
    EXPECT_TRUE(window->isVisible());
    window->showNormal();
    QTRY_VERIFY_WITH_TIMEOUT(!about->isMinimized(), 2000);
    EXPECT_TRUE(about->isVisible());
}

TEST(ColourKey, HolesAreExactlyTheKeyColouredPixels) {
    QImage picture(6, 3, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    picture.setPixel(0, 0, qRgb(0, 255, 255));
    picture.setPixel(2, 1, qRgb(0, 255, 255));
    picture.setPixel(3, 1, qRgb(0, 255, 255));
    picture.setPixel(5, 2, qRgb(0, 255, 254));  // near is not the key
    const QRegion holes = regionOfColor(picture, qRgb(0, 255, 255), picture.rect());
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool hole = (x == 0 && y == 0) || (y == 1 && (x == 2 || x == 3));
            EXPECT_EQ(holes.contains(QPoint(x, y)), hole) << x << "," << y;
        }
    }
    EXPECT_TRUE(regionOfColor(QImage(), 0, QRect(0, 0, 4, 4)).isEmpty());
}

TEST_F(WindowTest, TheWindowPictureHasTheAboutLabelsAquaLetters) {
    // The holes of the colour key: the about label draws its letters in pure aqua.
    const QImage picture = window->grab().toImage();
    const QRegion solid =
        QRegion(picture.rect()) - regionOfColor(picture, qRgb(0, 255, 255), picture.rect());
    const QRect about = control("Label3D1")->geometry();
    EXPECT_FALSE((QRegion(about) - solid).isEmpty());
    const QRect display = control("r3dDisplay")->geometry();
    EXPECT_TRUE((QRegion(display) - solid).isEmpty());
}

TEST_F(WindowTest, ALocaleChangeRereadsTheSeparator) {
    window->panel().setDecimalSeparator(DecimalSeparator('#'));
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(window.get(), &change);
    const char separator = window->panel().decimalSeparator().character();
    EXPECT_EQ(separator, platform::localeDecimalSeparator().character());
    const QString pi = control("ShPi")->toolTip();
    EXPECT_EQ(pi.mid(1, 1), QString(QChar::fromLatin1(separator)));
}

TEST(GuardedHandlers, EveryKindOfExceptionEndsInOneErrorBox) {
    std::vector<QString> texts;
    setErrorBoxSink([&](const QString& caption, const QString& text, bool isError) {
        EXPECT_EQ(caption, QStringLiteral("ЖЫЖ-Калькультор v 1.2.8.5"));
        EXPECT_TRUE(isError);
        texts.push_back(text);
    });
    EXPECT_TRUE(runGuarded(nullptr, [] {}));
    EXPECT_FALSE(runGuarded(nullptr, [] { throw std::runtime_error("Cannot open clipboard"); }));
    EXPECT_FALSE(runGuarded(nullptr, [] { throw std::bad_alloc(); }));
    EXPECT_FALSE(runGuarded(nullptr, [] { throw 42; }));
    setErrorBoxSink({});
    ASSERT_EQ(texts.size(), 3U);
    EXPECT_EQ(texts[0], QStringLiteral("Cannot open clipboard."));
    EXPECT_FALSE(texts[1].isEmpty());
    EXPECT_FALSE(texts[2].isEmpty());
}

}  // namespace
}  // namespace zhcalc::testing

#include "window_services_test.moc"
