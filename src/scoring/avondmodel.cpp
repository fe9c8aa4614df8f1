#include "scoring/avondmodel.h"

#include <algorithm>

namespace scoring {

namespace {

bool IsLeeg(const SpelRegelRij &rij) {
  return rij.scoreNZ.isEmpty() && rij.scoreOW.isEmpty() && rij.mpNZ.isEmpty() && rij.mpOW.isEmpty();
}

void WisTeksten(SpelRij &rij) {
  rij.scoreNZ.clear();
  rij.scoreOW.clear();
  rij.mpNZ.clear();
  rij.mpOW.clear();
}

} // namespace

AvondModel::AvondModel(const AvondKop &kop, const QVector<QVector<TafelParen>> &tafelsPerSpel)
    : m_kop(kop), m_tafels(std::max(kop.intAantalParen, 0) / 2),
      m_top(BerekenTop(kop.intAantalParen, kop.intStilzitPaar)) {
  const int spellen = std::max(kop.intAantalRonden, 0) * std::max(kop.intSpellenPerRonde, 0);
  m_spellen.resize(spellen);
  m_hoogstePaar = std::max(kop.intAantalParen, 0);
  for (int b = 0; b < spellen; ++b) {
    Spel &spel = m_spellen[b];
    if (b < tafelsPerSpel.size())
      spel.tafels = tafelsPerSpel.at(b);
    // The rows stand in the order of the North-South pairs.
    std::stable_sort(spel.tafels.begin(), spel.tafels.end(),
                     [](const TafelParen &a, const TafelParen &c) {
                       return a.nz != c.nz ? a.nz < c.nz : a.ow < c.ow;
                     });
    if (spel.tafels.size() > m_tafels)
      spel.tafels.resize(m_tafels);
    // A schema that names more pairs than the header has still gets its lines read back.
    for (const TafelParen &t : spel.tafels)
      m_hoogstePaar = std::max(m_hoogstePaar, std::min(std::max(t.nz, t.ow), 999));
    spel.rijen = LegeRijen(spel);
    spel.opgeslagen = spel.rijen;
  }
}

QVector<SpelRij> AvondModel::LegeRijen(const Spel &spel) const {
  QVector<SpelRij> rijen(m_tafels);
  const int stilzit = m_kop.intStilzitPaar;
  for (int i = 0; i < spel.tafels.size(); ++i) {
    SpelRij &rij = rijen[i];
    rij.nz = spel.tafels.at(i).nz;
    rij.ow = spel.tafels.at(i).ow;
    rij.doetMee =
        rij.nz > 0 && rij.ow > 0 && (stilzit == 0 || (rij.nz != stilzit && rij.ow != stilzit));
  }
  return rijen;
}

bool AvondModel::IsGeldig(int iSpel) const { return iSpel >= 1 && iSpel <= m_spellen.size(); }

// Puts the rows of a line onto the tables of the board; false when a row
// names no table of the board (or one twice) or holds scores for a table that
// does not take part.
bool AvondModel::Past(const Spel &spel, const SpelRegel &regel, QVector<SpelRij> &rijen) const {
  rijen = LegeRijen(spel);
  QVector<bool> bezet(rijen.size(), false);
  for (const SpelRegelRij &deel : regel.rijen) {
    if (deel.nz == 0 && deel.ow == 0) {
      if (!IsLeeg(deel))
        return false;
      continue;
    }
    int i = 0;
    for (; i < spel.tafels.size(); ++i) {
      const TafelParen &t = spel.tafels.at(i);
      if (!bezet.at(i) &&
          ((t.nz == deel.nz && t.ow == deel.ow) || (t.nz == deel.ow && t.ow == deel.nz)))
        break;
    }
    if (i == spel.tafels.size())
      return false;
    bezet[i] = true;
    SpelRij &rij = rijen[i];
    if (!rij.doetMee) {
      if (!IsLeeg(deel))
        return false;
      continue;
    }
    rij.omgewisseld = deel.nz != spel.tafels.at(i).nz;
    rij.nz = deel.nz;
    rij.ow = deel.ow;
    rij.scoreNZ = deel.scoreNZ;
    rij.scoreOW = deel.scoreOW;
    rij.mpNZ = deel.mpNZ;
    rij.mpOW = deel.mpOW;
  }
  return true;
}

void AvondModel::LeesRegels(const QStringList &regels, const std::function<void(int)> &voortgang) {
  m_regels = regels;
  m_gelezen = QVector<bool>(regels.size(), false);
  for (Spel &spel : m_spellen) {
    spel.regel = -1;
    spel.onleesbaar = -1;
    spel.klaar = false;
  }
  for (int i = 0; i < regels.size(); ++i) {
    const std::optional<SpelRegel> regel =
        LeesSpelRegel(regels.at(i), AantalSpellen(), m_hoogstePaar);
    if (!regel)
      continue;
    Spel &spel = m_spellen[regel->iSpel - 1];
    QVector<SpelRij> rijen;
    if (spel.regel >= 0 || !Past(spel, *regel, rijen))
      continue;
    m_gelezen[i] = true;
    spel.regel = i;
    spel.rijen = rijen;
    spel.opgeslagen = rijen;
  }
  // Every board read is scored again, in board order.
  for (int b = 1; b <= AantalSpellen(); ++b) {
    if (voortgang)
      voortgang(b);
    const Spel &spel = m_spellen.at(b - 1);
    if (spel.regel >= 0 && KanKlaar(spel.rijen))
      Scoor(b);
  }
  // The boards without a line of their own start empty; a line that names
  // such a board and could not be read is the one its own line replaces.
  for (int i = 0; i < regels.size(); ++i) {
    const int b = SpelNummerVan(regels.at(i));
    if (m_gelezen.at(i) || b < 1 || b > AantalSpellen())
      continue;
    Spel &spel = m_spellen[b - 1];
    if (spel.regel < 0 && spel.onleesbaar < 0)
      spel.onleesbaar = i;
  }
  for (Spel &spel : m_spellen) {
    if (spel.regel < 0) {
      spel.rijen = LegeRijen(spel);
      spel.opgeslagen = spel.rijen;
    }
  }
}

QVector<int> AvondModel::OnbekendeRegels() const {
  QVector<int> uit;
  for (int i = 0; i < m_gelezen.size(); ++i) {
    if (m_gelezen.at(i) || m_regels.at(i).trimmed().isEmpty())
      continue;
    if (std::none_of(m_spellen.cbegin(), m_spellen.cend(),
                     [i](const Spel &spel) { return spel.onleesbaar == i; }))
      uit.append(i);
  }
  return uit;
}

QVector<int> AvondModel::OnleesbareSpellen() const {
  QVector<int> uit;
  for (int b = 0; b < m_spellen.size(); ++b) {
    if (m_spellen.at(b).onleesbaar >= 0)
      uit.append(b + 1);
  }
  return uit;
}

const QVector<SpelRij> &AvondModel::Rijen(int iSpel) const {
  static const QVector<SpelRij> geen;
  return IsGeldig(iSpel) ? m_spellen.at(iSpel - 1).rijen : geen;
}

QVector<RijInvoer> AvondModel::Invoer(int iSpel) const {
  QVector<RijInvoer> uit;
  for (const SpelRij &rij : Rijen(iSpel))
    uit.append({rij.scoreNZ, rij.scoreOW, rij.doetMee});
  return uit;
}

void AvondModel::OpenSpel(int iSpel) {
  if (IsGeldig(iSpel))
    m_spellen[iSpel - 1].rijen = m_spellen.at(iSpel - 1).opgeslagen;
}

void AvondModel::ZetScores(int iSpel, int iRij, const QString &sScoreNZ, const QString &sScoreOW) {
  if (!IsGeldig(iSpel) || iRij < 0 || iRij >= m_tafels)
    return;
  SpelRij &rij = m_spellen[iSpel - 1].rijen[iRij];
  if (!rij.doetMee)
    return;
  rij.scoreNZ = sScoreNZ;
  rij.scoreOW = sScoreOW;
}

void AvondModel::WisRij(int iSpel, int iRij) {
  if (!IsGeldig(iSpel) || iRij < 0 || iRij >= m_tafels)
    return;
  SpelRij &rij = m_spellen[iSpel - 1].rijen[iRij];
  if (rij.doetMee)
    WisTeksten(rij);
}

void AvondModel::WisselParen(int iSpel, int iRij) {
  if (!IsGeldig(iSpel) || iRij < 0 || iRij >= m_tafels)
    return;
  SpelRij &rij = m_spellen[iSpel - 1].rijen[iRij];
  if (!rij.doetMee)
    return;
  std::swap(rij.nz, rij.ow);
  rij.omgewisseld = !rij.omgewisseld;
}

QVector<int> AvondModel::TeHerzien(int iSpel) const {
  QVector<int> uit;
  const QVector<SpelRij> &rijen = Rijen(iSpel);
  for (int i = 0; i < rijen.size(); ++i) {
    if (rijen.at(i).doetMee && MoetHerzien(rijen.at(i).scoreNZ, rijen.at(i).scoreOW))
      uit.append(i);
  }
  return uit;
}

bool AvondModel::KanKlaar(const QVector<SpelRij> &rijen) const {
  // Every row that takes part complete (as RijenCompleet) and through ENTER.
  for (const SpelRij &rij : rijen) {
    if (rij.doetMee && (rij.scoreNZ.trimmed().isEmpty() || rij.scoreOW.trimmed().isEmpty() ||
                        MoetHerzien(rij.scoreNZ, rij.scoreOW)))
      return false;
  }
  return true;
}

void AvondModel::Scoor(int iSpel) {
  Spel &spel = m_spellen[iSpel - 1];
  QVector<SpelRijScore> scores;
  scores.reserve(spel.rijen.size());
  for (const SpelRij &rij : spel.rijen)
    scores.append({rij.scoreNZ, rij.scoreOW, rij.doetMee});
  const QVector<SpelRijMP> mp = ScoorSpel(scores, m_top);
  SpelRegel regel;
  regel.iSpel = iSpel;
  regel.rijen.reserve(spel.rijen.size());
  for (int i = 0; i < spel.rijen.size(); ++i) {
    SpelRij &rij = spel.rijen[i];
    rij.mpNZ = mp.at(i).mpNZ;
    rij.mpOW = mp.at(i).mpOW;
    regel.rijen.append({rij.nz, rij.ow, rij.scoreNZ, rij.scoreOW, rij.mpNZ, rij.mpOW});
  }
  const QString tekst = SchrijfSpelRegel(regel);
  if (spel.regel < 0 && spel.onleesbaar >= 0) {
    // The line that could not be read gives way to the board's own.
    spel.regel = spel.onleesbaar;
    spel.onleesbaar = -1;
    m_gelezen[spel.regel] = true;
  }
  if (spel.regel >= 0) {
    m_regels[spel.regel] = tekst;
  } else {
    spel.regel = static_cast<int>(m_regels.size());
    m_regels.append(tekst);
    m_gelezen.append(true);
  }
  spel.opgeslagen = spel.rijen;
  spel.klaar = true;
}

bool AvondModel::IsGewijzigd(int iSpel) const {
  if (!IsGeldig(iSpel))
    return false;
  const Spel &spel = m_spellen.at(iSpel - 1);
  bool paren = false;
  bool scores = false;
  for (int i = 0; i < spel.rijen.size() && i < spel.opgeslagen.size(); ++i) {
    const SpelRij &rij = spel.rijen.at(i);
    const SpelRij &oud = spel.opgeslagen.at(i);
    if (rij.scoreNZ != oud.scoreNZ || rij.scoreOW != oud.scoreOW)
      return true;
    paren = paren || rij.nz != oud.nz || rij.ow != oud.ow;
    scores = scores || !rij.scoreNZ.isEmpty() || !rij.scoreOW.isEmpty();
  }
  // An exchange is stored with the board's scores; on a board without any
  // there is nothing Klaar could store.
  return paren && scores;
}

bool AvondModel::MagKlaar(int iSpel) const {
  return IsGeldig(iSpel) && KanKlaar(m_spellen.at(iSpel - 1).rijen) && IsGewijzigd(iSpel);
}

bool AvondModel::SpelKlaar(int iSpel) {
  if (!IsGeldig(iSpel) || !KanKlaar(m_spellen.at(iSpel - 1).rijen))
    return false;
  Scoor(iSpel);
  return true;
}

void AvondModel::WisSpel(int iSpel) {
  if (!IsGeldig(iSpel))
    return;
  Spel &spel = m_spellen[iSpel - 1];
  for (SpelRij &rij : spel.rijen)
    WisTeksten(rij);
  // Every line of the board goes: its own, one that could not be read and a
  // second one, so that nothing of it comes back at the next opening.
  const int eigen = spel.regel;
  spel.regel = -1;
  spel.onleesbaar = -1;
  for (int i = static_cast<int>(m_regels.size()) - 1; i >= 0; --i) {
    if (i != eigen && SpelNummerVan(m_regels.at(i)) != iSpel)
      continue;
    m_regels.removeAt(i);
    m_gelezen.removeAt(i);
    for (Spel &ander : m_spellen) {
      if (ander.regel > i)
        --ander.regel;
      if (ander.onleesbaar > i)
        --ander.onleesbaar;
    }
  }
  spel.klaar = false;
  spel.opgeslagen = LegeRijen(spel);
}

bool AvondModel::VulVoorbeeld(int iSpel, const std::function<int()> &trek) {
  if (!IsGeldig(iSpel) || IsKlaar(iSpel))
    return false;
  Spel &spel = m_spellen[iSpel - 1];
  for (SpelRij &rij : spel.rijen) {
    const QString score = VoorbeeldScore(trek());
    if (rij.doetMee) {
      rij.scoreNZ = score;
      rij.scoreOW = Spiegel(score);
    }
  }
  return SpelKlaar(iSpel);
}

bool AvondModel::MagVoorbeeld(int iSpel) const {
  return IsGeldig(iSpel) && !IsKlaar(iSpel) && !HeeftGetypteScore(Invoer(iSpel));
}

bool AvondModel::IsKlaar(int iSpel) const {
  return IsGeldig(iSpel) && m_spellen.at(iSpel - 1).klaar;
}

bool AvondModel::AlleKlaar() const { return VolgendOnafgemaakt() == 0; }

int AvondModel::VolgendOnafgemaakt() const {
  for (int b = 0; b < m_spellen.size(); ++b) {
    if (!m_spellen.at(b).klaar)
      return b + 1;
  }
  return 0;
}

AvondStand AvondModel::Stand(const QStringList &labels) const {
  AvondStand stand;
  stand.intAantalParen = m_kop.intAantalParen;
  stand.intStilzitPaar = m_kop.intStilzitPaar;
  stand.iSpellen = AantalSpellen();
  stand.intTop = m_top;
  stand.labels = labels;
  for (const Spel &spel : m_spellen) {
    QVector<GescoordeRij> rijen;
    if (spel.klaar) {
      for (const SpelRij &rij : spel.opgeslagen) {
        if (rij.doetMee)
          rijen.append({rij.nz, rij.ow, rij.mpNZ, rij.mpOW});
      }
    }
    stand.spellen.append(rijen);
  }
  return stand;
}

QString VoorbeeldScore(int r) {
  static const char *const scores[] = {"100", "110", "-90", "-120", "-100",
                                       "80",  "200", "300", "-110", "120"};
  return QString::fromLatin1(scores[std::clamp(r, 0, 9)]);
}

QString SpelNummers(const QVector<int> &spellen) {
  QStringList nummers;
  for (const int b : spellen)
    nummers.append(QString::number(b));
  return nummers.join(QStringLiteral(", "));
}

QString RegelNummers(const QVector<int> &indexen, int kopRegels) {
  QVector<int> nummers;
  for (const int i : indexen)
    nummers.append(kopRegels + i + 1);
  return SpelNummers(nummers);
}

} // namespace scoring
