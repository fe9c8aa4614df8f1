// The result window driven like a person: the ranking it copies, the HTML
// page and the address list, printing, mailing every player through a real
// SMTP server, and the way back to the entry window that opened it.
#include "common/testsupport.h"
#include "common/vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/printgrid.h"
#include "frame/windows.h"
#include "platform/files.h"
#include "platform/gridview.h"
#include "platform/mail.h"
#include "platform/messagebox.h"
#include "publication/frmzemlo08.h"
#include "publication/frmzemlo09.h"
#include "publication/frmzemlo10.h"
#include "publication/mailbericht.h"
#include "publication/mailtxt.h"
#include "publication/uitslagpagina.h"
#include "publication/windows.h"
#include "publication_fixture.h"
#include "rules/mailtxtmaker.h"
#include "scoring/uitslagvenster.h"
#include "smtpserver.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace BAS_Zemlo;
using venstertest::Invoer;

class TestResultWindow : public QObject {
  Q_OBJECT
private slots:
  void initTestCase() {
    registerFrameWindows();
    registerPublicationWindows();
    venstertest::registreerInvoer();
    testing::ProgramFolder folder;
    platform::RecordingAnswerer boxes; // MAIL.TXT is missing at start-up
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
    m_main->setEnabled(true);
  }

  void cleanup() {
    for (const char *naam : {"frmZemlo10", "frmZemlo09", "frmZemlo08", "frmZemlo06", "frmZemlo07"})
      if (ZemloWindow *w = findWindow(QString::fromLatin1(naam)))
        delete w;
    testing::flushDeletes();
    m_boxes.reset();
    m_folder.reset();
    platform::setMailTimeLimit(120);
    platform::setMailGoodbyeLimit(5);
  }

  void copiesTheRankingAndThePlayers_data() {
    QTest::addColumn<int>("vanForm");
    QTest::newRow("per board") << 6;
    QTest::newRow("per round") << 7;
  }
  void copiesTheRankingAndThePlayers() {
    QFETCH(int, vanForm);
    venstertest::schrijfAvond(*m_folder);
    Invoer *invoer = openInvoer(vanForm, 7);
    invoer->lstVoorMail.append(QStringLiteral(" Mevr. Els Jansen "));
    frmZemlo08 *w = openUitslag(invoer, vanForm);

    QCOMPARE(w->windowTitle(), QStringLiteral("Uitslag (12-03-2024 Groep A)"));
    QVERIFY(!invoer->isEnabled());
    // An opener grid of 9 rows gives 8 rows of rank, pair, total and percentage.
    const platform::GridModel &g = *w->msfgResultaat->grid();
    QCOMPARE(g.rows(), 8);
    QCOMPARE(g.cols(), 4);
    QCOMPARE(g.textMatrix(0, 3), QStringLiteral("Percentage"));
    QCOMPARE(g.textMatrix(3, 1), QStringLiteral("3. Paar & <3>"));
    QCOMPARE(g.textMatrix(3, 2), QStringLiteral("7"));
    QCOMPARE(g.textMatrix(7, 3), QStringLiteral("53.00%"));
    QCOMPARE(g.cell(0, 1).alignment, 9);
    QCOMPARE(g.cell(3, 1).alignment, 1);
    for (int r = 0; r < 8; ++r)
      QCOMPARE(g.cell(r, 0).backColor.has_value(), r % 2 == 0 && r > 0);
    QCOMPARE(*g.cell(4, 3).backColor, 0xC0FFFFu);
    QVERIFY(g.colWidth(1) > g.colWidth(0));
    // Blank players are left out; the per-board window's are trimmed.
    QStringList verwacht = venstertest::spelers();
    verwacht.removeAt(3);
    verwacht.append(vanForm == 6 ? QStringLiteral("Mevr. Els Jansen")
                                 : QStringLiteral(" Mevr. Els Jansen "));
    QCOMPARE(w->lstWieMailen, verwacht);
    QCOMPARE(w->lstMailingList.size(), 6);
  }

  // With ordinary names every column shows whole, the percentage with its
  // "%": the window grows with its grid, from its least size up to the
  // screen's, and the grid scrolls only what the screen cannot hold.
  void everyColumnWhole_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<int>("paren");
    QTest::addColumn<bool>("rijenPassen"); // the screen holds every row
    QTest::newRow("short names") << "Paar" << 3 << true;
    QTest::newRow("ordinary names") << "Dhr. Jan Bakker - Mevr. Els van Jansen" << 12 << true;
    QTest::newRow("wider than the screen") << QString(70, u'M') << 8 << true;
    QTest::newRow("more than the screen") << QString(70, u'M') << 40 << false;
  }
  void everyColumnWhole() {
    QFETCH(QString, naam);
    QFETCH(int, paren);
    QFETCH(bool, rijenPassen);
    venstertest::schrijfAvond(*m_folder);
    Invoer *invoer = openInvoer(6, paren);
    for (int p = 0; p < paren; ++p) {
      invoer->uitslag.rijen[p].label = QStringLiteral("%1. %2 [24]").arg(p + 1).arg(naam);
      invoer->uitslag.rijen[p].percentage = QStringLiteral("100.00%");
    }
    frmZemlo08 *w = openUitslag(invoer, 6);
    QVERIFY(w->width() >= 700 && w->height() >= 560);
    const QRect scherm = w->screen()->availableGeometry();
    QVERIFY(w->width() <= scherm.width() && w->height() <= scherm.height());
    QApplication::processEvents();
    const platform::GridModel &g = *w->msfgResultaat->grid();
    int kolommen = 0;
    for (int c = 0; c < g.cols(); ++c)
      kolommen += g.colWidth(c) / 15;
    const bool past = kolommen + 2 * w->msfgResultaat->frameWidth() + 30 + 40 <= scherm.width();
    QCOMPARE(w->msfgResultaat->horizontalScrollBar()->isVisible(), !past);
    if (past)
      QVERIFY(w->msfgResultaat->viewport()->width() >= kolommen);
    // Rows the screen holds all show, under the columns' scroll bar too (the
    // fixed row stands above the scrolling ones).
    int rijen = 0;
    for (int r = g.fixedRows(); r < g.rows(); ++r)
      rijen += g.rowHeight(r) / 15;
    QCOMPARE(w->msfgResultaat->verticalScrollBar()->isVisible(), !rijenPassen);
    if (rijenPassen)
      QVERIFY2(
          w->msfgResultaat->viewport()->height() >= rijen,
          qPrintable(
              QStringLiteral("%1 < %2").arg(w->msfgResultaat->viewport()->height()).arg(rijen)));
    // The buttons stand under the grid, inside the window.
    QVERIFY(w->cmdTerug->geometry().top() > w->msfgResultaat->geometry().bottom());
    QVERIFY(w->cmdTerug->geometry().right() < w->width());
    QVERIFY(w->cmdMaakHTML->geometry().left() >= 0);
  }

  void onePair() {
    venstertest::schrijfAvond(*m_folder);
    Invoer *invoer = openInvoer(6, 1);
    frmZemlo08 *w = openUitslag(invoer, 6);
    QCOMPARE(w->msfgResultaat->grid()->rows(), 2);
    QTest::mouseClick(w->cmdMaakHTML, Qt::LeftButton);
    QCOMPARE(m_folder->read(QStringLiteral("HTML/12-03-2024 Groep A.html")),
             publication::UitslagPagina(*w->msfgResultaat->grid(), w->windowTitle()));
  }

  void sendButtonFollowsTheSettings() {
    venstertest::schrijfAvond(*m_folder);
    frmZemlo08 *w = openUitslag(openInvoer(6, 3), 6);
    QVERIFY(w->cmdInstelling->isVisible());
    QVERIFY(!w->cmdVerstuur->isVisible());
    QVERIFY(!w->lblGeenAdressen->isVisible());

    // The settings are completed in the settings window; its closing shows
    // the mail button.
    QTest::mouseClick(w->cmdInstelling, Qt::LeftButton);
    auto *instelling = qobject_cast<frmZemlo09 *>(findWindow(QStringLiteral("frmZemlo09")));
    QVERIFY(instelling);
    QVERIFY(!w->isEnabled());
    QTest::keyClicks(instelling->txtEMailAdres, QStringLiteral("j.jansen@club.nl"));
    QTest::keyClicks(instelling->txtNaam, QStringLiteral("Jan Jansen"));
    QTest::mouseClick(instelling->cmdOK, Qt::LeftButton);
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo09")));
    QVERIFY(w->isEnabled());
    QVERIFY(w->cmdVerstuur->isVisible());
    QVERIFY(w->cmdVerstuur->isEnabled());
    QCOMPARE(sEigenEmailAdres, QStringLiteral("j.jansen@club.nl"));

    // A missing or damaged MAIL.TXT leaves it shown but disabled.
    bMailTxtFout = -1;
    w->Form_Activate();
    QVERIFY(w->cmdVerstuur->isVisible());
    QVERIFY(!w->cmdVerstuur->isEnabled());
  }

  void groupWithoutAddressesOffersNoMailing() {
    venstertest::schrijfAvond(*m_folder, false, QStringLiteral("j.jansen@club.nl"),
                              QStringLiteral("Jan"));
    frmZemlo08 *w = openUitslag(openInvoer(6, 3), 6);
    QVERIFY(w->lblGeenAdressen->isVisible());
    QCOMPARE(
        w->lblGeenAdressen->text(),
        QStringLiteral("Van deze groep zijn geen e-mailadressen bekend.\nHet bestand 12-03-2024 "
                       "Groep A.mail ontbreekt."));
    QVERIFY(!w->cmdVerstuur->isVisible());
    QVERIFY(w->cmdInstelling->isVisible());
    // No companion is made from the group file.
    QVERIFY(!m_folder->exists(QStringLiteral("groepen/12-03-2024 Groep A.mail")));
    QTest::mouseClick(w->cmdMaakHTML, Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), QString());
    QVERIFY(m_folder->exists(QStringLiteral("HTML/12-03-2024 Groep A.html")));
  }

  // A bar in the name of a group file named by hand stays a bar: only the
  // text's own bars break its lines.
  void aBarInTheGroupNameStays() {
    venstertest::schrijfAvond(*m_folder, false);
    BAS_Zemlo::sGroepBestand = QStringLiteral("12-03-2024 Groep A|B.txt");
    frmZemlo08 *w = openUitslag(openInvoer(6, 3), 6);
    QVERIFY(w->lblGeenAdressen->isVisible());
    QCOMPARE(w->lblGeenAdressen->text(),
             QStringLiteral("Van deze groep zijn geen e-mailadressen bekend.\nHet bestand "
                            "12-03-2024 Groep A|B.mail ontbreekt."));
  }

  // A group's addresses that cannot be read (no read permission, which root
  // does not feel: the stand-in refuses it) are not called missing.
  void unreadableAddressesAreNamed() {
    venstertest::schrijfAvond(*m_folder, true, QStringLiteral("j.jansen@club.nl"),
                              QStringLiteral("Jan"));
    platform::setUnreadableFiles(
        {m_folder->path(QStringLiteral("groepen/12-03-2024 Groep A.mail"))});
    frmZemlo08 *w = openUitslag(openInvoer(6, 3), 6);
    QVERIFY(w->lblGeenAdressen->isVisible());
    QCOMPARE(w->lblGeenAdressen->text(),
             QStringLiteral("Het bestand groepen/12-03-2024 Groep A.mail kan niet worden "
                            "gelezen.\nControleer de rechten van het bestand en probeer het "
                            "opnieuw."));
    QVERIFY(!w->cmdVerstuur->isVisible());
  }

  // Old pages that stay when they were to be deleted are named; the new page
  // is made all the same.
  void oldPagesThatStayAreNamed() {
    venstertest::schrijfAvond(*m_folder);
    m_folder->write(QStringLiteral("HTML/05-03-2024 Groep B.html"), "oud");
    m_folder->write(QStringLiteral("HTML/06-03-2024 Groep C.html"), "oud");
    platform::setUndeletableFiles({m_folder->path(QStringLiteral("HTML/05-03-2024 Groep B.html"))});
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    m_boxes->answers = {true};
    QTest::mouseClick(w->cmdMaakHTML, Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 3);
    QCOMPARE(m_boxes->boxes[1].text,
             QStringLiteral("Dit kon niet worden gewist:\nHTML/05-03-2024 Groep B.html\n\n"
                            "Controleer de rechten van de map en probeer het opnieuw."));
    QVERIFY(m_boxes->boxes[2].text.startsWith(QStringLiteral("HTML bestand klaar")));
    QVERIFY(m_folder->exists(QStringLiteral("HTML/05-03-2024 Groep B.html")));
    QVERIFY(!m_folder->exists(QStringLiteral("HTML/06-03-2024 Groep C.html")));
    QVERIFY(m_folder->exists(QStringLiteral("HTML/12-03-2024 Groep A.html")));
  }

  void htmlPageAndAddressList_data() {
    QTest::addColumn<bool>("opruimen");
    QTest::newRow("old pages kept") << false;
    QTest::newRow("old pages deleted") << true;
  }
  void htmlPageAndAddressList() {
    QFETCH(bool, opruimen);
    venstertest::schrijfAvond(*m_folder);
    m_folder->write(QStringLiteral("HTML/05-03-2024 Groep B.HTML"), "oud");
    m_folder->write(QStringLiteral("HTML/notities.txt"), "blijft");
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    m_boxes->answers = {opruimen};
    QTest::mouseClick(w->cmdMaakHTML, Qt::LeftButton);

    QCOMPARE(m_boxes->boxes.size(), 2);
    QCOMPARE(m_boxes->boxes[0].kind, platform::BoxKind::Question);
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Ik kan de oude HTML bestanden voor u verwijderen."));
    QCOMPARE(m_boxes->boxes[1].text,
             QStringLiteral("HTML bestand klaar\n\n") +
                 m_folder->path(QStringLiteral("HTML/12-03-2024 Groep A.html")));
    QCOMPARE(m_folder->exists(QStringLiteral("HTML/05-03-2024 Groep B.HTML")), !opruimen);
    QVERIFY(m_folder->exists(QStringLiteral("HTML/notities.txt")));

    const QByteArray pagina = m_folder->read(QStringLiteral("HTML/12-03-2024 Groep A.html"));
    QCOMPARE(pagina, publication::UitslagPagina(*w->msfgResultaat->grid(), w->windowTitle()));
    QVERIFY(pagina.contains("<title>Uitslag (12-03-2024 Groep A)</title>"));
    QVERIFY(pagina.contains("&nbsp;&nbsp;2. Paar &amp; &lt;2&gt;</font>"));
    QVERIFY(pagina.contains("bgColor=\"#FFFFC0\""));
    // Both players named Jan Bakker have their own address; Piet has none.
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("jan@bakker.test; els@jansen.test; anna@vries.test; jan2@bakker.test; "
                            "kees@smit.test; "));
  }

  // A page that cannot be written is never called made; on a full disk the
  // page made before stays as it was.
  void pageThatCannotBeWritten_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("a folder in its place") << false;
    QTest::newRow("full disk") << true;
  }
  void pageThatCannotBeWritten() {
    QFETCH(bool, fullDisk);
    venstertest::schrijfAvond(*m_folder);
    const QString page = QStringLiteral("HTML/12-03-2024 Groep A.html");
    m_folder->write(fullDisk ? page : page + QStringLiteral("/x"), "the page made before");
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    {
      std::unique_ptr<testing::FullDisk> full;
      if (fullDisk)
        full = std::make_unique<testing::FullDisk>();
      QTest::mouseClick(w->cmdMaakHTML, Qt::LeftButton);
    }
    QCOMPARE(m_boxes->boxes.size(), 2);
    QCOMPARE(m_boxes->boxes[1].text,
             QStringLiteral("Het bestand HTML/12-03-2024 Groep A.html kan niet worden "
                            "opgeslagen.\nControleer de schijf en probeer het opnieuw."));
    if (fullDisk)
      QCOMPARE(m_folder->read(page), QByteArray("the page made before"));
  }

  // A page that could not be written is mailed to no one.
  void aPageNotWrittenIsNotMailed() {
    testing::SmtpServer server({QStringLiteral("plain"), {}, {}, {}, true});
    QVERIFY(server.isRunning());
    avondMetServer(server.port());
    const QString page = QStringLiteral("HTML/12-03-2024 Groep A.html");
    m_folder->write(page, "the page made before");
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    QVERIFY(w->cmdVerstuur->isEnabled());
    {
      testing::FullDisk full;
      QVERIFY(full.isActive());
      QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);
    }
    QVERIFY(server.messages().isEmpty());
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Het bestand HTML/12-03-2024 Groep A.html kan niet worden "
                            "opgeslagen.\nControleer de schijf en probeer het opnieuw."));
    QCOMPARE(m_folder->read(page), QByteArray("the page made before"));
    QVERIFY(!w->picVerStuurDeMail->isVisible());
  }

  void printing() {
    venstertest::schrijfAvond(*m_folder);
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    const QString pdf = m_folder->path(QStringLiteral("uitslag.pdf"));
    setPrintDialogAnswers({false, true}, pdf);
    QTest::mouseClick(w->cmdAfdrukken, Qt::LeftButton);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(w->isEnabled());
    QVERIFY(w->cmdAfdrukken->isEnabled());
    QTest::mouseClick(w->cmdAfdrukken, Qt::LeftButton);
    setPrintDialogAnswers({}, {});
    QVERIFY(QFile::exists(pdf));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    const QString tekst = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(tekst.contains(QStringLiteral("Uitslag (12-03-2024 Groep A)")), qPrintable(tekst));
    QVERIFY(tekst.contains(QStringLiteral("57.00%")));
  }

  void mailsEveryPlayerWithAnAddress_data() {
    QTest::addColumn<int>("taal");
    QTest::newRow("Dutch") << 10;
    QTest::newRow("English") << 11;
  }
  void mailsEveryPlayerWithAnAddress() {
    QFETCH(int, taal);
    testing::SmtpServer server({QStringLiteral("plain"), {}, {}, {}, true});
    QVERIFY(server.isRunning());
    avondMetServer(server.port());
    iTaal = taal;
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    QVERIFY(w->cmdVerstuur->isEnabled());
    QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);

    const QList<QJsonObject> berichten = server.messages();
    QStringList aan;
    for (const QJsonObject &m : berichten)
      aan.append(m[QStringLiteral("rcpt_tos")][0].toString());
    QCOMPARE(aan, (QStringList{"jan@bakker.test", "els@jansen.test", "anna@vries.test",
                               "jan2@bakker.test", "kees@smit.test"}));
    const QString titel = taal == 10 ? QStringLiteral("Uitslag 12-03-2024 Groep A")
                                     : QStringLiteral("Result 12-03-2024 Groep A");
    const QJsonObject &eerste = berichten[0];
    QCOMPARE(eerste[QStringLiteral("subject")].toString(), titel);
    QCOMPARE(eerste[QStringLiteral("reply_to")].toString(), QStringLiteral("j.jansen@club.nl"));
    const QString groet = taal == 10
                              ? QStringLiteral("Hallo Dhr. Jan Bakker ,\n\nHierbij ")
                              : QStringLiteral("Hello Dhr. Jan Bakker ,\n\nHere I send you ");
    const QString slot = taal == 10 ? QStringLiteral("Met vriendelijke groet,\nJan Jansen\n\nDeze "
                                                     "mail is verstuurd met Zemlo ")
                                    : QStringLiteral("Best regards,\nJan Jansen\n\nThis mail was "
                                                     "sent with Zemlo ");
    QCOMPARE(eerste[QStringLiteral("text")].toString(),
             groet + titel + QStringLiteral("\n\n") + slot +
                 m_main->lblVersie->text().section(QStringLiteral(": "), 1));
    QVERIFY(berichten[3][QStringLiteral("text")].toString().startsWith(
        taal == 10 ? QStringLiteral("Hallo Dhr. Jan Bakker ,")
                   : QStringLiteral("Hello Dhr. Jan Bakker ,")));
    const QByteArray pagina = m_folder->read(QStringLiteral("HTML/12-03-2024 Groep A.html"));
    QVERIFY(!pagina.isEmpty());
    for (int i = 0; i < berichten.size(); ++i)
      QCOMPARE(server.attachment(i, 0), pagina);

    // No question and no page message in the mailing's run; one closing message.
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].title, titel);
    QCOMPARE(m_boxes->boxes[0].text,
             taal == 10
                 ? QStringLiteral("Uitslag met succes vestuurd.\n\nDe uitslag is naar 5 van "
                                  "de 6 spelers verstuurd.\n\nGeen e-mail verstuurd "
                                  "naar:\nPiet de Jong")
                 : QStringLiteral("Result successfully sent.\n\nThe result has been sent to "
                                  "5 of the 6 players.\n\nNo e-mail sent to:\nPiet de Jong"));
    QVERIFY(!w->picVerStuurDeMail->isVisible());
    QCOMPARE(QApplication::clipboard()->text().count(u';'), 5);
  }

  // A MAIL.TXT made by the maker's command, read as at start-up: the mailing
  // goes out over STARTTLS with the login, greeting and sender it names.
  void mailsWithAMailTxtMadeByTheCommand() {
    const QString wachtwoord = QStringLiteral("g\u20acheim |\t<x> \u00eb ");
    testing::SmtpServer server(
        {QStringLiteral("starttls"), QStringLiteral("kees"), wachtwoord, {}, true});
    QVERIFY(server.isRunning());
    venstertest::schrijfAvond(*m_folder, true, QStringLiteral("j.jansen@club.nl"),
                              QStringLiteral("Jan Jansen"));
    const QString naam = QStringLiteral("Bridgeclub \u00c9\u00e9n & Twee");
    const fixture::MakerRun run = fixture::makeMailTxt(
        {"--output", m_folder->path(QStringLiteral("MAIL.TXT")), "--greeting", "zemlo.club.test",
         "--host1", "127.0.0.1", "--port1", QString::number(server.port()), "--starttls1",
         "--user1", "kees", "--password1", wachtwoord, "--sender1", "uitslag@zemlo.test", "--name1",
         naam});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(LeesMailTxtBestand(), 0);

    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    QVERIFY(w->cmdVerstuur->isEnabled());
    QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);
    const QList<QJsonObject> berichten = server.messages();
    QCOMPARE(berichten.size(), 5);
    for (const QJsonObject &m : berichten) {
      QCOMPARE(m[QStringLiteral("login")].toString(), QStringLiteral("kees"));
      QVERIFY(m[QStringLiteral("tls")].toBool());
      QCOMPARE(m[QStringLiteral("helo")].toString(), QStringLiteral("zemlo.club.test"));
      QCOMPARE(m[QStringLiteral("mail_from")].toString(), QStringLiteral("uitslag@zemlo.test"));
      QCOMPARE(m[QStringLiteral("from_name")].toString(), naam);
    }
    QCOMPARE(m_boxes->boxes.size(), 1); // the closing message alone
  }

  // A program folder whose name holds a ";": the page's path is one
  // attachment, and every player gets the page.
  void mailsFromAFolderWithASemicolon() {
    m_folder.reset(); // its end resets the shared state
    m_folder = std::make_unique<testing::ProgramFolder>(QStringLiteral("Club;Zemlo"));
    iTaal = 10;
    QVERIFY(m_folder->path().contains(u';'));
    testing::SmtpServer server({QStringLiteral("plain"), {}, {}, {}, true});
    QVERIFY(server.isRunning());
    avondMetServer(server.port());
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    QVERIFY(w->cmdVerstuur->isEnabled());
    QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);
    const QList<QJsonObject> berichten = server.messages();
    QCOMPARE(berichten.size(), 5);
    const QByteArray pagina = m_folder->read(QStringLiteral("HTML/12-03-2024 Groep A.html"));
    QVERIFY(!pagina.isEmpty());
    for (int i = 0; i < berichten.size(); ++i) {
      QCOMPARE(berichten[i][QStringLiteral("attachments")].toArray().size(), 1);
      QCOMPARE(server.attachment(i, 0), pagina);
    }
    QCOMPARE(m_boxes->boxes.size(), 1); // the closing message alone
    QVERIFY(m_boxes->boxes[0].text.startsWith(QStringLiteral("Uitslag met succes vestuurd.")));
  }

  void aFailedSendStopsTheRun() {
    testing::SmtpServer server(
        {QStringLiteral("plain"), {}, {}, {QStringLiteral("anna@vries.test")}, true});
    QVERIFY(server.isRunning());
    avondMetServer(server.port());
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);
    QCOMPARE(server.messages().size(), 2);
    QCOMPARE(m_boxes->boxes.size(), 2);
    QVERIFY(m_boxes->boxes[0].text.startsWith(QStringLiteral("Foutnummer: ")));
    QVERIFY(m_boxes->boxes[0].text.endsWith(
        QStringLiteral("\nBij het versturen naar: anna@vries.test")));
    QCOMPARE(m_boxes->boxes[1].text,
             QStringLiteral("Niet iedere speler heeft de uitslag ontvangen.\nProbeer het later "
                            "nog een keer.\n\nDe uitslag is naar 2 van de 6 spelers "
                            "verstuurd.\n\nGeen e-mail verstuurd naar:\nPiet de Jong\nMevr. Anna "
                            "de Vries\nDhr. Jan Bakker\nDhr. Kees Smit"));
    QVERIFY(lMailFout != 0);
  }

  // While a mail goes out the window keeps painting under the hourglass and
  // takes no input; a server that took each message and then went silent
  // has them all counted as sent.
  void mailingKeepsPaintingAndTakesNoInput() {
    testing::SmtpServer::Options options;
    options.onData = QStringLiteral("accept-stall");
    testing::SmtpServer server(options);
    QVERIFY(server.isRunning());
    avondMetServer(server.port());
    platform::setMailTimeLimit(1);
    QPointer<frmZemlo08> w = openUitslag(openInvoer(6, 4), 6);

    struct Verf : QObject {
      bool tellen = false;
      int keren = 0;
      bool eventFilter(QObject *, QEvent *event) override {
        if (tellen && event->type() == QEvent::Paint)
          ++keren;
        return false;
      }
    } verf;
    w->lblVerstuurDeMail->installEventFilter(&verf);
    bool zichtbaar = false, zandloper = false;
    QString label;
    // Timers of this test alone: none fires once it has ended.
    QTimer tijdens, daarna;
    tijdens.setSingleShot(true);
    daarna.setSingleShot(true);
    connect(&tijdens, &QTimer::timeout, this, [&] {
      zichtbaar = w && w->picVerStuurDeMail->isVisible();
      label = w ? w->lblVerstuurDeMail->text() : QString();
      zandloper = QGuiApplication::overrideCursor() &&
                  QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
      verf.tellen = true;
      if (w)
        w->lblVerstuurDeMail->update();
      daarna.start(200);
    });
    connect(&daarna, &QTimer::timeout, this, [&] {
      verf.tellen = false;
      if (!w || !w->picVerStuurDeMail->isVisible())
        return; // the mailing is over
      // Escape, Back, the close box and the send button again: all dropped.
      QTest::keyClick(w, Qt::Key_Escape);
      QTest::mouseClick(w->cmdTerug, Qt::LeftButton);
      w->close();
      QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);
      server.release(); // the mailing need not wait out its goodbyes
    });
    tijdens.start(300);
    QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);
    platform::setMailTimeLimit(120);

    QVERIFY(zichtbaar);
    QCOMPARE(label, QStringLiteral("Verstuur e-mail naar: \nDhr. Jan Bakker "));
    QVERIFY(zandloper);
    QVERIFY(verf.keren > 0);
    testing::flushDeletes();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(!w->isClosing());
    QCOMPARE(server.messages().size(), 5);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Uitslag met succes vestuurd.\n\nDe uitslag is naar 5 van de 6 spelers "
                            "verstuurd.\n\nGeen e-mail verstuurd naar:\nPiet de Jong"));
    QVERIFY(!QGuiApplication::overrideCursor());
  }

  // While the mails go out no control of the window acts, by any means: a
  // click given by code, a screen reader's press, the close. The buttons show
  // it, and every player is mailed once.
  void nothingActsWhileMailsGoOut() {
    testing::SmtpServer::Options options;
    options.onData = QStringLiteral("accept-stall");
    testing::SmtpServer server(options);
    QVERIFY(server.isRunning());
    avondMetServer(server.port());
    platform::setMailGoodbyeLimit(1);
    setPrintDialogAnswers({false}, QString()); // a print dialog would be cancelled
    QPointer<frmZemlo08> w = openUitslag(openInvoer(6, 4), 6);
    const QList<QPushButton *> knoppen{w->cmdMaakHTML, w->cmdAfdrukken, w->cmdVerstuur,
                                       w->cmdInstelling, w->cmdTerug};
    bool tijdensGelopen = false;
    QList<bool> ingeschakeld;
    QTimer tijdens;
    tijdens.setSingleShot(true);
    connect(&tijdens, &QTimer::timeout, this, [&] {
      if (!w || !w->picVerStuurDeMail->isVisible())
        return; // the mailing is over
      tijdensGelopen = true;
      for (QPushButton *knop : knoppen)
        ingeschakeld.append(knop->isEnabled());
      for (QPushButton *knop : knoppen) {
        if (!w)
          return;
        knop->click();
        if (QAccessibleInterface *a = QAccessible::queryAccessibleInterface(knop))
          if (QAccessibleActionInterface *actie = a->actionInterface())
            actie->doAction(QAccessibleActionInterface::pressAction());
      }
      if (w)
        w->close();
      server.release(); // the mailing need not wait out its goodbyes
    });
    tijdens.start(300);
    QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);
    QTest::qWait(200); // a press of a screen reader would have clicked by now
    platform::setMailGoodbyeLimit(5);
    setPrintDialogAnswers({}, QString());

    QVERIFY(tijdensGelopen);
    QCOMPARE(ingeschakeld, QList<bool>(knoppen.size(), false));
    testing::flushDeletes();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(!w->isClosing());
    QVERIFY(!findWindow(QStringLiteral("frmZemlo09")));
    QCOMPARE(server.messages().size(), 5);
    // Only the closing message: no clean-up question, no page message.
    QCOMPARE(m_boxes->boxes.size(), 1);
    QVERIFY(m_boxes->boxes[0].text.startsWith(QStringLiteral("Uitslag met succes vestuurd.")));
    for (QPushButton *knop : knoppen)
      QVERIFY(knop->isEnabled());
    QVERIFY(w->isEnabled());
    QVERIFY(!QGuiApplication::overrideCursor());
  }

  // A page of the group's name in another letter case (copied from another
  // computer) is the one written, named and attached.
  void pageInAnotherLetterCase() {
    testing::SmtpServer server({QStringLiteral("plain"), {}, {}, {}, true});
    QVERIFY(server.isRunning());
    avondMetServer(server.port());
    m_folder->write(QStringLiteral("HTML/12-03-2024 GROEP A.HTML"), "old page");
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    QTest::mouseClick(w->cmdMaakHTML, Qt::LeftButton);
    const QByteArray pagina = m_folder->read(QStringLiteral("HTML/12-03-2024 GROEP A.HTML"));
    QCOMPARE(pagina, publication::UitslagPagina(*w->msfgResultaat->grid(), w->windowTitle()));
    QVERIFY(!m_folder->exists(QStringLiteral("HTML/12-03-2024 Groep A.html")));
    QCOMPARE(m_boxes->boxes.size(), 2);
    QVERIFY2(m_boxes->boxes[1].text.endsWith(QStringLiteral("/HTML/12-03-2024 GROEP A.HTML")),
             qPrintable(m_boxes->boxes[1].text));

    m_boxes->boxes.clear();
    QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);
    QCOMPARE(server.messages().size(), 5);
    for (int i = 0; i < 5; ++i)
      QCOMPARE(server.attachment(i, 0), pagina);
    QCOMPARE(server.messages()[0][QStringLiteral("attachments")][0][QStringLiteral("filename")]
                 .toString(),
             QStringLiteral("12-03-2024 GROEP A.HTML"));
    QCOMPARE(m_boxes->boxes.size(), 1);
    QVERIFY(m_boxes->boxes[0].text.startsWith(QStringLiteral("Uitslag met succes vestuurd.")));
  }

  // An own address that cannot be sent is named as the own address before
  // any player is tried.
  void anOwnAddressThatCannotBeSent() {
    testing::SmtpServer server({QStringLiteral("plain"), {}, {}, {}, true});
    QVERIFY(server.isRunning());
    avondMetServer(server.port(), QStringLiteral("jan@club"));
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    QVERIFY(w->cmdVerstuur->isEnabled());
    QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].title, w->windowTitle());
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Uw eigen e-mailadres jan@club is geen geldig e-mailadres.\nEr is geen "
                            "e-mail verstuurd. Pas het adres aan bij Instelling e-mail."));
    QVERIFY(server.messages().isEmpty());
    QCOMPARE(lMailFout, publication::kFoutEigenAdres);
  }

  // Domains beyond ASCII go out in their ASCII form; an address with a letter
  // beyond ASCII before the "@" is no address, and the run goes on. Every
  // mail has its own Message-ID.
  void addressesBeyondAscii() {
    testing::SmtpServer server({QStringLiteral("plain"), {}, {}, {}, true});
    QVERIFY(server.isRunning());
    avondMetServer(server.port(), QStringLiteral("jan@caf\u00e9.nl"));
    m_folder->write(QStringLiteral("groepen/12-03-2024 Groep A.mail"),
                    "1|Dhr.|Jan|Bakker|jan@bakker.test\r\n"
                    "3|Mevr.|Els|Jansen|zo\xeb@caf\xe9.nl\r\n"
                    "2||Piet|de Jong|\r\n"
                    "5|Mevr.|Anna|de Vries|anna@vries.test\r\n"
                    "4|Dhr.|Jan|Bakker|jan2@bakker.test\r\n"
                    "6|Dhr.|Kees|Smit|kees@caf\xe9.nl\r\n");
    frmZemlo08 *w = openUitslag(openInvoer(6, 4), 6);
    QTest::mouseClick(w->cmdVerstuur, Qt::LeftButton);

    const QList<QJsonObject> berichten = server.messages();
    QStringList aan, ids;
    for (const QJsonObject &m : berichten) {
      aan.append(m[QStringLiteral("rcpt_tos")][0].toString());
      ids.append(m[QStringLiteral("message_id")].toString());
      QCOMPARE(m[QStringLiteral("reply_to")].toString(), QStringLiteral("jan@xn--caf-dma.nl"));
    }
    QCOMPARE(aan, (QStringList{"jan@bakker.test", "anna@vries.test", "jan2@bakker.test",
                               "kees@xn--caf-dma.nl"}));
    QCOMPARE(berichten[3][QStringLiteral("to")].toString(), QStringLiteral("kees@xn--caf-dma.nl"));
    ids.removeDuplicates();
    QCOMPARE(ids.size(), 4);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Uitslag met succes vestuurd.\n\nDe uitslag is naar 4 van de 6 spelers "
                            "verstuurd.\n\nGeen e-mail verstuurd naar:\nMevr. Els Jansen\nPiet de "
                            "Jong"));
  }

  void backToTheEntryWindowThatOpenedIt_data() {
    QTest::addColumn<int>("vanForm");
    QTest::addColumn<bool>("escape");
    QTest::newRow("per board, Back") << 6 << false;
    QTest::newRow("per round, Escape") << 7 << true;
  }
  void backToTheEntryWindowThatOpenedIt() {
    QFETCH(int, vanForm);
    QFETCH(bool, escape);
    venstertest::schrijfAvond(*m_folder, true, QStringLiteral("j.jansen@club.nl"),
                              QStringLiteral("Jan"));
    Invoer *invoer = openInvoer(vanForm, 3);
    frmZemlo08 *w = openUitslag(invoer, vanForm);

    // The detour: the settings window opens the mail-settings-file window.
    QTest::mouseClick(w->cmdInstelling, Qt::LeftButton);
    auto *instelling = qobject_cast<frmZemlo09 *>(findWindow(QStringLiteral("frmZemlo09")));
    QVERIFY(instelling);
    QTest::mouseClick(instelling->cmdDownLoad, Qt::LeftButton);
    auto *bestand = qobject_cast<frmZemlo10 *>(findWindow(QStringLiteral("frmZemlo10")));
    QVERIFY(bestand);
    QCOMPARE(iVanForm, 9);
    QVERIFY(!instelling->isEnabled());
    QVERIFY(!w->isEnabled());
    QTest::keyClick(bestand, Qt::Key_Escape);
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo10")));
    QVERIFY(instelling->isEnabled());
    QVERIFY(!w->isEnabled());
    QVERIFY(m_main->isEnabled()); // the main window was never the opener here
    QTest::keyClick(instelling, Qt::Key_F4, Qt::ControlModifier);
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo09")));
    QVERIFY(w->isEnabled());
    QCOMPARE(iVanForm, 9);

    const int activaties = invoer->activaties;
    if (escape)
      QTest::keyClick(w, Qt::Key_Escape);
    else
      QTest::mouseClick(w->cmdTerug, Qt::LeftButton);
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo08")));
    QVERIFY(invoer->isEnabled());
    QCOMPARE(iVanForm, vanForm);
    QCOMPARE(invoer->activaties, activaties + 1);
    QCOMPARE(invoer->vanFormBijActivatie, vanForm);
  }

private:
  Invoer *openInvoer(int vanForm, int paren) {
    auto *invoer = qobject_cast<Invoer *>(showWindow(
        vanForm == 6 ? QStringLiteral("frmZemlo06") : QStringLiteral("frmZemlo07"), m_main));
    invoer->uitslag = venstertest::uitslag(paren);
    invoer->lstVoorMail = venstertest::spelers();
    return invoer;
  }

  frmZemlo08 *openUitslag(Invoer *invoer, int vanForm) {
    return qobject_cast<frmZemlo08 *>(
        scoring::OpenUitslagVenster(invoer, vanForm, invoer->uitslag, invoer->lstVoorMail));
  }

  void avondMetServer(int port, const QString &eigenAdres = QStringLiteral("j.jansen@club.nl")) {
    venstertest::schrijfAvond(*m_folder, true, eigenAdres, QStringLiteral("Jan Jansen"));
    fixture::Provider p;
    p.port = port;
    m_folder->write(QStringLiteral("MAIL.TXT"), fixture::mailTxtVoor({p}));
    QCOMPARE(LeesMailTxtBestand(), 0);
  }

  frmZemlo01 *m_main = nullptr;
  std::unique_ptr<testing::ProgramFolder> m_folder;
  std::unique_ptr<platform::RecordingAnswerer> m_boxes;
};

#include "resultwindow_test.moc"
ZEMLO_TEST_CLASS(TestResultWindow)
