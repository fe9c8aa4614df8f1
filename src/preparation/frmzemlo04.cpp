#include "preparation/frmzemlo04.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/vensterhulp.h"
#include "platform/messagebox.h"
#include "preparation/avond.h"
#include "preparation/bestanden.h"
#include "preparation/invoerkop.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>

using namespace BAS_Zemlo;
using venster::maak;
using venster::maakKnop;
using venster::maakLabel;

frmZemlo04::frmZemlo04() : ZemloWindow(QStringLiteral("frmZemlo04")) {
  QFont f = font();
  f.setPointSize(9);
  setFont(f);
  setFixedSize(630, 470);

  fraGroepBestanden = maak<QGroupBox>(this, "fraGroepBestanden", {8, 8, 300, 218});
  lstGroepBestand = maak<QListWidget>(fraGroepBestanden, "lstGroepBestand", {10, 22, 280, 128});
  chkSorteerGroepen = maak<QCheckBox>(fraGroepBestanden, "chkSorteerGroepen", {10, 154, 280, 22});
  cmdWisGroepen = maakKnop(fraGroepBestanden, "cmdWisGroepen", {10, 180, 180, 28});

  fraInvoer = maak<QGroupBox>(this, "fraInvoer", {8, 234, 300, 218});
  lstInvoer = maak<QListWidget>(fraInvoer, "lstInvoer", {10, 22, 280, 128});
  chkSorteerInvoer = maak<QCheckBox>(fraInvoer, "chkSorteerInvoer", {10, 154, 280, 22});
  cmdWisInvoer = maakKnop(fraInvoer, "cmdWisInvoer", {10, 180, 180, 28});

  fraInfo = maak<QGroupBox>(this, "fraInfo", {316, 8, 306, 132});
  // Captions are sized to their text, and the spinners placed beside them,
  // when the window loads.
  lblGroepInfo = maakLabel(fraInfo, "lblGroepInfo", {10, 24, 100, 18});
  lblGroep = maakLabel(fraInfo, "lblGroep", {10, 24, 100, 18});
  lblParenInfo = maakLabel(fraInfo, "lblParenInfo", {10, 46, 100, 18});
  lblParen = maakLabel(fraInfo, "lblParen", {10, 46, 100, 18});
  lblStilzitInfo = maakLabel(fraInfo, "lblStilzitInfo", {10, 68, 100, 18});
  lblStilzit = maakLabel(fraInfo, "lblStilzit", {10, 68, 100, 18});
  lblRonden = maakLabel(fraInfo, "lblRonden", {10, 100, 60, 18});
  lblSpellen = maakLabel(fraInfo, "lblSpellen", {150, 100, 60, 18});
  txtRonden = venster::maakToonVak(fraInfo, "txtRonden", {0, 0, 30, 24});
  txtSpellen = venster::maakToonVak(fraInfo, "txtSpellen", {0, 0, 30, 24});
  // The spinners' values are indices into their lists, one past either end
  // wrapping round.
  vscrRonden = venster::maakSpinner(fraInfo, "vscrRonden", {0, 0, 17, 28});
  vscrRonden->setRange(-1, 13);
  vscrSpellen = venster::maakSpinner(fraInfo, "vscrSpellen", {0, 0, 17, 28});
  vscrSpellen->setRange(-1, 10);

  fraSchema = maak<QGroupBox>(this, "fraSchema", {316, 148, 306, 178});
  lstSchema = maak<QListWidget>(fraSchema, "lstSchema", {10, 22, 286, 146});
  lstSchema->setSelectionMode(QAbstractItemView::MultiSelection);

  fraScoreInvoer = maak<QGroupBox>(this, "fraScoreInvoer", {316, 334, 306, 82});
  optInvoer = {maak<QRadioButton>(fraScoreInvoer, "optInvoer0", {12, 22, 170, 24}),
               maak<QRadioButton>(fraScoreInvoer, "optInvoer1", {12, 48, 170, 24})};
  cmdStart = maakKnop(fraScoreInvoer, "cmdStart", {196, 30, 100, 32});

  cmdTerug = maakKnop(this, "cmdTerug", {522, 426, 100, 32});
  cmdSetfocus = maakKnop(this, "cmdSetfocus", {0, 0, 10, 10});

  connect(chkSorteerGroepen, &QCheckBox::toggled, this, [this] { chkSorteerGroepen_Click(); });
  connect(chkSorteerInvoer, &QCheckBox::toggled, this, [this] { chkSorteerInvoer_Click(); });
  connect(lstGroepBestand, &QListWidget::itemSelectionChanged, this,
          [this] { lstGroepBestand_Click(); });
  connect(lstInvoer, &QListWidget::itemSelectionChanged, this, [this] { lstInvoer_Click(); });
  connect(lstSchema, &QListWidget::itemSelectionChanged, this, [this] { lstSchema_Click(); });
  connect(vscrRonden, &QScrollBar::valueChanged, this, [this] { vscrRonden_Change(); });
  connect(vscrSpellen, &QScrollBar::valueChanged, this, [this] { vscrSpellen_Change(); });
  for (int i = 0; i < 2; ++i)
    connect(optInvoer[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on)
        optInvoer_Click(i);
    });
  connect(cmdWisGroepen, &QPushButton::clicked, this, [this] { cmdWisGroepen_Click(); });
  connect(cmdWisInvoer, &QPushButton::clicked, this, [this] { cmdWisInvoer_Click(); });
  connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
  connect(cmdTerug, &QPushButton::clicked, this, [this] { cmdTerug_Click(); });
}

frmZemlo04::~frmZemlo04() = default;

void frmZemlo04::Form_Load() {
  venster::neemIcoon(this);
  setWindowTitle(Tekst(48));
  venster::centreer(this);
  cmdSetfocus->move(width() + venster::twips(100), 0);

  fraGroepBestanden->setTitle(Tekst(31));
  chkSorteerGroepen->setText(Tekst(12));
  cmdWisGroepen->setText(Tekst(38));
  cmdWisGroepen->setEnabled(false);
  fraInvoer->setTitle(Tekst(56));
  chkSorteerInvoer->setText(Tekst(12));
  cmdWisInvoer->setText(u'&' + Tekst(57));
  cmdWisInvoer->setEnabled(false);
  fraInfo->setTitle(Tekst(49));
  fraInfo->setEnabled(false);
  lblGroepInfo->setText(Tekst(30) + QStringLiteral(": "));
  lblParenInfo->setText(Tekst(52) + QStringLiteral(": "));
  lblStilzitInfo->setText(Tekst(53) + QStringLiteral(": "));
  lblRonden->setText(Tekst(50));
  lblSpellen->setText(Tekst(51));
  fraSchema->setTitle(Tekst(55));
  fraScoreInvoer->setTitle(Tekst(66));
  fraScoreInvoer->setEnabled(false);
  optInvoer[0]->setText(Tekst(67));
  optInvoer[1]->setText(Tekst(68));
  cmdStart->setText(u'&' + Tekst(69));
  cmdStart->setEnabled(false);
  cmdTerug->setText(u'&' + Tekst(11));

  // Each value label right after its caption; rounds and boards on one line.
  for (QLabel *l : {lblGroepInfo, lblParenInfo, lblStilzitInfo, lblRonden, lblSpellen})
    l->adjustSize();
  const int infoRight =
      std::max({lblGroepInfo->width(), lblParenInfo->width(), lblStilzitInfo->width()}) + 10;
  for (auto [caption, value] :
       {std::pair{lblGroepInfo, lblGroep}, std::pair{lblParenInfo, lblParen},
        std::pair{lblStilzitInfo, lblStilzit}}) {
    value->move(infoRight, caption->y());
    value->resize(fraInfo->width() - infoRight - 6, caption->height());
  }
  const int rij = lblRonden->y();
  const int midden = rij + lblRonden->height() / 2;
  int x = lblRonden->x() + lblRonden->width() + 6;
  txtRonden->move(x, midden - txtRonden->height() / 2);
  x += txtRonden->width();
  vscrRonden->move(x, midden - vscrRonden->height() / 2);
  x += vscrRonden->width() + 18;
  lblSpellen->move(x, rij);
  x += lblSpellen->width() + 6;
  txtSpellen->move(x, midden - txtSpellen->height() / 2);
  x += txtSpellen->width();
  vscrSpellen->move(x, midden - vscrSpellen->height() / 2);

  VulGroepBestanden();
  // The rounds and boards a new evening begins with; no schema is listed yet.
  toonStaat();
  VulInvoerBestanden();

  optInvoer[preparation::LeesStart()]->setChecked(true);
}

void frmZemlo04::Form_Activate() {
  VulInvoerBestanden();
  parkeer();
  wisKeuzes();
}

void frmZemlo04::chkSorteerGroepen_Click() {
  chkSorteerGroepen->setText(Tekst(chkSorteerGroepen->isChecked() ? 13 : 12));
  VulGroepBestanden();
  parkeer();
}

void frmZemlo04::chkSorteerInvoer_Click() {
  chkSorteerInvoer->setText(Tekst(chkSorteerInvoer->isChecked() ? 13 : 12));
  VulInvoerBestanden();
  parkeer();
}

void frmZemlo04::lstGroepBestand_Click() {
  const auto gekozen = gekozenNaam(lstGroepBestand, 125, 126);
  if (!gekozen)
    return;
  const QString &groep = *gekozen;
  lblGroep->setText(groep);
  const QString invoer = preparation::InvoerNaam(groep + QStringLiteral(".txt"));
  if (BestandBestaat(preparation::PadenVan(invoer).invoer.pad) == 1) {
    melding(TekstMet(102, groep));
    lstGroepBestand->clearSelection();
    staat.groep.clear();
    lblGroep->clear();
    parkeer();
    return;
  }
  // A group file that cannot be read is named as such; it is not chosen, and
  // nothing offers to delete it: its pairs may be intact.
  if (const QString fout = preparation::OnleesbaarTekst(preparation::PadenVan({}, groep).groep);
      !fout.isEmpty()) {
    melding(fout);
    lstGroepBestand->clearSelection();
    staat.groep.clear();
    lblGroep->clear();
    cmdWisGroepen->setEnabled(false);
    parkeer();
    return;
  }
  sGroepBestand = groep + QStringLiteral(".txt");
  sInvoerBestand.clear();

  lstInvoer->clearSelection();
  fraSchema->setEnabled(true);
  // A group file that is empty or cannot be read has no pairs.
  staat.kiesGroep(groep, preparation::LeesGroepParen(preparation::PadenVan({}, groep).groep.pad)
                             .value_or(preparation::GroepParen{}));
  toonStaat();
  toonSchemas();
  fraInfo->setEnabled(true);
  cmdWisGroepen->setEnabled(true);
  zetStart();
  parkeer();
}

void frmZemlo04::lstInvoer_Click() {
  const auto naam = gekozenNaam(lstInvoer, 70, 124);
  if (!naam)
    return;
  const preparation::AvondBestand invoer =
      preparation::PadenVan(*naam + QStringLiteral(".txt")).invoer;
  // A results file that cannot be read is no damaged one: it is named as
  // such, and nothing offers to delete the scores it may hold.
  if (const QString fout = preparation::OnleesbaarTekst(invoer); !fout.isEmpty()) {
    melding(fout);
    wisKeuzes();
    parkeer();
    return;
  }
  const preparation::Avond avond = staat.kiesAvond(*naam, preparation::LeesInvoerKop(invoer.pad));
  if (!avond.bruikbaar) {
    // Not used, but it stays chosen so that it can be deleted.
    melding(avond.melding);
    wisKeuzes(true);
    cmdWisInvoer->setEnabled(true);
    parkeer();
    return;
  }

  lstGroepBestand->clearSelection();
  sGroepBestand = avond.sGroepBestand;
  sInvoerBestand = avond.sInvoerBestand;
  toonStaat();
  toonSchemas();
  zetStart();
  if (!avond.melding.isEmpty())
    melding(avond.melding);
  if (avond.invoerWijze)
    optInvoer[*avond.invoerWijze]->setChecked(true);

  // The evening's choices are locked; its schema stays chosen.
  optInvoer[0]->setEnabled(false);
  optInvoer[1]->setEnabled(false);
  lstSchema->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  fraSchema->setEnabled(false);
  cmdWisInvoer->setEnabled(true);
  parkeer();
}

void frmZemlo04::vscrRonden_Change() {
  if (bBezig)
    return;
  staat.stapRonden(vscrRonden->value());
  toonStaat();
  toonSchemas();
  zetStart();
  parkeer();
}

void frmZemlo04::vscrSpellen_Change() {
  if (bBezig)
    return;
  staat.stapSpellen(vscrSpellen->value());
  toonStaat();
  parkeer();
}

void frmZemlo04::lstSchema_Click() {
  if (bBezig)
    return;
  const int huidig = lstSchema->currentRow();
  if (huidig < 0)
    return;
  staat.kiesSchema(huidig, lstSchema->item(huidig)->isSelected());
  // At most one schema stays chosen.
  toonSchemaKeuze();
  zetStart();
}

void frmZemlo04::optInvoer_Click(int index) {
  iInvoerWijze = index;
  parkeer();
}

void frmZemlo04::cmdWisGroepen_Click() {
  const auto naam = vraagWissen(lstGroepBestand, cmdWisGroepen, 47);
  if (!naam)
    return;
  const preparation::Wissen wissen = preparation::WisGroep(*naam, sGroepBestand, sInvoerBestand);
  if (!wisBestand(wissen.pad, cmdWisGroepen))
    return;
  VulGroepBestanden();
  lstGroepBestand->clearSelection();
  // The chosen group is gone: nothing may start an evening for it.
  if (wissen.keuzesWeg)
    wisKeuzes();
  cmdWisGroepen->setEnabled(false);
  parkeer();
}

bool frmZemlo04::wisBestand(const QString &pad, QPushButton *wis) {
  const QString fout = WisBestanden({pad});
  if (fout.isEmpty())
    return true;
  // Still there: it stays listed and chosen, and so do the choices.
  melding(fout);
  wis->setEnabled(true);
  parkeer();
  return false;
}

void frmZemlo04::cmdWisInvoer_Click() {
  const auto naam = vraagWissen(lstInvoer, cmdWisInvoer, 65);
  if (!naam)
    return;
  const preparation::Wissen wissen = preparation::WisInvoer(*naam);
  if (!wisBestand(wissen.pad, cmdWisInvoer))
    return;
  VulInvoerBestanden();
  // The chosen results file is gone: the names and every choice go with it.
  if (wissen.keuzesWeg)
    wisKeuzes();
  parkeer();
}

void frmZemlo04::cmdStart_Click() {
  if (!staat.magStarten())
    return;
  // The entry windows need the schema: it must still be there, be whole and
  // fit the evening's header, before anything is written.
  const QString fout =
      preparation::SchemaFoutTekst(staat.gekozenSchema(), staat.kop(sGroepBestand, iInvoerWijze));
  if (!fout.isEmpty()) {
    melding(fout);
    parkeer();
    return;
  }
  if (!preparation::SchrijfStart(iInvoerWijze)) {
    // A disk that cannot take start.txt cannot take the evening's scores
    // either: the director hears it before entering any.
    melding(TekstMet(181, QStringLiteral("start.txt")));
    parkeer();
    return;
  }
  const bool nieuw = sInvoerBestand.isEmpty();
  if (nieuw)
    sInvoerBestand = preparation::InvoerNaam(sGroepBestand);
  QString map = Pad(QStringLiteral("invoer"));
  MaakPad(map);
  const preparation::AvondBestand invoer = preparation::PadenVan(sInvoerBestand).invoer;
  if (!preparation::MaakInvoerBestand(invoer.pad, staat.kop(sGroepBestand, iInvoerWijze))) {
    // No results file: the evening cannot begin; the choices stay for another try.
    melding(TekstMet(181, invoer.naam));
    if (nieuw)
      sInvoerBestand.clear();
    parkeer();
    return;
  }
  sluitStap();
}

void frmZemlo04::cmdTerug_Click() {
  sGroepBestand.clear();
  sInvoerBestand.clear();
  sluitStap();
}

void frmZemlo04::escapeOfSluiten() {
  if (staat.magInvoerOpenen(sInvoerBestand))
    sluitStap();
  else
    cmdTerug_Click();
}

bool frmZemlo04::openInvoerVenster() {
  const QString venster =
      iInvoerWijze == 1 ? QStringLiteral("frmZemlo07") : QStringLiteral("frmZemlo06");
  if (!isWindowRegistered(venster))
    return false;
  return openWindow(venster, this) != nullptr;
}

void frmZemlo04::sluitStap() {
  setEnabled(false);
  if (!sInvoerBestand.isEmpty() && !bFormSluiten && openInvoerVenster())
    return;
  // No entry window: back to the main window, as without a results file.
  closeWindow();
}

void frmZemlo04::VulGroepBestanden() {
  QStringList nietBewaard;
  {
    const QSignalBlocker stil(lstGroepBestand);
    lstGroepBestand->clear();
    lstGroepBestand->addItems(preparation::VulBestanden(
        preparation::Soort::Groepen, chkSorteerGroepen->isChecked(), &nietBewaard));
  }
  meldNietBewaard(nietBewaard);
}

void frmZemlo04::VulInvoerBestanden() {
  QStringList nietBewaard;
  {
    const QSignalBlocker stil(lstInvoer);
    lstInvoer->clear();
    lstInvoer->addItems(preparation::VulBestanden(preparation::Soort::Invoer,
                                                  chkSorteerInvoer->isChecked(), &nietBewaard));
  }
  meldNietBewaard(nietBewaard);
}

void frmZemlo04::meldNietBewaard(const QStringList &bestanden) {
  for (const QString &bestand : bestanden) {
    if (m_nietBewaardGemeld.contains(bestand))
      continue;
    m_nietBewaardGemeld.append(bestand);
    melding(TekstMet(181, bestand));
  }
}

void frmZemlo04::wisKeuzes(bool bHoudInvoer) {
  bFormSluiten = false;
  sInvoerBestand.clear();
  sGroepBestand.clear();
  lstGroepBestand->clearSelection();
  if (!bHoudInvoer)
    lstInvoer->clearSelection();
  staat.wis();
  toonStaat();
  toonSchemas();
  fraSchema->setEnabled(true);
  zetStart();
  optInvoer[0]->setEnabled(true);
  optInvoer[1]->setEnabled(true);
  cmdWisInvoer->setEnabled(false);
}

void frmZemlo04::toonStaat() {
  lblGroep->setText(staat.groep);
  lblParen->setText(staat.paren);
  lblStilzit->setText(staat.stilzit);
  txtRonden->setText(staat.ronden);
  txtSpellen->setText(staat.spellen);
  const QScopedValueRollback bezig(bBezig, true);
  vscrRonden->setValue(staat.rondeIndex);
  vscrSpellen->setValue(staat.spelIndex);
}

void frmZemlo04::toonSchemas() {
  const QSignalBlocker stil(lstSchema);
  lstSchema->clear();
  lstSchema->addItems(staat.schemas);
  toonSchemaKeuze();
}

void frmZemlo04::toonSchemaKeuze() {
  const QScopedValueRollback bezig(bBezig, true);
  for (int i = lstSchema->count() - 1; i >= 0; --i)
    lstSchema->item(i)->setSelected(i == staat.schema);
}

void frmZemlo04::zetStart() {
  const bool aan = staat.magStarten();
  fraScoreInvoer->setEnabled(aan);
  optInvoer[0]->setEnabled(aan);
  optInvoer[1]->setEnabled(aan);
  cmdStart->setEnabled(aan);
}

std::optional<QString> frmZemlo04::gekozenNaam(QListWidget *lijst, int woord, int weigering) {
  const QList<QListWidgetItem *> gekozen = lijst->selectedItems();
  if (gekozen.isEmpty())
    return std::nullopt;
  const QString naam = gekozen.first()->text();
  if (naam.contains(Tekst(woord)))
    return naam;
  melding(TekstMet(weigering, Tekst(woord)));
  lijst->clearSelection();
  parkeer();
  return std::nullopt;
}

std::optional<QString> frmZemlo04::vraagWissen(QListWidget *lijst, QPushButton *knop, int vraag) {
  const QList<QListWidgetItem *> gekozen = lijst->selectedItems();
  if (gekozen.isEmpty()) {
    parkeer();
    return std::nullopt;
  }
  const QString naam = gekozen.first()->text();
  knop->setEnabled(false);
  if (!platform::question(this, windowTitle(), TekstMet(vraag, naam))) {
    knop->setEnabled(true);
    parkeer();
    return std::nullopt;
  }
  return naam;
}

void frmZemlo04::sluitVerzoek(Sluiten) { escapeOfSluiten(); }

bool frmZemlo04::eventFilter(QObject *watched, QEvent *event) {
  // The display boxes cannot be typed in: the focus goes on to the sink.
  if (event->type() == QEvent::FocusIn && (watched == txtRonden || watched == txtSpellen))
    parkeer();
  return ZemloWindow::eventFilter(watched, event);
}

void frmZemlo04::parkeer() { ZetFocus(this, cmdSetfocus); }

void frmZemlo04::melding(const QString &text) { platform::information(this, windowTitle(), text); }
