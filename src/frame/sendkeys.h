#pragma once
// The send-keys notation read into key records; SendKeys (toetsen.h) sends them.
//
// Notation: a character stands for the key that types it, "~" for Enter;
// "{NAME}" or "{NAME n}" presses a named key (END, TAB, F1, ...; any case) once
// or n times, "{c}" or "{c n}" the single character c ("{+}", "{{}", "{}}",
// "{~}" the tilde); "+", "^" and "%" hold Shift, Ctrl and Alt down for the next
// item; "(...)" is a group of plain characters that a prefix applies to as a whole.
#include "platform/keys.h"

#include <QList>
#include <QString>
#include <optional>

namespace MSendInput {

// The most times one "{NAME n}" presses its key.
inline constexpr int kMeesteHerhalingen = 1000;

// The key records of a text, in the order they are sent. nullopt for a text
// that is not sound notation (an unknown key name, a "{" or "(" that is not
// closed, an empty "{}", a prefix with nothing after it, a count above
// kMeesteHerhalingen): such a text sends nothing at all.
std::optional<QList<platform::KeyRecord>> ToetsRecords(const QString &sToetsen);

} // namespace MSendInput
