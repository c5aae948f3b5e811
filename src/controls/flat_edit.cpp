#include "controls/flat_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace zhcalc::controls {

FlatEdit::FlatEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignLeft);
}

void FlatEdit::setTextAlign(Qt::Alignment align) {
    setAlignment((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
}

void FlatEdit::setCtl3D(bool on) {
    ctl3D_ = on;
    setStyleSheet(on ? QString()
                     : QStringLiteral("QLineEdit { border: 1px solid palette(window-text); "
                                      "background: palette(base); padding: 0px; }"));
}

void FlatEdit::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty()) emit keyPressed(event->text());
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FlatEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (autoSelect_ && !(QApplication::mouseButtons() & Qt::LeftButton)) selectAll();
}

}  // namespace zhcalc::controls
