// The players of a names file as the windows hold them: numbering, sorting
// as the names grid sorts, adding and taking out, taken players, the file
// lines and what the names grid shows.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "groups/namenlijst.h"
#include "platform/grid.h"

#include <QTest>

using namespace groups;

namespace {
NamenLijst lijst(const QVector<Speler> &spelers) {
  NamenLijst l;
  l.zet({standaardKop(), spelers});
  return l;
}
// Players that differ in one column only; the others hold "x".
QVector<Speler> inKolom(int kolom, const QStringList &waarden) {
  QVector<Speler> out;
  for (int i = 0; i < waarden.size(); ++i) {
    QStringList v = {"x", "x" + QString::number(i), "x", "x"};
    v[kolom - 1] = waarden[i];
    out.append({v[0], v[1], v[2], v[3]});
  }
  return out;
}
QStringList rijen(const NamenLijst &l) {
  QStringList out;
  for (int n = 1; n <= l.aantal(); ++n)
    out.append(l.rij(n).join(u'|'));
  return out;
}
QStringList rijen(const platform::GridModel &g, int first, int last) {
  QStringList out;
  for (int r = first; r <= last; ++r) {
    QStringList cells;
    for (int c = 0; c < g.cols(); ++c)
      cells.append(g.textMatrix(r, c));
    out.append(cells.join(u'|'));
  }
  return out;
}
} // namespace

class NamesListTest : public QObject {
  Q_OBJECT
private slots:
  void init() { BAS_Zemlo::iTaal = 10; }

  // The list sorts exactly as the names grid sorts its rows: the same
  // stable generic order, also where numbers as text and other texts make
  // no consistent order.
  void sortsAsTheGridSortsItsRows_data() {
    QTest::addColumn<int>("kolom");
    QTest::addColumn<QStringList>("waarden");
    QTest::newRow("last names and numbers")
        << int(kAchternaam)
        << QStringList{"Zwart", "10", "9", "bakker", "Bakker", "2", "", "Aalders"};
    QTest::newRow("numbers and texts without one order")
        << int(kAchternaam)
        << QStringList{"10", "9", "5x", "10", "5x", "9", "1e1", " 3", "nan", "inf", "-2", "3 "};
    QTest::newRow("first names, equal but for case")
        << int(kVoornaam) << QStringList{"jan", "Els", "JAN", "els", "Jan", "Ánne", "anne"};
    QTest::newRow("titles, some empty")
        << int(kTitel) << QStringList{"Mevr.", "", "Dhr.", "", "Mr."};
    QTest::newRow("addresses") << int(kEmail)
                               << QStringList{"b@c.nl", "", "A@c.nl", "a@c.nl", "1@c.nl"};
  }
  void sortsAsTheGridSortsItsRows() {
    QFETCH(int, kolom);
    QFETCH(QStringList, waarden);
    NamenLijst l = lijst(inKolom(kolom, waarden));
    platform::GridModel grid;
    grid.setCols(kNamenKolommen);
    l.schrijfIn(grid, NamenLijst::NummerMetTekst);
    testing::sortRows(grid, kolom, platform::SortGenericAscending, 1, l.aantal());
    const QStringList gesorteerd = rijen(grid, 1, l.aantal());
    // The grid moved the numbers with their rows; the list numbers anew.
    l.sorteer(kolom);
    QStringList verwacht;
    for (int n = 1; n <= l.aantal(); ++n)
      verwacht.append(QString::number(n) + gesorteerd[n - 1].mid(gesorteerd[n - 1].indexOf(u'|')));
    QCOMPARE(rijen(l), verwacht);
  }

  void sortsNumbersByValueBeforeTexts() {
    NamenLijst l =
        lijst(inKolom(kAchternaam, {"Zwart", "10", "9", "bakker", "Bakker", "2", "", "Aalders"}));
    l.sorteer(kAchternaam);
    QStringList achternamen;
    for (int n = 1; n <= l.aantal(); ++n)
      achternamen.append(l.speler(n).achternaam);
    QCOMPARE(achternamen,
             QStringList({"", "2", "9", "10", "Aalders", "bakker", "Bakker", "Zwart"}));
  }

  // Only a player with some text shows a number; sorting on the number
  // column therefore puts the players without any text first.
  void numbersAndTheNumberColumn() {
    NamenLijst l = lijst({{"Dhr.", "Jan", "Bakker", ""},
                          {" ", "", "", ""},
                          {"", "Els", "", ""},
                          {"", "  ", "", ""}});
    QCOMPARE(rijen(l), QStringList({"1|Dhr.|Jan|Bakker|", "| |||", "3||Els||", "||  ||"}));
    l.sorteer(kNummer);
    QCOMPARE(rijen(l), QStringList({"| |||", "||  ||", "3|Dhr.|Jan|Bakker|", "4||Els||"}));
    l.sorteer(kNamenKolommen); // no such column: nothing moves
    l.sorteer(-1);
    QCOMPARE(rijen(l).value(2), QStringLiteral("3|Dhr.|Jan|Bakker|"));
  }

  void addsInLastNameOrderAndTakesOut() {
    NamenLijst l = lijst({{"Dhr.", "Jan", "Bakker", "jan@bakker.nl"}, {"", "Piet", "Aalders", ""}});
    // A new player comes after those with the same last name.
    l.voegToe({"Mevr.", "Els", "bakker", ""});
    l.voegToe({"Mevr.", "Anna", "Zwart", ""});
    QCOMPARE(rijen(l), QStringList({"1||Piet|Aalders|", "2|Dhr.|Jan|Bakker|jan@bakker.nl",
                                    "3|Mevr.|Els|bakker|", "4|Mevr.|Anna|Zwart|"}));
    QCOMPARE(l.beschrijving(2), QStringLiteral("2 Dhr. Jan Bakker jan@bakker.nl"));
    QCOMPARE(l.beschrijving(1), QStringLiteral("1  Piet Aalders"));
    // Taken out, the players after move up a number.
    QCOMPARE(l.neemWeg(2).voornaam, QStringLiteral("Jan"));
    QCOMPARE(rijen(l),
             QStringList({"1||Piet|Aalders|", "2|Mevr.|Els|bakker|", "3|Mevr.|Anna|Zwart|"}));
    QCOMPARE(l.neemWeg(4).voornaam, QString());
    QCOMPARE(l.neemWeg(0).voornaam, QString());
    QCOMPARE(l.aantal(), 3);
    // The file lines: the headings kept as read, then the rows.
    QCOMPARE(l.regels(),
             QStringList({"Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres", "1||Piet|Aalders|",
                          "2|Mevr.|Els|bakker|", "3|Mevr.|Anna|Zwart|"}));
    l.leeg();
    QCOMPARE(l.regels(), QStringList({"Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres"}));
  }

  // What the names window counts as changed: the players, not their order,
  // against what the list was set to or emptied to.
  void changedSinceSetOrEmptied_data() {
    QTest::addColumn<QString>("stappen");
    QTest::addColumn<bool>("gewijzigd");
    QTest::newRow("as opened") << "" << false;
    QTest::newRow("added") << "toevoegen" << true;
    QTest::newRow("taken out") << "weg" << true;
    QTest::newRow("added and taken out again") << "toevoegen weg-nieuw" << false;
    QTest::newRow("sorted") << "sorteer" << false;
    QTest::newRow("taken into a slot") << "neem" << false;
    QTest::newRow("added, then emptied") << "toevoegen leeg" << false;
    QTest::newRow("emptied, then added") << "leeg toevoegen" << true;
  }
  void changedSinceSetOrEmptied() {
    QFETCH(QString, stappen);
    QFETCH(bool, gewijzigd);
    NamenLijst l;
    l.zet({standaardKop(),
           {{"Dhr.", "Jan", "Bakker", "jan@bakker.nl"}, {"", "Piet", "Aalders", ""}}});
    const Speler nieuw{"Mevr.", "Els", "Zwart", ""};
    for (const QString &stap : stappen.split(u' ', Qt::SkipEmptyParts)) {
      if (stap == "toevoegen")
        l.voegToe(nieuw);
      else if (stap == "weg")
        l.neemWeg(1);
      else if (stap == "weg-nieuw")
        l.neemWeg(l.aantal()); // Zwart sorts last
      else if (stap == "sorteer")
        l.sorteer(kVoornaam);
      else if (stap == "neem")
        l.neem(1);
      else if (stap == "leeg")
        l.leeg();
    }
    QCOMPARE(l.gewijzigd(), gewijzigd);
  }

  // The groups window takes players and puts them back; a taken player
  // keeps their number, and a player without any field is never free.
  void takenPlayersKeepTheirNumber() {
    NamenLijst l = lijst({{"Dhr.", "Jan", "Bakker", ""}, {"", "", "", ""}, {"", " ", "", ""}});
    QVERIFY(l.vrij(1) && !l.vrij(2) && l.vrij(3));
    QVERIFY(!l.vrij(0) && !l.vrij(4));
    l.neem(1);
    l.neem(9); // no such player: ignored
    QVERIFY(!l.vrij(1));
    platform::GridModel grid;
    grid.setCols(kNamenKolommen);
    l.schrijfIn(grid, NamenLijst::ElkNummer);
    QCOMPARE(rijen(grid, 0, 4), QStringList({"Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres",
                                             "1||||", "2||||", "3|| ||", "||||"}));
    // Taken or not, the file lines are the players'.
    QCOMPARE(l.regels().value(1), QStringLiteral("1|Dhr.|Jan|Bakker|"));
    l.zetTerug(1);
    QVERIFY(l.vrij(1));
    // The names window numbers no player whose fields are blank, blanks
    // aside; the groups window numbers and picks one that holds a blank.
    l.schrijfIn(grid, NamenLijst::NummerMetTekst);
    QCOMPARE(rijen(grid, 1, 4), QStringList({"1|Dhr.|Jan|Bakker|", "||||", "|| ||", "||||"}));
    for (int r = 0; r < grid.rows(); ++r)
      QCOMPARE(grid.cell(r, kNummer).alignment, int(platform::AlignCenterCenter));
  }

  // The grid is written over in place, so the view keeps its place; a list
  // of another length adds or takes away rows at the end.
  void writesTheGridInPlace() {
    NamenLijst l = lijst(inKolom(kAchternaam, {"a", "b", "c", "d", "e", "f", "g", "h"}));
    platform::GridModel grid;
    grid.setCols(kNamenKolommen);
    grid.setFixedRows(1);
    l.schrijfIn(grid, NamenLijst::ElkNummer);
    QCOMPARE(grid.rows(), 10);
    grid.setTopRow(6);
    grid.setRow(7);
    l.neem(7);
    l.schrijfIn(grid, NamenLijst::ElkNummer);
    QCOMPARE(grid.topRow(), 6);
    QCOMPARE(grid.row(), 7);
    QCOMPARE(grid.textMatrix(7, kAchternaam), QString());
    l.zet({{"Nr."}, {{"", "Jan", "", ""}}});
    l.schrijfIn(grid, NamenLijst::ElkNummer);
    QCOMPARE(rijen(grid, 0, grid.rows() - 1), QStringList({"Nr.||||", "1||Jan||", "||||"}));
  }
};

#include "names_list_test.moc"
ZEMLO_TEST_CLASS(NamesListTest)
