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

  // Placeholders are filled in one pass: what a value brings is never read
  // as a placeholder, nor as a line break.
  void vulIn_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("tilde");
    QTest::addColumn<QString>("hekje");
    QTest::addColumn<QString>("uit");
    QTest::newRow("each placeholder") << "Bestand ~ van #."
                                      << "a"
                                      << "b"
                                      << "Bestand a van b.";
    QTest::newRow("a placeholder twice") << "~ en ~"
                                         << "x"
                                         << ""
                                         << "x en x";
    QTest::newRow("none in the text") << "Klaar"
                                      << "x"
                                      << "y"
                                      << "Klaar";
    QTest::newRow("empty values") << "[~|#]"
                                  << ""
                                  << ""
                                  << "[\n]";
    QTest::newRow("a value with the next placeholder") << "De map ~ werkt sinds #."
                                                       << "Club #2"
                                                       << "05-03-2024"
                                                       << "De map Club #2 werkt sinds 05-03-2024.";
    QTest::newRow("a value with an earlier placeholder") << "~ en #"
                                                         << "a"
                                                         << "b~c"
                                                         << "a en b~c";
    QTest::newRow("a value with its own placeholder") << "(~)"
                                                      << "~~"
                                                      << ""
                                                      << "(~~)";
    QTest::newRow("a bar in a value stays") << "Bestand ~|ontbreekt"
                                            << "A|B"
                                            << ""
                                            << "Bestand A|B\nontbreekt";
    QTest::newRow("letters beyond ASCII") << "één ~"
                                          << "Łódź #"
                                          << "x"
                                          << "één Łódź #";
  }

  void vulIn() {
    QFETCH(QString, tekst);
    QFETCH(QString, tilde);
    QFETCH(QString, hekje);
    QFETCH(QString, uit);
    QCOMPARE(VulIn(tekst, {{u'~', tilde}, {u'#', hekje}, {u'|', QStringLiteral("\n")}}), uit);
  }

  // The texts of the table filled in: "~" alone, other placeholders, and
  // the bars of a text for a label.
  void tekstMet() {
    testing::resetSharedState();
    iTaal = 11;
    // The "#" of text 111 is not the "~" it fills, and stays.
    QCOMPARE(TekstMet(111, QStringLiteral("1-2 #")),
             QStringLiteral("The pairs 1-2 # have been switched to #|| If you want to make the "
                            "changeover, right-click on the pairs again"));
    QCOMPARE(TekstMet(182, {{u'#', QStringLiteral("3")}, {u'$', QStringLiteral("#4")}}),
             QStringLiteral("The result has been sent to 3 of the #4 players."));
    // A message box turns every bar into a line break itself; text 211 lists
    // its files so.
    QCOMPARE(TekstMet(11211, QStringLiteral("a|b")),
             QStringLiteral("This could not be deleted:|a|b||Check the permissions of the folder "
                            "and try again."));
    QCOMPARE(TekstMetRegels(184, {{u'~', QStringLiteral("Groep A|B.mail")}}),
             QStringLiteral("No e-mail addresses are known for this group.\nThe file Groep "
                            "A|B.mail is missing."));
    QCOMPARE(TekstMetRegels(118), QStringLiteral("Click Done or\npress the letter D"));
    // An index without a text gives nothing to fill.
    QCOMPARE(TekstMet(1, QStringLiteral("x")), QString());
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
