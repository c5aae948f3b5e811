// Start-up work on another thread is waited for once, just before the window's
// first paint and before any child paints.
#include "app/first_paint_gate.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <QtTest/QTest>
#include <algorithm>
#include <string>
#include <vector>

namespace zhcalc {
namespace {

class Recorder : public QWidget {
  public:
    Recorder(std::vector<std::string>& log, std::string name, QWidget* parent = nullptr)
        : QWidget(parent), log_(log), name_(std::move(name)) {}

  protected:
    void paintEvent(QPaintEvent*) override { log_.push_back(name_); }

  private:
    std::vector<std::string>& log_;
    std::string name_;
};

TEST(FirstPaintGate, WaitsOnceBeforeTheWindowOrAnyChildPaints) {
    std::vector<std::string> log;
    Recorder window(log, "window");
    window.resize(100, 60);
    auto* child = new Recorder(log, "child", &window);
    child->setGeometry(10, 10, 40, 20);
    waitBeforeFirstPaint(window, [&log] { log.push_back("wait"); });
    EXPECT_TRUE(log.empty());  // nothing happens before the window paints

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "wait");
    EXPECT_EQ(log[1], "window");

    window.repaint();
    child->repaint();
    EXPECT_EQ(std::count(log.begin(), log.end(), "wait"), 1);
}

}  // namespace
}  // namespace zhcalc
