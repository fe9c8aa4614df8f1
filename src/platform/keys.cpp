#include "platform/keys.h"

#include <QChar>

namespace platform {

namespace {
// The printable keys of the US layout other than letters: each key's sign
// without Shift, and at the same place the sign with Shift.
constexpr char16_t kPlain[] = u"`1234567890-=[]\\;',./ ";
constexpr char16_t kShifted[] = u"~!@#$%^&*()_+{}|:\"<>? ";
constexpr qsizetype kSigns = sizeof(kPlain) / sizeof(kPlain[0]) - 1;
static_assert(sizeof(kPlain) == sizeof(kShifted));

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

} // namespace platform
