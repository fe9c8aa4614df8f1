// The e-mail settings window driven like a person, opened from a result window.
#include "common/echteboxen.h"
#include "common/testsupport.h"
#include "common/vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/windows.h"
#include "platform/messagebox.h"
#include "platform/profile.h"
#include "publication/frmzemlo08.h"
#include "publication/frmzemlo09.h"
#include "publication/windows.h"
#include "publication_fixture.h"
#include "scoring/uitslagvenster.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace BAS_Zemlo;

class TestSettingsWindow : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() {
    registerFrameWindows();
    registerPublicationWindows();
    venstertest::registreerInvoer();
    testing::ProgramFolder folder;
    platform::RecordingAnswerer boxes;
    m_main = qobject_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
    QVERIFY(m_main);
  }

  void cleanupTestCase() {
    delete m_main;
    testing::flushDeletes();
  }

  void init() {
    m_folder = std::make_unique<testing::ProgramFolder>();
    m_boxes = std::make_unique<platform::RecordingAnswerer>();
    iTaal = 10;
  }

  void cleanup() {
    for (const char *naam : {"frmZemlo10", "frmZemlo09", "frmZemlo08", "frmZemlo06"})
      if (ZemloWindow *w = findWindow(QString::fromLatin1(naam)))
        delete w;
    testing::flushDeletes();
    m_boxes.reset();
    m_folder.reset();
  }

  void firstSettingsAreSaved() {
    frmZemlo09 *w = open(QByteArray());
    QCOMPARE(w->windowTitle(), QStringLiteral("Instellingen e-mail versturen"));
    QCOMPARE(w->txtEMailAdres->text(), QString());
    QCOMPARE(w->txtNaam->text(), QString());
    QVERIFY(w->optProvider[0]->isChecked());
    QCOMPARE(w->optProvider[0]->text(), QStringLiteral("Server 1"));
    QVERIFY(!w->cmdOK->isEnabled());
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("j.jansen@club.nl"));
    QVERIFY(!w->cmdOK->isEnabled());
    QTest::keyClicks(w->txtNaam, QStringLiteral("Jan Jansen "));
    QVERIFY(w->cmdOK->isEnabled());
    QVERIFY(m_boxes->boxes.isEmpty());
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    testing::flushDeletes();

    QVERIFY(!findWindow(QStringLiteral("frmZemlo09")));
    QVERIFY(m_uitslag->isEnabled());
    QCOMPARE(m_folder->read(QStringLiteral("standaard.ini")),
             QByteArray("[standaard]\r\neigen e-mail adres=j.jansen@club.nl\r\nNaam voor "
                        "e-mail=Jan Jansen \r\nprovider=0\r\n"));
    // The result window reads the name back trimmed when it becomes active.
    QCOMPARE(sNaamVoorEmail, QStringLiteral("Jan Jansen"));
    QCOMPARE(sEigenEmailAdres, QStringLiteral("j.jansen@club.nl"));
  }

  void ordinaryAddressesAreAccepted_data() {
    QTest::addColumn<QString>("adres");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("melding");
    QTest::newRow("dots in name and domain") << "j.jansen@club.nl" << true << "";
    QTest::newRow("sub domains") << "x@mail.club.co.uk" << true << "";
    QTest::newRow("hyphen and underscore") << "a-b_c@d-e.nl" << true << "";
    QTest::newRow("two dots in a row")
        << "j..jansen@club.nl" << false << "Geen geldig emailadres.\nVerwijder \u00e9\u00e9n <.>";
    QTest::newRow("second @") << "j@jansen@club.nl" << false
                              << "Geen geldig emailadres.\nVerwijder \u00e9\u00e9n <@>";
    QTest::newRow("no dot after @") << "jansen@club" << false << "";
    QTest::newRow("refused keys dropped") << "j #<;.jansen@club.nl" << true << "";
  }
  void ordinaryAddressesAreAccepted() {
    QFETCH(QString, adres);
    QFETCH(bool, ok);
    QFETCH(QString, melding);
    frmZemlo09 *w = open(QByteArray());
    QTest::keyClicks(w->txtNaam, QStringLiteral("Jan"));
    QTest::keyClicks(w->txtEMailAdres, adres);
    QCOMPARE(w->cmdOK->isEnabled(), ok);
    if (melding.isEmpty()) {
      QVERIFY(m_boxes->boxes.isEmpty());
    } else {
      QVERIFY(!m_boxes->boxes.isEmpty());
      QCOMPARE(m_boxes->boxes.last().text, melding);
    }
    if (adres.contains(u'#'))
      QCOMPARE(w->txtEMailAdres->text(), QStringLiteral("j.jansen@club.nl"));
  }

  // A letter beyond ASCII before the "@" is refused; a domain beyond ASCII
  // is kept, in its ASCII form where Windows-1252 cannot write it.
  void addressesBeyondAscii_data() {
    QTest::addColumn<QString>("adres");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("bewaard");
    QTest::newRow("letter beyond ASCII before @") << "\u0142ukasz@club.pl" << false << QByteArray();
    QTest::newRow("accent before @") << "zo\u00eb@caf\u00e9.nl" << false << QByteArray();
    QTest::newRow("domain in Windows-1252")
        << "jan@caf\u00e9.nl" << true << QByteArray("jan@caf\xe9.nl");
    QTest::newRow("domain beyond Windows-1252")
        << "jan@\u0142\u00f3d\u017a.pl" << true << QByteArray("jan@xn--d-uga0v4h.pl");
  }
  void addressesBeyondAscii() {
    QFETCH(QString, adres);
    QFETCH(bool, ok);
    QFETCH(QByteArray, bewaard);
    frmZemlo09 *w = open(QByteArray());
    QTest::keyClicks(w->txtNaam, QStringLiteral("Jan"));
    venstertest::typ(w->txtEMailAdres, adres);
    QCOMPARE(w->cmdOK->isEnabled(), ok);
    if (!ok) {
      // Once, not again at every key typed after the letter.
      QCOMPARE(m_boxes->boxes.size(), 1);
      QCOMPARE(
          m_boxes->boxes.last().text,
          QStringLiteral("Geen geldig emailadres.\nV\u00f3\u00f3r de @ kan een e-mailadres "
                         "alleen letters zonder accent, cijfers en tekens als . - _ bevatten."));
      QTest::keyClick(w->txtEMailAdres, Qt::Key_Return); // saves nothing
      QCOMPARE(m_folder->read(QStringLiteral("standaard.ini")), QByteArray("[standaard]\r\n"));
      return;
    }
    QVERIFY(m_boxes->boxes.isEmpty());
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QVERIFY(m_folder->read(QStringLiteral("standaard.ini"))
                .contains("\r\neigen e-mail adres=" + bewaard + "\r\n"));
  }

  // The box about a letter beyond ASCII, really shown and closed with Enter,
  // leaves the focus in the address, which can then be mended.
  void aLetterBeyondAsciiInARealBox() {
    frmZemlo09 *w = open(QByteArray());
    QTest::keyClicks(w->txtNaam, QStringLiteral("Jan"));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->txtEMailAdres->setFocus();
    QCOMPARE(QApplication::focusWidget(), w->txtEMailAdres);
    m_boxes.reset();
    QString tekst;
    {
      const testing::EchteBoxen boxen;
      venstertest::typ(w->txtEMailAdres, QStringLiteral("\u0142"));
      tekst = boxen.teksten.value(0);
    }
    QVERIFY(tekst.startsWith(QStringLiteral("Geen geldig emailadres.\n")));
    QVERIFY(!QApplication::activeModalWidget());
    // The window gets its focus back in the address when it is active again.
    QCOMPARE(w->focusWidget(), w->txtEMailAdres);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->txtEMailAdres);
    QVERIFY(findWindow(QStringLiteral("frmZemlo09")));
    QVERIFY(!w->cmdOK->isEnabled());
    m_boxes = std::make_unique<platform::RecordingAnswerer>();
    QTest::keyClick(w->txtEMailAdres, Qt::Key_Backspace);
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("lukasz@club.pl"));
    QVERIFY(m_boxes->boxes.isEmpty());
    QVERIFY(w->cmdOK->isEnabled());
  }

  // A name that standaard.ini cannot keep is refused; none is kept as "?".
  void aNameThatCannotBeKept() {
    frmZemlo09 *w = open(QByteArray());
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("j@club.nl"));
    venstertest::typ(w->txtNaam, QStringLiteral("\u0141ukasz"));
    QVERIFY(!w->cmdOK->isEnabled());
    QVERIFY(!m_boxes->boxes.isEmpty());
    QCOMPARE(m_boxes->boxes.last().text,
             QStringLiteral("Het teken <\u0141> kan niet in de instellingen worden "
                            "bewaard.\nGebruik een ander teken."));
    w->txtNaam->clear();
    venstertest::typ(w->txtNaam, QStringLiteral("Zo\u00eb"));
    QVERIFY(w->cmdOK->isEnabled());
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QVERIFY(m_folder->read(QStringLiteral("standaard.ini"))
                .contains("\r\nNaam voor e-mail=Zo\xeb\r\n"));
  }

  // A control character pasted into the name is refused as a letter that
  // standaard.ini cannot keep is, named so that it can be seen.
  void aControlCharacterInTheName_data() {
    QTest::addColumn<QString>("geplakt");
    QTest::addColumn<QString>("getoond");
    QTest::newRow("tab") << QStringLiteral("Jan\tJansen") << "U+0009";
    QTest::newRow("U+0001") << QStringLiteral("Jan\u0001") << "U+0001";
    QTest::newRow("DEL") << QStringLiteral("Jan\u007f") << "U+007F";
    QTest::newRow("U+0081") << QStringLiteral("Jan\u0081") << "U+0081";
  }
  void aControlCharacterInTheName() {
    QFETCH(QString, geplakt);
    QFETCH(QString, getoond);
    frmZemlo09 *w = open(QByteArray());
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("j@club.nl"));
    plak(w->txtNaam, geplakt);
    QVERIFY(!w->cmdOK->isEnabled());
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Het teken <%1> kan niet in de instellingen worden "
                            "bewaard.\nGebruik een ander teken.")
                 .arg(getoond));
    QTest::keyClick(w->txtEMailAdres, Qt::Key_Return);
    QVERIFY(findWindow(QStringLiteral("frmZemlo09")));
    QVERIFY(!m_folder->read(QStringLiteral("standaard.ini")).contains("Naam voor e-mail"));
  }

  // The boxes take no more than standaard.ini gives back: a name of 300
  // characters pasted is one of 254, saved and read back whole.
  void aLongNameReadsBackWhole() {
    frmZemlo09 *w = open(QByteArray());
    // The address box likewise: an address of 255 characters cannot be typed.
    plak(w->txtEMailAdres, QString(247, u'a') + QStringLiteral("@club.nl"));
    QCOMPARE(w->txtEMailAdres->text().size(), 254);
    plak(w->txtEMailAdres, QStringLiteral("j@club.nl"));
    const QString lang = QString(150, u'J') + QString(150, u'K');
    plak(w->txtNaam, lang);
    QCOMPARE(w->txtNaam->text(), lang.left(254));
    QVERIFY(w->cmdOK->isEnabled());
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo09")));
    // What the result window reads back is the name as the box held it.
    QCOMPARE(sNaamVoorEmail, lang.left(254));
    LeesIni(QStringLiteral("Standaard"), QStringLiteral("Naam voor e-mail"), sIniPad);
    QCOMPARE(sIniWaarde, lang.left(254));
  }

  void enterSavesOnlyWhatOkMay() {
    frmZemlo09 *w = open(QByteArray());
    QTest::keyClick(w->txtEMailAdres, Qt::Key_Return);
    QVERIFY(findWindow(QStringLiteral("frmZemlo09")));
    QCOMPARE(m_folder->read(QStringLiteral("standaard.ini")), QByteArray("[standaard]\r\n"));
    QTest::keyClicks(w->txtNaam, QStringLiteral("Jan"));
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("j@club.nl"));
    QTest::keyClick(w->txtEMailAdres, Qt::Key_Return);
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo09")));
    LeesIni(QStringLiteral("Standaard"), QStringLiteral("eigen e-mail adres"), sIniPad);
    QCOMPARE(sIniWaarde, QStringLiteral("j@club.nl"));
  }

  void storedSettingsAndTheSecondServer() {
    frmZemlo09 *w = open("[Standaard]\r\neigen e-mail adres=a@b@c.nl\r\nNaam voor e-mail=Jan\r\n"
                         "provider=1\r\n");
    // A stored address that is not valid is named once and cannot be saved.
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Geen geldig emailadres.\nVerwijder \u00e9\u00e9n <@>"));
    QVERIFY(!w->cmdOK->isEnabled());
    QVERIFY(w->optProvider[1]->isChecked());
    QCOMPARE(w->txtNaam->text(), QStringLiteral("Jan"));
    w->txtEMailAdres->clear();
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("a@c.nl"));
    QVERIFY(w->cmdOK->isEnabled());
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QCOMPARE(platform::readProfileString(QStringLiteral("Standaard"), QStringLiteral("provider"),
                                         sIniPad),
             QStringLiteral("1"));
  }

  void closingSavesNothing_data() {
    QTest::addColumn<int>("toets");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("sluit");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << true;
    QTest::newRow("Ctrl+F4") << int(Qt::Key_F4) << int(Qt::ControlModifier) << true;
    QTest::newRow("Ctrl+Shift+F4")
        << int(Qt::Key_F4) << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
  }
  void closingSavesNothing() {
    QFETCH(int, toets);
    QFETCH(int, modifiers);
    QFETCH(bool, sluit);
    frmZemlo09 *w = open(QByteArray());
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("j@club.nl"));
    QTest::keyClicks(w->txtNaam, QStringLiteral("Jan"));
    QTest::keyClick(w->txtNaam, Qt::Key(toets), Qt::KeyboardModifiers(modifiers));
    testing::flushDeletes();
    QCOMPARE(findWindow(QStringLiteral("frmZemlo09")) == nullptr, sluit);
    QCOMPARE(m_uitslag->isEnabled(), sluit);
    QCOMPARE(m_folder->read(QStringLiteral("standaard.ini")), QByteArray("[standaard]\r\n"));
    QCOMPARE(sEigenEmailAdres, QString());
  }

  // The settings file cannot be written, once because a folder stands in its
  // place, once because the disk is full: then it stays as it was.
  void aSaveThatFailsKeepsTheWindow_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("a folder in its place") << false;
    QTest::newRow("full disk") << true;
  }
  void aSaveThatFailsKeepsTheWindow() {
    QFETCH(bool, fullDisk);
    const QByteArray old("[Standaard]\r\nprovider=1\r\n");
    frmZemlo09 *w = open(old);
    QTest::keyClicks(w->txtEMailAdres, QStringLiteral("j@club.nl"));
    QTest::keyClicks(w->txtNaam, QStringLiteral("Jan"));
    std::unique_ptr<testing::FullDisk> full;
    if (fullDisk) {
      full = std::make_unique<testing::FullDisk>();
    } else {
      QFile::remove(sIniPad);
      QDir().mkpath(sIniPad);
    }
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    full.reset();
    if (fullDisk)
      QCOMPARE(m_folder->read(QStringLiteral("standaard.ini")), old);
    testing::flushDeletes();
    QVERIFY(findWindow(QStringLiteral("frmZemlo09")));
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Het bestand standaard.ini kan niet worden opgeslagen.\nControleer de "
                            "schijf en probeer het opnieuw."));
    QCOMPARE(sEigenEmailAdres, QString());
    QCOMPARE(w->txtEMailAdres->text(), QStringLiteral("j@club.nl"));
  }

  void englishWindow() {
    iTaal = 11;
    frmZemlo09 *w = open(QByteArray());
    QCOMPARE(w->windowTitle(), QStringLiteral("Send email settings"));
    QCOMPARE(w->lblInfo->text(), QStringLiteral("Your e-mail address:"));
    QCOMPARE(w->cmdTerug->text(), QStringLiteral("&Back"));
  }

private:
  // Pastes a text into a box as a person does: the clipboard and Ctrl+V.
  static void plak(QLineEdit *box, const QString &tekst) {
    box->setFocus();
    box->selectAll();
    QApplication::clipboard()->setText(tekst);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
  }

  frmZemlo09 *open(const QByteArray &ini) {
    venstertest::schrijfAvond(*m_folder);
    if (!ini.isEmpty())
      m_folder->write(QStringLiteral("standaard.ini"), ini);
    auto *invoer =
        qobject_cast<venstertest::Invoer *>(showWindow(QStringLiteral("frmZemlo06"), m_main));
    m_uitslag = qobject_cast<frmZemlo08 *>(
        scoring::OpenUitslagVenster(invoer, 6, venstertest::uitslag(3), invoer->lstVoorMail));
    QTest::mouseClick(m_uitslag->cmdInstelling, Qt::LeftButton);
    return qobject_cast<frmZemlo09 *>(findWindow(QStringLiteral("frmZemlo09")));
  }

  frmZemlo01 *m_main = nullptr;
  QPointer<frmZemlo08> m_uitslag;
  std::unique_ptr<testing::ProgramFolder> m_folder;
  std::unique_ptr<platform::RecordingAnswerer> m_boxes;
};

#include "settings_test.moc"
ZEMLO_TEST_CLASS(TestSettingsWindow)
