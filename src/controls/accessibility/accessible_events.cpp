#include "controls/accessibility/accessible_events.h"

#include <QAccessible>

namespace zhcalc::controls::accessibility {
namespace {

EventSink& sink() {
    static EventSink instance;
    return instance;
}

}  // namespace

bool listening() {
    return sink() ? true : QAccessible::isActive();
}

void raise(QAccessibleEvent& event) {
    if (sink()) {
        sink()(event);
        return;
    }
    QAccessible::updateAccessibility(&event);
}

void setEventSink(EventSink newSink) {
    sink() = std::move(newSink);
}

TextChange textChange(const QString& before, const QString& after) {
    if (before == after) return {TextChangeKind::None, 0, {}};
    if (after.startsWith(before))
        return {TextChangeKind::Insert, static_cast<int>(before.size()), after.mid(before.size())};
    if (before.startsWith(after))
        return {TextChangeKind::Remove, static_cast<int>(after.size()), before.mid(after.size())};
    return {TextChangeKind::Replace, 0, after};
}

void announceTextChange(QObject* source, const QString& before, const QString& after) {
    if (!listening()) return;
    const TextChange change = textChange(before, after);
    switch (change.kind) {
        case TextChangeKind::None:
            return;
        case TextChangeKind::Insert: {
            QAccessibleTextInsertEvent event(source, change.position, change.text);
            raise(event);
            return;
        }
        case TextChangeKind::Remove: {
            QAccessibleTextRemoveEvent event(source, change.position, change.text);
            raise(event);
            return;
        }
        case TextChangeKind::Replace: {
            QAccessibleTextUpdateEvent event(source, 0, before, after);
            raise(event);
            return;
        }
    }
}

void announceCheckedChange(QObject* source) {
    if (!listening()) return;
    QAccessible::State changed;
    changed.checked = true;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(source, changed);
    raise(event);
}

}  // namespace zhcalc::controls::accessibility
