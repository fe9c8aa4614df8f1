// The groups window, driven like a person: composing, saving, reloading,
// deleting and printing groups.
#include "common/echteboxen.h"
#include "common/vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/printgrid.h"
#include "groups/frmzemlo03.h"
#include "groups/frmzemlo05.h"
#include "groups_fixture.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/gridview.h"
#include "platform/gridviewmodel.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace groupstest;

namespace {
void pair(frmZemlo03 *w, int a, int b) {
  clickCell(w->msfgNamen, a, 2);
  clickCell(w->msfgNamen, b, 2);
  QVERIFY(w->cmdToevoegen->isEnabled());
  Program::click(w->cmdToevoegen);
}
// A names file of n players "Voornaam<k> Achternaam<k>".
QByteArray manyPlayers(int n) {
  QByteArray out = "Nr.|Dhr / Mevr|Voornaam|Achternaam|E-mailadres\r\n";
  for (int k = 1; k <= n; ++k)
    out += QByteArray::number(k) + "|Dhr.|V" + QByteArray::number(k) + "|A" +
           QByteArray::number(100 + k) + "|p" + QByteArray::number(k) + "@club.nl\r\n";
  return out;
}
// A key pressed where the focus is, as on the real window.
void press(QWidget *w, Qt::Key key) {
  QWidget *focus = QApplication::focusWidget();
  QTest::keyClick(focus && focus->window() == w ? focus : w, key);
  QApplication::processEvents();
}
const QString kGroepOnbewaard =
    QStringLiteral("De samengestelde groep is nog niet opgeslagen.\nWilt u de groep nu opslaan?");
// Picks a date in the calendar, opened from the groups window, and confirms it.
void pickDate(frmZemlo03 *w) {
  QVERIFY(w->cmdKalender->isEnabled());
  Program::click(w->cmdKalender);
  auto *cal = Program::findWindowAs<frmZemlo05>();
  QVERIFY(cal);
  QVERIFY(!w->isEnabled());
  Program::click(cal->cmdOK);
  testing::flushDeletes();
  QVERIFY(w->isEnabled());
}
} // namespace

class GroupsWindowTest : public QObject {
  Q_OBJECT
private slots:
  void failedSaveSaysSoAndKeepsTheGroup() {
    Program p(10);
    platform::setClock(QDateTime(QDate(2026, 12, 9), QTime(20, 0)));
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    QVERIFY(QDir().mkpath(p.folder.path("groepen/09-12-2026 Groep A.txt"))); // in the way
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    pair(w, 1, 3);
    pickDate(w);
    p.takeBoxes();
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.takeBoxes(),
             QStringList({"Het bestand groepen/09-12-2026 Groep A.txt kan niet worden opgeslagen.\n"
                          "Controleer de schijf en probeer het opnieuw."}));
    QCOMPARE(w->samenstelling.groepRegels().size(), 1);
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("09-12-2026"));
  }

  // Saved over on a full disk: text 181, the group file and its .mail as
  // they were, the group kept for another try.
  void fullDiskKeepsTheOldGroup() {
    Program p(10);
    platform::setClock(QDateTime(QDate(2026, 12, 9), QTime(20, 0)));
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    p.folder.write("groepen/09-12-2026 Groep A.txt", "1 oud\r\n");
    p.folder.write("groepen/09-12-2026 Groep A.mail", "1 oud|\r\n");
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    pair(w, 1, 3);
    pickDate(w);
    p.takeBoxes();
    p.boxes.answers = {true}; // save over it
    {
      testing::FullDisk full;
      QVERIFY(full.isActive());
      Program::click(w->cmdOpslaan);
    }
    const QStringList boxes = p.takeBoxes();
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes[1], "Het bestand groepen/09-12-2026 Groep A.txt kan niet worden opgeslagen.\n"
                       "Controleer de schijf en probeer het opnieuw.");
    QCOMPARE(p.folder.read("groepen/09-12-2026 Groep A.txt"), QByteArray("1 oud\r\n"));
    QCOMPARE(p.folder.read("groepen/09-12-2026 Groep A.mail"), QByteArray("1 oud|\r\n"));
    QCOMPARE(w->samenstelling.groepRegels().size(), 1);
  }

  // A companion that fails after its group file was written (a folder in
  // its way) is named; the group counts as saved: the window starts a new
  // one and leaving asks nothing.
  void aCompanionThatFailsStillSavesTheGroup() {
    Program p(10);
    platform::setClock(QDateTime(QDate(2026, 12, 9), QTime(20, 0)));
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    QVERIFY(QDir().mkpath(p.folder.path("groepen/09-12-2026 Groep A.mail"))); // in the way
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    QVERIFY(testing::activeer(w));
    w->lstNamenBestand->setCurrentRow(0);
    pair(w, 1, 3);
    pickDate(w);
    p.takeBoxes();
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.takeBoxes(),
             QStringList({"Het bestand groepen/09-12-2026 Groep A.mail kan niet worden "
                          "opgeslagen.\nControleer de schijf en probeer het opnieuw."}));
    QCOMPARE(p.folder.read("groepen/09-12-2026 Groep A.txt"),
             QByteArray("1| Dhr. Jan Bakker+3| Mevr. Els Jansen\r\n"));
    QVERIFY(w->samenstelling.groepRegels().isEmpty());
    QCOMPARE(w->lstGroepBestand->count(), 1);
    {
      testing::EchteBoxen boxen;
      press(w, Qt::Key_Escape);
      QVERIFY(boxen.teksten.isEmpty());
    }
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo03")));
  }

  // A names file, group file or companion that cannot be read (no read
  // permission, which root does not feel: the stand-in refuses it) is named
  // as such; nothing is loaded from it and nothing offers to delete it.
  void unreadableFilesAreNamed() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    p.folder.write("namen/Vast.txt", fixture("namen_nl.txt"));
    p.folder.write("groepen/01-01-2027 Groep C.txt", "1| Dhr. Jan Bakker+2|  Piet de Jong\r\n");
    p.folder.write("groepen/01-01-2027 Groep C.mail", "1|Dhr.|Jan|Bakker|jan@bakker.nl\r\n");
    const auto onleesbaar = [](const QString &naam) {
      return QStringLiteral("Het bestand %1 kan niet worden gelezen.\nControleer de rechten van "
                            "het bestand en probeer het opnieuw.")
          .arg(naam);
    };
    platform::setUnreadableFiles({p.folder.path("namen/Vast.txt")});
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(1);
    QCOMPARE(p.takeBoxes(), QStringList({onleesbaar("namen/Vast.txt")}));
    QVERIFY(!w->cmdWisNamen->isEnabled() && !w->samenstelling.namenGelezen());
    w->lstNamenBestand->setCurrentRow(0);
    QVERIFY(w->cmdWisNamen->isEnabled());
    for (const QString bestand :
         {"groepen/01-01-2027 Groep C.txt", "groepen/01-01-2027 Groep C.mail"}) {
      platform::setUnreadableFiles({p.folder.path(bestand)});
      w->lstGroepBestand->clearSelection();
      w->lstGroepBestand->setCurrentRow(0);
      QCOMPARE(p.takeBoxes(), QStringList({onleesbaar(bestand)}));
      QVERIFY(w->samenstelling.groepRegels().isEmpty());
      QVERIFY(w->lstGroepBestand->selectedItems().isEmpty());
      QVERIFY(!w->cmdWisGroepen->isEnabled());
    }
    // Readable again, the group loads.
    platform::setUnreadableFiles({});
    w->lstGroepBestand->setCurrentRow(0);
    QCOMPARE(w->samenstelling.groepRegels().size(), 1);
    QVERIFY(w->cmdWisGroepen->isEnabled());
  }

  // A deletion that leaves its file says so and keeps what the window
  // holds: the group loaded with its files, or the names and the group
  // composed from them.
  void aFailedDeletionKeepsTheGroup() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    p.folder.write("groepen/01-01-2027 Groep C.txt", "1| Dhr. Jan Bakker+2|  Piet de Jong\r\n");
    p.folder.write("groepen/01-01-2027 Groep C.mail", "1|Dhr.|Jan|Bakker|jan@bakker.nl\r\n");
    platform::setUndeletableFiles(
        {p.folder.path("groepen/01-01-2027 Groep C.txt"), p.folder.path("namen/Club.txt")});
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    w->lstGroepBestand->setCurrentRow(0);
    QCOMPARE(w->samenstelling.groepRegels().size(), 1);
    p.takeBoxes();
    p.boxes.answers = {true};
    Program::click(w->cmdWisGroepen);
    const QString nietGewist = QStringLiteral("Dit kon niet worden gewist:\n%1\n\nControleer de "
                                              "rechten van de map en probeer het opnieuw.");
    QCOMPARE(p.takeBoxes(),
             QStringList({"U gaat het groep bestand (01-01-2027 Groep C) wissen!\n\nZeker weten?",
                          nietGewist.arg("groepen/01-01-2027 Groep C.txt")}));
    // The group file stays, and so do its companion and the group shown.
    QVERIFY(p.folder.exists("groepen/01-01-2027 Groep C.txt"));
    QVERIFY(p.folder.exists("groepen/01-01-2027 Groep C.mail"));
    QCOMPARE(w->samenstelling.groepRegels().size(), 1);
    QCOMPARE(w->lstGroepBestand->selectedItems().size(), 1);
    QVERIFY(w->cmdWisGroepen->isEnabled());

    // The names file: the group composed is let go at the question, but the
    // file stays, and so does everything in the window.
    pair(w, 3, 4);
    p.boxes.answers = {true};
    p.boxes.keuzes = {platform::Keuze::Nee};
    Program::click(w->cmdWisNamen);
    QCOMPARE(p.takeBoxes(), QStringList({"U gaat het namen bestand (Club) wissen!\n\nZeker weten?",
                                         kGroepOnbewaard, nietGewist.arg("namen/Club.txt")}));
    QVERIFY(p.folder.exists("namen/Club.txt"));
    QCOMPARE(w->samenstelling.groepRegels().size(), 2);
    QVERIFY(w->samenstelling.namenGelezen());
    QCOMPARE(row(w->namen, 5, 0, 2), QStringLiteral("5|Mevr.|Anna"));
    QVERIFY(w->cmdWisNamen->isEnabled());
  }

  void composeSaveAndReload_data() {
    QTest::addColumn<int>("taal");
    QTest::newRow("Dutch") << 10;
    QTest::newRow("English") << 11;
  }
  void composeSaveAndReload() {
    QFETCH(int, taal);
    Program p(taal);
    platform::setClock(QDateTime(QDate(2026, 12, 9), QTime(20, 0)));
    p.folder.write("namen/Club.txt", fixture(taal == 10 ? "namen_nl.txt" : "namen_en.txt"));
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(),
             taal == 10 ? QStringLiteral("Groepen samenstellen") : QStringLiteral("Build groups"));
    QVERIFY(!w->fraGroepBestanden->isEnabled() && !w->cmdStilzitter->isEnabled());
    w->lstNamenBestand->setCurrentRow(0);
    QVERIFY(w->fraGroepBestanden->isEnabled() && w->cmdStilzitter->isEnabled());
    const QString label =
        taal == 10 ? QStringLiteral("Namen bestand: Club") : QStringLiteral("File names: Club");
    QCOMPARE(w->fraNamenBestanden->title(), label);

    if (taal == 10) {
      pair(w, 1, 3);
      Program::click(w->cmdStilzitter);
      // A player with an empty title is picked, shown with two leading blanks.
      clickCell(w->msfgNamen, 2, 3);
      QCOMPARE(w->lblNaam[0]->text(), QStringLiteral("  Piet de Jong"));
      clickCell(w->msfgNamen, 5, 1);
      Program::click(w->cmdToevoegen);
      pair(w, 4, 6);
      QCOMPARE(w->lblAanTalParen->text(), QStringLiteral("4 Paren in groep"));
    } else {
      pair(w, 1, 2);
      QCOMPARE(w->lblAanTalParen->text(), QStringLiteral("1 Pair in group"));
      Program::click(w->cmdStilzitter);
    }
    QVERIFY(!w->cmdStilzitter->isEnabled());
    QVERIFY(w->lblKanNiet->isHidden());
    QVERIFY(!w->cmdOpslaan->isEnabled());
    // Taken players are emptied but keep their number.
    QCOMPARE(row(w->namen, 1), QStringLiteral("1||||"));

    pickDate(w);
    const QString date = taal == 10 ? QStringLiteral("09-12-2026") : QStringLiteral("2026-12-09");
    QCOMPARE(w->txtNaamBestand->text(), date);
    QVERIFY(w->cmdOpslaan->isEnabled());
    // Letter B: one step up from A.
    w->vscrGroepLetter->setValue(24);
    QCOMPARE(w->txtGroepLetter->text(), QStringLiteral("B"));
    Program::click(w->cmdOpslaan);
    const QString name = date + (taal == 10 ? " Groep B" : " Group B");
    const QString fix = taal == 10 ? "groep_nl" : "groep_en";
    QCOMPARE(p.folder.read("groepen/" + name + ".txt"), fixture(fix + ".txt"));
    QCOMPARE(p.folder.read("groepen/" + name + ".mail"), fixture(fix + ".mail"));
    // The window starts a new group: empty, letter A, no date, every player back.
    QVERIFY(w->samenstelling.groepRegels().isEmpty() && w->samenstelling.mailRegels().isEmpty());
    QCOMPARE(w->groepen.rows(), 2);
    QVERIFY(w->txtNaamBestand->text().isEmpty());
    QCOMPARE(w->txtGroepLetter->text(), QStringLiteral("A"));
    QVERIFY(!w->cmdOpslaan->isEnabled());
    QCOMPARE(row(w->namen, 1, 0, 2),
             taal == 10 ? QStringLiteral("1|Dhr.|Jan") : QStringLiteral("1|Mr.|John"));
    QCOMPARE(w->lstGroepBestand->count(), 1);

    // Reloading twice, then saving again, gives the same bytes.
    for (int i = 0; i < 2; ++i) {
      w->lstGroepBestand->clearSelection();
      w->lstGroepBestand->setCurrentRow(0);
      QCOMPARE(w->txtNaamBestand->text(), date);
      QCOMPARE(w->txtGroepLetter->text(), QStringLiteral("B"));
      QCOMPARE(w->samenstelling.mailRegels().size(), taal == 10 ? 6 : 2);
      QVERIFY(w->cmdWisGroepen->isEnabled());
    }
    QCOMPARE(w->groepen.textMatrix(2, 1), taal == 10
                                              ? QStringLiteral("***** Stilzit *****")
                                              : QStringLiteral("***** Pair don't play *****"));
    QCOMPARE(w->groepen.textMatrix(1, 1), taal == 10
                                              ? QStringLiteral("Dhr. Jan Bakker - Mevr. Els Jansen")
                                              : QStringLiteral("Mr. John Baker - Mrs. Mary Smith"));
    QVERIFY(w->cmdOpslaan->isEnabled());
    p.boxes.answers = {true};
    Program::click(w->cmdOpslaan);
    QCOMPARE(
        p.takeBoxes(),
        QStringList(
            {taal == 10 ? "Het bestand " + name + ".txt bestaat al\n\nWilt u dit overschrijven?"
                        : "The " + name +
                              ".txt file already exists\n\n Do you want to overwrite that file?"}));
    QCOMPARE(p.folder.read("groepen/" + name + ".txt"), fixture(fix + ".txt"));
    QCOMPARE(p.folder.read("groepen/" + name + ".mail"), fixture(fix + ".mail"));

    // Back gives the main window back.
    Program::click(w->cmdTerug);
    testing::flushDeletes();
    QVERIFY(p.main->isEnabled());
  }

  void pairCountAndWarning() {
    Program p(10);
    p.folder.write("namen/Veel.txt", manyPlayers(26));
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    for (int k = 0; k < 7; ++k)
      pair(w, 2 * k + 1, 2 * k + 2);
    // Seven pairs without a sit-out entry: no warning, the calendar can be used.
    QCOMPARE(w->lblAanTalParen->text(), QStringLiteral("7 Paren in groep"));
    QVERIFY(w->lblKanNiet->isHidden() && w->cmdKalender->isEnabled());
    Program::click(w->cmdStilzitter);
    QVERIFY(w->lblKanNiet->isHidden() && w->cmdKalender->isEnabled());
    QCOMPARE(w->groepen.textMatrix(8, 0), QStringLiteral("8"));
    pickDate(w);
    QVERIFY(w->cmdOpslaan->isEnabled());
    // Eight pairs and a sit-out entry: the warning, no calendar, no save.
    pair(w, 15, 16);
    QVERIFY(w->lblKanNiet->isVisible());
    QVERIFY(!w->cmdKalender->isEnabled() && !w->cmdOpslaan->isEnabled());
    // Taking the sit-out entry out hides the warning again.
    clickCell(w->msfgGroepen, 8, 0);
    QVERIFY(w->lblKanNiet->isHidden() && w->cmdKalender->isEnabled() &&
            w->cmdStilzitter->isEnabled());
    QCOMPARE(w->samenstelling.groepRegels().size(), 8);
    // Thirteen entries scroll the group grid so that its last row is on top.
    for (int k = 8; k < 13; ++k)
      pair(w, 2 * k + 1, 2 * k + 2);
    QCOMPARE(w->groepen.rows(), 15);
    QCOMPARE(w->groepen.topRow(), 14);

    // A group with one pair says "Paar"; taking it out leaves nothing to save,
    // though a date stays in the box.
    MaakLeegAndCheck(p, w);
    pair(w, 1, 2);
    QCOMPARE(w->lblAanTalParen->text(), QStringLiteral("1 Paar in groep"));
    pickDate(w);
    QVERIFY(w->cmdOpslaan->isEnabled());
    clickCell(w->msfgGroepen, 1, 1);
    QVERIFY(!w->txtNaamBestand->text().isEmpty());
    QVERIFY(!w->cmdOpslaan->isEnabled());
    QCOMPARE(w->lblAanTalParen->text(), QStringLiteral("0 Paren in groep"));
  }

  void takingOutAPairGivesBackExactlyItsPlayers() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    pair(w, 1, 3); // Dhr. Jan Bakker - Mevr. Els Jansen
    pair(w, 4, 6); // Dhr. Jan Jansen - Dhr. Kees Smit
    clickCell(w->msfgGroepen, 2, 1);
    QCOMPARE(row(w->namen, 4), QStringLiteral("4|Dhr.|Jan|Jansen|jan.jansen@voorbeeld.nl"));
    QCOMPARE(row(w->namen, 6), QStringLiteral("6|Dhr.|Kees|Smit|kees@smit.nl"));
    QCOMPARE(row(w->namen, 1), QStringLiteral("1||||"));
    QCOMPARE(row(w->namen, 3), QStringLiteral("3||||"));
    QCOMPARE(w->samenstelling.mailRegels(),
             QStringList({"1|Dhr.|Jan|Bakker|jan@bakker.nl",
                          "3|Mevr.|Els|Jansen|els.jansen@voorbeeld.nl"}));
    // The group grid and its lines stay in step.
    QCOMPARE(w->samenstelling.groepRegels(),
             QStringList({"1| Dhr. Jan Bakker+3| Mevr. Els Jansen"}));
    QCOMPARE(w->groepen.rows(), 3);
    // A slot gives its player back; a free slot changes nothing.
    clickCell(w->msfgNamen, 5, 2);
    QTest::mouseClick(w->lblNaam[0], Qt::LeftButton);
    QCOMPARE(row(w->namen, 5), QStringLiteral("5|Mevr.|Anna|de Vries|anna@devries.nl"));
    QVERIFY(w->lblNaam[0]->text().isEmpty());
    QTest::mouseClick(w->lblNaam[1], Qt::LeftButton);
    // Emptying the list after Yes gives every player back.
    p.boxes.answers = {true};
    Program::click(w->cmdMaakLeeg);
    QCOMPARE(p.takeBoxes(), QStringList({"Groeplijst leegmaken.\n\nZeker weten?"}));
    QCOMPARE(row(w->namen, 1), QStringLiteral("1|Dhr.|Jan|Bakker|jan@bakker.nl"));
    QVERIFY(w->samenstelling.groepRegels().isEmpty() && w->samenstelling.mailRegels().isEmpty());
    QVERIFY(!w->cmdMaakLeeg->isEnabled() && !w->cmdAfdrukken->isEnabled());
  }

  void groupWithResultsFile() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    p.folder.write("groepen/09-12-2026 Groep A.txt", fixture("groep_nl.txt"));
    p.folder.write("groepen/09-12-2026 Groep A.mail", fixture("groep_nl.mail"));
    p.folder.write("invoer/09-12-2026 Groep A Uitslag.txt", "x\r\n");
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    pair(w, 1, 2);
    // Reloading is refused, and every player is back in the names grid (the
    // pair composed is let go at the question first).
    p.boxes.keuzes = {platform::Keuze::Nee};
    w->lstGroepBestand->setCurrentRow(0);
    const QString refused = "U kunt het groep bestand <09-12-2026 Groep A> niet wijzigen.\n"
                            "Er zijn scores op ingevoerd.\n\nWilt u de groep wijzigen, dan moet u "
                            "eerst bij \"Voorbereiding\" het bestand wissen.";
    QCOMPARE(p.takeBoxes(), QStringList({"De samengestelde groep is nog niet opgeslagen.\nWilt u "
                                         "de groep nu opslaan?",
                                         refused}));
    QVERIFY(w->samenstelling.groepRegels().isEmpty());
    QCOMPARE(row(w->namen, 1), QStringLiteral("1|Dhr.|Jan|Bakker|jan@bakker.nl"));
    QCOMPARE(row(w->namen, 2), QStringLiteral("2||Piet|de Jong|"));
    // Saving over it is refused too.
    pair(w, 1, 2);
    platform::setClock(QDateTime(QDate(2026, 12, 9), QTime(20, 0)));
    pickDate(w);
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.takeBoxes(), QStringList({refused}));
    QCOMPARE(p.folder.read("groepen/09-12-2026 Groep A.txt"), fixture("groep_nl.txt"));
    QCOMPARE(w->samenstelling.groepRegels().size(), 1);
    // Deleting asks text 177 and removes the group, its companion and its results.
    w->lstGroepBestand->setCurrentRow(0);
    p.takeBoxes();
    p.boxes.answers = {false};
    Program::click(w->cmdWisGroepen);
    QVERIFY(p.folder.exists("groepen/09-12-2026 Groep A.txt"));
    QVERIFY(w->cmdWisGroepen->isEnabled());
    p.boxes.answers = {true};
    Program::click(w->cmdWisGroepen);
    const QStringList asked = p.takeBoxes();
    QCOMPARE(asked.size(), 2);
    QVERIFY(asked[1].startsWith("Bij dit groep bestand behoort een uitslag"));
    QVERIFY(
        asked[1].endsWith("Het groep bestand < 09-12-2026 Groep A> met al zijn gegevens wissen?"));
    QVERIFY(!p.folder.exists("groepen/09-12-2026 Groep A.txt"));
    QVERIFY(!p.folder.exists("groepen/09-12-2026 Groep A.mail"));
    QVERIFY(!p.folder.exists("invoer/09-12-2026 Groep A Uitslag.txt"));
    QCOMPARE(w->lstGroepBestand->count(), 0);
    QVERIFY(w->txtNaamBestand->text().isEmpty() && !w->cmdKalender->isEnabled());
  }

  void deleteGroupWithoutResults() {
    Program p(11);
    p.folder.write("namen/Club.txt", fixture("namen_en.txt"));
    p.folder.write("groepen/2026-12-09 Group B.txt", fixture("groep_en.txt"));
    p.folder.write("groepen/2026-12-09 Group B.mail", fixture("groep_en.mail"));
    p.folder.write("groepen/09-12-2026 Groep A.txt", fixture("groep_nl.txt"));
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    // Only the groups of the language are listed.
    QCOMPARE(w->lstGroepBestand->count(), 1);
    w->lstGroepBestand->setCurrentRow(0);
    QCOMPARE(w->samenstelling.groepRegels().size(), 2);
    p.boxes.answers = {true};
    Program::click(w->cmdWisGroepen);
    QCOMPARE(p.takeBoxes(),
             QStringList({"You are going to delete the group file (2026-12-09 Group B)!"
                          "\n\nAre you sure?"}));
    QVERIFY(!p.folder.exists("groepen/2026-12-09 Group B.txt"));
    QVERIFY(!p.folder.exists("groepen/2026-12-09 Group B.mail"));
    QVERIFY(p.folder.exists("groepen/09-12-2026 Groep A.txt"));
    // Every player is back, the group empty.
    QCOMPARE(row(w->namen, 2), QStringLiteral("2|Mrs.|Mary|Smith|"));
    QVERIFY(w->samenstelling.groepRegels().isEmpty());
    QCOMPARE(w->lblAanTalParen->text(), QStringLiteral("0 Pairs in group"));
  }

  void reloadSkipsPlayersNotInTheNamesFile() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    // Player 3 has another name here, player 9 does not exist; a blank line is skipped.
    p.folder.write(
        "groepen/01-01-2027 Groep C.txt",
        "1| Dhr. Jan Bakker+3| Mevr. Els de Wit\r\n\r\n9| Dhr. X Y+2|  Piet de Jong\r\n");
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    w->lstGroepBestand->setCurrentRow(0);
    QCOMPARE(w->samenstelling.groepRegels().size(), 2);
    QCOMPARE(w->samenstelling.mailRegels(),
             QStringList({"1|Dhr.|Jan|Bakker|jan@bakker.nl", "2||Piet|de Jong|"}));
    QCOMPARE(row(w->namen, 3, 0, 2), QStringLiteral("3|Mevr.|Els"));
    // Taking the first pair out gives back player 1 only: player 3 was never taken.
    clickCell(w->msfgGroepen, 1, 1);
    QCOMPARE(row(w->namen, 1, 0, 2), QStringLiteral("1|Dhr.|Jan"));
    QCOMPARE(row(w->namen, 3, 0, 2), QStringLiteral("3|Mevr.|Els"));
    QCOMPARE(w->samenstelling.mailRegels(), QStringList({"2||Piet|de Jong|"}));
    // Player 3 is picked into a new pair; taking out the pair of the other
    // player 3 ("Els de Wit", never taken) leaves her where she is. The
    // group changed is let go at the question.
    p.boxes.keuzes = {platform::Keuze::Nee};
    w->lstGroepBestand->clearSelection();
    w->lstGroepBestand->setCurrentRow(0);
    QCOMPARE(w->samenstelling.groepRegels().size(), 2);
    pair(w, 3, 4);
    QCOMPARE(w->samenstelling.groepRegels().size(), 3);
    clickCell(w->msfgGroepen, 1, 1);
    QCOMPARE(row(w->namen, 3), QStringLiteral("3||||"));
    QCOMPARE(w->samenstelling.mailRegels(),
             QStringList({"2||Piet|de Jong|", "3|Mevr.|Els|Jansen|els.jansen@voorbeeld.nl",
                          "4|Dhr.|Jan|Jansen|jan.jansen@voorbeeld.nl"}));
  }

  // A reloaded group saved without change keeps every line of its
  // companion, also those of players not found in the names file.
  void reloadedGroupKeepsItsCompanion() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    const QByteArray groep = "1| Dhr. Jan Bakker+3| Mevr. Els de Wit\r\n"
                             "***** Stilzit *****\r\n"
                             "9| Dhr. Karel Vos+2|  Piet de Jong\r\n"
                             "4| Dhr. Jan Jansen+6| Dhr. Kees Smit\r\n";
    const QByteArray mail = "1|Dhr.|Jan|Bakker|jan@bakker.nl\r\n"
                            "3|Mevr.|Els|de Wit|els@dewit.nl\r\n"
                            "9|Dhr.|Karel|Vos|karel@vos.nl\r\n"
                            "2||Piet|de Jong|\r\n"
                            "4|Dhr.|Jan|Jansen|jan.jansen@voorbeeld.nl\r\n"
                            "6|Dhr.|Kees|Smit|kees@smit.nl\r\n";
    p.folder.write("groepen/01-01-2027 Groep C.txt", groep);
    p.folder.write("groepen/01-01-2027 Groep C.mail", mail);
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    w->lstGroepBestand->setCurrentRow(0);
    QVERIFY(w->cmdOpslaan->isEnabled());
    p.boxes.answers = {true};
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.takeBoxes().size(), 1);
    QCOMPARE(p.folder.read("groepen/01-01-2027 Groep C.txt"), groep);
    QCOMPARE(p.folder.read("groepen/01-01-2027 Groep C.mail"), mail);
  }

  // Group and names files whose names have other letters are listed once,
  // opened, saved over and deleted like their lower-case twins.
  void filesInAnyLetterCase() {
    Program p(10);
    p.folder.write("namen/Club.TXT", fixture("namen_nl.txt"));
    p.folder.write("namen/club.txt", fixture("namen_nl.txt"));
    p.folder.write("groepen/08-11-2023 groep a.TXT", fixture("groep_nl.txt"));
    p.folder.write("groepen/08-11-2023 GROEP A.mail", fixture("groep_nl.mail"));
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    QCOMPARE(w->lstNamenBestand->count(), 1);
    w->lstNamenBestand->setCurrentRow(0);
    QCOMPARE(w->namen.rows(), 8);
    QCOMPARE(w->lstGroepBestand->count(), 1);
    w->lstGroepBestand->setCurrentRow(0);
    // The date and the letter, whatever the case of the word and the letter.
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("08-11-2023"));
    QCOMPARE(w->txtGroepLetter->text(), QStringLiteral("A"));
    QCOMPARE(w->vscrGroepLetter->value(), 25);
    QCOMPARE(w->samenstelling.aantal(), 4);
    // Saved over after text 26, into the files that are there.
    p.boxes.answers = {true};
    Program::click(w->cmdOpslaan);
    QCOMPARE(p.takeBoxes(), QStringList({"Het bestand 08-11-2023 groep a.TXT bestaat al\n\n"
                                         "Wilt u dit overschrijven?"}));
    const QStringList bestanden = {"08-11-2023 GROEP A.mail", "08-11-2023 groep a.TXT"};
    QCOMPARE(QDir(p.folder.path("groepen")).entryList(QDir::Files, QDir::Name), bestanden);
    QCOMPARE(p.folder.read("groepen/08-11-2023 groep a.TXT"), fixture("groep_nl.txt"));
    QCOMPARE(p.folder.read("groepen/08-11-2023 GROEP A.mail"), fixture("groep_nl.mail"));
    // Its results file, in other letters too, blocks a reload and goes with it.
    p.folder.write("invoer/08-11-2023 Groep A UITSLAG.txt", "x\r\n");
    w->lstGroepBestand->setCurrentRow(0);
    QVERIFY(p.takeBoxes().value(0).startsWith("U kunt het groep bestand <08-11-2023 groep a>"));
    QVERIFY(w->samenstelling.entries.isEmpty());
    p.boxes.answers = {true};
    Program::click(w->cmdWisGroepen);
    QVERIFY(p.takeBoxes().value(0).startsWith("Bij dit groep bestand behoort een uitslag"));
    QVERIFY(QDir(p.folder.path("groepen")).entryList(QDir::Files).isEmpty());
    QVERIFY(QDir(p.folder.path("invoer")).entryList(QDir::Files).isEmpty());
    QCOMPARE(w->lstGroepBestand->count(), 0);
    // The names file goes, and its lower-case twin is listed in its place.
    w->lstNamenBestand->setCurrentRow(0);
    p.boxes.answers = {true};
    Program::click(w->cmdWisNamen);
    QCOMPARE(QDir(p.folder.path("namen")).entryList(QDir::Files), QStringList({"club.txt"}));
    QCOMPARE(w->lstNamenBestand->count(), 1);
  }

  // Deleting the names file that the group being composed is built from
  // asks about that group first: Cancel keeps the file and the group, No
  // lets the group go with the file.
  void deletingTheNamesFileResetsTheWindow() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    p.folder.write("namen/Club.mail", fixture("namen_nl.txt"));
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    pair(w, 1, 2);
    clickCell(w->msfgNamen, 3, 2);
    p.boxes.answers = {false};
    Program::click(w->cmdWisNamen);
    QVERIFY(p.folder.exists("namen/Club.txt") && w->cmdWisNamen->isEnabled());
    p.takeBoxes();
    const QString vraag = QStringLiteral("U gaat het namen bestand (Club) wissen!\n\nZeker weten?");
    p.boxes.answers = {true};
    p.boxes.keuzes = {platform::Keuze::Annuleer};
    Program::click(w->cmdWisNamen);
    QCOMPARE(p.takeBoxes(), QStringList({vraag, kGroepOnbewaard}));
    QVERIFY(p.folder.exists("namen/Club.txt") && w->cmdWisNamen->isEnabled());
    QCOMPARE(w->samenstelling.groepRegels().size(), 1);
    QVERIFY(!w->lblNaam[0]->text().isEmpty());
    p.boxes.answers = {true};
    p.boxes.keuzes = {platform::Keuze::Nee};
    Program::click(w->cmdWisNamen);
    QCOMPARE(p.takeBoxes(), QStringList({vraag, kGroepOnbewaard}));
    QVERIFY(!p.folder.exists("namen/Club.txt"));
    QVERIFY(p.folder.exists("namen/Club.mail"));
    QCOMPARE(w->namen.rows(), 2);
    QCOMPARE(w->groepen.rows(), 2);
    QVERIFY(w->samenstelling.groepRegels().isEmpty() && w->samenstelling.mailRegels().isEmpty() &&
            !w->samenstelling.namenGelezen());
    QVERIFY(w->lblNaam[0]->text().isEmpty() && w->lblNaam[1]->text().isEmpty());
    QVERIFY(!w->cmdStilzitter->isEnabled() && !w->cmdMaakLeeg->isEnabled() &&
            !w->fraGroepBestanden->isEnabled() && !w->cmdWisNamen->isEnabled());
    QCOMPARE(w->lstNamenBestand->count(), 0);
    // A click on the names grid now finds nothing to pick.
    clickCell(w->msfgNamen, 1, 2);
    QVERIFY(w->lblNaam[0]->text().isEmpty());
  }

  void groupLetterWraps() {
    Program p(10);
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    QCOMPARE(w->vscrGroepLetter->value(), 25);
    QCOMPARE(w->txtGroepLetter->text(), QStringLiteral("A"));
    w->vscrGroepLetter->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(w->txtGroepLetter->text(), QStringLiteral("Z"));
    QCOMPARE(w->vscrGroepLetter->value(), 0);
    w->vscrGroepLetter->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(w->txtGroepLetter->text(), QStringLiteral("A"));
    w->vscrGroepLetter->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(w->txtGroepLetter->text(), QStringLiteral("B"));
    // A date left by an earlier calendar use fills the box when the window opens.
    Program::click(w->cmdTerug);
    testing::flushDeletes();
    BAS_Zemlo::sKalenderDatum = QStringLiteral("01-02-2027");
    w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("01-02-2027"));
    QVERIFY(!w->cmdOpslaan->isEnabled());
  }

  void printsTheGroupList() {
    Program p(10);
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    pair(w, 1, 3);
    Program::click(w->cmdStilzitter);
    const QString pdf = p.folder.path("groep.pdf");
    // A print cancelled once does not block the next one.
    setPrintDialogAnswers({false, true}, pdf);
    Program::click(w->cmdAfdrukken);
    QVERIFY(w->isEnabled() && w->cmdAfdrukken->isEnabled());
    QVERIFY(!QFile::exists(pdf));
    Program::click(w->cmdAfdrukken);
    setPrintDialogAnswers({}, QString());
    QVERIFY(w->isEnabled() && w->cmdAfdrukken->isEnabled());
    QVERIFY(QFile::exists(pdf));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(printed.contains(QStringLiteral("Dhr. Jan Bakker -  Mevr. Els Jansen")) ||
                 printed.contains(QStringLiteral("Jan Bakker")),
             qPrintable(printed));
    QVERIFY(printed.contains(QStringLiteral("***** Stilzit *****")));
    QVERIFY(printed.contains(QStringLiteral("Paren")));
  }

  // The group grid shows every pair of a group and scrolls once the pairs no
  // longer fit; a screen reader reads its cells and headers.
  void aLargeGroupShowsScrollsAndReads() {
    Program p(10);
    p.folder.write("namen/Veel.txt", manyPlayers(40));
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    platform::GridView *grid = w->msfgGroepen;
    const QRect area = grid->viewport()->rect();
    for (int k = 0; k < 14; ++k)
      pair(w, 2 * k + 1, 2 * k + 2);
    QCOMPARE(w->groepen.rows(), 16);
    // Fourteen pairs fit: every one of them is in sight, the empty row too.
    for (int r = 1; r < 16; ++r)
      QVERIFY2(area.contains(grid->cellRect(r, 1)), qPrintable(QString::number(r)));
    QCOMPARE(grid->cellAt(grid->cellRect(14, 1).center()), qMakePair(14, 1));
    QVERIFY(!grid->verticalScrollBar()->isVisible());

    // Twenty pairs do not: the last ones and the empty row are in sight.
    for (int k = 14; k < 20; ++k)
      pair(w, 2 * k + 1, 2 * k + 2);
    QCOMPARE(w->groepen.rows(), 22);
    QScrollBar *bar = grid->verticalScrollBar();
    QVERIFY(bar->isVisible() && bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(area.contains(grid->cellRect(20, 1)));
    QVERIFY(area.intersects(grid->cellRect(21, 1)));
    QVERIFY(!area.intersects(grid->cellRect(1, 1)));

    // Scrolled back, the first pair is in sight and is taken out by a click.
    bar->setValue(0);
    QVERIFY(area.contains(grid->cellRect(1, 1)));
    const QString second = w->groepen.textMatrix(2, 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->cellRect(1, 1).center());
    QCOMPARE(w->groepen.textMatrix(1, 1), second);
    QCOMPARE(w->samenstelling.aantal(), 19);

    // Every cell, header and number through the accessibility tree.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(iface);
    QAccessibleTableInterface *table = iface->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), w->groepen.rows() - 1);
    QCOMPARE(table->columnCount(), 1);
    QCOMPARE(table->columnDescription(0), QStringLiteral("Paren"));
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), second);
    QCOMPARE(table->rowDescription(18), QStringLiteral("19"));
    for (int r = 1; r < w->groepen.rows(); ++r) {
      QAccessibleInterface *cell = table->cellAt(r - 1, 0);
      QCOMPARE(cell->text(QAccessible::Name), w->groepen.textMatrix(r, 1));
      const auto rowHeader = cell->tableCellInterface()->rowHeaderCells();
      QCOMPARE(rowHeader.size(), 1);
      QCOMPARE(rowHeader[0]->text(QAccessible::Name), w->groepen.textMatrix(r, 0));
    }
    QCOMPARE(iface->child(0)->text(QAccessible::Name), QStringLiteral("Nr."));
  }

  // A player picked from a long list changes that player's row alone, in
  // place, and so does one put back: the grid shows what writing the list
  // into a new grid shows.
  void pickingFromALongList() {
    Program p(10);
    p.folder.write("namen/Veel.txt", manyPlayers(2000));
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    w->lstNamenBestand->setCurrentRow(0);
    QCOMPARE(w->namen.rows(), 2002);
    QSignalSpy changed(&w->namen, &platform::GridModel::cellsChanged);
    QSignalSpy inserted(&w->namen, &platform::GridModel::rowsInserted);
    w->msfgNamen->scrollTo(w->msfgNamen->tableModel()->indexOfCell(1500, 2));
    const int top = w->msfgNamen->rowAt(0);
    clickCell(w->msfgNamen, 1500, 2);
    QCOMPARE(w->msfgNamen->rowAt(0), top);
    QCOMPARE(changed, QList<QVariantList>({{1500, 1, 1500, 4}}));
    QCOMPARE(row(w->namen, 1500), QStringLiteral("1500||||"));
    QCOMPARE(row(w->namen, 1501), QStringLiteral("1501|Dhr.|V1501|A1601|p1501@club.nl"));
    QCOMPARE(w->lblNaam[0]->text(), QStringLiteral(" Dhr. V1500 A1600"));
    changed.clear();
    clickCell(w->msfgNamen, 7, 2);
    Program::click(w->cmdToevoegen);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(row(w->namen, 7), QStringLiteral("7||||"));
    // Taken out of the group, both come back.
    clickCell(w->msfgGroepen, 1, 1);
    QCOMPARE(row(w->namen, 7), QStringLiteral("7|Dhr.|V7|A107|p7@club.nl"));
    QCOMPARE(row(w->namen, 1500), QStringLiteral("1500|Dhr.|V1500|A1600|p1500@club.nl"));
    QVERIFY(inserted.isEmpty());

    platform::GridModel fresh;
    fresh.setCols(groups::kNamenKolommen);
    groups::NamenLijst lijst = w->samenstelling.namenLijst;
    lijst.schrijfIn(fresh, groups::NamenLijst::ElkNummer);
    for (int r = 0; r < fresh.rows(); ++r)
      QCOMPARE(row(w->namen, r), row(fresh, r));
  }

  // Escape, Back, the close box and another names file or group file ask
  // before a group composed and not saved is lost: Yes saves it, No lets it
  // go, Cancel stays. Pressed on the real window, each box shown and
  // answered by a key.
  void leavingAsksBeforeAGroupIsLost() {
    Program p(10);
    platform::setClock(QDateTime(QDate(2026, 12, 9), QTime(20, 0)));
    p.folder.write("namen/Club.txt", fixture("namen_nl.txt"));
    p.folder.write("namen/Ander.txt", fixture("namen_nl.txt"));
    p.folder.write("groepen/01-01-2027 Groep C.txt", "1| Dhr. Jan Bakker+2|  Piet de Jong\r\n");
    auto *w = p.open<frmZemlo03>(p.main->cmdGroepenMaken);
    QVERIFY(testing::activeer(w));
    const int club =
        w->lstNamenBestand->row(w->lstNamenBestand->findItems("Club", Qt::MatchExactly)[0]);
    w->lstNamenBestand->setCurrentRow(club);
    pair(w, 1, 2);
    QCOMPARE(w->samenstelling.aantal(), 1);
    // Cancel at Escape, at another names file and at a group file keeps it all.
    {
      testing::EchteBoxen boxen({Qt::Key_Escape, Qt::Key_Escape, Qt::Key_Escape});
      press(w, Qt::Key_Escape);
      w->lstNamenBestand->setCurrentRow(1 - club);
      w->lstGroepBestand->setCurrentRow(0);
      QCOMPARE(boxen.teksten, QStringList({kGroepOnbewaard, kGroepOnbewaard, kGroepOnbewaard}));
    }
    testing::flushDeletes();
    QVERIFY(findWindow(QStringLiteral("frmZemlo03")) == w);
    QCOMPARE(w->samenstelling.aantal(), 1);
    QCOMPARE(w->lstNamenBestand->currentRow(), club);
    QCOMPARE(w->lstGroepBestand->selectedItems().size(), 0);
    QCOMPARE(w->fraNamenBestanden->title(), QStringLiteral("Namen bestand: Club"));
    // Yes without a date says what is missing and stays.
    QVERIFY(testing::activeer(w));
    {
      testing::EchteBoxen boxen({Qt::Key_Return, Qt::Key_Return});
      Program::click(w->cmdTerug);
      QCOMPARE(boxen.teksten,
               QStringList({kGroepOnbewaard, "Kies eerst met Kalender de datum van de groep.\n"
                                             "Daarna kunt u de groep opslaan."}));
    }
    testing::flushDeletes();
    QVERIFY(findWindow(QStringLiteral("frmZemlo03")) == w);
    QCOMPARE(w->samenstelling.aantal(), 1);
    // With a date, Yes at another names file saves the group and then reads
    // that file.
    pickDate(w);
    QVERIFY(testing::activeer(w));
    {
      testing::EchteBoxen boxen({Qt::Key_Return});
      w->lstNamenBestand->setCurrentRow(1 - club);
      QCOMPARE(boxen.teksten, QStringList({kGroepOnbewaard}));
    }
    QCOMPARE(p.folder.read("groepen/09-12-2026 Groep A.txt"),
             QByteArray("1| Dhr. Jan Bakker+2|  Piet de Jong\r\n"));
    QCOMPARE(w->fraNamenBestanden->title(), QStringLiteral("Namen bestand: Ander"));
    QCOMPARE(w->samenstelling.aantal(), 0);
    // A reloaded group that is not changed asks nothing.
    const int c = w->lstGroepBestand->row(
        w->lstGroepBestand->findItems("01-01-2027 Groep C", Qt::MatchExactly)[0]);
    w->lstGroepBestand->setCurrentRow(c);
    QCOMPARE(w->samenstelling.aantal(), 1);
    {
      testing::EchteBoxen boxen;
      w->lstGroepBestand->setCurrentRow(1 - c);
      QVERIFY(boxen.teksten.isEmpty());
    }
    QCOMPARE(w->txtNaamBestand->text(), QStringLiteral("09-12-2026"));
    // Changed, No at the close box lets it go: nothing is written.
    QVERIFY(testing::activeer(w));
    pair(w, 3, 4);
    {
      testing::EchteBoxen boxen({Qt::Key_N});
      w->close();
      QCOMPARE(boxen.teksten, QStringList({kGroepOnbewaard}));
    }
    testing::flushDeletes();
    QVERIFY(!findWindow(QStringLiteral("frmZemlo03")));
    QVERIFY(p.main->isEnabled());
    QCOMPARE(p.folder.read("groepen/09-12-2026 Groep A.txt"),
             QByteArray("1| Dhr. Jan Bakker+2|  Piet de Jong\r\n"));
  }

private:
  static void MaakLeegAndCheck(Program &p, frmZemlo03 *w) {
    p.boxes.answers = {true};
    Program::click(w->cmdMaakLeeg);
    QVERIFY(w->samenstelling.groepRegels().isEmpty());
  }
};

#include "groups_window_test.moc"
ZEMLO_TEST_CLASS(GroupsWindowTest)
