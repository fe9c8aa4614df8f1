// The entry part of the names window: the title hint and Add, and which edits
// are refused for a character they add.
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
