// The text table, Tekst and the choice of language.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"

#include <QTest>

using namespace BAS_Zemlo;

class TestTexts : public QObject {
  Q_OBJECT
private slots:
  void tekst_data() {
    QTest::addColumn<int>("taal");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("Dutch 6") << 10 << 6 << "&Invoeren scores";
    QTest::newRow("English 6") << 11 << 6 << "&Entering scores";
    QTest::newRow("index 0") << 11 << 0 << "Zemlo";
    QTest::newRow("five digits, Dutch asked English") << 10 << 11083 << "Done";
    QTest::newRow("five digits, English asked Dutch") << 11 << 10083 << "Klaar";
    QTest::newRow("four digits") << 10 << 1000 << "";
    QTest::newRow("negative") << 10 << -5 << "";
    QTest::newRow("no text at index") << 10 << 1 << "";
    QTest::newRow("language not chosen") << 0 << 5 << "";
    QTest::newRow("past the table") << 10 << 179 << "";
    QTest::newRow("trailing blank kept") << 10 << 45 << " ";
    QTest::newRow("trailing tab kept") << 11 << 168 << "Download from MAIL.TXT successful.\t";
    QTest::newRow("doubled bars and typing errors")
        << 11 << 85 << "Should EW become NS again?|| Do you want to exchange the pair numbers?";
    QTest::newRow("non-ASCII") << 10 << 149 << "Geen geldig emailadres.|Verwijder één <#>";
    QTest::newRow("Dutch refused characters") << 10 << 43 << "<>#%$*&:;\\/?.,'=+`~@^";
    QTest::newRow("English refused characters") << 11 << 43 << "<>#%$*&:;/?.,'=+`~@^";
    QTest::newRow("last text")
        << 11 << 177
        << "This group file contains a result or entered data.When you delete this group file, "
           "all associated data will be deleted as well||Delete the group file # with all its "
           "data?";
  }

  void tekst() {
    QFETCH(int, taal);
    QFETCH(int, index);
    QFETCH(QString, text);
    testing::resetSharedState();
    iTaal = taal;
    QCOMPARE(Tekst(index), text);
  }

  void everyTextInBothLanguages() {
    // Each index has a text in both languages or in neither.
    for (int i = 0; i <= 178; ++i)
      QCOMPARE(Tekst(10000 + i).isNull(), Tekst(11000 + i).isNull());
    QCOMPARE(Tekst(10043).size(), 21);
    QCOMPARE(Tekst(11043).size(), 20);
  }

  void taalTxt_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("taal");
    QTest::newRow("11") << QByteArray("11\r\n") << true << 11;
    QTest::newRow("10") << QByteArray("10\r\n") << true << 10;
    QTest::newRow("blank before") << QByteArray(" 11") << true << 11;
    QTest::newRow("tail") << QByteArray("11x\r\n") << true << 11;
    QTest::newRow("12") << QByteArray("12\r\n") << true << 10;
    QTest::newRow("10.5 to even") << QByteArray("10.5\r\n") << true << 10;
    QTest::newRow("10.6") << QByteArray("10.6\r\n") << true << 11;
    QTest::newRow("empty first line") << QByteArray("\r\n11\r\n") << true << 10;
    QTest::newRow("words") << QByteArray("English\r\n") << true << 10;
    QTest::newRow("empty file") << QByteArray() << true << 10;
    QTest::newRow("missing") << QByteArray() << false << 10;
    QTest::newRow("LF only, later lines ignored") << QByteArray("11\n10\n") << true << 11;
  }

  void taalTxt() {
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    QFETCH(int, taal);
    testing::ProgramFolder folder;
    if (present)
      folder.write(QStringLiteral("taal.txt"), content);
    QCOMPARE(KiesTaal(folder.path()), taal);
  }
};

#include "texts_test.moc"
ZEMLO_TEST_CLASS(TestTexts)
