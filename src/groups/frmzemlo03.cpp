#include "groups/frmzemlo03.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/printgrid.h"
#include "frame/vensterhulp.h"
#include "groups/bestandlijst.h"
#include "groups/rasterrij.h"
#include "platform/gridview.h"
#include "platform/messagebox.h"
#include "platform/textfile.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

using namespace BAS_Zemlo;
using namespace groups;
using venster::maak;
using venster::maakKnop;
using venster::maakLabel;
using venster::twips;

frmZemlo03::frmZemlo03() : ZemloWindow(QStringLiteral("frmZemlo03")) {
  setFixedSize(twips(12720), twips(8520));
  auto lijstFrame = [&](QGroupBox *&frame, QListWidget *&lijst, QCheckBox *&sorteer,
                        QPushButton *&wis, const char *frameName, const char *lijstName,
                        const char *sorteerName, const char *wisName, int left) {
    frame = maak<QGroupBox>(this, frameName, twips(left, 90, 3600, 3060));
    lijst = maak<QListWidget>(frame, lijstName, twips(150, 330, 3300, 1860));
    sorteer = maak<QCheckBox>(frame, sorteerName, twips(150, 2220, 3300, 315));
    wis = maakKnop(frame, wisName, twips(150, 2580, 2500, 390));
  };
  lijstFrame(fraNamenBestanden, lstNamenBestand, chkSorteerNamen, cmdWisNamen, "fraNamenBestanden",
             "lstNamenBestand", "chkSorteerNamen", "cmdWisNamen", 120);
  lijstFrame(fraGroepBestanden, lstGroepBestand, chkSorteerGroepen, cmdWisGroepen,
             "fraGroepBestanden", "lstGroepBestand", "chkSorteerGroepen", "cmdWisGroepen", 3840);

  namen.setRows(2);
  namen.setCols(kNamenKolommen);
  namen.setFixedRows(1);
  namen.setFixedCols(1);
  msfgNamen = maak<platform::GridView>(this, "msfgNamen", twips(120, 3270, 7320, 5130));
  msfgNamen->setGrid(&namen);

  const int rechts = 7620;
  for (int i = 0; i < 2; ++i) {
    lblNaamNummer[i] = maakLabel(this, i == 0 ? "lblNaamNummer(0)" : "lblNaamNummer(1)",
                                 twips(rechts, 180 + i * 420, 900, 330));
    lblNaam[i] = maakLabel(this, i == 0 ? "lblNaam(0)" : "lblNaam(1)",
                           twips(rechts + 900, 180 + i * 420, 4080, 330));
    lblNaam[i]->setFrameShape(QFrame::Panel);
    lblNaam[i]->setFrameShadow(QFrame::Sunken);
    lblNaam[i]->setStyleSheet(
        QStringLiteral("QLabel { background: %1; }").arg(venster::cssKleur(0xFFFFFF)));
    lblNaam[i]->setCursor(Qt::PointingHandCursor);
  }
  cmdToevoegen = maakKnop(this, "cmdToevoegen", twips(rechts, 1080, 2400, 400));
  cmdStilzitter = maakKnop(this, "cmdStilzitter", twips(rechts + 2580, 1080, 2400, 400));
  cmdMaakLeeg = maakKnop(this, "cmdMaakLeeg", twips(rechts, 1560, 2400, 400));
  cmdAfdrukken = maakKnop(this, "cmdAfdrukken", twips(rechts + 2580, 1560, 2400, 400));

  lblNaamBestand = maakLabel(this, "lblNaamBestand", twips(rechts, 2100, 1500, 315));
  txtNaamBestand = maak<QLineEdit>(this, "txtNaamBestand", twips(rechts + 1530, 2070, 1400, 345));
  lblGroepLetter = maakLabel(this, "lblGroepLetter", twips(rechts + 3000, 2100, 1200, 315));
  txtGroepLetter = maak<QLineEdit>(this, "txtGroepLetter", twips(rechts + 4200, 2070, 450, 345));
  txtGroepLetter->setAlignment(Qt::AlignCenter);
  // Both boxes are filled by the program only; the focus never rests in them.
  for (QLineEdit *box : {txtNaamBestand, txtGroepLetter}) {
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
  }
  vscrGroepLetter = maak<QScrollBar>(this, "vscrGroepLetter", twips(rechts + 4650, 2040, 270, 405));
  vscrGroepLetter->setRange(-1, 27);

  cmdKalender = maakKnop(this, "cmdKalender", twips(rechts, 2550, 2400, 400));
  lblAanTalParen = maakLabel(this, "lblAanTalParen", twips(rechts, 3060, 4980, 300));
  QFont vet = lblAanTalParen->font();
  vet.setBold(true);
  lblAanTalParen->setFont(vet);
  lblKanNiet = maakLabel(this, "lblKanNiet", twips(rechts + 2580, 2580, 2400, 345));
  lblKanNiet->setStyleSheet(QStringLiteral("color: %1;").arg(venster::cssKleur(0x0000FF)));
  lblKanNiet->setWordWrap(true);

  groepen.setRows(2);
  groepen.setCols(2);
  groepen.setFixedRows(1);
  groepen.setFixedCols(1);
  msfgGroepen = maak<platform::GridView>(this, "msfgGroepen", twips(rechts, 3420, 4980, 4380));
  msfgGroepen->setGrid(&groepen);

  cmdOpslaan = maakKnop(this, "cmdOpslaan", twips(rechts, 7920, 2400, 420));
  cmdTerug = maakKnop(this, "cmdTerug", twips(rechts + 2580, 7920, 2400, 420));
  cmdSetfocus = maakKnop(this, "cmdSetfocus", QRect(0, 0, 10, 10));

  cmdWisNamen->setEnabled(false);
  cmdWisGroepen->setEnabled(false);
  toon();

  connect(cmdTerug, &QPushButton::clicked, this, [this] { cmdTerug_Click(); });
  connect(chkSorteerNamen, &QCheckBox::clicked, this, [this] {
    chkSorteerNamen->setText(Tekst(chkSorteerNamen->isChecked() ? 13 : 12));
    VulNamenBestanden();
    ZetFocus(this, cmdSetfocus);
  });
  connect(chkSorteerGroepen, &QCheckBox::clicked, this, [this] {
    chkSorteerGroepen->setText(Tekst(chkSorteerGroepen->isChecked() ? 13 : 12));
    VulGroepBestanden();
    ZetFocus(this, cmdSetfocus);
  });
  connect(lstNamenBestand, &QListWidget::itemSelectionChanged, this,
          [this] { lstNamenBestand_Click(); });
  connect(lstGroepBestand, &QListWidget::itemSelectionChanged, this,
          [this] { lstGroepBestand_Click(); });
  connect(msfgNamen, &platform::GridView::cellClicked, this,
          [this](int row, int) { msfgNamen_Click(row); });
  connect(msfgGroepen, &platform::GridView::cellClicked, this,
          [this](int row, int) { msfgGroepen_Click(row); });
  connect(cmdToevoegen, &QPushButton::clicked, this, [this] { cmdToevoegen_Click(); });
  connect(cmdStilzitter, &QPushButton::clicked, this, [this] { cmdStilzitter_Click(); });
  connect(cmdMaakLeeg, &QPushButton::clicked, this, [this] { cmdMaakLeeg_Click(); });
  connect(vscrGroepLetter, &QScrollBar::valueChanged, this,
          [this](int value) { vscrGroepLetter_Change(value); });
  connect(cmdKalender, &QPushButton::clicked, this, [this] { cmdKalender_Click(); });
  connect(cmdOpslaan, &QPushButton::clicked, this, [this] { cmdOpslaan_Click(); });
  connect(cmdWisGroepen, &QPushButton::clicked, this, [this] { cmdWisGroepen_Click(); });
  connect(cmdWisNamen, &QPushButton::clicked, this, [this] { cmdWisNamen_Click(); });
  connect(cmdAfdrukken, &QPushButton::clicked, this, [this] { cmdAfdrukken_Click(); });
}

void frmZemlo03::Form_Load() {
  m_laden = true;
  venster::neemIcoon(this);
  setWindowTitle(Tekst(28));
  venster::centreer(this);
  cmdSetfocus->move(width() + twips(100), 0);

  fraNamenBestanden->setTitle(Tekst(9));
  fraGroepBestanden->setTitle(Tekst(31));
  cmdWisNamen->setText(Tekst(37));
  cmdWisGroepen->setText(Tekst(38));
  lblNaamNummer[0]->setText(Tekst(29) + QStringLiteral(" 1:"));
  lblNaamNummer[1]->setText(Tekst(29) + QStringLiteral(" 2:"));
  lblNaamBestand->setText(Tekst(30) + u':');
  lblGroepLetter->setText(Tekst(64));
  lblKanNiet->setText(Tekst(45));
  cmdToevoegen->setText(u'&' + Tekst(39));
  cmdStilzitter->setText(u'&' + Tekst(33));
  cmdMaakLeeg->setText(u'&' + Tekst(35));
  cmdAfdrukken->setText(u'&' + Tekst(40));
  cmdKalender->setText(u'&' + Tekst(60));
  cmdOpslaan->setText(u'&' + Tekst(18));
  cmdTerug->setText(u'&' + Tekst(11));
  chkSorteerNamen->setText(Tekst(12));
  chkSorteerGroepen->setText(Tekst(12));
  // Each slot right of its heading.
  for (int i = 0; i < 2; ++i) {
    const int links = lblNaamNummer[i]->x() + lblNaamNummer[i]->sizeHint().width() + 6;
    lblNaam[i]->setGeometry(links, lblNaam[i]->y(), msfgGroepen->geometry().right() - links + 1,
                            lblNaam[i]->height());
  }

  // The letter box right of its label at the height of the date box, the
  // scroll bar right of the letter box.
  const int letterLinks = lblGroepLetter->x() + lblGroepLetter->sizeHint().width() + 6;
  lblGroepLetter->move(lblGroepLetter->x(), txtNaamBestand->y() + 3);
  txtGroepLetter->move(letterLinks, txtNaamBestand->y());
  vscrGroepLetter->move(txtGroepLetter->geometry().right() + 1,
                        txtNaamBestand->y() +
                            (txtNaamBestand->height() - vscrGroepLetter->height()) / 2);

  for (const char *map : {"namen", "groepen"}) {
    QString pad = Pad(QString::fromLatin1(map));
    MaakPad(pad);
  }
  VulNamenBestanden();
  VulGroepBestanden();

  samenstelling.vergeetNamen(standaardKop());
  zetRij(groepen, 0, {Tekst(16), Tekst(32)});
  toon();
  GridKolomBreedte(msfgNamen);
  GridKolomBreedte(msfgGroepen);
  m_laden = false;
}

void frmZemlo03::Form_Activate() {
  if (!sKalenderDatum.isEmpty()) {
    samenstelling.datum = sKalenderDatum;
    toon();
  }
  ZetFocus(this, cmdSetfocus);
}

bool frmZemlo03::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (int i = 0; i < 2; ++i)
      if (watched == lblNaam[i] && isEnabled()) {
        lblNaam_Click(i);
        return true;
      }
  }
  return ZemloWindow::eventFilter(watched, event);
}

// Shows the state of the composition: the names grid, the slots, the group
// grid, the pair count and its warning, and which buttons may be used.
void frmZemlo03::toon() {
  samenstelling.namenLijst.schrijfIn(namen, NamenLijst::ElkNummer);
  const Samenstelling &s = samenstelling;
  for (int i = 0; i < 2; ++i)
    lblNaam[i]->setText(s.vakken[i].naam);
  s.vulGroepRaster(groepen);
  lblAanTalParen->setText(aantalParenTekst(s.aantal()));
  lblKanNiet->setVisible(s.kanNiet());
  cmdKalender->setEnabled(s.kalenderMag());
  cmdStilzitter->setEnabled(s.stilzitMag());
  cmdMaakLeeg->setEnabled(s.aantal() >= 1);
  cmdAfdrukken->setEnabled(s.aantal() >= 1);
  cmdToevoegen->setEnabled(s.slotsVol());
  fraGroepBestanden->setEnabled(s.namenGelezen());
  const bool spelers = s.namenLijst.aantal() > 0;
  lblNaamBestand->setEnabled(spelers);
  txtNaamBestand->setEnabled(spelers);
  txtNaamBestand->setText(s.datum);
  txtGroepLetter->setText(s.letterTekst());
  {
    const QSignalBlocker blocker(vscrGroepLetter);
    vscrGroepLetter->setValue(s.letter);
  }
  cmdOpslaan->setEnabled(s.magOpslaan());
}

void frmZemlo03::VulNamenBestanden() {
  m_namenBestanden = namenBestanden(chkSorteerNamen->isChecked());
  vulLijst(lstNamenBestand, m_namenBestanden);
  // The names file that is read stays marked.
  const QSignalBlocker blocker(lstNamenBestand);
  for (int i = 0; i < m_namenBestanden.size(); ++i)
    if (m_namenBestanden[i].naam.compare(m_namenBestand, Qt::CaseInsensitive) == 0)
      lstNamenBestand->setCurrentRow(i);
}

void frmZemlo03::VulGroepBestanden() {
  m_groepBestanden = groepBestanden(chkSorteerGroepen->isChecked());
  vulLijst(lstGroepBestand, m_groepBestanden);
  m_groepBestand.clear();
}

// Back, Escape and the close box leave the window once a group composed and
// not saved is saved or let go.
void frmZemlo03::cmdTerug_Click() {
  if (isClosing() || !laatGroepGaan())
    return;
  closeWindow();
}

void frmZemlo03::sluitVerzoek(Sluiten) { cmdTerug_Click(); }

// A group composed and not saved is dropped only after a question: Yes saves
// it (true once it is saved), No lets it go, Cancel keeps it.
bool frmZemlo03::laatGroepGaan() {
  if (!samenstelling.onbewaard())
    return true;
  return venster::vraagBewaren(this, windowTitle(), Tekst(202),
                               [this] { return cmdOpslaan_Click(); });
}

void frmZemlo03::lstNamenBestand_Click() {
  const auto gekozen = gekozenBestand(lstNamenBestand, m_namenBestanden);
  if (!gekozen)
    return;
  if (!laatGroepGaan()) {
    // The names file read stays the one chosen.
    VulNamenBestanden();
    ZetFocus(this, cmdSetfocus);
    return;
  }
  m_namenBestand = gekozen->naam;
  fraNamenBestanden->setTitle(Tekst(19) + QStringLiteral(": ") + m_namenBestand);
  leesNamen();
}

// Reads the names file chosen, which empties the group and the slots and
// gives every player a row of the names grid; the date and letter start anew.
void frmZemlo03::leesNamen() {
  msfgNamen->hide();
  // Whatever the grid showed goes.
  namen.setRows(1);
  const auto bestand = leesNamenBestand(namenPad(m_namenBestand));
  if (bestand) {
    samenstelling.leesNamen(*bestand);
  } else {
    // It cannot be read, which is said, or it has gone since the list was
    // filled. Either way nothing offers to delete it.
    meldOnleesbaar(this, windowTitle(), namenPad(m_namenBestand));
    m_namenBestand.clear();
    fraNamenBestanden->setTitle(Tekst(9));
    samenstelling.vergeetNamen(standaardKop());
    VulNamenBestanden();
  }
  groepen.setTopRow(1);
  msfgNamen->show();
  cmdWisNamen->setEnabled(bestand.has_value());
  samenstelling.wisDatumEnLetter();
  toon();
  GridKolomBreedte(msfgNamen);
  GridKolomBreedte(msfgGroepen);
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::msfgNamen_Click(int row) {
  const int slot = samenstelling.kiesSpeler(row);
  if (slot >= 0)
    toon();
  if (samenstelling.slotsVol() && slot >= 0)
    ZetFocus(this, cmdToevoegen);
  else
    ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::lblNaam_Click(int index) {
  if (samenstelling.geefSlotTerug(index))
    toon();
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::cmdToevoegen_Click() {
  if (samenstelling.voegPaarToe()) {
    toon();
    if (groepen.rows() > 12)
      groepen.setTopRow(groepen.rows() - 1);
    GridKolomBreedte(msfgGroepen);
  } else {
    toon();
  }
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::cmdStilzitter_Click() {
  if (samenstelling.voegStilzitToe()) {
    toon();
    GridKolomBreedte(msfgGroepen);
  }
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::msfgGroepen_Click(int row) {
  const int index = row - 1;
  if (index < 0 || index >= samenstelling.aantal()) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  const bool stilzit = samenstelling.entries[index].stilzit;
  samenstelling.neemUit(index);
  toon();
  GridKolomBreedte(msfgGroepen);
  ZetFocus(this, cmdSetfocus);
  if (stilzit)
    ZetFocus(this, cmdToevoegen);
}

void frmZemlo03::cmdMaakLeeg_Click() {
  if (platform::question(this, windowTitle(), Tekst(36)))
    MaakGroepLeeg();
  ZetFocus(this, cmdSetfocus);
}

// Reads the names file again, which gives every player back and starts an
// empty group.
void frmZemlo03::MaakGroepLeeg() {
  if (!m_namenBestand.isEmpty()) {
    leesNamen();
    return;
  }
  samenstelling.leegGroep();
  toon();
}

void frmZemlo03::vscrGroepLetter_Change(int value) {
  if (m_laden)
    return;
  const int letter = samenstelling.zetLetter(value);
  if (letter != value) {
    vscrGroepLetter->setValue(letter);
    return;
  }
  txtGroepLetter->setText(samenstelling.letterTekst());
}

void frmZemlo03::cmdKalender_Click() {
  if (!samenstelling.kalenderMag())
    return;
  openWindow(QStringLiteral("frmZemlo05"), this);
}

bool frmZemlo03::cmdOpslaan_Click() {
  const GroepOpslaan stap = opslaanStap(samenstelling);
  switch (stap.stap) {
  case GroepOpslaan::Niets:
    toon();
    return false;
  case GroepOpslaan::Melden:
    platform::information(this, windowTitle(), stap.tekst);
    ZetFocus(this, cmdSetfocus);
    return false;
  case GroepOpslaan::Vragen:
    if (!platform::question(this, windowTitle(), stap.tekst)) {
      ZetFocus(this, cmdSetfocus);
      return false;
    }
    break;
  case GroepOpslaan::Schrijven:
    break;
  }
  const TweelingOpslag opslag =
      schrijfGroepBestand(stap.naam, samenstelling.groepRegels(), samenstelling.mailRegels());
  // The file that could not be written is named. Without its ".txt" nothing
  // is lost: the group stays for another try; a companion that could not
  // follow leaves the group saved.
  if (!opslag.mislukt.isEmpty())
    platform::information(this, windowTitle(), TekstMet(181, BestandNaam(opslag.mislukt)));
  if (!opslag.txt) {
    ZetFocus(this, cmdSetfocus);
    return false;
  }
  MaakGroepLeeg();
  VulGroepBestanden();
  samenstelling.wisDatumEnLetter();
  toon();
  ZetFocus(this, cmdSetfocus);
  return true;
}

void frmZemlo03::lstGroepBestand_Click() {
  int index = gekozenRij(lstGroepBestand);
  if (index < 0 || index >= m_groepBestanden.size())
    return;
  const LijstBestand gekozen = m_groepBestanden[index];
  if (!laatGroepGaan()) {
    // The group being composed stays, and so does the choice of before.
    markeerBestand(lstGroepBestand, m_groepBestanden, m_groepBestand);
    ZetFocus(this, cmdSetfocus);
    return;
  }
  // A save refills the list: the file chosen is found again by its name.
  index = zoekBestand(m_groepBestanden, gekozen.bestand);
  if (index < 0) {
    markeerBestand(lstGroepBestand, m_groepBestanden, m_groepBestand);
    ZetFocus(this, cmdSetfocus);
    return;
  }
  m_groepBestand = gekozen.bestand;
  // Every player back to the names grid first.
  MaakGroepLeeg();
  msfgGroepen->hide();
  if (BestandBestaat(uitslagPad(gekozen.naam)) == 1) {
    platform::information(this, windowTitle(), groepVastTekst(gekozen.naam));
    msfgGroepen->show();
    cmdWisGroepen->setEnabled(true);
    ZetFocus(this, cmdSetfocus);
    return;
  }
  const QString pad = groepPad(gekozen.naam);
  // A group or a companion that cannot be read is named and not loaded: a
  // save would write the group without the addresses it holds. Nothing
  // offers to delete it.
  if (meldOnleesbaar(this, windowTitle(), pad) ||
      meldOnleesbaar(this, windowTitle(), groepMailPad(gekozen.naam))) {
    msfgGroepen->show();
    markeerBestand(lstGroepBestand, m_groepBestanden, QString());
    m_groepBestand.clear();
    cmdWisGroepen->setEnabled(false);
    ZetFocus(this, cmdSetfocus);
    return;
  }
  const auto regels = BestandBestaat(pad) == 1 ? leesGroepBestand(pad) : std::nullopt;
  if (regels) {
    const GroepNaamDelen delen = splitsGroepNaam(gekozen.naam);
    samenstelling.datum = delen.datum;
    const int letter = static_cast<int>(groepLetters().indexOf(delen.letter));
    samenstelling.letter = letter >= 0 ? letter : kLetterA;
    const QStringList companion =
        platform::readTextLines(groepMailPad(gekozen.naam)).value_or(QStringList());
    samenstelling.herlaad(*regels, companion);
    toon();
  }
  GridKolomBreedte(msfgGroepen);
  msfgGroepen->show();
  {
    const QSignalBlocker blocker(lstGroepBestand);
    lstGroepBestand->setCurrentRow(index);
  }
  cmdWisGroepen->setEnabled(true);
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::cmdWisGroepen_Click() {
  const auto gekozen = gekozenBestand(lstGroepBestand, m_groepBestanden);
  if (!gekozen) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  cmdWisGroepen->setEnabled(false);
  const GroepWissen wissen = wisGroepStap(gekozen->naam);
  if (!platform::question(this, windowTitle(), wissen.vraag)) {
    cmdWisGroepen->setEnabled(true);
    ZetFocus(this, cmdSetfocus);
    return;
  }
  // The group file goes first: when it stays, so do its companion, its
  // results file and the group in the window.
  if (!wisBestand(this, windowTitle(), wissen.paden.first(), cmdWisGroepen)) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  samenstelling.leegGroep();
  toon();
  const QString fout = WisBestanden(wissen.paden.mid(1));
  VulGroepBestanden();
  cmdWisGroepen->setEnabled(false);
  MaakGroepLeeg();
  samenstelling.wisDatumEnLetter();
  toon();
  if (!fout.isEmpty())
    platform::information(this, windowTitle(), fout);
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::cmdWisNamen_Click() {
  const auto gekozen =
      vraagWisNamen(this, windowTitle(), lstNamenBestand, m_namenBestanden, cmdWisNamen);
  if (!gekozen) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  // The group composed from the names read goes with them: a group not saved
  // is saved or let go first, or nothing is deleted.
  if (!laatGroepGaan()) {
    cmdWisNamen->setEnabled(true);
    ZetFocus(this, cmdSetfocus);
    return;
  }
  // A file that stays leaves the window as it was.
  if (!wisNamenBestand(this, windowTitle(), *gekozen, cmdWisNamen)) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  cmdWisNamen->setEnabled(false);
  // The whole window starts again: nothing may refer to rows that are gone.
  m_namenBestand.clear();
  namen.setRows(1);
  samenstelling.vergeetNamen(standaardKop());
  samenstelling.wisDatumEnLetter();
  fraNamenBestanden->setTitle(Tekst(9));
  {
    const QSignalBlocker blocker(lstGroepBestand);
    lstGroepBestand->setCurrentRow(-1);
    lstGroepBestand->clearSelection();
  }
  m_groepBestand.clear();
  cmdWisGroepen->setEnabled(false);
  toon();
  GridKolomBreedte(msfgNamen);
  VulNamenBestanden();
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::cmdAfdrukken_Click() {
  setEnabled(false);
  const bool afdrukken = KiesPrinter(this, 0x100004);
  if (afdrukken) {
    const QString titel =
        samenstelling.datum.trimmed().isEmpty()
            ? Tekst(28)
            : groepBestandNaam(samenstelling.datum, samenstelling.letterTekst()).chopped(4);
    int marge = 0;
    PrintGrid(groepen, titel, 0, marge);
  }
  setEnabled(true);
  unsetCursor();
  cmdAfdrukken->setEnabled(samenstelling.aantal() >= 1);
  ZetFocus(this, cmdSetfocus);
}
