// The ENTER step of the score boxes, the moves between rows and when a
// board's rows are complete.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "platform/numbers.h"
#include "scoring/avondmodel.h"
#include "scoring/scoreinvoer.h"
#include "scoring/scoretabellen.h"
#include "scoring/spelregel.h"
#include "scoring/waarde.h"

#include <QTest>

using namespace scoring;

Q_DECLARE_METATYPE(scoring::Focus)

namespace {
QVector<RijInvoer> Rijen(std::initializer_list<RijInvoer> rijen) { return rijen; }

// The East-West texts a North-South text can meet in its row: its mirrors,
// made by ENTER or typed, the text itself (an adjusted score copied), and
// the texts of another kind of score.
QStringList Spiegels(const QString &nz) {
  return {Spiegel(nz), u'-' + nz, nz.mid(1), Herschrijf(nz, QString()).second, nz, "n",
          "0",         "40%",     "101%"};
}

// ENTER leaves the row as it stands, for a board of any vulnerability.
bool EnterLaatStaan(const QString &nz, const QString &ow) {
  for (int v = 0; v <= 3; ++v) {
    const StapUitkomst u = InvoerStapNZ(Rijen({{nz, ow, true}}), 0, v);
    if (u.iTekst == 92 || u.scoreNZ != nz || u.scoreOW != ow)
      return false;
  }
  return true;
}

// Rows written "NS|EW" for an enabled row, "-" for a disabled one.
QVector<RijInvoer> Rijen(const QStringList &rijen) {
  QVector<RijInvoer> uit;
  for (const QString &r : rijen)
    uit.append(r == u"-" ? RijInvoer{QString(), QString(), false}
                         : RijInvoer{r.section(u'|', 0, 0), r.section(u'|', 1, 1), true});
  return uit;
}
} // namespace

class ScoreInvoerTest : public QObject {
  Q_OBJECT
private slots:
  void enterNZ_data() {
    QTest::addColumn<QString>("nz");
    QTest::addColumn<QString>("ow");
    QTest::addColumn<int>("v");
    QTest::addColumn<QString>("nzNa");
    QTest::addColumn<QString>("owNa");
    QTest::addColumn<int>("tekst");
    QTest::addColumn<Focus>("focus");
    const Focus volgende = Focus::VolgendeRij;
    QTest::newRow("42 shorthand") << "42"
                                  << "" << 0 << "420"
                                  << "-420" << 0 << volgende;
    QTest::newRow("5") << "5"
                       << "" << 0 << "50"
                       << "-50" << 0 << volgende;
    QTest::newRow("-5") << "-5"
                        << "" << 0 << "-50"
                        << "50" << 0 << volgende;
    QTest::newRow("65") << "65"
                        << "" << 0 << "650"
                        << "-650" << 0 << volgende;
    QTest::newRow("70 stays") << "70"
                              << "" << 0 << "70"
                              << "-70" << 0 << volgende;
    QTest::newRow("50 stays") << "50"
                              << "" << 0 << "50"
                              << "-50" << 0 << volgende;
    QTest::newRow("trailing minus") << "100-"
                                    << "" << 0 << "-100"
                                    << "100" << 0 << volgende;
    QTest::newRow("trailing minus shorthand") << "42-"
                                              << "" << 0 << "-420"
                                              << "420" << 0 << volgende;
    QTest::newRow("0 passed out") << "0"
                                  << "" << 2 << "0"
                                  << "0" << 0 << volgende;
    QTest::newRow("00 refused") << "00"
                                << "" << 0 << ""
                                << "" << 92 << Focus::Blijf;
    QTest::newRow("n") << "n"
                       << "" << 3 << "n"
                       << "n" << 0 << volgende;
    QTest::newRow("N") << "N"
                       << "" << 1 << "N"
                       << "n" << 0 << volgende;
    QTest::newRow("wrong vulnerability") << "42"
                                         << "" << 1 << "420"
                                         << "-420" << 91 << volgende;
    QTest::newRow("1 gives 10, refused") << "1"
                                         << "-5" << 0 << ""
                                         << "" << 92 << Focus::Blijf;
    QTest::newRow("123 refused") << "123"
                                 << "" << 0 << ""
                                 << "" << 92 << Focus::Blijf;
    QTest::newRow("lone minus refused") << "-"
                                        << "" << 0 << ""
                                        << "" << 92 << Focus::Blijf;
    QTest::newRow("changed score mirrored again") << "620"
                                                  << "-420" << 1 << "620"
                                                  << "-620" << 0 << volgende;
    QTest::newRow("% to EW box") << "60%"
                                 << "" << 0 << "60%"
                                 << "60%" << 0 << Focus::OWVak;
    QTest::newRow("% over a score") << "60%"
                                    << "-420" << 0 << "60%"
                                    << "60%" << 0 << Focus::OWVak;
    QTest::newRow("% both") << "60%"
                            << "40%" << 0 << "60%"
                            << "40%" << 0 << volgende;
    QTest::newRow("0%") << "0%"
                        << "100%" << 0 << "0%"
                        << "100%" << 0 << volgende;
    QTest::newRow("above 100% refused") << "110%"
                                        << "" << 0 << ""
                                        << "" << 92 << Focus::Blijf;
    QTest::newRow("minus % refused") << "-10%"
                                     << "" << 0 << ""
                                     << "" << 92 << Focus::Blijf;
    QTest::newRow("% alone refused") << "%"
                                     << "" << 0 << ""
                                     << "" << 92 << Focus::Blijf;
    QTest::newRow("EW % above 100 refused") << "60%"
                                            << "140%" << 0 << "60%"
                                            << "" << 92 << Focus::OWVak;
  }
  void enterNZ() {
    QFETCH(QString, nz);
    QFETCH(QString, ow);
    QFETCH(int, v);
    QFETCH(QString, nzNa);
    QFETCH(QString, owNa);
    QFETCH(int, tekst);
    QFETCH(Focus, focus);
    const StapUitkomst u = InvoerStapNZ(Rijen({{nz, ow, true}}), 0, v);
    QCOMPARE(u.scoreNZ, nzNa);
    QCOMPARE(u.scoreOW, owNa);
    QCOMPARE(u.iTekst, tekst);
    QCOMPARE(u.focus, focus);
  }

  // The message names the score as rewritten.
  void plaatsvervanger() {
    QCOMPARE(InvoerStapNZ(Rijen({{"1", "", true}}), 0, 0).sPlaatsvervanger, QString("10"));
    QCOMPARE(InvoerStapNZ(Rijen({{"42", "", true}}), 0, 1).sPlaatsvervanger, QString("420"));
    QCOMPARE(InvoerStapNZ(Rijen({{"60%", "140%", true}}), 0, 1).sPlaatsvervanger, QString("140%"));
  }

  // ENTER in an empty box takes the score of the row above, or of the row two
  // above when the row above is disabled, mirrored and tested.
  void kopieVanBoven() {
    const auto rijen =
        Rijen({{"-100", "100", true}, {"", "", false}, {"", "", true}, {"", "", true}});
    StapUitkomst u = InvoerStapNZ(rijen, 2, 0);
    QCOMPARE(u.scoreNZ, QString("-100"));
    QCOMPARE(u.scoreOW, QString("100"));
    QCOMPARE(u.focus, Focus::VolgendeRij);
    QCOMPARE(u.iTekst, 0);
    // Row 3: the row above is empty, so nothing is copied.
    u = InvoerStapNZ(rijen, 3, 0);
    QCOMPARE(u.scoreNZ, QString());
    QCOMPARE(u.focus, Focus::VolgendeRij);
    // Row 0 has no row above.
    u = InvoerStapNZ(Rijen({{"", "", true}, {"420", "-420", true}}), 0, 0);
    QCOMPARE(u.scoreNZ, QString());
    // A copied score that does not fit this board warns as typed.
    u = InvoerStapNZ(Rijen({{"420", "-420", true}, {"", "", true}}), 1, 1);
    QCOMPARE(u.scoreNZ, QString("420"));
    QCOMPARE(u.iTekst, 91);
    // A copied adjusted score goes on to the East-West box, per board: only
    // the North-South text is copied.
    u = InvoerStapNZ(Rijen({{"60%", "40%", true}, {"", "", true}}), 1, 0, Kopie::AlleenNZ);
    QCOMPARE(u.scoreNZ, QString("60%"));
    QCOMPARE(u.scoreOW, QString("60%"));
    QCOMPARE(u.focus, Focus::OWVak);
    // Per round both texts are copied: the row is done and the step moves on.
    u = InvoerStapNZ(Rijen({{"60%", "40%", true}, {"", "", false}, {"", "", true}}), 2, 0,
                     Kopie::Beide);
    QCOMPARE(u.scoreNZ, QString("60%"));
    QCOMPARE(u.scoreOW, QString("40%"));
    QCOMPARE(u.focus, Focus::VolgendeRij);
    u = InvoerStapNZ(Rijen({{"-100", "100", true}, {"", "", true}}), 1, 0, Kopie::Beide);
    QCOMPARE(u.scoreNZ + u.scoreOW, QString("-100100"));
  }

  void enterOW_data() {
    QTest::addColumn<QString>("nz");
    QTest::addColumn<QString>("ow");
    QTest::addColumn<QString>("nzNa");
    QTest::addColumn<QString>("owNa");
    QTest::addColumn<int>("tekst");
    QTest::addColumn<Focus>("focus");
    QTest::newRow("score, next row") << "420"
                                     << "-420"
                                     << "420"
                                     << "-420" << 0 << Focus::VolgendeRij;
    QTest::newRow("EW not tested") << "420"
                                   << "123"
                                   << "420"
                                   << "123" << 0 << Focus::VolgendeRij;
    QTest::newRow("% both, next row") << "60%"
                                      << "40%"
                                      << "60%"
                                      << "40%" << 0 << Focus::VolgendeRij;
    QTest::newRow("% to NS box") << "420"
                                 << "45%"
                                 << "45%"
                                 << "45%" << 0 << Focus::NZVak;
    QTest::newRow("% out of range") << "60%"
                                    << "101%"
                                    << "60%"
                                    << "" << 92 << Focus::Blijf;
  }
  void enterOW() {
    QFETCH(QString, nz);
    QFETCH(QString, ow);
    QFETCH(QString, nzNa);
    QFETCH(QString, owNa);
    QFETCH(int, tekst);
    QFETCH(Focus, focus);
    const StapUitkomst u = InvoerStapOW(Rijen({{nz, ow, true}}), 0);
    QCOMPARE(u.scoreNZ, nzNa);
    QCOMPARE(u.scoreOW, owNa);
    QCOMPARE(u.iTekst, tekst);
    QCOMPARE(u.focus, focus);
  }

  void moetHerzien_data() {
    QTest::addColumn<QString>("nz");
    QTest::addColumn<QString>("ow");
    QTest::addColumn<bool>("herzien");
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("typed, not entered") << "420"
                                        << "" << true;
    QTest::newRow("entered") << "420"
                             << "-420" << false;
    QTest::newRow("changed after its mirror") << "450"
                                              << "-420" << true;
    QTest::newRow("shorthand not entered") << "42"
                                           << "-42" << true;
    QTest::newRow("negative") << "-100"
                              << "100" << false;
    QTest::newRow("passed out") << "0"
                                << "0" << false;
    QTest::newRow("not played") << "n"
                                << "n" << false;
    QTest::newRow("N") << "N"
                       << "n" << false;
    QTest::newRow("adjusted") << "60%"
                              << "40%" << false;
    QTest::newRow("adjusted over a score") << "60%"
                                           << "-420" << true;
    QTest::newRow("adjusted out of range") << "160%"
                                           << "40%" << true;
    QTest::newRow("EW adjusted out of range") << "60%"
                                              << "140%" << true;
  }
  void moetHerzien() {
    QFETCH(QString, nz);
    QFETCH(QString, ow);
    QFETCH(bool, herzien);
    QCOMPARE(MoetHerzien(nz, ow), herzien);
  }

  // The quick test agrees with what ENTER would make of the texts: a row
  // needs the step again exactly when ENTER would change or refuse it.
  void herzienZoalsEnter() {
    const QStringList nzTeksten{"420",  "-420",  "42",   "-5",  "5",     "50",  "-50",  "70",
                                "-70",  "69",    "-69",  "71",  "49",    "51",  "-51",  "0",
                                "00",   "n",     "N",    "100", "100-",  "70-", "abc",  "4x0",
                                " 420", "420 ",  "12.5", "-0",  "+420",  "007", "-",    "7600",
                                "700n", "-700n", "0420", "970", "12345", "60%", "160%", "06%"};
    const QStringList owTeksten{"",   "-420", "420",  "n",   "0",  "-42", "-4200", "-50",
                                "50", "100",  "-100", "abc", "  ", "N",   "-7600", "-+420"};
    for (const QString &nz : nzTeksten) {
      // Each North-South text also meets its own mirror, both ways round,
      // and the mirror of its shorthand: 70 with -70, -5 with 5 and 50.
      QStringList ow = owTeksten;
      ow << u'-' + nz << nz.mid(1) << u'-' + nz + u'0' << nz.mid(1) + u'0' << nz.chopped(1) << nz;
      for (const QString &t : ow)
        QVERIFY2(MoetHerzien(nz, t) == !EnterLaatStaan(nz, t), qPrintable(nz + " / " + t));
    }
  }

  // Every text the score boxes let through, with the East-West texts it can
  // meet: what Klaar lets stand without the ENTER step is what ENTER leaves
  // as it is, and the board line it is stored in reads back as the same
  // scores, a board finished; what ENTER makes of a typed text needs no
  // step again. ("700n" with "-700n" was once stored and then refused on
  // reading, the board's scores lost.)
  void klaarBewaartLeesbaar() {
    const QString tekensNZ = QStringLiteral("1234567890-nN%");
    QStringList teksten = testing::AlleTeksten(tekensNZ, 5);
    teksten << "123456"
            << "-123456"
            << "7600n"
            << "-7600n"
            << "00000%"
            << "100%%";
    QVector<QPair<QString, QString>> staan;
    for (const QString &nz : std::as_const(teksten)) {
      for (const QString &ow : Spiegels(nz)) {
        if (MoetHerzien(nz, ow) || !RijenCompleet(Rijen({{nz, ow, true}})))
          continue;
        staan.append({nz, ow});
        SpelRegel regel;
        regel.iSpel = 1;
        regel.rijen = {{1, 2, nz, ow, "1", "1"}};
        const std::optional<SpelRegel> gelezen = LeesSpelRegel(SchrijfSpelRegel(regel), 1, 2);
        QVERIFY2(gelezen && gelezen->rijen.size() == 1 && gelezen->rijen.at(0).scoreNZ == nz &&
                     gelezen->rijen.at(0).scoreOW == ow,
                 qPrintable(nz + " / " + ow));
      }
    }
    // What stands: the scores of the tables and their mirrors, n, N, 0 and
    // the whole percentages; nothing else.
    QVERIFY(staan.contains(qMakePair(QStringLiteral("-7600"), QStringLiteral("7600"))));
    QVERIFY(staan.contains(qMakePair(QStringLiteral("100%"), QStringLiteral("40%"))));
    QVERIFY(!staan.contains(qMakePair(QStringLiteral("700n"), QStringLiteral("-700n"))));
    for (const auto &[nz, ow] : std::as_const(staan)) {
      QVERIFY2(EnterLaatStaan(nz, ow), qPrintable(nz + " / " + ow));
      if (!nz.contains(u'%'))
        for (int v = 0; v <= 3; ++v)
          QVERIFY(ValideerScore(nz, v) != ScoreOordeel::BestaatNiet);
      // Stored by Klaar and read again by a new opening: the board is
      // finished with the same scores.
      const AvondKop kop{2, 0, 1, 1};
      AvondModel model(kop, {{{1, 2}}});
      model.ZetScores(1, 0, nz, ow);
      QVERIFY2(model.SpelKlaar(1), qPrintable(nz + " / " + ow));
      AvondModel weer(kop, {{{1, 2}}});
      weer.LeesRegels(model.Regels());
      QVERIFY2(weer.IsKlaar(1) && weer.OnleesbareSpellen().isEmpty(), qPrintable(nz + " / " + ow));
      QCOMPARE(weer.Rijen(1).at(0).scoreNZ, nz);
      QCOMPARE(weer.Rijen(1).at(0).scoreOW, ow);
    }
    for (const QString &nz : testing::AlleTeksten(tekensNZ, 4)) {
      for (int v = 0; v <= 3; ++v) {
        const StapUitkomst u = InvoerStapNZ(Rijen({{nz, QString(), true}}), 0, v);
        if (u.iTekst != 92 && !u.scoreNZ.isEmpty())
          QVERIFY2(!MoetHerzien(u.scoreNZ, u.scoreOW), qPrintable(nz + " gives " + u.scoreNZ));
      }
    }
  }

  // Score texts are read as the program reads every number.
  void waarde() {
    for (const QString &t :
         QStringList{"420", "-420", "+5", "60%", "12.5", " 7", "", "-", "--5", "n", "007",
                     "123456789012345678", "4x0", "1.2.3", ".5", "-.5"})
      QCOMPARE(Waarde(t), platform::val(t));
  }

  void pijlen() {
    const auto rijen = Rijen({{"", "", true}, {"", "", false}, {"", "", true}, {"", "", false}});
    QCOMPARE(VolgendeRij(rijen, 0), 2);
    QCOMPARE(VolgendeRij(rijen, 2), 0); // wraps past the disabled last row
    QCOMPARE(VorigeRij(rijen, 0), 2);   // wraps to the last enabled row
    QCOMPARE(VorigeRij(rijen, 2), 0);
    const auto eerste = Rijen({{"", "", false}, {"", "", true}, {"", "", true}});
    QCOMPARE(VolgendeRij(eerste, 2), 1); // row 0 disabled
    QCOMPARE(VolgendeRij(Rijen({{"", "", false}}), 0), -1);
  }

  void compleet() {
    QVERIFY(RijenCompleet(Rijen({{"420", "-420", true}, {"", "", false}})));
    QVERIFY(!RijenCompleet(Rijen({{"420", "-420", true}, {"-100", " ", true}})));
    QVERIFY(!RijenCompleet(Rijen({{"", "", true}})));
  }

  // Where a board opens, where Klaar's refusal puts the focus, and whether
  // the rows hold anything typed (the sample fill leaves such a board alone).
  void rijKeuze_data() {
    QTest::addColumn<QStringList>("rijen");
    QTest::addColumn<int>("spelend");
    QTest::addColumn<int>("onvolledig");
    QTest::addColumn<bool>("getypt");
    QTest::newRow("empty board") << QStringList{"|", "|", "|"} << 0 << 0 << false;
    QTest::newRow("first row sits out") << QStringList{"-", "|", "|"} << 1 << 1 << false;
    QTest::newRow("no row plays") << QStringList{"-", "-"} << -1 << -1 << false;
    QTest::newRow("no rows") << QStringList{} << -1 << -1 << false;
    QTest::newRow("complete") << QStringList{"420|-420", "-", "0|0"} << 0 << -1 << true;
    QTest::newRow("East-West missing") << QStringList{"420|-420", "-100|", "|"} << 0 << 1 << true;
    QTest::newRow("a blank is no score, but typed")
        << QStringList{"-", "420|-420", " | "} << 1 << 2 << true;
    QTest::newRow("only East-West typed") << QStringList{"|", "|50%"} << 0 << 0 << true;
  }
  void rijKeuze() {
    QFETCH(QStringList, rijen);
    QFETCH(int, spelend);
    QFETCH(int, onvolledig);
    QFETCH(bool, getypt);
    QCOMPARE(EersteSpelendeRij(Rijen(rijen)), spelend);
    QCOMPARE(EersteOnvolledigeRij(Rijen(rijen)), onvolledig);
    QCOMPARE(HeeftGetypteScore(Rijen(rijen)), getypt);
    QCOMPARE(EersteOnvolledigeRij(Rijen(rijen)) < 0, RijenCompleet(Rijen(rijen)));
  }

  // Blanking the North-South box empties the East-West box; nothing else
  // typed touches the other box.
  void naTypen_data() {
    QTest::addColumn<QString>("nz");
    QTest::addColumn<QString>("ow");
    QTest::addColumn<bool>("inOW");
    QTest::addColumn<QString>("owNa");
    QTest::newRow("North-South blanked") << ""
                                         << "-420" << false << "";
    QTest::newRow("North-South only blanks") << "  "
                                             << "-420" << false << "";
    QTest::newRow("North-South changed") << "45"
                                         << "-420" << false << "-420";
    QTest::newRow("East-West typed, North-South empty") << ""
                                                        << "50%" << true << "50%";
    QTest::newRow("East-West blanked") << "420"
                                       << "" << true << "";
  }
  void naTypen() {
    QFETCH(QString, nz);
    QFETCH(QString, ow);
    QFETCH(bool, inOW);
    QFETCH(QString, owNa);
    const RijInvoer na = NaTypen({nz, ow, true}, inOW);
    QCOMPARE(na.scoreNZ, nz);
    QCOMPARE(na.scoreOW, owNa);
    QVERIFY(na.actief);
  }

  // Klaar's letter in either language, as typed: Shift may be held, Ctrl,
  // Alt and Meta make it no letter typed.
  void klaarLetter_data() {
    QTest::addColumn<int>("taal");
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<int>("toetsen");
    QTest::addColumn<bool>("letter");
    const int geen = Qt::NoModifier, shift = Qt::ShiftModifier;
    QTest::newRow("k") << 10 << "k" << geen << true;
    QTest::newRow("K with Shift") << 10 << "K" << shift << true;
    QTest::newRow("d in Dutch") << 10 << "d" << geen << false;
    QTest::newRow("D in English") << 11 << "D" << shift << true;
    QTest::newRow("k in English") << 11 << "k" << geen << false;
    QTest::newRow("Ctrl+K") << 10 << "k" << int(Qt::ControlModifier) << false;
    QTest::newRow("Alt+K") << 10 << "k" << int(Qt::AltModifier) << false;
    QTest::newRow("Meta+K") << 10 << "k" << int(Qt::MetaModifier) << false;
    QTest::newRow("AltGr") << 10 << "k" << int(Qt::ControlModifier | Qt::AltModifier) << false;
    QTest::newRow("keypad") << 10 << "k" << int(Qt::KeypadModifier) << true;
    QTest::newRow("two letters") << 10 << "Kk" << geen << false;
    QTest::newRow("nothing typed") << 10 << "" << geen << false;
    QTest::newRow("420") << 10 << "4" << geen << false;
  }
  void klaarLetter() {
    QFETCH(int, taal);
    QFETCH(QString, getypt);
    QFETCH(int, toetsen);
    QFETCH(bool, letter);
    BAS_Zemlo::iTaal = taal;
    QCOMPARE(IsKlaarLetter(getypt, Qt::KeyboardModifiers(toetsen)), letter);
    BAS_Zemlo::iTaal = 10;
  }

  void vulToets_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("toetsen");
    QTest::addColumn<bool>("vul");
    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+Shift+T") << int(Qt::Key_T) << ctrlShift << true;
    QTest::newRow("on the keypad") << int(Qt::Key_T) << int(ctrlShift | Qt::KeypadModifier) << true;
    QTest::newRow("Ctrl+T") << int(Qt::Key_T) << int(Qt::ControlModifier) << false;
    QTest::newRow("Shift+T") << int(Qt::Key_T) << int(Qt::ShiftModifier) << false;
    QTest::newRow("with Alt") << int(Qt::Key_T) << int(ctrlShift | Qt::AltModifier) << false;
    QTest::newRow("with Meta") << int(Qt::Key_T) << int(ctrlShift | Qt::MetaModifier) << false;
    QTest::newRow("Ctrl+Shift+R") << int(Qt::Key_R) << ctrlShift << false;
  }
  void vulToets() {
    QFETCH(int, key);
    QFETCH(int, toetsen);
    QFETCH(bool, vul);
    QCOMPARE(IsVulToets(key, Qt::KeyboardModifiers(toetsen)), vul);
  }
};

#include "scoreinvoer_test.moc"
ZEMLO_TEST_CLASS(ScoreInvoerTest)
