#include "rounds/slipopslag.h"

#include "scoring/avondmodel.h"
#include "scoring/matchpunten.h"
#include "scoring/scoretabellen.h"
#include "scoring/waarde.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace rounds {

namespace {

// The pair part of a key: two pair numbers joined by a dash, any blanks.
const QRegularExpression &paarPatroon() {
  static const QRegularExpression re(QStringLiteral("^\\s*([0-9]{1,3})\\s*-\\s*([0-9]{1,3})\\s*$"));
  return re;
}

bool IsLeeg(const SlipCel &cel) { return cel.nz.isEmpty() && cel.ow.isEmpty(); }

// A percentage from 0 to 100, whole or with decimals: "60%", "57.5%".
bool IsPercentage(const QString &s) {
  static const QRegularExpression re(QStringLiteral("^[0-9]{1,3}(\\.[0-9]+)?%$"));
  return re.match(s).hasMatch() && scoring::Waarde(s) <= 100;
}

// The North-South text turned round by its sign alone: "n" and "N" as they
// are, the minus taken off a negative score, a minus put before any other.
QString Omgekeerd(const QString &sScoreNZ) {
  if (scoring::IsNietGespeeld(sScoreNZ))
    return sScoreNZ;
  return scoring::Waarde(sScoreNZ) < 0 ? sScoreNZ.mid(1) : u'-' + sScoreNZ;
}

} // namespace

bool IsScorePaar(const QString &sScoreNZ, const QString &sScoreOW, int iSpel) {
  if (sScoreNZ.trimmed().isEmpty() || scoring::MoetHerzien(sScoreNZ, sScoreOW))
    return false;
  if (sScoreNZ.contains(u'%'))
    return scoring::IsGeldigPercentage(sScoreNZ) && scoring::IsGeldigPercentage(sScoreOW);
  return scoring::ValideerScore(sScoreNZ, scoring::Kwetsbaarheid(iSpel)) !=
         scoring::ScoreOordeel::BestaatNiet;
}

bool IsOpgeslagenScore(const QString &sScoreNZ, const QString &sScoreOW, int iSpel) {
  if (IsScorePaar(sScoreNZ, sScoreOW, iSpel))
    return true;
  if (sScoreNZ.contains(u'%'))
    return IsPercentage(sScoreNZ) && IsPercentage(sScoreOW);
  return (sScoreOW.isEmpty() || sScoreOW == Omgekeerd(sScoreNZ)) &&
         IsScorePaar(sScoreNZ, scoring::Spiegel(sScoreNZ), iSpel);
}

QString SpiegelOW(const QString &sScoreNZ, const QString &sScoreOW) {
  return sScoreNZ.contains(u'%') ? sScoreOW : scoring::Spiegel(sScoreNZ);
}

SlipOpslag::SlipOpslag(const RondeSchema &schema) : m_schema(schema) {
  m_slips.resize(m_schema.AantalRonden());
  for (int r = 1; r <= m_schema.AantalRonden(); ++r) {
    const QVector<RondeTafel> &tafels = m_schema.Tafels(r);
    QVector<Slip> &slips = m_slips[r - 1];
    slips.resize(tafels.size());
    for (int t = 0; t < tafels.size(); ++t)
      if (tafels.at(t).IsSlip())
        slips[t].cellen.resize(tafels.at(t).AantalSpellen());
  }
  m_onbekend.resize(m_schema.AantalSpellen());
}

const SlipOpslag::Slip *SlipOpslag::Zoek(const TafelPlek &plek) const {
  if (plek.ronde < 1 || plek.ronde > m_slips.size())
    return nullptr;
  const QVector<Slip> &slips = m_slips.at(plek.ronde - 1);
  return plek.tafel >= 0 && plek.tafel < slips.size() ? &slips.at(plek.tafel) : nullptr;
}

SlipOpslag::Slip *SlipOpslag::Zoek(const TafelPlek &plek) {
  // Indexed for writing, so that a copy of the store is not written through.
  if (!std::as_const(*this).Zoek(plek))
    return nullptr;
  return &m_slips[plek.ronde - 1][plek.tafel];
}

bool SlipOpslag::Omgewisseld(const TafelPlek &plek) const {
  const Slip *slip = Zoek(plek);
  return slip && slip->omgewisseld;
}

int SlipOpslag::NZ(const TafelPlek &plek) const {
  const RondeTafel &t = m_schema.Tafel(plek);
  return Omgewisseld(plek) ? t.ow : t.nz;
}

int SlipOpslag::OW(const TafelPlek &plek) const {
  const RondeTafel &t = m_schema.Tafel(plek);
  return Omgewisseld(plek) ? t.nz : t.ow;
}

QString SlipOpslag::ParenTekst(const TafelPlek &plek) const {
  return QStringLiteral("%1 - %2").arg(NZ(plek)).arg(OW(plek));
}

const QVector<SlipCel> &SlipOpslag::Cellen(const TafelPlek &plek) const {
  static const QVector<SlipCel> geen;
  const Slip *slip = Zoek(plek);
  return slip ? slip->cellen : geen;
}

bool SlipOpslag::IsCompleet(const TafelPlek &plek) const {
  const QVector<SlipCel> &cellen = Cellen(plek);
  return !cellen.isEmpty() &&
         std::all_of(cellen.cbegin(), cellen.cend(), [](const SlipCel &c) { return c.ingevoerd; });
}

bool SlipOpslag::HeeftScores(const TafelPlek &plek) const {
  const QVector<SlipCel> &cellen = Cellen(plek);
  return std::any_of(cellen.cbegin(), cellen.cend(),
                     [](const SlipCel &c) { return c.ingevoerd || !IsLeeg(c); });
}

bool SlipOpslag::AllesIngevoerd() const {
  for (int r = 1; r <= m_schema.AantalRonden(); ++r)
    for (const int t : m_schema.Slips(r))
      if (!IsCompleet({r, t}))
        return false;
  return true;
}

void SlipOpslag::ZetSlip(const TafelPlek &plek, const QVector<QPair<QString, QString>> &rijen) {
  Slip *slip = Zoek(plek);
  if (!slip)
    return;
  const int eerste = m_schema.Tafel(plek).eersteSpel;
  for (int i = 0; i < slip->cellen.size(); ++i) {
    SlipCel &cel = slip->cellen[i];
    cel = SlipCel();
    if (i >= rijen.size() || rijen.at(i).first.trimmed().isEmpty())
      continue; // an East-West text without its North-South text is not kept
    cel.nz = rijen.at(i).first;
    cel.ow = rijen.at(i).second;
    cel.ingevoerd = IsOpgeslagenScore(cel.nz, cel.ow, eerste + i);
  }
}

void SlipOpslag::WisSlip(const TafelPlek &plek) {
  if (Slip *slip = Zoek(plek))
    for (SlipCel &cel : slip->cellen)
      cel = SlipCel();
}

bool SlipOpslag::Wissel(const TafelPlek &plek) {
  Slip *slip = Zoek(plek);
  if (!slip || slip->cellen.isEmpty() || HeeftScores(plek))
    return false;
  slip->omgewisseld = !slip->omgewisseld;
  return true;
}

int SlipOpslag::VulVoorbeeld(const std::function<int()> &trek) {
  int gevuld = 0;
  for (int r = 1; r <= m_schema.AantalRonden(); ++r) {
    for (const int t : m_schema.Slips(r)) {
      const int eerste = m_schema.Tafel({r, t}).eersteSpel;
      QVector<SlipCel> &cellen = m_slips[r - 1][t].cellen;
      for (int i = 0; i < cellen.size(); ++i) {
        if (cellen.at(i).ingevoerd)
          continue;
        const QString score = scoring::VoorbeeldScore(trek());
        cellen[i] = {score, scoring::Spiegel(score), false};
        cellen[i].ingevoerd = IsOpgeslagenScore(cellen[i].nz, cellen[i].ow, eerste + i);
        ++gevuld;
      }
    }
  }
  return gevuld;
}

QString SlipOpslag::Veld(const TafelPlek &plek, int iSpel) const {
  const RondeTafel &tafel = m_schema.Tafel(plek);
  if (!tafel.IsSlip())
    return u'*' + tafel.paren;
  const QString sleutel =
      u'*' +
      (Omgewisseld(plek) ? QStringLiteral("%1 - %2").arg(tafel.ow).arg(tafel.nz) : tafel.paren);
  const QVector<SlipCel> &cellen = Cellen(plek);
  const int i = iSpel - tafel.eersteSpel;
  if (i < 0 || i >= cellen.size() || IsLeeg(cellen.at(i)))
    return sleutel;
  return sleutel + u'|' + cellen.at(i).nz + u'|' + cellen.at(i).ow;
}

QStringList SlipOpslag::Regels() const {
  QStringList regels;
  for (int b = 1; b <= m_schema.AantalSpellen(); ++b) {
    QStringList velden;
    for (const TafelPlek &plek : m_schema.TafelsVanSpel(b))
      if (!m_schema.Tafel(plek).stilzit)
        velden.append(Veld(plek, b));
    velden.append(m_onbekend.value(b - 1));
    regels.append(velden.join(u'~'));
  }
  regels.append(m_verder);
  return regels;
}

void SlipOpslag::LeesRegels(const QStringList &regels) {
  *this = SlipOpslag(m_schema);
  const int spellen = m_schema.AantalSpellen();
  QVector<QVector<bool>> gekozen(m_slips.size()); // the orientation of a slip is known
  for (int r = 0; r < m_slips.size(); ++r)
    gekozen[r].resize(m_slips.at(r).size());

  for (int b = 1; b <= std::min<int>(spellen, static_cast<int>(regels.size())); ++b) {
    QVector<TafelPlek> vrij;
    for (const TafelPlek &plek : m_schema.TafelsVanSpel(b))
      if (m_schema.Tafel(plek).IsSlip())
        vrij.append(plek);
    for (const QString &veld : regels.at(b - 1).split(u'~')) {
      const QString tekst = veld.trimmed();
      if (tekst.isEmpty())
        continue;
      QStringList delen = tekst.mid(1).split(u'|');
      const QString sleutel = delen.takeFirst();
      // Neither score keeps the blanks at its edges: the field's outer blanks
      // go, so a blank behind whichever score is written last (the North-South
      // one too, for pairs written the other way round) would be gone at the
      // next reading, and the board counted as entered otherwise.
      const QString nz = delen.isEmpty() ? QString() : delen.takeFirst().trimmed();
      const QString ow = delen.join(u'|').trimmed();
      const bool zonderScore = nz.isEmpty() && ow.isEmpty();
      if (tekst.startsWith(u'*') && sleutel.contains(QStringLiteral("-  -")) && zonderScore)
        continue; // a table without pairs: the schema gives it again
      const QRegularExpressionMatch m = paarPatroon().match(sleutel);
      int gevonden = -1;
      bool eigen = true;
      if (tekst.startsWith(u'*') && m.hasMatch()) {
        const int a = m.captured(1).toInt();
        const int c = m.captured(2).toInt();
        for (int i = 0; i < vrij.size() && gevonden < 0; ++i) {
          const RondeTafel &t = m_schema.Tafel(vrij.at(i));
          if ((t.nz == a && t.ow == c) || (t.nz == c && t.ow == a)) {
            gevonden = i;
            eigen = t.nz == a && t.ow == c;
          }
        }
      }
      if (gevonden < 0) {
        m_onbekend[b - 1].append(veld); // kept as it stands
        continue;
      }
      const TafelPlek plek = vrij.takeAt(gevonden);
      Slip &slip = m_slips[plek.ronde - 1][plek.tafel];
      if (!gekozen[plek.ronde - 1][plek.tafel]) {
        gekozen[plek.ronde - 1][plek.tafel] = true;
        slip.omgewisseld = !eigen;
      }
      if (zonderScore)
        continue;
      // Scores written with the pairs the other way round than the slip
      // holds them belong to the other side.
      const bool andersom = eigen == slip.omgewisseld;
      SlipCel cel;
      cel.nz = andersom ? ow : nz;
      cel.ow = andersom ? nz : ow;
      cel.ingevoerd = IsOpgeslagenScore(cel.nz, cel.ow, b);
      slip.cellen[b - m_schema.Tafel(plek).eersteSpel] = cel;
    }
  }
  // Lines beyond the boards are kept up to the last that holds anything.
  int laatste = static_cast<int>(regels.size()) - 1;
  while (laatste >= spellen && regels.at(laatste).trimmed().isEmpty())
    --laatste;
  for (int i = spellen; i <= laatste; ++i)
    m_verder.append(regels.at(i));
}

QVector<int> SlipOpslag::OngelezenRegels() const {
  QVector<int> uit;
  for (int b = 0; b < m_onbekend.size(); ++b)
    if (!m_onbekend.at(b).isEmpty())
      uit.append(b);
  for (int i = 0; i < m_verder.size(); ++i)
    if (!m_verder.at(i).trimmed().isEmpty())
      uit.append(static_cast<int>(m_onbekend.size()) + i);
  return uit;
}

scoring::AvondStand SlipOpslag::Stand(int intAantalParen, int intStilzitPaar,
                                      const QStringList &labels) const {
  scoring::AvondStand stand;
  stand.intAantalParen = intAantalParen;
  stand.intStilzitPaar = intStilzitPaar;
  stand.iSpellen = m_schema.AantalSpellen();
  stand.intTop = scoring::BerekenTop(intAantalParen, intStilzitPaar);
  stand.labels = labels;
  for (int b = 1; b <= m_schema.AantalSpellen(); ++b) {
    QVector<TafelPlek> tafels;
    for (const TafelPlek &plek : m_schema.TafelsVanSpel(b))
      if (m_schema.Tafel(plek).IsSlip())
        tafels.append(plek);
    // The board's rows in the order of the schema's North-South pairs, as
    // the entry per board holds them.
    std::stable_sort(tafels.begin(), tafels.end(), [this](const TafelPlek &a, const TafelPlek &c) {
      const RondeTafel &ta = m_schema.Tafel(a);
      const RondeTafel &tc = m_schema.Tafel(c);
      return ta.nz != tc.nz ? ta.nz < tc.nz : ta.ow < tc.ow;
    });
    QVector<scoring::SpelRijScore> rijen;
    for (const TafelPlek &plek : tafels) {
      const SlipCel &cel = Cellen(plek).at(b - m_schema.Tafel(plek).eersteSpel);
      rijen.append({cel.nz, SpiegelOW(cel.nz, cel.ow), cel.ingevoerd});
    }
    const QVector<scoring::SpelRijMP> mp = scoring::ScoorSpel(rijen, stand.intTop);
    QVector<scoring::GescoordeRij> gescoord;
    for (int i = 0; i < tafels.size(); ++i)
      if (rijen.at(i).doetMee)
        gescoord.append({NZ(tafels.at(i)), OW(tafels.at(i)), mp.at(i).mpNZ, mp.at(i).mpOW});
    stand.spellen.append(gescoord);
  }
  return stand;
}

} // namespace rounds
