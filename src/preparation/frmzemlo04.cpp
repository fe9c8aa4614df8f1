#include "preparation/frmzemlo04.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "groups/groepbestand.h"
#include "platform/messagebox.h"
#include "platform/numbers.h"
#include "platform/units.h"
#include "preparation/bestanden.h"
#include "preparation/invoerkop.h"
#include "preparation/schema.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

using namespace BAS_Zemlo;
using platform::twipsToPixels;

namespace {

int getal(const QString &text) {
  const double v = platform::val(text);
  return v < -1000 || v > 1000 ? 0 : static_cast<int>(platform::roundHalfEven(v));
}

QListWidget *maakLijst(QWidget *parent, const char *name, QRect geometry) {
  auto *l = new QListWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(geometry);
  return l;
}

QLabel *maakLabel(QWidget *parent, const char *name, QPoint at) {
  auto *l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->move(at);
  return l;
}

} // namespace

frmZemlo04::frmZemlo04() : ZemloWindow(QStringLiteral("frmZemlo04")) {
  QFont f = font();
  f.setPointSize(9);
  setFont(f);
  setFixedSize(630, 470);

  fraGroepBestanden = new QGroupBox(this);
  fraGroepBestanden->setObjectName(QStringLiteral("fraGroepBestanden"));
  fraGroepBestanden->setGeometry(8, 8, 300, 218);
  lstGroepBestand = maakLijst(fraGroepBestanden, "lstGroepBestand", {10, 22, 280, 128});
  chkSorteerGroepen = new QCheckBox(fraGroepBestanden);
  chkSorteerGroepen->setObjectName(QStringLiteral("chkSorteerGroepen"));
  chkSorteerGroepen->setGeometry(10, 154, 280, 22);
  cmdWisGroepen = new QPushButton(fraGroepBestanden);
  cmdWisGroepen->setObjectName(QStringLiteral("cmdWisGroepen"));
  cmdWisGroepen->setGeometry(10, 180, 180, 28);

  fraInvoer = new QGroupBox(this);
  fraInvoer->setObjectName(QStringLiteral("fraInvoer"));
  fraInvoer->setGeometry(8, 234, 300, 218);
  lstInvoer = maakLijst(fraInvoer, "lstInvoer", {10, 22, 280, 128});
  chkSorteerInvoer = new QCheckBox(fraInvoer);
  chkSorteerInvoer->setObjectName(QStringLiteral("chkSorteerInvoer"));
  chkSorteerInvoer->setGeometry(10, 154, 280, 22);
  cmdWisInvoer = new QPushButton(fraInvoer);
  cmdWisInvoer->setObjectName(QStringLiteral("cmdWisInvoer"));
  cmdWisInvoer->setGeometry(10, 180, 180, 28);

  fraInfo = new QGroupBox(this);
  fraInfo->setObjectName(QStringLiteral("fraInfo"));
  fraInfo->setGeometry(316, 8, 306, 132);
  lblGroepInfo = maakLabel(fraInfo, "lblGroepInfo", {10, 24});
  lblGroep = maakLabel(fraInfo, "lblGroep", {10, 24});
  lblParenInfo = maakLabel(fraInfo, "lblParenInfo", {10, 46});
  lblParen = maakLabel(fraInfo, "lblParen", {10, 46});
  lblStilzitInfo = maakLabel(fraInfo, "lblStilzitInfo", {10, 68});
  lblStilzit = maakLabel(fraInfo, "lblStilzit", {10, 68});
  lblRonden = maakLabel(fraInfo, "lblRonden", {10, 100});
  lblSpellen = maakLabel(fraInfo, "lblSpellen", {150, 100});
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

  fraSchema = new QGroupBox(this);
  fraSchema->setObjectName(QStringLiteral("fraSchema"));
  fraSchema->setGeometry(316, 148, 306, 178);
  lstSchema = maakLijst(fraSchema, "lstSchema", {10, 22, 286, 146});
  lstSchema->setSelectionMode(QAbstractItemView::MultiSelection);

  fraScoreInvoer = new QGroupBox(this);
  fraScoreInvoer->setObjectName(QStringLiteral("fraScoreInvoer"));
  fraScoreInvoer->setGeometry(316, 334, 306, 82);
  for (int i = 0; i < 2; ++i) {
    optInvoer[i] = new QRadioButton(fraScoreInvoer);
    optInvoer[i]->setObjectName(QStringLiteral("optInvoer%1").arg(i));
    optInvoer[i]->setGeometry(12, 22 + 26 * i, 170, 24);
  }
  cmdStart = new QPushButton(fraScoreInvoer);
  cmdStart->setObjectName(QStringLiteral("cmdStart"));
  cmdStart->setGeometry(196, 30, 100, 32);

  cmdTerug = new QPushButton(this);
  cmdTerug->setObjectName(QStringLiteral("cmdTerug"));
  cmdTerug->setGeometry(522, 426, 100, 32);
  cmdSetfocus = new QPushButton(this);
  cmdSetfocus->setObjectName(QStringLiteral("cmdSetfocus"));
  cmdSetfocus->resize(10, 10);

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
  if (frmZemlo01 *main = frmZemlo01::instance())
    setWindowIcon(main->windowIcon());
  setWindowTitle(Tekst(48));
  if (const QScreen *screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
  cmdSetfocus->move(width() + twipsToPixels(100), 0);

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
  const int infoRight = std::max({lblGroepInfo->width(), lblParenInfo->width(),
                                  lblStilzitInfo->width()}) + 10;
  for (auto [caption, value] : {std::pair{lblGroepInfo, lblGroep}, std::pair{lblParenInfo, lblParen},
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
  txtRonden->setText(QStringLiteral("6"));
  txtSpellen->setText(QStringLiteral("4"));
  lstSpelNummers.clear();
  for (int i = 9; i >= 1; --i)
    lstSpelNummers.append(QString::number(i));
  lstRondeNummers.clear();
  for (int i = 12; i >= 3; --i)
    lstRondeNummers.append(QString::number(i));
  zetStandaardSpinners();
  bBezig = false;

  lblGroep->clear();
  lblParen->clear();
  lblStilzit->clear();
  VulInvoerBestanden();

  optInvoer[preparation::LeesStart()]->setChecked(true);
}

void frmZemlo04::zetStandaardSpinners() {
  vscrSpellen->setValue(static_cast<int>(lstSpelNummers.lastIndexOf(QStringLiteral("4"))));
  vscrRonden->setValue(static_cast<int>(lstRondeNummers.lastIndexOf(QStringLiteral("6"))));
}

void frmZemlo04::Form_Activate() {
  VulInvoerBestanden();
  parkeer();
  wisKeuzes();
}

void frmZemlo04::wisKeuzes() {
  bFormSluiten = false;
  sInvoerBestand.clear();
  sGroepBestand.clear();
  bBezig = true;
  lstGroepBestand->clearSelection();
  lstInvoer->clearSelection();
  lstSchema->clearSelection();
  fraSchema->setEnabled(true);
  fraScoreInvoer->setEnabled(false);
  optInvoer[0]->setEnabled(true);
  optInvoer[1]->setEnabled(true);
  lstSchema->clear();
  cmdStart->setEnabled(false);
  cmdWisInvoer->setEnabled(false);
  lblGroep->clear();
  lblParen->clear();
  lblStilzit->clear();
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
  if (BestandBestaat(Pad(QStringLiteral("invoer/")) + groep + u' ' + Tekst(70) +
                     QStringLiteral(".txt")) == 1) {
    melding(QString(Tekst(102)).replace(u'~', groep));
    lstGroepBestand->clearSelection();
    lblGroep->clear();
    parkeer();
    return;
  }
  sGroepBestand = groep + QStringLiteral(".txt");
  sInvoerBestand.clear();

  bBezig = true;
  zetStandaardSpinners();
  txtRonden->setText(QStringLiteral("6"));
  txtSpellen->setText(QStringLiteral("4"));
  bBezig = false;

  // Pairs and the sit-out pair. An odd count gets one more pair, which sits
  // out. A group file that is empty or unreadable has no pairs.
  int paren = 0;
  int stilzit = 0;
  const QString pad = Pad(QStringLiteral("groepen/")) + sGroepBestand;
  lstInvoer->clearSelection();
  fraSchema->setEnabled(true);
  if (BestandBestaat(pad) == 1) {
    if (const auto regels = groups::leesGroepBestand(pad)) {
      const QString stilzitRegel = groups::StilzitRegel();
      for (const groups::GroepRegel &r : *regels) {
        ++paren;
        if (r.regel == stilzitRegel)
          stilzit = paren;
      }
    }
  }
  if (paren % 2 == 1) {
    ++paren;
    stilzit = paren;
  }
  lblParen->setText(QString::number(paren));
  lblStilzit->setText(stilzit == 0 ? Tekst(54) : QString::number(stilzit));

  fraInfo->setEnabled(true);
  cmdWisGroepen->setEnabled(true);
  vscrRonden->setValue(vscrRonden->value() - 1);
  vscrRonden->setValue(vscrRonden->value() + 1);

  bBezig = true;
  lstSchema->clearSelection();
  bBezig = false;
  fraScoreInvoer->setEnabled(false);
  optInvoer[0]->setEnabled(false);
  optInvoer[1]->setEnabled(false);
  cmdStart->setEnabled(false);
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
  // A header cut short or with numbers out of range is refused before
  // anything is set.
  const QString bestand = naam + QStringLiteral(".txt");
  const auto kop = preparation::LeesInvoerKop(Pad(QStringLiteral("invoer/")) + bestand);
  const auto groep = preparation::GroepNaamVan(naam);
  if (!kop || !groep) {
    melding(QString(Tekst(190)).replace(u'~', bestand));
    lstInvoer->clearSelection();
    parkeer();
    return;
  }

  lstGroepBestand->clearSelection();
  vscrRonden->setValue(vscrRonden->value() != 0 ? 0 : static_cast<int>(lstRondeNummers.size() - 1));

  sGroepBestand = *groep + QStringLiteral(".txt");
  lblGroep->setText(*groep);
  sInvoerBestand = bestand;

  lblParen->setText(kop->regels[1]);
  lblStilzit->setText(kop->regels[2]);
  txtRonden->setText(kop->regels[3]);
  bBezig = true;
  vscrRonden->setValue(getal(lstRondeNummers.last()) < getal(kop->regels[3])
                           ? static_cast<int>(lstRondeNummers.size() - 1)
                           : 0);
  bBezig = false;
  for (qsizetype i = 0; i < lstRondeNummers.size(); ++i)
    if (getal(lstRondeNummers[i]) == getal(txtRonden->text())) {
      vscrRonden->setValue(static_cast<int>(i));
      break;
    }
  txtSpellen->setText(kop->regels[4]);
  // The boards spinner stands on the header's boards too, so that a step
  // from it goes on from the number shown.
  bBezig = true;
  vscrSpellen->setValue(static_cast<int>(lstSpelNummers.indexOf(QString::number(kop->spellen))));
  bBezig = false;

  // The schema is chosen only when its file can be read: the entry windows
  // need it.
  const int i = ZoekInLijst(lstSchema, kop->regels[5], 1);
  const bool leesbaar =
      preparation::LeesSchema(i != -1 ? lstSchema->item(i)->text() : kop->schema).has_value();
  if (i != -1 && leesbaar) {
    lstSchema->selectionModel()->setCurrentIndex(lstSchema->model()->index(i, 0),
                                                 QItemSelectionModel::NoUpdate);
    lstSchema->item(i)->setSelected(true);
    optInvoer[kop->invoerWijze]->setChecked(true);
  } else if (!leesbaar) {
    melding(QString(Tekst(141)).replace(
        u'~', QStringLiteral("schema/%1/%2.txt")
                  .arg(iTaal)
                  .arg(i != -1 ? lstSchema->item(i)->text() : kop->schema)));
  }

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
  const int last = static_cast<int>(lstRondeNummers.size() - 1);
  if (vscrRonden->value() < 0) {
    vscrRonden->setValue(last);
    return;
  }
  if (vscrRonden->value() > last) {
    vscrRonden->setValue(0);
    return;
  }
  txtRonden->setText(lstRondeNummers.value(vscrRonden->value()));
  bBezig = true;
  lstSchema->clear();
  lstSchema->addItems(preparation::PassendeSchemas(getal(lblParen->text()), getal(txtRonden->text())));
  bBezig = false;
  fraScoreInvoer->setEnabled(false);
  optInvoer[0]->setEnabled(false);
  optInvoer[1]->setEnabled(false);
  cmdStart->setEnabled(false);
  bBezig = true;
  lstSchema->clearSelection();
  bBezig = false;
  parkeer();
}

void frmZemlo04::vscrSpellen_Change() {
  if (bBezig)
    return;
  const int last = static_cast<int>(lstSpelNummers.size() - 1);
  if (vscrSpellen->value() < 0) {
    vscrSpellen->setValue(last);
    return;
  }
  if (vscrSpellen->value() > last) {
    vscrSpellen->setValue(0);
    return;
  }
  txtSpellen->setText(lstSpelNummers.value(vscrSpellen->value()));
  parkeer();
}

void frmZemlo04::lstSchema_Click() {
  if (bBezig)
    return;
  const int huidig = lstSchema->currentRow();
  if (huidig < 0)
    return;
  if (lstSchema->item(huidig)->isSelected()) {
    fraScoreInvoer->setEnabled(true);
    optInvoer[0]->setEnabled(true);
    optInvoer[1]->setEnabled(true);
    cmdStart->setEnabled(true);
    for (int i = lstSchema->count() - 1; i >= 0; --i)
      if (i != huidig) {
        bBezig = true;
        lstSchema->item(i)->setSelected(false);
        bBezig = false;
      }
  } else {
    fraScoreInvoer->setEnabled(false);
    optInvoer[0]->setEnabled(false);
    optInvoer[1]->setEnabled(false);
    cmdStart->setEnabled(false);
  }
}

int frmZemlo04::gekozenSchema() const {
  for (int i = 0; i < lstSchema->count(); ++i)
    if (lstSchema->item(i)->isSelected())
      return i;
  return -1;
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
  QFile::remove(Pad(QStringLiteral("groepen/")) + naam + QStringLiteral(".txt"));
  // The chosen group is gone: nothing may start an evening for it.
  const bool gekozenGroep = sGroepBestand == naam + QStringLiteral(".txt") && sInvoerBestand.isEmpty();
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
  QFile::remove(Pad(QStringLiteral("invoer/")) + naam + QStringLiteral(".txt"));
  VulInvoerBestanden();
  // The chosen results file is gone: the names and every choice go with it.
  wisKeuzes();
  parkeer();
}

void frmZemlo04::cmdStart_Click() {
  const int schema = gekozenSchema();
  if (schema < 0)
    return;
  const QString schemaNaam = lstSchema->item(schema)->text();
  // The entry windows need the schema: it must still be there.
  if (!preparation::LeesSchema(schemaNaam)) {
    melding(QString(Tekst(141)).replace(
        u'~', QStringLiteral("schema/%1/%2.txt").arg(iTaal).arg(schemaNaam)));
    parkeer();
    return;
  }
  preparation::SchrijfStart(iInvoerWijze);
  const bool nieuw = sInvoerBestand.isEmpty();
  if (nieuw)
    sInvoerBestand = preparation::InvoerNaam(sGroepBestand);
  QString map = Pad(QStringLiteral("invoer"));
  MaakPad(map);
  if (!preparation::MaakInvoerBestand(map + sInvoerBestand,
                                      {lblGroep->text() + u' ' + Tekst(70), lblParen->text(),
                                       lblStilzit->text(), txtRonden->text(), txtSpellen->text(),
                                       schemaNaam, QString::number(iInvoerWijze)})) {
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

bool frmZemlo04::kanStarten() const {
  const int schema = gekozenSchema();
  return !sInvoerBestand.isEmpty() && cmdStart->isEnabledTo(this) && schema >= 0 &&
         preparation::LeesSchema(lstSchema->item(schema)->text());
}

void frmZemlo04::escapeOfSluiten() {
  if (kanStarten())
    sluitStap();
  else
    cmdTerug_Click();
}

bool frmZemlo04::openInvoerVenster() {
  const QString venster = iInvoerWijze == 1 ? QStringLiteral("frmZemlo07") : QStringLiteral("frmZemlo06");
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
