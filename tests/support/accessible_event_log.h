#pragma once
// Takes the events the controls raise for assistive technology and records them (the
// offscreen platform has no bridge to hand them to).

#include <QAccessible>
#include <QString>
#include <vector>

#include "controls/accessibility/accessible_events.h"

namespace zhcalc::testing {

struct LoggedAccessibleEvent {
    QObject* object = nullptr;
    QAccessible::Event type = QAccessible::InvalidEvent;
    int position = -1;   // text events
    QString text;        // inserted, removed or new text
    QString textBefore;  // an update's old text
    bool checkedChanged = false;
    bool pressedChanged = false;
    friend bool operator==(const LoggedAccessibleEvent&, const LoggedAccessibleEvent&) = default;
};

// A text event as the log keeps it.
inline LoggedAccessibleEvent textEvent(QObject* object, QAccessible::Event type, int position,
                                       const QString& text, const QString& before = {}) {
    LoggedAccessibleEvent e;
    e.object = object;
    e.type = type;
    e.position = position;
    e.text = text;
    e.textBefore = before;
    return e;
}

class AccessibleEventLog {
  public:
    AccessibleEventLog() {
        log().clear();
        controls::accessibility::setEventSink([](QAccessibleEvent& event) { record(&event); });
    }
    ~AccessibleEventLog() { controls::accessibility::setEventSink({}); }
    AccessibleEventLog(const AccessibleEventLog&) = delete;
    AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

    // The events of `type` about `object`, in order.
    std::vector<LoggedAccessibleEvent> of(const QObject* object, QAccessible::Event type) const {
        std::vector<LoggedAccessibleEvent> found;
        for (const auto& e : log())
            if (e.object == object && e.type == type) found.push_back(e);
        return found;
    }
    // The text events (insert, remove, update) about `object`, in order.
    std::vector<LoggedAccessibleEvent> textEvents(const QObject* object) const {
        std::vector<LoggedAccessibleEvent> found;
        for (const auto& e : log()) {
            if (e.object == object &&
                (e.type == QAccessible::TextInserted || e.type == QAccessible::TextRemoved ||
                 e.type == QAccessible::TextUpdated))
                found.push_back(e);
        }
        return found;
    }
    void clear() { log().clear(); }

  private:
    static std::vector<LoggedAccessibleEvent>& log() {
        static std::vector<LoggedAccessibleEvent> events;
        return events;
    }
    static void record(QAccessibleEvent* event) {
        LoggedAccessibleEvent e;
        e.object = event->object();
        e.type = event->type();
        switch (event->type()) {
            case QAccessible::TextInserted: {
                const auto* insert = static_cast<QAccessibleTextInsertEvent*>(event);
                e.position = insert->changePosition();
                e.text = insert->textInserted();
                break;
            }
            case QAccessible::TextRemoved: {
                const auto* remove = static_cast<QAccessibleTextRemoveEvent*>(event);
                e.position = remove->changePosition();
                e.text = remove->textRemoved();
                break;
            }
            case QAccessible::TextUpdated: {
                const auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
                e.position = update->changePosition();
                e.text = update->textInserted();
                e.textBefore = update->textRemoved();
                break;
            }
            case QAccessible::StateChanged: {
                const auto* change = static_cast<QAccessibleStateChangeEvent*>(event);
                e.checkedChanged = change->changedStates().checked;
                e.pressedChanged = change->changedStates().pressed;
                break;
            }
            default:
                break;
        }
        log().push_back(e);
    }
};

}  // namespace zhcalc::testing
