// The names window, driven like a person.
#include "common/echteboxen.h"
#include "common/orakels.h"
#include "common/vensters.h"
#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "groups/frmzemlo02.h"
#include "groups_fixture.h"
#include "platform/files.h"
#include "platform/gridviewmodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace groupstest;

namespace {
void type(QLineEdit *box, const QString &text) {
  box->setFocus();
  QTest::keyClicks(box, text);
  QApplication::processEvents();
}
void enter(QLineEdit *box) {
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Return);
  QApplication::processEvents();
}
void addName(frmZemlo02 *w, const QString &first, const QString &last, const QString &mail,
             int title) {
  type(w->txtNaam[0], first);
  type(w->txtNaam[1], last);
  type(w->txtNaam[2], mail);
  if (title >= 0)
    Program::click(w->chkTitel[title]);
  QVERIFY(w->cmdToevoegen->isEnabled());
  Program::click(w->cmdToevoegen);
}
// A key carrying a letter, as a keyboard that has it types it.
void typeLetter(QWidget *box, const QString &letter) {
  box->setFocus();
  const auto key = static_cast<Qt::Key>(letter.toUpper().at(0).unicode());
  QTest::sendKeyEvent(QTest::Press, box, key, letter, Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Release, box, key, letter, Qt::NoModifier);
  QApplication::processEvents();
}
void paste(QLineEdit *box, const QString &text) {
  box->setFocus();
  QApplication::clipboard()->setText(text);
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  QApplication::processEvents();
}
// A key pressed where the focus is, as on the real window.
void press(QWidget *w, Qt::Key key) {
  QWidget *focus = QApplication::focusWidget();
  QTest::keyClick(focus && focus->window() == w ? focus : w, key);
  QApplication::processEvents();
}
const QString kNietTeBewaren = QStringLiteral("Het teken <%1> kan niet worden opgeslagen.\n"
                                              "Gebruik een ander teken.");
const QString kLijstOnbewaard = QStringLiteral("Er zijn namen ingevoerd of gewijzigd die nog niet "
                                               "zijn opgeslagen.\nWilt u de namenlijst nu "
                                               "opslaan?");
// Every cell of a grid, text and alignment, and the widths of its columns.
QStringList cells(const platform::GridModel &grid) {
  QStringList out = testing::cellTexts(grid);
  for (int c = 0; c < grid.cols(); ++c)
    out.append(QStringLiteral("width %1 %2").arg(c).arg(grid.colWidth(c)));
  return out;
}
int listIndex(QListWidget *list, const QString &text) {
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->text() == text)
      return i;
  return -1;
}
} // namespace

class NamesWindowTest : public QObject {
  Q_OBJECT
private slots:
  void addEditSortSaveAndDelete() {
    Program p(10);
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QVERIFY(w);
    QVERIFY(!p.main->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Namen invoeren"));
    QVERIFY(!w->cmdToevoegen->isEnabled() && !w->cmdOpslaan->isEnabled() &&
            !w->cmdWissen->isEnabled() && !w->txtNaamBestand->isEnabled());
    QVERIFY(w->lblTitel->isHidden());

    // Both names typed without a title: the hint shows, Add stays disabled.
    type(w->txtNaam[0], QStringLiteral("Jan"));
    type(w->txtNaam[1], QStringLiteral("Bakker"));
    QVERIFY(w->lblTitel->isVisible());
    QVERIFY(!w->cmdToevoegen->isEnabled());
    Program::click(w->chkTitel[0]);
    QVERIFY(w->lblTitel->isHidden() && w->cmdToevoegen->isEnabled());
    // Switching title keeps Add; unticking it disables Add again.
    Program::click(w->chkTitel[1]);
    QVERIFY(!w->chkTitel[0]->isChecked() && w->cmdToevoegen->isEnabled());
    Program::click(w->chkTitel[1]);
    QVERIFY(w->lblTitel->isVisible() && !w->cmdToevoegen->isEnabled());
    Program::click(w->chkTitel[0]);
    type(w->txtNaam[2], QStringLiteral("jan@bakker.nl"));
    Program::click(w->cmdToevoegen);
    for (QLineEdit *box : w->txtNaam)
      QVERIFY(box->text().isEmpty());
    QVERIFY(!w->chkTitel[0]->isChecked() && !w->chkTitel[1]->isChecked());
    QVERIFY(!w->cmdToevoegen->isEnabled());

    addName(w, QStringLiteral("Els"), QStringLiteral("Jansen"), QStringLiteral("els@jansen.nl"), 1);
    // Enter in the first-name box adds even without a title.
    type(w->txtNaam[1], QStringLiteral("Aalders"));
    type(w->txtNaam[0], QStringLiteral("Piet"));
    enter(w->txtNaam[0]);
    QCOMPARE(w->namen.rows(), 5);
    // Sorted by last name and numbered; the last row stays empty.
    QCOMPARE(row(w->namen, 1), QStringLiteral("1||Piet|Aalders|"));
    QCOMPARE(row(w->namen, 2), QStringLiteral("2|Dhr.|Jan|Bakker|jan@bakker.nl"));
    QCOMPARE(row(w->namen, 3), QStringLiteral("3|Mevr.|Els|Jansen|els@jansen.nl"));
    QCOMPARE(row(w->namen, 4), QStringLiteral("||||"));

    // A row clicked: No takes it back into the entry boxes to be edited.
    p.boxes.answers = {false};
    clickCell(w->msfgNamen, 2, 2);
    QCOMPARE(p.takeBoxes(), QStringList({"Wilt u de naam 2 Dhr. Jan Bakker jan@bakker.nl "
                                         "verwijderen uit deze lijst?"}));
    QVERIFY(w->chkTitel[0]->isChecked() && !w->chkTitel[1]->isChecked());
    QCOMPARE(w->txtNaam[1]->text(), QStringLiteral("Bakker"));
    QVERIFY(w->cmdToevoegen->isEnabled());
    QCOMPARE(w->namen.rows(), 4);
    w->txtNaam[0]->clear();
    type(w->txtNaam[0], QStringLiteral("Johan"));
    Program::click(w->cmdToevoegen);
    QCOMPARE(row(w->namen, 2), QStringLiteral("2|Dhr.|Johan|Bakker|jan@bakker.nl"));
    // Yes removes the row.
    p.boxes.answers = {true};
    clickCell(w->msfgNamen, 1, 3);
    QCOMPARE(w->namen.rows(), 4);
    QCOMPARE(row(w->namen, 1), QStringLiteral("1|Dhr.|Johan|Bakker|jan@bakker.nl"));
    // A click on the empty last row asks nothing.
    clickCell(w->msfgNamen, 3, 2);
    QVERIFY(p.takeBoxes().size() == 1);
    addName(w, QStringLiteral("Anna"), QStringLiteral("Zwart"), QString(), 1);

    // A sort from the header on the first names; the save keeps that order.
    clickCell(w->msfgNamen, 0, 2);
    QCOMPARE(row(w->namen, 1, 2, 2), QStringLiteral("Anna"));
    QCOMPARE(row(w->namen, 3, 0, 2), QStringLiteral("3|Dhr.|Johan"));
    type(w->txtNaamBestand, QStringLiteral("Club"));
    QVERIFY(w->cmdOpslaan->isEnabled());
    Program::click(w->cmdOpslaan);
    const QByteArray expected = "Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n"
                                "1|Mevr.|Anna|Zwart|\r\n"
                                "2|Mevr.|Els|Jansen|els@jansen.nl\r\n"
                                "3|Dhr.|Johan|Bakker|jan@bakker.nl\r\n";
    QCOMPARE(p.folder.read("namen/Club.txt"), expected);
    QCOMPARE(p.folder.read("namen/Club.mail"), expected);
    // After the save the window is empty again and the list shows the file.
    QCOMPARE(w->namen.rows(), 2);
    QVERIFY(w->txtNaamBestand->text().isEmpty() && !w->txtNaamBestand->isEnabled());
    QCOMPARE(w->lstNamenBestand->count(), 1);
    QCOMPARE(w->lstNamenBestand->currentRow(), -1);
    QVERIFY(!w->cmdWissen->isEnabled());

    // Opening the list sorts it by last name again.
    w->lstNamenBestand->setCurrentRow(0);
    QCOMPARE(w->fraInvoer->title(), QStringLiteral("Namen bestand: Club"));
    QCOMPARE(row(w->namen, 1, 0, 3), QStringLiteral("1|Dhr.|Johan|Bakker"));
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("Club"));
    QVERIFY(w->cmdWissen->isEnabled());
    // Re-sorting the list leaves nothing selected: Delete is disabled.
    Program::click(w->chkSorteer);
    QCOMPARE(w->chkSorteer->text(), QStringLiteral("Sorteer van laag naar hoog"));
    QVERIFY(!w->cmdWissen->isEnabled());

    // Delete: No keeps the file, Yes removes the .txt only.
    w->lstNamenBestand->setCurrentRow(0);
    p.boxes.answers = {false};
    Program::click(w->cmdWissen);
    QCOMPARE(p.takeBoxes(),
             QStringList({"U gaat het namen bestand (Club) wissen!\n\nZeker weten?"}));
    QVERIFY(p.folder.exists("namen/Club.txt") && w->cmdWissen->isEnabled());
    p.boxes.answers = {true};
    Program::click(w->cmdWissen);
    QVERIFY(!p.folder.exists("namen/Club.txt"));
    QVERIFY(p.folder.exists("namen/Club.mail"));
    QCOMPARE(w->lstNamenBestand->count(), 0);
    QCOMPARE(w->namen.rows(), 2);
    QVERIFY(!w->cmdWissen->isEnabled() && !w->txtNaamBestand->isEnabled());

    // Back closes the window and gives the main window back.
    Program::click(w->cmdTerug);
    testing::flushDeletes();
    QVERIFY(p.main->isEnabled());
    QVERIFY(!findWindow(QStringLiteral("frmZemlo02")));
  }

  // A player added to a long list comes in at their place: the grid shows
  // what opening the list with that player shows, its columns fitted as a
  // fresh fit does, the view keeps its place, and the grid changes by the
  // row added and the numbers under it alone.
  void addingToALongList() {
    Program p(10);
    QByteArray file = "Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n";
    for (int k = 1; k <= 400; ++k)
      file += QByteArray::number(k) + "|Dhr.|V" + QByteArray::number(k) + "|Naam" +
              QByteArray::number(1000 + (k * 7) % 400) + "|p" + QByteArray::number(k) +
              "@club.nl\r\n";
    file += "401|||Zwart|\r\n";
    p.folder.write("namen/Lang.txt", file);
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    w->lstNamenBestand->setCurrentRow(0);
    QCOMPARE(w->namen.rows(), 403);
    w->msfgNamen->verticalScrollBar()->setValue(300);
    const int top = w->msfgNamen->rowAt(0);
    QVERIFY(top > 250);

    QSignalSpy changed(&w->namen, &platform::GridModel::cellsChanged);
    QSignalSpy inserted(&w->namen, &platform::GridModel::rowsInserted);
    addName(w, QStringLiteral("Els"), QStringLiteral("Naam1199 with a name wider than any"),
            QStringLiteral("els@club.nl"), 1);
    QCOMPARE(inserted, QList<QVariantList>({{201, 201}}));
    QCOMPARE(changed.size(), 2); // the row added, the numbers under it
    QCOMPARE(w->namen.rows(), 404);
    QCOMPARE(row(w->namen, 200), QStringLiteral("200|Dhr.|V257|Naam1199|p257@club.nl"));
    QCOMPARE(row(w->namen, 201),
             QStringLiteral("201|Mevr.|Els|Naam1199 with a name wider than any|els@club.nl"));
    QCOMPARE(row(w->namen, 402), QStringLiteral("402|||Zwart|"));
    QCOMPARE(w->msfgNamen->tableModel()->rowCount(), 403);
    QCOMPARE(w->msfgNamen->rowAt(0), top);

    // The columns as a fit of the same cells in a new grid makes them.
    platform::GridModel fresh;
    fresh.setCols(w->namen.cols());
    fresh.setRows(w->namen.rows());
    for (int r = 0; r < fresh.rows(); ++r)
      for (int c = 0; c < fresh.cols(); ++c)
        fresh.setCell(r, c, w->namen.cell(r, c));
    BAS_Zemlo::GridKolomBreedte(fresh);
    QCOMPARE(cells(w->namen), cells(fresh));

    // Saved and opened again, the list shows as it did.
    const QStringList shown = cells(w->namen);
    p.boxes.answers = {true}; // the file is overwritten
    Program::click(w->cmdOpslaan);
    QCOMPARE(w->namen.rows(), 2);
    w->lstNamenBestand->setCurrentRow(0);
    QCOMPARE(cells(w->namen), shown);
  }

  void saveQuestions() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    p.folder.write("namen/Leeg.txt", "");
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    // A name typed and not added: Yes adds it before saving.
    addName(w, QStringLiteral("Ria"), QStringLiteral("Vos"), QString(), 1);
    type(w->txtNaam[0], QStringLiteral("Kees"));
    type(w->txtNaam[1], QStringLiteral("Smit"));
    type(w->txtNaamBestand, QStringLiteral("Leeg"));
    p.boxes.answers = {true};
    Program::click(w->cmdOpslaan);
    // The empty file of that name counts as absent: no overwrite question.
    QCOMPARE(p.takeBoxes().size(), 1);
    QCOMPARE(p.folder.read("namen/Leeg.txt"),
             QByteArray("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n1||Kees|Smit|\r\n"
                        "2|Mevr.|Ria|Vos|\r\n"));

    // An existing list: No writes nothing and keeps the grid; the name goes back.
    addName(w, QStringLiteral("Ria"), QStringLiteral("Vos"), QString(), 1);
    type(w->txtNaamBestand, QStringLiteral("club"));
    p.boxes.answers = {false};
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.takeBoxes(),
             QStringList({"Het bestand club bestaat al\n\nWilt u dit overschrijven?"}));
    QCOMPARE(p.folder.read("namen/Club.txt"), fixture("namen_nl.txt"));
    QCOMPARE(w->namen.rows(), 3);
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("club"));
    QVERIFY(w->cmdOpslaan->isEnabled());
    // Yes replaces the list of that name, whatever its letter case.
    p.boxes.answers = {true};
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.folder.read("namen/Club.txt"),
             QByteArray("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n1|Mevr.|Ria|Vos|\r\n"));
    QVERIFY(!p.folder.exists("namen/club.txt"));

    // A grid with no names writes the header alone, into both files.
    addName(w, QStringLiteral("Ria"), QStringLiteral("Vos"), QString(), 1);
    p.boxes.answers = {true};
    clickCell(w->msfgNamen, 1, 1);
    QCOMPARE(w->namen.rows(), 2);
    type(w->txtNaamBestand, QStringLiteral("Nieuw"));
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.folder.read("namen/Nieuw.txt"),
             QByteArray("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n"));
    QCOMPARE(p.folder.read("namen/Nieuw.mail"), p.folder.read("namen/Nieuw.txt"));
  }

  void failedSaveSaysSoAndKeepsTheList() {
    Program p(10);
    QVERIFY(QDir().mkpath(p.folder.path("namen/Vast.txt"))); // a folder in the way
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    addName(w, QStringLiteral("Ria"), QStringLiteral("Vos"), QString(), 1);
    type(w->txtNaamBestand, QStringLiteral("Vast"));
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.takeBoxes(), QStringList({"Het bestand namen/Vast.txt kan niet worden opgeslagen.\n"
                                         "Controleer de schijf en probeer het opnieuw."}));
    QCOMPARE(w->namen.rows(), 3);
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("Vast"));
  }

  // Saved over on a full disk: text 181, both files as they were, the list
  // kept for another try.
  void fullDiskKeepsTheOldFiles() {
    Program p(10);
    const QByteArray old("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n1|Dhr.|Jan|Oud|\r\n");
    p.folder.write("namen/Vast.txt", old);
    p.folder.write("namen/Vast.mail", old);
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    addName(w, QStringLiteral("Ria"), QStringLiteral("Vos"), QString(), 1);
    type(w->txtNaamBestand, QStringLiteral("Vast"));
    p.boxes.answers = {true}; // save over it
    {
      testing::FullDisk full;
      QVERIFY(full.isActive());
      Program::click(w->cmdOpslaan);
    }
    QCOMPARE(p.takeBoxes(), QStringList({"Het bestand Vast bestaat al\n\nWilt u dit overschrijven?",
                                         "Het bestand namen/Vast.txt kan niet worden opgeslagen.\n"
                                         "Controleer de schijf en probeer het opnieuw."}));
    QCOMPARE(p.folder.read("namen/Vast.txt"), old);
    QCOMPARE(p.folder.read("namen/Vast.mail"), old);
    QCOMPARE(w->namen.rows(), 3);
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("Vast"));
  }

  // A twin that fails after the list's ".txt" was written (a folder in its
  // way) is named; the list counts as saved: the grid starts anew and
  // leaving asks nothing.
  void aMailTwinThatFailsStillSavesTheList() {
    Program p(10);
    QVERIFY(QDir().mkpath(p.folder.path("namen/Vast.mail"))); // in the way
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QVERIFY(testing::activeer(w));
    addName(w, QStringLiteral("Ria"), QStringLiteral("Vos"), QString(), 1);
    type(w->txtNaamBestand, QStringLiteral("Vast"));
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.takeBoxes(), QStringList({"Het bestand namen/Vast.mail kan niet worden opgeslagen.\n"
                                         "Controleer de schijf en probeer het opnieuw."}));
    QCOMPARE(p.folder.read("namen/Vast.txt"),
             QByteArray("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n1|Mevr.|Ria|Vos|\r\n"));
    QCOMPARE(w->namen.rows(), 2);
    QVERIFY(w->txtNaamBestand->text().isEmpty());
    QCOMPARE(listIndex(w->lstNamenBestand, "Vast"), 0);
    {
      testing::EchteBoxen boxen;
      press(w, Qt::Key_Escape);
      QVERIFY(boxen.teksten.isEmpty());
    }
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo02")));
  }

  // A names file that cannot be read (no read permission, which root does
  // not feel: the stand-in refuses it) is named as such; nothing offers to
  // delete it. One that cannot be deleted says so and stays in the grid.
  void unreadableOrUndeletableList() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    p.folder.write("namen/Vast.txt", fixture("namen_nl.txt"));
    platform::setUnreadableFiles({p.folder.path("namen/Vast.txt")});
    platform::setUndeletableFiles({p.folder.path("namen/Club.txt")});
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    w->lstNamenBestand->setCurrentRow(listIndex(w->lstNamenBestand, "Vast"));
    QCOMPARE(p.takeBoxes(), QStringList({"Het bestand namen/Vast.txt kan niet worden gelezen.\n"
                                         "Controleer de rechten van het bestand en probeer het "
                                         "opnieuw."}));
    QVERIFY(!w->cmdWissen->isEnabled());
    QCOMPARE(w->namen.rows(), 2);

    w->lstNamenBestand->setCurrentRow(listIndex(w->lstNamenBestand, "Club"));
    QCOMPARE(w->namen.rows(), 8);
    p.boxes.answers = {true};
    Program::click(w->cmdWissen);
    QCOMPARE(p.takeBoxes(),
             QStringList({"U gaat het namen bestand (Club) wissen!\n\nZeker weten?",
                          "Dit kon niet worden gewist:\nnamen/Club.txt\n\nControleer de rechten "
                          "van de map en probeer het opnieuw."}));
    QVERIFY(p.folder.exists("namen/Club.txt"));
    QCOMPARE(w->namen.rows(), 8);
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("Club"));
    QVERIFY(w->cmdWissen->isEnabled());
  }

  void editRecognisesTitleInEitherLanguage_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::newRow("Dhr.") << "Dhr." << true << false;
    QTest::newRow("Mevr.") << "Mevr." << false << true;
    QTest::newRow("Mr.") << "Mr." << true << false;
    QTest::newRow("Mrs.") << "Mrs." << false << true;
    QTest::newRow("unknown") << "Dr." << false << false;
    QTest::newRow("empty") << "" << false << false;
  }
  void editRecognisesTitleInEitherLanguage() {
    QFETCH(QString, title);
    QFETCH(bool, first);
    QFETCH(bool, second);
    Program p(11);
    p.folder.write("namen/Club.txt", "Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n1|" +
                                         title.toLatin1() + "|Jan|Bakker|jan@bakker.nl\r\n");
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    // A Dutch list keeps its Dutch headings under English.
    w->lstNamenBestand->setCurrentRow(0);
    QCOMPARE(w->namen.textMatrix(0, 2), QStringLiteral("Voornaam"));
    Program::click(w->chkTitel[1]); // a box ticked before: the row's title decides
    p.boxes.answers = {false};
    clickCell(w->msfgNamen, 1, 2);
    QCOMPARE(w->chkTitel[0]->isChecked(), first);
    QCOMPARE(w->chkTitel[1]->isChecked(), second);
    QCOMPARE(w->cmdToevoegen->isEnabled(), first || second);
    QCOMPARE(w->lblTitel->isVisible(), !(first || second));
    if (first || second) {
      Program::click(w->cmdToevoegen);
      QCOMPARE(w->namen.textMatrix(1, 1), first ? QStringLiteral("Mr.") : QStringLiteral("Mrs."));
    }
  }

  void refusesFieldSeparatorAndOtherCharacters() {
    Program p(10);
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    const QString shown =
        QStringLiteral("Deze tekens <>#%$*&:;\\/?.,'=+`~@^\"- zijn niet toegestaan!");
    type(w->txtNaam[0], QStringLiteral("Jan|Piet"));
    QCOMPARE(w->txtNaam[0]->text(), QStringLiteral("JanPiet"));
    QCOMPARE(p.takeBoxes(), QStringList({shown}));
    type(w->txtNaam[1], QStringLiteral("de-Vries"));
    QCOMPARE(w->txtNaam[1]->text(), QStringLiteral("deVries"));
    type(w->txtNaam[2], QStringLiteral("a|b@c.nl"));
    QCOMPARE(w->txtNaam[2]->text(), QStringLiteral("ab@c.nl"));
    QCOMPARE(p.takeBoxes().size(), 2);
    // Pasted text with a refused character is refused as a whole.
    for (const QString &pasted : {QStringLiteral("x|y"), QStringLiteral("x\ny")}) {
      QApplication::clipboard()->setText(pasted);
      w->txtNaam[0]->setFocus();
      QTest::keyClick(w->txtNaam[0], Qt::Key_V, Qt::ControlModifier);
      QApplication::processEvents();
      QVERIFY2(!w->txtNaam[0]->text().contains(u'|') && !w->txtNaam[0]->text().contains(u'\n'),
               qPrintable(w->txtNaam[0]->text()));
    }
    // Doubled "." and "@" and a second "@" are repaired when the key is released.
    w->txtNaam[2]->clear();
    type(w->txtNaam[2], QStringLiteral("jan..bakker@@club.nl"));
    QCOMPARE(w->txtNaam[2]->text(), QStringLiteral("jan.bakker@club.nl"));
    type(w->txtNaam[2], QStringLiteral("@"));
    QCOMPARE(w->txtNaam[2]->text(), QStringLiteral("jan.bakker@club.nl"));
    // The file name refuses the shared set.
    w->txtNaamBestand->setEnabled(true);
    p.takeBoxes();
    type(w->txtNaamBestand, QStringLiteral("a/b"));
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("ab"));
    QCOMPARE(p.takeBoxes(),
             QStringList({"Deze tekens <>#%$*&:;\\/?.,'=+`~@^\" zijn niet toegestaan!"}));
    // Up and Down move between the entry boxes, wrapping.
    w->txtNaam[0]->setFocus();
    QTest::keyClick(w->txtNaam[0], Qt::Key_Up);
    QVERIFY(w->txtNaam[2]->hasFocus());
    QTest::keyClick(w->txtNaam[2], Qt::Key_Down);
    QVERIFY(w->txtNaam[0]->hasFocus());
    // Escape closes the window once the address typed is let go.
    p.boxes.keuzes = {platform::Keuze::Nee};
    QTest::keyClick(w->txtNaam[0], Qt::Key_Escape);
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo02")));
    QVERIFY(p.main->isEnabled());
  }

  void handEditedFileOpensAndSavesSoundly() {
    Program p(10);
    p.folder.write("namen/Kapot.txt", fixture("namen_kapot.txt"));
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    w->lstNamenBestand->setCurrentRow(listIndex(w->lstNamenBestand, "Kapot"));
    QCOMPARE(w->namen.rows(), 6);
    // Opening changes nothing on disk.
    QCOMPARE(p.folder.read("namen/Kapot.txt"), fixture("namen_kapot.txt"));
    p.boxes.answers = {true};
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.folder.read("namen/Kapot.txt"),
             QByteArray("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n"
                        "1|Mevr.|Els||\r\n"
                        "2|Dhr.|Jan|Bakker|jan@bakker.nl\r\n"
                        "3|Dhr.|Kees|Smit|kees@smit.nl\r\n"
                        "4|Mevr.|Ria|Vos|ria@vos.nl\r\n"));
  }

  // A name with a character the boxes refuse (a hyphen, written by hand) can
  // still be edited: only a refused character that the edit adds is refused.
  void editingANameThatHoldsARefusedCharacter() {
    Program p(10);
    p.folder.write("namen/Club.txt", "Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n"
                                     "1|Dhr.|Jan|Jansen-Smit|jan@club.nl\r\n");
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    w->lstNamenBestand->setCurrentRow(0);
    p.boxes.answers = {false};
    clickCell(w->msfgNamen, 1, 2);
    p.takeBoxes();
    QCOMPARE(w->txtNaam[1]->text(), QStringLiteral("Jansen-Smit"));
    w->txtNaam[1]->setFocus();
    QTest::keyClick(w->txtNaam[1], Qt::Key_End);
    QTest::keyClicks(w->txtNaam[1], QStringLiteral("x"));
    QTest::keyClick(w->txtNaam[1], Qt::Key_Backspace);
    QTest::keyClick(w->txtNaam[1], Qt::Key_Backspace);
    QApplication::processEvents();
    QCOMPARE(w->txtNaam[1]->text(), QStringLiteral("Jansen-Smi"));
    QVERIFY(p.takeBoxes().isEmpty());
    // A pasted refused character is still refused, the text staying as it was.
    QApplication::clipboard()->setText(QStringLiteral("|x"));
    QTest::keyClick(w->txtNaam[1], Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    QCOMPARE(w->txtNaam[1]->text(), QStringLiteral("Jansen-Smi"));
    QCOMPARE(p.takeBoxes().size(), 1);
    // A "|" pasted over the "-" is refused too, though the number of refused
    // characters stays the same: it would split the fields of the file.
    w->txtNaam[1]->setText(QStringLiteral("Jansen-Smit"));
    w->txtNaam[1]->setSelection(6, 1);
    QApplication::clipboard()->setText(QStringLiteral("|"));
    QTest::keyClick(w->txtNaam[1], Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    QCOMPARE(w->txtNaam[1]->text(), QStringLiteral("Jansen-Smit"));
    QCOMPARE(p.takeBoxes().size(), 1);
    // So can a file name that holds a refused "." (a file made by hand).
    p.folder.write("namen/Club.2024.txt", "Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n");
    Program::click(w->chkSorteer);
    p.boxes.keuzes = {platform::Keuze::Nee}; // the name typed is let go
    w->lstNamenBestand->setCurrentRow(listIndex(w->lstNamenBestand, "Club.2024"));
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("Club.2024"));
    QCOMPARE(p.takeBoxes().size(), 1);
    w->txtNaamBestand->setFocus();
    QTest::keyClick(w->txtNaamBestand, Qt::Key_End);
    QTest::keyClick(w->txtNaamBestand, Qt::Key_Backspace);
    QApplication::processEvents();
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("Club.202"));
    QVERIFY(p.takeBoxes().isEmpty());
  }

  // A list whose file name has other letters is opened, saved over and
  // deleted like its lower-case twin, and listed once.
  void filesInAnyLetterCase() {
    Program p(10);
    p.folder.write("namen/Club.TXT", fixture("namen_nl.txt"));
    p.folder.write("namen/Anders.txt", fixture("namen_en.txt"));
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QCOMPARE(w->lstNamenBestand->count(), 2);
    w->lstNamenBestand->setCurrentRow(listIndex(w->lstNamenBestand, "Club"));
    QCOMPARE(w->namen.rows(), 8);
    QCOMPARE(row(w->namen, 1, 0, 3), QStringLiteral("1|Dhr.|Jan|Bakker"));
    // Saving under the name in other letters asks first and writes into the file there.
    w->txtNaamBestand->setText(QStringLiteral("club"));
    p.boxes.answers = {true};
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.takeBoxes(),
             QStringList({"Het bestand club bestaat al\n\nWilt u dit overschrijven?"}));
    QCOMPARE(QDir(p.folder.path("namen")).entryList(QDir::Files, QDir::Name),
             QStringList({"Anders.txt", "Club.TXT", "Club.mail"}));
    QCOMPARE(p.folder.read("namen/Club.mail"), p.folder.read("namen/Club.TXT"));
    QVERIFY(
        p.folder.read("namen/Club.TXT")
            .startsWith("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n1|Dhr.|Jan|Bakker|"));
    // A twin in lower case is listed once with it; each delete removes one file.
    p.folder.write("namen/club.txt", fixture("namen_en.txt"));
    Program::click(w->chkSorteer);
    Program::click(w->chkSorteer);
    QCOMPARE(w->lstNamenBestand->count(), 2);
    for (const QString &rest : {QStringLiteral("club.txt"), QString()}) {
      w->lstNamenBestand->setCurrentRow(listIndex(w->lstNamenBestand, "Anders") == 0 ? 1 : 0);
      QVERIFY(w->cmdWissen->isEnabled());
      p.boxes.answers = {true};
      Program::click(w->cmdWissen);
      QStringList over = {"Anders.txt", "Club.mail"};
      if (!rest.isEmpty())
        over.append(rest);
      QCOMPARE(QDir(p.folder.path("namen")).entryList(QDir::Files, QDir::Name), over);
    }
    QCOMPARE(w->lstNamenBestand->count(), 1);
  }

  void englishCaptions() {
    Program p(11);
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QCOMPARE(w->windowTitle(), QStringLiteral("Enter names"));
    QCOMPARE(row(w->namen, 0), QStringLiteral("No.|Mr / Mrs|First name|Last name|E-mail address"));
    QCOMPARE(w->cmdToevoegen->text(), QStringLiteral("&Add"));
    QCOMPARE(w->lblNaam[2]->text(), QStringLiteral("E-mail address:"));
    QCOMPARE(w->lblNaamBestand->text(), QStringLiteral("File name: "));
  }

  // A letter that a names file (Windows-1252) cannot hold is refused where
  // it is typed, pasted or composed, with a box that names it; nothing is
  // ever saved as "?".
  void refusesLettersNoFileCanHold() {
    Program p(10);
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    typeLetter(w->txtNaam[0], QStringLiteral("\u0141")); // Ł
    QCOMPARE(w->txtNaam[0]->text(), QString());
    QCOMPARE(p.takeBoxes(), QStringList({kNietTeBewaren.arg(QStringLiteral("\u0141"))}));
    QVERIFY(w->txtNaam[0]->hasFocus());
    type(w->txtNaam[0], QStringLiteral("Lukasz"));
    type(w->txtNaam[1], QStringLiteral("Wi"));
    // A letter of Windows-1252 beyond ASCII is taken.
    typeLetter(w->txtNaam[1], QStringLiteral("\u00eb"));
    typeLetter(w->txtNaam[1], QStringLiteral("\u015b")); // ś
    QCOMPARE(w->txtNaam[1]->text(), QStringLiteral("Wi\u00eb"));
    QCOMPARE(p.takeBoxes(), QStringList({kNietTeBewaren.arg(QStringLiteral("\u015b"))}));
    paste(w->txtNaam[1], QStringLiteral("\u015bniewski"));
    QCOMPARE(w->txtNaam[1]->text(), QStringLiteral("Wi\u00eb"));
    paste(w->txtNaam[2], QStringLiteral("\u0142ukasz@klub.pl"));
    QCOMPARE(w->txtNaam[2]->text(), QString());
    QCOMPARE(p.takeBoxes(), QStringList({kNietTeBewaren.arg(QStringLiteral("\u015b")),
                                         kNietTeBewaren.arg(QStringLiteral("\u0142"))}));
    // A letter composed by an input method (a dead key, a compose key).
    {
      w->txtNaam[2]->setFocus();
      QInputMethodEvent compose;
      compose.setCommitString(QStringLiteral("\u0142"));
      QApplication::sendEvent(w->txtNaam[2], &compose);
      QApplication::processEvents();
    }
    QCOMPARE(w->txtNaam[2]->text(), QString());
    QCOMPARE(p.takeBoxes(), QStringList({kNietTeBewaren.arg(QStringLiteral("\u0142"))}));
    type(w->txtNaam[2], QStringLiteral("lukasz@klub.pl"));
    Program::click(w->chkTitel[0]);
    Program::click(w->cmdToevoegen);
    // The file-name box refuses such a letter too.
    typeLetter(w->txtNaamBestand, QStringLiteral("\u0141"));
    paste(w->txtNaamBestand, QStringLiteral("K\u0142ub"));
    QCOMPARE(w->txtNaamBestand->text(), QString());
    QCOMPARE(p.takeBoxes(), QStringList({kNietTeBewaren.arg(QStringLiteral("\u0141")),
                                         kNietTeBewaren.arg(QStringLiteral("\u0142"))}));
    type(w->txtNaamBestand, QStringLiteral("Club"));
    Program::click(w->cmdOpslaan);
    QVERIFY(p.takeBoxes().isEmpty());
    QCOMPARE(p.folder.read("namen/Club.txt"),
             QByteArray("Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n"
                        "1|Dhr.|Lukasz|Wi\xeb|lukasz@klub.pl\r\n"));
  }

  // A control character pasted into a box (a tab, U+0001, DEL, a C1
  // character that a Windows-1252 byte would keep) is refused as a letter
  // beyond Windows-1252 is, named so that it can be seen; a name read from a
  // file that holds one can still be edited.
  void refusesControlCharacters_data() {
    QTest::addColumn<int>("box"); // 0 to 2 the entry boxes, 3 the file name
    QTest::addColumn<QString>("geplakt");
    QTest::addColumn<QString>("getoond");
    QTest::newRow("tab in a first name") << 0 << QStringLiteral("Jan\tPiet") << "U+0009";
    QTest::newRow("U+0001 in a last name") << 1 << QStringLiteral("de\u0001Vries") << "U+0001";
    QTest::newRow("DEL in an address") << 2 << QStringLiteral("a\u007f@b.nl") << "U+007F";
    QTest::newRow("U+0081 in a last name") << 1 << QStringLiteral("Vos\u0081") << "U+0081";
    QTest::newRow("tab in a file name") << 3 << QStringLiteral("Club\t2") << "U+0009";
  }
  void refusesControlCharacters() {
    QFETCH(int, box);
    QFETCH(QString, geplakt);
    QFETCH(QString, getoond);
    Program p(10);
    p.folder.write("namen/Club.txt", "Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n"
                                     "1|Dhr.|Jan\tKees|Bakker|\r\n");
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QLineEdit *vak = box == 3 ? w->txtNaamBestand : w->txtNaam[box];
    if (box == 3)
      addName(w, QStringLiteral("Ria"), QStringLiteral("Vos"), QString(), 1);
    paste(vak, geplakt);
    QCOMPARE(vak->text(), QString());
    QCOMPARE(p.takeBoxes(), QStringList({kNietTeBewaren.arg(getoond)}));
    QVERIFY(vak->hasFocus());
    // A first name with a tab, read from a file, takes more letters.
    if (box != 0)
      return;
    w->lstNamenBestand->setCurrentRow(0);
    p.boxes.answers = {false};
    clickCell(w->msfgNamen, 1, 2);
    QCOMPARE(w->txtNaam[0]->text(), QStringLiteral("Jan\tKees"));
    w->txtNaam[0]->setFocus();
    w->txtNaam[0]->end(false);
    type(w->txtNaam[0], QStringLiteral("je"));
    QCOMPARE(w->txtNaam[0]->text(), QStringLiteral("Jan\tKeesje"));
  }

  // Escape, Back and the close box ask before names typed or changed are
  // lost: Yes saves, No lets them go, Cancel stays. Pressed on the real
  // window, each box shown and answered by a key.
  void leavingAsksBeforeNamesAreLost() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QVERIFY(testing::activeer(w));
    // Opened and only sorted: nothing to lose, Escape closes at once.
    w->lstNamenBestand->setCurrentRow(listIndex(w->lstNamenBestand, "Club"));
    clickCell(w->msfgNamen, 0, 2);
    {
      testing::EchteBoxen boxen;
      press(w, Qt::Key_Escape);
      QVERIFY(boxen.teksten.isEmpty());
    }
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo02")));

    w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QVERIFY(testing::activeer(w));
    w->lstNamenBestand->setCurrentRow(listIndex(w->lstNamenBestand, "Club"));
    addName(w, QStringLiteral("Kees"), QStringLiteral("Mol"), QString(), 0);
    QCOMPARE(w->namen.rows(), 9);
    // Cancel stays with everything as it was.
    {
      testing::EchteBoxen boxen({Qt::Key_Escape});
      press(w, Qt::Key_Escape);
      QCOMPARE(boxen.teksten, QStringList({kLijstOnbewaard}));
    }
    testing::flushDeletes();
    QVERIFY(findWindow(QStringLiteral("frmZemlo02")) == w);
    QCOMPARE(w->namen.rows(), 9);
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("Club"));
    // Another list chosen asks the same; Cancel keeps this one chosen.
    p.folder.write("namen/Ander.txt", fixture("namen_nl.txt"));
    Program::click(w->chkSorteer);
    {
      testing::EchteBoxen boxen({Qt::Key_Escape});
      w->lstNamenBestand->setCurrentRow(listIndex(w->lstNamenBestand, "Ander"));
      QCOMPARE(boxen.teksten, QStringList({kLijstOnbewaard}));
    }
    QCOMPARE(w->namen.rows(), 9);
    QCOMPARE(w->lstNamenBestand->selectedItems().size(), 0); // the refill chose none
    // Yes at Back saves under the name in the box (after the question over
    // the file there) and closes.
    QVERIFY(testing::activeer(w));
    {
      testing::EchteBoxen boxen({Qt::Key_Return, Qt::Key_Return});
      Program::click(w->cmdTerug);
      QCOMPARE(boxen.teksten,
               QStringList(
                   {kLijstOnbewaard, "Het bestand Club bestaat al\n\nWilt u dit overschrijven?"}));
    }
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo02")));
    QVERIFY(p.folder.read("namen/Club.txt").contains("|Dhr.|Kees|Mol|\r\n"));

    // A name typed and not added counts too; No at the close box lets it go.
    w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QVERIFY(testing::activeer(w));
    type(w->txtNaam[0], QStringLiteral("Els"));
    {
      testing::EchteBoxen boxen({Qt::Key_N});
      w->close();
      QCOMPARE(boxen.teksten, QStringList({kLijstOnbewaard}));
    }
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo02")));
    QVERIFY(p.main->isEnabled());
    // Yes with no file name to save under says so and stays.
    w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QVERIFY(testing::activeer(w));
    type(w->txtNaam[0], QStringLiteral("Els"));
    {
      testing::EchteBoxen boxen({Qt::Key_Return, Qt::Key_Return});
      press(w, Qt::Key_Escape);
      QCOMPARE(boxen.teksten,
               QStringList({kLijstOnbewaard, "Geef de namenlijst eerst een bestandsnaam.\nDaarna "
                                             "kunt u de lijst opslaan."}));
    }
    testing::flushDeletes();
    QVERIFY(findWindow(QStringLiteral("frmZemlo02")) == w);
    QVERIFY(w->txtNaamBestand->isEnabled() && w->focusWidget() == w->txtNaamBestand);
    QCOMPARE(w->txtNaam[0]->text(), QStringLiteral("Els"));
  }

  // A row put back into the entry boxes (No to text 113) never overwrites a
  // name typed there and not added: text 138 asks first, Yes adds it, No
  // lets it go, Cancel leaves row and boxes as they were.
  void puttingARowBackKeepsTheNameTyped() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QVERIFY(testing::activeer(w));
    w->lstNamenBestand->setCurrentRow(listIndex(w->lstNamenBestand, "Club"));
    type(w->txtNaam[0], QStringLiteral("Kees"));
    type(w->txtNaam[1], QStringLiteral("Mol"));
    const QString weg1 = QStringLiteral(
        "Wilt u de naam 1 Dhr. Jan Bakker jan@bakker.nl verwijderen uit deze lijst?");
    const QString nietToegevoegd =
        "Er is een naam ingevuld en niet toegevoegd aan de lijst.\nWilt u de naam alsnog "
        "toevoegen aan de lijst?\nAnders gaat deze naam verloren en wordt niet opgenomen in de "
        "namenlijst.\n\nDe naam alsnog toevoegen aan de lijst?";
    {
      testing::EchteBoxen boxen({Qt::Key_Escape, Qt::Key_Escape}); // No, then Cancel
      clickCell(w->msfgNamen, 1, 2);
      QCOMPARE(boxen.teksten, QStringList({weg1, nietToegevoegd}));
    }
    QCOMPARE(row(w->namen, 1), QStringLiteral("1|Dhr.|Jan|Bakker|jan@bakker.nl"));
    QCOMPARE(w->txtNaam[0]->text() + ' ' + w->txtNaam[1]->text(), QStringLiteral("Kees Mol"));
    // Yes adds the name typed, then the row goes into the boxes.
    QVERIFY(testing::activeer(w));
    {
      testing::EchteBoxen boxen({Qt::Key_Escape, Qt::Key_Return});
      clickCell(w->msfgNamen, 1, 2);
      QCOMPARE(boxen.teksten, QStringList({weg1, nietToegevoegd}));
    }
    QCOMPARE(w->txtNaam[0]->text() + ' ' + w->txtNaam[1]->text(), QStringLiteral("Jan Bakker"));
    QCOMPARE(w->txtNaam[2]->text(), QStringLiteral("jan@bakker.nl"));
    QCOMPARE(row(w->namen, 5), QStringLiteral("5||Kees|Mol|"));
    QCOMPARE(w->namen.rows(), 8); // Bakker out, Mol in
    // A second No in a row: the player in the boxes is added back, not lost.
    QVERIFY(testing::activeer(w));
    {
      testing::EchteBoxen boxen({Qt::Key_Escape, Qt::Key_Return});
      clickCell(w->msfgNamen, 1, 2); // Piet de Jong
      QCOMPARE(boxen.teksten.size(), 2);
    }
    QCOMPARE(w->txtNaam[0]->text() + ' ' + w->txtNaam[1]->text(), QStringLiteral("Piet de Jong"));
    QCOMPARE(row(w->namen, 1), QStringLiteral("1|Dhr.|Jan|Bakker|jan@bakker.nl"));
    QCOMPARE(w->namen.rows(), 8);
  }

  // An Alt letter that no enabled button takes types nothing: Alt+O while
  // Add and Save are disabled leaves the last name as typed; once Add is
  // enabled, Alt+O adds the name.
  void altLetterOfADisabledButtonTypesNothing() {
    Program p(10);
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QVERIFY(testing::activeer(w));
    w->txtNaam[0]->setFocus();
    testing::inWachtrij(w, "Anna");
    testing::inWachtrij(w, Qt::Key_Down);
    testing::inWachtrij(w, "Bos");
    testing::inWachtrij(w, "o", Qt::AltModifier);
    testing::inWachtrij(w, "O", Qt::AltModifier | Qt::ShiftModifier);
    testing::inWachtrij(w, "x", Qt::AltModifier);
    testing::inWachtrij(w, "s");
    QTRY_COMPARE(w->txtNaam[1]->text(), QStringLiteral("Boss"));
    QVERIFY(!w->cmdToevoegen->isEnabled() && !w->cmdOpslaan->isEnabled());
    w->chkTitel[1]->click();
    QVERIFY(w->cmdToevoegen->isEnabled());
    w->txtNaam[1]->setFocus();
    testing::inWachtrij(w, "o", Qt::AltModifier);
    QTRY_COMPARE(row(w->namen, 1), QStringLiteral("1|Mevr.|Anna|Boss|"));
    QVERIFY(p.takeBoxes().isEmpty());
  }

  // Keys typed ahead while a step moves the focus or repairs a box reach the
  // box that has the focus once the step has ended, in the order typed.
  void keysTypedAheadReachTheirBox() {
    Program p(10);
    auto *w = p.open<frmZemlo02>(p.main->cmdNamenInvoeren);
    QVERIFY(testing::activeer(w));
    w->txtNaam[0]->setFocus();
    // ENTER in the first-name box goes on to the empty last-name box, Down
    // to the e-mail box, where a doubled "." and "@" and a second "@" are
    // repaired as they are typed; Down twice to the last-name box again, and
    // ENTER there adds the name.
    testing::inWachtrij(w, "Jan~Bakke");
    testing::inWachtrij(w, Qt::Key_Down);
    testing::inWachtrij(w, "a..b@@c@d@");
    testing::inWachtrij(w, Qt::Key_Down);
    testing::inWachtrij(w, Qt::Key_Down);
    testing::inWachtrij(w, "rs~Pie");
    QTRY_COMPARE(w->txtNaam[0]->text(), QStringLiteral("Pie"));
    QCOMPARE(row(w->namen, 1), QStringLiteral("1||Jan|Bakkers|a.b@cd"));
    QCOMPARE(w->txtNaam[1]->text(), QString());
    QCOMPARE(w->txtNaam[2]->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w->txtNaam[0]);
    testing::inWachtrij(w, "t");
    QTRY_COMPARE(w->txtNaam[0]->text(), QStringLiteral("Piet"));
    QVERIFY(p.takeBoxes().isEmpty());

    // Escape typed after ENTER closes the window once ENTER's step has
    // ended, not inside it.
    const QPointer<frmZemlo02> venster(w);
    p.boxes.keuzes = {platform::Keuze::Nee};
    testing::inWachtrij(w, "~");
    testing::inWachtrij(w, Qt::Key_Escape);
    QTRY_VERIFY(!venster || venster->isHidden());
    testing::flushDeletes();
    QVERIFY(!venster);
    QCOMPARE(p.takeBoxes(), QStringList{kLijstOnbewaard});
    QVERIFY(p.main->isEnabled());
  }
};

#include "names_window_test.moc"
ZEMLO_TEST_CLASS(NamesWindowTest)
