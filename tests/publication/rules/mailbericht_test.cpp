// The mail message as bytes, the checks on its header values, and the mail
// server of a provider's settings.
#include "common/testsupport.h"
#include "publication/mailbericht.h"

#include <QTest>
#include <QTimeZone>

using namespace publication;

namespace {

QDateTime moment() { return QDateTime(QDate(2024, 3, 12), QTime(21, 30, 5), QTimeZone(3600)); }

Bericht uitslagBericht() {
  Bericht b;
  b.van = QStringLiteral("uitslag@zemlo.nl");
  b.vanNaam = QStringLiteral("Bridgeclub Zemlo");
  b.antwoordAan = QStringLiteral("j.jansen@club.nl");
  b.aan = QStringLiteral("els@voorbeeld.nl");
  b.onderwerp = QStringLiteral("Uitslag 12-03-2024 Groep A");
  b.tekst = QStringLiteral("Hallo Mevr. Els Jansen ,\n\nHierbij Uitslag 12-03-2024 Groep A\n\nMet "
                           "vriendelijke groet,\nJan\n\nDeze mail is verstuurd met Zemlo 1.0.20");
  b.bijlagen.append({QStringLiteral("12-03-2024 Groep A.html"), "<html>\r\n</html>\r\n"});
  return b;
}

// The items of a provider in list order.
QStringList provider(const QString &host, const QString &poort, const QString &tls,
                     const QString &startTls, const QString &adres) {
  return {QStringLiteral("club.nl"),
          host,
          poort,
          tls,
          QStringLiteral("user"),
          QStringLiteral("pw"),
          startTls,
          adres,
          QStringLiteral("Zemlo")};
}

} // namespace

class TestMailBericht : public QObject {
  Q_OBJECT
private slots:
  void resultMailWithItsPage() {
    const QByteArray verwacht =
        "Date: Tue, 12 Mar 2024 21:30:05 +0100\r\n"
        "From: \"Bridgeclub Zemlo\" <uitslag@zemlo.nl>\r\n"
        "Reply-To: j.jansen@club.nl\r\n"
        "To: els@voorbeeld.nl\r\n"
        "Subject: Uitslag 12-03-2024 Groep A\r\n"
        "Message-ID: <abc123@zemlo.nl>\r\n"
        "MIME-Version: 1.0\r\n"
        "Content-Type: multipart/mixed; boundary=\"=_Zemlo_b1\"\r\n"
        "\r\n"
        "--=_Zemlo_b1\r\n"
        "Content-Type: text/plain; charset=UTF-8\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "\r\n"
        "Hallo Mevr. Els Jansen ,\r\n"
        "\r\n"
        "Hierbij Uitslag 12-03-2024 Groep A\r\n"
        "\r\n"
        "Met vriendelijke groet,\r\n"
        "Jan\r\n"
        "\r\n"
        "Deze mail is verstuurd met Zemlo 1.0.20\r\n"
        "--=_Zemlo_b1\r\n"
        "Content-Type: text/html; charset=windows-1252\r\n"
        "Content-Transfer-Encoding: base64\r\n"
        "Content-Disposition: attachment; filename=\"12-03-2024 Groep A.html\"\r\n"
        "\r\n"
        "PGh0bWw+DQo8L2h0bWw+DQo=\r\n"
        "--=_Zemlo_b1--\r\n";
    const auto bericht = MaakBericht(uitslagBericht(), moment(), QStringLiteral("abc123@zemlo.nl"),
                                     QStringLiteral("=_Zemlo_b1"));
    QVERIFY(bericht);
    QCOMPARE(*bericht, verwacht);
  }

  void textOnlyWithCharacterSets() {
    Bericht b;
    b.van = QStringLiteral("a@b.nl");
    b.vanNaam = QStringLiteral("Zo\u00eb");
    b.aan = QStringLiteral("c@d.nl");
    b.onderwerp = QStringLiteral("Uitslag Zo\u00eb");
    b.tekst = QStringLiteral("\u00dcn\u00efcode = test \nend");
    const QByteArray verwacht = "Date: Tue, 12 Mar 2024 21:30:05 +0100\r\n"
                                "From: =?UTF-8?B?Wm/Dqw==?= <a@b.nl>\r\n"
                                "To: c@d.nl\r\n"
                                "Subject: =?UTF-8?B?VWl0c2xhZyBab8Or?=\r\n"
                                "Message-ID: <x@b.nl>\r\n"
                                "MIME-Version: 1.0\r\n"
                                "Content-Type: text/plain; charset=UTF-8\r\n"
                                "Content-Transfer-Encoding: quoted-printable\r\n"
                                "\r\n"
                                "=C3=9Cn=C3=AFcode =3D test=20\r\n"
                                "end\r\n";
    QCOMPARE(MaakBericht(b, moment(), QStringLiteral("x@b.nl"), QStringLiteral("g")).value_or(""),
             verwacht);
  }

  void longLinesStayShort() {
    Bericht b = uitslagBericht();
    b.bijlagen.clear();
    b.tekst = QString(100, u'a');
    b.onderwerp = QStringLiteral("Uitslag ") + QString(20, u'x') + u' ' + QString(30, u'y') + u' ' +
                  QString(30, u'z');
    const QByteArray m =
        MaakBericht(b, moment(), QStringLiteral("i@d.nl"), QStringLiteral("g")).value();
    QVERIFY(m.contains("\r\n\r\n" + QByteArray(75, 'a') + "=\r\n" + QByteArray(25, 'a') + "\r\n"));
    QVERIFY(m.contains("Subject: Uitslag " + QByteArray(20, 'x') + ' ' + QByteArray(30, 'y') +
                       "\r\n " + QByteArray(30, 'z') + "\r\n"));
    // A long subject outside ASCII becomes several encoded words.
    b.onderwerp = QString(40, QChar(0x00eb));
    const QByteArray m2 =
        MaakBericht(b, moment(), QStringLiteral("i@d.nl"), QStringLiteral("g")).value();
    const qsizetype begin = m2.indexOf("Subject: ");
    const QByteArray subject = m2.mid(begin, m2.indexOf("\r\nMessage-ID") - begin);
    for (const QByteArray &regel : subject.split('\n'))
      QVERIFY2(regel.size() <= 78, regel.constData());
    QCOMPARE(subject.count("=?UTF-8?B?"), 3);
  }

  void attachmentNamesAndTypes() {
    Bericht b = uitslagBericht();
    b.bijlagen = {{QStringLiteral("Zo\u00eb.html"), "x"}, {QStringLiteral("data.bin"), "y"}};
    const QByteArray m =
        MaakBericht(b, moment(), QStringLiteral("i@d.nl"), QStringLiteral("g")).value();
    QVERIFY(
        m.contains("Content-Type: text/html; charset=windows-1252\r\nContent-Transfer-Encoding: "
                   "base64\r\nContent-Disposition: attachment; filename*=UTF-8''Zo%C3%AB.html"));
    QVERIFY(m.contains("Content-Type: application/octet-stream\r\nContent-Transfer-Encoding: "
                       "base64\r\nContent-Disposition: attachment; filename=\"data.bin\""));
  }

  void refusedValues_data() {
    QTest::addColumn<int>("veld");
    QTest::addColumn<QString>("waarde");
    QTest::newRow("subject with a line break") << 0 << "Uitslag\r\nBcc: x@y.nl";
    QTest::newRow("subject with a line feed") << 0 << "Uitslag\nBcc: x@y.nl";
    QTest::newRow("name with a line break") << 1 << "Club\r\nBcc: x@y.nl";
    QTest::newRow("recipient with a header") << 2 << "a@b.nl\r\nBcc: x@y.nl";
    QTest::newRow("recipient not an address") << 2 << "Piet de Jong";
    QTest::newRow("reply address with two @") << 3 << "a@b@c.nl";
    QTest::newRow("sender not an address") << 4 << "zemlo";
    QTest::newRow("attachment name with a line break") << 5 << "a\n.html";
  }
  void refusedValues() {
    QFETCH(int, veld);
    QFETCH(QString, waarde);
    Bericht b = uitslagBericht();
    switch (veld) {
    case 0:
      b.onderwerp = waarde;
      break;
    case 1:
      b.vanNaam = waarde;
      break;
    case 2:
      b.aan = waarde;
      break;
    case 3:
      b.antwoordAan = waarde;
      break;
    case 4:
      b.van = waarde;
      break;
    default:
      b.bijlagen[0].naam = waarde;
      break;
    }
    QVERIFY(!MaakBericht(b, moment(), QStringLiteral("i@d.nl"), QStringLiteral("g")));
  }

  void addresses_data() {
    QTest::addColumn<QString>("adres");
    QTest::addColumn<bool>("geldig");
    QTest::newRow("dots in name and domain") << "j.jansen@club.nl" << true;
    QTest::newRow("sub domains") << "x@mail.club.co.uk" << true;
    QTest::newRow("plus and hyphen") << "a-b_c+d@e-f.nl" << true;
    QTest::newRow("no dot in domain") << "a@b" << false;
    QTest::newRow("two @") << "a@b@c.nl" << false;
    QTest::newRow("nothing before @") << "@b.nl" << false;
    QTest::newRow("nothing after @") << "a@" << false;
    QTest::newRow("two dots") << "a..b@c.nl" << false;
    QTest::newRow("two dots in domain") << "a@b..nl" << false;
    QTest::newRow("domain starts with a dot") << "a@.b.nl" << false;
    QTest::newRow("domain ends with a dot") << "a@b.nl." << false;
    QTest::newRow("blank") << "a b@c.nl" << false;
    QTest::newRow("leading blank") << " a@b.nl" << false;
    QTest::newRow("line break") << "a@b.nl\r\n" << false;
    QTest::newRow("angle bracket") << "a<b@c.nl" << false;
    QTest::newRow("comma") << "a@b.nl,c@d.nl" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters beyond ASCII before @") << "\u0142ukasz@club.pl" << false;
    QTest::newRow("accent before @") << "zo\u00eb@club.nl" << false;
    QTest::newRow("domain beyond ASCII") << "jan@caf\u00e9.nl" << true;
    QTest::newRow("domain beyond Windows-1252") << "jan@\u0142\u00f3d\u017a.pl" << true;
    QTest::newRow("domain with no ASCII form") << "jan@caf\u00e9!.nl" << false;
  }
  void addresses() {
    QFETCH(QString, adres);
    QFETCH(bool, geldig);
    QCOMPARE(IsGeldigAdres(adres), geldig);
  }

  void addressesAsTheyGoOut_data() {
    QTest::addColumn<QString>("adres");
    QTest::addColumn<QString>("verzonden");
    QTest::newRow("ASCII, as it is") << "J.Jansen@Club.NL"
                                     << "J.Jansen@Club.NL";
    QTest::newRow("domain in its ASCII form") << "jan@caf\u00e9.nl"
                                              << "jan@xn--caf-dma.nl";
    QTest::newRow("beyond Windows-1252") << "jan@\u0142\u00f3d\u017a.pl"
                                         << "jan@xn--d-uga0v4h.pl";
    QTest::newRow("local part beyond ASCII") << "zo\u00eb@caf\u00e9.nl"
                                             << "";
  }
  void addressesAsTheyGoOut() {
    QFETCH(QString, adres);
    QFETCH(QString, verzonden);
    QCOMPARE(VerzendAdres(adres), verzonden);
    QCOMPARE(LokaalDeelBuitenAscii(adres), verzonden.isEmpty());
  }

  // Every address header in its ASCII form, and a display name with a quote
  // and a backslash quoted as one phrase.
  void addressHeaders() {
    Bericht b = uitslagBericht();
    b.bijlagen.clear();
    b.van = QStringLiteral("uitslag@zeml\u00f6.nl");
    b.vanNaam = QStringLiteral("Club \"De Troef\" \\ Zemlo");
    b.antwoordAan = QStringLiteral("jan@\u0142\u00f3d\u017a.pl");
    b.aan = QStringLiteral("kees@caf\u00e9.nl");
    const QByteArray m =
        MaakBericht(b, moment(), QStringLiteral("i@d.nl"), QStringLiteral("g")).value();
    QVERIFY(m.contains("\r\nFrom: \"Club \\\"De Troef\\\" \\\\ Zemlo\" "
                       "<uitslag@xn--zeml-8qa.nl>\r\n"
                       "Reply-To: jan@xn--d-uga0v4h.pl\r\n"
                       "To: kees@xn--caf-dma.nl\r\n"));
    const QByteArray koppen = m.left(m.indexOf("\r\n\r\n"));
    for (const char c : koppen)
      QVERIFY(static_cast<unsigned char>(c) < 128);
    b.aan = QStringLiteral("zo\u00eb@caf\u00e9.nl");
    QVERIFY(!MaakBericht(b, moment(), QStringLiteral("i@d.nl"), QStringLiteral("g")));
  }

  void headerValues() {
    QVERIFY(IsVeiligeKopWaarde(QStringLiteral("Uitslag 12-03 (A) \u00eb")));
    QVERIFY(!IsVeiligeKopWaarde(QStringLiteral("a\rb")));
    QVERIFY(!IsVeiligeKopWaarde(QStringLiteral("a\nb")));
    QVERIFY(!IsVeiligeKopWaarde(QStringLiteral("a\u2028b")));
    QVERIFY(!IsVeiligeKopWaarde(QString(QChar(0))));
  }

  void blanksOnly() {
    QCOMPARE(TrimSpaties(QStringLiteral("  a b \n ")), QStringLiteral("a b \n"));
    QCOMPARE(TrimSpaties(QStringLiteral("   ")), QString());
  }

  void dates() {
    QCOMPARE(DatumKop(QDateTime(QDate(2024, 1, 7), QTime(8, 5, 0), QTimeZone(-12600))),
             QStringLiteral("Sun, 7 Jan 2024 08:05:00 -0330"));
    QCOMPARE(DatumKop(QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59), QTimeZone::utc())),
             QStringLiteral("Sun, 31 Dec 2023 23:59:59 +0000"));
  }

  void flags_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("waarde"); // -1: does not read
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("false") << "false" << 0;
    QTest::newRow("number") << "-1" << 1;
    QTest::newRow("zero") << " 0 " << 0;
    QTest::newRow("word") << "ja" << -1;
    QTest::newRow("empty") << "" << -1;
  }
  void flags() {
    QFETCH(QString, tekst);
    QFETCH(int, waarde);
    const auto w = LeesWaarheid(tekst);
    QCOMPARE(w ? (*w ? 1 : 0) : -1, waarde);
  }

  void providers() {
    const auto s = LeesProvider(provider(QStringLiteral("smtp.club.nl"), QStringLiteral("465"),
                                         QStringLiteral("True"), QStringLiteral("False"),
                                         QStringLiteral("uitslag@club.nl")),
                                QStringLiteral("helo.club.nl"), QStringLiteral("pc"));
    QVERIFY(s);
    QCOMPARE(s->groet, QStringLiteral("helo.club.nl"));
    QCOMPARE(s->host, QStringLiteral("smtp.club.nl"));
    QCOMPARE(s->poort, 465);
    QVERIFY(s->tls);
    QVERIFY(!s->startTls);
    QCOMPARE(s->gebruiker, QStringLiteral("user"));
    QCOMPARE(s->wachtwoord, QStringLiteral("pw"));
    QCOMPARE(s->adres, QStringLiteral("uitslag@club.nl"));
    QCOMPARE(s->naam, QStringLiteral("Zemlo"));

    const QString h = QStringLiteral("h.nl"), p = QStringLiteral("25"), t = QStringLiteral("0"),
                  a = QStringLiteral("a@b.nl");
    QVERIFY(LeesProvider(provider(h, p, t, t, a), {}, {}));
    QVERIFY(!LeesProvider(provider(h, QStringLiteral("70000"), t, t, a), {}, {}));
    QVERIFY(!LeesProvider(provider(h, QStringLiteral("x"), t, t, a), {}, {}));
    QVERIFY(!LeesProvider(provider(h, p, QStringLiteral("ja"), t, a), {}, {}));
    QVERIFY(!LeesProvider(provider(QString(), p, t, t, a), {}, {}));
    QVERIFY(!LeesProvider(provider(QStringLiteral("h.nl/x"), p, t, t, a), {}, {}));
    QVERIFY(!LeesProvider(provider(h, p, t, t, QStringLiteral("zemlo")), {}, {}));
    QVERIFY(!LeesProvider(provider(h, p, t, t, a).mid(0, 8), {}, {}));
  }

  void greetingNames() {
    QCOMPARE(GroetNaam(QStringLiteral("club.nl"), QStringLiteral("pc")), QStringLiteral("club.nl"));
    QCOMPARE(GroetNaam(QString(), QStringLiteral("pc-1")), QStringLiteral("pc-1"));
    QCOMPARE(GroetNaam(QStringLiteral("a b\r\nMAIL FROM"), QStringLiteral("pc")),
             QStringLiteral("pc"));
    QCOMPARE(GroetNaam(QString(), QString()), QStringLiteral("localhost"));
  }
};

#include "mailbericht_test.moc"
ZEMLO_TEST_CLASS(TestMailBericht)
