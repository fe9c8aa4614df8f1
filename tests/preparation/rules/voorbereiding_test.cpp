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
  void choosingSchema();
  void headerOfNewEvening();
  void earlierEvening();
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
  staat.toonGroep(QStringLiteral("2023-11-08 Group A"), {8, 0});
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

void TestVoorbereiding::choosingSchema() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  folder.write("schema/10/08 Paren 06 Ronden A.txt", kSchema);
  folder.write("schema/10/08 Paren 06 Ronden B.txt", kSchema);
  folder.write("schema/10/08 Paren 05 Ronden C.txt", kSchema);
  Voorbereiding staat;
  staat.toonGroep(QStringLiteral("08-11-2023 Groep A"), {8, 8});
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
  staat.toonGroep(QStringLiteral("08-11-2023 Groep A"), {8, 0});
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
  folder.write("schema/10/08 Paren 06 Ronden Howell.txt", kSchema);
  InvoerKop kop;
  kop.regels = QStringList{"x Uitslag", "08", "Geen", "6", "4", "08 PAREN 06 RONDEN HOWELL", "1"};
  Voorbereiding staat;
  staat.toonKop(QStringLiteral("x"), kop);
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

void TestVoorbereiding::schemaMessages_data() {
  QTest::addColumn<int>("taal");
  QTest::addColumn<QByteArray>("inhoud");
  QTest::addColumn<QString>("tekst");
  QTest::newRow("usable") << 10 << kSchema << QString();
  QTest::newRow("missing") << 10 << QByteArray()
                           << "Bestand <schema/10/08 Paren 06 Ronden X.txt> niet gevonden.";
  QTest::newRow("no schema, en") << 11 << QByteArray("<html><body>404</body></html>\r\n")
                                 << "The file schema/11/08 Paren 06 Ronden X.txt is incomplete or "
                                    "damaged.\nIt cannot be used.";
}

void TestVoorbereiding::schemaMessages() {
  QFETCH(int, taal);
  QFETCH(QByteArray, inhoud);
  QFETCH(QString, tekst);
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = taal;
  if (!inhoud.isEmpty())
    folder.write(QStringLiteral("schema/%1/08 Paren 06 Ronden X.txt").arg(taal), inhoud);
  QCOMPARE(SchemaFoutTekst(QStringLiteral("08 Paren 06 Ronden X")).replace(u'|', u'\n'), tekst);
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
