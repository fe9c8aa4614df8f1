#include "frame/frmzemlo01.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/vensterhulp.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

using namespace BAS_Zemlo;

namespace {

QPointer<frmZemlo01> gInstance;
std::function<void(frmZemlo01 *)> gMailTxtReader;

// The picture of the four suits that stands under the title.
QPixmap suitsPicture() {
  QPixmap pm(240, 70);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(54);
  p.setFont(f);
  const QString suits[] = {QStringLiteral("\u2660"), QStringLiteral("\u2665"),
                           QStringLiteral("\u2666"), QStringLiteral("\u2663")};
  for (int i = 0; i < 4; ++i) {
    p.setPen(venster::kleur(i == 1 || i == 2 ? 0x0000C8 : 0x141414));
    p.drawText(QRect(i * 60, 0, 60, 70), Qt::AlignCenter, suits[i]);
  }
  return pm;
}

// The download button's picture: an arrow pointing down into a tray.
QIcon downloadPicture() {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(venster::kleur(0xAA5A00), 3));
  p.drawLine(16, 4, 16, 20);
  p.drawLine(9, 13, 16, 20);
  p.drawLine(23, 13, 16, 20);
  p.drawLine(5, 22, 5, 27);
  p.drawLine(5, 27, 27, 27);
  p.drawLine(27, 27, 27, 22);
  return QIcon(pm);
}

int centred(int outer, int inner) { return (outer - inner) / 2; }

} // namespace

frmZemlo01::frmZemlo01() : ZemloWindow(QStringLiteral("frmZemlo01")) {
  gInstance = this;
  QFont f = font();
  f.setPointSize(9);
  setFont(f);
  setFixedSize(venster::twips(6300), venster::twips(7800));

  auto button = [this](const char *name, int top) {
    return venster::maakKnop(this, name, venster::twips(1650, top, 3000, 450));
  };
  picBack = venster::maakLabel(this, "picBack", venster::twips(0, 1050, 5700, 1200));
  picBack->setStyleSheet(
      QStringLiteral("background-color: %1; border-radius: 6px;").arg(venster::cssKleur(0x3A6B0B)));
  picZem = venster::maakLabel(this, "picZem", QRect(0, venster::twips(1110), 240, 70));
  picZem->setPixmap(suitsPicture());
  picZem->setStyleSheet(
      QStringLiteral("background: %1; border-radius: 6px;").arg(venster::cssKleur(0xFFFFFF)));
  lblZemlo = venster::maakLabel(this, "lblZemlo", QRect());
  lblZemlo->setAlignment(Qt::AlignCenter);
  QFont big = font();
  big.setPointSize(24);
  big.setBold(true);
  lblZemlo->setFont(big);
  lblZemlo->resize(venster::twips(4500), venster::twips(700));
  cmdDownLoad = venster::maakKnop(this, "cmdDownLoad", venster::twips(0, 2400, 540, 480));
  cmdDownLoad->setIcon(downloadPicture());
  cmdDownLoad->setIconSize(QSize(24, 24));

  cmdNamenInvoeren = button("cmdNamenInvoeren", 3000);
  cmdGroepenMaken = button("cmdGroepenMaken", 3550);
  cmdInVoerScores = button("cmdInVoerScores", 4100);
  cmdSchema = button("cmdSchema", 4650);
  cmdMAILTXT = button("cmdMAILTXT", 5200);
  cmdAfsluiten = button("cmdAfsluiten", 5950);
  for (QPushButton *b : {cmdNamenInvoeren, cmdGroepenMaken, cmdInVoerScores, cmdAfsluiten})
    b->setVisible(false);

  lblVersie = venster::maakLabel(this, "lblVersie", venster::twips(150, 7200, 3000, 300));
  lblCopyRight = venster::maakLabel(this, "lblCopyRight", venster::twips(3150, 7200, 3000, 300));
  lblCopyRight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  cmdSetfocus = venster::maakKnop(this, "cmdSetfocus", QRect(0, 0, 10, 10));

  connect(cmdNamenInvoeren, &QPushButton::clicked, this,
          [this] { openTask(QStringLiteral("frmZemlo02"), false); });
  connect(cmdGroepenMaken, &QPushButton::clicked, this,
          [this] { openTask(QStringLiteral("frmZemlo03"), false); });
  connect(cmdInVoerScores, &QPushButton::clicked, this,
          [this] { openTask(QStringLiteral("frmZemlo04"), false); });
  connect(cmdMAILTXT, &QPushButton::clicked, this,
          [this] { openTask(QStringLiteral("frmZemlo10"), true, 1); });
  connect(cmdSchema, &QPushButton::clicked, this,
          [this] { openTask(QStringLiteral("frmZemlo12"), true); });
  connect(cmdDownLoad, &QPushButton::clicked, this, [this] {
    ZetFocus(this, cmdSetfocus);
    emit downloadRequested();
  });
  connect(cmdAfsluiten, &QPushButton::clicked, this, &frmZemlo01::beeindigProgramma);
}

UpdateWindow frmZemlo01::updateWindow() {
  return {this, cmdSetfocus, [this] { beeindigProgramma(); }};
}

frmZemlo01::~frmZemlo01() {
  if (gInstance == this)
    gInstance = nullptr;
}

frmZemlo01 *frmZemlo01::instance() { return gInstance; }

void frmZemlo01::setMailTxtReader(std::function<void(frmZemlo01 *)> reader) {
  gMailTxtReader = std::move(reader);
}

void frmZemlo01::Form_Load() {
  sIniPad = Pad(QStringLiteral("standaard.ini"));
  // The focus sink lies outside the window's visible area.
  cmdSetfocus->move(width() + venster::twips(100), 0);
  iTaal = KiesTaal(sProgrammaMap);
  ZetQtTaal(iTaal);
  if (gMailTxtReader)
    gMailTxtReader(this);
  sStilzitTekst = Tekst(101);
  bInternet = IsInternetVerbonden() ? -1 : 0;
  lblCopyRight->setText(Tekst(1));
  lblZemlo->setText(Tekst(2));
  sVerbodenTekens = Tekst(43) + u'"';
  lblVersie->setText(Tekst(3) + QStringLiteral(": ") + QStringLiteral(ZEMLO_VERSION));

  lblZemlo->move(centred(width(), lblZemlo->width()), venster::twips(300));
  picBack->move(centred(width(), picBack->width()), picBack->y());
  picZem->move(centred(width(), picZem->width()), picZem->y());
  cmdDownLoad->move(picZem->x(), cmdDownLoad->y());

  cmdMAILTXT->setText(Tekst(158));
  cmdNamenInvoeren->setText(Tekst(4));
  cmdGroepenMaken->setText(Tekst(5));
  cmdInVoerScores->setText(Tekst(6));
  cmdAfsluiten->setText(u'&' + Tekst(23));
  cmdSchema->setText(Tekst(161) + u' ' + Tekst(55));

  for (const char *folder : {"namen", "groepen", "schema/10", "schema/11", "invoer"}) {
    QString path = Pad(QString::fromLatin1(folder));
    MaakPad(path);
  }

  venster::centreer(this);
}

void frmZemlo01::Form_Activate() {
  ZetFocus(this, cmdSetfocus);
  setWindowTitle(Tekst(0) + QStringLiteral(" - ") + Tekst(0));
  for (QPushButton *b : {cmdAfsluiten, cmdNamenInvoeren, cmdGroepenMaken, cmdInVoerScores})
    b->setVisible(true);
  ZetFocus(this, cmdSetfocus);
  if (bInternet == -1)
    emit activatedOnLine();
}

void frmZemlo01::openTask(const QString &window, bool parkFocus, int vanForm) {
  if (!isWindowRegistered(window))
    return;
  if (parkFocus)
    ZetFocus(this, cmdSetfocus);
  openWindow(window, this, vanForm);
}

void frmZemlo01::Form_QueryUnload() { beeindigProgramma(); }

void frmZemlo01::beeindigProgramma() {
  if (m_ended)
    return;
  m_ended = true;
  emit programEnded();
  hide();
  QCoreApplication::quit();
}
