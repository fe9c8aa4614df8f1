// The rules without widgets: results file header, start.txt, schema lists,
// schema reading and the board-set mapping, the date-prefix pass.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "preparation/bestanden.h"
#include "preparation/invoerkop.h"
#include "preparation/schema.h"
#include "preparation/schemalijst.h"

#include <QtTest>

using namespace preparation;

class TestPreparationRules : public QObject {
  Q_OBJECT
private slots:
  void invoerNaam_data();
  void invoerNaam();
  void headerWrittenByteForByte();
  void existingResultsFileUntouched();
  void readHeader_data();
  void readHeader();
  void startFile_data();
  void startFile();
  void startWritten();
  void mappingList();
  void tablesOfBoard_data();
  void tablesOfBoard();
  void mappedFieldText();
  void fieldTextFromNumbers_data();
  void fieldTextFromNumbers();
  void fieldNumbersOutOfRange_data();
  void fieldNumbersOutOfRange();
  void schemaRoundLines();
  void fittingSchemas();
  void schemaReadAndCheck();
  void datePassDutch();
  void datePassEnglish();
  void datePassKeepsEveningWithGroup();
  void datePassOnAFullDisk();
  void datePassTakesNothingOver_data();
  void datePassTakesNothingOver();
  void schemaList();
  void schemaListCountOutOfRange();
  void wholeDownload_data();
  void wholeDownload();
  void safeNames_data();
  void safeNames();
};

void TestPreparationRules::invoerNaam_data() {
  QTest::addColumn<int>("taal");
  QTest::addColumn<QString>("groep");
  QTest::addColumn<QString>("invoer");
  QTest::newRow("nl") << 10 << "08-11-2023 Groep A.txt"
                      << "08-11-2023 Groep A Uitslag.txt";
  QTest::newRow("en") << 11 << "2023-11-08 Group A.txt"
                      << "2023-11-08 Group A Result.txt";
}

void TestPreparationRules::invoerNaam() {
  QFETCH(int, taal);
  QFETCH(QString, groep);
  QFETCH(QString, invoer);
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = taal;
  QCOMPARE(InvoerNaam(groep), invoer);
  QCOMPARE(GroepNaamVan(invoer.left(invoer.size() - 4)), groep.left(groep.size() - 4));
  QVERIFY(!GroepNaamVan(QStringLiteral("08-11-2023 Groep A")));
}

void TestPreparationRules::headerWrittenByteForByte() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  folder.write("invoer/leeg Groep A Uitslag.txt", "");
  const InvoerKop kop = InvoerKop::Nieuw(
      {"08-11-2023 Groep A Uitslag", "8", "Geen", "6", "4", "08 Paren 06 Ronden Howell", "1"});
  const QByteArray expected = "08-11-2023 Groep A Uitslag\r\n8\r\nGeen\r\n6\r\n4\r\n"
                              "08 Paren 06 Ronden Howell\r\n1\r\n";
  QVERIFY(MaakInvoerBestand(folder.path("invoer/a.txt"), kop));
  QCOMPARE(folder.read("invoer/a.txt"), expected);
  // An empty file counts as absent and gets the header.
  QVERIFY(MaakInvoerBestand(folder.path("invoer/leeg Groep A Uitslag.txt"), kop));
  QCOMPARE(folder.read("invoer/leeg Groep A Uitslag.txt"), expected);
}

void TestPreparationRules::existingResultsFileUntouched() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  const QByteArray old = "x Uitslag\r\n10\r\n3\r\n7\r\n2\r\nS\r\n0\r\nbody\xe9\n";
  folder.write("invoer/x.txt", old);
  QVERIFY(MaakInvoerBestand(folder.path("invoer/x.txt"),
                            InvoerKop::Nieuw({"y", "8", "Geen", "6", "4", "T", "1"})));
  QCOMPARE(folder.read("invoer/x.txt"), old);
}

void TestPreparationRules::readHeader_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<bool>("ok");
  QTest::addColumn<int>("stilzit");
  const QByteArray tail = "6\r\n4\r\n08 Paren 06 Ronden Howell \r\n1\r\n";
  QTest::newRow("good") << ("T Uitslag\r\n8\r\n8\r\n" + tail) << true << 8;
  QTest::newRow("word sit-out") << ("T Uitslag\r\n8\r\nGeen\r\n" + tail) << true << 0;
  QTest::newRow("other language word") << ("T Uitslag\r\n8\r\nNo\r\n" + tail) << true << 0;
  QTest::newRow("LF only, with body") << QByteArray("T\n8\n5\n12\n9\nS\n0\nbody\n") << true << 5;
  QTest::newRow("six lines") << QByteArray("T\r\n8\r\n8\r\n6\r\n4\r\nS\r\n") << false << 0;
  QTest::newRow("empty") << QByteArray() << false << 0;
  QTest::newRow("pairs not a number") << ("T\r\nacht\r\n8\r\n" + tail) << false << 0;
  QTest::newRow("pairs 0") << ("T\r\n0\r\nGeen\r\n" + tail) << false << 0;
  QTest::newRow("sit-out above pairs") << ("T\r\n8\r\n9\r\n" + tail) << false << 0;
  QTest::newRow("rounds 2") << QByteArray("T\n8\n8\n2\n4\nS\n0\n") << false << 0;
  QTest::newRow("rounds 13") << QByteArray("T\n8\n8\n13\n4\nS\n0\n") << false << 0;
  QTest::newRow("boards 0") << QByteArray("T\n8\n8\n6\n0\nS\n0\n") << false << 0;
  QTest::newRow("boards 10") << QByteArray("T\n8\n8\n6\n10\nS\n0\n") << false << 0;
  QTest::newRow("way 2") << QByteArray("T\n8\n8\n6\n4\nS\n2\n") << false << 0;
  QTest::newRow("way empty") << QByteArray("T\n8\n8\n6\n4\nS\n\n") << false << 0;
  const QByteArray huge = "1" + QByteArray(300, '0');
  QTest::newRow("pairs beyond int") << ("T\n4294967304\n8\n" + tail) << false << 0;
  QTest::newRow("sit-out of 300 digits") << ("T\n8\n" + huge + "\n" + tail) << false << 0;
  QTest::newRow("rounds beyond int") << QByteArray("T\n8\n8\n4294967302\n4\nS\n0\n") << false << 0;
  QTest::newRow("boards beyond int") << QByteArray("T\n8\n8\n6\n4294967300\nS\n0\n") << false << 0;
  QTest::newRow("way beyond int") << QByteArray("T\n8\n8\n6\n4\nS\n4294967296\n") << false << 0;
}

void TestPreparationRules::readHeader() {
  QFETCH(QByteArray, bytes);
  QFETCH(bool, ok);
  QFETCH(int, stilzit);
  testing::ProgramFolder folder;
  folder.write("invoer/k.txt", bytes);
  const auto kop = LeesInvoerKop(folder.path("invoer/k.txt"));
  QCOMPARE(kop.has_value(), ok);
  if (kop) {
    QCOMPARE(kop->stilzit, stilzit);
    QCOMPARE(kop->regels.size(), 7);
    QVERIFY(!kop->schema.endsWith(u' '));
  }
}

void TestPreparationRules::startFile_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<bool>("present");
  QTest::addColumn<int>("wijze");
  QTest::newRow("missing") << QByteArray() << false << 0;
  QTest::newRow("empty") << QByteArray() << true << 0;
  QTest::newRow("one") << QByteArray(" 1 \r\n") << true << 1;
  QTest::newRow("zero") << QByteArray(" 0 \r\n") << true << 0;
  QTest::newRow("one LF") << QByteArray("1\n") << true << 1;
  QTest::newRow("two") << QByteArray(" 2 \r\n") << true << 0;
  QTest::newRow("minus one") << QByteArray("-1\r\n") << true << 0;
  QTest::newRow("text") << QByteArray("per ronde\r\n") << true << 0;
  QTest::newRow("beyond int") << QByteArray("4294967297\r\n") << true << 0;
}

void TestPreparationRules::startFile() {
  QFETCH(QByteArray, bytes);
  QFETCH(bool, present);
  QFETCH(int, wijze);
  testing::ProgramFolder folder;
  if (present)
    folder.write("start.txt", bytes);
  QCOMPARE(LeesStart(), wijze);
}

void TestPreparationRules::startWritten() {
  testing::ProgramFolder folder;
  QVERIFY(SchrijfStart(1));
  QCOMPARE(folder.read("start.txt"), QByteArray(" 1 \r\n"));
  QVERIFY(SchrijfStart(0));
  QCOMPARE(folder.read("start.txt"), QByteArray(" 0 \r\n"));
}

void TestPreparationRules::mappingList() {
  QCOMPARE(VervangSpelNummers(4, 3),
           QStringList({"(1-4)|(1-3)", "(5-8)|(4-6)", "(9-12)|(7-9)", "(13-16)|(10-12)"}));
  QCOMPARE(VervangSpelNummers(2, 4), QStringList({"(1-4)|(1-4)", "(5-8)|(5-8)"}));
  QCOMPARE(VervangSpelNummers(2, 9), QStringList({"(1-4)|(1-9)", "(5-8)|(10-18)"}));
}

// Four rounds, with both spacings of the pair part, an empty table, a
// trailing TAB, blank lines, a set beyond the rounds and a malformed field.
static QStringList schemaLines() {
  return {"1\t9- 9 (1-4)", // a title that looks like a round: always skipped
          "1\t1- 2 (1-4)\t3- 4 (5-8)\t-  - (9-12)",
          "",
          "2\t1- 3 (5-8)\t 2 - 4     (13-16)\t",
          "   ",
          "3\t12- 3 (9-12)\t4- 1 (17-20)",
          "4\t2- 1 (13-16)\tgeen paren (1-4)\t5- 6"};
}

void TestPreparationRules::tablesOfBoard_data() {
  QTest::addColumn<int>("spellen");
  QTest::addColumn<int>("spel");
  QTest::addColumn<QString>("tafels"); // round.table:NS-EW, ...
  QTest::newRow("b4 board 5") << 4 << 5 << "1.2:3-4 2.1:1-3";
  QTest::newRow("b4 board 13") << 4 << 13 << "2.2:2-4 4.1:2-1";
  QTest::newRow("b4 board 17 beyond") << 4 << 17 << "";
  QTest::newRow("b3 board 11") << 3 << 11 << "2.2:2-4 4.1:2-1";
  QTest::newRow("b3 board 4") << 3 << 4 << "1.2:3-4 2.1:1-3";
  QTest::newRow("b3 board 13 none") << 3 << 13 << "";
  QTest::newRow("b1 board 2") << 1 << 2 << "1.2:3-4 2.1:1-3";
  QTest::newRow("b1 board 3") << 1 << 3 << "3.1:12-3";
  QTest::newRow("b1 board 5 none") << 1 << 5 << "";
  QTest::newRow("b9 board 1") << 9 << 1 << "1.1:1-2";
  QTest::newRow("b9 board 17") << 9 << 17 << "1.2:3-4 2.1:1-3";
  QTest::newRow("b9 board 36") << 9 << 36 << "2.2:2-4 4.1:2-1";
}

void TestPreparationRules::tablesOfBoard() {
  QFETCH(int, spellen);
  QFETCH(int, spel);
  QFETCH(QString, tafels);
  const QStringList rondes = SchemaRegels(schemaLines());
  QStringList got;
  for (const Tafel &t : TafelsVoorSpel(ParenSpellen(rondes, 4, spellen), spel))
    got.append(QStringLiteral("%1.%2:%3-%4").arg(t.ronde).arg(t.tafel).arg(t.ns).arg(t.ew));
  QCOMPARE(got.join(u' '), tafels);
}

void TestPreparationRules::mappedFieldText() {
  const QList<Tafel> b3 = ParenSpellen(SchemaRegels(schemaLines()), 4, 3);
  QStringList velden;
  for (const Tafel &t : b3)
    velden.append(t.veld);
  // The empty table, the field after the trailing TAB, the field without a
  // pair part and the one without a set are gone.
  QCOMPARE(velden, QStringList({"1- 2 (1-3)", "3- 4 (4-6)", "1- 3 (4-6)", " 2 - 4     (10-12)",
                                "12- 3 (7-9)", "4- 1 (17-20)", "2- 1 (10-12)"}));
  QCOMPARE(b3[3].paren, QStringLiteral("2 - 4"));
  QCOMPARE(b3[3].ewTekst, QStringLiteral(" 4"));
  QCOMPARE(b3[4].ns, 12);
  QCOMPARE(b3[4].ewTekst, QStringLiteral(" 3"));
  // With four boards a round every field stays as written.
  for (const Tafel &t : ParenSpellen(SchemaRegels(schemaLines()), 4, 4))
    QVERIFY(schemaLines().join(u'\t').contains(t.veld));
}

void TestPreparationRules::fieldTextFromNumbers_data() {
  QTest::addColumn<QString>("veld");
  QTest::addColumn<int>("spellen");
  QTest::addColumn<QString>("tekst"); // the field's text after the mapping
  QTest::addColumn<int>("eersteSpel");
  QTest::addColumn<QString>("ewTekst");
  QTest::newRow("leading zero, mapped") << "1- 2 (13-016)" << 3 << "1- 2 (10-12)" << 10 << " 2";
  QTest::newRow("leading zero, four boards")
      << "1- 2 (013-16)" << 4 << "1- 2 (13-16)" << 13 << " 2";
  QTest::newRow("set beyond the rounds") << "1- 2 (017-0020)" << 3 << "1- 2 (17-20)" << 0 << " 2";
  QTest::newRow("text around kept") << " 1 - 2   (05-8) " << 3 << " 1 - 2   (4-6) " << 4 << " 2";
  QTest::newRow("EW with leading zero") << "3- 06 (1-4)" << 4 << "3- 06 (1-4)" << 1 << " 6";
}

// What a field shows of its board set is built from the numbers that map
// it, so text and mapping always name the same boards.
void TestPreparationRules::fieldTextFromNumbers() {
  QFETCH(QString, veld);
  QFETCH(int, spellen);
  QFETCH(QString, tekst);
  QFETCH(int, eersteSpel);
  QFETCH(QString, ewTekst);
  const QList<Tafel> tafels = ParenSpellen({QStringLiteral("1\t") + veld}, 4, spellen);
  QCOMPARE(tafels.size(), 1);
  QCOMPARE(tafels[0].veld, tekst);
  QCOMPARE(tafels[0].eersteSpel, eersteSpel);
  QCOMPARE(tafels[0].ewTekst, ewTekst);
  if (eersteSpel > 0) {
    const QString set = u'(' + QString::number(tafels[0].eersteSpel) + u'-' +
                        QString::number(tafels[0].laatsteSpel) + u')';
    QVERIFY(tafels[0].veld.contains(set));
  }
}

void TestPreparationRules::fieldNumbersOutOfRange_data() {
  QTest::addColumn<QString>("veld");
  QTest::addColumn<bool>("tafel");
  QTest::newRow("NS beyond int") << "2147483648- 1 (1-4)" << false;
  QTest::newRow("EW beyond int") << "1- 2147483648 (1-4)" << false;
  QTest::newRow("NS of 300 digits") << QString(300, u'9') + "- 1 (1-4)" << false;
  QTest::newRow("NS 100") << "100- 1 (1-4)" << false;
  QTest::newRow("EW 0") << "1- 0 (1-4)" << false;
  QTest::newRow("NS 99") << "99- 1 (1-4)" << true;
  QTest::newRow("board beyond int") << "1- 2 (1-4294967297)" << false;
  QTest::newRow("board 0") << "1- 2 (0-4)" << false;
  QTest::newRow("board 9999") << "1- 2 (9997-9999)" << true;
  QTest::newRow("board 10000") << "1- 2 (9997-10000)" << false;
}

// A number out of range makes the field no table, in a schema that is read
// and in one that is fetched (IsSchema) alike.
void TestPreparationRules::fieldNumbersOutOfRange() {
  QFETCH(QString, veld);
  QFETCH(bool, tafel);
  const QString regel = QStringLiteral("1\t") + veld;
  QCOMPARE(IsSchema({QStringLiteral("T"), regel}), tafel);
  const QList<Tafel> tafels = ParenSpellen({regel}, 12, 4);
  QCOMPARE(tafels.size(), tafel ? 1 : 0);
}

void TestPreparationRules::schemaRoundLines() {
  const QStringList rondes = SchemaRegels(schemaLines());
  QCOMPARE(rondes.size(), 4);
  QVERIFY(rondes[0].startsWith(QStringLiteral("1\t1- 2")));
  QVERIFY(rondes[3].startsWith(QStringLiteral("4\t")));
}

void TestPreparationRules::fittingSchemas() {
  testing::ProgramFolder folder;
  for (const char *name :
       {"08 Paren 06 Ronden Howell.txt", "08 paren 06 ronden abc.txt", "08 PAREN 06 RONDEN Z.TXT",
        "08 Paren 05 Ronden x.txt", "10 Paren 06 Ronden y.txt", "08 paren 03 ronden Mitchell.txt",
        "08 Paren 03 Ronden Mitchell.txt", "08 Paren 06 Ronden.doc"})
    folder.write(QStringLiteral("schema/10/") + QString::fromLatin1(name), "t\r\n");
  folder.write("schema/11/08 Pairs 06 Rounds E.txt", "t\r\n");
  QDir().mkpath(folder.path("schema/10/08 Paren 06 Ronden map.txt"));
  BAS_Zemlo::iTaal = 10;
  QCOMPARE(SchemaPatroon(8, 6), QStringLiteral("08 Paren 06 Ronden"));
  QCOMPARE(
      PassendeSchemas(8, 6),
      QStringList({"08 paren 06 ronden abc", "08 Paren 06 Ronden Howell", "08 PAREN 06 RONDEN Z"}));
  QCOMPARE(PassendeSchemas(8, 3), QStringList({"08 Paren 03 Ronden Mitchell"}));
  QCOMPARE(PassendeSchemas(12, 6), QStringList());
  BAS_Zemlo::iTaal = 11;
  QCOMPARE(PassendeSchemas(8, 6), QStringList({"08 Pairs 06 Rounds E"}));
}

void TestPreparationRules::schemaReadAndCheck() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  folder.write("schema/10/08 Paren 06 Ronden A.txt",
               "Titel\r\n\r\n1\t1- 2 (1-4)\t\r\n2\t3 - 4 (5-8)\r\n");
  folder.write("schema/10/leeg.txt", "");
  const auto rondes = LeesSchema(QStringLiteral(" 08 Paren 06 Ronden A "));
  QVERIFY(rondes);
  QCOMPARE(rondes->size(), 2);
  // A header's name that differs from the file's only in case finds it.
  QCOMPARE(LeesSchema(QStringLiteral("08 PAREN 06 ronden a")), rondes);
  QVERIFY(!LeesSchema(QStringLiteral("weg")));
  QVERIFY(!LeesSchema(QStringLiteral("leeg")));
  QVERIFY(!LeesSchema(QString()));
  QVERIFY(IsSchema({"T", "1\t1- 2 (1-4)"}));
  QVERIFY(IsSchema({"T", "", "1\t 1 - 2     (1-4)\t"}));
  QVERIFY(!IsSchema({"<html>", "<body>404 Not Found</body>", "</html>"}));
  QVERIFY(!IsSchema({"T", "1\t-  - (1-4)"}));
  QVERIFY(!IsSchema({"1\t1- 2 (1-4)"})); // only a title line
  QVERIFY(!IsSchema({}));
}

void TestPreparationRules::datePassDutch() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  folder.write("groepen/2023-11-08 Groep A.txt", "a\r\n");
  folder.write("groepen/2023-11-08 Groep A.mail", "am\r\n");
  // A results file moves with its group and takes its title line along; the
  // rest stays byte for byte.
  folder.write("invoer/2023-11-08 Groep A Uitslag.txt",
               "2023-11-08 Groep A Uitslag\r\n8\r\nGeen\r\n6\r\n4\r\nS\r\n0\r\n1|\xe9|x\n");
  folder.write("groepen/2023-11-09 Groep B.txt", "b-old\r\n");
  folder.write("groepen/09-11-2023 Groep B.txt", "b-new\r\n");
  folder.write("groepen/2023-11-10 Groep C.txt", "c\r\n");
  folder.write("groepen/2023-11-10 Groep C.mail", "cm\r\n");
  folder.write("groepen/10-11-2023 Groep C.mail", "other\r\n");
  folder.write("groepen/Avond Groep D.txt", "d\r\n");
  folder.write("groepen/2023-02-30 Groep E.txt", "e\r\n");
  folder.write("groepen/2023-11-11 Group F.txt", "f\r\n");
  QCOMPARE(VulBestanden(Soort::Groepen, false),
           QStringList({"08-11-2023 Groep A", "09-11-2023 Groep B", "2023-02-30 Groep E",
                        "2023-11-09 Groep B", "2023-11-10 Groep C", "Avond Groep D"}));
  QCOMPARE(folder.read("groepen/08-11-2023 Groep A.mail"), QByteArray("am\r\n"));
  QVERIFY(!folder.exists("groepen/2023-11-08 Groep A.mail"));
  QCOMPARE(folder.read("groepen/2023-11-09 Groep B.txt"), QByteArray("b-old\r\n"));
  QCOMPARE(folder.read("groepen/09-11-2023 Groep B.txt"), QByteArray("b-new\r\n"));
  // The companion's new name is taken: neither file moves.
  QVERIFY(folder.exists("groepen/2023-11-10 Groep C.txt"));
  QCOMPARE(folder.read("groepen/2023-11-10 Groep C.mail"), QByteArray("cm\r\n"));
  QVERIFY(folder.exists("groepen/2023-11-11 Group F.txt"));
  QCOMPARE(VulBestanden(Soort::Groepen, true).first(), QStringLiteral("Avond Groep D"));

  QVERIFY(!folder.exists("invoer/2023-11-08 Groep A Uitslag.txt"));
  QCOMPARE(VulBestanden(Soort::Invoer, false), QStringList({"08-11-2023 Groep A Uitslag"}));
  QCOMPARE(folder.read("invoer/08-11-2023 Groep A Uitslag.txt"),
           QByteArray("08-11-2023 Groep A Uitslag\r\n8\r\nGeen\r\n6\r\n4\r\nS\r\n0\r\n1|\xe9|x\n"));
}

void TestPreparationRules::datePassEnglish() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 11;
  folder.write("groepen/08-11-2023 Group A.txt", "a\r\n");
  folder.write("groepen/08-11-2023 Group A.mail", "am\r\n");
  folder.write("groepen/12-11-2023 group b.txt", "b\r\n");
  folder.write("groepen/08-11-2023 Groep C.txt", "c\r\n");
  folder.write("invoer/08-11-2023 Group A Result.txt", "08-11-2023 Group A Result\r\n");
  QCOMPARE(VulBestanden(Soort::Groepen, true),
           QStringList({"2023-11-12 group b", "2023-11-08 Group A"}));
  QCOMPARE(folder.read("groepen/2023-11-08 Group A.mail"), QByteArray("am\r\n"));
  QVERIFY(folder.exists("groepen/08-11-2023 Groep C.txt"));
  QCOMPARE(VulBestanden(Soort::Invoer, false), QStringList({"2023-11-08 Group A Result"}));
  QCOMPARE(folder.read("invoer/2023-11-08 Group A Result.txt"),
           QByteArray("2023-11-08 Group A Result\r\n"));
}

// A title line that cannot take the new date (a full disk): the results file
// and its group keep their names, since the entry windows find the group by
// that title; the file is named. With room again they move.
void TestPreparationRules::datePassOnAFullDisk() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  folder.write("groepen/2023-11-08 Groep A.txt", "a\r\n");
  folder.write("groepen/2023-11-08 Groep A.mail", "am\r\n");
  folder.write("invoer/2023-11-08 Groep A Uitslag.txt", "2023-11-08 Groep A Uitslag\r\n");
  folder.write("invoer/2023-11-13 Groep F Uitslag.txt", "2023-11-13 Groep F Uitslag\r\n");
  QStringList groepen, invoer, nietGroepen, nietInvoer;
  {
    testing::FullDisk full;
    QVERIFY(full.isActive());
    groepen = VulBestanden(Soort::Groepen, false, &nietGroepen);
    invoer = VulBestanden(Soort::Invoer, false, &nietInvoer);
  }
  QCOMPARE(groepen, QStringList{"2023-11-08 Groep A"});
  QCOMPARE(nietGroepen, QStringList{"invoer/2023-11-08 Groep A Uitslag.txt"});
  QCOMPARE(invoer, (QStringList{"2023-11-08 Groep A Uitslag", "2023-11-13 Groep F Uitslag"}));
  QCOMPARE(nietInvoer, QStringList{"invoer/2023-11-13 Groep F Uitslag.txt"});
  QCOMPARE(folder.read("groepen/2023-11-08 Groep A.mail"), QByteArray("am\r\n"));
  QCOMPARE(folder.read("invoer/2023-11-08 Groep A Uitslag.txt"),
           QByteArray("2023-11-08 Groep A Uitslag\r\n"));
  QCOMPARE(folder.read("invoer/2023-11-13 Groep F Uitslag.txt"),
           QByteArray("2023-11-13 Groep F Uitslag\r\n"));

  QCOMPARE(VulBestanden(Soort::Groepen, false, &nietGroepen), QStringList{"08-11-2023 Groep A"});
  QVERIFY(nietGroepen.isEmpty());
  QCOMPARE(VulBestanden(Soort::Invoer, false, &nietInvoer),
           (QStringList{"08-11-2023 Groep A Uitslag", "13-11-2023 Groep F Uitslag"}));
  QCOMPARE(folder.read("invoer/08-11-2023 Groep A Uitslag.txt"),
           QByteArray("08-11-2023 Groep A Uitslag\r\n"));
}

void TestPreparationRules::datePassKeepsEveningWithGroup() {
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  // C cannot move (its companion's new name is taken): nor can its evening.
  folder.write("groepen/2023-11-10 Groep C.txt", "c\r\n");
  folder.write("groepen/2023-11-10 Groep C.mail", "cm\r\n");
  folder.write("groepen/10-11-2023 Groep C.mail", "other\r\n");
  folder.write("invoer/2023-11-10 Groep C Uitslag.txt", "2023-11-10 Groep C Uitslag\r\n");
  // D's evening cannot move (its new name is taken): nor can D.
  folder.write("groepen/2023-11-11 Groep D.txt", "d\r\n");
  folder.write("invoer/2023-11-11 Groep D Uitslag.txt", "2023-11-11 Groep D Uitslag\r\n");
  folder.write("invoer/11-11-2023 Groep D Uitslag.txt", "11-11-2023 Groep D Uitslag\r\n");
  // E moves with its evening; F's evening moves though F is gone; G's
  // evening, without G, would become that of another group G: it stays.
  folder.write("groepen/2023-11-12 Groep E.txt", "e\r\n");
  folder.write("invoer/2023-11-12 Groep E Uitslag.txt", "2023-11-12 Groep E Uitslag\r\n");
  folder.write("invoer/2023-11-13 Groep F Uitslag.txt", "2023-11-13 Groep F Uitslag\r\n");
  folder.write("groepen/14-11-2023 Groep G.txt", "g\r\n");
  folder.write("invoer/2023-11-14 Groep G Uitslag.txt", "2023-11-14 Groep G Uitslag\r\n");
  QCOMPARE(VulBestanden(Soort::Groepen, false),
           QStringList({"12-11-2023 Groep E", "14-11-2023 Groep G", "2023-11-10 Groep C",
                        "2023-11-11 Groep D"}));
  QCOMPARE(VulBestanden(Soort::Invoer, false),
           QStringList({"11-11-2023 Groep D Uitslag", "12-11-2023 Groep E Uitslag",
                        "13-11-2023 Groep F Uitslag", "2023-11-10 Groep C Uitslag",
                        "2023-11-11 Groep D Uitslag", "2023-11-14 Groep G Uitslag"}));
  QCOMPARE(folder.read("invoer/2023-11-10 Groep C Uitslag.txt"),
           QByteArray("2023-11-10 Groep C Uitslag\r\n"));
  QCOMPARE(folder.read("invoer/12-11-2023 Groep E Uitslag.txt"),
           QByteArray("12-11-2023 Groep E Uitslag\r\n"));
}

void TestPreparationRules::datePassTakesNothingOver_data() {
  QTest::addColumn<QStringList>("eigen"); // the group's own companion and results file
  QTest::addColumn<QString>("bezet");     // a file under one of its new names, or none
  QTest::addColumn<bool>("verplaatst");
  const QStringList geen;
  const QStringList beide{"groepen/2023-11-08 Groep A.MAIL",
                          "invoer/2023-11-08 Groep A Uitslag.TXT"};
  QTest::newRow("free: moves with its files in any case") << beide << QString() << true;
  QTest::newRow("free, nothing of its own") << geen << QString() << true;
  QTest::newRow("another's companion, none of its own")
      << geen << "groepen/08-11-2023 Groep A.mail" << false;
  QTest::newRow("another's companion in other case")
      << beide << "groepen/08-11-2023 groep a.Mail" << false;
  QTest::newRow("another's evening, none of its own")
      << geen << "invoer/08-11-2023 Groep A Uitslag.txt" << false;
  QTest::newRow("another's evening, and its own")
      << beide << "invoer/08-11-2023 GROEP A Uitslag.txt" << false;
  QTest::newRow("the group's new name") << beide << "groepen/08-11-2023 Groep A.TXT" << false;
}

void TestPreparationRules::datePassTakesNothingOver() {
  QFETCH(QStringList, eigen);
  QFETCH(QString, bezet);
  QFETCH(bool, verplaatst);
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  folder.write("groepen/2023-11-08 Groep A.txt", "a\r\n");
  for (const QString &f : eigen)
    folder.write(f, "2023-11-08 own\r\n");
  if (!bezet.isEmpty())
    folder.write(bezet, "other\r\n");
  const QStringList groepen = VulBestanden(Soort::Groepen, false);
  VulBestanden(Soort::Invoer, false);
  QCOMPARE(folder.exists("groepen/2023-11-08 Groep A.txt"), !verplaatst);
  QCOMPARE(folder.exists("groepen/08-11-2023 Groep A.txt"), verplaatst);
  for (const QString &f : eigen) {
    QString nieuw = f;
    nieuw.replace(QStringLiteral("2023-11-08"), QStringLiteral("08-11-2023"));
    QCOMPARE(folder.exists(f), !verplaatst);
    QCOMPARE(folder.exists(nieuw), verplaatst);
  }
  if (!bezet.isEmpty())
    QCOMPARE(folder.read(bezet), QByteArray("other\r\n"));
  if (eigen.size() > 1 && verplaatst)
    QCOMPARE(folder.read("invoer/08-11-2023 Groep A Uitslag.TXT"),
             QByteArray("08-11-2023 own\r\n"));
  // Listed once each, also when a taken name differs only in case.
  QCOMPARE(groepen.size(), bezet.endsWith(QStringLiteral(".TXT")) ? 2 : 1);
}

void TestPreparationRules::schemaList() {
  const QStringList lines = {"voor de eerste groep",
                             "====== 08  paren ======",
                             "08 paren 06 ronden Howell",
                             "",
                             "../../evil",
                             "====== 10 paren",
                             "10 paren 09 ronden Mitchell",
                             "======   06    paren",
                             "06 paren 05 ronden A",
                             "====== 8 paren",
                             "08 paren 07 ronden B",
                             "======"};
  const QList<SchemaGroep> groepen = LeesSchemaLijst(lines);
  QCOMPARE(groepen.size(), 5);
  QCOMPARE(groepen[0].tag, QStringLiteral("08"));
  QCOMPARE(groepen[0].namen, QStringList({"08 paren 06 ronden Howell"}));
  QCOMPARE(groepen[2].paren, 6);
  QCOMPARE(groepen[4].paren, 0); // a group line of one word
  QCOMPARE(SpinnerLijst(groepen), QStringList({"10", "08", "08", "06", "00"}));
  // 8 and 08 are the same count: both groups' names at either position.
  QCOMPARE(NamenVoorParen(groepen, QStringLiteral("08")),
           QStringList({"08 paren 06 ronden Howell", "08 paren 07 ronden B"}));
  QCOMPARE(NamenVoorParen(groepen, QStringLiteral("12")), QStringList());
}

// A group whose pair count no schema name can hold is no group: its names
// are not offered under another count.
void TestPreparationRules::schemaListCountOutOfRange() {
  const QList<SchemaGroep> groepen =
      LeesSchemaLijst({"====== 08 paren", "08 paren 06 ronden A", "====== 4294967304 paren",
                       "08 paren 06 ronden Vals", "====== 100 paren", "100 paren 06 ronden B",
                       "====== 10 paren", "10 paren 06 ronden C"});
  QCOMPARE(groepen.size(), 2);
  QCOMPARE(SpinnerLijst(groepen), QStringList({"10", "08"}));
  QCOMPARE(NamenVoorParen(groepen, QStringLiteral("08")), QStringList({"08 paren 06 ronden A"}));
  QCOMPARE(NamenVoorParen(groepen, QStringLiteral("10")), QStringList({"10 paren 06 ronden C"}));
  QCOMPARE(NamenVoorParen(groepen, QStringLiteral("4294967304")), QStringList());
}

void TestPreparationRules::wholeDownload_data() {
  QTest::addColumn<QString>("naam");
  QTest::addColumn<QByteArray>("inhoud");
  QTest::addColumn<bool>("heel");
  const QByteArray twee = "T\r\n1\t1- 2 (1-4)\r\n\r\n2\t1- 3 (5-8)\r\n";
  QTest::newRow("rounds as named") << "08 paren 02 ronden Howell" << twee << true;
  QTest::newRow("English words, any case") << "08 PAIRS 02 rounds X" << twee << true;
  QTest::newRow("last line without CR LF")
      << "08 paren 02 ronden Howell" << twee.chopped(2) << false;
  QTest::newRow("last line ends in LF only")
      << "08 paren 02 ronden Howell" << QByteArray(twee.chopped(2) + "\n") << false;
  QTest::newRow("a round short") << "08 paren 03 ronden Howell" << twee << false;
  QTest::newRow("a round too many") << "08 paren 01 ronden Howell" << twee << false;
  QTest::newRow("no schema") << "08 paren 01 ronden Howell" << QByteArray("<html>\r\n") << false;
  QTest::newRow("empty") << "08 paren 01 ronden Howell" << QByteArray() << false;
  QTest::newRow("name gives no rounds") << "Howell" << twee << true;
}

void TestPreparationRules::wholeDownload() {
  QFETCH(QString, naam);
  QFETCH(QByteArray, inhoud);
  QFETCH(bool, heel);
  testing::ProgramFolder folder;
  BAS_Zemlo::iTaal = 10;
  QCOMPARE(IsHeelSchema(inhoud, naam), heel);
  QCOMPARE(RondenVanNaam(QStringLiteral("12 Paren 11 Ronden")), 11);
  QVERIFY(!RondenVanNaam(QStringLiteral("12 Paren 11Ronden")));
  QVERIFY(!RondenVanNaam(QStringLiteral("12 Tafels 11 Ronden x")));
}

void TestPreparationRules::safeNames_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("safe");
  QTest::newRow("plain") << "08 paren 06 ronden Howell" << true;
  QTest::newRow("apostrophe") << "08 paren 06 ronden Howell's" << true;
  QTest::newRow("empty") << "" << false;
  QTest::newRow("blanks") << "   " << false;
  QTest::newRow("slash") << "a/b" << false;
  QTest::newRow("backslash") << "a\\b" << false;
  QTest::newRow("dot dot") << ".." << false;
  QTest::newRow("dots inside") << "a..b" << false;
  QTest::newRow("tab") << "a\tb" << false;
  QTest::newRow("nul") << QString(QChar(0)) << false;
}

void TestPreparationRules::safeNames() {
  QFETCH(QString, name);
  QFETCH(bool, safe);
  QCOMPARE(IsVeiligeNaam(name), safe);
}

#include "formats_test.moc"
ZEMLO_TEST_CLASS(TestPreparationRules)
