// The entry part of the names window: the title hint and Add, the player Add
// makes, the title box a title ticks, the clean-up of a typed text, and which
// edits are refused for a character they add.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "groups/namenbestand.h"
#include "groups/nameninvoer.h"

#include <QTest>

using namespace groups;

class NamesEntryTest : public QObject {
  Q_OBJECT
private slots:
  void titleHintAndAdd() {
    NamenInvoer s;
    // With a name missing Add stays off and the hint as it is.
    s.naWijziging("Jan", " ", false);
    QVERIFY(!s.hint && !s.toevoegen);
    // Both names without a title: the hint; with one: Add.
    s.naWijziging("Jan", "Bakker", false);
    QVERIFY(s.hint && !s.toevoegen);
    s.naWijziging("Jan", "Bakker", true);
    QVERIFY(!s.hint && s.toevoegen);
    s.naWijziging("", "Bakker", true);
    QVERIFY(!s.hint && !s.toevoegen);
    // A title click with both names typed and the hint showing enables Add;
    // any other click shows the hint (blanks count as typed here).
    s = {true, false};
    s.naTitelKlik(" ", "Bakker");
    QVERIFY(!s.hint && s.toevoegen);
    s.naTitelKlik("Jan", "Bakker");
    QVERIFY(s.hint && !s.toevoegen);
    s = {false, false};
    s.naTitelKlik("Jan", "");
    QVERIFY(s.hint && !s.toevoegen);
  }

  void addMakesAPlayer() {
    BAS_Zemlo::iTaal = 11;
    const Speler s = nieuweSpeler(true, false, " Jan ", "Bakker  ", " jan@bakker.nl");
    QCOMPARE(s.velden(), QStringList({"Mr.", "Jan", "Bakker", "jan@bakker.nl"}));
    QCOMPARE(nieuweSpeler(true, true, "a", "b", "").titel, QStringLiteral("Mrs."));
    QCOMPARE(nieuweSpeler(false, false, "a", "b", "").titel, QString());
  }

  void titleTicksItsBoxInEitherLanguage_data() {
    QTest::addColumn<int>("taal");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<int>("vakje");
    for (int taal : {10, 11}) {
      const QByteArray t = taal == 10 ? "Dutch: " : "English: ";
      QTest::newRow(t + "Dhr.") << taal << "Dhr." << 0;
      QTest::newRow(t + "Mr. with blanks") << taal << " Mr. " << 0;
      QTest::newRow(t + "Mevr.") << taal << "Mevr." << 1;
      QTest::newRow(t + "Mrs.") << taal << "Mrs." << 1;
      QTest::newRow(t + "other") << taal << "Dr." << -1;
      QTest::newRow(t + "other case") << taal << "dhr." << -1;
      QTest::newRow(t + "none") << taal << "" << -1;
    }
  }
  void titleTicksItsBoxInEitherLanguage() {
    QFETCH(int, taal);
    QFETCH(QString, titel);
    QFETCH(int, vakje);
    BAS_Zemlo::iTaal = taal;
    QCOMPARE(titelVakje(titel), vakje);
  }

  // Each step of the clean-up on its own; the window runs them in turn on
  // the box's text after every key release.
  void cleanUpOfATypedText_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("punten"); // "-": the step does nothing
    QTest::addColumn<QString>("apen");
    QTest::addColumn<QString>("tweedeAap");
    QTest::newRow("plain") << "jan@bakker.nl"
                           << "-"
                           << "-"
                           << "-";
    QTest::newRow("two dots") << "jan..bakker"
                              << "jan.bakker"
                              << "-"
                              << "-";
    QTest::newRow("three dots, one pass") << "a...b"
                                          << "a..b"
                                          << "-"
                                          << "-";
    QTest::newRow("four dots") << "a....b"
                               << "a..b"
                               << "-"
                               << "-";
    QTest::newRow("two at signs") << "jan@@club.nl"
                                  << "-"
                                  << "jan@club.nl"
                                  << "jan@";
    QTest::newRow("second at sign further on") << "jan@club@nl"
                                               << "-"
                                               << "-"
                                               << "jan@club";
    QTest::newRow("three at signs") << "@@@"
                                    << "-"
                                    << "@@"
                                    << "@";
  }
  void cleanUpOfATypedText() {
    QFETCH(QString, tekst);
    QFETCH(QString, punten);
    QFETCH(QString, apen);
    QFETCH(QString, tweedeAap);
    auto stap = [&](Herstel h) { return herstelTekst(tekst, h).value_or(QStringLiteral("-")); };
    QCOMPARE(stap(Herstel::Punten), punten);
    QCOMPARE(stap(Herstel::Apen), apen);
    QCOMPARE(stap(Herstel::TweedeAap), tweedeAap);
  }

  void refusedCharacterAdded_data() {
    QTest::addColumn<QString>("oud");
    QTest::addColumn<QString>("nieuw");
    QTest::addColumn<bool>("geweigerd");
    QTest::newRow("bar pasted over a hyphen") << "Jansen-Smit"
                                              << "Jansen|Smit" << true;
    QTest::newRow("hyphen kept while editing") << "Jansen-Smit"
                                               << "Jansen-Smi" << false;
    QTest::newRow("hyphen removed") << "Jansen-Smit"
                                    << "JansenSmit" << false;
    QTest::newRow("second hyphen") << "Jansen-Smit"
                                   << "Jansen-Smit-Vos" << true;
    QTest::newRow("hyphen swapped for a dot") << "Jansen-Smit"
                                              << "Jansen.Smit" << true;
    QTest::newRow("plain text") << "Jansen"
                                << "Jansen Smit" << false;
    QTest::newRow("line break") << "Jan"
                                << "Ja\nn" << true;
  }
  void refusedCharacterAdded() {
    QFETCH(QString, oud);
    QFETCH(QString, nieuw);
    QFETCH(bool, geweigerd);
    BAS_Zemlo::iTaal = 10;
    QCOMPARE(voegtVerbodenToe(oud, nieuw, verbodenInNaam()), geweigerd);
  }
};

#include "names_entry_test.moc"
ZEMLO_TEST_CLASS(NamesEntryTest)
