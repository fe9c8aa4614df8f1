// The rules of the two settings windows: what may be typed and saved.
#include "common/testsupport.h"
#include "publication/mailinstelling.h"

#include <QTest>

using namespace publication;

class TestMailInstelling : public QObject {
  Q_OBJECT
private slots:
  void providerIndex_data() {
    QTest::addColumn<QString>("waarde");
    QTest::addColumn<int>("index");
    QTest::newRow("missing") << "" << 0;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("1.4") << "1.4" << 1;
    QTest::newRow("half to even") << "1.5" << 0;
    QTest::newRow("2") << "2" << 0;
    QTest::newRow("-1") << "-1" << 0;
    QTest::newRow("text") << "twee" << 0;
  }
  void providerIndex() {
    QFETCH(QString, waarde);
    QFETCH(int, index);
    QCOMPARE(ProviderIndex(waarde), index);
  }

  void addressFaults_data() {
    QTest::addColumn<QString>("adres");
    QTest::addColumn<QString>("fout");
    QTest::newRow("ordinary") << "j.jansen@club.nl"
                              << "";
    QTest::newRow("dots on both sides") << "x.y@mail.club.co.uk"
                                        << "";
    QTest::newRow("second @") << "a@b@"
                              << "@";
    QTest::newRow("two dots") << "a..b"
                              << ".";
    QTest::newRow("being typed") << "j.jansen@"
                                 << "";
  }
  void addressFaults() {
    QFETCH(QString, adres);
    QFETCH(QString, fout);
    const auto f = AdresFout(adres);
    QCOMPARE(f ? QString(*f) : QString(), fout);
  }

  void mayBeSaved_data() {
    QTest::addColumn<QString>("adres");
    QTest::addColumn<QString>("naam");
    QTest::addColumn<bool>("mag");
    QTest::newRow("ordinary") << "j.jansen@club.nl"
                              << "Jan" << true;
    QTest::newRow("sub domains") << "x@mail.club.co.uk"
                                 << "Jan" << true;
    QTest::newRow("no name") << "j.jansen@club.nl"
                             << "" << false;
    QTest::newRow("blank name") << "j.jansen@club.nl"
                                << "   " << false;
    QTest::newRow("name with line break") << "j.jansen@club.nl"
                                          << "Jan\nBcc" << false;
    QTest::newRow("empty address") << ""
                                   << "Jan" << false;
    QTest::newRow("two @") << "a@b@c.nl"
                           << "Jan" << false;
    QTest::newRow("no dot after @") << "a.b@c"
                                    << "Jan" << false;
    QTest::newRow("accent before @") << "zo\u00eb@club.nl"
                                     << "Jan" << false;
    QTest::newRow("domain beyond ASCII") << "jan@caf\u00e9.nl"
                                         << "Jan" << true;
    QTest::newRow("name beyond Windows-1252") << "j.jansen@club.nl"
                                              << "\u0141ukasz" << false;
    QTest::newRow("name with accents") << "j.jansen@club.nl"
                                       << "Zo\u00eb \u20ac" << true;
  }
  void mayBeSaved() {
    QFETCH(QString, adres);
    QFETCH(QString, naam);
    QFETCH(bool, mag);
    QCOMPARE((MailInstelling{adres, naam, 0}.magOpslaan()), mag);
  }

  // What standaard.ini (Windows-1252) keeps of an own address: never a "?".
  void storedAddresses_data() {
    QTest::addColumn<QString>("adres");
    QTest::addColumn<QString>("bewaard");
    QTest::newRow("ASCII") << "j.jansen@club.nl"
                           << "j.jansen@club.nl";
    QTest::newRow("domain Windows-1252 can write") << "jan@caf\u00e9.nl"
                                                   << "jan@caf\u00e9.nl";
    QTest::newRow("domain it cannot write") << "jan@\u0142\u00f3d\u017a.pl"
                                            << "jan@xn--d-uga0v4h.pl";
  }
  void storedAddresses() {
    QFETCH(QString, adres);
    QFETCH(QString, bewaard);
    QCOMPARE(BewaarAdres(adres), bewaard);
    QVERIFY(!NietTeBewaren(BewaarAdres(adres)));
  }

  void charactersThatCannotBeKept() {
    QCOMPARE(NietTeBewaren(QStringLiteral("Zo\u00eb \u20ac \u0153")), std::nullopt);
    QCOMPARE(NietTeBewaren(QStringLiteral("Jan \u0141ukasz")).value_or(QString()),
             QStringLiteral("\u0141"));
    // A character outside the first plane stays whole.
    QCOMPARE(NietTeBewaren(QStringLiteral("Jan \U0001F0A1")).value_or(QString()),
             QStringLiteral("\U0001F0A1"));
  }

  void testMail() {
    QVERIFY(!MagTestMailSturen(false, QStringLiteral("a@b.nl")));
    QVERIFY(MagTestMailSturen(true, QStringLiteral(" a.b@c.nl ")));
    QVERIFY(!MagTestMailSturen(true, QStringLiteral("a@b")));
  }

  // Text 191 comes once while a letter beyond ASCII stands before the "@".
  void localPartBeyondAsciiSaidOnce_data() {
    QTest::addColumn<QString>("vorig");
    QTest::addColumn<QString>("nieuw");
    QTest::addColumn<bool>("melden");
    QTest::newRow("the letter typed") << "zo"
                                      << "zo\u00eb" << true;
    QTest::newRow("typing on after it") << "zo\u00eb"
                                        << "zo\u00eb@" << false;
    QTest::newRow("typing the domain") << "zo\u00eb@club.n"
                                       << "zo\u00eb@club.nl" << false;
    QTest::newRow("a second such letter") << "zo\u00eb"
                                          << "zo\u00eb\u00ef" << false;
    QTest::newRow("the letter gone") << "zo\u00eb"
                                     << "zo" << false;
    QTest::newRow("typed again after it was gone") << "zo"
                                                   << "zo\u00ef" << true;
    QTest::newRow("pasted whole into an empty box") << ""
                                                    << "zo\u00eb@club.nl" << true;
    QTest::newRow("a letter beyond ASCII in the domain") << "jan@caf"
                                                         << "jan@caf\u00e9" << false;
    QTest::newRow("the @ taken away before it") << "zo\u00eb@caf\u00e9"
                                                << "zo\u00ebcaf\u00e9" << false;
    QTest::newRow("the @ taken away before a domain beyond ASCII") << "jan@caf\u00e9"
                                                                   << "jancaf\u00e9" << true;
  }
  void localPartBeyondAsciiSaidOnce() {
    QFETCH(QString, vorig);
    QFETCH(QString, nieuw);
    QFETCH(bool, melden);
    QCOMPARE(MeldLokaalDeel(vorig, nieuw), melden);
  }

  void refusedKeys() {
    for (QChar c : QStringLiteral("!#$%^&*()+=:;'}|{><?/\\,[] "))
      QVERIFY2(IsGeweigerdInInstelling(c), qPrintable(QString(c)));
    for (QChar c : QStringLiteral("a.@-_"))
      QVERIFY(!IsGeweigerdInInstelling(c));
    const QString test = QStringLiteral("<>#%$*&:;\\/?,'[]=+`~^(){}\"");
    QCOMPARE(test.size(), 26);
    for (QChar c : test)
      QVERIFY2(IsGeweigerdInTestAdres(c), qPrintable(QString(c)));
    for (QChar c : QStringLiteral("a.@-_ !|"))
      QVERIFY(!IsGeweigerdInTestAdres(c));
  }

  void testAddressMessage() {
    QCOMPARE(TestAdresMelding(u'@'),
             QStringLiteral("Geen geldig emailadres.\nVerwijder \u00e9\u00e9n < @ >"));
  }
};

#include "mailinstelling_test.moc"
ZEMLO_TEST_CLASS(TestMailInstelling)
