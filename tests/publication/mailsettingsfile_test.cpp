// The mail-settings-file window driven like a person: fetching MAIL.TXT from
// a loopback HTTPS server and sending the test mail to a loopback SMTP server.
#include "common/httpsserver.h"
#include "common/testsupport.h"
#include "common/vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/windows.h"
#include "mailfixture.h"
#include "platform/mail.h"
#include "platform/messagebox.h"
#include "platform/profile.h"
#include "publication/frmzemlo10.h"
#include "publication/mailtxt.h"
#include "publication/windows.h"
#include "publication_fixture.h"
#include "smtpserver.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace BAS_Zemlo;

namespace {
const QString kPad = QStringLiteral("/zem/MAIL.TXT");
}

class TestMailSettingsFile : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() {
    registerFrameWindows();
    registerPublicationWindows();
    {
      testing::ProgramFolder folder;
      platform::RecordingAnswerer boxes;
      m_main = qobject_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
    }
    QVERIFY(m_main);
    m_https = std::make_unique<testing::HttpsServer>();
    QVERIFY(m_https->isRunning());
  }
  void cleanupTestCase() {
    m_https.reset();
    delete m_main;
    testing::flushDeletes();
  }

  void init() {
    m_folder = std::make_unique<testing::ProgramFolder>();
    m_boxes = std::make_unique<platform::RecordingAnswerer>();
    iTaal = 10;
    sIniPad = m_folder->path(QStringLiteral("standaard.ini"));
    m_main->setEnabled(true);
  }

  void cleanup() {
    if (ZemloWindow *w = findWindow(QStringLiteral("frmZemlo10")))
      delete w;
    testing::flushDeletes();
    m_boxes.reset();
    m_folder.reset();
    platform::setMailTimeLimit(120);
  }

  void opensFromTheMainWindow() {
    m_folder->write(QStringLiteral("standaard.ini"),
                    "[Standaard]\r\neigen e-mail adres=j.jansen@club.nl\r\nprovider=1\r\n");
    frmZemlo10 *w = open();
    QCOMPARE(iVanForm, 1);
    QVERIFY(!m_main->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Download MAIL.TXT"));
    QCOMPARE(w->txtEMailAdres->text(), QStringLiteral("j.jansen@club.nl"));
    QVERIFY(!w->cmdOK->isEnabled());
    QVERIFY(w->optProvider[1]->isChecked());
    QCOMPARE(w->fraMailadres->title(), QStringLiteral("Hier een e-maal naar sturen"));
    QCOMPARE(w->lblAdres->text(), QStringLiteral("E-mailadres:"));

    // A provider clicked holds while the window is open.
    QTest::mouseClick(w->optProvider[0], Qt::LeftButton);
    QCOMPARE(provider(), QStringLiteral("0"));
    QTest::keyClick(w, Qt::Key_Escape);
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo10")));
    QVERIFY(m_main->isEnabled());
    QCOMPARE(provider(), QStringLiteral("1"));
  }

  // On a full disk a provider clicked cannot be kept: text 181, the file as
  // it was; closing, which has nothing to put back, says nothing more.
  void aProviderThatCannotBeKept() {
    const QByteArray old("[Standaard]\r\nprovider=1\r\n");
    m_folder->write(QStringLiteral("standaard.ini"), old);
    frmZemlo10 *w = open();
    QVERIFY(w);
    {
      testing::FullDisk full;
      QVERIFY(full.isActive());
      QTest::mouseClick(w->optProvider[0], Qt::LeftButton);
      QTest::keyClick(w, Qt::Key_Escape);
      testing::flushDeletes();
    }
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Het bestand standaard.ini kan niet worden opgeslagen.\nControleer de "
                            "schijf en probeer het opnieuw."));
    QVERIFY(!findWindow(QStringLiteral("frmZemlo10")));
    QVERIFY(m_main->isEnabled());
    QCOMPARE(m_folder->read(QStringLiteral("standaard.ini")), old);
  }

  void fetchAndTestMail() {
    testing::SmtpServer smtp({QStringLiteral("plain"), {}, {}, {}, true});
    QVERIFY(smtp.isRunning());
    fixture::Provider p;
    p.port = smtp.port();
    m_https->put(kPad, fixture::mailTxtVoor({p}));
    frmZemlo10 *w = open();
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("j.jansen@club.nl"));
    QVERIFY(!w->cmdOK->isEnabled()); // nothing fetched yet

    QTest::mouseClick(w->cmdDownLoad, Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].text, QStringLiteral("Download van MAIL.TXT gelukt."));
    QVERIFY(!w->cmdDownLoad->isEnabled());
    QVERIFY(w->cmdOK->isEnabled());
    QCOMPARE(m_folder->read(QStringLiteral("MAIL.TXT")), fixture::mailTxtVoor({p}));
    QCOMPARE(bMailTxtFout, 0);
    QCOMPARE(lstProvider[0].value(2), QString::number(smtp.port()));

    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 2);
    QCOMPARE(m_boxes->boxes[1].text, QStringLiteral("De test mail is met succes verstuurd."));
    QVERIFY(!w->cmdOK->isEnabled());
    const QList<QJsonObject> berichten = smtp.messages();
    QCOMPARE(berichten.size(), 1);
    QCOMPARE(berichten[0][QStringLiteral("subject")].toString(),
             QStringLiteral("Test mail met nieuwe MAIL.TXT"));
    QCOMPARE(berichten[0][QStringLiteral("text")].toString(),
             QStringLiteral("Hallo,\n\nDit is de testmail na het downloaden van MAIL.TXT\n"));
    QCOMPARE(berichten[0][QStringLiteral("rcpt_tos")][0].toString(),
             QStringLiteral("j.jansen@club.nl"));
    LeesIni(QStringLiteral("standaard"), QStringLiteral("eigen e-mail adres"), sIniPad);
    QCOMPARE(sIniWaarde, QStringLiteral("j.jansen@club.nl"));
    // A change of the address makes a new test possible.
    QTest::keyClick(w->txtEMailAdres, Qt::Key_Backspace);
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("l"));
    QVERIFY(w->cmdOK->isEnabled());
  }

  // A test mail that the server took counts as sent, however the server
  // then behaves, and the window keeps painting while it goes out. The
  // address goes out in its ASCII form and is kept without a "?".
  void testMailTakenThenSilence_data() {
    QTest::addColumn<QString>("adres");
    QTest::addColumn<QString>("ontvanger");
    QTest::addColumn<QByteArray>("bewaard");
    QTest::newRow("domain in Windows-1252")
        << "kees@caf\u00e9.nl"
        << "kees@xn--caf-dma.nl" << QByteArray("kees@caf\xe9.nl");
    QTest::newRow("domain beyond Windows-1252")
        << "jan@\u0142\u00f3d\u017a.pl"
        << "jan@xn--d-uga0v4h.pl" << QByteArray("jan@xn--d-uga0v4h.pl");
  }
  void testMailTakenThenSilence() {
    QFETCH(QString, adres);
    QFETCH(QString, ontvanger);
    QFETCH(QByteArray, bewaard);
    testing::SmtpServer::Options options;
    options.onData = QStringLiteral("accept-stall");
    testing::SmtpServer smtp(options);
    QVERIFY(smtp.isRunning());
    fixture::Provider p;
    p.port = smtp.port();
    m_https->put(kPad, fixture::mailTxtVoor({p}));
    platform::setMailTimeLimit(1);
    QPointer<frmZemlo10> w = open();
    venstertest::typ(w->txtEMailAdres, adres);
    QTest::mouseClick(w->cmdDownLoad, Qt::LeftButton);
    QVERIFY(w->cmdOK->isEnabled());

    bool zandloper = false;
    QTimer tijdens;
    tijdens.setSingleShot(true);
    connect(&tijdens, &QTimer::timeout, this, [&] {
      zandloper = QGuiApplication::overrideCursor() != nullptr;
      if (w && zandloper)
        QTest::keyClick(w, Qt::Key_Escape); // dropped while the mail goes out
    });
    tijdens.start(300);
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    platform::setMailTimeLimit(120);
    QVERIFY(zandloper);
    testing::flushDeletes();
    QVERIFY(w);
    QCOMPARE(m_boxes->boxes.size(), 2);
    QCOMPARE(m_boxes->boxes[1].text, QStringLiteral("De test mail is met succes verstuurd."));
    QCOMPARE(smtp.messages().size(), 1);
    QCOMPARE(smtp.messages()[0][QStringLiteral("rcpt_tos")][0].toString(), ontvanger);
    QVERIFY(m_folder->read(QStringLiteral("standaard.ini"))
                .contains("\r\neigen e-mail adres=" + bewaard + "\r\n"));
  }

  void failedTestMailOffersTheOtherProvider() {
    testing::SmtpServer smtp(
        {QStringLiteral("plain"), {}, {}, {QStringLiteral("j.jansen@club.nl")}, true});
    fixture::Provider p;
    p.port = smtp.port();
    m_https->put(kPad, fixture::mailTxtVoor({p}));
    frmZemlo10 *w = open();
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("j.jansen@club.nl"));
    QTest::mouseClick(w->cmdDownLoad, Qt::LeftButton);
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 3);
    QVERIFY(m_boxes->boxes[1].text.startsWith(QStringLiteral("Foutnummer: ")));
    QCOMPARE(
        m_boxes->boxes[2].text,
        QStringLiteral("De test mail is NIET met succes verstuurd.\n\nProbeer de andere provider"));
    QVERIFY(w->cmdOK->isEnabled());

    // The second provider is not in the file: the refusal is no success either.
    QTest::mouseClick(w->optProvider[1], Qt::LeftButton);
    lMailFout = 0;
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 5);
    QCOMPARE(m_boxes->boxes[3].title, QStringLiteral("Mail"));
    QCOMPARE(
        m_boxes->boxes[4].text,
        QStringLiteral("De test mail is NIET met succes verstuurd.\n\nProbeer de andere provider"));
    QVERIFY(smtp.messages().isEmpty());
  }

  void aFailedFetchKeepsTheOldFile_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("not found") << 404 << QByteArray();
    QTest::newRow("damaged file") << 200 << QByteArray("123456789\r\n");
    QTest::newRow("empty file") << 200 << QByteArray();
  }
  void aFailedFetchKeepsTheOldFile() {
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    const QByteArray oud = fixture::mailTxtVoor({fixture::Provider()});
    m_folder->write(QStringLiteral("MAIL.TXT"), oud);
    QCOMPARE(LeesMailTxtBestand(), 0);
    if (status == 200)
      m_https->put(kPad, body);
    else
      m_https->fail(kPad, status);
    frmZemlo10 *w = open();
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("j@club.nl"));
    QTest::mouseClick(w->cmdDownLoad, Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(
        m_boxes->boxes[0].text,
        QStringLiteral("Heb MAIL.TXT niet kunnen downloaden.\nprobeer het later nog een keer."));
    QVERIFY(w->cmdDownLoad->isEnabled());
    QVERIFY(!w->cmdOK->isEnabled());
    QCOMPARE(m_folder->read(QStringLiteral("MAIL.TXT")), oud);
    QCOMPARE(bMailTxtFout, 0);
    QVERIFY(!m_folder->exists(QStringLiteral(".MAIL.TXT.download")));
  }

  void addressRules_data() {
    QTest::addColumn<QString>("adres");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("melding");
    QTest::addColumn<int>("keren"); // boxes while the address is typed
    QTest::newRow("dot before @") << "j.jansen@club.nl" << true << "" << 0;
    // These come again at every change while the fault stands.
    QTest::newRow("second @") << "a@b@c.nl" << false
                              << "Geen geldig emailadres.\nVerwijder \u00e9\u00e9n < @ >" << 5;
    QTest::newRow("two dots") << "a..b@c.nl" << false
                              << "Geen geldig emailadres.\nVerwijder \u00e9\u00e9n < . >" << 7;
    QTest::newRow("refused keys") << "a<>#%;@c.nl" << true << "" << 0;
    // This one once, not again at every key typed after the letter.
    QTest::newRow("accent before @")
        << "zo\u00eb@c.nl" << false
        << "Geen geldig emailadres.\nV\u00f3\u00f3r de @ kan een e-mailadres alleen letters "
           "zonder accent, cijfers en tekens als . - _ bevatten."
        << 1;
  }
  void addressRules() {
    QFETCH(QString, adres);
    QFETCH(bool, ok);
    QFETCH(QString, melding);
    QFETCH(int, keren);
    m_https->put(kPad, fixture::mailTxtVoor({fixture::Provider()}));
    frmZemlo10 *w = open();
    QTest::mouseClick(w->cmdDownLoad, Qt::LeftButton);
    m_boxes->boxes.clear();
    venstertest::typ(w->txtEMailAdres, adres);
    QCOMPARE(m_boxes->boxes.size(), keren);
    QTest::keyClick(w->txtEMailAdres, Qt::Key_Return); // never sends
    QCOMPARE(w->cmdOK->isEnabled(), ok);
    if (melding.isEmpty()) {
      QVERIFY(m_boxes->boxes.isEmpty());
    } else {
      QVERIFY(!m_boxes->boxes.isEmpty());
      QCOMPARE(m_boxes->boxes.last().text, melding);
    }
  }

  void englishWindow() {
    iTaal = 11;
    frmZemlo10 *w = open();
    QCOMPARE(w->cmdOK->text(), QStringLiteral("Send"));
    QCOMPARE(w->fraMailadres->title(), QStringLiteral("Send an e-mail to it"));
    QCOMPARE(w->optProvider[1]->text(), QStringLiteral("Provider 2"));
  }

private:
  frmZemlo10 *open() {
    QTest::mouseClick(m_main->cmdMAILTXT, Qt::LeftButton);
    return qobject_cast<frmZemlo10 *>(findWindow(QStringLiteral("frmZemlo10")));
  }

  QString provider() const {
    return platform::readProfileString(QStringLiteral("Standaard"), QStringLiteral("provider"),
                                       sIniPad);
  }

  frmZemlo01 *m_main = nullptr;
  std::unique_ptr<testing::HttpsServer> m_https;
  std::unique_ptr<testing::ProgramFolder> m_folder;
  std::unique_ptr<platform::RecordingAnswerer> m_boxes;
};

#include "mailsettingsfile_test.moc"
ZEMLO_TEST_CLASS(TestMailSettingsFile)
