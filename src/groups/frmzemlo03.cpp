#include "groups/frmzemlo03.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/printgrid.h"
#include "groups/vensterhulp.h"
#include "platform/gridview.h"
#include "platform/messagebox.h"
#include "platform/units.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

using namespace BAS_Zemlo;
using namespace groups;
using platform::twipsToPixels;

namespace {
QRect twips(int left, int top, int width, int height) {
  return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
               twipsToPixels(height));
}

int aantalLetters() { return 26; }
} // namespace

frmZemlo03::frmZemlo03() : ZemloWindow(QStringLiteral("frmZemlo03")) {
  setFixedSize(twipsToPixels(12720), twipsToPixels(8520));
  auto knop = [this](QWidget *parent, const char *name, const QRect &r) {
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(r);
    return b;
  };
  auto label = [this](const char *name, const QRect &r) {
    auto *l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(r);
    return l;
  };
  auto lijstFrame = [&](QGroupBox *&frame, QListWidget *&lijst, QCheckBox *&sorteer,
                        QPushButton *&wis, const char *frameName, const char *lijstName,
                        const char *sorteerName, const char *wisName, int left) {
    frame = new QGroupBox(this);
    frame->setObjectName(QString::fromLatin1(frameName));
    frame->setGeometry(twips(left, 90, 3600, 3060));
    lijst = new QListWidget(frame);
    lijst->setObjectName(QString::fromLatin1(lijstName));
    lijst->setGeometry(twips(150, 330, 3300, 1860));
    sorteer = new QCheckBox(frame);
    sorteer->setObjectName(QString::fromLatin1(sorteerName));
    sorteer->setGeometry(twips(150, 2220, 3300, 315));
    wis = knop(frame, wisName, twips(150, 2580, 2500, 390));
  };
  lijstFrame(fraNamenBestanden, lstNamenBestand, chkSorteerNamen, cmdWisNamen, "fraNamenBestanden",
             "lstNamenBestand", "chkSorteerNamen", "cmdWisNamen", 120);
  lijstFrame(fraGroepBestanden, lstGroepBestand, chkSorteerGroepen, cmdWisGroepen,
             "fraGroepBestanden", "lstGroepBestand", "chkSorteerGroepen", "cmdWisGroepen", 3840);

  namen.setRows(2);
  namen.setCols(5);
  namen.setFixedRows(1);
  namen.setFixedCols(1);
  msfgNamen = new platform::GridView(this);
  msfgNamen->setObjectName(QStringLiteral("msfgNamen"));
  msfgNamen->setModel(&namen);
  msfgNamen->setGeometry(twips(120, 3270, 7320, 5130));

  const int rechts = 7620;
  for (int i = 0; i < 2; ++i) {
    lblNaamNummer[i] = label(i == 0 ? "lblNaamNummer(0)" : "lblNaamNummer(1)",
                             twips(rechts, 180 + i * 420, 900, 330));
    lblNaam[i] =
        label(i == 0 ? "lblNaam(0)" : "lblNaam(1)", twips(rechts + 900, 180 + i * 420, 4080, 330));
    lblNaam[i]->setFrameShape(QFrame::Panel);
    lblNaam[i]->setFrameShadow(QFrame::Sunken);
    lblNaam[i]->setStyleSheet(QStringLiteral("QLabel { background: white; }"));
    lblNaam[i]->setCursor(Qt::PointingHandCursor);
  }
  cmdToevoegen = knop(this, "cmdToevoegen", twips(rechts, 1080, 2400, 400));
  cmdStilzitter = knop(this, "cmdStilzitter", twips(rechts + 2580, 1080, 2400, 400));
  cmdMaakLeeg = knop(this, "cmdMaakLeeg", twips(rechts, 1560, 2400, 400));
  cmdAfdrukken = knop(this, "cmdAfdrukken", twips(rechts + 2580, 1560, 2400, 400));

  lblNaamBestand = label("lblNaamBestand", twips(rechts, 2100, 1500, 315));
  txtNaamBestand = new QLineEdit(this);
  txtNaamBestand->setObjectName(QStringLiteral("txtNaamBestand"));
  txtNaamBestand->setGeometry(twips(rechts + 1530, 2070, 1400, 345));
  lblGroepLetter = label("lblGroepLetter", twips(rechts + 3000, 2100, 1200, 315));
  txtGroepLetter = new QLineEdit(this);
  txtGroepLetter->setObjectName(QStringLiteral("txtGroepLetter"));
  txtGroepLetter->setGeometry(twips(rechts + 4200, 2070, 450, 345));
  txtGroepLetter->setAlignment(Qt::AlignCenter);
  // Both boxes are filled by the program only; the focus never rests in them.
  for (QLineEdit *box : {txtNaamBestand, txtGroepLetter}) {
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
  }
  vscrGroepLetter = new QScrollBar(Qt::Vertical, this);
  vscrGroepLetter->setObjectName(QStringLiteral("vscrGroepLetter"));
  vscrGroepLetter->setRange(-1, 27);
  vscrGroepLetter->setGeometry(twips(rechts + 4650, 2040, 270, 405));

  cmdKalender = knop(this, "cmdKalender", twips(rechts, 2550, 2400, 400));
  lblAanTalParen = label("lblAanTalParen", twips(rechts, 3060, 4980, 300));
  QFont vet = lblAanTalParen->font();
  vet.setBold(true);
  lblAanTalParen->setFont(vet);
  lblKanNiet = label("lblKanNiet", twips(rechts + 2580, 2580, 2400, 345));
  lblKanNiet->setStyleSheet(QStringLiteral("color: #ff0000;"));
  lblKanNiet->setWordWrap(true);

  groepen.setRows(2);
  groepen.setCols(2);
  groepen.setFixedRows(1);
  groepen.setFixedCols(1);
  msfgGroepen = new platform::GridView(this);
  msfgGroepen->setObjectName(QStringLiteral("msfgGroepen"));
  msfgGroepen->setModel(&groepen);
  msfgGroepen->setGeometry(twips(rechts, 3420, 4980, 4380));

  cmdOpslaan = knop(this, "cmdOpslaan", twips(rechts, 7920, 2400, 420));
  cmdTerug = knop(this, "cmdTerug", twips(rechts + 2580, 7920, 2400, 420));
  cmdSetfocus = knop(this, "cmdSetfocus", QRect(0, 0, 10, 10));

  fraGroepBestanden->setEnabled(false);
  for (QWidget *w : std::initializer_list<QWidget *>{
           lblNaamBestand, txtNaamBestand, cmdToevoegen, cmdStilzitter, cmdMaakLeeg, cmdAfdrukken,
           cmdKalender, cmdOpslaan, cmdWisNamen, cmdWisGroepen})
    w->setEnabled(false);
  lblKanNiet->setVisible(false);

  connect(cmdTerug, &QPushButton::clicked, this, &ZemloWindow::closeWindow);
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
  connect(txtNaamBestand, &QLineEdit::textChanged, this, [this] { werkOpslaanBij(); });
  connect(cmdOpslaan, &QPushButton::clicked, this, [this] { cmdOpslaan_Click(); });
  connect(cmdWisGroepen, &QPushButton::clicked, this, [this] { cmdWisGroepen_Click(); });
  connect(cmdWisNamen, &QPushButton::clicked, this, [this] { cmdWisNamen_Click(); });
  connect(cmdAfdrukken, &QPushButton::clicked, this, [this] { cmdAfdrukken_Click(); });
}

void frmZemlo03::Form_Load() {
  m_laden = true;
  neemIcoon(this);
  setWindowTitle(Tekst(28));
  centreer(this);
  cmdSetfocus->move(width() + twipsToPixels(100), 0);

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
  lblAanTalParen->setText(QStringLiteral("0 ") + Tekst(32) + u' ' + Tekst(42));
  for (int i = 0; i < 2; ++i) {
    leegSlot(i);
    const int links = lblNaamNummer[i]->x() + lblNaamNummer[i]->sizeHint().width() + 6;
    lblNaam[i]->setGeometry(links, lblNaam[i]->y(), msfgGroepen->geometry().right() - links + 1,
                            lblNaam[i]->height());
  }

  lstGroepLetter.clear();
  for (char16_t c = u'Z'; c >= u'A'; --c)
    lstGroepLetter.append(QString(QChar(c)));
  vscrGroepLetter->setValue(aantalLetters() - 1);
  txtGroepLetter->setText(QStringLiteral("A"));

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

  zetRij(namen, 0, {Tekst(16), standaardKop()[1], Tekst(14), Tekst(15), Tekst(137)});
  GridKolomBreedte(msfgNamen);
  zetRij(groepen, 0, {Tekst(16), Tekst(32)});
  GridKolomBreedte(msfgGroepen);
  m_laden = false;
}

void frmZemlo03::Form_Activate() {
  if (!sKalenderDatum.isEmpty())
    txtNaamBestand->setText(sKalenderDatum);
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

void frmZemlo03::VulNamenBestanden() {
  const QSignalBlocker blocker(lstNamenBestand);
  lstNamenBestand->clear();
  m_namenBestanden = namenBestanden(chkSorteerNamen->isChecked());
  for (const LijstBestand &b : m_namenBestanden)
    lstNamenBestand->addItem(b.naam);
  // The names file that is read stays marked.
  lstNamenBestand->setCurrentRow(-1);
  lstNamenBestand->clearSelection();
  for (int i = 0; i < m_namenBestanden.size(); ++i)
    if (m_namenBestanden[i].bestand == m_namenBestand)
      lstNamenBestand->setCurrentRow(i);
}

void frmZemlo03::VulGroepBestanden() {
  const QSignalBlocker blocker(lstGroepBestand);
  lstGroepBestand->clear();
  m_groepBestanden = groepBestanden(chkSorteerGroepen->isChecked());
  for (const LijstBestand &b : m_groepBestanden)
    lstGroepBestand->addItem(b.naam);
  lstGroepBestand->setCurrentRow(-1);
  lstGroepBestand->clearSelection();
}

void frmZemlo03::NummerNamen() {
  for (int r = 1; r < namen.rows() - 1; ++r) {
    namen.setTextMatrix(r, 0, QString::number(r));
    platform::GridCell cell = namen.cell(r, 0);
    cell.alignment = platform::AlignCenterCenter;
    namen.setCell(r, 0, cell);
  }
  const bool spelers = namen.rows() > 2;
  lblNaamBestand->setEnabled(spelers);
  txtNaamBestand->setEnabled(spelers);
  werkOpslaanBij();
}

void frmZemlo03::NummerGroepen() {
  for (int r = 1; r < groepen.rows() - 1; ++r) {
    groepen.setTextMatrix(r, 0, QString::number(r));
    platform::GridCell cell = groepen.cell(r, 0);
    cell.alignment = platform::AlignCenterCenter;
    groepen.setCell(r, 0, cell);
  }
  groepen.setTextMatrix(groepen.rows() - 1, 0, QString());
}

// Save needs a date, at least one entry and a pair count that is right.
void frmZemlo03::werkOpslaanBij() {
  cmdOpslaan->setEnabled(!txtNaamBestand->text().trimmed().isEmpty() && aantalEntries() >= 1 &&
                         lblKanNiet->isHidden());
}

void frmZemlo03::leegSlot(int index) {
  lblNaam[index]->setText(QString());
  lblNaamTag[index] = 0;
  lblNaamTerug[index].clear();
}

void frmZemlo03::leegGroep() {
  msfgGroepen->hide();
  groepen.setRows(1);
  groepen.setRows(2);
  leegRij(groepen, 1, 0);
  groepen.setTopRow(1);
  msfgGroepen->show();
  lstGroep.clear();
  lstMail.clear();
  for (int i = 0; i < 2; ++i)
    leegSlot(i);
  cmdToevoegen->setEnabled(false);
  telParen();
}

void frmZemlo03::lstNamenBestand_Click() {
  const int index = gekozenRij(lstNamenBestand);
  if (index < 0 || index >= m_namenBestanden.size())
    return;
  m_namenBestand = m_namenBestanden[index].bestand;
  fraNamenBestanden->setTitle(Tekst(19) + QStringLiteral(": ") + m_namenBestanden[index].naam);
  leesNamen();
}

// Reads the names file chosen, which empties the group, the slots and the
// lists and gives every player a row of the names grid.
void frmZemlo03::leesNamen() {
  leegGroep();
  lstPlaatsTerug.clear();
  msfgNamen->hide();
  namen.setRows(1);
  const auto bestand = leesNamenBestand(Pad(QStringLiteral("namen/")) + m_namenBestand);
  if (!bestand) {
    // The file has gone since the list was filled.
    m_namenBestand.clear();
    fraNamenBestanden->setTitle(Tekst(9));
    namen.setRows(2);
    msfgNamen->show();
    VulNamenBestanden();
    NummerNamen();
    cmdWisNamen->setEnabled(false);
    return;
  }
  lstPlaatsTerug.append(bestand->kop.join(u'|'));
  zetRij(namen, 0, bestand->kop);
  namen.setRows(2 + static_cast<int>(bestand->spelers.size()));
  for (int i = 0; i < bestand->spelers.size(); ++i) {
    const QString regel = spelerRegel(i + 1, bestand->spelers[i]);
    lstPlaatsTerug.append(regel);
    zetRij(namen, i + 1, regel.split(u'|'));
  }
  leegRij(namen, namen.rows() - 1, 0);
  msfgNamen->show();
  cmdWisNamen->setEnabled(true);
  cmdStilzitter->setEnabled(true);
  fraGroepBestanden->setEnabled(true);
  NummerNamen();
  GridKolomBreedte(msfgNamen);
  txtNaamBestand->clear();
  vscrGroepLetter->setValue(aantalLetters() - 1);
  txtGroepLetter->setText(QStringLiteral("A"));
  cmdOpslaan->setEnabled(false);
  cmdToevoegen->setEnabled(false);
  cmdKalender->setEnabled(false);
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::msfgNamen_Click(int row) {
  // A row is free while any of its name fields is filled.
  const bool vrij = row >= 1 && !rijTekst(namen, row, 1, 4, QString()).isEmpty();
  const bool beideVol = !lblNaam[0]->text().isEmpty() && !lblNaam[1]->text().isEmpty();
  if (!vrij || beideVol) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  const int slot = lblNaam[0]->text().isEmpty() ? 0 : 1;
  lblNaamTag[slot] = namen.textMatrix(row, 0).toInt();
  Speler s{namen.textMatrix(row, 1), namen.textMatrix(row, 2), namen.textMatrix(row, 3),
           namen.textMatrix(row, 4)};
  lblNaam[slot]->setText(spelerNaam(s));
  lblNaamTerug[slot] = rijTekst(namen, row, 0, namen.cols() - 1, QStringLiteral("|"));
  leegRij(namen, row, 1);
  if (!lblNaam[0]->text().isEmpty() && !lblNaam[1]->text().isEmpty()) {
    cmdToevoegen->setEnabled(true);
    ZetFocus(this, cmdToevoegen);
  } else {
    cmdToevoegen->setEnabled(false);
    ZetFocus(this, cmdSetfocus);
  }
}

void frmZemlo03::lblNaam_Click(int index) {
  if (lblNaam[index]->text().isEmpty()) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  const int row = lblNaamTag[index];
  if (row >= 1 && row < namen.rows() - 1)
    zetRij(namen, row, lblNaamTerug[index].split(u'|'));
  leegSlot(index);
  cmdToevoegen->setEnabled(false);
  if (lstGroep.isEmpty()) {
    cmdMaakLeeg->setEnabled(false);
    cmdAfdrukken->setEnabled(false);
  }
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::cmdToevoegen_Click() {
  cmdToevoegen->setEnabled(false);
  if (lblNaam[0]->text().isEmpty() || lblNaam[1]->text().isEmpty())
    return;
  lstGroep.append(
      paarRegel({lblNaamTag[0], lblNaam[0]->text()}, {lblNaamTag[1], lblNaam[1]->text()}));
  const int last = groepen.rows() - 1;
  groepen.setTextMatrix(last, 1, lblNaam[0]->text() + QStringLiteral(" - ") + lblNaam[1]->text());
  groepen.setRows(groepen.rows() + 1);
  NummerGroepen();
  lstMail.append(lblNaamTerug[0]);
  lstMail.append(lblNaamTerug[1]);
  leegSlot(0);
  leegSlot(1);
  telParen();
  if (groepen.rows() > 12)
    groepen.setTopRow(groepen.rows() - 1);
  GridKolomBreedte(msfgGroepen);
  cmdMaakLeeg->setEnabled(true);
  cmdAfdrukken->setEnabled(true);
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::cmdStilzitter_Click() {
  cmdStilzitter->setEnabled(false);
  const int last = groepen.rows() - 1;
  groepen.setTextMatrix(last, 1, StilzitRegel());
  groepen.setRows(groepen.rows() + 1);
  lstGroep.append(StilzitRegel());
  NummerGroepen();
  telParen();
  GridKolomBreedte(msfgGroepen);
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::telParen() {
  const int n = aantalEntries();
  if (n == 1)
    lblAanTalParen->setText(QStringLiteral("1 ") + Tekst(41) + u' ' + Tekst(42));
  else
    lblAanTalParen->setText(QString::number(n) + u' ' + Tekst(32) + u' ' + Tekst(42));
  const bool oneven = n % 2 != 0;
  lblKanNiet->setVisible(oneven && ZoekInLijst(lstGroep, StilzitRegel(), 1) != -1);
  cmdKalender->setEnabled(n >= 1 && lblKanNiet->isHidden());
  const bool stilzit = std::any_of(lstGroep.begin(), lstGroep.end(), isStilzitRegel);
  cmdStilzitter->setEnabled(!stilzit && !m_namenBestand.isEmpty());
  cmdMaakLeeg->setEnabled(n >= 1);
  cmdAfdrukken->setEnabled(n >= 1);
  werkOpslaanBij();
}

// Gives a player of the group back to their own row of the names grid, when
// the player was taken from it: their line, with their number and their name,
// is in the mail list. A player of a reloaded group who was not found keeps
// the number of someone else, who is not given back for them.
void frmZemlo03::geefSpelerTerug(const GroepSpeler &speler) {
  const int nummer = speler.nummer;
  for (qsizetype i = 0; i < lstMail.size(); ++i) {
    const QStringList v = namenVelden(lstMail[i]);
    if (v[0].toInt() != nummer || nummer <= 0 ||
        spelerNaam({v[1], v[2], v[3], v[4]}).compare(speler.naam, Qt::CaseInsensitive) != 0)
      continue;
    if (nummer < lstPlaatsTerug.size() && nummer < namen.rows() - 1)
      zetRij(namen, nummer, lstPlaatsTerug[nummer].split(u'|'));
    lstMail.removeAt(i);
    return;
  }
}

void frmZemlo03::msfgGroepen_Click(int row) {
  if (row < 1 || row >= groepen.rows() - 1 || row - 1 >= lstGroep.size()) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  if (groepen.textMatrix(row, 1).contains(QStringLiteral("**"))) {
    verwijderRij(groepen, row);
    lstGroep.removeAt(row - 1);
    NummerGroepen();
    telParen();
    ZetFocus(this, cmdSetfocus);
    ZetFocus(this, cmdToevoegen);
    return;
  }
  if (groepen.textMatrix(row, 1).trimmed().isEmpty()) {
    NummerGroepen();
    return;
  }
  const GroepRegel paar = leesGroepRegel(lstGroep[row - 1]);
  verwijderRij(groepen, row);
  lstGroep.removeAt(row - 1);
  geefSpelerTerug(paar.a);
  geefSpelerTerug(paar.b);
  NummerGroepen();
  telParen();
  cmdToevoegen->setEnabled(!lblNaam[0]->text().isEmpty() && !lblNaam[1]->text().isEmpty());
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::cmdMaakLeeg_Click() {
  if (platform::question(this, windowTitle(), Tekst(36)))
    MaakGroepLeeg();
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::MaakGroepLeeg() {
  if (!m_namenBestand.isEmpty())
    leesNamen(); // every player back to the names grid
  else
    leegGroep();
  cmdToevoegen->setEnabled(false);
  cmdMaakLeeg->setEnabled(false);
  cmdAfdrukken->setEnabled(false);
  telParen();
}

void frmZemlo03::vscrGroepLetter_Change(int value) {
  if (m_laden)
    return;
  if (value < 0) {
    vscrGroepLetter->setValue(25);
    return;
  }
  if (value > 25) {
    vscrGroepLetter->setValue(0);
    return;
  }
  txtGroepLetter->setText(lstGroepLetter.value(value));
}

void frmZemlo03::cmdKalender_Click() {
  if (!cmdKalender->isEnabled())
    return;
  openWindow(QStringLiteral("frmZemlo05"), this);
}

QString frmZemlo03::tekst176(const QString &naam) const {
  QString tekst = Tekst(176);
  tekst.replace(u'[', u'"').replace(u']', u'"');
  tekst.replace(u'#', u'<' + naam + u'>');
  return tekst;
}

void frmZemlo03::cmdOpslaan_Click() {
  if (lblKanNiet->isVisible()) {
    platform::information(this, windowTitle(), Tekst(46));
    ZetFocus(this, cmdSetfocus);
    return;
  }
  if (lstGroep.isEmpty() || txtNaamBestand->text().trimmed().isEmpty()) {
    werkOpslaanBij();
    return;
  }
  QString bestand = groepBestandNaam(txtNaamBestand->text(), txtGroepLetter->text());
  // File names are told apart without regard to case.
  for (const LijstBestand &b : groepBestanden(false))
    if (b.bestand.compare(bestand, Qt::CaseInsensitive) == 0)
      bestand = b.bestand;
  const QString basis = bestand.left(bestand.size() - 4);
  // A group whose scores are entered keeps its players: its results file
  // points at them by number.
  if (BestandBestaat(uitslagPad(basis)) == 1) {
    platform::information(this, windowTitle(), tekst176(basis));
    ZetFocus(this, cmdSetfocus);
    return;
  }
  if (BestandBestaat(groepPad(basis)) == 1) {
    QString vraag = Tekst(26);
    vraag.replace(u'~', bestand);
    if (!platform::question(this, windowTitle(), vraag)) {
      ZetFocus(this, cmdSetfocus);
      return;
    }
  }
  if (!schrijfGroepBestand(basis, lstGroep, lstMail)) {
    // Nothing is lost: the group stays for another try.
    platform::information(this, windowTitle(),
                          QString(Tekst(181)).replace(u'~', QStringLiteral("groepen/") + basis +
                                                                QStringLiteral(".txt")));
    ZetFocus(this, cmdSetfocus);
    return;
  }
  MaakGroepLeeg();
  VulGroepBestanden();
  txtNaamBestand->clear();
  vscrGroepLetter->setValue(aantalLetters() - 1);
  txtGroepLetter->setText(QStringLiteral("A"));
  cmdOpslaan->setEnabled(false);
  cmdToevoegen->setEnabled(false);
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::lstGroepBestand_Click() {
  const int index = gekozenRij(lstGroepBestand);
  if (index < 0 || index >= m_groepBestanden.size())
    return;
  const LijstBestand gekozen = m_groepBestanden[index];
  const QString basis = gekozen.bestand.left(gekozen.bestand.size() - 4);
  // Every player back to the names grid first.
  MaakGroepLeeg();
  msfgGroepen->hide();
  if (BestandBestaat(uitslagPad(basis)) == 1) {
    platform::information(this, windowTitle(), tekst176(gekozen.naam));
    msfgGroepen->show();
    cmdWisGroepen->setEnabled(true);
    ZetFocus(this, cmdSetfocus);
    return;
  }
  const QString pad = Pad(QStringLiteral("groepen/")) + gekozen.bestand;
  const auto regels = BestandBestaat(pad) == 1 ? leesGroepBestand(pad) : std::nullopt;
  if (regels) {
    const GroepNaamDelen delen = splitsGroepNaam(gekozen.naam);
    txtNaamBestand->setText(delen.datum);
    const int letter = static_cast<int>(lstGroepLetter.indexOf(delen.letter));
    vscrGroepLetter->setValue(letter >= 0 ? letter : aantalLetters() - 1);
    txtGroepLetter->setText(lstGroepLetter.value(vscrGroepLetter->value()));
    cmdKalender->setEnabled(true);

    auto neem = [this](const GroepSpeler &s) {
      // A player is found by number and name together in the names file read.
      const int r = s.nummer;
      if (r < 1 || r >= namen.rows() - 1 || rijTekst(namen, r, 1, 4, QString()).isEmpty())
        return;
      const Speler speler{namen.textMatrix(r, 1), namen.textMatrix(r, 2), namen.textMatrix(r, 3),
                          namen.textMatrix(r, 4)};
      if (spelerNaam(speler).compare(s.naam, Qt::CaseInsensitive) != 0)
        return;
      lstMail.append(rijTekst(namen, r, 0, namen.cols() - 1, QStringLiteral("|")));
      leegRij(namen, r, 1);
    };
    auto zonderBlank = [](const QString &naam) {
      return naam.startsWith(u' ') ? naam.mid(1) : naam;
    };
    for (const GroepRegel &regel : *regels) {
      QString tekst = regel.regel;
      if (!regel.stilzit) {
        neem(regel.a);
        neem(regel.b);
        tekst = zonderBlank(regel.a.naam) + QStringLiteral(" - ") + zonderBlank(regel.b.naam);
      }
      lstGroep.append(regel.regel);
      groepen.setTextMatrix(groepen.rows() - 1, 1, tekst);
      groepen.setRows(groepen.rows() + 1);
    }
    NummerGroepen();
    telParen();
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
  const int index = gekozenRij(lstGroepBestand);
  if (index < 0 || index >= m_groepBestanden.size()) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  cmdWisGroepen->setEnabled(false);
  const LijstBestand gekozen = m_groepBestanden[index];
  const QString basis = gekozen.bestand.left(gekozen.bestand.size() - 4);
  const bool uitslag = BestandBestaat(uitslagPad(basis)) == 1;
  QString vraag;
  if (uitslag) {
    vraag = Tekst(177);
    vraag.replace(u'#', QStringLiteral("< ") + gekozen.naam + u'>');
  } else {
    vraag = Tekst(47);
    vraag.replace(u'~', gekozen.naam);
  }
  if (!platform::question(this, windowTitle(), vraag)) {
    cmdWisGroepen->setEnabled(true);
    ZetFocus(this, cmdSetfocus);
    return;
  }
  leegGroep();
  QFile::remove(Pad(QStringLiteral("groepen/")) + gekozen.bestand);
  QFile::remove(groepMailPad(basis));
  if (uitslag)
    QFile::remove(uitslagPad(basis));
  VulGroepBestanden();
  cmdWisGroepen->setEnabled(false);
  MaakGroepLeeg();
  lblKanNiet->setVisible(false);
  lblAanTalParen->setText(QStringLiteral("0 ") + Tekst(32) + u' ' + Tekst(42));
  txtNaamBestand->clear();
  cmdKalender->setEnabled(false);
  cmdOpslaan->setEnabled(false);
  cmdToevoegen->setEnabled(false);
  vscrGroepLetter->setValue(aantalLetters() - 1);
  txtGroepLetter->setText(QStringLiteral("A"));
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::cmdWisNamen_Click() {
  const int index = gekozenRij(lstNamenBestand);
  cmdWisNamen->setEnabled(false);
  if (index < 0 || index >= m_namenBestanden.size()) {
    ZetFocus(this, cmdSetfocus);
    return;
  }
  if (!vraagEnWisNamenBestand(this, windowTitle(), m_namenBestanden[index])) {
    cmdWisNamen->setEnabled(true);
    ZetFocus(this, cmdSetfocus);
    return;
  }
  // The whole window starts again: nothing may refer to rows that are gone.
  m_namenBestand.clear();
  lstPlaatsTerug.clear();
  leegGroep();
  namen.setRows(1);
  namen.setRows(2);
  leegRij(namen, 1, 0);
  zetRij(namen, 0, {Tekst(16), standaardKop()[1], Tekst(14), Tekst(15), Tekst(137)});
  GridKolomBreedte(msfgNamen);
  fraNamenBestanden->setTitle(Tekst(9));
  {
    const QSignalBlocker blocker(lstGroepBestand);
    lstGroepBestand->setCurrentRow(-1);
    lstGroepBestand->clearSelection();
  }
  fraGroepBestanden->setEnabled(false);
  txtNaamBestand->clear();
  vscrGroepLetter->setValue(aantalLetters() - 1);
  txtGroepLetter->setText(QStringLiteral("A"));
  for (QWidget *w : std::initializer_list<QWidget *>{lblNaamBestand, txtNaamBestand, cmdToevoegen,
                                                     cmdStilzitter, cmdMaakLeeg, cmdAfdrukken,
                                                     cmdKalender, cmdOpslaan, cmdWisGroepen})
    w->setEnabled(false);
  VulNamenBestanden();
  ZetFocus(this, cmdSetfocus);
}

void frmZemlo03::cmdAfdrukken_Click() {
  setEnabled(false);
  const bool afdrukken = KiesPrinter(this, 0x100004);
  if (afdrukken) {
    const QString titel =
        txtNaamBestand->text().trimmed().isEmpty()
            ? Tekst(28)
            : groepBestandNaam(txtNaamBestand->text(), txtGroepLetter->text()).chopped(4);
    int marge = 0;
    PrintGrid(groepen, titel, 0, marge);
  }
  setEnabled(true);
  unsetCursor();
  cmdAfdrukken->setEnabled(aantalEntries() >= 1);
  ZetFocus(this, cmdSetfocus);
}
