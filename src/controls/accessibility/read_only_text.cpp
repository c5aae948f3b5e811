#include "controls/accessibility/read_only_text.h"

#include <QMetaObject>
#include <algorithm>

namespace zhcalc::controls::accessibility {

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

void* ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ReadOnlyTextAccessible::text(int startOffset, int endOffset) const {
    const QString whole = wholeText();
    // A negative end means "to the end", as assistive technologies ask for it.
    const qsizetype end =
        endOffset < 0 ? whole.size() : std::min<qsizetype>(endOffset, whole.size());
    const qsizetype start = std::clamp<qsizetype>(startOffset, 0, end);
    return whole.mid(start, end - start);
}

int ReadOnlyTextAccessible::characterCount() const {
    return static_cast<int>(wholeText().size());
}

void ReadOnlyTextAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadOnlyTextAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void runSoon(QObject* context, std::function<void()> action) {
    QMetaObject::invokeMethod(context, std::move(action), Qt::QueuedConnection);
}

}  // namespace zhcalc::controls::accessibility
