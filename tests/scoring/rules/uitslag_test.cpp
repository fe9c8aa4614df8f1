// The result of the evening: labels, totals, percentages, ranking with shared
// places, board totals and the grid the result window copies.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "platform/grid.h"
#include "scoring/avondmodel.h"
#include "scoring/uitslag.h"

#include <QTest>

using namespace scoring;

namespace {

// Six pairs of which pair 6 sits out, three rounds of one board.
const AvondKop kKop{6, 6, 3, 1};
const QVector<QVector<TafelParen>> kTafels{
    {{1, 2}, {3, 4}, {5, 6}}, {{1, 4}, {2, 5}, {3, 6}}, {{1, 6}, {2, 4}, {3, 5}}};
const QStringList kRegels{"01*1|2|||420|-420|0|2@3|4|||450|-450|2|0@5|6||||||",
                          "02*1|4|||-100|100|1|1@2|5|||-100|100|1|1@3|6||||||",
                          "03*1|6||||||@2|4|||n|n|n|n@3|5|||110|-110|1|1"};
const QStringList kLabels{"1. A", "2. B", "3. C", "4. D", "5. E", "6. "};

// One board, top 100, so that a pair's matchpoints are its percentage.
AvondStand EenSpel(const QStringList &punten) {
  AvondStand stand;
  stand.intAantalParen = static_cast<int>(punten.size());
  stand.iSpellen = 1;
  stand.intTop = 100;
  QVector<GescoordeRij> rijen;
  for (int p = 1; p <= punten.size(); ++p)
    rijen.append({p, 0, punten.at(p - 1), QString()});
  stand.spellen = {rijen};
  return stand;
}

QStringList Kolom(const Uitslag &u, QString UitslagRij::*veld) {
  QStringList uit;
  for (const UitslagRij &r : u.rijen)
    uit.append(r.*veld);
  return uit;
}

QList<int> Paren(const Uitslag &u) {
  QList<int> uit;
  for (const UitslagRij &r : u.rijen)
    uit.append(r.paar);
  return uit;
}

} // namespace

class UitslagTest : public QObject {
  Q_OBJECT
private slots:
  void labels() {
    const PaarLabels l =
        LeesPaarLabels({"3| Dhr. Voornaam Achternaam+7| Mevr. Voornaam Achternaam", "  ",
                        "***** Stilzit *****", "4|Piet+5|2Klaas", "geen streep+8| X"});
    QCOMPARE(l.labels, QStringList({"1.  Dhr. Voornaam Achternaam -  Mevr. Voornaam Achternaam ",
                                    "2. ", "3. Piet - ", "4.  X "}));
    QCOMPARE(l.voorMail, QStringList({"Dhr. Voornaam Achternaam", "Mevr. Voornaam Achternaam",
                                      "Piet", "2Klaas"}));
  }

  void rangSorteer_data() {
    QTest::addColumn<QStringList>("waarden");
    QTest::addColumn<QStringList>("plaatsen");
    QTest::newRow("third shared") << QStringList{"60.00%", "55.00%", "50.00%", "50.00%", "40.00%"}
                                  << QStringList{"1", "2", "(3)", "(3)", "5"};
    QTest::newRow("second shared") << QStringList{"60.00%", "55.00%", "55.00%", "40.00%"}
                                   << QStringList{"1", "(2)", "(2)", "4"};
    QTest::newRow("all equal") << QStringList{"50.00%", "50.00%", "50.00%"}
                               << QStringList{"(1)", "(1)", "(1)"};
    QTest::newRow("all different")
        << QStringList{"70.00%", "60.00%", "50.00%"} << QStringList{"1", "2", "3"};
    QTest::newRow("by value, not text")
        << QStringList{"100.00%", "57.12%", "9.50%"} << QStringList{"1", "2", "3"};
    QTest::newRow("no percentage last")
        << QStringList{"50.00%", "-", "-"} << QStringList{"1", "(2)", "(2)"};
    QTest::newRow("one") << QStringList{"50.00%"} << QStringList{"1"};
    QTest::newRow("none") << QStringList{} << QStringList{};
  }
  void rangSorteer() {
    QFETCH(QStringList, waarden);
    QFETCH(QStringList, plaatsen);
    QCOMPARE(RangSorteer(waarden), plaatsen);
  }

  void percentage_data() {
    QTest::addColumn<double>("totaal");
    QTest::addColumn<int>("gespeeld");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("24 of 26 boards") << 150.0 << 24 << 12 << "52.08%";
    QTest::newRow("15 significant digits") << 23.0 << 80 << 2 << "14.38%";
    QTest::newRow("half") << 144.0 << 24 << 12 << "50.00%";
    QTest::newRow("all tops") << 288.0 << 24 << 12 << "100.00%";
    QTest::newRow("nothing") << 0.0 << 24 << 12 << "0.00%";
    QTest::newRow("below 1") << 1.0 << 16 << 12 << "0.52%";
    QTest::newRow("one decimal") << 27.36 << 24 << 12 << "9.50%";
    QTest::newRow("half up") << 78.0 << 18 << 8 << "54.17%";
    QTest::newRow("no board played") << 0.0 << 0 << 12 << "-";
    QTest::newRow("top 0") << 0.0 << 3 << 0 << "-";
  }
  void percentage() {
    QFETCH(double, totaal);
    QFETCH(int, gespeeld);
    QFETCH(int, top);
    QFETCH(QString, tekst);
    QCOMPARE(PercentageTekst(totaal, gespeeld, top), tekst);
  }

  void totaal_data() {
    QTest::addColumn<long long>("honderdsten");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("whole") << 1300LL << "13";
    QTest::newRow("half") << 1250LL << "12.5";
    QTest::newRow("below 1") << 25LL << "0.25";
    QTest::newRow("two decimals") << 15083LL << "150.83";
    QTest::newRow("zero") << 0LL << "0";
  }
  void totaal() {
    QFETCH(long long, honderdsten);
    QFETCH(QString, tekst);
    QCOMPARE(TotaalTekst(honderdsten), tekst);
  }

  // Totals are exact sums: 6.5 + 6.5 is 13, and 11.83 + 0.17 is 12.
  void exacteTotalen() {
    AvondStand stand;
    stand.intAantalParen = 2;
    stand.iSpellen = 2;
    stand.intTop = 12;
    stand.spellen = {{{1, 2, "6.5", "11.83"}}, {{1, 2, "6.5", "0.17"}}};
    const Uitslag u = MaakUitslag(stand);
    QCOMPARE(Kolom(u, &UitslagRij::totaal), QStringList({"13", "12"}));
    QCOMPARE(Kolom(u, &UitslagRij::percentage), QStringList({"54.17%", "50.00%"}));
    QCOMPARE(u.spelTotalen, QStringList({"18.33", "6.67"}));
  }

  // Pairs are ordered by the value of their percentage; equal percentages by
  // pair number; a pair without a percentage comes last.
  void volgorde() {
    AvondStand stand = EenSpel({"9.5", "57.12", "100", "", "57.12"});
    Uitslag u = MaakUitslag(stand);
    QCOMPARE(Paren(u), QList<int>({3, 2, 5, 1, 4}));
    QCOMPARE(Kolom(u, &UitslagRij::percentage),
             QStringList({"100.00%", "57.12%", "57.12%", "9.50%", "-"}));
    QCOMPARE(Kolom(u, &UitslagRij::plaats), QStringList({"1", "(2)", "(2)", "4", "5"}));
    stand.intTop = 0;
    u = MaakUitslag(stand);
    QCOMPARE(Kolom(u, &UitslagRij::percentage), QStringList(5, "-"));
    QCOMPARE(Kolom(u, &UitslagRij::plaats), QStringList(5, "(1)"));
  }

  // A small evening from its results file to the ranked table.
  void avondVanRegels() {
    const Uitslag u = UitslagVanRegels(kKop, kTafels, kLabels, kRegels);
    QVERIFY(u.gerangschikt);
    QCOMPARE(Paren(u), QList<int>({2, 3, 5, 1, 4}));
    QCOMPARE(Kolom(u, &UitslagRij::plaats), QStringList({"(1)", "(1)", "3", "(4)", "(4)"}));
    QCOMPARE(Kolom(u, &UitslagRij::label),
             QStringList({"2. B [2]", "3. C [2]", "5. E [2]", "1. A [2]", "4. D [2]"}));
    QCOMPARE(Kolom(u, &UitslagRij::totaal), QStringList({"3", "3", "2", "1", "1"}));
    QCOMPARE(Kolom(u, &UitslagRij::percentage),
             QStringList({"75.00%", "75.00%", "50.00%", "25.00%", "25.00%"}));
    QCOMPARE(u.rijen.at(0).spellen, QStringList({"2", "1", "n"}));
    QCOMPARE(u.rijen.at(1).spellen, QStringList({"2", "", "1"}));
    QCOMPARE(u.spelTotalen, QStringList({"4", "4", "2"}));
  }

  void resultaatGrid() {
    const Uitslag u = UitslagVanRegels(kKop, kTafels, kLabels, kRegels);
    platform::GridModel grid;
    grid.setRows(3);
    grid.setTextMatrix(2, 2, "oud");
    VulResultaatGrid(grid, u, {"Nr", "Paren", "MP", "Percentage"});
    QCOMPARE(grid.rows(), 7);
    QCOMPARE(grid.cols(), 7);
    QStringList kop;
    for (int c = 0; c < grid.cols(); ++c)
      kop.append(grid.textMatrix(0, c));
    QCOMPARE(kop, QStringList({"Nr", "Paren", "1", "2", "3", "MP", "Percentage"}));
    QCOMPARE(grid.textMatrix(1, 0), QString("(1)"));
    QCOMPARE(grid.textMatrix(1, 1), QString("2. B [2]"));
    QCOMPARE(grid.textMatrix(1, 5), QString("3"));
    QCOMPARE(grid.textMatrix(1, 6), QString("75.00%"));
    QCOMPARE(grid.cell(1, 2).backColor, std::optional<std::uint32_t>(0xFFFFFF));
    QCOMPARE(grid.cell(1, 4).backColor, std::optional<std::uint32_t>(0x0000FF)); // "n"
    QCOMPARE(grid.cell(2, 3).backColor, std::optional<std::uint32_t>(0xC0E0FF)); // not its board
    QCOMPARE(grid.textMatrix(2, 3), QString());
    QCOMPARE(grid.cell(2, 3).alignment, int(platform::AlignCenterCenter));
    QCOMPARE(grid.cell(1, 1).alignment, int(platform::AlignLeftCenter));
    QStringList totalen;
    for (int c = 0; c < grid.cols(); ++c)
      totalen.append(grid.textMatrix(6, c));
    QCOMPARE(totalen, QStringList({"", "", "4", "4", "2", "", ""}));
  }

  // The result window's ranking: the place, pair, total and percentage
  // columns of the result grid, their texts and alignments, without the
  // totals row.
  void ranglijst() {
    const Uitslag u = UitslagVanRegels(kKop, kTafels, kLabels, kRegels);
    const KopTeksten kop{"Nr", "Paren", "MP", "Percentage"};
    platform::GridModel volledig;
    VulResultaatGrid(volledig, u, kop);
    platform::GridModel grid;
    VulRanglijst(grid, u, kop);
    QCOMPARE(grid.rows(), volledig.rows() - 1);
    QCOMPARE(grid.cols(), 4);
    QCOMPARE(grid.fixedRows(), 1);
    const int bron[4] = {0, 1, volledig.cols() - 2, volledig.cols() - 1};
    for (int r = 0; r < grid.rows(); ++r)
      for (int c = 0; c < 4; ++c) {
        QCOMPARE(grid.textMatrix(r, c), volledig.textMatrix(r, bron[c]));
        QCOMPARE(grid.cell(r, c).alignment, volledig.cell(r, bron[c]).alignment);
        QVERIFY(!grid.cell(r, c).backColor);
      }
  }

  // Before the result step: pair order, the sit-out pair's row blank and blue.
  void parenVolgorde() {
    AvondModel model(kKop, kTafels);
    model.LeesRegels(kRegels);
    const Uitslag u = ParenVolgorde(model.Stand(kLabels));
    QCOMPARE(Paren(u), QList<int>({1, 2, 3, 4, 5, 6}));
    QCOMPARE(u.rijen.at(0).spellen, QStringList({"0", "1", ""}));
    QVERIFY(u.rijen.at(5).stilzit);
    platform::GridModel grid;
    VulResultaatGrid(grid, u, {"Nr", "Paren", "MP", "Percentage"});
    QCOMPARE(grid.rows(), 8);
    QCOMPARE(grid.textMatrix(6, 0), QString("6"));
    for (int c = 1; c < grid.cols(); ++c) {
      QCOMPARE(grid.textMatrix(6, c), QString());
      QCOMPARE(grid.cell(6, c).backColor, std::optional<std::uint32_t>(0xC0C0FF));
    }
    QCOMPARE(grid.textMatrix(1, 1), QString("1. A"));
    QCOMPARE(grid.textMatrix(1, 5), QString());
    QCOMPARE(grid.cell(1, 4).backColor, std::optional<std::uint32_t>(0xFFFFFF));
  }
};

#include "uitslag_test.moc"
ZEMLO_TEST_CLASS(UitslagTest)
