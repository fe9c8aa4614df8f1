#pragma once
// The tables of an evening round by round, from the round lines of its play
// schema: which pairs sit at each table, which boards they play, and whether
// the table is a score slip the director enters (not the sit-out pair's
// table, not a table where nobody sits).
#include "preparation/schema.h"

#include <QString>
#include <QVector>

namespace rounds {

struct RondeTafel {
  int ronde = 0; // 1-based
  int nz = 0;    // the pairs as the schema seats them; 0 without pairs
  int ow = 0;
  QString paren;      // the pair part as the schema writes it: "3- 6", "-  -"
  int eersteSpel = 0; // the boards played there, first to last
  int laatsteSpel = 0;
  bool zonderParen = false; // "-  -": the boards lie there, nobody plays them
  bool stilzit = false;     // the sit-out pair's table

  bool IsSlip() const { return !zonderParen && !stilzit; }
  bool Speelt(int iSpel) const { return eersteSpel <= iSpel && iSpel <= laatsteSpel; }
  int AantalSpellen() const { return laatsteSpel - eersteSpel + 1; }
};

// A table of the evening: its round and its index among that round's tables.
struct TafelPlek {
  int ronde = 0;
  int tafel = 0;
  bool operator==(const TafelPlek &o) const { return ronde == o.ronde && tafel == o.tafel; }
};

class RondeSchema {
public:
  RondeSchema() = default;
  // The fields of the schema's round lines (preparation::RondeTafels), read
  // for iRonden rounds of iSpellenPerRonde boards; iStilzitPaar 0 when no pair
  // sits out. Round lines beyond iRonden, and tables whose board set is not
  // played, are left out.
  RondeSchema(const QList<QList<preparation::TafelVeld>> &velden, int iRonden, int iSpellenPerRonde,
              int iStilzitPaar);

  int AantalRonden() const { return static_cast<int>(m_rondes.size()); }
  int SpellenPerRonde() const { return m_spellenPerRonde; }
  int AantalSpellen() const { return AantalRonden() * m_spellenPerRonde; }

  // Every table of round r (1-based) that plays boards, in the schema's order.
  const QVector<RondeTafel> &Tafels(int ronde) const;
  const RondeTafel &Tafel(const TafelPlek &plek) const { return Tafels(plek.ronde)[plek.tafel]; }
  // The tables of round r that are score slips, as indexes into Tafels(r).
  QVector<int> Slips(int ronde) const;
  // The tables that play board b, in round order and within a round in the
  // schema's order; the tables without pairs and the sit-out tables included.
  QVector<TafelPlek> TafelsVanSpel(int iSpel) const;

private:
  QVector<QVector<RondeTafel>> m_rondes;
  int m_spellenPerRonde = 0;
};

} // namespace rounds
