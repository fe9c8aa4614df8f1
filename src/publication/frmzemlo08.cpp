#include "publication/frmzemlo08.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/printgrid.h"
#include "frame/vensterhulp.h"
#include "platform/busy.h"
#include "platform/files.h"
#include "platform/gridview.h"
#include "platform/messagebox.h"
#include "platform/textfile.h"
#include "platform/units.h"
#include "preparation/avond.h"
#include "publication/uitslagindeling.h"
#include "publication/uitslagpagina.h"
#include "publication/verstuurmail.h"
#include "scoring/avondbestand.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

using namespace BAS_Zemlo;

namespace {

constexpr std::uint32_t kBand = 0xC0FFFF;
constexpr long kPrintVlaggen = 0x100004; // no selection, no print to file
constexpr double kMeetPunten = 14;       // the columns are fitted at this size
constexpr double kGridPunten = 12;
constexpr int kRijHoogte = 360; // twips: room for the grid's font
constexpr int kMarge = publication::kUitslagMarge;

} // namespace

frmZemlo08::frmZemlo08() : ZemloWindow(QStringLiteral("frmZemlo08")) {
  QFont f = font();
  f.setPointSize(9);
  setFont(f);
  setFixedSize(publication::kUitslagMinBreedte, publication::kUitslagMinHoogte);

  msfgResultaat = new platform::GridView(this);
  msfgResultaat->setObjectName(QStringLiteral("msfgResultaat"));
  msfgResultaat->setGeometry(kMarge, kMarge, publication::kUitslagMinBreedte - 2 * kMarge,
                             publication::kUitslagMinHoogte - publication::kUitslagOnder);
  QFont gf = font();
  gf.setPointSizeF(kGridPunten);
  msfgResultaat->setFont(gf);
  resultaat.setFontSize(kGridPunten);
  msfgResultaat->setGrid(&resultaat);

  lblGeenAdressen = venster::maakLabel(this, "lblGeenAdressen", {});
  lblGeenAdressen->setWordWrap(true);
  lblGeenAdressen->hide();

  cmdMaakHTML = venster::maakKnop(this, "cmdMaakHTML", {});
  cmdAfdrukken = venster::maakKnop(this, "cmdAfdrukken", {});
  cmdVerstuur = venster::maakKnop(this, "cmdVerstuur", {});
  cmdInstelling = venster::maakKnop(this, "cmdInstelling", {});
  cmdTerug = venster::maakKnop(this, "cmdTerug", {});
  cmdSetfocus = venster::maakKnop(this, "cmdSetfocus", QRect(0, 0, 10, 10));
  cmdVerstuur->hide();
  cmdInstelling->hide();

  // The progress panel while mails go out, above everything else.
  picVerStuurDeMail = new QFrame(this);
  picVerStuurDeMail->setObjectName(QStringLiteral("picVerStuurDeMail"));
  picVerStuurDeMail->setFrameShape(QFrame::Box);
  venster::zetKleuren(picVerStuurDeMail, 0xFFFFFF);
  picVerStuurDeMail->resize(380, 110);
  lblVerstuurDeMail = new QLabel(picVerStuurDeMail);
  lblVerstuurDeMail->setObjectName(QStringLiteral("lblVerstuurDeMail"));
  lblVerstuurDeMail->setGeometry(15, 10, 350, 90);
  lblVerstuurDeMail->setAlignment(Qt::AlignCenter);
  lblVerstuurDeMail->setWordWrap(true);
  // The progress reads as usual while the window is disabled for the run.
  QPalette voortgang = lblVerstuurDeMail->palette();
  voortgang.setColor(QPalette::Disabled, QPalette::WindowText,
                     voortgang.color(QPalette::Active, QPalette::WindowText));
  lblVerstuurDeMail->setPalette(voortgang);
  picVerStuurDeMail->hide();

  connect(cmdMaakHTML, &QPushButton::clicked, this, [this] { cmdMaakHTML_Click(false); });
  connect(cmdAfdrukken, &QPushButton::clicked, this, [this] { cmdAfdrukken_Click(); });
  connect(cmdVerstuur, &QPushButton::clicked, this, [this] { cmdVerstuur_Click(); });
  connect(cmdInstelling, &QPushButton::clicked, this, [this] { cmdInstelling_Click(); });
  connect(cmdTerug, &QPushButton::clicked, this, [this] { closeWindow(); });
}

frmZemlo08::~frmZemlo08() = default;

void frmZemlo08::Form_Load() {
  m_vanForm = iVanForm;
  setWindowTitle(Tekst(98) + QStringLiteral(" (") + sGroepBestand.split(u'.').first() + u')');
  venster::neemIcoon(this);
  lblVerstuurDeMail->setText(Tekst(154) + u' ');
  cmdTerug->setText(u'&' + Tekst(11));
  cmdAfdrukken->setText(u'&' + Tekst(40));
  cmdVerstuur->setText(Tekst(151));
  cmdInstelling->setText(Tekst(150));
  cmdMaakHTML->setText(Tekst(128));
  cmdMaakHTML->setEnabled(true);

  toonUitslag();
  leesMailBestand();

  GridKolomBreedte(msfgResultaat, kMeetPunten);
  for (int r = 0; r < resultaat.rows(); ++r)
    resultaat.setRowHeight(r, kRijHoogte);
  for (int r = 2; r < resultaat.rows(); r += 2) {
    resultaat.setRow(r);
    for (int c = 0; c < resultaat.cols(); ++c) {
      resultaat.setCol(c);
      resultaat.setCellBackColor(kBand);
    }
  }
  resultaat.setRow(0);
  resultaat.setCol(0);
  zetIndeling();
  venster::centreer(this);
}

// The window grows with its grid (MaakUitslagIndeling); the buttons stand
// centred under it.
void frmZemlo08::zetIndeling() {
  const int rand = 2 * msfgResultaat->frameWidth();
  int breedte = rand;
  for (int c = 0; c < resultaat.cols(); ++c)
    breedte += platform::twipsToPixels(resultaat.colWidth(c));
  int hoogte = rand;
  for (int r = 0; r < resultaat.rows(); ++r)
    hoogte += platform::twipsToPixels(resultaat.rowHeight(r));

  const QScreen *scherm = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect beschikbaar = scherm ? scherm->availableGeometry() : QRect(0, 0, 1280, 1024);
  const publication::UitslagIndeling indeling = publication::MaakUitslagIndeling(
      QSize(breedte, hoogte), beschikbaar.size(), style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  const int vensterBreedte = indeling.venster.width();
  const int vensterHoogte = indeling.venster.height();
  setFixedSize(indeling.venster);
  msfgResultaat->setGeometry(indeling.grid);
  lblGeenAdressen->setGeometry(kMarge, vensterHoogte - 100, vensterBreedte - 2 * kMarge, 40);
  const int knopBreedte = 126;
  const int knoppen = 5 * knopBreedte + 4 * 10;
  int x = (vensterBreedte - knoppen) / 2;
  for (QPushButton *knop : {cmdMaakHTML, cmdAfdrukken, cmdVerstuur, cmdInstelling, cmdTerug}) {
    knop->setGeometry(x, vensterHoogte - 50, knopBreedte, 32);
    x += knopBreedte + 10;
  }
  picVerStuurDeMail->move((vensterBreedte - picVerStuurDeMail->width()) / 2,
                          (vensterHoogte - picVerStuurDeMail->height()) / 2);
  cmdSetfocus->move(vensterBreedte + 100, 0);
}

void frmZemlo08::neemUitslag(const scoring::Uitslag &uitslag, const QStringList &lstVoorMail) {
  m_uitslag = uitslag;
  m_voorMail = lstVoorMail;
}

// The players to mail, in the entry window's order, and the ranking: the
// place, the pair, the total and the percentage.
void frmZemlo08::toonUitslag() {
  lstWieMailen.clear();
  for (const QString &speler : m_voorMail) {
    if (speler.trimmed().isEmpty())
      continue;
    lstWieMailen.append(m_vanForm == 7 ? speler : speler.trimmed());
  }
  scoring::VulRanglijst(resultaat, m_uitslag, scoring::ResultaatKop());
}

// The group's .mail file gives the addresses. A group without one has no
// known address: the window says so and offers no mailing.
void frmZemlo08::leesMailBestand() {
  lstMailingList.clear();
  const QString naam = publication::MailBestandNaam(sGroepBestand);
  const preparation::AvondBestand mail =
      preparation::PadenVan({}, sGroepBestand.left(sGroepBestand.lastIndexOf(u'.'))).groepMail;
  bMailBestand = false;
  if (!sGroepBestand.isEmpty() && BestandBestaat(mail.pad) == 1) {
    if (const auto regels = platform::readTextLines(mail.pad)) {
      lstMailingList = publication::LeesMailingLijst(*regels);
      bMailBestand = true;
    }
  }
  // A file that is there but cannot be read is not called missing.
  const bool onleesbaar = !sGroepBestand.isEmpty() && platform::isUnreadable(mail.pad);
  lblGeenAdressen->setText(onleesbaar ? TekstMetRegels(210, {{u'~', mail.naam}})
                                      : TekstMetRegels(184, {{u'~', naam}}));
  lblGeenAdressen->setVisible(!bMailBestand);
}

void frmZemlo08::Form_Activate() {
  LeesIni(QStringLiteral("standaard"), QStringLiteral("eigen e-mail adres"), sIniPad);
  sEigenEmailAdres = sIniWaarde.trimmed();
  LeesIni(QStringLiteral("Standaard"), QStringLiteral("Naam voor e-mail"), sIniPad);
  sNaamVoorEmail = sIniWaarde.trimmed();
  const auto knop =
      publication::VerstuurKnopStaat(bMailBestand, sEigenEmailAdres, sNaamVoorEmail, bMailTxtFout);
  cmdInstelling->setVisible(true);
  cmdVerstuur->setVisible(knop.zichtbaar);
  cmdVerstuur->setEnabled(knop.ingeschakeld);
  parkeer();
}

bool frmZemlo08::cmdMaakHTML_Click(bool bStil) {
  if (!bStil && platform::question(this, windowTitle(), Tekst(139))) {
    QString map = Pad(QStringLiteral("HTML"));
    MaakPad(map);
    const QDir dir(map);
    const QStringList paginas =
        dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList paden;
    for (qsizetype i = paginas.size() - 1; i >= 0; --i)
      paden.append(dir.filePath(paginas[i]));
    // A page that stays is named; the new page is made all the same.
    if (const QString fout = WisBestanden(paden); !fout.isEmpty())
      platform::information(this, windowTitle(), fout);
  }
  bool geschreven = false;
  {
    venster::Zandloper wacht;
    parkeer();
    sHTMLMap = Pad(QStringLiteral("HTML"));
    QString map = sHTMLMap;
    MaakPad(map);
    // A page of that name in another letter case is the one written over,
    // and from here on the one named and attached.
    const QString pad = ZoekBestand(sHTMLMap, publication::HTMLBestandNaam(sGroepBestand));
    sHTMLBestand = QFileInfo(pad).fileName();
    geschreven = platform::writeBytes(pad, publication::UitslagPagina(resultaat, windowTitle()));
    const auto ontvangers = publication::KoppelSpelers(lstWieMailen, lstMailingList);
    if (QClipboard *klembord = QApplication::clipboard())
      klembord->setText(publication::AdresKopie(ontvangers));
  }
  if (!geschreven) {
    platform::information(this, windowTitle(),
                          TekstMet(181, QStringLiteral("HTML/") + sHTMLBestand));
    parkeer();
    return false;
  }
  if (!bStil)
    platform::information(this, windowTitle(),
                          TekstMet(129, Tekst(83).toLower()) + QStringLiteral("\n\n") + sHTMLMap +
                              u'/' + sHTMLBestand);
  parkeer();
  return true;
}

void frmZemlo08::cmdAfdrukken_Click() {
  if (!KiesPrinter(this, kPrintVlaggen)) {
    setEnabled(true);
    cmdAfdrukken->setEnabled(true);
    parkeer();
    return;
  }
  parkeer();
  int marge = 0;
  PrintGrid(resultaat, windowTitle(), 0, marge);
}

void frmZemlo08::cmdVerstuur_Click() {
  const QString titel = publication::UitslagTitel(windowTitle());
  // An own address that cannot be sent is named before any player is tried.
  if (!ToetsEigenAdres(sEigenEmailAdres, this)) {
    parkeer();
    return;
  }
  if (!cmdMaakHTML_Click(true))
    return; // no mail goes out without its page
  // The page's path is one attachment, whatever its folder's name holds.
  const QStringList bijlagen{sHTMLMap + u'/' + sHTMLBestand};

  lblVerstuurDeMail->clear();
  picVerStuurDeMail->show();
  picVerStuurDeMail->raise();
  picVerStuurDeMail->repaint();
  lMailFout = 0;

  const auto ontvangers = publication::KoppelSpelers(lstWieMailen, lstMailingList);
  publication::MailingUitkomst uitkomst;
  {
    // The window keeps painting while each mail goes out (the sender waits
    // beside the event loop), under the hourglass, and none of its controls
    // acts until the run is over.
    const platform::Busy bezig;
    uitkomst = publication::VerstuurMailing(ontvangers, [&](const publication::Ontvanger &o) {
      lblVerstuurDeMail->setText(Tekst(154) + QStringLiteral(" \n") + o.namen);
      lblVerstuurDeMail->repaint();
      const QString tekst = publication::UitslagMailTekst(Tekst(155), QStringLiteral(ZEMLO_VERSION),
                                                          titel, sNaamVoorEmail, o.namen);
      VerstuurMail(sEigenEmailAdres, titel, o.adres, bijlagen, tekst, this);
      return lMailFout == 0;
    });
  }
  picVerStuurDeMail->hide();
  platform::information(this, titel,
                        publication::MailingMelding(uitkomst.mislukt, uitkomst.verstuurd,
                                                    static_cast<int>(ontvangers.size()),
                                                    uitkomst.nietVerstuurd));
  parkeer();
}

void frmZemlo08::cmdInstelling_Click() { openWindow(QStringLiteral("frmZemlo09"), this); }

void frmZemlo08::Form_QueryUnload() {
  // The entry window that opened this one learns from iVanForm that the
  // result window hands back, whatever the settings windows set meanwhile.
  if (m_vanForm == 6 || m_vanForm == 7)
    iVanForm = m_vanForm;
  returnToOpener();
  unload();
}

void frmZemlo08::parkeer() { ZetFocus(this, cmdSetfocus); }
