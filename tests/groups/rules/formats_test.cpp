// The names-file and group-file formats, byte for byte.
#include "common/orakels.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "groups/groepbestand.h"
#include "groups/namenbestand.h"
#include "platform/textfile.h"

#include <QFile>
#include <QTest>

using namespace groups;

namespace {
QByteArray fixture(const QString &name) {
  QFile f(QStringLiteral(ZEMLO_TEST_FIXTURES "/groups/") + name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class FormatsTest : public QObject {
  Q_OBJECT
private slots:
  void writesNamesFileAndIdenticalTwin_data() {
    QTest::addColumn<int>("taal");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Dutch") << 10 << QStringLiteral("namen_nl.txt");
    QTest::newRow("English") << 11 << QStringLiteral("namen_en.txt");
  }
  void writesNamesFileAndIdenticalTwin() {
    QFETCH(int, taal);
    QFETCH(QString, expected);
    testing::ProgramFolder folder;
    BAS_Zemlo::iTaal = taal;
    NamenBestand b;
    b.kop = standaardKop();
    if (taal == 10)
      b.spelers = {{"Dhr.", "Jan", "Bakker", "jan@bakker.nl"},
                   {"", "Piet", "de Jong", ""},
                   {"Mevr.", "Els", "Jansen", "els.jansen@voorbeeld.nl"},
                   {"Dhr.", "Jan", "Jansen", "jan.jansen@voorbeeld.nl"},
                   {"Mevr.", "Anna", "de Vries", "anna@devries.nl"},
                   {"Dhr.", "Kees", "Smit", "kees@smit.nl"}};
    else
      b.spelers = {{"Mr.", "John", "Baker", "john@baker.example"}, {"Mrs.", "Mary", "Smith", ""}};
    QVERIFY(schrijfNamenBestand(QStringLiteral("Club"), NamenRegels(b)).mail);
    QCOMPARE(folder.read("namen/Club.txt"), fixture(expected));
    QCOMPARE(folder.read("namen/Club.mail"), fixture(expected));
  }

  void readsHandEditedNamesFile() {
    testing::ProgramFolder folder;
    BAS_Zemlo::iTaal = 10;
    folder.write("namen/Kapot.txt", fixture("namen_kapot.txt"));
    const auto b = leesNamenBestand(namenPad(QStringLiteral("Kapot")));
    QVERIFY(b);
    QCOMPARE(b->kop.join(u'|'), QStringLiteral("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres"));
    // Blank lines skipped, the trailing bar dropped, short lines filled,
    // surplus fields dropped, numbers recomputed from the position.
    QCOMPARE(NamenRegels(*b),
             QStringList({"Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres",
                          "1|Dhr.|Jan|Bakker|jan@bakker.nl", "2|Mevr.|Els||",
                          "3|Dhr.|Kees|Smit|kees@smit.nl", "4|Mevr.|Ria|Vos|ria@vos.nl"}));
    // An empty file has the default headings and no players; a missing one is not read.
    folder.write("namen/Leeg.txt", "");
    const auto leeg = leesNamenBestand(namenPad(QStringLiteral("Leeg")));
    QVERIFY(leeg && leeg->spelers.isEmpty());
    QCOMPARE(leeg->kop, standaardKop());
    QVERIFY(!leesNamenBestand(namenPad(QStringLiteral("Weg"))));
  }

  void listsNamesFiles() {
    testing::ProgramFolder folder;
    BAS_Zemlo::iTaal = 10;
    for (const char *n : {"namen/beta.txt", "namen/Alfa.txt", "namen/Gamma.TXT", "namen/Alfa.mail",
                          "namen/notities.doc"})
      folder.write(QString::fromLatin1(n), "x\r\n");
    QStringList op, neer;
    for (const auto &l : namenBestanden(false))
      op << l.naam;
    for (const auto &l : namenBestanden(true))
      neer << l.naam;
    QCOMPARE(op, QStringList({"Alfa", "beta", "Gamma"}));
    QCOMPARE(neer, QStringList({"Gamma", "beta", "Alfa"}));
  }

  void refusedCharacters() {
    testing::ProgramFolder folder;
    for (int taal : {10, 11}) {
      BAS_Zemlo::iTaal = taal;
      for (const char *s : {"a|b", "a\nb", "a\rb", "Jan-Piet", "a\"b", "a.b", "a@b"})
        QVERIFY2(bevatVerboden(QString::fromLatin1(s), verbodenInNaam()), s);
      for (const char *s : {"a|b@c.nl", "a\nb", "a\"b", "a,b"})
        QVERIFY2(bevatVerboden(QString::fromLatin1(s), verbodenInEmail()), s);
      QVERIFY(!bevatVerboden(QStringLiteral("jan.de-vries@club.nl"), verbodenInEmail()));
    }
    BAS_Zemlo::iTaal = 10;
    QVERIFY(bevatVerboden(QStringLiteral("a\\b"), verbodenInNaam()));
    BAS_Zemlo::iTaal = 11;
    QVERIFY(!bevatVerboden(QStringLiteral("a\\b"), verbodenInNaam()));
  }

  void groupLinesAndSitOut_data() {
    QTest::addColumn<int>("taal");
    QTest::addColumn<QString>("naam");
    QTest::newRow("Dutch") << 10 << QStringLiteral("groep_nl");
    QTest::newRow("English") << 11 << QStringLiteral("groep_en");
  }
  void groupLinesAndSitOut() {
    QFETCH(int, taal);
    QFETCH(QString, naam);
    testing::ProgramFolder folder;
    BAS_Zemlo::iTaal = taal;
    const auto namen = leesNamenRegels(platform::splitLines(
        platform::decodeAnsi(fixture(taal == 10 ? "namen_nl.txt" : "namen_en.txt"))));
    auto speler = [&](int n) { return GroepSpeler{n, spelerNaam(namen.spelers[n - 1])}; };
    QStringList groep, mail;
    auto paar = [&](int a, int b) {
      groep << paarRegel(speler(a), speler(b));
      mail << spelerRegel(a, namen.spelers[a - 1]) << spelerRegel(b, namen.spelers[b - 1]);
    };
    if (taal == 10) {
      paar(1, 3);
      groep << StilzitRegel();
      paar(2, 5);
      paar(4, 6);
    } else {
      paar(1, 2);
      groep << StilzitRegel();
    }
    const QString bestand =
        groepBestandNaam(BAS_Zemlo::DatumTekst(QDate(2026, 12, 9)), QStringLiteral("B"));
    QCOMPARE(bestand, taal == 10 ? QStringLiteral("09-12-2026 Groep B.txt")
                                 : QStringLiteral("2026-12-09 Group B.txt"));
    const QString basis = bestand.chopped(4);
    QVERIFY(schrijfGroepBestand(basis, groep, mail).mail);
    QCOMPARE(folder.read("groepen/" + basis + ".txt"), fixture(naam + ".txt"));
    QCOMPARE(folder.read("groepen/" + basis + ".mail"), fixture(naam + ".mail"));

    // Reading back: the line position is the pair number, the sit-out line has no players.
    const auto regels = leesGroepBestand(groepPad(basis));
    QVERIFY(regels);
    QCOMPARE(regels->size(), groep.size());
    QVERIFY(regels->at(1).stilzit);
    QCOMPARE(regels->at(0).a.nummer, 1);
    QCOMPARE(regels->at(0).a.naam, spelerNaam(namen.spelers[0]));
    QCOMPARE(regels->at(0).b.nummer, taal == 10 ? 3 : 2);
    const auto delen = splitsGroepNaam(basis);
    QCOMPARE(delen.letter, QStringLiteral("B"));
    QCOMPARE(delen.datum, bestand.left(10));
  }

  void emptyTitleGivesTwoBlanks() {
    QCOMPARE(spelerNaam(Speler{"", "Piet", "de Jong", ""}), QStringLiteral("  Piet de Jong"));
    QCOMPARE(paarRegel({2, "  Piet de Jong"}, {5, " Mevr. Anna de Vries"}),
             QStringLiteral("2|  Piet de Jong+5| Mevr. Anna de Vries"));
  }

  void readsHandEditedGroup() {
    testing::ProgramFolder folder;
    BAS_Zemlo::iTaal = 10;
    folder.write("groepen/x Groep A.txt",
                 "\n1| Dhr. Jan Bakker+3| Mevr. Els Jansen\n\n***** Stilzit *****\ngarbage\n2|");
    const auto r = leesGroepBestand(groepPad(QStringLiteral("x Groep A")));
    QVERIFY(r);
    QCOMPARE(r->size(), 4);
    QVERIFY(r->at(1).stilzit);
    QCOMPARE(r->at(2).a.nummer, 0);
    QCOMPARE(r->at(3).a.nummer, 2);
    QCOMPARE(r->at(3).b.nummer, 0);
    // A player number beyond any names file is unreadable, not wrapped.
    QCOMPARE(leesGroepRegel(QStringLiteral("4294967297| A+2| B")).a.nummer, 0);
    QCOMPARE(leesGroepRegel(QStringLiteral("1| A+ 002 | B")).b.nummer, 2);
  }

  void listsGroupFilesOfTheLanguage() {
    testing::ProgramFolder folder;
    for (const char *n :
         {"groepen/09-12-2026 Groep A.txt", "groepen/09-12-2026 Groep A.mail",
          "groepen/2026-12-09 Group A.txt", "groepen/01-01-2027 groep C.TXT", "groepen/lijst.txt"})
      folder.write(QString::fromLatin1(n), "x\r\n");
    BAS_Zemlo::iTaal = 10;
    QStringList nl;
    for (const auto &l : groepBestanden(false))
      nl << l.naam;
    QCOMPARE(nl, QStringList({"01-01-2027 groep C", "09-12-2026 Groep A"}));
    BAS_Zemlo::iTaal = 11;
    QCOMPARE(groepBestanden(false).size(), 1);
    QCOMPARE(uitslagPad(QStringLiteral("2026-12-09 Group A")),
             folder.path("invoer/2026-12-09 Group A Result.txt"));
  }
};

#include "formats_test.moc"
ZEMLO_TEST_CLASS(FormatsTest)
