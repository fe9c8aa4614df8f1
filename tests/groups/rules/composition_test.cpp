// Composing a group: picking players into the slots, adding and taking out
// entries, reloading a saved group, and what the window may do meanwhile.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "groups/rasterrij.h"
#include "groups/samenstelling.h"
#include "platform/grid.h"

#include <QTest>

using namespace groups;

namespace {
// The texts of a grid row from column first to last, joined.
QString rijTekst(const platform::GridModel &grid, int row, int first, int last,
                 const QString &sep) {
  QStringList parts;
  for (int c = first; c <= last; ++c)
    parts.append(grid.textMatrix(row, c));
  return parts.join(sep);
}

// The names file of the window tests: six players, player 2 without a title.
NamenBestand club() {
  NamenBestand b;
  b.kop = standaardKop();
  b.spelers = {{"Dhr.", "Jan", "Bakker", "jan@bakker.nl"},
               {"", "Piet", "de Jong", ""},
               {"Mevr.", "Els", "Jansen", "els.jansen@voorbeeld.nl"},
               {"Dhr.", "Jan", "Jansen", "jan.jansen@voorbeeld.nl"},
               {"Mevr.", "Anna", "de Vries", "anna@devries.nl"},
               {"Dhr.", "Kees", "Smit", "kees@smit.nl"}};
  return b;
}

// A composition and the names grid of the window, which shows its list.
struct Werk {
  platform::GridModel namen;
  Samenstelling s;
  Werk() {
    namen.setCols(5);
    s.leesNamen(club());
  }
  const platform::GridModel &raster() {
    s.namenLijst.schrijfIn(namen, NamenLijst::ElkNummer);
    return namen;
  }
  QString rij(int r) { return rijTekst(raster(), r, 0, 4, QStringLiteral("|")); }
  void paar(int a, int b) {
    QVERIFY(s.kiesSpeler(a) == 0);
    QVERIFY(s.kiesSpeler(b) == 1);
    QVERIFY(s.voegPaarToe());
  }
};
} // namespace

class CompositionTest : public QObject {
  Q_OBJECT
private slots:
  void init() { BAS_Zemlo::iTaal = 10; }

  void readsTheNamesFileIntoTheGrid() {
    Werk w;
    QCOMPARE(w.raster().rows(), 8);
    QCOMPARE(w.rij(0), QStringLiteral("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres"));
    QCOMPARE(w.rij(2), QStringLiteral("2||Piet|de Jong|"));
    QCOMPARE(w.rij(7), QStringLiteral("||||"));
    QCOMPARE(w.s.namenLijst.regels().size(), 7);
    QVERIFY(w.s.namenGelezen() && w.s.stilzitMag());
  }

  // A reloaded player is found by number and name together, in a row that
  // is still free.
  void findsAReloadedPlayer_data() {
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<int>("rij");
    QTest::newRow("number and name") << 3 << " Mevr. Els Jansen" << 3;
    QTest::newRow("letter case aside") << 3 << " mevr. els JANSEN" << 3;
    QTest::newRow("empty title") << 2 << "  Piet de Jong" << 2;
    QTest::newRow("another name") << 3 << " Mevr. Els de Wit" << -1;
    QTest::newRow("name of another number") << 4 << " Mevr. Els Jansen" << -1;
    QTest::newRow("a prefix of the name") << 4 << " Dhr. Jan" << -1;
    QTest::newRow("number past the players") << 7 << " Dhr. Jan Bakker" << -1;
    QTest::newRow("no number") << 0 << " Dhr. Jan Bakker" << -1;
    QTest::newRow("taken already") << 1 << " Dhr. Jan Bakker" << -1;
  }
  void findsAReloadedPlayer() {
    QFETCH(int, nummer);
    QFETCH(QString, naam);
    QFETCH(int, rij);
    Werk w;
    w.s.namenLijst.neem(1); // player 1 is in the group
    QCOMPARE(vindSpeler(w.s.namenLijst, {nummer, naam}), rij);
  }

  void findsACompanionLine_data() {
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<int>("regel");
    QTest::newRow("number and name") << 3 << " Mevr. Els de Wit" << 1;
    QTest::newRow("empty title and address") << 2 << "  Piet de Jong" << 2;
    QTest::newRow("same name, other number") << 5 << " Mevr. Els de Wit" << -1;
    QTest::newRow("same number, other name") << 3 << " Mevr. Els Jansen" << -1;
    QTest::newRow("no number") << 0 << "" << -1;
  }
  void findsACompanionLine() {
    QFETCH(int, nummer);
    QFETCH(QString, naam);
    QFETCH(int, regel);
    const QStringList regels = {"", "3|Mevr.|Els|de Wit|els@dewit.nl", "2||Piet|de Jong|",
                                "garbage"};
    QCOMPARE(vindMailRegel(regels, {nummer, naam}), regel);
  }

  void picksPlayersIntoTheSlots() {
    Werk w;
    QCOMPARE(w.s.kiesSpeler(2), 0);
    QCOMPARE(w.s.vakken[0].naam, QStringLiteral("  Piet de Jong"));
    QCOMPARE(w.s.vakken[0].terug, QStringLiteral("2||Piet|de Jong|"));
    QCOMPARE(w.rij(2), QStringLiteral("2||||"));
    // A taken player, the header, the empty last row: nothing is picked.
    for (int r : {2, 0, 7, 8})
      QCOMPARE(w.s.kiesSpeler(r), -1);
    QVERIFY(!w.s.slotsVol());
    QCOMPARE(w.s.kiesSpeler(5), 1);
    QVERIFY(w.s.slotsVol());
    // Both slots filled: nothing more is picked.
    QCOMPARE(w.s.kiesSpeler(1), -1);
    QCOMPARE(w.rij(1), QStringLiteral("1|Dhr.|Jan|Bakker|jan@bakker.nl"));
    // A slot gives its player back; a free slot gives nothing.
    QVERIFY(w.s.geefSlotTerug(0));
    QCOMPARE(w.rij(2), QStringLiteral("2||Piet|de Jong|"));
    QVERIFY(!w.s.geefSlotTerug(0));
    QVERIFY(!w.s.voegPaarToe());
    QCOMPARE(w.s.aantal(), 0);
  }

  void addsPairsAndTheSitOutEntry() {
    Werk w;
    w.paar(1, 3);
    QVERIFY(w.s.voegStilzitToe());
    QVERIFY(!w.s.voegStilzitToe());
    QVERIFY(!w.s.stilzitMag());
    w.paar(2, 5);
    QCOMPARE(w.s.groepRegels(),
             QStringList({"1| Dhr. Jan Bakker+3| Mevr. Els Jansen", "***** Stilzit *****",
                          "2|  Piet de Jong+5| Mevr. Anna de Vries"}));
    QCOMPARE(w.s.mailRegels(),
             QStringList({"1|Dhr.|Jan|Bakker|jan@bakker.nl",
                          "3|Mevr.|Els|Jansen|els.jansen@voorbeeld.nl", "2||Piet|de Jong|",
                          "5|Mevr.|Anna|de Vries|anna@devries.nl"}));
    platform::GridModel groepen;
    groepen.setCols(2);
    groepen.setRows(2);
    w.s.vulGroepRaster(groepen);
    QCOMPARE(groepen.rows(), 5);
    QCOMPARE(rijTekst(groepen, 1, 0, 1, "|"),
             QStringLiteral("1| Dhr. Jan Bakker -  Mevr. Els Jansen"));
    QCOMPARE(rijTekst(groepen, 2, 0, 1, "|"), QStringLiteral("2|***** Stilzit *****"));
    QCOMPARE(rijTekst(groepen, 4, 0, 1, "|"), QStringLiteral("|"));
    QCOMPARE(groepen.cell(3, 0).alignment, int(platform::AlignCenterCenter));
  }

  // Taking an entry out gives back exactly the players it took from the
  // names grid, and nobody else.
  void takingOutGivesBackItsOwnPlayers() {
    Werk w;
    w.paar(1, 3);
    w.paar(4, 6);
    QVERIFY(w.s.voegStilzitToe());
    QVERIFY(w.s.neemUit(1));
    QCOMPARE(w.rij(4), QStringLiteral("4|Dhr.|Jan|Jansen|jan.jansen@voorbeeld.nl"));
    QCOMPARE(w.rij(6), QStringLiteral("6|Dhr.|Kees|Smit|kees@smit.nl"));
    QCOMPARE(w.rij(1), QStringLiteral("1||||"));
    QCOMPARE(w.s.mailRegels().size(), 2);
    // The sit-out entry goes without touching the grid.
    QVERIFY(w.s.neemUit(1));
    QVERIFY(w.s.stilzitMag());
    QVERIFY(!w.s.neemUit(1));
    QVERIFY(!w.s.neemUit(-1));

    // A reloaded pair whose second player was not found (another name under
    // number 3) gives back player 1 only, even while player 3 is taken by a
    // pair of their own.
    Werk r;
    r.s.herlaad({leesGroepRegel("1| Dhr. Jan Bakker+3| Mevr. Els de Wit")}, {});
    r.paar(3, 4);
    QVERIFY(r.s.neemUit(0));
    QCOMPARE(r.rij(1), QStringLiteral("1|Dhr.|Jan|Bakker|jan@bakker.nl"));
    QCOMPARE(r.rij(3), QStringLiteral("3||||"));
    // The same player twice in a file written by hand is taken once.
    Werk d;
    d.s.herlaad({leesGroepRegel("1| Dhr. Jan Bakker+2|  Piet de Jong"),
                 leesGroepRegel("1| Dhr. Jan Bakker+5| Mevr. Anna de Vries")},
                {});
    QVERIFY(d.s.neemUit(1));
    QCOMPARE(d.rij(1), QStringLiteral("1||||"));
    QCOMPARE(d.rij(5), QStringLiteral("5|Mevr.|Anna|de Vries|anna@devries.nl"));
  }

  // Reloading takes the players found from the names grid, and keeps the
  // companion line of each player who is not found, so an unchanged group
  // is saved with the companion it had.
  void reloadKeepsTheCompanion() {
    Werk w;
    const QStringList groep = {"1| Dhr. Jan Bakker+3| Mevr. Els de Wit", "***** Stilzit *****",
                               "9| Dhr. X Y+2|  Piet de Jong", "garbage"};
    const QStringList mail = {"1|Dhr.|Jan|Bakker|jan@bakker.nl", "3|Mevr.|Els|de Wit|els@wit.nl",
                              "9|Dhr.|X|Y|x@y.nl", "2||Piet|de Jong|"};
    QVector<GroepRegel> regels;
    for (const QString &r : groep)
      regels.append(leesGroepRegel(r));
    w.s.herlaad(regels, mail);
    QCOMPARE(w.s.groepRegels(), groep);
    QCOMPARE(w.s.mailRegels(), mail);
    QCOMPARE(w.s.entries[0].tekst, QStringLiteral("Dhr. Jan Bakker - Mevr. Els de Wit"));
    QCOMPARE(w.s.entries[1].tekst, QStringLiteral("***** Stilzit *****"));
    QCOMPARE(w.rij(1), QStringLiteral("1||||"));
    QCOMPARE(w.rij(2), QStringLiteral("2||||"));
    QCOMPARE(w.rij(3), QStringLiteral("3|Mevr.|Els|Jansen|els.jansen@voorbeeld.nl"));
    // Without a companion a player not found has no line.
    Werk z;
    z.s.herlaad(regels, {});
    QCOMPARE(z.s.mailRegels(),
             QStringList({"1|Dhr.|Jan|Bakker|jan@bakker.nl", "2||Piet|de Jong|"}));
  }

  // A group composed and not saved, which leaving or another names file
  // asks about: entries that are not those it was emptied to or reloaded with.
  void unsavedGroup() {
    Werk w;
    QVERIFY(!w.s.onbewaard());
    w.paar(1, 2);
    QVERIFY(w.s.onbewaard());
    w.s.neemUit(0);
    QVERIFY(!w.s.onbewaard()); // nothing left to save
    w.s.voegStilzitToe();
    QVERIFY(w.s.onbewaard());
    w.s.leegGroep();
    QVERIFY(!w.s.onbewaard());
    // A reloaded group is saved until it changes.
    Werk z;
    z.s.herlaad({leesGroepRegel("1| Dhr. Jan Bakker+2|  Piet de Jong"),
                 leesGroepRegel("3| Mevr. Els Jansen+4| Dhr. Jan Jansen")},
                {});
    QVERIFY(!z.s.onbewaard());
    z.s.neemUit(1);
    QVERIFY(z.s.onbewaard());
    z.paar(3, 4);
    QVERIFY(!z.s.onbewaard()); // the same lines again
    z.s.leesNamen(club());
    QVERIFY(!z.s.onbewaard());
  }

  // What Save does, decided before anything is written: refused with the
  // message that belongs to it, a question when the group file is there,
  // otherwise written at once; the files are found in any letter case.
  void saveStep_data() {
    QTest::addColumn<QString>("groep"); // "paar", "stilzit" (two pairs and the sit-out), "" none
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("bestand"); // a file written first, "" none
    QTest::addColumn<int>("stap");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("gevonden"); // the file name found
    const QString d = QStringLiteral("09-12-2026");
    QTest::newRow("new") << "paar" << d << "" << int(GroepOpslaan::Schrijven) << ""
                         << "09-12-2026 Groep A.txt";
    QTest::newRow("empty file counts as absent")
        << "paar" << d << "groepen/09-12-2026 Groep A.txt=" << int(GroepOpslaan::Schrijven) << ""
        << "09-12-2026 Groep A.txt";
    QTest::newRow("there, in other letters")
        << "paar" << d << "groepen/09-12-2026 GROEP a.TXT=x" << int(GroepOpslaan::Vragen)
        << "Het bestand 09-12-2026 GROEP a.TXT bestaat al||Wilt u dit overschrijven?"
        << "09-12-2026 GROEP a.TXT";
    QTest::newRow("scores entered")
        << "paar" << d << "invoer/09-12-2026 groep A uitslag.txt=x" << int(GroepOpslaan::Melden)
        << "U kunt het groep bestand <09-12-2026 Groep A> niet wijzigen.|Er zijn scores op "
           "ingevoerd.||Wilt u de groep wijzigen, dan moet u eerst bij \"Voorbereiding\" het "
           "bestand wissen."
        << "09-12-2026 Groep A.txt";
    QTest::newRow("pair count wrong")
        << "stilzit" << d << "" << int(GroepOpslaan::Melden)
        << "Het aantal paren in de groep klopt niet!|Pas het aantal paren aan.|Daarna kunt u de "
           "groep opslaan."
        << "";
    QTest::newRow("no date") << "paar"
                             << " "
                             << "" << int(GroepOpslaan::Melden)
                             << "Kies eerst met Kalender de datum van de groep.|Daarna kunt u de "
                                "groep opslaan."
                             << "";
    QTest::newRow("no entry") << "" << d << "" << int(GroepOpslaan::Niets) << ""
                              << "";
  }
  void saveStep() {
    QFETCH(QString, groep);
    QFETCH(QString, datum);
    QFETCH(QString, bestand);
    QFETCH(int, stap);
    QFETCH(QString, tekst);
    QFETCH(QString, gevonden);
    testing::ProgramFolder map;
    BAS_Zemlo::iTaal = 10;
    if (!bestand.isEmpty())
      map.write(bestand.section(u'=', 0, 0), bestand.section(u'=', 1).toLatin1());
    Werk w;
    if (!groep.isEmpty())
      w.paar(1, 2);
    if (groep == "stilzit") {
      w.paar(3, 4);
      w.s.voegStilzitToe();
    }
    w.s.datum = datum;
    const GroepOpslaan uit = opslaanStap(w.s);
    QCOMPARE(int(uit.stap), stap);
    QCOMPARE(uit.tekst, tekst);
    QCOMPARE(uit.bestand, gevonden);
  }

  // Deleting a group file removes it with its companion; a results file of
  // the group is warned of and removed too. Each is found in any letter case.
  void deleteStep_data() {
    QTest::addColumn<bool>("uitslag");
    QTest::addColumn<QString>("vraag");
    QTest::addColumn<QStringList>("paden");
    QTest::newRow("no results file")
        << false << "U gaat het groep bestand (09-12-2026 Groep A) wissen!||Zeker weten?"
        << QStringList{"groepen/09-12-2026 groep a.txt", "groepen/09-12-2026 groep a.MAIL"};
    QTest::newRow("with its results file")
        << true
        << "Bij dit groep bestand behoort een uitslag of ingevoerde gegevens.|Wanneer u dit groep "
           "bestand wist worden alle bijbehorende gegevens ook gewist||Het groep bestand < "
           "09-12-2026 Groep A> met al zijn gegevens wissen?"
        << QStringList{"groepen/09-12-2026 groep a.txt", "groepen/09-12-2026 groep a.MAIL",
                       "invoer/09-12-2026 Groep A UITSLAG.txt"};
  }
  void deleteStep() {
    QFETCH(bool, uitslag);
    QFETCH(QString, vraag);
    QFETCH(QStringList, paden);
    testing::ProgramFolder map;
    BAS_Zemlo::iTaal = 10;
    map.write("groepen/09-12-2026 groep a.txt", "x\r\n");
    map.write("groepen/09-12-2026 groep a.MAIL", "x\r\n");
    if (uitslag)
      map.write("invoer/09-12-2026 Groep A UITSLAG.txt", "x\r\n");
    const GroepWissen uit = wisGroepStap(QStringLiteral("09-12-2026 Groep A"));
    QCOMPARE(uit.vraag, vraag);
    QStringList volledig;
    for (const QString &pad : paden)
      volledig.append(map.path(pad));
    QCOMPARE(uit.paden, volledig);
  }

  // The pair count, its warning, and what it allows.
  void pairCount_data() {
    QTest::addColumn<int>("paren");
    QTest::addColumn<bool>("stilzit");
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("kanNiet");
    QTest::addColumn<bool>("kalender");
    QTest::addColumn<bool>("opslaan");
    QTest::newRow("empty") << 0 << false << "09-12-2026"
                           << "0 Paren in groep" << false << false << false;
    QTest::newRow("one pair") << 1 << false << "09-12-2026"
                              << "1 Paar in groep" << false << true << true;
    QTest::newRow("no date") << 1 << false << " "
                             << "1 Paar in groep" << false << true << false;
    QTest::newRow("sit-out alone") << 0 << true << "09-12-2026"
                                   << "1 Paar in groep" << true << false << false;
    QTest::newRow("three pairs") << 3 << false << "09-12-2026"
                                 << "3 Paren in groep" << false << true << true;
    QTest::newRow("three and sit-out") << 3 << true << "09-12-2026"
                                       << "4 Paren in groep" << false << true << true;
    QTest::newRow("two and sit-out") << 2 << true << "09-12-2026"
                                     << "3 Paren in groep" << true << false << false;
  }
  void pairCount() {
    QFETCH(int, paren);
    QFETCH(bool, stilzit);
    QFETCH(QString, datum);
    QFETCH(QString, tekst);
    QFETCH(bool, kanNiet);
    QFETCH(bool, kalender);
    QFETCH(bool, opslaan);
    Werk w;
    w.s.datum = datum;
    for (int k = 0; k < paren; ++k)
      w.paar(2 * k + 1, 2 * k + 2);
    if (stilzit)
      w.s.voegStilzitToe();
    QCOMPARE(aantalParenTekst(w.s.aantal()), tekst);
    QCOMPARE(w.s.kanNiet(), kanNiet);
    QCOMPARE(w.s.kalenderMag(), kalender);
    QCOMPARE(w.s.magOpslaan(), opslaan);
  }

  void pairCountInEnglish() {
    BAS_Zemlo::iTaal = 11;
    QCOMPARE(aantalParenTekst(1), QStringLiteral("1 Pair in group"));
    QCOMPARE(aantalParenTekst(8), QStringLiteral("8 Pairs in group"));
    // A sit-out line of the other language makes no warning.
    Werk w;
    w.paar(1, 2);
    w.paar(3, 4);
    w.s.entries.append({"***** Stilzit *****", "***** Stilzit *****", true, {}});
    QVERIFY(w.s.heeftStilzit() && !w.s.kanNiet());
  }

  void groupLetterWraps_data() {
    QTest::addColumn<int>("waarde");
    QTest::addColumn<int>("letter");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("A") << 25 << 25 << "A";
    QTest::newRow("B") << 24 << 24 << "B";
    QTest::newRow("Z") << 0 << 0 << "Z";
    QTest::newRow("past A") << 26 << 0 << "Z";
    QTest::newRow("past Z") << -1 << 25 << "A";
  }
  void groupLetterWraps() {
    QFETCH(int, waarde);
    QFETCH(int, letter);
    QFETCH(QString, tekst);
    Samenstelling s;
    QCOMPARE(s.zetLetter(waarde), letter);
    QCOMPARE(s.letterTekst(), tekst);
  }

  void gridRows() {
    platform::GridModel g;
    g.setCols(3);
    g.setRows(4);
    zetRij(g, 1, {"1", "a"});
    zetRij(g, 2, {"2", "b", "c"});
    QCOMPARE(rijTekst(g, 1, 0, 2, "|"), QStringLiteral("1|a|"));
    QCOMPARE(g.cell(1, 0).alignment, int(platform::AlignCenterCenter));
    g.removeRows(1);
    QCOMPARE(g.rows(), 3);
    QCOMPARE(rijTekst(g, 1, 0, 2, "|"), QStringLiteral("2|b|c"));
    QCOMPARE(g.cell(1, 0).alignment, int(platform::AlignCenterCenter));
    g.removeRows(5);
    QCOMPARE(g.rows(), 3);
    leegRij(g, 1, 1);
    QCOMPARE(rijTekst(g, 1, 0, 2, "|"), QStringLiteral("2||"));
    nummerRijen(g, 2);
    QCOMPARE(rijTekst(g, 2, 0, 0, ""), QStringLiteral("2"));
  }
};

#include "composition_test.moc"
ZEMLO_TEST_CLASS(CompositionTest)
