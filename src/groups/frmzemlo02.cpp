#include "groups/frmzemlo02.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/toetsen.h"
#include "frame/vensterhulp.h"
#include "groups/bestandlijst.h"
#include "platform/gridview.h"
#include "platform/messagebox.h"
#include "platform/textfile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace BAS_Zemlo;
using namespace groups;
using venster::maak;
using venster::maakKnop;
using venster::maakLabel;
using venster::twips;

frmZemlo02::frmZemlo02() : ZemloWindow(QStringLiteral("frmZemlo02")) {
  setFixedSize(twips(10200), twips(7650));

  fraInvoer = maak<QGroupBox>(this, "fraInvoer", twips(120, 90, 6300, 3750));
  for (int i = 0; i < 3; ++i) {
    static const char *const labels[3] = {"lblNaam(0)", "lblNaam(1)", "lblNaam(2)"};
    static const char *const boxes[3] = {"txtNaam(0)", "txtNaam(1)", "txtNaam(2)"};
    lblNaam[i] = maakLabel(fraInvoer, labels[i], twips(150, 420 + i * 450, 1500, 315));
    txtNaam[i] = maak<QLineEdit>(fraInvoer, boxes[i], twips(1700, 390 + i * 450, 4400, 345));
    txtNaam[i]->setMaxLength(i == 0 ? 50 : 150);
  }
  for (int i = 0; i < 2; ++i) {
    static const char *const boxes[2] = {"chkTitel(0)", "chkTitel(1)"};
    chkTitel[i] = maak<QCheckBox>(fraInvoer, boxes[i], twips(1700 + i * 1300, 1770, 1250, 315));
  }
  lblTitel = maakLabel(fraInvoer, "lblTitel", twips(4300, 1770, 1800, 315));
  lblTitel->setStyleSheet(QStringLiteral("color: %1;").arg(venster::cssKleur(0x0000FF)));
  cmdToevoegen = maakKnop(fraInvoer, "cmdToevoegen", twips(1700, 2250, 1700, 420));
  lblNaamBestand = maakLabel(fraInvoer, "lblNaamBestand", twips(150, 3030, 1500, 315));
  txtNaamBestand = maak<QLineEdit>(fraInvoer, "txtNaamBestand", twips(1700, 3000, 2560, 345));
  txtNaamBestand->setMaxLength(100);
  cmdOpslaan = maakKnop(fraInvoer, "cmdOpslaan", twips(4400, 2962, 1700, 420));

  fraNamenBestand = maak<QGroupBox>(this, "fraNamenBestand", twips(6600, 90, 3480, 3750));
  lstNamenBestand =
      maak<QListWidget>(fraNamenBestand, "lstNamenBestand", twips(150, 360, 3180, 2280));
  chkSorteer = maak<QCheckBox>(fraNamenBestand, "chkSorteer", twips(150, 2730, 3180, 315));
  cmdWissen = maakKnop(fraNamenBestand, "cmdWissen", twips(150, 3150, 1700, 420));

  namen.setRows(2);
  namen.setCols(kNamenKolommen);
  namen.setFixedRows(1);
  namen.setFixedCols(1);
  msfgNamen = maak<platform::GridView>(this, "msfgNamen", twips(120, 3960, 9960, 3000));
  msfgNamen->setGrid(&namen);

  cmdTerug = maakKnop(this, "cmdTerug", twips(8380, 7080, 1700, 420));
  cmdSetfocus = maakKnop(this, "cmdSetfocus", QRect(0, 0, 10, 10));

  lblTitel->setVisible(m_invoer.hint);
  cmdToevoegen->setEnabled(false);
  lblNaamBestand->setEnabled(false);
  txtNaamBestand->setEnabled(false);
  cmdOpslaan->setEnabled(false);
  cmdWissen->setEnabled(false);

  connect(cmdTerug, &QPushButton::clicked, this, [this] { cmdTerug_Click(); });
  connect(chkSorteer, &QCheckBox::clicked, this, [this] {
    chkSorteer->setText(Tekst(chkSorteer->isChecked() ? 13 : 12));
    VulNamenBestanden();
    ZetFocus(this, cmdSetfocus);
  });
  connect(lstNamenBestand, &QListWidget::itemSelectionChanged, this,
          [this] { lstNamenBestand_Click(); });
  connect(cmdToevoegen, &QPushButton::clicked, this, [this] { cmdToevoegen_Click(); });
  for (int i = 0; i < 2; ++i)
    connect(chkTitel[i], &QCheckBox::toggled, this, [this, i] { chkTitel_Click(i); });
  for (int i = 0; i < 3; ++i) {
    connect(txtNaam[i], &QLineEdit::textChanged, this, [this, i](const QString &tekst) {
      // The text the box settled on (not one refused and put back just now).
      if (tekst == txtNaam[i]->text())
        m_vorige[i] = tekst;
      txtNaam_Change();
    });
    connect(txtNaam[i], &QLineEdit::textEdited, this, [this, i] { txtNaam_Edited(i); });
  }
  connect(msfgNamen, &platform::GridView::cellClicked, this,
          [this](int row, int col) { msfgNamen_Click(row, col); });
  connect(cmdOpslaan, &QPushButton::clicked, this, [this] { cmdOpslaan_Click(); });
  connect(cmdWissen, &QPushButton::clicked, this, [this] { cmdWissen_Click(); });
  connect(txtNaamBestand, &QLineEdit::textChanged, this, [this](const QString &tekst) {
    if (tekst == txtNaamBestand->text())
      m_vorigeBestand = tekst;
    cmdOpslaan->setEnabled(!txtNaamBestand->text().trimmed().isEmpty());
  });
  connect(txtNaamBestand, &QLineEdit::textEdited, this, [this] { txtNaamBestand_Edited(); });
}

void frmZemlo02::Form_Load() {
  venster::neemIcoon(this);
  setWindowTitle(Tekst(8));
  venster::centreer(this);
  cmdSetfocus->move(width() + twips(100), 0);

  fraNamenBestand->setTitle(Tekst(9));
  cmdWissen->setText(u'&' + Tekst(10));
  cmdTerug->setText(u'&' + Tekst(11));
  chkSorteer->setText(u'&' + Tekst(12));
  VulNamenBestanden();

  const int labels[3] = {14, 15, 137};
  for (int i = 0; i < 3; ++i)
    lblNaam[i]->setText(Tekst(labels[i]) + u':');

  m_lijst.kop = standaardKop();
  toonLijst();
  GridKolomBreedte(msfgNamen);

  cmdToevoegen->setText(Tekst(17));
  cmdOpslaan->setText(u'&' + Tekst(18));
  fraInvoer->setTitle(Tekst(19) + u':');
  chkTitel[0]->setText(Tekst(20));
  chkTitel[1]->setText(Tekst(21));
  lblNaamBestand->setText(Tekst(22) + QStringLiteral(": "));
  lblTitel->setText(Tekst(140));
}

void frmZemlo02::Form_Activate() { ZetFocus(this, cmdSetfocus); }

void frmZemlo02::VulNamenBestanden() {
  m_bestanden = namenBestanden(chkSorteer->isChecked());
  vulLijst(lstNamenBestand, m_bestanden);
  m_keuze.clear();
  // Nothing is selected now, so there is nothing to delete.
  cmdWissen->setEnabled(false);
}

// Back, Escape and the close box leave the window once the names typed or
// changed are saved or let go.
void frmZemlo02::cmdTerug_Click() {
  if (isClosing() || !laatLijstGaan())
    return;
  closeWindow();
}

void frmZemlo02::sluitVerzoek(Sluiten) { cmdTerug_Click(); }

bool frmZemlo02::naamGetypt() const {
  return naamIngevuld(txtNaam[0]->text(), txtNaam[1]->text(), txtNaam[2]->text());
}

// A list changed and not saved, or a name typed and not added, is dropped
// only after a question: Yes saves (true once saved), No lets it go, Cancel
// keeps it.
bool frmZemlo02::laatLijstGaan() {
  if (!m_lijst.gewijzigd() && !naamGetypt())
    return true;
  return venster::vraagBewaren(this, caption(), Tekst(200), [this] { return cmdOpslaan_Click(); });
}

// The list in the grid, numbered; the grid always has its empty row below
// the header, so a file name can be typed.
void frmZemlo02::NummerNamen() {
  msfgNamen->hide();
  toonLijst();
  lblNaamBestand->setEnabled(true);
  txtNaamBestand->setEnabled(true);
  cmdOpslaan->setEnabled(!txtNaamBestand->text().trimmed().isEmpty());
  msfgNamen->show();
}

void frmZemlo02::toonLijst() { m_lijst.schrijfIn(namen, NamenLijst::NummerMetTekst); }

// The grid back to the headings and one empty row.
void frmZemlo02::leegRaster() {
  m_lijst.leeg();
  namen.setRows(1);
  toonLijst();
}

void frmZemlo02::lstNamenBestand_Click() {
  const auto gekozen = gekozenBestand(lstNamenBestand, m_bestanden);
  if (!gekozen)
    return;
  if (!laatLijstGaan()) {
    markeerBestand(lstNamenBestand, m_bestanden, m_keuze);
    ZetFocus(this, cmdSetfocus);
    return;
  }
  // A save refills the list: the list chosen is found again by its file name.
  m_keuze = gekozen->bestand;
  markeerBestand(lstNamenBestand, m_bestanden, m_keuze);
  if (gekozenRij(lstNamenBestand) < 0) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  const auto bestand = leesNamenBestand(namenPad(gekozen->naam));
  if (!bestand) {
    // It cannot be read, which is said, or it has gone since the list was
    // filled. Either way nothing offers to delete it.
    meldOnleesbaar(this, caption(), namenPad(gekozen->naam));
    VulNamenBestanden();
    ZetFocus(this, cmdSetfocus);
    return;
  }
  cmdWissen->setEnabled(true);
  msfgNamen->hide();
  fraInvoer->setTitle(Tekst(19) + QStringLiteral(": ") + gekozen->naam);
  // Whatever the grid showed goes.
  namen.setRows(1);
  m_lijst.zet(*bestand);
  m_lijst.sorteer(kAchternaam);
  NummerNamen();
  GridKolomBreedte(msfgNamen);
  txtNaamBestand->setText(gekozen->naam);
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo02::cmdToevoegen_Click() {
  const Speler speler = nieuweSpeler(chkTitel[0]->isChecked(), chkTitel[1]->isChecked(),
                                     txtNaam[0]->text(), txtNaam[1]->text(), txtNaam[2]->text());
  for (QLineEdit *box : txtNaam)
    box->clear();
  chkTitel[0]->setChecked(false);
  chkTitel[1]->setChecked(false);
  m_lijst.voegToe(speler);
  NummerNamen();
  GridKolomBreedte(msfgNamen);
  ZetFocus(this, txtNaam[0]);
}

void frmZemlo02::toonInvoer() {
  lblTitel->setVisible(m_invoer.hint);
  cmdToevoegen->setEnabled(m_invoer.toevoegen);
}

void frmZemlo02::txtNaam_Change() {
  m_invoer.naWijziging(txtNaam[0]->text(), txtNaam[1]->text(),
                       chkTitel[0]->isChecked() || chkTitel[1]->isChecked());
  toonInvoer();
}

void frmZemlo02::chkTitel_Click(int index) {
  const int ander = 1 - index;
  if (chkTitel[index]->isChecked() && chkTitel[ander]->isChecked())
    chkTitel[ander]->setChecked(false); // runs the other box's handling first
  m_invoer.naTitelKlik(txtNaam[0]->text(), txtNaam[1]->text());
  toonInvoer();
  ZetFocus(this, cmdSetfocus);
  if (txtNaam[0]->text().trimmed().isEmpty())
    ZetFocus(this, txtNaam[0]);
  else if (txtNaam[1]->text().trimmed().isEmpty())
    ZetFocus(this, txtNaam[1]);
}

void frmZemlo02::focusAanEind(QLineEdit *box) {
  ZetFocus(this, box);
  SendKeys(QStringLiteral("{END}"));
}

void frmZemlo02::meldVerboden(const QString &tekens, QLineEdit *terug) {
  meld(TekstMet(44, tekens), terug);
}

// A letter the names files (Windows-1252) cannot hold would be saved as "?";
// a control character (a tab, say) would be saved in a name, unseen.
void frmZemlo02::meldNietTeBewaren(const QString &teken, QLineEdit *terug) {
  meld(TekstMet(204, {{u'#', platform::shownCharacter(teken)}}), terug);
}

void frmZemlo02::meld(const QString &tekst, QLineEdit *terug) {
  platform::information(this, caption(), tekst);
  if (terug == txtNaamBestand)
    ZetFocus(this, terug);
  else
    focusAanEind(terug);
}

bool frmZemlo02::eventFilter(QObject *watched, QEvent *event) {
  if (ZemloWindow::eventFilter(watched, event))
    return true;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    auto *key = static_cast<QKeyEvent *>(event);
    for (int i = 0; i < 3; ++i) {
      if (watched != txtNaam[i])
        continue;
      if (event->type() == QEvent::KeyRelease) {
        txtNaam_KeyUp(i);
        return false;
      }
      return txtNaam_KeyDown(i, key) || txtNaam_KeyPress(i, key);
    }
    if (watched == txtNaamBestand && event->type() == QEvent::KeyPress)
      return txtNaamBestand_KeyPress(key);
  }
  return false;
}

bool frmZemlo02::txtNaam_KeyPress(int index, QKeyEvent *event) {
  const QString verboden = index == 2 ? verbodenInEmail() : verbodenInNaam();
  if (const auto teken = platform::firstNonAnsi(event->text())) {
    meldNietTeBewaren(*teken, txtNaam[index]);
    return true;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (index == 0) {
      if (txtNaam[1]->text().trimmed().isEmpty())
        focusAanEind(txtNaam[1]);
      else
        cmdToevoegen_Click();
    } else if (index == 1) {
      if (txtNaam[0]->text().trimmed().isEmpty())
        focusAanEind(txtNaam[0]);
      else
        cmdToevoegen_Click();
    }
    return true;
  }
  const QString typed = event->text();
  if (!typed.isEmpty() && !(event->modifiers() & Qt::ControlModifier) &&
      bevatVerboden(typed, verboden)) {
    meldVerboden(verbodenTekst(), txtNaam[index]);
    return true;
  }
  return false;
}

bool frmZemlo02::txtNaam_KeyDown(int index, QKeyEvent *event) {
  if (event->key() == Qt::Key_Up) {
    focusAanEind(txtNaam[(index + 2) % 3]);
    return true;
  }
  if (event->key() == Qt::Key_Down) {
    focusAanEind(txtNaam[(index + 1) % 3]);
    return true;
  }
  return false;
}

void frmZemlo02::txtNaam_KeyUp(int index) {
  QLineEdit *box = txtNaam[index];
  for (const Herstel stap : {Herstel::Punten, Herstel::Apen, Herstel::TweedeAap}) {
    const std::optional<QString> hersteld = herstelTekst(box->text(), stap);
    if (!hersteld)
      continue;
    box->setText(*hersteld);
    focusAanEind(box);
    if (stap == Herstel::TweedeAap) {
      ZetFocus(this, cmdSetfocus);
      focusAanEind(box);
    }
  }
}

// Text that reaches a box other than by a typed key (pasting) is refused
// when it adds a refused character, as a typed one is, or a character that
// cannot be saved: beyond Windows-1252, or a control character. A name read
// from a file may already hold one; editing the rest of it stays possible.
void frmZemlo02::txtNaam_Edited(int index) {
  QLineEdit *box = txtNaam[index];
  const QString verboden = index == 2 ? verbodenInEmail() : verbodenInNaam();
  if (voegtVerbodenToe(m_vorige[index], box->text(), verboden)) {
    box->setText(m_vorige[index]);
    meldVerboden(verbodenTekst(), box);
  } else if (const auto teken = platform::firstUnsavableAdded(m_vorige[index], box->text())) {
    box->setText(m_vorige[index]);
    meldNietTeBewaren(*teken, box);
  }
}

void frmZemlo02::msfgNamen_Click(int row, int col) {
  if (row == 0) {
    sorteerOpKolom(col);
    return;
  }
  // The empty last row, or a player without any text, asks nothing.
  const int nummer = row;
  if (nummer < 1 || nummer > m_lijst.aantal() || m_lijst.speler(nummer).leeg()) {
    ZetFocus(this, txtNaam[0]);
    return;
  }
  const bool weg = platform::question(this, caption(), TekstMet(113, m_lijst.beschrijving(nummer)));
  // On No the player goes into the entry boxes: a name typed there and not
  // added is first added (Yes) or let go (No); Cancel leaves both as they are.
  bool voegToe = false;
  if (!weg && naamGetypt()) {
    const platform::Keuze keuze = platform::questionCancel(this, caption(), Tekst(138));
    if (keuze == platform::Keuze::Annuleer) {
      ZetFocus(this, txtNaam[0]);
      return;
    }
    voegToe = keuze == platform::Keuze::Ja;
  }
  const Speler speler = m_lijst.neemWeg(nummer);
  if (voegToe)
    cmdToevoegen_Click();
  if (!weg) {
    // The player goes back into the entry boxes, the title recognised in
    // either language; an unknown or empty title ticks neither box.
    const int vakje = titelVakje(speler.titel);
    chkTitel[0]->setChecked(vakje == 0);
    chkTitel[1]->setChecked(vakje == 1);
    txtNaam[0]->setText(speler.voornaam);
    txtNaam[1]->setText(speler.achternaam);
    txtNaam[2]->setText(speler.email);
  }
  NummerNamen();
  ZetFocus(this, txtNaam[0]);
}

void frmZemlo02::sorteerOpKolom(int col) {
  if (col < kNummer || col >= kNamenKolommen)
    return;
  m_lijst.sorteer(col);
  NummerNamen();
}

bool frmZemlo02::cmdOpslaan_Click() {
  QString naam = namenLijstNaam(txtNaamBestand->text());
  if (naam.trimmed().isEmpty()) {
    // Only the leaving question can ask for a save without a file name.
    lblNaamBestand->setEnabled(true);
    txtNaamBestand->setEnabled(true);
    meld(Tekst(201), txtNaamBestand);
    return false;
  }
  cmdOpslaan->setEnabled(false);
  if (naamGetypt()) {
    QString vraag = Tekst(138);
    if (platform::question(this, caption(), vraag)) {
      cmdToevoegen_Click();
      cmdOpslaan->setEnabled(true);
      return cmdOpslaan_Click();
    }
  }
  txtNaamBestand->clear();
  txtNaamBestand->setEnabled(false);
  lblNaamBestand->setEnabled(false);

  auto geefTerug = [&] {
    lblNaamBestand->setEnabled(true);
    txtNaamBestand->setEnabled(true);
    txtNaamBestand->setText(naam);
    ZetFocus(this, cmdSetfocus);
  };
  // Names are told apart without regard to case: an existing list of the
  // same name is the file replaced.
  if (BestandBestaat(namenPad(naam)) == 1) {
    if (!platform::question(this, caption(), TekstMet(26, naam))) {
      geefTerug();
      return false;
    }
  }
  cmdWissen->setEnabled(false);
  msfgNamen->hide();
  const TweelingOpslag opslag = schrijfNamenBestand(naam, m_lijst.regels());
  // The file that could not be written is named. Without its ".txt" nothing
  // is lost: the grid and the name stay for another try; a twin that could
  // not follow leaves the list saved.
  if (!opslag.mislukt.isEmpty())
    platform::information(this, windowTitle(), TekstMet(181, BestandNaam(opslag.mislukt)));
  if (!opslag.txt) {
    msfgNamen->show();
    geefTerug();
    return false;
  }
  leegRaster();
  msfgNamen->show();
  VulNamenBestanden();
  ZetFocus(this, cmdSetfocus);
  return true;
}

void frmZemlo02::cmdWissen_Click() {
  // A list that could not be deleted stays in the grid as it was.
  const auto gekozen = vraagWisNamen(this, caption(), lstNamenBestand, m_bestanden, cmdWissen);
  if (gekozen && wisNamenBestand(this, caption(), *gekozen, cmdWissen)) {
    leegRaster();
    VulNamenBestanden();
    lblNaamBestand->setEnabled(false);
    txtNaamBestand->clear();
    txtNaamBestand->setEnabled(false);
  }
  ZetFocus(this, cmdSetfocus);
}

bool frmZemlo02::txtNaamBestand_KeyPress(QKeyEvent *event) {
  const QString typed = event->text();
  if (typed.isEmpty() || (event->modifiers() & Qt::ControlModifier))
    return false;
  if (const auto teken = platform::firstNonAnsi(typed)) {
    meldNietTeBewaren(*teken, txtNaamBestand);
    return true;
  }
  if (bevatVerboden(typed, verbodenInBestandsnaam()) && event->key() != Qt::Key_Return &&
      event->key() != Qt::Key_Enter) {
    meldVerboden(Tekst(43) + u'"', txtNaamBestand);
    return true;
  }
  return false;
}

void frmZemlo02::txtNaamBestand_Edited() {
  if (voegtVerbodenToe(m_vorigeBestand, txtNaamBestand->text(), verbodenInBestandsnaam())) {
    txtNaamBestand->setText(m_vorigeBestand);
    meldVerboden(Tekst(43) + u'"', txtNaamBestand);
  } else if (const auto teken =
                 platform::firstUnsavableAdded(m_vorigeBestand, txtNaamBestand->text())) {
    txtNaamBestand->setText(m_vorigeBestand);
    meldNietTeBewaren(*teken, txtNaamBestand);
  }
}
