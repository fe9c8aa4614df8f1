#include "groups/frmzemlo05.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/vensterhulp.h"
#include "groups/kalender.h"
#include "platform/clock.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace BAS_Zemlo;
using namespace groups;
using venster::maak;
using venster::maakKnop;
using venster::maakLabel;
using venster::twips;

namespace {
constexpr int kCelBreedte = 570;
constexpr int kCelHoogte = 390;
constexpr int kLinks = 120;
constexpr int kKop = 600;
constexpr int kBoven = 960;
} // namespace

frmZemlo05::frmZemlo05() : ZemloWindow(QStringLiteral("frmZemlo05")) {
  sluitOokMetCtrlF4();
  setFixedSize(twips(kLinks * 2 + 7 * kCelBreedte), twips(4080));
  fraBackGround =
      maak<QFrame>(this, "fraBackGround",
                   twips(kLinks - 45, kKop - 45, 7 * kCelBreedte + 90, 6 * kCelHoogte + 450));
  fraBackGround->setFrameShape(QFrame::StyledPanel);
  fraBackGround->setStyleSheet(
      QStringLiteral("QFrame#fraBackGround { background: %1; }").arg(venster::cssKleur(0xFFFFFF)));

  comMaand = maak<QComboBox>(this, "comMaand", twips(kLinks, 120, 2250, 345));
  comJaar =
      maak<QComboBox>(this, "comJaar", twips(kLinks + 7 * kCelBreedte - 1350, 120, 1350, 345));
  comJaar->setMaxVisibleItems(12);

  for (int k = 1; k <= 7; ++k) {
    const QByteArray naam = "lblDag(" + QByteArray::number(k) + ')';
    lblDag[k] = maakLabel(this, naam.constData(),
                          twips(kLinks + (k - 1) * kCelBreedte, kKop, kCelBreedte, 330));
    lblDag[k]->setAlignment(Qt::AlignCenter);
    QFont f = lblDag[k]->font();
    f.setBold(true);
    lblDag[k]->setFont(f);
  }
  for (int i = 1; i <= 42; ++i) {
    const QByteArray naam = "lblDatum(" + QByteArray::number(i) + ')';
    const int rij = (i - 1) / 7, kolom = (i - 1) % 7;
    auto *l = maakLabel(this, naam.constData(),
                        twips(kLinks + kolom * kCelBreedte + 15, kBoven + rij * kCelHoogte + 15,
                              kCelBreedte - 30, kCelHoogte - 30));
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    lblDatum[i] = l;
  }
  cmdOK = maakKnop(this, "cmdOK", twips(kLinks, 3480, 1800, 420));
  cmdTerug = maakKnop(this, "cmdTerug", twips(kLinks + 7 * kCelBreedte - 1800, 3480, 1800, 420));
  cmdFocus = maakKnop(this, "cmdFocus", QRect(0, 0, 10, 10));

  connect(comMaand, &QComboBox::currentIndexChanged, this, [this] { kiesMaandOfJaar(); });
  connect(comJaar, &QComboBox::currentIndexChanged, this, [this] { kiesMaandOfJaar(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdTerug, &QPushButton::clicked, this, [this] { cmdTerug_Click(); });
}

void frmZemlo05::Form_Load() {
  bLaden = true;
  venster::neemIcoon(this);
  setWindowTitle(Tekst(60));
  cmdTerug->setText(Tekst(11));
  cmdOK->setText(Tekst(59));
  cmdFocus->move(width() + twips(100), height() + twips(100));

  const QStringList dagen = Tekst(61).split(u'|');
  for (int k = 1; k <= 7; ++k)
    lblDag[k]->setText(dagen.value(k - 1));
  m_maanden = Tekst(62).split(u'|');
  if (!m_maanden.isEmpty() && m_maanden.last().isEmpty())
    m_maanden.removeLast();
  comMaand->addItems(m_maanden);
  const QDate vandaag = platform::today();
  for (int jaar = 2012; jaar <= 2042; ++jaar)
    comJaar->addItem(QString::number(jaar));
  // A current year outside the list is added to it, in its place.
  if (vandaag.year() < 2012)
    comJaar->insertItem(0, QString::number(vandaag.year()));
  else if (vandaag.year() > 2042)
    comJaar->addItem(QString::number(vandaag.year()));

  comJaar->setCurrentText(QString::number(vandaag.year()));
  comMaand->setCurrentIndex(vandaag.month() - 1);
  iDag = vandaag.day();
  sDatum = DatumTekst(vandaag);
  sKalenderDatum.clear();
  venster::centreer(this);
  bLaden = false;
  kiesMaandOfJaar();
}

void frmZemlo05::Form_Activate() {
  unsetCursor();
  setWindowTitle(kalenderTitel(sDatum));
  ZetFocus(this, cmdFocus);
}

void frmZemlo05::resizeEvent(QResizeEvent *event) {
  ZemloWindow::resizeEvent(event);
  venster::centreer(this);
}

void frmZemlo05::ToonDatum() {
  if (bLaden)
    return;
  iMaand = static_cast<int>(m_maanden.indexOf(comMaand->currentText())) + 1;
  if (iMaand < 1)
    return; // no month to draw
  iJaar = comJaar->currentText().toInt();
  const int lengte = maandLengte(iMaand, iJaar);
  // The chosen day is cut to the length of the month: no date that does not exist.
  iDag = std::clamp(iDag, 1, lengte);
  sDatum = kalenderDatum(iDag, iMaand, iJaar);
  m_cellen = maandCellen(iMaand, iJaar);
  for (int i = 1; i <= 42; ++i) {
    QLabel *l = lblDatum[i];
    l->setText(m_cellen[i] != 0 ? QString::number(m_cellen[i]) : QString());
    l->setVisible(celZichtbaar(m_cellen, i));
    const bool gekozen = m_cellen[i] == iDag;
    l->setFrameShape(gekozen ? QFrame::Panel : QFrame::NoFrame);
    l->setFrameShadow(gekozen ? QFrame::Raised : QFrame::Plain);
    l->setLineWidth(gekozen ? 2 : 1);
    venster::zetKleuren(l, gekozen ? 0xE0E0E0 : 0xFFFFFF, gekozen ? 0x0000FF : 0x000000);
    l->setEnabled(true);
  }
}

void frmZemlo05::zetCaption() { setWindowTitle(kalenderTitel(sKalenderDatum)); }

void frmZemlo05::lblDatum_Click(int index) {
  if (m_cellen[index] == 0)
    return;
  iDag = m_cellen[index];
  ToonDatum();
  sKalenderDatum = kalenderDatum(iDag, iMaand, iJaar);
  zetCaption();
}

void frmZemlo05::kiesMaandOfJaar() {
  if (bLaden)
    return;
  ToonDatum();
  if (iMaand < 1)
    return;
  sKalenderDatum = kalenderDatum(iDag, iMaand, iJaar);
  zetCaption();
}

void frmZemlo05::cmdOK_Click() {
  const int maand = static_cast<int>(m_maanden.indexOf(comMaand->currentText())) + 1;
  if (maand >= 1)
    sKalenderDatum = kalenderDatum(iDag, maand, comJaar->currentText().toInt());
  cmdTerugTag = sKalenderDatum;
  ZetFocus(this, cmdFocus);
  cmdTerug_Click();
}

void frmZemlo05::cmdTerug_Click() {
  if (cmdTerugTag.isEmpty())
    sKalenderDatum.clear();
  closeWindow();
}

// Escape and Ctrl+F4 are Back; the close box hands back the date shown.
void frmZemlo05::sluitVerzoek(Sluiten hoe) {
  if (hoe == Sluiten::SluitKnop)
    closeWindow();
  else
    cmdTerug_Click();
}

bool frmZemlo05::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::MouseButtonPress && isEnabled()) {
    for (int i = 1; i <= 42; ++i)
      if (watched == lblDatum[i]) {
        lblDatum_Click(i);
        return true;
      }
  }
  // The boxes are for choosing only: a typed character is dropped.
  if (event->type() == QEvent::KeyPress && (watched == comMaand || watched == comJaar)) {
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Escape && !key->text().isEmpty() && key->text()[0].isPrint()) {
      ZetFocus(this, cmdFocus);
      return true;
    }
  }
  return ZemloWindow::eventFilter(watched, event);
}
