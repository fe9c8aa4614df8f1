// The players of a names file as the windows hold them: numbering, sorting
// as the names grid sorts, adding and taking out, taken players, the file
// lines and what the names grid shows.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "groups/namenlijst.h"
#include "platform/grid.h"

#include <QSignalSpy>
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
// A names grid as the windows make it: five columns under a fixed header row.
void namenRaster(platform::GridModel &grid) {
  grid.setRows(2);
  grid.setCols(kNamenKolommen);
  grid.setFixedRows(1);
  grid.setFixedCols(1);
}
// Players with last names of every kind the generic order meets: equal but
// for case, numbers (unless getallen is false: then texts that end in one),
// texts that look like numbers, blanks and none.
QVector<Speler> gemengd(int n, quint32 zaad, bool getallen = true) {
  const QStringList namen = {"Bakker", "bakker", "Aalders", "Zwart", "de Vries", "10",   "9",
                             " 3",     "5x",     "",        "nan",   "Ánne",     "anne", "-2"};
  QVector<Speler> out;
  for (int i = 0; i < n; ++i) {
    zaad = zaad * 1103515245 + 12345;
    const int k = static_cast<int>((zaad >> 16) % (namen.size() + 3));
    if (k >= namen.size()) {
      out.append({"", "", "", ""}); // a player without any text
      continue;
    }
    QString naam = namen[k];
    if (!getallen && platform::isGenericNumber(naam))
      naam.prepend(u'N');
    out.append({i % 3 ? "Dhr." : "", "V" + QString::number(i), naam, ""});
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

  // A player added goes where sorting the list with them at the end puts
  // them, also among last names that the generic order reads as numbers,
  // and after a sort on another column or a player taken out.
  void addingKeepsTheOrderOfASortByLastName_data() {
    QTest::addColumn<bool>("getallen");
    QTest::newRow("texts only") << false;
    QTest::newRow("numbers among the texts") << true;
  }
  void addingKeepsTheOrderOfASortByLastName() {
    QFETCH(bool, getallen);
    const QVector<Speler> spelers = gemengd(400, 7, getallen);
    NamenLijst l = lijst(spelers.mid(0, 100));
    l.sorteer(kAchternaam);
    // The same list the long way: every player appended, then sorted.
    NamenLijst verwacht = l;
    for (int i = 100; i < spelers.size(); ++i) {
      if (i == 200) {
        l.sorteer(kVoornaam);
        verwacht.sorteer(kVoornaam);
      }
      if (i % 50 == 7) {
        l.neemWeg(i % l.aantal() + 1);
        verwacht.neemWeg(i % verwacht.aantal() + 1);
      }
      l.voegToe(spelers[i]);
      NamenBestand alle{verwacht.kop, {}};
      for (int n = 1; n <= verwacht.aantal(); ++n)
        alle.spelers.append(verwacht.speler(n));
      alle.spelers.append(spelers[i]);
      verwacht.zet(alle);
      verwacht.sorteer(kAchternaam);
      QCOMPARE(rijen(l), rijen(verwacht));
    }
  }

  // Written again into the same grid, the list changes only what changed:
  // the grid then holds what writing the list into a new grid gives, in
  // every cell, and keeps its place.
  void writingAgainGivesTheGridAFreshWriteGives_data() {
    QTest::addColumn<int>("nummering");
    QTest::addColumn<bool>("getallen");
    QTest::addColumn<QString>("stappen");
    const int metTekst = NamenLijst::NummerMetTekst, elk = NamenLijst::ElkNummer;
    QTest::newRow("added") << metTekst << false << "voeg:Mol voeg:Aap voeg:Zee voeg:";
    QTest::newRow("added among numbers") << metTekst << true << "voeg:Mol voeg:9 voeg:Aap";
    QTest::newRow("added, two at a time")
        << metTekst << false << "voeg:Mol+ voeg:Aap voeg:Kat+ voeg:Kat";
    QTest::newRow("taken out") << metTekst << false << "weg:1 weg:20 weg:last";
    QTest::newRow("added and taken out at once")
        << metTekst << false << "voeg:Mol+ weg:3+ voeg:Aap+ weg:last";
    QTest::newRow("sorted, then added") << metTekst << false << "sorteer:2 voeg:Mol voeg:10";
    QTest::newRow("taken and put back") << elk << false << "neem:3 neem:7+ terug:3 neem:last";
    QTest::newRow("taken, then added before them")
        << elk << false << "neem:30+ voeg:Aap+ terug:31 voeg:Zee";
    QTest::newRow("taken, the list set anew") << elk << false << "neem:2+ zet";
    QTest::newRow("another numbering") << metTekst << false << "voeg:Mol nummering neem:4";
    QTest::newRow("emptied, then added") << metTekst << false << "leeg voeg:Mol voeg:Aap";
    QTest::newRow("many changes at once")
        << elk << false << QString("neem:1+ terug:1+ ").repeated(40);
  }
  void writingAgainGivesTheGridAFreshWriteGives() {
    QFETCH(int, nummering);
    QFETCH(bool, getallen);
    QFETCH(QString, stappen);
    auto n = static_cast<NamenLijst::Nummering>(nummering);
    NamenLijst l = lijst(gemengd(40, 3, getallen));
    l.sorteer(kAchternaam);
    platform::GridModel grid;
    namenRaster(grid);
    l.schrijfIn(grid, n);
    grid.setTopRow(12);
    grid.setRow(15);
    grid.setCol(2);
    int boven = 12, rij = 15; // as far as the grid keeps them
    for (const QString &stap : stappen.split(u' ', Qt::SkipEmptyParts)) {
      // "+": the next step comes before the list is written again.
      const bool samen = stap.endsWith(u'+');
      const QString soort = stap.section(u':', 0, 0);
      QString waarde = stap.section(u':', 1).remove(u'+');
      const int nummer = waarde == "last" ? l.aantal() : waarde.toInt();
      if (soort == "voeg")
        l.voegToe({"Mevr.", "Nieuw", waarde, ""});
      else if (soort == "weg")
        l.neemWeg(nummer);
      else if (soort == "neem")
        l.neem(nummer);
      else if (soort == "terug")
        l.zetTerug(nummer);
      else if (soort == "sorteer")
        l.sorteer(nummer);
      else if (soort == "zet")
        l.zet({standaardKop(), gemengd(30, 11)});
      else if (soort == "leeg")
        l.leeg();
      else if (soort == "nummering")
        n = n == NamenLijst::ElkNummer ? NamenLijst::NummerMetTekst : NamenLijst::ElkNummer;
      if (samen)
        continue;
      l.schrijfIn(grid, n);
      platform::GridModel vers;
      namenRaster(vers);
      NamenLijst kopie = l;
      kopie.schrijfIn(vers, n);
      QCOMPARE(testing::cellTexts(grid), testing::cellTexts(vers));
      boven = std::min(boven, grid.rows() - 1);
      rij = std::min(rij, grid.rows() - 1);
      QCOMPARE(grid.topRow(), boven);
      QCOMPARE(grid.row(), rij);
      QCOMPARE(grid.col(), 2);
    }
  }

  // A player added to a long list that the grid shows costs the grid that
  // player's row, the numbers under it and nothing else; a player taken
  // costs their row.
  void writingAgainChangesOnlyWhatChanged() {
    QVector<Speler> spelers;
    for (int i = 0; i < 3000; ++i)
      spelers.append({"", "V", QStringLiteral("Naam%1").arg(i, 4, 10, QLatin1Char('0')), ""});
    NamenLijst l = lijst(spelers);
    l.sorteer(kAchternaam);
    platform::GridModel grid;
    namenRaster(grid);
    l.schrijfIn(grid, NamenLijst::NummerMetTekst);
    QSignalSpy cellen(&grid, &platform::GridModel::cellsChanged);
    QSignalSpy erbij(&grid, &platform::GridModel::rowsInserted);
    QSignalSpy eraf(&grid, &platform::GridModel::rowsRemoved);
    l.voegToe({"", "Els", "Naam1000x", "els@club.nl"});
    l.schrijfIn(grid, NamenLijst::NummerMetTekst);
    QCOMPARE(erbij, QList<QVariantList>({{1002, 1002}}));
    QCOMPARE(cellen, QList<QVariantList>({{1002, 0, 1002, 4}, {1003, 0, 3001, 0}}));
    QCOMPARE(grid.textMatrix(1002, kAchternaam), QStringLiteral("Naam1000x"));
    QCOMPARE(grid.textMatrix(3001, kNummer), QStringLiteral("3001"));
    cellen.clear();
    erbij.clear();
    l.neem(2000);
    l.schrijfIn(grid, NamenLijst::ElkNummer); // another numbering: written whole
    cellen.clear();
    l.zetTerug(2000);
    l.schrijfIn(grid, NamenLijst::ElkNummer);
    QCOMPARE(cellen, QList<QVariantList>({{2000, kVoornaam, 2000, kAchternaam}}));
    cellen.clear();
    l.neemWeg(2);
    l.schrijfIn(grid, NamenLijst::ElkNummer);
    QCOMPARE(eraf, QList<QVariantList>({{2, 2}}));
    QCOMPARE(cellen, QList<QVariantList>({{2, 0, 3000, 0}}));
    QVERIFY(erbij.isEmpty());
    // Written again with nothing changed, nothing changes.
    cellen.clear();
    l.schrijfIn(grid, NamenLijst::ElkNummer);
    QVERIFY(cellen.isEmpty());
    // A copy of the list writes the grid whole: it cannot know what the list
    // wrote into it since.
    const NamenLijst kopie = l;
    l.neem(5);
    l.schrijfIn(grid, NamenLijst::ElkNummer);
    NamenLijst(kopie).schrijfIn(grid, NamenLijst::ElkNummer);
    QCOMPARE(grid.textMatrix(5, kAchternaam), kopie.speler(5).achternaam);
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
