#pragma once
// Mouse and key input for button tests, sent through the top-level window so that
// Qt picks the receiver as for a real click (masks included).

#include <QtTest/qtestmouse.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace zhcalc::controls::testing {

inline void sendMouse(QWidget& top, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), QPointF(pos), QPointF(top.mapToGlobal(pos)), button,
                      buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(top.windowHandle(), &event);
}

inline void press(QWidget& top, QPoint pos) {
    sendMouse(top, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}
inline void moveWhilePressed(QWidget& top, QPoint pos) {
    sendMouse(top, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}
inline void release(QWidget& top, QPoint pos) {
    sendMouse(top, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}
inline void click(QWidget& top, QPoint pos) {
    press(top, pos);
    release(top, pos);
}

// Mouse input as the platform reports it, with the time of each event: Qt makes
// the double clicks out of it itself and delivers them to the widgets as it does
// real input (the second press of a double click as a double-click event).
class PlatformMouse {
  public:
    explicit PlatformMouse(QWidget& top) : top_(top) {}
    ~PlatformMouse() { QTest::lastMouseTimestamp += 10 * QTest::mouseDoubleClickInterval; }

    void press(QPoint pos, int afterMs = 20) {
        send(pos, Qt::LeftButton, QEvent::MouseButtonPress, afterMs);
    }
    void move(QPoint pos, int afterMs = 20) {
        send(pos, Qt::LeftButton, QEvent::MouseMove, afterMs);
    }
    void release(QPoint pos, int afterMs = 20) {
        send(pos, Qt::NoButton, QEvent::MouseButtonRelease, afterMs);
    }
    void click(QPoint pos, int afterMs = 20) {
        press(pos, afterMs);
        release(pos);
    }

  private:
    void send(QPoint pos, Qt::MouseButtons state, QEvent::Type type, int afterMs) {
        QTest::lastMouseTimestamp += afterMs;
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        qt_handleMouseEvent(top_.windowHandle(), QPointF(pos), QPointF(top_.mapToGlobal(pos)),
                            state, button, type, Qt::NoModifier, QTest::lastMouseTimestamp);
        QCoreApplication::processEvents();
    }

    QWidget& top_;
};

inline void sendKey(QWidget& target, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "");
    QCoreApplication::sendEvent(&target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "");
    QCoreApplication::sendEvent(&target, &up);
}

// Shows a top-level window and makes it the active one.
inline void showActive(QWidget& top) {
    top.show();
    top.activateWindow();
    QApplication::setActiveWindow(&top);
    QCoreApplication::processEvents();
}

// A widget under the buttons that counts the presses it receives.
class PressCounter : public QWidget {
  public:
    using QWidget::QWidget;
    int presses = 0;

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        ++presses;
        e->accept();
    }
};

}  // namespace zhcalc::controls::testing
