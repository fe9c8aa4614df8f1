#include "preparation/frmzemlo12.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/vensterhulp.h"
#include "platform/messagebox.h"
#include "preparation/schemaophalen.h"
#include "preparation/voorbereiding.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

using namespace BAS_Zemlo;

frmZemlo12::frmZemlo12() : ZemloWindow(QStringLiteral("frmZemlo12")) {
  sluitOokMetCtrlF4();
  QFont f = font();
  f.setPointSize(9);
  setFont(f);
  setFixedSize(480, 430);

  // The words are sized to their text when the window loads.
  lblInfo[0] = venster::maakLabel(this, "lblInfo0", {12, 18, 100, 18});
  lblInfo[1] = venster::maakLabel(this, "lblInfo1", {12, 18, 100, 18});
  txtSchema = venster::maakToonVak(this, "txtSchema", {0, 0, 32, 24});
  vscrSchema = venster::maakSpinner(this, "vscrSchema", {0, 0, 17, 28});

  fraSchema = venster::maak<QGroupBox>(this, "fraSchema", {10, 56, 460, 290});
  lstOpInternet = venster::maak<QListWidget>(fraSchema, "lstOpInternet", {10, 22, 440, 258});
  lstOpInternet->setSelectionMode(QAbstractItemView::MultiSelection);

  chkSelecteer = venster::maak<QCheckBox>(this, "chkSelecteer", {20, 354, 220, 24});
  cmdDownLoad = venster::maakKnop(this, "cmdDownLoad", {250, 386, 100, 32});
  cmdTerug = venster::maakKnop(this, "cmdTerug", {370, 386, 100, 32});
  cmdFocus = venster::maakKnop(this, "cmdFocus", {0, 0, 10, 10});

  connect(vscrSchema, &QScrollBar::valueChanged, this, [this] { vscrSchema_Change(); });
  connect(lstOpInternet, &QListWidget::itemSelectionChanged, this,
          [this] { lstOpInternet_Click(); });
  connect(chkSelecteer, &QCheckBox::clicked, this, [this] { chkSelecteer_Click(); });
  connect(cmdDownLoad, &QPushButton::clicked, this, [this] { cmdDownLoad_Click(); });
  connect(cmdTerug, &QPushButton::clicked, this, [this] { cmdTerug_Click(); });
}

frmZemlo12::~frmZemlo12() = default;

void frmZemlo12::Form_Load() {
  venster::centreer(this);
  setWindowTitle(Tekst(161) + u' ' + Tekst(55).toLower());
  venster::neemIcoon(this);
  cmdTerug->setText(Tekst(11));
  cmdDownLoad->setText(Tekst(161));
  cmdDownLoad->setEnabled(false);
  cmdFocus->move(width() + venster::twips(100), 0);
  fraSchema->setTitle(Tekst(55));
  chkSelecteer->setText(Tekst(174));

  // The words, the count and the spinner on one line; laid out before the
  // fetch so that the window is whole also when the list does not come.
  lblInfo[0]->setText(Tekst(161) + u' ' + Tekst(55).toLower() + u' ' + Tekst(172).toLower() +
                      QStringLiteral(": "));
  lblInfo[1]->setText(Tekst(32).toLower());
  lblInfo[0]->adjustSize();
  lblInfo[1]->adjustSize();
  const int midden = lblInfo[0]->y() + lblInfo[0]->height() / 2;
  int x = lblInfo[0]->x() + lblInfo[0]->width() + 4;
  txtSchema->move(x, midden - txtSchema->height() / 2);
  x += txtSchema->width();
  vscrSchema->move(x, midden - vscrSchema->height() / 2);
  x += vscrSchema->width() + 6;
  lblInfo[1]->move(x, lblInfo[0]->y());

  // The list is fetched anew at every opening.
  std::optional<QStringList> lijst;
  {
    venster::Zandloper wacht;
    setEnabled(false);
    lijst = preparation::HaalSchemaLijst();
  }
  if (!lijst) {
    platform::information(this, windowTitle(), Tekst(115));
    setEnabled(true);
    parkeer();
    return;
  }
  staat.laad(*lijst);
  setEnabled(true);

  const int n = static_cast<int>(staat.spinner.size());
  vscrSchema->setRange(-2, n);
  const int voor = vscrSchema->value();
  vscrSchema->setValue(n - 1);
  if (vscrSchema->value() == voor) // no change of value: fill the list all the same
    vscrSchema_Change();
  txtSchema->setText(staat.spinner.value(n - 1));
  fraSchema->setTitle(Tekst(55));
  zetSelecteer(false);
}

void frmZemlo12::Form_Activate() { parkeer(); }

void frmZemlo12::vscrSchema_Change() {
  const int n = static_cast<int>(staat.spinner.size());
  if (n == 0)
    return;
  const int waarde = preparation::Wikkel(vscrSchema->value(), n);
  if (waarde != vscrSchema->value()) {
    vscrSchema->setValue(waarde); // runs this handler once more
    return;
  }
  staat.toon(waarde);
  txtSchema->setText(staat.paren);
  lstOpInternet->clear();
  lstOpInternet->addItems(staat.namen);
  lstOpInternet->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
  fraSchema->setTitle(staat.titel());
  zetSelecteer(false);
  zetDownLoad();
  parkeer();
}

void frmZemlo12::lstOpInternet_Click() {
  zetDownLoad();
  if (!lstOpInternet->selectedItems().isEmpty())
    zetSelecteer(true);
}

void frmZemlo12::chkSelecteer_Click() {
  const bool alles = !staat.bDeselecteer;
  for (int i = 0; i < lstOpInternet->count(); ++i)
    lstOpInternet->item(i)->setSelected(alles);
  zetSelecteer(alles);
  lstOpInternet->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
  zetDownLoad();
  parkeer();
}

void frmZemlo12::cmdDownLoad_Click() {
  parkeer();
  cmdDownLoad->setEnabled(false);
  for (int i = 0; i < lstOpInternet->count(); ++i) {
    QListWidgetItem *item = lstOpInternet->item(i);
    if (!item->isSelected())
      continue;
    bool gelukt;
    {
      venster::Zandloper wacht;
      gelukt = preparation::HaalSchema(item->text());
    }
    if (gelukt)
      item->setSelected(false);
    else
      platform::information(this, Tekst(0), TekstMet(173, {{u'#', item->text()}}));
  }
  zetDownLoad();
  parkeer();
}

void frmZemlo12::cmdTerug_Click() { closeWindow(); }

void frmZemlo12::sluitVerzoek(Sluiten) { cmdTerug_Click(); }

bool frmZemlo12::eventFilter(QObject *watched, QEvent *event) {
  // The count box never keeps the focus.
  if (event->type() == QEvent::FocusIn && watched == txtSchema)
    parkeer();
  return ZemloWindow::eventFilter(watched, event);
}

void frmZemlo12::zetSelecteer(bool deselecteer) {
  staat.bDeselecteer = deselecteer;
  chkSelecteer->setText(Tekst(deselecteer ? 175 : 174));
  chkSelecteer->setChecked(deselecteer);
}

void frmZemlo12::zetDownLoad() {
  cmdDownLoad->setEnabled(!lstOpInternet->selectedItems().isEmpty());
}

void frmZemlo12::parkeer() { ZetFocus(this, cmdFocus); }
