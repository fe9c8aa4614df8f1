#include "frame/sendkeys.h"

#include "platform/numbers.h"

#include <QHash>
#include <Qt>

namespace MSendInput {

namespace {

using platform::KeyRecord;

// A named key: its Qt key and what it types.
struct ToetsNaam {
  int key;
  char16_t tekst;
};

const QHash<QString, ToetsNaam> &ToetsCodes() {
  static const QHash<QString, ToetsNaam> codes = [] {
    QHash<QString, ToetsNaam> c{
        {"BACKSPACE", {Qt::Key_Backspace, u'\b'}},
        {"BS", {Qt::Key_Backspace, u'\b'}},
        {"BKSP", {Qt::Key_Backspace, u'\b'}},
        {"BREAK", {Qt::Key_Pause, 0}},
        {"CAPSLOCK", {Qt::Key_CapsLock, 0}},
        {"DELETE", {Qt::Key_Delete, 0}},
        {"DEL", {Qt::Key_Delete, 0}},
        {"DOWN", {Qt::Key_Down, 0}},
        {"END", {Qt::Key_End, 0}},
        {"ENTER", {Qt::Key_Return, u'\r'}},
        {"ESC", {Qt::Key_Escape, 0x1B}},
        {"HELP", {Qt::Key_Help, 0}},
        {"HOME", {Qt::Key_Home, 0}},
        {"INS", {Qt::Key_Insert, 0}},
        {"INSERT", {Qt::Key_Insert, 0}},
        {"LEFT", {Qt::Key_Left, 0}},
        {"NUMLOCK", {Qt::Key_NumLock, 0}},
        {"PGDN", {Qt::Key_PageDown, 0}},
        {"PGUP", {Qt::Key_PageUp, 0}},
        {"PAUSE", {Qt::Key_Pause, 0}},
        {"PRINT", {Qt::Key_Printer, 0}},
        {"PRTSC", {Qt::Key_Print, 0}},
        {"PRTSCN", {Qt::Key_Print, 0}},
        {"PRINTSCRN", {Qt::Key_Print, 0}},
        {"PRINTSCREEN", {Qt::Key_Print, 0}},
        {"RIGHT", {Qt::Key_Right, 0}},
        {"SCROLLLOCK", {Qt::Key_ScrollLock, 0}},
        {"SELECT", {Qt::Key_Select, 0}},
        {"TAB", {Qt::Key_Tab, u'\t'}},
        {"UP", {Qt::Key_Up, 0}},
    };
    for (int i = 1; i <= 16; ++i)
      c.insert(QStringLiteral("F%1").arg(i), {Qt::Key_F1 + i - 1, 0});
    return c;
  }();
  return codes;
}

// More prefixes in a row than Shift, Ctrl and Alt together ever need.
constexpr int kMeestePrefixen = 8;

enum Modifier { Shift = 1, Ctrl = 2, Alt = 4 };

// Reads a text item by item into key records. Returns false as soon as the
// text turns out not to be sound notation.
class Lezer {
public:
  explicit Lezer(const QString &sToetsen) : sToetsBuffer(sToetsen) {}

  std::optional<QList<KeyRecord>> Lees() {
    while (lToetsPos < sToetsBuffer.size())
      if (!LeesItem())
        return std::nullopt;
    return aInvoer;
  }

private:
  const QString &sToetsBuffer;
  qsizetype lToetsPos = 0; // index of the next character to read
  int bModifiers = 0;
  int iDiepte = 0; // prefixes in force
  QList<KeyRecord> aInvoer;

  static int ModifierKey(Modifier m) {
    return m == Shift ? Qt::Key_Shift : m == Ctrl ? Qt::Key_Control : Qt::Key_Alt;
  }

  void Schrijf(int key, bool up, const QString &tekst = QString()) {
    aInvoer.append(KeyRecord{key, up, tekst});
  }

  // The character at index i of a text: one code unit, or two for a
  // surrogate pair, in which case i is moved onto the second.
  static char32_t TekenOp(const QString &tekst, qsizetype &i) {
    const QChar c = tekst[i];
    if (c.isHighSurrogate() && i + 1 < tekst.size() && tekst[i + 1].isLowSurrogate()) {
      ++i;
      return QChar::surrogateToUcs4(c, tekst[i]);
    }
    return c.unicode();
  }

  bool LeesItem() {
    const QChar c = sToetsBuffer[lToetsPos];
    if (c == u'+' || c == u'^' || c == u'%') {
      const Modifier m = c == u'+' ? Shift : c == u'^' ? Ctrl : Alt;
      ++lToetsPos;
      // A prefix needs an item to hold its key for; prefixes on prefixes
      // are bounded so that no text can exhaust the stack.
      if (lToetsPos >= sToetsBuffer.size() || ++iDiepte > kMeestePrefixen)
        return false;
      Schrijf(ModifierKey(m), false);
      bModifiers |= m;
      if (!LeesItem())
        return false;
      --iDiepte;
      Schrijf(ModifierKey(m), true);
      bModifiers &= ~m;
      return true;
    }
    if (c == u'(')
      return LeesGroep();
    if (c == u'{')
      return LeesNaam();
    const char32_t teken = TekenOp(sToetsBuffer, lToetsPos);
    ++lToetsPos;
    StuurTeken(teken);
    return true;
  }

  bool LeesGroep() {
    const qsizetype sluit = sToetsBuffer.indexOf(u')', lToetsPos + 1);
    if (sluit < 0)
      return false;
    if (sluit == lToetsPos + 1) {
      // "()": nothing for the group; its ")" is read as an item of its own.
      ++lToetsPos;
      return true;
    }
    for (qsizetype i = lToetsPos + 1; i < sluit; ++i)
      StuurTeken(TekenOp(sToetsBuffer, i));
    lToetsPos = sluit + 1;
    return true;
  }

  bool LeesNaam() {
    // The search starts two places on, so that "{}}" names the character "}".
    const qsizetype sluit = sToetsBuffer.indexOf(u'}', lToetsPos + 2);
    if (sluit < 0)
      return false;
    const QStringList delen = sToetsBuffer.mid(lToetsPos + 1, sluit - lToetsPos - 1).split(u' ');
    const QString sNaam = delen.at(0);
    double aantal = delen.size() > 1 ? platform::val(delen.at(1)) : 1.0;
    if (aantal < 1)
      aantal = 1;
    if (aantal > kMeesteHerhalingen)
      return false;
    const int n = static_cast<int>(aantal);

    const auto bekend = ToetsCodes().constFind(sNaam.toUpper());
    if (bekend != ToetsCodes().constEnd()) {
      const QString tekst = bekend->tekst ? QString(QChar(bekend->tekst)) : QString();
      for (int i = 0; i < n; ++i)
        Druk(bekend->key, false, tekst);
    } else {
      // Not a key name: it must be one single character, sent n times.
      if (sNaam.isEmpty())
        return false;
      qsizetype i = 0;
      const char32_t teken = TekenOp(sNaam, i);
      if (i + 1 != sNaam.size())
        return false;
      for (int k = 0; k < n; ++k)
        StuurLetterlijk(teken);
    }
    lToetsPos = sluit + 1;
    return true;
  }

  // An ordinary character of the text: "~" is Enter.
  void StuurTeken(char32_t teken) {
    if (teken == U'~')
      Druk(Qt::Key_Return, false, QStringLiteral("\r"));
    else
      StuurLetterlijk(teken);
  }

  // The character itself: the layout key that types it, or, when no key
  // types it, the character on its own.
  void StuurLetterlijk(char32_t teken) {
    const std::optional<platform::LayoutKey> toets = platform::layoutKey(teken);
    if (!toets) {
      Druk(platform::keyOfCharacter(teken), false, QString::fromUcs4(&teken, 1));
      return;
    }
    // With Shift held by a prefix the key types its shifted sign.
    const char32_t getypt = (toets->shift || (bModifiers & Shift)) ? toets->shifted : toets->plain;
    Druk(platform::keyOfCharacter(getypt), toets->shift, QString::fromUcs4(&getypt, 1));
  }

  // One press and release of a key, with Shift around it when the key needs
  // it and no prefix holds Shift already. Under Ctrl or Alt a key types nothing.
  void Druk(int key, bool bShift, const QString &tekst) {
    const bool bShiftErbij = bShift && !(bModifiers & Shift);
    const QString getypt = (bModifiers & (Ctrl | Alt)) ? QString() : tekst;
    if (bShiftErbij)
      Schrijf(Qt::Key_Shift, false);
    Schrijf(key, false, getypt);
    Schrijf(key, true, getypt);
    if (bShiftErbij)
      Schrijf(Qt::Key_Shift, true);
  }
};

} // namespace

std::optional<QList<platform::KeyRecord>> ToetsRecords(const QString &sToetsen) {
  return Lezer(sToetsen).Lees();
}

} // namespace MSendInput
