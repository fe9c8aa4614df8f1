// Names files, group files and their companions are found, listed and named
// without regard to letter case.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "groups/groepbestand.h"
#include "groups/namenbestand.h"

#include <QDir>
#include <QTest>

using namespace groups;

namespace {
QStringList bestanden(const testing::ProgramFolder &folder, const QString &map) {
  return QDir(folder.path(map)).entryList(QDir::Files, QDir::Name);
}
} // namespace

class FileNamesTest : public QObject {
  Q_OBJECT
private slots:
  void readsTheDateAndLetterOfAGroupName_data() {
    QTest::addColumn<int>("taal");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("letter");
    QTest::newRow("as written") << 10 << "08-11-2023 Groep A"
                                << "08-11-2023"
                                << "A";
    QTest::newRow("lower case") << 10 << "08-11-2023 groep a"
                                << "08-11-2023"
                                << "A";
    QTest::newRow("upper case") << 10 << "08-11-2023 GROEP b"
                                << "08-11-2023"
                                << "B";
    QTest::newRow("English") << 11 << "2023-11-08 gROUP c"
                             << "2023-11-08"
                             << "C";
    QTest::newRow("no word") << 10 << "08-11-2023 A"
                             << "08-11-2023 A"
                             << "";
  }
  void readsTheDateAndLetterOfAGroupName() {
    QFETCH(int, taal);
    QFETCH(QString, naam);
    QFETCH(QString, datum);
    QFETCH(QString, letter);
    BAS_Zemlo::iTaal = taal;
    const GroepNaamDelen delen = splitsGroepNaam(naam);
    QCOMPARE(delen.datum, datum);
    QCOMPARE(delen.letter, letter);
  }

  // The file-name box gives the list's name up to its first ".txt".
  void namesListNameFromTheBox_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("naam");
    QTest::newRow("plain") << "Club"
                           << "Club";
    QTest::newRow("with .txt") << "Club.txt"
                               << "Club";
    QTest::newRow("cut at the first") << "Club.txt.txt"
                                      << "Club";
    QTest::newRow("inside the name") << "a.txtb"
                                     << "a";
    QTest::newRow("other letters stay") << "Club.TXT"
                                        << "Club.TXT";
  }
  void namesListNameFromTheBox() {
    QFETCH(QString, tekst);
    QFETCH(QString, naam);
    QCOMPARE(namenLijstNaam(tekst), naam);
  }

  void findsFilesInAnyLetterCase() {
    testing::ProgramFolder folder;
    BAS_Zemlo::iTaal = 10;
    folder.write("namen/Club.TXT", "x\r\n");
    folder.write("groepen/08-11-2023 Groep A.TXT", "x\r\n");
    folder.write("groepen/08-11-2023 GROEP A.Mail", "x\r\n");
    folder.write("invoer/08-11-2023 Groep A uitslag.txt", "x\r\n");
    QCOMPARE(namenPad("club"), folder.path("namen/Club.TXT"));
    QCOMPARE(groepPad("08-11-2023 groep a"), folder.path("groepen/08-11-2023 Groep A.TXT"));
    QCOMPARE(groepMailPad("08-11-2023 Groep A"), folder.path("groepen/08-11-2023 GROEP A.Mail"));
    QCOMPARE(uitslagPad("08-11-2023 Groep A"),
             folder.path("invoer/08-11-2023 Groep A uitslag.txt"));
    // A twin not there yet takes the letters of its file; a new file the name given.
    QCOMPARE(namenMailPad("CLUB"), folder.path("namen/Club.mail"));
    QCOMPARE(namenPad("Nieuw"), folder.path("namen/Nieuw.txt"));
    QCOMPARE(namenMailPad("Nieuw"), folder.path("namen/Nieuw.mail"));
  }

  // Saving over a file of another letter case writes into it, and its twin
  // beside it; nothing is written under a second name.
  void savesOverAFileOfAnotherLetterCase() {
    testing::ProgramFolder folder;
    BAS_Zemlo::iTaal = 10;
    folder.write("namen/Club.TXT", "x\r\n");
    QVERIFY(schrijfNamenBestand("club", {"kop"}).mail);
    QCOMPARE(bestanden(folder, "namen"), QStringList({"Club.TXT", "Club.mail"}));
    QCOMPARE(folder.read("namen/Club.TXT"), QByteArray("kop\r\n"));
    folder.write("groepen/08-11-2023 groep a.txt", "x\r\n");
    folder.write("groepen/08-11-2023 GROEP A.MAIL", "x\r\n");
    QVERIFY(schrijfGroepBestand("08-11-2023 Groep A", {"1| a+2| b"}, {"1|a", "2|b"}).mail);
    QCOMPARE(bestanden(folder, "groepen"),
             QStringList({"08-11-2023 GROEP A.MAIL", "08-11-2023 groep a.txt"}));
    QCOMPARE(folder.read("groepen/08-11-2023 GROEP A.MAIL"), QByteArray("1|a\r\n2|b\r\n"));
  }

  // A name in two letter cases is one file: it is listed once, as the file
  // that opening the name finds.
  void listsAFileOnce() {
    testing::ProgramFolder folder;
    BAS_Zemlo::iTaal = 10;
    for (const char *n : {"namen/club.txt", "namen/Club.TXT", "namen/Anders.txt"})
      folder.write(QString::fromLatin1(n), "x\r\n");
    for (bool omgekeerd : {false, true}) {
      const auto lijst = namenBestanden(omgekeerd);
      QCOMPARE(lijst.size(), 2);
      const LijstBestand club = lijst[omgekeerd ? 0 : 1];
      QCOMPARE(club.naam.toLower(), QStringLiteral("club"));
      QCOMPARE(folder.path("namen/" + club.bestand), namenPad(club.naam));
    }
  }
};

#include "file_names_test.moc"
ZEMLO_TEST_CLASS(FileNamesTest)
