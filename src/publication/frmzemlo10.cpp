#include "publication/frmzemlo10.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "frame/vensterhulp.h"
#include "platform/download.h"
#include "platform/messagebox.h"
#include "platform/profile.h"
#include "publication/mailbericht.h"
#include "publication/mailinstelling.h"
#include "publication/mailtxt.h"
#include "publication/verstuurmail.h"
#include "publication/windows.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>

using namespace BAS_Zemlo;
using namespace publication;

namespace {

// An envelope, the window's picture.
QPixmap envelop() {
  QPixmap pm(72, 52);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(venster::kleur(0xAA5A00), 2));
  p.setBrush(venster::kleur(0xFCF3EB));
  p.drawRect(QRectF(4, 6, 64, 40));
  p.drawLine(QPointF(4, 6), QPointF(36, 30));
  p.drawLine(QPointF(68, 6), QPointF(36, 30));
  return pm;
}

// Fetches MAIL.TXT beside the file in use; the fetched file takes its place
// only when it reads cleanly, so a failed or damaged fetch keeps the old one.
bool haalMailTxt() {
  const QString doel = ZoekBestand(sProgrammaMap, QStringLiteral("MAIL.TXT"));
  const QString nieuw = Pad(QStringLiteral(".MAIL.TXT.download"));
  QFile::remove(nieuw);
  bool ok =
      platform::downloadFile(platform::serverUrl(QStringLiteral("/zem/MAIL.TXT")), nieuw, 60) == 0;
  if (ok) {
    QFile bestand(nieuw);
    ok = bestand.open(QIODevice::ReadOnly) &&
         mailtxt::read(bestand.readAll()).status == mailtxt::Reading::Ok;
  }
  ok = ok &&
       std::rename(QFile::encodeName(nieuw).constData(), QFile::encodeName(doel).constData()) == 0;
  QFile::remove(nieuw);
  return ok;
}

} // namespace

frmZemlo10::frmZemlo10() : ZemloWindow(QStringLiteral("frmZemlo10")) {
  sluitOokMetCtrlF4();
  QFont f = font();
  f.setPointSize(9);
  setFont(f);
  setFixedSize(500, 330);

  picVoorVerstuurDeMail = new QFrame(this);
  picVoorVerstuurDeMail->setObjectName(QStringLiteral("picVoorVerstuurDeMail"));
  picVoorVerstuurDeMail->setGeometry(15, 15, 96, 76);
  picVoorVerstuurDeMail->setFrameShape(QFrame::StyledPanel);
  picVerStuurDeMail = new QLabel(picVoorVerstuurDeMail);
  picVerStuurDeMail->setObjectName(QStringLiteral("picVerStuurDeMail"));
  picVerStuurDeMail->setGeometry(12, 12, 72, 52);
  picVerStuurDeMail->setPixmap(envelop());
  picVerStuurDeMail->hide();
  // Its caption is fixed and the window never shows it.
  lblVerstuurDeMail = new QLabel(QStringLiteral("Verstuur e-mail naar:"), this);
  lblVerstuurDeMail->setObjectName(QStringLiteral("lblVerstuurDeMail"));
  lblVerstuurDeMail->hide();

  lblInfo = venster::maakLabel(this, "lblInfo", QRect(125, 15, 360, 80));
  lblInfo->setWordWrap(true);
  lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  fraMailadres = new QGroupBox(this);
  fraMailadres->setObjectName(QStringLiteral("fraMailadres"));
  fraMailadres->setGeometry(15, 105, 470, 70);
  lblAdres = venster::maakLabel(fraMailadres, "lblAdres", QRect(12, 30, 110, 26));
  txtEMailAdres = new QLineEdit(fraMailadres);
  txtEMailAdres->setObjectName(QStringLiteral("txtEMailAdres"));
  txtEMailAdres->setGeometry(125, 30, 330, 26);
  // The address is kept in standaard.ini, which gives no more back.
  txtEMailAdres->setMaxLength(platform::kProfileValueLength);

  lblProvider = venster::maakLabel(this, "lblProvider", QRect(27, 192, 130, 24));
  auto *groep = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    optProvider[i] = new QRadioButton(this);
    optProvider[i]->setObjectName(QStringLiteral("optProvider%1").arg(i));
    optProvider[i]->setGeometry(140 + i * 130, 192, 120, 24);
    groep->addButton(optProvider[i], i);
  }

  cmdDownLoad = venster::maakKnop(this, "cmdDownLoad", QRect(15, 280, 120, 32));
  cmdOK = venster::maakKnop(this, "cmdOK", QRect(245, 280, 110, 32));
  cmdOK->setEnabled(false);
  cmdTerug = venster::maakKnop(this, "cmdTerug", QRect(375, 280, 110, 32));
  cmdFocus = venster::maakKnop(this, "cmdFocus", QRect(0, 0, 10, 10));

  connect(cmdDownLoad, &QPushButton::clicked, this, [this] { cmdDownLoad_Click(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdTerug, &QPushButton::clicked, this, [this] { closeWindow(); });
  // Only the user's clicks; the choice made while loading writes nothing.
  connect(groep, &QButtonGroup::idClicked, this, [this](int id) { optProvider_Click(id); });
  connect(txtEMailAdres, &QLineEdit::textChanged, this, [this] { txtEMailAdres_Change(); });
}

frmZemlo10::~frmZemlo10() = default;

void frmZemlo10::Form_Load() {
  venster::centreer(this);
  setWindowTitle(Tekst(158));
  venster::neemIcoon(this);
  cmdTerug->setText(u'&' + Tekst(11));
  optProvider[0]->setText(Tekst(160) + QStringLiteral(" 1"));
  optProvider[1]->setText(Tekst(160) + QStringLiteral(" 2"));
  cmdDownLoad->setText(Tekst(161));
  cmdOK->setText(Tekst(170));
  lblAdres->setText(Tekst(137) + u':');
  lblProvider->setText(Tekst(163));
  // The choices stand after the caption, however long it is in the language.
  lblProvider->adjustSize();
  lblProvider->resize(lblProvider->width(), optProvider[0]->height());
  const int links = std::max(140, lblProvider->x() + lblProvider->width() + 12);
  for (int i = 0; i < 2; ++i)
    optProvider[i]->move(links + i * 130, optProvider[i]->y());
  fraMailadres->setTitle(Tekst(162));
  cmdFocus->move(width() + 10, 0);
  lblInfo->setText(TekstMetRegels(159));
  VulPictureWit();
  picVerStuurDeMail->show();

  LeesIni(kSectieAdres, kSleutelAdres, sIniPad);
  if (!sIniWaarde.isEmpty())
    txtEMailAdres->setText(sIniWaarde);
  LeesIni(kSectie, kSleutelProvider, sIniPad);
  iProvider = ProviderIndex(sIniWaarde);
  optProvider[iProvider]->setChecked(true);
}

void frmZemlo10::Form_Activate() { parkeer(); }

void frmZemlo10::VulPictureWit() { venster::zetKleuren(picVoorVerstuurDeMail, 0xFFFFFF); }

void frmZemlo10::cmdDownLoad_Click() {
  bool gelukt;
  {
    venster::Zandloper wacht;
    gelukt = haalMailTxt();
  }
  if (!gelukt) {
    cmdOK->setEnabled(false);
    platform::information(this, windowTitle(), Tekst(169));
  } else {
    cmdDownLoad->setEnabled(false);
    bGedownload = true;
    platform::information(this, windowTitle(), Tekst(168));
    cmdOK->setEnabled(MagTestMailSturen(bGedownload, txtEMailAdres->text()));
    LeesMailTxt(frmZemlo01::instance());
  }
  parkeer();
}

void frmZemlo10::cmdOK_Click() {
  cmdOK->setEnabled(false);
  parkeer();
  const QString adres = txtEMailAdres->text().trimmed();
  {
    venster::Zandloper wacht;
    VerstuurMail(sEigenEmailAdres, Tekst(164), adres, {}, TekstMetRegels(165), this);
  }
  if (!SchrijfIni(kSectieAdres, kSleutelAdres, BewaarAdres(adres), sIniPad))
    meldIniNietBewaard();
  if (lMailFout != 0) {
    platform::information(this, windowTitle(), Tekst(167));
    cmdOK->setEnabled(true);
  } else {
    platform::information(this, windowTitle(), Tekst(166));
  }
  parkeer();
}

void frmZemlo10::optProvider_Click(int index) {
  // The test mail goes through the provider the settings file names.
  if (!SchrijfIni(kSectie, kSleutelProvider, QString::number(index), sIniPad))
    meldIniNietBewaard();
  parkeer();
}

void frmZemlo10::meldIniNietBewaard() {
  platform::information(this, windowTitle(), TekstMet(181, QStringLiteral("standaard.ini")));
}

void frmZemlo10::txtEMailAdres_Change() {
  cmdOK->setEnabled(false);
  const QString vorig = m_adres;
  m_adres = txtEMailAdres->text().trimmed();
  if (const auto fout = AdresFout(txtEMailAdres->text())) {
    platform::information(this, windowTitle(), TestAdresMelding(*fout));
    return;
  }
  if (LokaalDeelBuitenAscii(m_adres)) {
    if (MeldLokaalDeel(vorig, m_adres))
      platform::information(this, windowTitle(), Tekst(191));
    return;
  }
  cmdOK->setEnabled(MagTestMailSturen(bGedownload, txtEMailAdres->text()));
}

void frmZemlo10::Form_QueryUnload() {
  // The provider chosen here served the test only; the stored one returns.
  // A value that stands already is not written again, so that a full disk
  // is only named when the file must change; the window closes all the same.
  LeesIni(kSectie, kSleutelProvider, sIniPad);
  if (sIniWaarde != QString::number(iProvider) &&
      !SchrijfIni(kSectie, kSleutelProvider, QString::number(iProvider), sIniPad))
    meldIniNietBewaard();
  returnToOpener();
  unload();
}

bool frmZemlo10::eventFilter(QObject *watched, QEvent *event) {
  if (watched == txtEMailAdres && event->type() == QEvent::KeyPress) {
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
      return true; // Enter does not send the test mail
    const QString tekst = key->text();
    if (tekst.size() == 1 && IsGeweigerdInTestAdres(tekst[0])) {
      ZetFocus(this, txtEMailAdres);
      return true;
    }
  }
  return ZemloWindow::eventFilter(watched, event);
}

void frmZemlo10::parkeer() { ZetFocus(this, cmdFocus); }
