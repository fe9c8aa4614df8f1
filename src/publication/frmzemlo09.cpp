#include "publication/frmzemlo09.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/vensterhulp.h"
#include "platform/messagebox.h"
#include "platform/profile.h"
#include "platform/textfile.h"
#include "publication/mailbericht.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace BAS_Zemlo;
using namespace publication;

namespace {
// White buttons with a thin border, darker while the mouse is on them.
QString witteKnop() {
  using venster::cssKleur;
  return QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2; border-radius: "
                        "3px; }"
                        "QPushButton:hover { border-color: %3; }"
                        "QPushButton:disabled { color: %4; border-color: %5; }")
      .arg(cssKleur(0xFFFFFF), cssKleur(0x8C8C8C), cssKleur(0xA56E3A), cssKleur(0xA0A0A0),
           cssKleur(0xC8C8C8));
}
} // namespace

frmZemlo09::frmZemlo09() : ZemloWindow(QStringLiteral("frmZemlo09")) {
  sluitOokMetCtrlF4();
  QFont f = font();
  f.setPointSize(9);
  setFont(f);
  setFixedSize(470, 290);

  lblWaarvoor = venster::maakLabel(this, "lblWaarvoor", QRect(20, 15, 430, 64));
  lblWaarvoor->setWordWrap(true);
  lblInfo = venster::maakLabel(this, "lblInfo", QRect(20, 96, 130, 24));
  lblNaam = venster::maakLabel(this, "lblNaam", QRect(20, 132, 130, 24));
  lblProvider = venster::maakLabel(this, "lblProvider", QRect(20, 172, 130, 24));
  txtEMailAdres = new QLineEdit(this);
  txtEMailAdres->setObjectName(QStringLiteral("txtEMailAdres"));
  // Each box takes no more than standaard.ini gives back.
  txtEMailAdres->setMaxLength(platform::kProfileValueLength);
  txtEMailAdres->resize(290, 26);
  txtNaam = new QLineEdit(this);
  txtNaam->setObjectName(QStringLiteral("txtNaam"));
  txtNaam->setMaxLength(platform::kProfileValueLength);
  txtNaam->resize(290, 26);
  auto *groep = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    optProvider[i] = new QRadioButton(this);
    optProvider[i]->setObjectName(QStringLiteral("optProvider%1").arg(i));
    optProvider[i]->resize(110, 24);
    groep->addButton(optProvider[i], i);
  }
  cmdDownLoad = venster::maakKnop(this, "cmdDownLoad", QRect(20, 240, 140, 32));
  cmdTerug = venster::maakKnop(this, "cmdTerug", QRect(170, 240, 110, 32));
  cmdOK = venster::maakKnop(this, "cmdOK", QRect(0, 0, 110, 32));
  cmdOK->setText(QStringLiteral("&OK"));
  cmdOK->setEnabled(false);
  for (QPushButton *b : {cmdOK, cmdTerug, cmdDownLoad})
    b->setStyleSheet(witteKnop());
  cmdFocus = venster::maakKnop(this, "cmdFocus", QRect(0, 0, 10, 10));

  connect(txtEMailAdres, &QLineEdit::textChanged, this, [this] { txtEMailAdres_Change(); });
  connect(txtNaam, &QLineEdit::textChanged, this, [this] { txtNaam_Change(); });
  connect(groep, &QButtonGroup::idToggled, this, [this](int id, bool aan) {
    if (aan)
      optProvider_Click(id);
  });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdTerug, &QPushButton::clicked, this, [this] { closeWindow(); });
  connect(cmdDownLoad, &QPushButton::clicked, this, [this] { cmdDownLoad_Click(); });
}

frmZemlo09::~frmZemlo09() = default;

void frmZemlo09::Form_Load() {
  setWindowTitle(Tekst(142));
  venster::neemIcoon(this);
  venster::centreer(this);
  cmdTerug->setText(u'&' + Tekst(11));
  cmdDownLoad->setText(Tekst(158));
  cmdFocus->move(width() + 105, 0);

  LeesIni(kSectieAdres, kSleutelAdres, sIniPad);
  if (!sIniWaarde.isEmpty())
    sEigenEmailAdres = sIniWaarde;
  txtEMailAdres->setText(sIniWaarde);

  lblWaarvoor->setText(TekstMetRegels(144));
  const int links = lblInfo->x() + lblInfo->width() + 4;
  txtEMailAdres->move(links, lblInfo->y() - 1);
  txtNaam->move(links, txtEMailAdres->y() + 36);
  optProvider[0]->move(links, lblProvider->y());
  optProvider[1]->move(optProvider[0]->x() + optProvider[0]->width() + 16, optProvider[0]->y());
  cmdOK->move(txtNaam->x() + txtNaam->width() - cmdOK->width(), cmdTerug->y());

  LeesIni(kSectie, kSleutelNaam, sIniPad);
  txtNaam->setText(sIniWaarde);

  lblInfo->setText(Tekst(145));
  lblNaam->setText(Tekst(146));
  lblProvider->setText(Tekst(147));
  optProvider[0]->setText(Tekst(148) + QStringLiteral(" 1"));
  optProvider[1]->setText(Tekst(148) + QStringLiteral(" 2"));
}

void frmZemlo09::Form_Activate() {
  // The stored provider, at every activation: the mail-settings-file window
  // may have changed it.
  LeesIni(kSectie, kSleutelProvider, sIniPad);
  const int index = ProviderIndex(sIniWaarde);
  optProvider[index]->setChecked(true);
  instelling.provider = index;
  ZetFocus(this, txtEMailAdres);
}

void frmZemlo09::txtEMailAdres_Change() {
  const QString vorig = instelling.adres;
  instelling.adres = txtEMailAdres->text();
  if (const auto fout = AdresFout(instelling.adres)) {
    platform::information(this, windowTitle(), TekstMet(149, {{u'#', *fout}}));
    cmdOK->setEnabled(false);
    return;
  }
  // No server takes a letter beyond ASCII before the "@".
  if (LokaalDeelBuitenAscii(instelling.adres)) {
    if (MeldLokaalDeel(vorig, instelling.adres))
      platform::information(this, windowTitle(), Tekst(191));
    cmdOK->setEnabled(false);
    return;
  }
  cmdOK->setEnabled(instelling.magOpslaan());
}

void frmZemlo09::txtNaam_Change() {
  instelling.naam = txtNaam->text();
  if (const auto teken = NaamNietTeBewaren(instelling.naam)) {
    platform::information(this, windowTitle(),
                          TekstMet(193, {{u'#', platform::shownCharacter(*teken)}}));
    cmdOK->setEnabled(false);
    return;
  }
  cmdOK->setEnabled(instelling.magOpslaan());
}

void frmZemlo09::optProvider_Click(int index) { instelling.provider = index; }

void frmZemlo09::cmdOK_Click() {
  if (!instelling.magOpslaan())
    return;
  ZetFocus(this, cmdFocus);
  const bool ok =
      SchrijfIni(kSectieAdres, kSleutelAdres, BewaarAdres(instelling.adres), sIniPad) &&
      SchrijfIni(kSectie, kSleutelNaam, instelling.naam, sIniPad) &&
      SchrijfIni(kSectie, kSleutelProvider, QString::number(instelling.provider), sIniPad);
  if (!ok) {
    // The window stays open with what was typed.
    platform::information(this, windowTitle(), TekstMet(181, QStringLiteral("standaard.ini")));
    return;
  }
  sEigenEmailAdres = instelling.adres;
  sNaamVoorEmail = instelling.naam;
  closeWindow();
}

void frmZemlo09::cmdDownLoad_Click() { openWindow(QStringLiteral("frmZemlo10"), this, 9); }

bool frmZemlo09::eventFilter(QObject *watched, QEvent *event) {
  if (watched == txtEMailAdres && event->type() == QEvent::KeyPress) {
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      // Enter saves, as OK does, and only what the settings allow to save.
      cmdOK_Click();
      return true;
    }
    const QString tekst = key->text();
    if (tekst.size() == 1 && IsGeweigerdInInstelling(tekst[0])) {
      ZetFocus(this, txtEMailAdres);
      return true;
    }
  }
  return ZemloWindow::eventFilter(watched, event);
}
