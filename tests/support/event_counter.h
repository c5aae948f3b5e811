#pragma once
// Counts the events of one type that an object is handed, as an event filter, so a
// test can tell what reached a widget (paints, double clicks) without changing it.

#include <QEvent>
#include <QObject>

namespace zhcalc::testing {

class EventCounter : public QObject {
  public:
    EventCounter(QEvent::Type type, int& count) : type_(type), count_(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) ++count_;
        return false;
    }

  private:
    QEvent::Type type_;
    int& count_;
};

}  // namespace zhcalc::testing
