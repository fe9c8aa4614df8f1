#pragma once
// Our stand-in for the system's keyboard input: key records and the keyboard
// layout that tells which key types a character. Delivery is in keydelivery.h.
#include <QList>
#include <QString>
#include <optional>

namespace platform {

// One key going down or up. key is a Qt::Key value; text is what the key types
// (empty for keys that type nothing, and while Ctrl or Alt is held).
struct KeyRecord {
  int key = 0;
  bool up = false;
  QString text;
  friend bool operator==(const KeyRecord &, const KeyRecord &) = default;
};

// The key of the layout that types a character: the character it types
// without and with Shift, and whether the character asked for needs Shift.
struct LayoutKey {
  char32_t plain = 0;
  char32_t shifted = 0;
  bool shift = false;
};

// The layout key that types c (US layout: letters, digits, the printable
// ASCII signs, blank, and the control characters of Enter, Tab, Backspace and
// Escape); nullopt when no key types it.
std::optional<LayoutKey> layoutKey(char32_t c);

// The Qt::Key a typed character reports: its upper-case code point.
int keyOfCharacter(char32_t c);

} // namespace platform
