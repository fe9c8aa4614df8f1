// Sending one e-mail through a real SMTP server on 127.0.0.1: plain,
// STARTTLS and implicit TLS, with and without a login, and the ways a send
// fails or is refused.
#include "common/echteboxen.h"
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "mailfixture.h"
#include "platform/clock.h"
#include "platform/mail.h"
#include "platform/messagebox.h"
#include "publication/mailbericht.h"
#include "publication/mailtxt.h"
#include "publication/verstuurmail.h"
#include "smtpserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QMessageBox>
#include <QTest>
#include <QTimeZone>

#include <curl/curl.h>

using namespace BAS_Zemlo;
using testing::SmtpServer;

namespace {

// A page with bytes of every kind, lines ending in CR LF and a lone dot.
QByteArray pagina() {
  QByteArray b = "<html>\r\n.\r\n..begins with dots\r\nZo\xeb &#321;\r\n";
  for (int i = 0; i < 256; ++i)
    b += static_cast<char>(i);
  return b + "\r\n</html>\r\n";
}

} // namespace

class TestVerstuurMail : public QObject {
  Q_OBJECT
private slots:
  void init() {
    m_folder = std::make_unique<testing::ProgramFolder>();
    m_boxes = std::make_unique<platform::RecordingAnswerer>();
    sIniPad = m_folder->path(QStringLiteral("standaard.ini"));
    iTaal = 10;
    platform::setMailTimeLimit(10);
    platform::setMailGoodbyeLimit(1); // the goodbye after a message taken
    platform::setClock(QDateTime(QDate(2024, 3, 12), QTime(21, 30, 5), QTimeZone(3600)));
  }
  void cleanup() {
    m_boxes.reset();
    m_folder.reset();
    platform::setMailTimeLimit(120);
    platform::setMailGoodbyeLimit(5);
  }

  void sendsThroughEveryKindOfConnection_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("tls");
    QTest::addColumn<QString>("startTls");
    QTest::addColumn<QString>("user");
    QTest::newRow("plain") << "plain"
                           << "False"
                           << "False"
                           << "";
    QTest::newRow("plain, login on this machine") << "plain"
                                                  << "False"
                                                  << "False"
                                                  << "kees";
    QTest::newRow("STARTTLS") << "starttls"
                              << "False"
                              << "True"
                              << "";
    QTest::newRow("STARTTLS, login") << "starttls"
                                     << "False"
                                     << "True"
                                     << "kees";
    QTest::newRow("implicit TLS") << "tls"
                                  << "True"
                                  << "False"
                                  << "";
    QTest::newRow("implicit TLS, login") << "tls"
                                         << "True"
                                         << "False"
                                         << "kees";
  }
  void sendsThroughEveryKindOfConnection() {
    QFETCH(QString, mode);
    QFETCH(QString, tls);
    QFETCH(QString, startTls);
    QFETCH(QString, user);
    SmtpServer server({mode, user, QStringLiteral("geheim"), {}, true});
    QVERIFY(server.isRunning());
    fixture::Provider p;
    p.port = server.port();
    p.tls = tls;
    p.startTls = startTls;
    p.user = user;
    p.password = QStringLiteral("geheim");
    leesMailTxt({p});
    m_folder->write(QStringLiteral("HTML/12-03-2024 Groep A.html"), pagina());

    lMailFout = 77;
    VerstuurMail(QStringLiteral("j.jansen@club.nl"),
                 QStringLiteral("  Uitslag 12-03-2024 Groep A "),
                 QStringLiteral(" els@voorbeeld.nl "),
                 {m_folder->path(QStringLiteral("HTML/12-03-2024 Groep A.html"))},
                 QStringLiteral("Hallo Els ,\n\nHierbij de uitslag \u00e9\u00e9n\n.\n"));
    QVERIFY2(m_boxes->boxes.isEmpty(), qPrintable(m_boxes->boxes.value(0).text));
    QCOMPARE(lMailFout, 0L);

    const QList<QJsonObject> berichten = server.messages();
    QCOMPARE(berichten.size(), 1);
    const QJsonObject &m = berichten[0];
    QCOMPARE(m[QStringLiteral("mail_from")].toString(), QStringLiteral("uitslag@zemlo.test"));
    QCOMPARE(m[QStringLiteral("rcpt_tos")].toArray().size(), 1);
    QCOMPARE(m[QStringLiteral("rcpt_tos")][0].toString(), QStringLiteral("els@voorbeeld.nl"));
    QCOMPARE(m[QStringLiteral("helo")].toString(), QStringLiteral("club.test"));
    QCOMPARE(m[QStringLiteral("tls")].toBool(), mode != QStringLiteral("plain"));
    QCOMPARE(m[QStringLiteral("login")].toString(), user);
    QCOMPARE(m[QStringLiteral("subject")].toString(), QStringLiteral("Uitslag 12-03-2024 Groep A"));
    QCOMPARE(m[QStringLiteral("from")].toString(),
             QStringLiteral("Bridgeclub Zemlo <uitslag@zemlo.test>"));
    QCOMPARE(m[QStringLiteral("to")].toString(), QStringLiteral("els@voorbeeld.nl"));
    QCOMPARE(m[QStringLiteral("reply_to")].toString(), QStringLiteral("j.jansen@club.nl"));
    QCOMPARE(m[QStringLiteral("date")].toString(),
             QStringLiteral("Tue, 12 Mar 2024 21:30:05 +0100"));
    QVERIFY(m[QStringLiteral("message_id")].toString().endsWith(QStringLiteral("@zemlo.test>")));
    QCOMPARE(m[QStringLiteral("text")].toString(),
             QStringLiteral("Hallo Els ,\n\nHierbij de uitslag \u00e9\u00e9n\n.\n"));
    const QJsonArray bijlagen = m[QStringLiteral("attachments")].toArray();
    QCOMPARE(bijlagen.size(), 1);
    QCOMPARE(bijlagen[0][QStringLiteral("filename")].toString(),
             QStringLiteral("12-03-2024 Groep A.html"));
    QCOMPARE(bijlagen[0][QStringLiteral("content_type")].toString(), QStringLiteral("text/html"));
    QCOMPARE(bijlagen[0][QStringLiteral("charset")].toString(), QStringLiteral("windows-1252"));
    QCOMPARE(server.attachment(0, 0), pagina());
  }

  void failuresSetTheErrorAndSayWhere_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("tls");
    QTest::addColumn<QString>("startTls");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("trust");
    QTest::newRow("wrong password") << "starttls"
                                    << "False"
                                    << "True"
                                    << "fout" << true;
    QTest::newRow("STARTTLS required, not offered") << "nostarttls"
                                                    << "False"
                                                    << "True"
                                                    << "" << true;
    QTest::newRow("certificate not trusted") << "tls"
                                             << "True"
                                             << "False"
                                             << "" << false;
    QTest::newRow("STARTTLS certificate not trusted") << "starttls"
                                                      << "False"
                                                      << "True"
                                                      << "" << false;
    QTest::newRow("plain client, TLS server") << "tls"
                                              << "False"
                                              << "False"
                                              << "" << true;
  }
  void failuresSetTheErrorAndSayWhere() {
    QFETCH(QString, mode);
    QFETCH(QString, tls);
    QFETCH(QString, startTls);
    QFETCH(QString, password);
    QFETCH(bool, trust);
    const bool login = !password.isEmpty();
    platform::setMailTimeLimit(1); // a client that waits for a greeting that never comes
    SmtpServer server(
        {mode, login ? QStringLiteral("kees") : QString(), QStringLiteral("geheim"), {}, trust});
    QVERIFY(server.isRunning());
    fixture::Provider p;
    p.port = server.port();
    p.tls = tls;
    p.startTls = startTls;
    if (login) {
      p.user = QStringLiteral("kees");
      p.password = password;
    }
    leesMailTxt({p});
    VerstuurMail(QString(), QStringLiteral("Test"), QStringLiteral(" els@voorbeeld.nl"), {},
                 QStringLiteral("Hallo"));
    QVERIFY(lMailFout != 0);
    QVERIFY(!sMailFout.isEmpty());
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].text, QStringLiteral("Foutnummer: %1\nBij het versturen naar:  "
                                                    "els@voorbeeld.nl")
                                         .arg(lMailFout));
    QCOMPARE(m_boxes->boxes[0].kind, platform::BoxKind::Plain);
    QVERIFY(server.messages().isEmpty());
  }

  // A certificate the sender trusts, but made for another name than the
  // server's, is refused.
  void certificateForAnotherName_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("implicit TLS") << "tls";
    QTest::newRow("STARTTLS") << "starttls";
  }
  void certificateForAnotherName() {
    QFETCH(QString, mode);
    SmtpServer::Options options;
    options.mode = mode;
    options.certificateHost = QStringLiteral("mail.elders.test");
    SmtpServer server(options);
    QVERIFY(server.isRunning());
    fixture::Provider p;
    p.port = server.port();
    p.tls = mode == QStringLiteral("tls") ? QStringLiteral("True") : QStringLiteral("False");
    p.startTls = mode == QStringLiteral("tls") ? QStringLiteral("False") : QStringLiteral("True");
    leesMailTxt({p});
    VerstuurMail(QString(), QStringLiteral("T"), QStringLiteral("a@b.nl"), {}, QStringLiteral("x"));
    QCOMPARE(lMailFout, static_cast<long>(CURLE_PEER_FAILED_VERIFICATION));
    QVERIFY2(sMailFout.contains(QStringLiteral("name")), qPrintable(sMailFout));
    QVERIFY(server.messages().isEmpty());
  }

  // The failure box is a real one without icon, closed with Enter.
  void theFailureBoxHasNoIcon() {
    SmtpServer server(
        {QStringLiteral("plain"), {}, {}, {QStringLiteral("weg@voorbeeld.nl")}, true});
    QVERIFY(server.isRunning());
    fixture::Provider p;
    p.port = server.port();
    leesMailTxt({p});
    m_boxes.reset();
    // The box comes once the send is over.
    const testing::EchteBoxen boxen;
    VerstuurMail(QString(), QStringLiteral("T"), QStringLiteral("weg@voorbeeld.nl"), {},
                 QStringLiteral("x"));
    QVERIFY(lMailFout != 0);
    QCOMPARE(boxen.iconen.value(0, QMessageBox::Critical), QMessageBox::NoIcon);
    QCOMPARE(
        boxen.teksten.value(0),
        QStringLiteral("Foutnummer: %1\nBij het versturen naar: weg@voorbeeld.nl").arg(lMailFout));
    QVERIFY(!QApplication::activeModalWidget());
  }

  void refusedRecipient() {
    SmtpServer server(
        {QStringLiteral("plain"), {}, {}, {QStringLiteral("weg@voorbeeld.nl")}, true});
    QVERIFY(server.isRunning());
    fixture::Provider p;
    p.port = server.port();
    leesMailTxt({p});
    VerstuurMail(QString(), QStringLiteral("T"), QStringLiteral("weg@voorbeeld.nl"), {},
                 QStringLiteral("x"));
    QVERIFY(lMailFout != 0);
    QVERIFY(sMailFout.contains(QStringLiteral("550")));
    VerstuurMail(QString(), QStringLiteral("T"), QStringLiteral("er@voorbeeld.nl"), {},
                 QStringLiteral("x"));
    QCOMPARE(lMailFout, 0L);
    QCOMPARE(server.messages().size(), 1);
  }

  void stalledOrMissingServerEndsInTime() {
    SmtpServer stil({QStringLiteral("stall"), {}, {}, {}, true});
    QVERIFY(stil.isRunning());
    platform::setMailTimeLimit(1);
    fixture::Provider p;
    p.port = stil.port();
    leesMailTxt({p});
    QElapsedTimer klok;
    klok.start();
    VerstuurMail(QString(), QStringLiteral("T"), QStringLiteral("a@b.nl"), {}, QStringLiteral("x"));
    QVERIFY(lMailFout != 0);
    QVERIFY(klok.elapsed() < 10000);

    // Nothing listens on a port just closed.
    int vrij;
    {
      SmtpServer weg({QStringLiteral("plain"), {}, {}, {}, true});
      vrij = weg.port();
    }
    p.port = vrij;
    leesMailTxt({p});
    VerstuurMail(QString(), QStringLiteral("T"), QStringLiteral("a@b.nl"), {}, QStringLiteral("x"));
    QVERIFY(lMailFout != 0);
  }

  // The server's reply after the data decides: a message it took counts as
  // sent however the connection ends, and its goodbye is not waited for
  // long; one it never took does not count, within the time limits.
  void acceptedMailCountsAsSent_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("onData");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("within");
    QTest::newRow("taken, then silence") << "plain"
                                         << "accept-stall" << true << 10 << 8;
    QTest::newRow("taken, then dropped") << "plain"
                                         << "accept-drop" << true << 10 << 3;
    QTest::newRow("TLS, taken, then silence") << "tls"
                                              << "accept-stall" << true << 10 << 8;
    QTest::newRow("TLS, taken, then dropped") << "tls"
                                              << "accept-drop" << true << 10 << 3;
    QTest::newRow("data never answered") << "plain"
                                         << "no-reply" << false << 1 << 8;
  }
  void acceptedMailCountsAsSent() {
    QFETCH(QString, mode);
    QFETCH(QString, onData);
    QFETCH(bool, sent);
    QFETCH(int, limit);
    QFETCH(int, within);
    platform::setMailTimeLimit(limit);
    SmtpServer::Options options;
    options.mode = mode;
    options.onData = onData;
    SmtpServer server(options);
    QVERIFY(server.isRunning());
    fixture::Provider p;
    p.port = server.port();
    p.tls = mode == QStringLiteral("tls") ? QStringLiteral("True") : QStringLiteral("False");
    leesMailTxt({p});
    QElapsedTimer klok;
    klok.start();
    VerstuurMail(QString(), QStringLiteral("T"), QStringLiteral("a@b.nl"), {}, QStringLiteral("x"));
    QCOMPARE(lMailFout == 0, sent);
    QCOMPARE(m_boxes->boxes.size(), sent ? 0 : 1);
    QCOMPARE(server.messages().size(), sent ? 1 : 0);
    QVERIFY2(klok.elapsed() < within * 1000, qPrintable(QString::number(klok.elapsed())));
  }

  // What the server reads back: addresses in their ASCII form in the
  // envelope and the headers, and the sender's name with a quote and a
  // backslash as it was given.
  void headersReadBackByTheServer() {
    SmtpServer server({QStringLiteral("plain"), {}, {}, {}, true});
    QVERIFY(server.isRunning());
    fixture::Provider p;
    p.port = server.port();
    p.adres = QStringLiteral("uitslag@zeml\u00f6.test");
    p.naam = QStringLiteral("Club \"De Troef\" \\ Zemlo");
    leesMailTxt({p});
    VerstuurMail(QStringLiteral("jan@\u0142\u00f3d\u017a.pl"), QStringLiteral("T"),
                 QStringLiteral("kees@caf\u00e9.nl"), {}, QStringLiteral("x"));
    QVERIFY2(m_boxes->boxes.isEmpty(), qPrintable(m_boxes->boxes.value(0).text));
    QCOMPARE(lMailFout, 0L);
    QCOMPARE(server.messages().size(), 1);
    const QJsonObject m = server.messages()[0];
    QCOMPARE(m[QStringLiteral("mail_from")].toString(),
             QStringLiteral("uitslag@xn--zeml-8qa.test"));
    QCOMPARE(m[QStringLiteral("rcpt_tos")][0].toString(), QStringLiteral("kees@xn--caf-dma.nl"));
    QCOMPARE(m[QStringLiteral("to")].toString(), QStringLiteral("kees@xn--caf-dma.nl"));
    QCOMPARE(m[QStringLiteral("reply_to")].toString(), QStringLiteral("jan@xn--d-uga0v4h.pl"));
    QCOMPARE(m[QStringLiteral("from_name")].toString(), p.naam);
    const QByteArray raw = server.raw(0);
    QVERIFY(raw.contains("\r\nFrom: \"Club \\\"De Troef\\\" \\\\ Zemlo\" "
                         "<uitslag@xn--zeml-8qa.test>\r\n"));
  }

  void providerFromTheSettings() {
    SmtpServer een({QStringLiteral("plain"), {}, {}, {}, true});
    SmtpServer twee({QStringLiteral("plain"), {}, {}, {}, true});
    QVERIFY(een.isRunning() && twee.isRunning());
    fixture::Provider p0, p1;
    p0.port = een.port();
    p1.port = twee.port();
    p1.groet = QStringLiteral("niet.gebruikt");
    p1.adres = QStringLiteral("tweede@zemlo.test");
    leesMailTxt({p0, p1});
    m_folder->write(QStringLiteral("standaard.ini"), "[Standaard]\r\nprovider=1\r\n");
    VerstuurMail(QString(), QStringLiteral("T"), QStringLiteral("a@b.nl"), {}, QStringLiteral("x"));
    QCOMPARE(lMailFout, 0L);
    QVERIFY(een.messages().isEmpty());
    QCOMPARE(twee.messages().size(), 1);
    // The greeting name always comes from the first provider.
    QCOMPARE(twee.messages()[0][QStringLiteral("helo")].toString(), QStringLiteral("club.test"));
    QCOMPARE(twee.messages()[0][QStringLiteral("mail_from")].toString(),
             QStringLiteral("tweede@zemlo.test"));
    QVERIFY(twee.messages()[0][QStringLiteral("reply_to")].isNull());
  }

  void refusedBeforeAnyServer_data() {
    QTest::addColumn<int>("geval");
    QTest::addColumn<long>("fout");
    QTest::newRow("MAIL.TXT damaged") << 0 << publication::kFoutMailTxt;
    QTest::newRow("provider 2 missing") << 1 << publication::kFoutMailTxt;
    QTest::newRow("subject with a line break") << 2 << publication::kFoutWaarde;
    QTest::newRow("recipient with a header") << 3 << publication::kFoutWaarde;
    QTest::newRow("own address not valid") << 4 << publication::kFoutEigenAdres;
    QTest::newRow("attachment missing") << 5 << publication::kFoutBijlage;
  }
  void refusedBeforeAnyServer() {
    QFETCH(int, geval);
    QFETCH(long, fout);
    SmtpServer server({QStringLiteral("plain"), {}, {}, {}, true});
    fixture::Provider p;
    p.port = server.port();
    leesMailTxt({p});
    QString eigen, onderwerp = QStringLiteral("T"), aan = QStringLiteral("a@b.nl");
    QStringList bijlagen;
    switch (geval) {
    case 0:
      m_folder->write(QStringLiteral("MAIL.TXT"), "123456789\r\n");
      LeesMailTxtBestand();
      break;
    case 1:
      m_folder->write(QStringLiteral("standaard.ini"), "[Standaard]\r\nprovider=1\r\n");
      break;
    case 2:
      onderwerp = QStringLiteral("T\r\nBcc: x@y.nl");
      break;
    case 3:
      aan = QStringLiteral("a@b.nl\r\nBcc: x@y.nl");
      break;
    case 4:
      eigen = QStringLiteral("a@b@c.nl");
      break;
    default:
      bijlagen = {m_folder->path(QStringLiteral("HTML/weg.html"))};
      break;
    }
    lMailFout = 0; // a refusal never leaves the success of a send before it
    VerstuurMail(eigen, onderwerp, aan, bijlagen, QStringLiteral("x"));
    QCOMPARE(lMailFout, fout);
    QCOMPARE(m_boxes->boxes.size(), 1);
    if (fout == publication::kFoutMailTxt) {
      QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Mail"));
      QCOMPARE(m_boxes->boxes[0].text,
               QStringLiteral("Kan geen mail versturen.\nEr is iets mis met het bestand "
                              "MAIL.TXT\n\nStuur een mail naar support@zemlo.nl"));
    } else if (fout == publication::kFoutEigenAdres) {
      // Named as the own address, not blamed on the recipient.
      QCOMPARE(m_boxes->boxes[0].text,
               QStringLiteral("Uw eigen e-mailadres a@b@c.nl is geen geldig e-mailadres.\nEr is "
                              "geen e-mail verstuurd. Pas het adres aan bij Instelling e-mail."));
    } else {
      QVERIFY(m_boxes->boxes[0].text.startsWith(QStringLiteral("Foutnummer: %1\n").arg(fout)));
      QCOMPARE(m_boxes->boxes[0].kind, platform::BoxKind::Plain);
    }
    QVERIFY(server.messages().isEmpty());
  }

  void noPasswordUnencryptedToAnotherMachine() {
    platform::SmtpMailSender sender;
    platform::MailServer s;
    s.host = QStringLiteral("192.0.2.1"); // a documentation address: never reached
    s.user = QStringLiteral("kees");
    s.password = QStringLiteral("geheim");
    const platform::MailOutcome uit =
        sender.send(s, QStringLiteral("a@b.nl"), QStringLiteral("c@d.nl"), "x\r\n");
    QCOMPARE(uit.error, platform::kMailPlainLogin);
    QVERIFY(platform::isLocalHost(QStringLiteral("127.0.0.1")));
    QVERIFY(platform::isLocalHost(QStringLiteral("localhost")));
    QVERIFY(platform::isLocalHost(QStringLiteral("::1")));
    QVERIFY(!platform::isLocalHost(QStringLiteral("127.example.nl")));
    QVERIFY(!platform::isLocalHost(QStringLiteral("10.0.0.1")));
  }

private:
  void leesMailTxt(const QList<fixture::Provider> &providers) {
    m_folder->write(QStringLiteral("MAIL.TXT"), fixture::mailTxtVoor(providers));
    QCOMPARE(LeesMailTxtBestand(), 0);
  }

  std::unique_ptr<testing::ProgramFolder> m_folder;
  std::unique_ptr<platform::RecordingAnswerer> m_boxes;
};

#include "verstuurmail_test.moc"
ZEMLO_TEST_CLASS(TestVerstuurMail)
