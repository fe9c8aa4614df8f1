#include "scoring/spelregel.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>

namespace scoring {

namespace {

// The board lines are read at every opening of the entry window, a hundred
// and more at a time: the fields are checked by hand, on views of the line.

bool IsCijfer(QChar c) { return c >= u'0' && c <= u'9'; }

bool AlleenCijfers(QStringView s, qsizetype min, qsizetype max) {
  return s.size() >= min && s.size() <= max && std::all_of(s.begin(), s.end(), IsCijfer);
}

int Getal(QStringView cijfers) {
  int n = 0;
  for (const QChar c : cijfers)
    n = n * 10 + (c.unicode() - u'0');
  return n;
}

// "" or a pair number from 1 to iParen; -1 for anything else.
int LeesPaar(QStringView s, int iParen) {
  if (s.isEmpty())
    return 0;
  if (!AlleenCijfers(s, 1, 3))
    return -1;
  const int paar = Getal(s);
  return paar >= 1 && paar <= iParen ? paar : -1;
}

// "", "n", "N", a whole number of at most five digits, or a whole
// percentage from 0 to 100.
bool IsScoreTekst(QStringView s) {
  if (s.isEmpty() || s == u"n" || s == u"N")
    return true;
  if (s.endsWith(u'%'))
    return AlleenCijfers(s.chopped(1), 1, 3) && Getal(s.chopped(1)) <= 100;
  return AlleenCijfers(s.startsWith(u'-') ? s.mid(1) : s, 1, 5);
}

// "", "n", or a number from 0 to 999 with at most two decimals.
bool IsMPTekst(QStringView s) {
  if (s.isEmpty() || s == u"n")
    return true;
  const qsizetype punt = s.indexOf(u'.');
  if (punt < 0)
    return AlleenCijfers(s, 1, 3);
  return AlleenCijfers(s.left(punt), 0, 3) && AlleenCijfers(s.mid(punt + 1), 1, 2);
}

// The text of a field. The same few scores and matchpoints come back on
// every line, so each short text is made once and then shared.
QString GedeeldeTekst(QStringView s) {
  if (s.isEmpty())
    return QString();
  if (s.size() > 8)
    return s.toString();
  std::uint64_t sleutel = static_cast<std::uint64_t>(s.size());
  for (const QChar c : s) {
    if (c.unicode() > 127)
      return s.toString();
    sleutel = sleutel << 7 | c.unicode();
  }
  thread_local std::unordered_map<std::uint64_t, QString> gemaakt;
  if (gemaakt.size() > 4096)
    gemaakt.clear();
  auto [it, nieuw] = gemaakt.try_emplace(sleutel);
  if (nieuw)
    it->second = s.toString();
  return it->second;
}

// Appends a pair number without a text of its own.
void VoegPaarToe(QString &uit, int paar) {
  if (paar <= 0)
    return;
  char cijfers[12];
  int n = 0;
  for (; paar > 0; paar /= 10)
    cijfers[n++] = static_cast<char>('0' + paar % 10);
  while (n > 0)
    uit += QLatin1Char(cijfers[--n]);
}

} // namespace

QString SpelSleutel(int iSpel) { return QStringLiteral("%1").arg(iSpel, 2, 10, QLatin1Char('0')); }

QString SchrijfSpelRegel(const SpelRegel &regel) {
  QString uit = SpelSleutel(regel.iSpel);
  uit.reserve(uit.size() + 1 + regel.rijen.size() * 32);
  uit += u'*';
  for (qsizetype i = 0; i < regel.rijen.size(); ++i) {
    const SpelRegelRij &rij = regel.rijen.at(i);
    if (i > 0)
      uit += u'@';
    VoegPaarToe(uit, rij.nz);
    uit += u'|';
    VoegPaarToe(uit, rij.ow);
    uit += QLatin1String("|||");
    uit += rij.scoreNZ;
    uit += u'|';
    uit += rij.scoreOW;
    uit += u'|';
    uit += rij.mpNZ;
    uit += u'|';
    uit += rij.mpOW;
  }
  return uit;
}

int SpelNummerVan(const QString &sRegel) {
  const qsizetype ster = sRegel.indexOf(u'*');
  const QStringView nummer = QStringView(sRegel).left(std::max<qsizetype>(ster, 0));
  return ster > 0 && AlleenCijfers(nummer, 1, 3) ? Getal(nummer) : 0;
}

std::optional<SpelRegel> LeesSpelRegel(const QString &sRegel, int iSpellen, int iParen) {
  SpelRegel regel;
  regel.iSpel = SpelNummerVan(sRegel);
  if (regel.iSpel < 1 || regel.iSpel > iSpellen)
    return std::nullopt;
  const QStringView rest = QStringView(sRegel).mid(sRegel.indexOf(u'*') + 1);
  if (rest.contains(u'*'))
    return std::nullopt;
  regel.rijen.reserve(rest.count(u'@') + 1);
  qsizetype begin = 0;
  while (true) {
    // One row part: its eight fields up to the next "@".
    qsizetype einde = rest.indexOf(u'@', begin);
    if (einde < 0)
      einde = rest.size();
    const QStringView deel = rest.mid(begin, einde - begin);
    std::array<QStringView, 8> velden;
    qsizetype aantal = 0;
    for (qsizetype van = 0;;) {
      const qsizetype tot = deel.indexOf(u'|', van);
      if (aantal == 8)
        return std::nullopt; // a ninth field
      velden[aantal++] = deel.mid(van, (tot < 0 ? deel.size() : tot) - van);
      if (tot < 0)
        break;
      van = tot + 1;
    }
    if (aantal != 8 || !velden[2].isEmpty() || !velden[3].isEmpty())
      return std::nullopt;
    SpelRegelRij rij;
    rij.nz = LeesPaar(velden[0], iParen);
    rij.ow = LeesPaar(velden[1], iParen);
    if (rij.nz < 0 || rij.ow < 0 || !IsScoreTekst(velden[4]) || !IsScoreTekst(velden[5]) ||
        !IsMPTekst(velden[6]) || !IsMPTekst(velden[7]))
      return std::nullopt;
    rij.scoreNZ = GedeeldeTekst(velden[4]);
    rij.scoreOW = GedeeldeTekst(velden[5]);
    rij.mpNZ = GedeeldeTekst(velden[6]);
    rij.mpOW = GedeeldeTekst(velden[7]);
    regel.rijen.append(rij);
    if (einde == rest.size())
      break;
    begin = einde + 1;
  }
  return regel;
}

} // namespace scoring
