// The round lines of a schema read whole for the entry per round: every
// table with its pairs as numbers, the tables without pairs, the mapped sets.
#include "common/testsupport.h"
#include "preparation/schema.h"

#include <QTest>

using namespace preparation;

namespace {

QString Beschrijf(const QList<TafelVeld> &tafels) {
  QStringList delen;
  for (const TafelVeld &t : tafels)
    delen.append(QStringLiteral("%1:%2-%3(%4-%5)%6")
                     .arg(t.tafel)
                     .arg(t.ns)
                     .arg(t.ew)
                     .arg(t.eersteSpel)
                     .arg(t.laatsteSpel)
                     .arg(t.zonderParen ? QStringLiteral("leeg") : QString()));
  return delen.join(u' ');
}

} // namespace

class TestRondeTafels : public QObject {
  Q_OBJECT
private slots:
  // Both spacings give the same numbers; the text keeps what the file wrote.
  void spacings() {
    const QList<QList<TafelVeld>> r =
        RondeTafels({"1\t3- 6 (5-8)\t3 - 6     (5-8)\t 12 -  3 (1-4) \t3-6(5-8)"}, 2, 4);
    QCOMPARE(r.size(), 1);
    QCOMPARE(Beschrijf(r[0]), QStringLiteral("1:3-6(5-8) 2:3-6(5-8) 3:12-3(1-4) 4:3-6(5-8)"));
    QCOMPARE(r[0][0].paren, QStringLiteral("3- 6"));
    QCOMPARE(r[0][1].paren, QStringLiteral("3 - 6"));
    QCOMPARE(r[0][2].paren, QStringLiteral("12 -  3"));
    QCOMPARE(r[0][3].paren, QStringLiteral("3-6"));
    QCOMPARE(r[0][0].ronde, 1);
  }

  // Tables without pairs are kept, with their mapped set; separators, empty
  // fields, fields without a set and numbers out of range are not.
  void fieldsKeptAndLeftOut_data() {
    QTest::addColumn<QString>("regel");
    QTest::addColumn<int>("spellen");
    QTest::addColumn<QString>("tafels");
    QTest::newRow("empty table") << "2\t1- 2 (5-8)\t-  -  (9-12)" << 3
                                 << "1:1-2(4-6) 2:0-0(7-9)leeg";
    QTest::newRow("empty table, five blanks")
        << "2\t-  -     (13-16)\t4- 5 (1-4)" << 4 << "1:0-0(13-16)leeg 2:4-5(1-4)";
    QTest::newRow("separator") << "1\t1- 2 (1-4)\t-  -  -  -  -   -\t3- 4 (5-8)" << 4
                               << "1:1-2(1-4) 3:3-4(5-8)";
    QTest::newRow("trailing tab, no set, garbage")
        << "1\t1- 2 (1-4)\tgeen set\t-  -\t\t" << 4 << "1:1-2(1-4)";
    QTest::newRow("pair out of range") << "1\t100- 2 (1-4)\t1- 2 (1-4)" << 4 << "2:1-2(1-4)";
    QTest::newRow("set beyond the rounds")
        << "1\t1- 2 (21-24)\t-  - (17-20)" << 4 << "1:1-2(0-0) 2:0-0(0-0)leeg";
    QTest::newRow("no fields") << "1" << 4 << "";
  }
  void fieldsKeptAndLeftOut() {
    QFETCH(QString, regel);
    QFETCH(int, spellen);
    QFETCH(QString, tafels);
    const QList<QList<TafelVeld>> r = RondeTafels({regel}, 4, spellen);
    QCOMPARE(r.size(), 1);
    QCOMPARE(Beschrijf(r[0]), tafels);
  }

  // The pairs and sets agree with the per-board reader for every table that
  // has pairs.
  void agreesWithParenSpellen() {
    const QStringList regels{"1\t1- 2 (1-4)\t3- 4 (5-8)\t-  - (9-12)",
                             "2\t1- 3 (5-8)\t 2 - 4     (13-16)\t", "3\t12- 3 (9-12)\t4- 1 (1-4)"};
    const QList<QList<TafelVeld>> rondes = RondeTafels(regels, 4, 3);
    QStringList uitRonden;
    for (const QList<TafelVeld> &ronde : rondes)
      for (const TafelVeld &t : ronde)
        if (!t.zonderParen)
          uitRonden.append(QStringLiteral("%1.%2:%3-%4(%5-%6)")
                               .arg(t.ronde)
                               .arg(t.tafel)
                               .arg(t.ns)
                               .arg(t.ew)
                               .arg(t.eersteSpel)
                               .arg(t.laatsteSpel));
    QStringList uitSpellen;
    for (const Tafel &t : ParenSpellen(regels, 4, 3))
      uitSpellen.append(QStringLiteral("%1.%2:%3-%4(%5-%6)")
                            .arg(t.ronde)
                            .arg(t.tafel)
                            .arg(t.ns)
                            .arg(t.ew)
                            .arg(t.eersteSpel)
                            .arg(t.laatsteSpel));
    QCOMPARE(uitRonden, uitSpellen);
    QCOMPARE(rondes.size(), 3);
    QCOMPARE(rondes[0][2].eersteSpel, 7);
  }
};

#include "rondetafels_test.moc"
ZEMLO_TEST_CLASS(TestRondeTafels)
