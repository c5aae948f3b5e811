#pragma once
// A calculator window shown on the offscreen platform, with its tones recorded and
// its error boxes captured instead of shown.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/calculator_window.h"
#include "app/control_factory.h"
#include "app/error_box.h"
#include "engine/decimal_separator.h"
#include "support/event_counter.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace zhcalc::testing {

struct CapturedBox {
    QString caption;
    QString text;
    bool isError;
};

// Remembers every tone and what the display showed, and had painted, when it began.
class RecordingSound : public SoundService {
  public:
    struct Tone {
        std::size_t bytes;
        QString display;
        int displayPaints;
    };
    void play(std::span<const std::uint8_t> image) override {
        tones.push_back({image.size(), window ? window->displayText() : QString(), *paints});
    }
    std::vector<Tone> tones;
    const CalculatorWindow* window = nullptr;
    const int* paints = nullptr;
};

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setErrorBoxSink([this](const QString& caption, const QString& text, bool isError) {
            boxes.push_back({caption, text, isError});
        });
        window = std::make_unique<CalculatorWindow>(sound);
        // The keys are laid out for the decimal comma.
        window->panel().setDecimalSeparator(DecimalSeparator(','));
        sound.window = window.get();
        sound.paints = &displayPaints;
        display()->installEventFilter(&paintCounter);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        window.reset();
        setErrorBoxSink({});
    }

    QWidget* control(std::string_view name) const {
        return window->findChild<QWidget*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    QWidget* display() const { return control("r3dDisplay"); }
    QString shown() const { return window->displayText(); }

    void click(const char* name) {
        QWidget* widget = control(name);
        ASSERT_NE(widget, nullptr) << name;
        // A shaped control takes clicks only inside its mask.
        const QRegion shape = widget->mask();
        QPoint at = widget->rect().center();
        if (!shape.isEmpty() && !shape.contains(at)) at = shape.begin()->center();
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }
    void clickAll(std::initializer_list<const char*> names) {
        for (const char* name : names)
            click(name);
    }
    void type(const QString& text) { QTest::keyClicks(window.get(), text); }
    // Puts `expression` into an emptied display through the clipboard and "Из".
    void enter(const QString& expression) {
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QGuiApplication::clipboard()->setText(expression);
        click("ShapeBtn33");
        ASSERT_EQ(shown(), expression);
    }

    int displayPaints = 0;
    // The display's paints, to prove it was painted before a tone.
    testing::EventCounter paintCounter{QEvent::Paint, displayPaints};
    RecordingSound sound;
    std::vector<CapturedBox> boxes;
    std::unique_ptr<CalculatorWindow> window;
};

}  // namespace zhcalc::testing
