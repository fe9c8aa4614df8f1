#include "platform/keys.h"

#include <QApplication>
#include <QChar>
#include <QKeyEvent>
#include <QWidget>

namespace platform {

namespace {
// The printable keys of the US layout other than letters: each key's sign
// without Shift, and at the same place the sign with Shift.
constexpr char16_t kPlain[] = u"`1234567890-=[]\\;',./ ";
constexpr char16_t kShifted[] = u"~!@#$%^&*()_+{}|:\"<>? ";
constexpr qsizetype kSigns = sizeof(kPlain) / sizeof(kPlain[0]) - 1;
static_assert(sizeof(kPlain) == sizeof(kShifted));

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

std::optional<LayoutKey> layoutKey(char32_t c) {
  if (c >= U'a' && c <= U'z')
    return LayoutKey{c, c - U'a' + U'A', false};
  if (c >= U'A' && c <= U'Z')
    return LayoutKey{c - U'A' + U'a', c, true};
  if (c == U'\r' || c == U'\t' || c == U'\b' || c == 0x1B)
    return LayoutKey{c, c, false};
  for (qsizetype i = 0; i < kSigns; ++i) {
    if (c == kPlain[i])
      return LayoutKey{c, kShifted[i], false};
    if (c == kShifted[i])
      return LayoutKey{kPlain[i], c, true};
  }
  return std::nullopt;
}

int keyOfCharacter(char32_t c) {
  switch (c) {
  case U'\r':
    return Qt::Key_Return;
  case U'\t':
    return Qt::Key_Tab;
  case U'\b':
    return Qt::Key_Backspace;
  case 0x1B:
    return Qt::Key_Escape;
  default:
    return static_cast<int>(QChar::toUpper(c));
  }
}

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
