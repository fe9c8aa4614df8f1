// The working state of the preparation and download windows, without widgets:
// pairs of a group, the spinners, choosing a schema and when Start may run.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "preparation/schemalijst.h"
#include "preparation/voorbereiding.h"

#include <QtTest>

using namespace preparation;

namespace {
const QByteArray kSchema = "T\r\n1\t1- 2 (1-4)\r\n";
}

class TestVoorbereiding : public QObject {
  Q_OBJECT
private slots:
  void pairsOfGroup_data();
  void pairsOfGroup();
  void groupFileRead();
  void spinnerWraps_data();
  void spinnerWraps();
  void spinnerSteps_data();
  void spinnerSteps();
  void choosingSchema();
  void headerOfNewEvening();
  void earlierEvening();
  void earlierEveningChoices_data();
  void earlierEveningChoices();
  void deletions_data();
  void deletions();
  void schemaMessages_data();
  void schemaMessages();
  void downloadChoice();
};

void TestVoorbereiding::pairsOfGroup_data() {
  QTest::addColumn<QStringList>("regels");
  QTest::addColumn<int>("paren");
  QTest::addColumn<int>("stilzit");
  const QString s = QStringLiteral("***** Stilzit *****");
  QTest::newRow("seven, no sit-out line")
      << QStringList{"a", "b", "c", "d", "e", "f", "g"} << 8 << 8;
  QTest::newRow("eight, fifth sits out")
      << QStringList{"a", "b", "c", "d", s, "f", "g", "h"} << 8 << 5;
  QTest::newRow("sit-out line with a blank after it")
      << QStringList{"a", "b", "c", "d", s + u' ', "f", "g", "h"} << 8 << 0;
  QTest::newRow("odd with a sit-out line: the extra pair sits out")
      << QStringList{"a", s, "c", "d", "e", "f", "g"} << 8 << 8;
  QTest::newRow("blank lines are not counted") << QStringList{"a", "", "  ", "b", s, "d"} << 4 << 3;
  QTest::newRow("no lines") << QStringList{} << 0 << 0;
}

void TestVoorbereiding::pairsOfGroup() {
  QFETCH(QStringList, regels);
  QFETCH(int, paren);
  QFETCH(int, stilzit);
  const GroepParen telling = TelParen(regels, QStringLiteral("***** Stilzit *****"));
  QCOMPARE(telling.paren, paren);
  QCOMPARE(telling.stilzit, stilzit);
}

void TestVoorbereiding::groupFileRead() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 11;
  folder.write("groepen/a.txt", "1| a+2| b\r\n***** Pair don't play *****\r\n3| c+4| d\r\n");
  folder.write("groepen/leeg.txt", "");
  const auto telling = LeesGroepParen(folder.path("groepen/a.txt"));
  QVERIFY(telling);
  QCOMPARE(telling->paren, 4);
  QCOMPARE(telling->stilzit, 4); // odd: the extra pair sits out
  QVERIFY(!LeesGroepParen(folder.path("groepen/leeg.txt")));
  QVERIFY(!LeesGroepParen(folder.path("groepen/weg.txt")));
  Voorbereiding staat;
  staat.kiesGroep(QStringLiteral("2023-11-08 Group A"), {8, 0});
  QCOMPARE(staat.stilzit, QStringLiteral("No"));
}

void TestVoorbereiding::spinnerWraps_data() {
  QTest::addColumn<int>("waarde");
  QTest::addColumn<int>("aantal");
  QTest::addColumn<int>("uit");
  QTest::newRow("below the first") << -1 << 10 << 9;
  QTest::newRow("past the last") << 10 << 10 << 0;
  QTest::newRow("inside") << 4 << 10 << 4;
  QTest::newRow("download spinner's own minimum") << -2 << 3 << 2;
}

void TestVoorbereiding::spinnerWraps() {
  QFETCH(int, waarde);
  QFETCH(int, aantal);
  QFETCH(int, uit);
  QCOMPARE(Wikkel(waarde, aantal), uit);
  QCOMPARE(Voorbereiding::RondeNummers().first(), QStringLiteral("12"));
  QCOMPARE(Voorbereiding::RondeNummers().size(), 10);
  QCOMPARE(Voorbereiding::SpelNummers(),
           QStringList({"9", "8", "7", "6", "5", "4", "3", "2", "1"}));
}

void TestVoorbereiding::spinnerSteps_data() {
  QTest::addColumn<bool>("rondenSpinner"); // false: the boards spinner
  QTest::addColumn<int>("waarde");
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("getoond");
  QTest::addColumn<QStringList>("schemas");
  QTest::addColumn<bool>("blijftGekozen");
  QTest::newRow("rounds up from 12 wrap to 3")
      << true << -1 << 9 << "3" << QStringList{"08 Paren 03 Ronden Kort"} << false;
  QTest::newRow("rounds down from 3 wrap to 12")
      << true << 10 << 0 << "12" << QStringList{"08 Paren 12 Ronden Lang"} << false;
  QTest::newRow("rounds one down") << true << 7 << 7 << "5" << QStringList{} << false;
  QTest::newRow("boards up from 9 wrap to 1")
      << false << -1 << 8 << "1" << QStringList{"08 Paren 06 Ronden Howell"} << true;
  QTest::newRow("boards down from 1 wrap to 9")
      << false << 9 << 0 << "9" << QStringList{"08 Paren 06 Ronden Howell"} << true;
}

void TestVoorbereiding::spinnerSteps() {
  QFETCH(bool, rondenSpinner);
  QFETCH(int, waarde);
  QFETCH(int, index);
  QFETCH(QString, getoond);
  QFETCH(QStringList, schemas);
  QFETCH(bool, blijftGekozen);
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  for (const char *naam :
       {"08 Paren 03 Ronden Kort", "08 Paren 06 Ronden Howell", "08 Paren 12 Ronden Lang"})
    folder.write(QStringLiteral("schema/10/%1.txt").arg(QLatin1String(naam)),
                 testing::passendSchema(QLatin1String(naam)));
  Voorbereiding staat;
  // A new evening begins with 6 rounds of 4 boards.
  QCOMPARE(staat.ronden, QStringLiteral("6"));
  QCOMPARE(staat.rondeIndex, 6);
  QCOMPARE(staat.spellen, QStringLiteral("4"));
  QCOMPARE(staat.spelIndex, 5);
  staat.kiesGroep(QStringLiteral("08-11-2023 Groep A"), {8, 0});
  staat.kiesSchema(0, true);
  if (rondenSpinner) {
    staat.stapRonden(waarde);
    QCOMPARE(staat.rondeIndex, index);
    QCOMPARE(staat.ronden, getoond);
  } else {
    staat.stapSpellen(waarde);
    QCOMPARE(staat.spelIndex, index);
    QCOMPARE(staat.spellen, getoond);
  }
  // Other rounds list other schemas, none chosen; the boards touch neither.
  QCOMPARE(staat.schemas, schemas);
  QCOMPARE(staat.magStarten(), blijftGekozen);
  // Another group begins again at 6 rounds of 4 boards.
  staat.kiesGroep(QStringLiteral("08-11-2023 Groep B"), {8, 0});
  QCOMPARE(staat.ronden, QStringLiteral("6"));
  QCOMPARE(staat.rondeIndex, 6);
  QCOMPARE(staat.spellen, QStringLiteral("4"));
  QCOMPARE(staat.spelIndex, 5);
  QCOMPARE(staat.schemas, QStringList({"08 Paren 06 Ronden Howell"}));
  QVERIFY(!staat.magStarten());
}

void TestVoorbereiding::choosingSchema() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  folder.write("schema/10/08 Paren 06 Ronden A.txt",
               testing::passendSchema("schema/10/08 Paren 06 Ronden A.txt"));
  folder.write("schema/10/08 Paren 06 Ronden B.txt",
               testing::passendSchema("schema/10/08 Paren 06 Ronden B.txt"));
  folder.write("schema/10/08 Paren 05 Ronden C.txt",
               testing::passendSchema("schema/10/08 Paren 05 Ronden C.txt"));
  Voorbereiding staat;
  staat.kiesGroep(QStringLiteral("08-11-2023 Groep A"), {8, 8});
  staat.lijstSchemas();
  QCOMPARE(staat.schemas, QStringList({"08 Paren 06 Ronden A", "08 Paren 06 Ronden B"}));
  QVERIFY(!staat.magStarten());
  // One chosen at a time; unchoosing another leaves the choice alone.
  staat.kiesSchema(0, true);
  staat.kiesSchema(1, true);
  QCOMPARE(staat.gekozenSchema(), QStringLiteral("08 Paren 06 Ronden B"));
  staat.kiesSchema(0, false);
  QVERIFY(staat.magStarten());
  staat.kiesSchema(1, false);
  QVERIFY(!staat.magStarten());
  QCOMPARE(staat.gekozenSchema(), QString());
  staat.kiesSchema(5, true);
  QVERIFY(!staat.magStarten());
  // Other rounds: a new list, nothing chosen.
  staat.kiesSchema(0, true);
  staat.ronden = QStringLiteral("5");
  staat.lijstSchemas();
  QCOMPARE(staat.schemas, QStringList({"08 Paren 05 Ronden C"}));
  QVERIFY(!staat.magStarten());
  staat.wis();
  QVERIFY(staat.schemas.isEmpty() && staat.groep.isEmpty() && staat.paren.isEmpty());
}

void TestVoorbereiding::headerOfNewEvening() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  Voorbereiding staat;
  staat.kiesGroep(QStringLiteral("08-11-2023 Groep A"), {8, 0});
  staat.spellen = QStringLiteral("3");
  staat.schemas = {QStringLiteral("08 Paren 06 Ronden Howell")};
  staat.schema = 0;
  staat.groep.clear(); // a refused group empties the name shown
  QCOMPARE(staat.kop(QStringLiteral("08-11-2023 Groep A.txt"), 1).regels,
           QStringList({"08-11-2023 Groep A Uitslag", "8", "Geen", "6", "3",
                        "08 Paren 06 Ronden Howell", "1"}));
}

void TestVoorbereiding::earlierEvening() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  folder.write("schema/10/08 Paren 06 Ronden Howell.txt",
               testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  InvoerKop kop;
  kop.regels = QStringList{"x Uitslag", "08", "Geen", "6", "4", "08 PAREN 06 RONDEN HOWELL", "1"};
  Voorbereiding staat;
  staat.kiesAvond(QStringLiteral("x Uitslag"), kop);
  QCOMPARE(staat.paren, QStringLiteral("08"));
  QCOMPARE(staat.stilzit, QStringLiteral("Geen"));
  staat.lijstSchemas();
  // The header's schema is found without regard to case.
  QVERIFY(staat.kiesSchema(kop.regels[5]));
  QCOMPARE(staat.gekozenSchema(), QStringLiteral("08 Paren 06 Ronden Howell"));
  QVERIFY(!staat.magInvoerOpenen(QString()));
  QVERIFY(staat.magInvoerOpenen(QStringLiteral("x Uitslag.txt")));
  // A schema that is no longer whole keeps the evening from its entry window.
  folder.write("schema/10/08 Paren 06 Ronden Howell.txt", "<html>\r\n");
  QVERIFY(!staat.magInvoerOpenen(QStringLiteral("x Uitslag.txt")));
  QVERIFY(!staat.kiesSchema(QStringLiteral("08 Paren 06 Ronden Weg")));
  QVERIFY(!staat.magStarten());
}

void TestVoorbereiding::earlierEveningChoices_data() {
  QTest::addColumn<QString>("naam");
  QTest::addColumn<QByteArray>("kop");
  QTest::addColumn<QByteArray>("howell"); // the Howell schema file; empty: none
  QTest::addColumn<bool>("bruikbaar");
  QTest::addColumn<QStringList>("getoond"); // pairs, sit-out, rounds, boards
  QTest::addColumn<int>("rondeIndex");
  QTest::addColumn<int>("spelIndex");
  QTest::addColumn<QString>("gekozen");
  QTest::addColumn<int>("invoerWijze"); // -1: line 7 not read
  QTest::addColumn<QString>("melding");
  const QString a = QStringLiteral("08-11-2023 Groep A Uitslag");
  const QByteArray howell = testing::passendSchema("08 Paren 06 Ronden Howell");
  QTest::newRow("schema found in any case; rounds as listed, boards as written")
      << a << QByteArray("x\r\n8\r\nGeen\r\n06\r\n04\r\n08 PAREN 06 RONDEN HOWELL\r\n1\r\n")
      << howell << true << QStringList{"8", "Geen", "6", "04"} << 6 << 5
      << "08 Paren 06 Ronden Howell" << 1 << QString();
  QTest::newRow("twelve rounds of nine boards")
      << a << QByteArray("x\r\n08\r\n5\r\n12\r\n9\r\n08 Paren 12 Ronden Lang\r\n0\r\n") << howell
      << true << QStringList{"08", "5", "12", "9"} << 0 << 0 << "08 Paren 12 Ronden Lang" << 0
      << QString();
  QTest::newRow("three rounds of one board")
      << a << QByteArray("x\r\n8\r\n8\r\n3\r\n1\r\n08 Paren 03 Ronden Kort\r\n1\r\n") << howell
      << true << QStringList{"8", "8", "3", "1"} << 9 << 8 << "08 Paren 03 Ronden Kort" << 1
      << QString();
  QTest::newRow("schema file gone")
      << a << QByteArray("x\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Howell\r\n1\r\n")
      << QByteArray() << true << QStringList{"8", "8", "6", "4"} << 6 << 5 << QString() << -1
      << "Bestand <schema/10/08 Paren 06 Ronden Howell.txt> niet gevonden.";
  QTest::newRow("schema file no schema")
      << a << QByteArray("x\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Howell\r\n1\r\n")
      << QByteArray("<html>\r\n") << true << QStringList{"8", "8", "6", "4"} << 6 << 5 << QString()
      << -1
      << "Het bestand schema/10/08 Paren 06 Ronden Howell.txt is onvolledig of "
         "beschadigd.|Het kan niet worden gebruikt.";
  QTest::newRow("schema file of a round too few")
      << a << QByteArray("x\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Howell\r\n1\r\n")
      << testing::passendSchema("08 Paren 05 Ronden Howell") << true
      << QStringList{"8", "8", "6", "4"} << 6 << 5 << QString() << -1
      << "Het speelschema schema/10/08 Paren 06 Ronden Howell.txt past niet bij de paren en ronden "
         "van deze avond.|Het kan niet worden gebruikt.";
  QTest::newRow("schema of other pairs: not listed, no message")
      << a << QByteArray("x\r\n10\r\nGeen\r\n6\r\n4\r\n08 Paren 06 Ronden Howell\r\n1\r\n")
      << howell << true << QStringList{"10", "Geen", "6", "4"} << 6 << 5 << QString() << -1
      << QString();
  QTest::newRow("header cut short")
      << a << QByteArray("x\r\n8\r\n8\r\n6\r\n") << howell << false << QStringList{} << 0 << 0
      << QString() << -1
      << "Het bestand 08-11-2023 Groep A Uitslag.txt is onvolledig of beschadigd.|Het kan niet "
         "worden gebruikt.";
  QTest::newRow("no blank before the word: no group")
      << "08-11-2023 Groep AUitslag"
      << QByteArray("x\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Howell\r\n1\r\n") << howell
      << false << QStringList{} << 0 << 0 << QString() << -1
      << "Het bestand 08-11-2023 Groep AUitslag.txt is onvolledig of beschadigd.|Het kan niet "
         "worden gebruikt.";
}

void TestVoorbereiding::earlierEveningChoices() {
  QFETCH(QString, naam);
  QFETCH(QByteArray, kop);
  QFETCH(QByteArray, howell);
  QFETCH(bool, bruikbaar);
  QFETCH(QStringList, getoond);
  QFETCH(int, rondeIndex);
  QFETCH(int, spelIndex);
  QFETCH(QString, gekozen);
  QFETCH(int, invoerWijze);
  QFETCH(QString, melding);
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  folder.write("invoer/" + naam + ".txt", kop);
  if (!howell.isEmpty())
    folder.write("schema/10/08 Paren 06 Ronden Howell.txt", howell);
  folder.write("schema/10/08 Paren 06 Ronden Ander.txt",
               testing::passendSchema("schema/10/08 Paren 06 Ronden Ander.txt"));
  folder.write("schema/10/08 Paren 12 Ronden Lang.txt",
               testing::passendSchema("schema/10/08 Paren 12 Ronden Lang.txt"));
  folder.write("schema/10/08 Paren 03 Ronden Kort.txt",
               testing::passendSchema("schema/10/08 Paren 03 Ronden Kort.txt"));
  Voorbereiding staat;
  staat.kiesGroep(QStringLiteral("09-11-2023 Groep B"), {8, 0});
  staat.stapRonden(7); // 5 rounds: a step the evening must not keep
  const Avond avond = staat.kiesAvond(naam, LeesInvoerKop(folder.path("invoer/" + naam + ".txt")));
  QCOMPARE(avond.bruikbaar, bruikbaar);
  QCOMPARE(avond.melding, melding);
  QCOMPARE(avond.invoerWijze.value_or(-1), invoerWijze);
  if (!bruikbaar) {
    // Nothing of the evening is taken over.
    QCOMPARE(staat.groep, QStringLiteral("09-11-2023 Groep B"));
    QCOMPARE(staat.ronden, QStringLiteral("5"));
    QVERIFY(avond.sGroepBestand.isEmpty() && avond.sInvoerBestand.isEmpty());
    return;
  }
  QCOMPARE(avond.sGroepBestand, QStringLiteral("08-11-2023 Groep A.txt"));
  QCOMPARE(avond.sInvoerBestand, QStringLiteral("08-11-2023 Groep A Uitslag.txt"));
  QCOMPARE(staat.groep, QStringLiteral("08-11-2023 Groep A"));
  QCOMPARE(QStringList({staat.paren, staat.stilzit, staat.ronden, staat.spellen}), getoond);
  QCOMPARE(staat.rondeIndex, rondeIndex);
  QCOMPARE(staat.spelIndex, spelIndex);
  QCOMPARE(staat.gekozenSchema(), gekozen);
  QCOMPARE(staat.magStarten(), !gekozen.isEmpty());
}

void TestVoorbereiding::deletions_data() {
  QTest::addColumn<bool>("groep"); // false: a results file
  QTest::addColumn<QString>("naam");
  QTest::addColumn<QString>("sGroepBestand");
  QTest::addColumn<QString>("sInvoerBestand");
  QTest::addColumn<QString>("pad");
  QTest::addColumn<bool>("keuzesWeg");
  const QString a = QStringLiteral("08-11-2023 Groep A");
  QTest::newRow("the group chosen for a new evening")
      << true << a << a + ".txt" << QString() << "groepen/08-11-2023 Groep A.txt" << true;
  QTest::newRow("another group") << true << a << "09-11-2023 Groep B.txt" << QString()
                                 << "groepen/08-11-2023 Groep A.txt" << false;
  QTest::newRow("the group of the evening chosen") << true << a << a + ".txt" << a + " Uitslag.txt"
                                                   << "groepen/08-11-2023 Groep A.txt" << false;
  QTest::newRow("a group file in upper case")
      << true << "08-11-2023 Groep C" << QString() << QString() << "groepen/08-11-2023 Groep C.TXT"
      << false;
  QTest::newRow("a results file in upper case")
      << false << "08-11-2023 Groep C Uitslag" << QString() << QString()
      << "invoer/08-11-2023 Groep C Uitslag.TXT" << true;
}

void TestVoorbereiding::deletions() {
  QFETCH(bool, groep);
  QFETCH(QString, naam);
  QFETCH(QString, sGroepBestand);
  QFETCH(QString, sInvoerBestand);
  QFETCH(QString, pad);
  QFETCH(bool, keuzesWeg);
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  for (const char *f : {"groepen/08-11-2023 Groep A.txt", "groepen/08-11-2023 Groep A.mail",
                        "groepen/08-11-2023 Groep C.TXT", "invoer/08-11-2023 Groep A Uitslag.txt",
                        "invoer/08-11-2023 Groep C Uitslag.TXT"})
    folder.write(QString::fromLatin1(f), "x\r\n");
  const Wissen wissen = groep ? WisGroep(naam, sGroepBestand, sInvoerBestand) : WisInvoer(naam);
  QCOMPARE(wissen.pad, folder.path(pad));
  QCOMPARE(wissen.keuzesWeg, keuzesWeg);
}

void TestVoorbereiding::schemaMessages_data() {
  QTest::addColumn<int>("taal");
  QTest::addColumn<QByteArray>("inhoud");
  QTest::addColumn<QStringList>("kop"); // pairs, sit-out, rounds, boards; empty: no header
  QTest::addColumn<QString>("tekst");
  const QStringList acht{"8", "Geen", "6", "4"};
  const QByteArray passend = testing::passendSchema("08 Paren 06 Ronden X");
  QTest::newRow("usable") << 10 << passend << acht << QString();
  QTest::newRow("usable, sit-out pair at a table")
      << 10 << passend << QStringList{"8", "3", "6", "4"} << QString();
  QTest::newRow("reads, no header to fit") << 10 << kSchema << QStringList() << QString();
  QTest::newRow("missing") << 10 << QByteArray() << acht
                           << "Bestand <schema/10/08 Paren 06 Ronden X.txt> niet gevonden.";
  QTest::newRow("no schema, en") << 11 << QByteArray("<html><body>404</body></html>\r\n") << acht
                                 << "The file schema/11/08 Paren 06 Ronden X.txt is incomplete or "
                                    "damaged.\nIt cannot be used.";
  const QString pastNiet = "Het speelschema schema/10/08 Paren 06 Ronden X.txt past niet bij de "
                           "paren en ronden van deze avond.\nHet kan niet worden gebruikt.";
  QTest::newRow("pair 9 in 8 pairs")
      << 10 << QByteArray(passend).replace("7- 8 (5-8)", "7- 9 (5-8)") << acht << pastNiet;
  QTest::newRow("a round too few")
      << 10 << testing::passendSchema("08 Paren 05 Ronden X") << acht << pastNiet;
  QTest::newRow("a round too few, en")
      << 11 << testing::passendSchema("08 Paren 05 Ronden X") << acht
      << "The play schema schema/11/08 Paren 06 Ronden X.txt does not fit the pairs and rounds of "
         "this evening.\nIt cannot be used.";
}

void TestVoorbereiding::schemaMessages() {
  QFETCH(int, taal);
  QFETCH(QByteArray, inhoud);
  QFETCH(QStringList, kop);
  QFETCH(QString, tekst);
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = taal;
  if (!inhoud.isEmpty())
    folder.write(QStringLiteral("schema/%1/08 Paren 06 Ronden X.txt").arg(taal), inhoud);
  std::optional<InvoerKop> header;
  if (!kop.isEmpty())
    header =
        InvoerKop::Nieuw(QStringList{"a Uitslag"} + kop + QStringList{"08 Paren 06 Ronden X", "0"});
  QCOMPARE(SchemaFoutTekst(QStringLiteral("08 Paren 06 Ronden X"), header).replace(u'|', u'\n'),
           tekst);
}

void TestVoorbereiding::downloadChoice() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  SchemaKeuze staat;
  staat.laad({"====== 8 paren", "A", "B", "====== 06 paren", "C", "====== 08 paren", "D"});
  QCOMPARE(staat.spinner, QStringList({"08", "08", "06"}));
  staat.toon(2);
  QCOMPARE(staat.paren, QStringLiteral("06"));
  QCOMPARE(staat.namen, QStringList({"C"}));
  staat.toon(0);
  QCOMPARE(staat.namen, QStringList({"A", "B", "D"}));
  QCOMPARE(staat.titel(), QStringLiteral("Speelschema's (3)"));
}

#include "voorbereiding_test.moc"
ZEMLO_TEST_CLASS(TestVoorbereiding)
