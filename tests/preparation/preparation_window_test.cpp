// The preparation window driven as the director uses it.
#include "common/testsupport.h"
#include "common/vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/windows.h"
#include "platform/files.h"
#include "platform/messagebox.h"
#include "preparation/frmzemlo04.h"
#include "preparation/windows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using platform::BoxKind;

namespace {

// A stand-in for an entry window: it only hands back to its opener.
class NepInvoer : public ZemloWindow {
public:
  explicit NepInvoer(const QString &name) : ZemloWindow(name) {}
};

const QByteArray kZevenParen = "1| a+2| b\r\n3| c+4| d\r\n5| e+6| f\r\n7| g+8| h\r\n"
                               "9| i+10| j\r\n11| k+12| l\r\n13| m+14| n\r\n";

} // namespace

class TestFrmZemlo04 : public QObject {
  Q_OBJECT
private slots:
  void initTestCase();
  void init();
  void cleanup();
  void groupShowsPairs_data();
  void groupShowsPairs();
  void spinnersWrapAndListSchemas();
  void startWritesBothFiles_data();
  void startWritesBothFiles();
  void earlierResultsFileLocksChoices();
  void roundsStepAfterEarlierEveningLocksStart();
  void refusals_data();
  void refusals();
  void damagedResultsFileCanBeDeleted_data();
  void damagedResultsFileCanBeDeleted();
  void refusedGroupKeepsNames();
  void unreadableFileIsNamed_data();
  void unreadableFileIsNamed();
  void aFailedDeletionIsSaid_data();
  void aFailedDeletionIsSaid();
  void deleteGroupAsksFirst();
  void deleteResultsFileClearsChoices();
  void escapeOpensEntryOnlyWhenStartCould();
  void escapeNeedsReadableSchema_data();
  void escapeNeedsReadableSchema();
  void closeBoxActsAsEscape();
  void startFileChoosesWayOfEntry();
  void unusableSchemaAtStart_data();
  void unusableSchemaAtStart();
  void startThatCannotWriteStays();
  void startOnAFullDisk();
  void aTitleThatCannotTakeTheNewDate();
  void fileNamesInAnyCase();
  void startKeepsResultsFileInAnyCase();
  void schemaInAnyCase();

private:
  void setUpFolder(int taal);
  frmZemlo04 *open();
  void click(QListWidget *list, const QString &text);
  template <typename T> T *get(const char *name) {
    T *w = m_prep ? m_prep->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    if (!w)
      qFatal("no control %s", name);
    return w;
  }
  QStringList items(QListWidget *list);

  frmZemlo01 *m_main = nullptr;
  std::unique_ptr<testing::ProgramFolder> m_folder;
  std::unique_ptr<platform::RecordingAnswerer> m_boxes;
  QPointer<frmZemlo04> m_prep;
};

void TestFrmZemlo04::initTestCase() {
  registerFrameWindows();
  registerPreparationWindows();
  testing::ProgramFolder folder;
  m_main = qobject_cast<frmZemlo01 *>(showWindow(QStringLiteral("frmZemlo01")));
  QVERIFY(m_main);
}

void TestFrmZemlo04::init() {
  m_folder = std::make_unique<testing::ProgramFolder>();
  m_boxes = std::make_unique<platform::RecordingAnswerer>();
  m_main->setEnabled(true);
}

void TestFrmZemlo04::cleanup() {
  for (const char *name : {"frmZemlo06", "frmZemlo07"}) {
    if (ZemloWindow *w = findWindow(QString::fromLatin1(name)))
      delete w;
    registerWindow(QString::fromLatin1(name), nullptr);
  }
  if (m_prep)
    delete m_prep.data();
  testing::flushDeletes();
  m_boxes.reset();
  m_folder.reset();
}

void TestFrmZemlo04::setUpFolder(int taal) {
  BAS_Zemlo::iTaal = taal;
  for (const char *f : {"groepen", "invoer", "schema/10", "schema/11"})
    QDir().mkpath(m_folder->path(QString::fromLatin1(f)));
}

frmZemlo04 *TestFrmZemlo04::open() {
  m_main->cmdInVoerScores->click();
  m_prep = qobject_cast<frmZemlo04 *>(findWindow(QStringLiteral("frmZemlo04")));
  if (m_prep && !QTest::qWaitForWindowExposed(m_prep))
    return nullptr;
  return m_prep;
}

void TestFrmZemlo04::click(QListWidget *list, const QString &text) {
  const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
  QVERIFY2(!found.isEmpty(), qPrintable(text));
  list->scrollToItem(found.first());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(found.first()).center());
}

QStringList TestFrmZemlo04::items(QListWidget *list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i)
    out.append(list->item(i)->text());
  return out;
}

void TestFrmZemlo04::groupShowsPairs_data() {
  QTest::addColumn<QByteArray>("groep");
  QTest::addColumn<QString>("paren");
  QTest::addColumn<QString>("stilzit");
  QTest::newRow("seven, no sit-out line") << kZevenParen << "8"
                                          << "8";
  QTest::newRow("eight, fifth sits out")
      << QByteArray("a\r\nb\r\nc\r\nd\r\n***** Stilzit *****\r\nf\r\ng\r\nh\r\n") << "8"
      << "5";
  QTest::newRow("sit-out line with a blank after it")
      << QByteArray("a\r\nb\r\nc\r\nd\r\n***** Stilzit ***** \r\nf\r\ng\r\nh\r\n") << "8"
      << "Geen";
  QTest::newRow("seven with a sit-out line")
      << QByteArray("a\r\n***** Stilzit *****\r\nc\r\nd\r\ne\r\nf\r\ng\r\n") << "8"
      << "8";
  QTest::newRow("blank lines not counted")
      << QByteArray("a\r\n\r\n  \r\nb\r\n***** Stilzit *****\r\nd\r\n") << "4"
      << "3";
  QTest::newRow("empty file") << QByteArray() << "0"
                              << "Geen";
}

void TestFrmZemlo04::groupShowsPairs() {
  QFETCH(QByteArray, groep);
  QFETCH(QString, paren);
  QFETCH(QString, stilzit);
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", groep);
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  m_folder->write("schema/10/08 paren 06 ronden kort.txt",
                  testing::passendSchema("schema/10/08 paren 06 ronden kort.txt"));
  m_folder->write("schema/10/08 Paren 07 Ronden X.txt",
                  testing::passendSchema("schema/10/08 Paren 07 Ronden X.txt"));
  QVERIFY(open());
  QVERIFY(!get<QGroupBox>("fraInfo")->isEnabled());
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep A");
  QCOMPARE(get<QLabel>("lblGroep")->text(), QStringLiteral("08-11-2023 Groep A"));
  QCOMPARE(get<QLabel>("lblParen")->text(), paren);
  QCOMPARE(get<QLabel>("lblStilzit")->text(), stilzit);
  QCOMPARE(get<QLineEdit>("txtRonden")->text(), QStringLiteral("6"));
  QCOMPARE(get<QLineEdit>("txtSpellen")->text(), QStringLiteral("4"));
  QCOMPARE(BAS_Zemlo::sGroepBestand, QStringLiteral("08-11-2023 Groep A.txt"));
  QVERIFY(get<QGroupBox>("fraInfo")->isEnabled());
  QVERIFY(!get<QPushButton>("cmdStart")->isEnabled());
  const QStringList expected =
      paren == "8" ? QStringList{"08 Paren 06 Ronden Howell", "08 paren 06 ronden kort"}
                   : QStringList{};
  QCOMPARE(items(get<QListWidget>("lstSchema")), expected);
  QVERIFY(m_boxes->boxes.isEmpty());
}

void TestFrmZemlo04::spinnersWrapAndListSchemas() {
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("schema/10/08 paren 03 ronden Mitchell.txt",
                  testing::passendSchema("schema/10/08 paren 03 ronden Mitchell.txt"));
  m_folder->write("schema/10/08 PAREN 03 RONDEN Ander.txt",
                  testing::passendSchema("schema/10/08 PAREN 03 RONDEN Ander.txt"));
  m_folder->write("schema/10/08 Paren 12 Ronden Lang.txt",
                  testing::passendSchema("schema/10/08 Paren 12 Ronden Lang.txt"));
  QVERIFY(open());
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep A");
  auto *rondenOp = get<QScrollBar>("vscrRonden");
  auto *txtRonden = get<QLineEdit>("txtRonden");
  auto *lstSchema = get<QListWidget>("lstSchema");
  // The up arrow lowers the spinner's value and raises the number.
  for (int i = 0; i < 6; ++i)
    rondenOp->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(txtRonden->text(), QStringLiteral("12"));
  QCOMPARE(items(lstSchema), QStringList({"08 Paren 12 Ronden Lang"}));
  rondenOp->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(txtRonden->text(), QStringLiteral("3"));
  QCOMPARE(items(lstSchema), QStringList({"08 PAREN 03 RONDEN Ander"}));
  rondenOp->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QCOMPARE(txtRonden->text(), QStringLiteral("12"));

  auto *spellen = get<QScrollBar>("vscrSpellen");
  auto *txtSpellen = get<QLineEdit>("txtSpellen");
  for (int i = 0; i < 5; ++i)
    spellen->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(txtSpellen->text(), QStringLiteral("9"));
  spellen->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(txtSpellen->text(), QStringLiteral("1"));
  spellen->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QCOMPARE(txtSpellen->text(), QStringLiteral("9"));

  // Choosing a schema opens Start; moving the rounds closes it again, the
  // boards spinner does not.
  rondenOp->triggerAction(QAbstractSlider::SliderSingleStepSub);
  click(lstSchema, "08 PAREN 03 RONDEN Ander");
  QVERIFY(get<QPushButton>("cmdStart")->isEnabled());
  spellen->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QVERIFY(get<QPushButton>("cmdStart")->isEnabled());
  click(lstSchema, "08 PAREN 03 RONDEN Ander"); // a second click unchooses it
  QVERIFY(!get<QPushButton>("cmdStart")->isEnabled());
  click(lstSchema, "08 PAREN 03 RONDEN Ander");
  rondenOp->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QVERIFY(!get<QPushButton>("cmdStart")->isEnabled());
  // The display boxes cannot keep the focus.
  txtRonden->setFocus();
  QVERIFY(!txtRonden->hasFocus());
}

void TestFrmZemlo04::startWritesBothFiles_data() {
  QTest::addColumn<int>("taal");
  QTest::addColumn<QByteArray>("groep");
  QTest::addColumn<QString>("groepNaam");
  QTest::addColumn<QString>("schema");
  QTest::addColumn<QString>("invoerNaam");
  QTest::addColumn<QByteArray>("kop");
  QTest::newRow("nl, seven pairs, per round")
      << 10 << kZevenParen << "08-11-2023 Groep A"
      << "08 Paren 06 Ronden Howell"
      << "invoer/08-11-2023 Groep A Uitslag.txt"
      << QByteArray("08-11-2023 Groep A Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden "
                    "Howell\r\n1\r\n");
  QTest::newRow("en, eight pairs, per round")
      << 11 << QByteArray(kZevenParen + "15| o+16| p\r\n") << "2023-11-08 Group A"
      << "08 Pairs 06 Rounds Howell"
      << "invoer/2023-11-08 Group A Result.txt"
      << QByteArray("2023-11-08 Group A Result\r\n8\r\nNo\r\n6\r\n4\r\n08 Pairs 06 Rounds "
                    "Howell\r\n1\r\n");
}

void TestFrmZemlo04::startWritesBothFiles() {
  QFETCH(int, taal);
  QFETCH(QByteArray, groep);
  QFETCH(QString, groepNaam);
  QFETCH(QString, schema);
  QFETCH(QString, invoerNaam);
  QFETCH(QByteArray, kop);
  setUpFolder(taal);
  m_folder->write("groepen/" + groepNaam + ".txt", groep);
  m_folder->write(QStringLiteral("schema/%1/%2.txt").arg(taal).arg(schema),
                  testing::passendSchema(schema));
  QVERIFY(open());
  click(get<QListWidget>("lstGroepBestand"), groepNaam);
  click(get<QListWidget>("lstSchema"), schema);
  QTest::mouseClick(get<QRadioButton>("optInvoer1"), Qt::LeftButton, {}, QPoint(8, 12));
  QCOMPARE(m_prep->iInvoerWijze, 1);
  QTest::mouseClick(get<QPushButton>("cmdStart"), Qt::LeftButton);
  QCOMPARE(m_folder->read("start.txt"), QByteArray(" 1 \r\n"));
  QCOMPARE(m_folder->read(invoerNaam), kop);
  // No entry window yet: back to the main window.
  testing::flushDeletes();
  QVERIFY(!m_prep);
  QVERIFY(m_main->isEnabled());
}

void TestFrmZemlo04::earlierResultsFileLocksChoices() {
  setUpFolder(10);
  const QByteArray old =
      "08-11-2023 Groep A Uitslag\r\n10\r\nGeen\r\n9\r\n3\r\n10 paren 09 ronden Howell\r\n1\r\n"
      "body line\r\n";
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("invoer/08-11-2023 Groep A Uitslag.txt", old);
  m_folder->write("schema/10/10 Paren 09 Ronden Howell.txt",
                  testing::passendSchema("schema/10/10 Paren 09 Ronden Howell.txt"));
  m_folder->write("schema/10/10 Paren 09 Ronden Ander.txt",
                  testing::passendSchema("schema/10/10 Paren 09 Ronden Ander.txt"));
  QVERIFY(open());
  QCOMPARE(m_prep->iInvoerWijze, 0);
  click(get<QListWidget>("lstInvoer"), "08-11-2023 Groep A Uitslag");
  QCOMPARE(BAS_Zemlo::sGroepBestand, QStringLiteral("08-11-2023 Groep A.txt"));
  QCOMPARE(BAS_Zemlo::sInvoerBestand, QStringLiteral("08-11-2023 Groep A Uitslag.txt"));
  QCOMPARE(get<QLabel>("lblParen")->text(), QStringLiteral("10"));
  QCOMPARE(get<QLabel>("lblStilzit")->text(), QStringLiteral("Geen"));
  QCOMPARE(get<QLineEdit>("txtRonden")->text(), QStringLiteral("9"));
  QCOMPARE(get<QLineEdit>("txtSpellen")->text(), QStringLiteral("3"));
  auto *lstSchema = get<QListWidget>("lstSchema");
  QCOMPARE(items(lstSchema),
           QStringList({"10 Paren 09 Ronden Ander", "10 Paren 09 Ronden Howell"}));
  QVERIFY(lstSchema->item(1)->isSelected());
  QVERIFY(!get<QGroupBox>("fraSchema")->isEnabled());
  QVERIFY(!get<QRadioButton>("optInvoer0")->isEnabled());
  QVERIFY(get<QRadioButton>("optInvoer1")->isChecked());
  QCOMPARE(m_prep->iInvoerWijze, 1);
  QVERIFY(get<QPushButton>("cmdStart")->isEnabled());
  QVERIFY(get<QPushButton>("cmdWisInvoer")->isEnabled());
  // Start leaves the file byte for byte, also though the boards shown differ.
  // The boards spinner steps on from the header's boards.
  get<QScrollBar>("vscrSpellen")->triggerAction(QAbstractSlider::SliderSingleStepSub);
  QCOMPARE(get<QLineEdit>("txtSpellen")->text(), QStringLiteral("4"));
  QTest::mouseClick(get<QPushButton>("cmdStart"), Qt::LeftButton);
  QCOMPARE(m_folder->read("invoer/08-11-2023 Groep A Uitslag.txt"), old);
  QCOMPARE(m_folder->read("start.txt"), QByteArray(" 1 \r\n"));
}

void TestFrmZemlo04::roundsStepAfterEarlierEveningLocksStart() {
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write(
      "invoer/09-11-2023 Groep B Uitslag.txt",
      "09-11-2023 Groep B Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Howell\r\n0\r\n");
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  m_folder->write("schema/10/08 Paren 05 Ronden Vijf.txt",
                  testing::passendSchema("schema/10/08 Paren 05 Ronden Vijf.txt"));
  QVERIFY(open());
  auto *lstSchema = get<QListWidget>("lstSchema");
  auto *cmdStart = get<QPushButton>("cmdStart");
  // A group chosen first opens the spinners for the rest of the window's life.
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep A");
  click(get<QListWidget>("lstInvoer"), "09-11-2023 Groep B Uitslag");
  QVERIFY(cmdStart->isEnabled());
  QVERIFY(!get<QGroupBox>("fraSchema")->isEnabled());
  // Another number of rounds lists other schemas and closes Start; the list
  // stays locked, so no click opens it again.
  get<QScrollBar>("vscrRonden")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  QCOMPARE(get<QLineEdit>("txtRonden")->text(), QStringLiteral("5"));
  QCOMPARE(items(lstSchema), QStringList({"08 Paren 05 Ronden Vijf"}));
  QVERIFY(!cmdStart->isEnabled());
  click(lstSchema, "08 Paren 05 Ronden Vijf");
  QVERIFY(lstSchema->selectedItems().isEmpty());
  QVERIFY(!cmdStart->isEnabled());
  QVERIFY(!get<QRadioButton>("optInvoer0")->isEnabled());
  // Until another file is chosen: the group opens the list again.
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep A");
  QCOMPARE(get<QLineEdit>("txtRonden")->text(), QStringLiteral("6"));
  click(lstSchema, "08 Paren 06 Ronden Howell");
  QVERIFY(cmdStart->isEnabled());
  QVERIFY(m_boxes->boxes.isEmpty());
}

void TestFrmZemlo04::refusals_data() {
  QTest::addColumn<QString>("lijst");
  QTest::addColumn<QString>("naam");
  QTest::addColumn<QString>("tekst");
  QTest::newRow("102 results file exists") << "lstGroepBestand"
                                           << "08-11-2023 Groep A"
                                           << "Er is al een uitslag van 08-11-2023 Groep A\n\nWis "
                                              "het bestand 08-11-2023 Groep A,of kies een "
                                              "ander groep bestand";
  QTest::newRow("126 group word in lower case") << "lstGroepBestand"
                                                << "08-11-2023 groep B"
                                                << "Het gekozen groep bestand is opgeslagen in een "
                                                   "andere taal.\nStel de juiste taal in of kies "
                                                   "een ander groep bestand met in de naam Groep";
  QTest::newRow("124 results file of the other language")
      << "lstInvoer"
      << "08-11-2023 Groep C Result"
      << "Resultaten of uitslag is opgeslagen in een andere taal.\nStel de juiste taal in of kies "
         "een "
         "ander bestand met in de naam Uitslag";
}

void TestFrmZemlo04::refusals() {
  QFETCH(QString, lijst);
  QFETCH(QString, naam);
  QFETCH(QString, tekst);
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("invoer/08-11-2023 Groep A Uitslag.txt",
                  "x Uitslag\r\n8\r\n8\r\n6\r\n4\r\nS\r\n0\r\n");
  m_folder->write("groepen/08-11-2023 groep B.txt", kZevenParen);
  m_folder->write("invoer/08-11-2023 Groep C Result.txt", "x\r\n8\r\n8\r\n6\r\n4\r\nS\r\n0\r\n");
  QVERIFY(open());
  auto *list = get<QListWidget>(qPrintable(lijst));
  click(list, naam);
  QCOMPARE(m_boxes->boxes.size(), 1);
  QCOMPARE(m_boxes->boxes[0].kind, BoxKind::Information);
  QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Voorbereiding"));
  QCOMPARE(m_boxes->boxes[0].text, tekst);
  QVERIFY(list->selectedItems().isEmpty());
  QVERIFY(BAS_Zemlo::sGroepBestand.isEmpty());
  QVERIFY(BAS_Zemlo::sInvoerBestand.isEmpty());
  QCOMPARE(get<QLabel>("lblGroep")->text(), QString());
  QVERIFY(!get<QPushButton>("cmdStart")->isEnabled());
}

void TestFrmZemlo04::damagedResultsFileCanBeDeleted_data() {
  QTest::addColumn<QByteArray>("inhoud");
  QTest::newRow("cut short") << QByteArray("x\r\n8\r\n8\r\n6\r\n");
  QTest::newRow("rounds out of range") << QByteArray("x\r\n8\r\n8\r\n13\r\n4\r\nS\r\n0\r\n");
}

void TestFrmZemlo04::damagedResultsFileCanBeDeleted() {
  QFETCH(QByteArray, inhoud);
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep D.txt", kZevenParen);
  m_folder->write("invoer/08-11-2023 Groep D Uitslag.txt", inhoud);
  QVERIFY(open());
  // The damaged evening blocks its group...
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep D");
  QVERIFY(m_boxes->boxes.last().text.startsWith(QStringLiteral("Er is al een uitslag van")));
  // ...is not used, but stays chosen so that it can be deleted.
  auto *lstInvoer = get<QListWidget>("lstInvoer");
  click(lstInvoer, "08-11-2023 Groep D Uitslag");
  QCOMPARE(m_boxes->boxes.last().kind, BoxKind::Information);
  QCOMPARE(
      m_boxes->boxes.last().text,
      QStringLiteral("Het bestand 08-11-2023 Groep D Uitslag.txt is onvolledig of beschadigd.\n"
                     "Het kan niet worden gebruikt."));
  QCOMPARE(lstInvoer->selectedItems().size(), 1);
  QVERIFY(BAS_Zemlo::sGroepBestand.isEmpty());
  QVERIFY(BAS_Zemlo::sInvoerBestand.isEmpty());
  QCOMPARE(get<QLabel>("lblGroep")->text(), QString());
  QCOMPARE(get<QListWidget>("lstSchema")->count(), 0);
  QVERIFY(!get<QPushButton>("cmdStart")->isEnabled());
  auto *wis = get<QPushButton>("cmdWisInvoer");
  QVERIFY(wis->isEnabled());
  m_boxes->answers = {true};
  QTest::mouseClick(wis, Qt::LeftButton);
  QCOMPARE(m_boxes->boxes.last().kind, BoxKind::Question);
  QCOMPARE(m_boxes->boxes.last().text,
           QStringLiteral(
               "U gaat het ingevoerde/uitslag bestand (08-11-2023 Groep D Uitslag) wissen!\n\n"
               "Zeker weten?"));
  QVERIFY(!m_folder->exists("invoer/08-11-2023 Groep D Uitslag.txt"));
  QCOMPARE(lstInvoer->count(), 0);
  // The group is free again.
  const qsizetype before = m_boxes->boxes.size();
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep D");
  QCOMPARE(m_boxes->boxes.size(), before);
  QCOMPARE(get<QLabel>("lblParen")->text(), QStringLiteral("8"));
}

void TestFrmZemlo04::refusedGroupKeepsNames() {
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("groepen/09-11-2023 Groep B.txt", kZevenParen);
  m_folder->write("invoer/09-11-2023 Groep B Uitslag.txt", "x\r\n8\r\n8\r\n6\r\n4\r\nS\r\n0\r\n");
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  QVERIFY(open());
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep A");
  click(get<QListWidget>("lstSchema"), "08 Paren 06 Ronden Howell");
  click(get<QListWidget>("lstGroepBestand"), "09-11-2023 Groep B");
  QCOMPARE(m_boxes->boxes.size(), 1);
  QCOMPARE(BAS_Zemlo::sGroepBestand, QStringLiteral("08-11-2023 Groep A.txt"));
  QCOMPARE(get<QLabel>("lblGroep")->text(), QString());
  // Start goes on for the chosen group: its name heads the results file.
  QTest::mouseClick(get<QPushButton>("cmdStart"), Qt::LeftButton);
  QCOMPARE(m_folder->read("invoer/08-11-2023 Groep A Uitslag.txt"),
           QByteArray("08-11-2023 Groep A Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden "
                      "Howell\r\n0\r\n"));
}

// A group or results file that cannot be read (no read permission, which
// root does not feel: the stand-in refuses it) is named as such, is not
// chosen, and nothing offers to delete it.
void TestFrmZemlo04::unreadableFileIsNamed_data() {
  QTest::addColumn<QString>("lijst");
  QTest::addColumn<QString>("naam");
  QTest::addColumn<QString>("bestand");
  QTest::addColumn<QString>("wis");
  QTest::newRow("group file") << "lstGroepBestand"
                              << "08-11-2023 Groep A"
                              << "groepen/08-11-2023 Groep A.txt"
                              << "cmdWisGroepen";
  QTest::newRow("results file") << "lstInvoer"
                                << "09-11-2023 Groep B Uitslag"
                                << "invoer/09-11-2023 Groep B Uitslag.txt"
                                << "cmdWisInvoer";
}

void TestFrmZemlo04::unreadableFileIsNamed() {
  QFETCH(QString, lijst);
  QFETCH(QString, naam);
  QFETCH(QString, bestand);
  QFETCH(QString, wis);
  setUpFolder(10);
  const QByteArray kop = "09-11-2023 Groep B Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 "
                         "Ronden Howell\r\n0\r\n";
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("groepen/08-11-2023 Groep C.txt", kZevenParen);
  m_folder->write("groepen/09-11-2023 Groep B.txt", kZevenParen);
  m_folder->write("invoer/09-11-2023 Groep B Uitslag.txt", kop);
  m_folder->write("invoer/10-11-2023 Groep D Uitslag.txt", QByteArray(kop).replace("B", "D"));
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  platform::setUnreadableFiles({m_folder->path(bestand)});
  QVERIFY(open());
  auto *list = get<QListWidget>(qPrintable(lijst));
  // A file of the same list chosen before offers its deletion.
  click(list, lijst == u"lstInvoer" ? QStringLiteral("10-11-2023 Groep D Uitslag")
                                    : QStringLiteral("08-11-2023 Groep C"));
  QVERIFY(get<QPushButton>(qPrintable(wis))->isEnabled());
  QVERIFY(m_boxes->boxes.isEmpty());
  click(list, naam);
  QCOMPARE(m_boxes->boxes.size(), 1);
  QCOMPARE(m_boxes->boxes[0].kind, BoxKind::Information);
  QCOMPARE(m_boxes->boxes[0].text, QStringLiteral("Het bestand %1 kan niet worden gelezen.\n"
                                                  "Controleer de rechten van het bestand en "
                                                  "probeer het opnieuw.")
                                       .arg(bestand));
  QVERIFY(list->selectedItems().isEmpty());
  QVERIFY(!get<QPushButton>(qPrintable(wis))->isEnabled());
  QVERIFY(BAS_Zemlo::sInvoerBestand.isEmpty());
  QCOMPARE(get<QLabel>("lblGroep")->text(), QString());
  QVERIFY(!get<QPushButton>("cmdStart")->isEnabled());
  QVERIFY(m_folder->exists(bestand));
}

// A deletion that leaves the file says so; the file stays listed and
// chosen, with the choices made.
// The same files as above.
void TestFrmZemlo04::aFailedDeletionIsSaid_data() { unreadableFileIsNamed_data(); }

void TestFrmZemlo04::aFailedDeletionIsSaid() {
  QFETCH(QString, lijst);
  QFETCH(QString, naam);
  QFETCH(QString, bestand);
  QFETCH(QString, wis);
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("groepen/09-11-2023 Groep B.txt", kZevenParen);
  m_folder->write("invoer/09-11-2023 Groep B Uitslag.txt",
                  "09-11-2023 Groep B Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden "
                  "Howell\r\n0\r\n");
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  platform::setUndeletableFiles({m_folder->path(bestand)});
  QVERIFY(open());
  auto *list = get<QListWidget>(qPrintable(lijst));
  click(list, naam);
  if (lijst == u"lstGroepBestand")
    click(get<QListWidget>("lstSchema"), "08 Paren 06 Ronden Howell");
  QVERIFY(get<QPushButton>("cmdStart")->isEnabled());
  m_boxes->answers = {true};
  QTest::mouseClick(get<QPushButton>(qPrintable(wis)), Qt::LeftButton);
  QCOMPARE(m_boxes->boxes.size(), 2);
  QCOMPARE(m_boxes->boxes[0].kind, BoxKind::Question);
  QCOMPARE(m_boxes->boxes[1].kind, BoxKind::Information);
  QCOMPARE(m_boxes->boxes[1].text,
           QStringLiteral("Dit kon niet worden gewist:\n%1\n\nControleer de rechten van de map "
                          "en probeer het opnieuw.")
               .arg(bestand));
  QVERIFY(m_folder->exists(bestand));
  QVERIFY(items(list).contains(naam));
  QCOMPARE(list->selectedItems().size(), 1);
  QVERIFY(get<QPushButton>(qPrintable(wis))->isEnabled());
  QVERIFY(get<QPushButton>("cmdStart")->isEnabled());
  QVERIFY(!BAS_Zemlo::sGroepBestand.isEmpty());
  // Once the file can go, it goes.
  platform::setUndeletableFiles({});
  m_boxes->answers = {true};
  QTest::mouseClick(get<QPushButton>(qPrintable(wis)), Qt::LeftButton);
  QVERIFY(!m_folder->exists(bestand));
  QVERIFY(!items(list).contains(naam));
}

void TestFrmZemlo04::deleteGroupAsksFirst() {
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("groepen/08-11-2023 Groep A.mail", "1|x\r\n");
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  QVERIFY(open());
  auto *wis = get<QPushButton>("cmdWisGroepen");
  QVERIFY(!wis->isEnabled());
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep A");
  click(get<QListWidget>("lstSchema"), "08 Paren 06 Ronden Howell");
  m_boxes->answers = {false};
  QTest::mouseClick(wis, Qt::LeftButton);
  QCOMPARE(m_boxes->boxes.last().kind, BoxKind::Question);
  QCOMPARE(m_boxes->boxes.last().text,
           QStringLiteral("U gaat het groep bestand (08-11-2023 Groep A) wissen!\n\nZeker weten?"));
  QVERIFY(m_folder->exists("groepen/08-11-2023 Groep A.txt"));
  QVERIFY(wis->isEnabled());
  m_boxes->answers = {true};
  QTest::mouseClick(wis, Qt::LeftButton);
  QVERIFY(!m_folder->exists("groepen/08-11-2023 Groep A.txt"));
  QVERIFY(m_folder->exists("groepen/08-11-2023 Groep A.mail"));
  QCOMPARE(get<QListWidget>("lstGroepBestand")->count(), 0);
  QVERIFY(!wis->isEnabled());
  // The group is gone, so nothing may start an evening for it.
  QVERIFY(BAS_Zemlo::sGroepBestand.isEmpty());
  QVERIFY(!get<QPushButton>("cmdStart")->isEnabled());
}

void TestFrmZemlo04::deleteResultsFileClearsChoices() {
  setUpFolder(10);
  m_folder->write(
      "invoer/08-11-2023 Groep A Uitslag.txt",
      "08-11-2023 Groep A Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Howell\r\n0\r\n");
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  QVERIFY(open());
  click(get<QListWidget>("lstInvoer"), "08-11-2023 Groep A Uitslag");
  QVERIFY(get<QPushButton>("cmdStart")->isEnabled());
  m_boxes->answers = {false};
  QTest::mouseClick(get<QPushButton>("cmdWisInvoer"), Qt::LeftButton);
  QVERIFY(m_folder->exists("invoer/08-11-2023 Groep A Uitslag.txt"));
  QVERIFY(get<QPushButton>("cmdWisInvoer")->isEnabled());
  m_boxes->answers = {true};
  QTest::mouseClick(get<QPushButton>("cmdWisInvoer"), Qt::LeftButton);
  QCOMPARE(m_boxes->boxes.last().text,
           QStringLiteral(
               "U gaat het ingevoerde/uitslag bestand (08-11-2023 Groep A Uitslag) wissen!\n\n"
               "Zeker weten?"));
  QVERIFY(!m_folder->exists("invoer/08-11-2023 Groep A Uitslag.txt"));
  QVERIFY(BAS_Zemlo::sGroepBestand.isEmpty());
  QVERIFY(BAS_Zemlo::sInvoerBestand.isEmpty());
  QVERIFY(!get<QPushButton>("cmdStart")->isEnabled());
  QCOMPARE(get<QListWidget>("lstSchema")->count(), 0);
  QCOMPARE(get<QLabel>("lblParen")->text(), QString());
  QVERIFY(!get<QPushButton>("cmdWisInvoer")->isEnabled());
  // Escape now leads back to the main window, not to an entry window.
  registerWindow(QStringLiteral("frmZemlo06"),
                 [] { return new NepInvoer(QStringLiteral("frmZemlo06")); });
  QTest::keyClick(m_prep, Qt::Key_Escape);
  testing::flushDeletes();
  QVERIFY(!m_prep);
  QVERIFY(!findWindow(QStringLiteral("frmZemlo06")));
}

void TestFrmZemlo04::escapeOpensEntryOnlyWhenStartCould() {
  setUpFolder(10);
  m_folder->write(
      "invoer/08-11-2023 Groep A Uitslag.txt",
      "08-11-2023 Groep A Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Howell\r\n1\r\n");
  m_folder->write(
      "invoer/08-11-2023 Groep B Uitslag.txt",
      "08-11-2023 Groep B Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Weg\r\n0\r\n");
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  for (const char *name : {"frmZemlo06", "frmZemlo07"}) {
    const QString n = QString::fromLatin1(name);
    registerWindow(n, [n] { return new NepInvoer(n); });
  }
  QVERIFY(open());
  // Line 7 of the header gives the way of entry: per round.
  click(get<QListWidget>("lstInvoer"), "08-11-2023 Groep A Uitslag");
  QTest::keyClick(get<QListWidget>("lstInvoer"), Qt::Key_Escape);
  ZemloWindow *entry = findWindow(QStringLiteral("frmZemlo07"));
  QVERIFY(entry);
  QVERIFY(!findWindow(QStringLiteral("frmZemlo06")));
  QVERIFY(m_prep && m_prep->isVisible() && !m_prep->isEnabled());
  QCOMPARE(m_prep->iInvoerWijze, 1);
  QVERIFY(!m_folder->exists("start.txt"));
  // The entry window hands back: the preparation window starts afresh.
  entry->closeWindow();
  testing::flushDeletes();
  QVERIFY(m_prep && m_prep->isEnabled());
  QVERIFY(BAS_Zemlo::sInvoerBestand.isEmpty());
  QVERIFY(get<QListWidget>("lstInvoer")->selectedItems().isEmpty());
  QVERIFY(get<QGroupBox>("fraSchema")->isEnabled());

  // A header whose schema is gone: text 141 names it, and Escape is Back.
  click(get<QListWidget>("lstInvoer"), "08-11-2023 Groep B Uitslag");
  QCOMPARE(m_boxes->boxes.last().text,
           QStringLiteral("Bestand <schema/10/08 Paren 06 Ronden Weg.txt> niet gevonden."));
  QVERIFY(!get<QPushButton>("cmdStart")->isEnabled());
  QTest::keyClick(m_prep, Qt::Key_Escape);
  testing::flushDeletes();
  QVERIFY(!m_prep);
  QVERIFY(!findWindow(QStringLiteral("frmZemlo06")));
  QVERIFY(!findWindow(QStringLiteral("frmZemlo07")));
  QVERIFY(m_main->isEnabled());
  QVERIFY(BAS_Zemlo::sInvoerBestand.isEmpty());
}

void TestFrmZemlo04::escapeNeedsReadableSchema_data() {
  QTest::addColumn<bool>("leegBijKiezen");
  QTest::newRow("schema file empty when chosen") << true;
  QTest::newRow("schema file gone after choosing") << false;
}

void TestFrmZemlo04::escapeNeedsReadableSchema() {
  QFETCH(bool, leegBijKiezen);
  setUpFolder(10);
  m_folder->write(
      "invoer/08-11-2023 Groep A Uitslag.txt",
      "08-11-2023 Groep A Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Howell\r\n1\r\n");
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  leegBijKiezen ? QByteArray()
                                : testing::passendSchema("08 Paren 06 Ronden Howell"));
  registerWindow(QStringLiteral("frmZemlo07"),
                 [] { return new NepInvoer(QStringLiteral("frmZemlo07")); });
  QVERIFY(open());
  click(get<QListWidget>("lstInvoer"), "08-11-2023 Groep A Uitslag");
  if (leegBijKiezen) {
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes.last().text,
             QStringLiteral("Bestand <schema/10/08 Paren 06 Ronden Howell.txt> niet gevonden."));
    QVERIFY(!get<QPushButton>("cmdStart")->isEnabled());
  } else {
    QVERIFY(get<QPushButton>("cmdStart")->isEnabled());
    QFile::remove(m_folder->path("schema/10/08 Paren 06 Ronden Howell.txt"));
  }
  QTest::keyClick(m_prep, Qt::Key_Escape);
  testing::flushDeletes();
  QVERIFY(!findWindow(QStringLiteral("frmZemlo07")));
  QVERIFY(!m_prep);
  QVERIFY(m_main->isEnabled());
}

void TestFrmZemlo04::closeBoxActsAsEscape() {
  setUpFolder(10);
  m_folder->write(
      "invoer/08-11-2023 Groep A Uitslag.txt",
      "08-11-2023 Groep A Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Howell\r\n0\r\n");
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  registerWindow(QStringLiteral("frmZemlo06"),
                 [] { return new NepInvoer(QStringLiteral("frmZemlo06")); });
  QVERIFY(open());
  click(get<QListWidget>("lstInvoer"), "08-11-2023 Groep A Uitslag");
  m_prep->close();
  ZemloWindow *entry = findWindow(QStringLiteral("frmZemlo06"));
  QVERIFY(entry);
  QVERIFY(m_prep && m_prep->isVisible());
  // Disabled meanwhile, its close box does nothing.
  m_prep->close();
  QVERIFY(m_prep && m_prep->isVisible());
  entry->closeWindow();
  testing::flushDeletes();
  // Nothing chosen now: the close box is Back.
  m_prep->close();
  testing::flushDeletes();
  QVERIFY(!m_prep);
  QVERIFY(m_main->isEnabled());
}

void TestFrmZemlo04::startFileChoosesWayOfEntry() {
  setUpFolder(11);
  m_folder->write("start.txt", " 1 \r\n");
  QVERIFY(open());
  QVERIFY(get<QRadioButton>("optInvoer1")->isChecked());
  QCOMPARE(m_prep->iInvoerWijze, 1);
  QCOMPARE(m_prep->windowTitle(), QStringLiteral("Preparation"));
  QCOMPARE(get<QPushButton>("cmdTerug")->text(), QStringLiteral("&Back"));
  QTest::mouseClick(get<QPushButton>("cmdTerug"), Qt::LeftButton);
  testing::flushDeletes();
  QVERIFY(!m_prep);
  QVERIFY(m_main->isEnabled());
}

void TestFrmZemlo04::unusableSchemaAtStart_data() {
  QTest::addColumn<QByteArray>("inhoud"); // the schema file at Start; empty: gone
  QTest::addColumn<QString>("tekst");
  QTest::newRow("gone") << QByteArray()
                        << "Bestand <schema/10/08 Paren 06 Ronden Howell.txt> niet gevonden.";
  QTest::newRow("no schema") << QByteArray("<html><body>Not Found</body></html>\r\n")
                             << "Het bestand schema/10/08 Paren 06 Ronden Howell.txt is onvolledig "
                                "of beschadigd.\nHet kan niet worden gebruikt.";
  // Schemas that read but do not fit the evening of 8 pairs and 6 rounds.
  const QByteArray passend = testing::passendSchema("08 Paren 06 Ronden Howell");
  const QString pastNiet = "Het speelschema schema/10/08 Paren 06 Ronden Howell.txt past niet bij "
                           "de paren en ronden van deze avond.\nHet kan niet worden gebruikt.";
  QTest::newRow("pair 9") << QByteArray(passend).replace("7- 8 (1-4)", "7- 9 (1-4)") << pastNiet;
  QTest::newRow("a round too few")
      << testing::passendSchema("08 Paren 05 Ronden Howell") << pastNiet;
}

void TestFrmZemlo04::unusableSchemaAtStart() {
  QFETCH(QByteArray, inhoud);
  QFETCH(QString, tekst);
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  QVERIFY(open());
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep A");
  click(get<QListWidget>("lstSchema"), "08 Paren 06 Ronden Howell");
  QFile::remove(m_folder->path("schema/10/08 Paren 06 Ronden Howell.txt"));
  if (!inhoud.isEmpty())
    m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt", inhoud);
  QTest::mouseClick(get<QPushButton>("cmdStart"), Qt::LeftButton);
  QCOMPARE(m_boxes->boxes.size(), 1);
  QCOMPARE(m_boxes->boxes.last().text, tekst);
  QVERIFY(m_prep && m_prep->isEnabled());
  QVERIFY(!m_folder->exists("invoer/08-11-2023 Groep A Uitslag.txt"));
  QVERIFY(!m_folder->exists("start.txt"));
}

void TestFrmZemlo04::startThatCannotWriteStays() {
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  // A folder where the results file should go: it cannot be written.
  QVERIFY(QDir().mkpath(m_folder->path("invoer/08-11-2023 Groep A Uitslag.txt")));
  registerWindow(QStringLiteral("frmZemlo06"),
                 [] { return new NepInvoer(QStringLiteral("frmZemlo06")); });
  QVERIFY(open());
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep A");
  click(get<QListWidget>("lstSchema"), "08 Paren 06 Ronden Howell");
  QTest::mouseClick(get<QPushButton>("cmdStart"), Qt::LeftButton);
  testing::flushDeletes();
  QVERIFY(!findWindow(QStringLiteral("frmZemlo06")));
  QCOMPARE(m_boxes->boxes.last().text,
           QStringLiteral("Het bestand invoer/08-11-2023 Groep A Uitslag.txt kan niet worden "
                          "opgeslagen.\nControleer de schijf en probeer het opnieuw."));
  QVERIFY(m_prep && m_prep->isVisible() && m_prep->isEnabled());
  QVERIFY(BAS_Zemlo::sInvoerBestand.isEmpty());
  QCOMPARE(BAS_Zemlo::sGroepBestand, QStringLiteral("08-11-2023 Groep A.txt"));
  QVERIFY(get<QPushButton>("cmdStart")->isEnabled());
}

// On a full disk Start stops at start.txt, before anything is made: text
// 181 names it, start.txt stays as it was, and no entry window opens.
void TestFrmZemlo04::startOnAFullDisk() {
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  m_folder->write("start.txt", " 1 \r\n");
  registerWindow(QStringLiteral("frmZemlo06"),
                 [] { return new NepInvoer(QStringLiteral("frmZemlo06")); });
  registerWindow(QStringLiteral("frmZemlo07"),
                 [] { return new NepInvoer(QStringLiteral("frmZemlo07")); });
  QVERIFY(open());
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep A");
  click(get<QListWidget>("lstSchema"), "08 Paren 06 Ronden Howell");
  m_boxes->boxes.clear();
  {
    testing::FullDisk full;
    QVERIFY(full.isActive());
    QTest::mouseClick(get<QPushButton>("cmdStart"), Qt::LeftButton);
    testing::flushDeletes();
  }
  QVERIFY(!findWindow(QStringLiteral("frmZemlo06")));
  QVERIFY(!findWindow(QStringLiteral("frmZemlo07")));
  QCOMPARE(m_boxes->boxes.size(), 1);
  QCOMPARE(m_boxes->boxes[0].text,
           QStringLiteral("Het bestand start.txt kan niet worden opgeslagen.\nControleer de "
                          "schijf en probeer het opnieuw."));
  QCOMPARE(m_folder->read("start.txt"), QByteArray(" 1 \r\n"));
  QVERIFY(!m_folder->exists("invoer/08-11-2023 Groep A Uitslag.txt"));
  QVERIFY(m_prep && m_prep->isVisible() && m_prep->isEnabled());
  QVERIFY(get<QPushButton>("cmdStart")->isEnabled());
}

// The listing writes the date of a results file in the language's form; on a
// full disk it cannot, and says so once while the window is open.
void TestFrmZemlo04::aTitleThatCannotTakeTheNewDate() {
  setUpFolder(10);
  m_folder->write("groepen/2023-11-08 Groep A.txt", kZevenParen);
  m_folder->write("invoer/2023-11-08 Groep A Uitslag.txt", "2023-11-08 Groep A Uitslag\r\n");
  m_boxes->boxes.clear();
  {
    testing::FullDisk full;
    QVERIFY(full.isActive());
    QVERIFY(open());
    QTest::mouseClick(get<QCheckBox>("chkSorteerGroepen"), Qt::LeftButton);
  }
  QCOMPARE(m_boxes->boxes.size(), 1);
  QCOMPARE(m_boxes->boxes[0].text,
           QStringLiteral("Het bestand invoer/2023-11-08 Groep A Uitslag.txt kan niet worden "
                          "opgeslagen.\nControleer de schijf en probeer het opnieuw."));
  QCOMPARE(m_folder->read("invoer/2023-11-08 Groep A Uitslag.txt"),
           QByteArray("2023-11-08 Groep A Uitslag\r\n"));
  QCOMPARE(get<QListWidget>("lstGroepBestand")->item(0)->text(),
           QStringLiteral("2023-11-08 Groep A"));
}

void TestFrmZemlo04::fileNamesInAnyCase() {
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.TXT", kZevenParen);
  m_folder->write("groepen/08-11-2023 Groep B.txt", kZevenParen);
  m_folder->write(
      "invoer/08-11-2023 Groep B Uitslag.TXT",
      "08-11-2023 Groep B Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Z\r\n0\r\n");
  m_folder->write("groepen/08-11-2023 Groep C.txt", kZevenParen);
  m_folder->write("groepen/08-11-2023 Groep C.TXT", kZevenParen);
  m_folder->write("schema/10/08 Paren 06 Ronden Z.TXT",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Z.TXT"));
  QVERIFY(open());
  auto *groepen = get<QListWidget>("lstGroepBestand");
  auto *invoer = get<QListWidget>("lstInvoer");
  QCOMPARE(items(groepen),
           QStringList({"08-11-2023 Groep A", "08-11-2023 Groep B", "08-11-2023 Groep C"}));
  QCOMPARE(items(invoer), QStringList({"08-11-2023 Groep B Uitslag"}));

  // A group file in upper case is read.
  click(groepen, "08-11-2023 Groep A");
  QCOMPARE(get<QLabel>("lblParen")->text(), QStringLiteral("8"));
  QCOMPARE(get<QLabel>("lblStilzit")->text(), QStringLiteral("8"));
  QVERIFY(m_boxes->boxes.isEmpty());
  // An evening in upper case blocks its group...
  click(groepen, "08-11-2023 Groep B");
  QCOMPARE(m_boxes->boxes.size(), 1);
  QVERIFY(m_boxes->boxes[0].text.startsWith(QStringLiteral("Er is al een uitslag van")));
  // ...and is read, with its schema in upper case.
  click(invoer, "08-11-2023 Groep B Uitslag");
  QCOMPARE(m_boxes->boxes.size(), 1);
  QCOMPARE(get<QLabel>("lblParen")->text(), QStringLiteral("8"));
  QVERIFY(get<QPushButton>("cmdStart")->isEnabled());

  // Both delete like their lower-case twins.
  m_boxes->answers = {true};
  QTest::mouseClick(get<QPushButton>("cmdWisInvoer"), Qt::LeftButton);
  QVERIFY(!m_folder->exists("invoer/08-11-2023 Groep B Uitslag.TXT"));
  QCOMPARE(invoer->count(), 0);
  click(groepen, "08-11-2023 Groep A");
  m_boxes->answers = {true};
  QTest::mouseClick(get<QPushButton>("cmdWisGroepen"), Qt::LeftButton);
  QVERIFY(!m_folder->exists("groepen/08-11-2023 Groep A.TXT"));
  QCOMPARE(items(groepen), QStringList({"08-11-2023 Groep B", "08-11-2023 Groep C"}));
}

void TestFrmZemlo04::startKeepsResultsFileInAnyCase() {
  setUpFolder(10);
  const QByteArray kop = "08-11-2023 Groep A Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 paren 06 ronden "
                         "howell\r\n0\r\nbody\r\n";
  m_folder->write("invoer/08-11-2023 Groep A Uitslag.TXT", kop);
  m_folder->write("schema/10/08 Paren 06 Ronden Howell.txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Howell.txt"));
  QVERIFY(open());
  click(get<QListWidget>("lstInvoer"), "08-11-2023 Groep A Uitslag");
  QVERIFY(get<QPushButton>("cmdStart")->isEnabled());
  QTest::mouseClick(get<QPushButton>("cmdStart"), Qt::LeftButton);
  QVERIFY(m_boxes->boxes.isEmpty());
  QCOMPARE(QDir(m_folder->path("invoer")).entryList(QDir::Files),
           QStringList({"08-11-2023 Groep A Uitslag.TXT"}));
  QCOMPARE(m_folder->read("invoer/08-11-2023 Groep A Uitslag.TXT"), kop);
}

void TestFrmZemlo04::schemaInAnyCase() {
  setUpFolder(10);
  m_folder->write("groepen/08-11-2023 Groep A.txt", kZevenParen);
  m_folder->write("schema/10/08 Paren 06 Ronden Z.TXT",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Z.TXT"));
  m_folder->write("schema/10/08 paren 06 ronden z.txt",
                  testing::passendSchema("schema/10/08 paren 06 ronden z.txt"));
  m_folder->write("schema/10/08 Paren 06 Ronden Y.Txt",
                  testing::passendSchema("schema/10/08 Paren 06 Ronden Y.Txt"));
  QVERIFY(open());
  click(get<QListWidget>("lstGroepBestand"), "08-11-2023 Groep A");
  auto *lstSchema = get<QListWidget>("lstSchema");
  // Names that differ only in case are one file to every look-up: listed once.
  QCOMPARE(items(lstSchema), QStringList({"08 Paren 06 Ronden Y", "08 Paren 06 Ronden Z"}));
  click(lstSchema, "08 Paren 06 Ronden Y");
  QTest::mouseClick(get<QPushButton>("cmdStart"), Qt::LeftButton);
  QVERIFY(m_boxes->boxes.isEmpty());
  QCOMPARE(m_folder->read("invoer/08-11-2023 Groep A Uitslag.txt"),
           QByteArray(
               "08-11-2023 Groep A Uitslag\r\n8\r\n8\r\n6\r\n4\r\n08 Paren 06 Ronden Y\r\n0\r\n"));
}

#include "preparation_window_test.moc"
ZEMLO_TEST_CLASS(TestFrmZemlo04)
