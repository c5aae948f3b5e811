#pragma once
// Tells assistive technology (a screen reader on the desktop's accessibility bus)
// what changed in a drawn control. Nothing is built while none listens, so the
// controls pay one flag test per change.

#include <QObject>
#include <QString>
#include <functional>

class QAccessibleEvent;

namespace zhcalc::controls::accessibility {

enum class TextChangeKind { None, Insert, Remove, Replace };

// How `before` became `after`: text appended at the end, text cut from the end, or
// the whole text replaced. `text` is what was appended, cut, or the new text.
struct TextChange {
    TextChangeKind kind;
    int position;
    QString text;
    friend bool operator==(const TextChange&, const TextChange&) = default;
};
TextChange textChange(const QString& before, const QString& after);

// The text events for `source`'s text going from `before` to `after`: a screen
// reader speaks the appended text while typing and the new text after a replacement.
void announceTextChange(QObject* source, const QString& before, const QString& after);

// The checked and pressed states of `source` changed.
void announceCheckedChange(QObject* source);

// Whether anyone listens: Qt's bridge to an assistive technology, or a test's sink.
bool listening();
// Hands `event` to whoever listens.
void raise(QAccessibleEvent& event);
// Where the events go instead of Qt's bridge (a test's log); empty gives them back.
using EventSink = std::function<void(QAccessibleEvent&)>;
void setEventSink(EventSink sink);

}  // namespace zhcalc::controls::accessibility
