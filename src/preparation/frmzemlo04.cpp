#include "preparation/frmzemlo04.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/vensterhulp.h"
#include "platform/messagebox.h"
#include "platform/numbers.h"
#include "preparation/bestanden.h"
#include "preparation/invoerkop.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace BAS_Zemlo;
using venster::maakKnop;
using venster::maakLabel;

namespace {

int getal(const QString &text) { return platform::readInt(text, -1000, 1000).value_or(0); }

QListWidget *maakLijst(QWidget *parent, const char *name, QRect geometry) {
  auto *l = new QListWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(geometry);
  return l;
}

QGroupBox *maakFrame(QWidget *parent, const char *name, QRect geometry) {
  auto *f = new QGroupBox(parent);
  f->setObjectName(QString::fromLatin1(name));
  f->setGeometry(geometry);
  return f;
}

QCheckBox *maakVinkje(QWidget *parent, const char *name, QRect geometry) {
  auto *c = new QCheckBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setGeometry(geometry);
  return c;
}

} // namespace

frmZemlo04::frmZemlo04() : ZemloWindow(QStringLiteral("frmZemlo04")) {
  QFont f = font();
  f.setPointSize(9);
  setFont(f);
  setFixedSize(630, 470);

  fraGroepBestanden = maakFrame(this, "fraGroepBestanden", {8, 8, 300, 218});
  lstGroepBestand = maakLijst(fraGroepBestanden, "lstGroepBestand", {10, 22, 280, 128});
  chkSorteerGroepen = maakVinkje(fraGroepBestanden, "chkSorteerGroepen", {10, 154, 280, 22});
  cmdWisGroepen = maakKnop(fraGroepBestanden, "cmdWisGroepen", {10, 180, 180, 28});

  fraInvoer = maakFrame(this, "fraInvoer", {8, 234, 300, 218});
  lstInvoer = maakLijst(fraInvoer, "lstInvoer", {10, 22, 280, 128});
  chkSorteerInvoer = maakVinkje(fraInvoer, "chkSorteerInvoer", {10, 154, 280, 22});
  cmdWisInvoer = maakKnop(fraInvoer, "cmdWisInvoer", {10, 180, 180, 28});

  fraInfo = maakFrame(this, "fraInfo", {316, 8, 306, 132});
  // Captions are sized to their text when the window loads.
  lblGroepInfo = maakLabel(fraInfo, "lblGroepInfo", {10, 24, 100, 18});
  lblGroep = maakLabel(fraInfo, "lblGroep", {10, 24, 100, 18});
  lblParenInfo = maakLabel(fraInfo, "lblParenInfo", {10, 46, 100, 18});
  lblParen = maakLabel(fraInfo, "lblParen", {10, 46, 100, 18});
  lblStilzitInfo = maakLabel(fraInfo, "lblStilzitInfo", {10, 68, 100, 18});
  lblStilzit = maakLabel(fraInfo, "lblStilzit", {10, 68, 100, 18});
  lblRonden = maakLabel(fraInfo, "lblRonden", {10, 100, 60, 18});
  lblSpellen = maakLabel(fraInfo, "lblSpellen", {150, 100, 60, 18});
  auto display = [this](const char *name) {
    auto *t = new QLineEdit(fraInfo);
    t->setObjectName(QString::fromLatin1(name));
    t->setReadOnly(true);
    t->setAlignment(Qt::AlignCenter);
    t->resize(30, 24);
    return t;
  };
  txtRonden = display("txtRonden");
  txtSpellen = display("txtSpellen");
  auto spinner = [this](const char *name, int maximum) {
    auto *s = new QScrollBar(Qt::Vertical, fraInfo);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(-1, maximum);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setFocusPolicy(Qt::NoFocus);
    s->resize(17, 28);
    return s;
  };
  vscrRonden = spinner("vscrRonden", 13);
  vscrSpellen = spinner("vscrSpellen", 10);

  fraSchema = maakFrame(this, "fraSchema", {316, 148, 306, 178});
  lstSchema = maakLijst(fraSchema, "lstSchema", {10, 22, 286, 146});
  lstSchema->setSelectionMode(QAbstractItemView::MultiSelection);

  fraScoreInvoer = maakFrame(this, "fraScoreInvoer", {316, 334, 306, 82});
  for (int i = 0; i < 2; ++i) {
    optInvoer[i] = new QRadioButton(fraScoreInvoer);
    optInvoer[i]->setObjectName(QStringLiteral("optInvoer%1").arg(i));
    optInvoer[i]->setGeometry(12, 22 + 26 * i, 170, 24);
  }
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

  bBezig = true;
  staat.ronden = QStringLiteral("6");
  staat.spellen = QStringLiteral("4");
  zetStandaardSpinners();
  bBezig = false;

  staat.wis();
  toonStaat();
  VulInvoerBestanden();

  optInvoer[preparation::LeesStart()]->setChecked(true);
}

void frmZemlo04::zetStandaardSpinners() {
  vscrSpellen->setValue(static_cast<int>(lstSpelNummers.lastIndexOf(QStringLiteral("4"))));
  vscrRonden->setValue(static_cast<int>(lstRondeNummers.lastIndexOf(QStringLiteral("6"))));
}

void frmZemlo04::toonStaat() {
  lblGroep->setText(staat.groep);
  lblParen->setText(staat.paren);
  lblStilzit->setText(staat.stilzit);
  txtRonden->setText(staat.ronden);
  txtSpellen->setText(staat.spellen);
}

void frmZemlo04::toonSchemas() {
  const bool bezig = bBezig;
  bBezig = true;
  lstSchema->clear();
  lstSchema->addItems(staat.schemas);
  bBezig = bezig;
  toonSchemaKeuze();
}

void frmZemlo04::toonSchemaKeuze() {
  const bool bezig = bBezig;
  bBezig = true;
  for (int i = lstSchema->count() - 1; i >= 0; --i)
    lstSchema->item(i)->setSelected(i == staat.schema);
  bBezig = bezig;
}

void frmZemlo04::zetStart() {
  const bool aan = staat.magStarten();
  fraScoreInvoer->setEnabled(aan);
  optInvoer[0]->setEnabled(aan);
  optInvoer[1]->setEnabled(aan);
  cmdStart->setEnabled(aan);
}

void frmZemlo04::Form_Activate() {
  VulInvoerBestanden();
  parkeer();
  wisKeuzes();
}

void frmZemlo04::wisKeuzes(bool bHoudInvoer) {
  bFormSluiten = false;
  sInvoerBestand.clear();
  sGroepBestand.clear();
  bBezig = true;
  lstGroepBestand->clearSelection();
  if (!bHoudInvoer)
    lstInvoer->clearSelection();
  staat.wis();
  toonSchemas();
  toonStaat();
  fraSchema->setEnabled(true);
  zetStart();
  optInvoer[0]->setEnabled(true);
  optInvoer[1]->setEnabled(true);
  cmdWisInvoer->setEnabled(false);
  bBezig = false;
}

void frmZemlo04::VulGroepBestanden() {
  lstGroepBestand->clear();
  lstGroepBestand->addItems(
      preparation::VulBestanden(preparation::Soort::Groepen, chkSorteerGroepen->isChecked()));
}

void frmZemlo04::VulInvoerBestanden() {
  lstInvoer->clear();
  lstInvoer->addItems(
      preparation::VulBestanden(preparation::Soort::Invoer, chkSorteerInvoer->isChecked()));
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
  const QList<QListWidgetItem *> gekozen = lstGroepBestand->selectedItems();
  if (gekozen.isEmpty())
    return;
  const QString groep = gekozen.first()->text();
  if (!groep.contains(Tekst(125))) {
    melding(QString(Tekst(126)).replace(u'~', Tekst(125)));
    lstGroepBestand->clearSelection();
    parkeer();
    return;
  }
  lblGroep->setText(groep);
  if (BestandBestaat(ZoekBestand(Pad(QStringLiteral("invoer")),
                                 preparation::InvoerNaam(groep + QStringLiteral(".txt")))) == 1) {
    melding(QString(Tekst(102)).replace(u'~', groep));
    lstGroepBestand->clearSelection();
    staat.groep.clear();
    lblGroep->clear();
    parkeer();
    return;
  }
  sGroepBestand = groep + QStringLiteral(".txt");
  sInvoerBestand.clear();

  bBezig = true;
  zetStandaardSpinners();
  staat.ronden = QStringLiteral("6");
  staat.spellen = QStringLiteral("4");
  bBezig = false;

  // A group file that is empty or cannot be read has no pairs.
  lstInvoer->clearSelection();
  fraSchema->setEnabled(true);
  staat.toonGroep(
      groep, preparation::LeesGroepParen(ZoekBestand(Pad(QStringLiteral("groepen")), sGroepBestand))
                 .value_or(preparation::GroepParen{}));
  toonStaat();

  fraInfo->setEnabled(true);
  cmdWisGroepen->setEnabled(true);
  vscrRonden->setValue(vscrRonden->value() - 1);
  vscrRonden->setValue(vscrRonden->value() + 1);

  staat.schema = -1;
  toonSchemaKeuze();
  zetStart();
  parkeer();
}

void frmZemlo04::lstInvoer_Click() {
  const QList<QListWidgetItem *> gekozen = lstInvoer->selectedItems();
  if (gekozen.isEmpty())
    return;
  const QString naam = gekozen.first()->text();
  if (!naam.contains(Tekst(70))) {
    melding(QString(Tekst(124)).replace(u'~', Tekst(70)));
    lstInvoer->clearSelection();
    parkeer();
    return;
  }
  // A header cut short or with numbers out of range is not used; the file
  // stays chosen so that it can be deleted.
  const QString bestand = naam + QStringLiteral(".txt");
  const auto kop = preparation::LeesInvoerKop(ZoekBestand(Pad(QStringLiteral("invoer")), bestand));
  const auto groep = preparation::GroepNaamVan(naam);
  if (!kop || !groep) {
    melding(QString(Tekst(190)).replace(u'~', bestand));
    wisKeuzes(true);
    cmdWisInvoer->setEnabled(true);
    parkeer();
    return;
  }

  lstGroepBestand->clearSelection();
  vscrRonden->setValue(vscrRonden->value() != 0 ? 0 : static_cast<int>(lstRondeNummers.size() - 1));

  sGroepBestand = *groep + QStringLiteral(".txt");
  sInvoerBestand = bestand;
  staat.toonKop(*groep, *kop);
  toonStaat();
  bBezig = true;
  vscrRonden->setValue(getal(lstRondeNummers.last()) < getal(staat.ronden)
                           ? static_cast<int>(lstRondeNummers.size() - 1)
                           : 0);
  bBezig = false;
  for (qsizetype i = 0; i < lstRondeNummers.size(); ++i)
    if (getal(lstRondeNummers[i]) == getal(staat.ronden)) {
      vscrRonden->setValue(static_cast<int>(i));
      break;
    }
  staat.spellen = kop->regels[4];
  toonStaat();
  // The boards spinner stands on the header's boards too, so that a step
  // from it goes on from the number shown.
  bBezig = true;
  vscrSpellen->setValue(static_cast<int>(lstSpelNummers.indexOf(QString::number(kop->spellen))));
  bBezig = false;

  // The schema is chosen only when its file can be used: the entry windows
  // need it.
  const bool gevonden = staat.kiesSchema(kop->regels[5]);
  const QString fout = preparation::SchemaFoutTekst(gevonden ? staat.gekozenSchema() : kop->schema);
  if (!fout.isEmpty()) {
    staat.schema = -1;
    melding(fout);
  }
  toonSchemaKeuze();
  zetStart();
  if (staat.magStarten())
    optInvoer[kop->invoerWijze]->setChecked(true);

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
  const int waarde =
      preparation::Wikkel(vscrRonden->value(), static_cast<int>(lstRondeNummers.size()));
  if (waarde != vscrRonden->value()) {
    vscrRonden->setValue(waarde); // runs this handler once more
    return;
  }
  staat.ronden = lstRondeNummers.value(waarde);
  staat.lijstSchemas();
  toonStaat();
  toonSchemas();
  zetStart();
  parkeer();
}

void frmZemlo04::vscrSpellen_Change() {
  if (bBezig)
    return;
  const int waarde =
      preparation::Wikkel(vscrSpellen->value(), static_cast<int>(lstSpelNummers.size()));
  if (waarde != vscrSpellen->value()) {
    vscrSpellen->setValue(waarde);
    return;
  }
  staat.spellen = lstSpelNummers.value(waarde);
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
  const QList<QListWidgetItem *> gekozen = lstGroepBestand->selectedItems();
  if (gekozen.isEmpty()) {
    parkeer();
    return;
  }
  const QString naam = gekozen.first()->text();
  cmdWisGroepen->setEnabled(false);
  if (!platform::question(this, windowTitle(), QString(Tekst(47)).replace(u'~', naam))) {
    cmdWisGroepen->setEnabled(true);
    parkeer();
    return;
  }
  QFile::remove(ZoekBestand(Pad(QStringLiteral("groepen")), naam + QStringLiteral(".txt")));
  // The chosen group is gone: nothing may start an evening for it.
  const bool gekozenGroep =
      sGroepBestand == naam + QStringLiteral(".txt") && sInvoerBestand.isEmpty();
  VulGroepBestanden();
  lstGroepBestand->clearSelection();
  if (gekozenGroep)
    wisKeuzes();
  cmdWisGroepen->setEnabled(false);
  parkeer();
}

void frmZemlo04::cmdWisInvoer_Click() {
  const QList<QListWidgetItem *> gekozen = lstInvoer->selectedItems();
  if (gekozen.isEmpty()) {
    parkeer();
    return;
  }
  const QString naam = gekozen.first()->text();
  cmdWisInvoer->setEnabled(false);
  if (!platform::question(this, windowTitle(), QString(Tekst(65)).replace(u'~', naam))) {
    cmdWisInvoer->setEnabled(true);
    parkeer();
    return;
  }
  QFile::remove(ZoekBestand(Pad(QStringLiteral("invoer")), naam + QStringLiteral(".txt")));
  VulInvoerBestanden();
  // The chosen results file is gone: the names and every choice go with it.
  wisKeuzes();
  parkeer();
}

void frmZemlo04::cmdStart_Click() {
  if (!staat.magStarten())
    return;
  // The entry windows need the schema: it must still be there and be whole.
  const QString fout = preparation::SchemaFoutTekst(staat.gekozenSchema());
  if (!fout.isEmpty()) {
    melding(fout);
    parkeer();
    return;
  }
  preparation::SchrijfStart(iInvoerWijze);
  const bool nieuw = sInvoerBestand.isEmpty();
  if (nieuw)
    sInvoerBestand = preparation::InvoerNaam(sGroepBestand);
  QString map = Pad(QStringLiteral("invoer"));
  MaakPad(map);
  if (!preparation::MaakInvoerBestand(ZoekBestand(Pad(QStringLiteral("invoer")), sInvoerBestand),
                                      staat.kop(sGroepBestand, iInvoerWijze))) {
    // No results file: the evening cannot begin; the choices stay for another try.
    melding(QString(Tekst(181)).replace(u'~', QStringLiteral("invoer/") + sInvoerBestand));
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

bool frmZemlo04::Form_KeyDown(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape) {
    escapeOfSluiten();
    return true;
  }
  return false;
}

void frmZemlo04::closeEvent(QCloseEvent *event) {
  event->ignore();
  if (isEnabled() && !isClosing())
    escapeOfSluiten();
}

bool frmZemlo04::eventFilter(QObject *watched, QEvent *event) {
  // The display boxes cannot be typed in: the focus goes on to the sink.
  if (event->type() == QEvent::FocusIn && (watched == txtRonden || watched == txtSpellen))
    parkeer();
  return ZemloWindow::eventFilter(watched, event);
}

void frmZemlo04::parkeer() { ZetFocus(this, cmdSetfocus); }

void frmZemlo04::melding(const QString &text) { platform::information(this, windowTitle(), text); }
