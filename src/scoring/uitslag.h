#pragma once
// The result of the evening: every pair's matchpoints per board, totals,
// percentages, places (shared places in brackets) and the board totals, as a
// plain table that the result grid copies.
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

namespace platform {
class GridModel;
}

namespace scoring {

// The pair labels of a group file's lines ("1.  Dhr. A -  Mevr. B ") and the
// players' display names for the mail, two a pair line, in file order. Blank
// lines do not count; a sit-out line gives a label of its number only.
struct PaarLabels {
  QStringList labels;   // pair p at index p - 1
  QStringList voorMail; // lstVoorMail
};
PaarLabels LeesPaarLabels(const QStringList &groepRegels);

// One table's result on a board: the pairs as they sat and their matchpoints.
struct GescoordeRij {
  int nz = 0;
  int ow = 0;
  QString mpNZ;
  QString mpOW;
};

// What the result is made from.
struct AvondStand {
  int intAantalParen = 0;
  int intStilzitPaar = 0; // 0 when no pair sits out
  int iSpellen = 0;       // boards of the evening: rounds x boards a round
  int intTop = 0;
  QStringList labels;                     // pair p at index p - 1; missing ones are empty
  QVector<QVector<GescoordeRij>> spellen; // board b at index b - 1: the tables that played it
};

struct UitslagRij {
  int paar = 0;
  QString plaats;      // column 0: the place, "(2)" for a shared one; the pair number in pair order
  QString label;       // column 1
  QStringList spellen; // one cell a board: matchpoints, "n" (not played at the table) or ""
  QString totaal;      // "" in pair order
  QString percentage;  // "57.12%", "-" when there is nothing to divide by; "" in pair order
  bool stilzit = false;
};

struct Uitslag {
  bool gerangschikt = false;
  QVector<UitslagRij> rijen; // one a pair
  QStringList spelTotalen;   // the last row: the sum of every board column ("" in pair order)
};

// The pairs in pair order with their matchpoints per board and the sit-out
// pair's row blank, as the grid shows them before the result step.
Uitslag ParenVolgorde(const AvondStand &stand);

// The ranked result: the sit-out pair left out, totals as exact sums, the
// percentage of the top times the boards played, the pairs ordered by
// percentage (highest first; equal percentages by pair number; pairs without
// a percentage last) and their places from RangSorteer.
Uitslag MaakUitslag(const AvondStand &stand);

// The places of rows whose value texts (percentages) stand from best to
// worst: 1, 2, (3), (3), 5. Equal texts share the best place of their run in
// brackets; a text without a number ("-") counts below every number.
QStringList RangSorteer(const QStringList &waarden);

// A sum of matchpoints given in hundredths as shown: 150, 150.5, 0.25.
QString TotaalTekst(long long honderdsten);
// The percentage of a total over the boards played, two decimals, rounded
// half up: "52.08%"; "-" when no board was played or the top is 0.
QString PercentageTekst(double totaal, int iGespeeld, int intTop);

// The header words of the grid (texts 16 without its point, 32, 80 and 81).
struct KopTeksten {
  QString nr;
  QString paren;
  QString mp;
  QString percentage;
};

// Back colours of the grid (0xBBGGRR).
constexpr std::uint32_t kKleurWit = 0xFFFFFF;
constexpr std::uint32_t kKleurStilzit = 0xC0C0FF;
constexpr std::uint32_t kKleurNietGespeeld = 0x0000FF;
constexpr std::uint32_t kKleurNietAanDeBeurt = 0xC0E0FF;

// Fills the result grid: a header row, a row a pair, and the last row (the
// board totals, or empty in pair order); B + 4 columns.
void VulResultaatGrid(platform::GridModel &grid, const Uitslag &uitslag, const KopTeksten &kop);
// The ranking as the result window shows it: the header row and a row a
// pair, each with the place, the pair, the total and the percentage, the
// texts and alignments of those columns of the result grid.
void VulRanglijst(platform::GridModel &grid, const Uitslag &uitslag, const KopTeksten &kop);

} // namespace scoring
