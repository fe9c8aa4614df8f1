#include "platform/keydelivery.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace platform {

namespace {
Qt::KeyboardModifier modifierOf(int key) {
  switch (key) {
  case Qt::Key_Shift:
    return Qt::ShiftModifier;
  case Qt::Key_Control:
    return Qt::ControlModifier;
  case Qt::Key_Alt:
    return Qt::AltModifier;
  default:
    return Qt::NoModifier;
  }
}
} // namespace

void sendKeyRecords(const QList<KeyRecord> &records) {
  Qt::KeyboardModifiers held;
  for (const KeyRecord &record : records) {
    // A key event carries the modifiers that were down before it.
    const Qt::KeyboardModifiers before = held;
    if (const Qt::KeyboardModifier modifier = modifierOf(record.key))
      held.setFlag(modifier, !record.up);
    QWidget *target = QApplication::focusWidget();
    if (!target)
      target = QApplication::activeWindow();
    if (!target)
      continue;
    QKeyEvent event(record.up ? QEvent::KeyRelease : QEvent::KeyPress, record.key, before,
                    record.text);
    QApplication::sendEvent(target, &event);
  }
}

} // namespace platform
