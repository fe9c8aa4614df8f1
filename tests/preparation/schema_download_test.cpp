// The schema download window against a loopback HTTPS server.
#include "common/httpsserver.h"
#include "common/testsupport.h"
#include "common/vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/windows.h"
#include "platform/download.h"
#include "platform/messagebox.h"
#include "preparation/frmzemlo12.h"
#include "preparation/schema.h"
#include "preparation/schemalijst.h"
#include "preparation/windows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using platform::BoxKind;

namespace {

const QString kLijst = QStringLiteral("/ZEMLO/Lijst met speelschemas.txt");
const QByteArray kSchema = "Howell\r\n1\t1- 2 (1-4)\t3- 4 (5-8)\r\n2\t1- 3 (5-8)\t2- 4 (1-4)\r\n";

QString schemaPad(const QString &name) {
  return QStringLiteral("/ZEMLO/Schema/") + name + QStringLiteral(".txt");
}

} // namespace

class TestFrmZemlo12 : public QObject {
  Q_OBJECT
private slots:
  void initTestCase();
  void cleanupTestCase();
  void init();
  void cleanup();
  void listAndSpinner();
  void selectionEnablesDownload();
  void threeOfFiveFetched();
  void unusableDownloadsKeepOldFile();
  void listNotFetched_data();
  void listNotFetched();
  void makerSchemasFetched_data();
  void makerSchemasFetched();

private:
  frmZemlo12 *open(int taal = 10);
  QStringList items() const;
  QStringList newRequests();

  frmZemlo01 *m_main = nullptr;
  std::unique_ptr<testing::HttpsServer> m_server;
  std::unique_ptr<testing::ProgramFolder> m_folder;
  std::unique_ptr<platform::RecordingAnswerer> m_boxes;
  QPointer<frmZemlo12> m_win;
  qsizetype m_seen = 0;
};

void TestFrmZemlo12::initTestCase() {
  registerFrameWindows();
  registerPreparationWindows();
  {
    testing::ProgramFolder folder;
    m_main = qobject_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
  }
  QVERIFY(m_main);
  m_server = std::make_unique<testing::HttpsServer>();
  QVERIFY(m_server->isRunning());
}

void TestFrmZemlo12::cleanupTestCase() { m_server.reset(); }

void TestFrmZemlo12::init() {
  m_folder = std::make_unique<testing::ProgramFolder>();
  m_boxes = std::make_unique<platform::RecordingAnswerer>();
  m_main->setEnabled(true);
  QDir().mkpath(m_folder->path("schema/10"));
  QDir().mkpath(m_folder->path("schema/11"));
  m_seen = m_server->requests().size();
}

void TestFrmZemlo12::cleanup() {
  if (m_win)
    delete m_win.data();
  testing::flushDeletes();
  m_boxes.reset();
  m_folder.reset();
}

frmZemlo12 *TestFrmZemlo12::open(int taal) {
  BAS_Zemlo::iTaal = taal;
  m_main->cmdSchema->click();
  m_win = qobject_cast<frmZemlo12 *>(findWindow(QStringLiteral("frmZemlo12")));
  return m_win;
}

QStringList TestFrmZemlo12::items() const {
  QStringList out;
  for (int i = 0; i < m_win->lstOpInternet->count(); ++i)
    out.append(m_win->lstOpInternet->item(i)->text());
  return out;
}

QStringList TestFrmZemlo12::newRequests() {
  const QStringList all = m_server->requests();
  const QStringList fresh = all.mid(m_seen);
  m_seen = all.size();
  return fresh;
}

void TestFrmZemlo12::listAndSpinner() {
  m_server->put(kLijst, "08 before any group\r\n"
                        "====== 08  paren\r\n"
                        "08 paren 06 ronden Howell\r\n"
                        "\r\n"
                        "../../../taal\r\n"
                        "08 paren 07 ronden Mitchell\r\n"
                        "====== 10 paren\r\n"
                        "10 paren 09 ronden Howell\r\n"
                        "======   06    paren\r\n"
                        "06 paren 05 ronden Howell\r\n");
  m_folder->write("Lijst met speelschemas.txt", "old copy\r\n");
  QVERIFY(open());
  QCOMPARE(newRequests(), QStringList({kLijst}));
  QVERIFY(m_main->isEnabled() == false);
  QVERIFY(m_win->isEnabled());
  QCOMPARE(m_win->windowTitle(), QStringLiteral("Download speelschema's"));
  QCOMPARE(m_win->lblInfo[0]->text(), QStringLiteral("Download speelschema's van: "));
  QCOMPARE(m_win->lblInfo[1]->text(), QStringLiteral("paren"));
  QVERIFY(m_folder->read("Lijst met speelschemas.txt").startsWith("08 before"));
  // The smallest pair count first; the up arrow goes to the next larger one.
  QCOMPARE(m_win->txtSchema->text(), QStringLiteral("06"));
  QCOMPARE(items(), QStringList({"06 paren 05 ronden Howell"}));
  QCOMPARE(m_win->fraSchema->title(), QStringLiteral("Speelschema's"));
  QCOMPARE(m_win->chkSelecteer->text(), QStringLiteral("Selecteer alles"));
  QVERIFY(!m_win->cmdDownLoad->isEnabled());
  m_win->vscrSchema->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(m_win->txtSchema->text(), QStringLiteral("08"));
  QCOMPARE(items(), QStringList({"08 paren 06 ronden Howell", "08 paren 07 ronden Mitchell"}));
  QCOMPARE(m_win->fraSchema->title(), QStringLiteral("Speelschema's (2)"));
  m_win->vscrSchema->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(m_win->txtSchema->text(), QStringLiteral("10"));
  m_win->vscrSchema->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(m_win->txtSchema->text(), QStringLiteral("06"));
  m_win->vscrSchema->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QCOMPARE(m_win->txtSchema->text(), QStringLiteral("10"));
  QCOMPARE(m_win->fraSchema->title(), QStringLiteral("Speelschema's (1)"));
  // Escape closes the window and the main window takes over again.
  QTest::keyClick(m_win->lstOpInternet, Qt::Key_Escape);
  testing::flushDeletes();
  QVERIFY(!m_win);
  QVERIFY(m_main->isEnabled());
}

void TestFrmZemlo12::selectionEnablesDownload() {
  m_server->put(kLijst, "====== 8 paren\r\nA\r\nB\r\nC\r\n");
  QVERIFY(open(11));
  QCOMPARE(m_win->windowTitle(), QStringLiteral("Download play schemes"));
  QCOMPARE(items(), QStringList({"A", "B", "C"}));
  auto *list = m_win->lstOpInternet;
  auto clickRow = [list](int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  };
  clickRow(1);
  QVERIFY(m_win->cmdDownLoad->isEnabled());
  QCOMPARE(m_win->chkSelecteer->text(), QStringLiteral("De-select all"));
  clickRow(1);
  QVERIFY(!m_win->cmdDownLoad->isEnabled());
  // The check box still offers to deselect; that leaves nothing selected.
  QTest::mouseClick(m_win->chkSelecteer, Qt::LeftButton, {}, QPoint(8, 12));
  QCOMPARE(m_win->chkSelecteer->text(), QStringLiteral("Select all"));
  QVERIFY(!m_win->cmdDownLoad->isEnabled());
  QTest::mouseClick(m_win->chkSelecteer, Qt::LeftButton, {}, QPoint(8, 12));
  QCOMPARE(list->selectedItems().size(), 3);
  QVERIFY(m_win->cmdDownLoad->isEnabled());
  QCOMPARE(m_win->chkSelecteer->text(), QStringLiteral("De-select all"));
  QTest::mouseClick(m_win->chkSelecteer, Qt::LeftButton, {}, QPoint(8, 12));
  QCOMPARE(list->selectedItems().size(), 0);
  QVERIFY(!m_win->cmdDownLoad->isEnabled());
  QCOMPARE(m_win->chkSelecteer->text(), QStringLiteral("Select all"));
  QTest::mouseClick(m_win->cmdTerug, Qt::LeftButton);
  testing::flushDeletes();
  QVERIFY(!m_win);
}

void TestFrmZemlo12::threeOfFiveFetched() {
  m_server->put(kLijst, "====== 08 paren\r\nS1\r\nS2\r\nS3\r\nS4\r\nS5\r\n");
  for (const char *name : {"S1", "S3", "S4", "S5"})
    m_server->put(schemaPad(QString::fromLatin1(name)), kSchema);
  m_server->fail(schemaPad("S4"), 404);
  m_folder->write("schema/11/S4.txt", "old S4\r\n1\t1- 2 (1-4)\r\n");
  // Under English downloads go to the English folder, where its windows look.
  QVERIFY(open(11));
  newRequests();
  auto *list = m_win->lstOpInternet;
  for (int row : {0, 2, 3})
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  QTest::mouseClick(m_win->cmdDownLoad, Qt::LeftButton);
  QCOMPARE(newRequests(), QStringList({schemaPad("S1"), schemaPad("S3"), schemaPad("S4")}));
  QCOMPARE(m_folder->read("schema/11/S1.txt"), kSchema);
  QCOMPARE(m_folder->read("schema/11/S3.txt"), kSchema);
  QCOMPARE(m_folder->read("schema/11/S4.txt"), QByteArray("old S4\r\n1\t1- 2 (1-4)\r\n"));
  QVERIFY(!m_folder->exists("schema/10/S1.txt"));
  QCOMPARE(QDir(m_folder->path("schema/11")).entryList(QDir::Files | QDir::Hidden).size(), 3);
  QVERIFY(QDir(m_folder->path("schema/10")).isEmpty());
  QCOMPARE(m_boxes->boxes.size(), 1);
  QCOMPARE(m_boxes->boxes[0].kind, BoxKind::Information);
  QCOMPARE(m_boxes->boxes[0].text,
           QStringLiteral("Haven't been able to download the Play scheme S4.\nTry again."));
  QVERIFY(!list->item(0)->isSelected());
  QVERIFY(!list->item(2)->isSelected());
  QVERIFY(list->item(3)->isSelected());
  QVERIFY(m_win->cmdDownLoad->isEnabled()); // for a second try
}

void TestFrmZemlo12::unusableDownloadsKeepOldFile() {
  m_server->put(kLijst, "====== 08 paren\r\nPagina\r\nLeeg\r\n08 paren 02 ronden Afgebroken\r\n"
                        "08 paren 03 ronden Kort\r\n08 Paren 02 Ronden Z\r\n");
  m_server->put(schemaPad("Pagina"), "<html><body>Welkom</body></html>\r\n");
  m_server->put(schemaPad("Leeg"), "");
  // Cut short: the last line has no CR LF.
  m_server->put(schemaPad("08 paren 02 ronden Afgebroken"), kSchema.chopped(2));
  // Two rounds where the name gives three.
  m_server->put(schemaPad("08 paren 03 ronden Kort"), kSchema);
  m_server->put(schemaPad("08 Paren 02 Ronden Z"), kSchema);
  m_folder->write("schema/10/Pagina.txt", kSchema);
  m_folder->write("schema/10/08 paren 02 ronden Afgebroken.txt", kSchema);
  // A whole schema replaces the file of its name in any case: no twin.
  m_folder->write("schema/10/08 Paren 02 Ronden Z.TXT", "old\r\n");
  QVERIFY(open());
  QTest::mouseClick(m_win->chkSelecteer, Qt::LeftButton, {}, QPoint(8, 12));
  QTest::mouseClick(m_win->cmdDownLoad, Qt::LeftButton);
  QCOMPARE(m_boxes->boxes.size(), 4);
  QCOMPARE(
      m_boxes->boxes[2].text,
      QStringLiteral("Heb het speelschema 08 paren 02 ronden Afgebroken niet kunnen downloaden.\n"
                     "Probeer het strakjes nog een keer."));
  QCOMPARE(m_folder->read("schema/10/Pagina.txt"), kSchema);
  QVERIFY(!m_folder->exists("schema/10/Leeg.txt"));
  QCOMPARE(m_folder->read("schema/10/08 paren 02 ronden Afgebroken.txt"), kSchema);
  QVERIFY(!m_folder->exists("schema/10/08 paren 03 ronden Kort.txt"));
  QCOMPARE(m_folder->read("schema/10/08 Paren 02 Ronden Z.TXT"), kSchema);
  QStringList files = QDir(m_folder->path("schema/10")).entryList(QDir::Files | QDir::Hidden);
  files.sort();
  QCOMPARE(files, QStringList({"08 Paren 02 Ronden Z.TXT", "08 paren 02 ronden Afgebroken.txt",
                               "Pagina.txt"}));
  QCOMPARE(m_win->lstOpInternet->selectedItems().size(), 4);
}

void TestFrmZemlo12::listNotFetched_data() {
  QTest::addColumn<bool>("serverThere");
  QTest::newRow("404") << true;
  QTest::newRow("no server") << false;
}

void TestFrmZemlo12::listNotFetched() {
  QFETCH(bool, serverThere);
  m_server->fail(kLijst, 404);
  m_folder->write("Lijst met speelschemas.txt", "====== 08 paren\r\nOud\r\n");
  if (!serverThere)
    platform::setServerBaseUrl(QStringLiteral("https://127.0.0.1:1"));
  QVERIFY(open());
  platform::setServerBaseUrl(m_server->baseUrl());
  QCOMPARE(m_boxes->boxes.size(), 1);
  QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Download speelschema's"));
  QVERIFY(m_boxes->boxes[0].text.startsWith(
      QStringLiteral("Kan de update van Zemlo nu niet downloaden.\n")));
  QVERIFY(m_win->isEnabled());
  QCOMPARE(m_win->lstOpInternet->count(), 0);
  QVERIFY(!m_win->cmdDownLoad->isEnabled());
  // The window is laid out all the same: the words, the box and the spinner
  // on one line, side by side.
  QCOMPARE(m_win->lblInfo[0]->text(), QStringLiteral("Download speelschema's van: "));
  QVERIFY(m_win->lblInfo[0]->geometry().right() < m_win->txtSchema->x());
  QVERIFY(m_win->txtSchema->geometry().right() < m_win->vscrSchema->x());
  QVERIFY(m_win->vscrSchema->geometry().right() < m_win->lblInfo[1]->x());
  // Only Back does anything useful: the spinner has nothing to show.
  m_win->vscrSchema->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(m_win->lstOpInternet->count(), 0);
  QTest::mouseClick(m_win->cmdTerug, Qt::LeftButton);
  testing::flushDeletes();
  QVERIFY(!m_win);
  QVERIFY(m_main->isEnabled());
}

void TestFrmZemlo12::makerSchemasFetched_data() {
  QTest::addColumn<int>("taal");
  QTest::newRow("nl") << 10;
  QTest::newRow("en") << 11;
}

// The maker's folder served as it stands: the window lists every schema under
// its number of pairs and fetches them all into the folder of the language,
// under that language's words, where the preparation window finds them.
void TestFrmZemlo12::makerSchemasFetched() {
  QFETCH(int, taal);
  const QString maker = QStringLiteral(ZEMLO_MAKER_SERVER);
  QDirIterator it(maker, QDir::Files, QDirIterator::Subdirectories);
  QMap<QString, QByteArray> served; // schema name: its bytes
  while (it.hasNext()) {
    const QString file = it.next();
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString path = file.mid(maker.size());
    const QByteArray bytes = f.readAll();
    m_server->put(path, bytes);
    if (path.startsWith(QStringLiteral("/ZEMLO/Schema/")))
      served.insert(path.mid(14).chopped(4), bytes);
  }
  QVERIFY(served.size() > 50);
  QVERIFY(open(taal));
  QCOMPARE(m_win->txtSchema->text(), QStringLiteral("04"));
  QStringList counts;
  for (int i = 0; i < 12; ++i) {
    counts.append(m_win->txtSchema->text());
    QTest::mouseClick(m_win->chkSelecteer, Qt::LeftButton, {}, QPoint(8, 12));
    QTest::mouseClick(m_win->cmdDownLoad, Qt::LeftButton);
    QCOMPARE(m_win->lstOpInternet->selectedItems().size(), 0); // every one fetched
    QTest::mouseClick(m_win->chkSelecteer, Qt::LeftButton, {}, QPoint(8, 12));
    m_win->vscrSchema->triggerAction(QAbstractSlider::SliderSingleStepSub);
  }
  QCOMPARE(counts,
           QStringList({"04", "06", "08", "10", "12", "14", "16", "18", "20", "22", "24", "26"}));
  QCOMPARE(m_win->txtSchema->text(), QStringLiteral("04"));
  QCOMPARE(m_boxes->boxes.size(), 0);
  const QString folder = taal == 10 ? QStringLiteral("schema/10") : QStringLiteral("schema/11");
  const QString other = taal == 10 ? QStringLiteral("schema/11") : QStringLiteral("schema/10");
  QCOMPARE(QDir(m_folder->path(folder)).entryList(QDir::Files | QDir::Hidden).size(),
           served.size());
  QVERIFY(QDir(m_folder->path(other)).isEmpty());
  for (auto s = served.cbegin(); s != served.cend(); ++s) {
    QString local = s.key();
    if (taal == 11)
      local.replace(QStringLiteral(" Paren "), QStringLiteral(" Pairs "))
          .replace(QStringLiteral(" Ronden"), QStringLiteral(" Rounds"));
    QCOMPARE(m_folder->read(folder + u'/' + local + QStringLiteral(".txt")), s.value());
    QVERIFY2(preparation::PassendeSchemas(s.key().left(2).toInt(), s.key().mid(9, 2).toInt())
                 .contains(local),
             qPrintable(local));
  }
  // Seven pairs: eight with the sit-out pair, six rounds.
  QVERIFY(preparation::PassendeSchemas(8, 6).contains(
      taal == 10 ? QStringLiteral("08 Paren 06 Ronden Howell")
                 : QStringLiteral("08 Pairs 06 Rounds Howell")));
}

#include "schema_download_test.moc"
ZEMLO_TEST_CLASS(TestFrmZemlo12)
