#include "rounds/frmzemlo07.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/vensterhulp.h"
#include "platform/gridview.h"
#include "platform/messagebox.h"
#include "rounds/overzicht.h"
#include "scoring/avondbestand.h"
#include "scoring/avondmodel.h"
#include "scoring/scoretabellen.h"
#include "scoring/uitslagvenster.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>

#include <algorithm>

using namespace BAS_Zemlo;

namespace {

constexpr std::uint32_t kWit = 0xFFFFFF;
constexpr std::uint32_t kZwart = 0x000000;
constexpr std::uint32_t kRood = 0x0000FF;
constexpr std::uint32_t kBleekGeel = 0xC0FFFF;
constexpr std::uint32_t kBleekBlauw = 0xFFC0C0;

// The window's width, fixed across.
constexpr int kBreedte = rounds::kRondeVensterBreedte;

// The characters a score box takes.
const QString kScoreTekens = QStringLiteral("0123456789-nN%");

void kleur(QWidget *w, std::uint32_t achter, std::uint32_t voor = kZwart) {
  venster::zetKleuren(w, achter, voor);
}

} // namespace

frmZemlo07::frmZemlo07() : InvoerVenster(QStringLiteral("frmZemlo07")) {
  QFont f = font();
  f.setPointSize(9);
  setFont(f);

  lblScoreNZKop = venster::maakLabel(this, "lblScoreNZKop", {});
  lblScoreOWKop = venster::maakLabel(this, "lblScoreOWKop", {});
  for (QLabel *l : {lblScoreNZKop, lblScoreOWKop})
    l->setAlignment(Qt::AlignCenter);
  lblKwetsbaar = venster::maakLabel(this, "lblKwetsbaar", {});
  lblKwetsbaar->setAlignment(Qt::AlignCenter);
  lblKwetsbaar->hide();
  lblRonde = venster::maakLabel(this, "lblRonde", {});
  QFont vet = lblRonde->font();
  vet.setBold(true);
  lblRonde->setFont(vet);
  for (int i = 0; i < 2; ++i)
    lblPaar[i] = venster::maakLabel(this, i == 0 ? "lblPaar0" : "lblPaar1", {});
  const char *const infoNamen[] = {"lblInfo0", "lblInfo1", "lblInfo2", "lblInfo3"};
  for (int i = 0; i < 4; ++i)
    lblInfo[i] = venster::maakLabel(this, infoNamen[i], {});
  lblLetterKlaar = venster::maakLabel(this, "lblLetterKlaar", {});
  lblLetterKlaar->hide();
  cmdSpelKlaar = venster::maakKnop(this, "cmdSpelKlaar", {});
  cmdWisSpel = venster::maakKnop(this, "cmdWisSpel", {});

  fraBack = new QGroupBox(this);
  fraBack->setObjectName(QStringLiteral("fraBack"));
  msfgScore = new platform::GridView(fraBack);
  msfgScore->setObjectName(QStringLiteral("msfgScore"));
  msfgResultaat = new platform::GridView(this);
  msfgResultaat->setObjectName(QStringLiteral("msfgResultaat"));
  msfgResultaat->hide();

  cmdDitMoetNog = venster::maakKnop(this, "cmdDitMoetNog", {});
  lblKlaar = venster::maakLabel(this, "lblKlaar", {});
  lblKlaar->setFont(vet);
  lblKlaar->hide();
  cmdVulSpellen = venster::maakKnop(this, "cmdVulSpellen", {});
  cmdVulSpellen->setText(QStringLiteral("VUL IN"));
  kleur(cmdVulSpellen, 0x0080C0FF);
  cmdVulSpellen->hide();
  cmdUitslag = venster::maakKnop(this, "cmdUitslag", {});
  cmdTerug = venster::maakKnop(this, "cmdTerug", {});
  cmdSetfocus->move(kBreedte + 100, 0);
  lstNietGevuld = new QListWidget(this);
  lstNietGevuld->setObjectName(QStringLiteral("lstNietGevuld"));
  lstNietGevuld->setFocusPolicy(Qt::NoFocus);
  lstNietGevuld->hide();

  kenKnoppen(cmdSpelKlaar, cmdVulSpellen, cmdTerug);
  connect(cmdWisSpel, &QPushButton::clicked, this, [this] { cmdWisSpel_Click(); });
  connect(cmdUitslag, &QPushButton::clicked, this, [this] { cmdUitslag_Click(); });
}

frmZemlo07::~frmZemlo07() = default;

void frmZemlo07::Form_Load() {
  venster::neemIcoon(this);
  setWindowTitle(Tekst(72) + QStringLiteral(" (") + sGroepBestand.section(u' ', 0, 0) + u')');
  lblScoreNZKop->setText(u' ' + Tekst(76) + u' ');
  lblScoreOWKop->setText(u' ' + Tekst(77) + u' ');
  const int infoTeksten[] = {93, 94, 95, 97};
  for (int i = 0; i < 4; ++i)
    lblInfo[i]->setText(Tekst(infoTeksten[i]));
  lblLetterKlaar->setText(Tekst(106));
  lblKlaar->setText(Tekst(107));
  cmdSpelKlaar->setText(u'&' + Tekst(83));
  cmdWisSpel->setText(u'&' + Tekst(104));
  cmdUitslag->setText(Tekst(70));
  cmdDitMoetNog->setText(u'&' + Tekst(112));
  cmdTerug->setText(u'&' + Tekst(11));

  const preparation::AvondOpening open = preparation::OpenAvond(sInvoerBestand, 1);
  if (!open.avond) {
    // The window closes at its activation; the files stay as they are.
    m_kapot = true;
    bFormSluiten = true;
    setFixedSize(kBreedte, 200);
    venster::centreer(this);
    melding(open.iFoutTekst, open.sFoutNaam);
    return;
  }
  m_avond = rounds::MaakRondeAvond(*open.avond);
  fraBack->setTitle(preparation::KaderTekst(m_avond->kop));

  maakVenster();
  venster::centreer(this);
  ControleerAllesIngevoerd();
}

void frmZemlo07::maakVenster() {
  const rounds::RondeMaten maten = indelingMaten();
  for (int r = 1; r <= maten.ronden; ++r) {
    QPushButton *knop = venster::maakKnop(this, "cmdRonde", {});
    knop->setObjectName(QStringLiteral("cmdRonde%1").arg(r));
    knop->setText(Tekst(103) + u' ' + QString::number(r));
    kleur(knop, kWit);
    connect(knop, &QPushButton::clicked, this, [this, r] {
      if (magWeg())
        cmdRonde_Click(r);
    });
    cmdRonde.append(knop);
  }
  for (int t = 0; t < maten.tafels; ++t) {
    auto *knop = new QRadioButton(this);
    knop->setObjectName(QStringLiteral("optRonde%1").arg(t));
    connect(knop, &QRadioButton::toggled, this, [this, t](bool aan) {
      if (!aan)
        return;
      if (magWeg()) {
        optRonde_Click(t);
      } else if (m_slip >= 0 && m_slip < optRonde.size()) {
        // The open slip stays open, and its table stays chosen.
        const QSignalBlocker stil(optRonde[m_slip]);
        optRonde[m_slip]->setChecked(true);
      }
    });
    optRonde.append(knop);
  }
  scoring::ScoreRijOpmaak opmaak;
  opmaak.tekensNZ = opmaak.tekensOW = kScoreTekens;
  opmaak.maxLengte = 12;
  opmaak.huidig = kBleekBlauw;
  opmaak.tekst = kZwart;
  for (int i = 0; i < maten.spellen; ++i) {
    QLabel *label = venster::maakLabel(this, "lblSPel", {});
    label->setObjectName(QStringLiteral("lblSPel%1").arg(i));
    label->setText(Tekst(82) + QStringLiteral(": "));
    lblSPel.append(label);
    scoring::ScoreRij *rij = rijen->voegToe(this, opmaak);
    rij->kleurMee(label);
    rij->voorToets = [this, i](bool ow, QKeyEvent *event) {
      return !ow && txtScoreNZ_KeyPress(i, event);
    };
    connect(rij, &scoring::ScoreRij::enter, this, [this, i](bool ow) { txtScore_Enter(i, ow); });
    connect(rij, &scoring::ScoreRij::pijl, this,
            [this, i](bool ow, bool omlaag) { rijen->naarBuur(i, ow, omlaag); });
    connect(rij, &scoring::ScoreRij::wisRij, this, [this, i] { txtScoreNZ_WisRij(i); });
    connect(rij, &scoring::ScoreRij::veranderd, this, [this, i] { txtScore_Change(i); });
    connect(rij, &scoring::ScoreRij::binnen, this,
            [this, i](bool ow) { ow ? txtScoreOW_GotFocus(i) : txtScoreNZ_GotFocus(i); });
    connect(rij, &scoring::ScoreRij::verlaten, this,
            [this, i](bool ow) { txtScore_LostFocus(i, ow); });
    rij->toon({});
  }

  m_indeling = rounds::MaakRondeIndeling(maten);
  zetIndeling();
}

// What the layout is made of: the evening's numbers and the screen.
rounds::RondeMaten frmZemlo07::indelingMaten() const {
  const rounds::RondeSchema &schema = m_avond->opslag.Schema();
  rounds::RondeMaten maten;
  maten.ronden = schema.AantalRonden();
  maten.spellen = schema.SpellenPerRonde();
  for (int r = 1; r <= maten.ronden; ++r)
    maten.tafels = std::max(maten.tafels, static_cast<int>(schema.Slips(r).size()));
  maten.overzichtRijen = static_cast<int>(rounds::DeelIn(schema).rijen.size());
  if (const QScreen *scherm = screen() ? screen() : QGuiApplication::primaryScreen())
    maten.scherm = scherm->availableGeometry().size();
  return maten;
}

// Every control where the layout puts it, the window as large as it says.
void frmZemlo07::zetIndeling() {
  const rounds::RondeIndeling &indeling = m_indeling;
  for (int r = 0; r < cmdRonde.size(); ++r)
    cmdRonde[r]->setGeometry(indeling.ronden.at(r));
  for (int t = 0; t < optRonde.size(); ++t)
    optRonde[t]->setGeometry(indeling.tafels.at(t));
  for (int i = 0; i < lblSPel.size(); ++i) {
    lblSPel[i]->setGeometry(indeling.rijen.at(i).spel);
    rijen->rij(i)->txtScoreNZ->setGeometry(indeling.rijen.at(i).nz);
    rijen->rij(i)->txtScoreOW->setGeometry(indeling.rijen.at(i).ow);
  }
  lblScoreNZKop->setGeometry(indeling.scoreNZKop);
  lblScoreOWKop->setGeometry(indeling.scoreOWKop);
  lblKwetsbaar->setGeometry(indeling.kwetsbaar);
  lblRonde->setGeometry(indeling.ronde);
  for (int i = 0; i < 2; ++i)
    lblPaar[i]->setGeometry(indeling.paar[i]);
  for (int i = 0; i < 4; ++i)
    lblInfo[i]->setGeometry(indeling.info[i]);
  lblLetterKlaar->setGeometry(indeling.letterKlaar);
  cmdSpelKlaar->setGeometry(indeling.klaar);
  cmdWisSpel->setGeometry(indeling.wisSlip);
  fraBack->setGeometry(indeling.kader);
  msfgScore->setGeometry(indeling.overzicht);
  cmdDitMoetNog->setGeometry(indeling.ditMoetNog);
  lblKlaar->setGeometry(indeling.allesKlaar);
  cmdVulSpellen->setGeometry(indeling.vulIn);
  cmdUitslag->setGeometry(indeling.uitslag);
  cmdTerug->setGeometry(indeling.terug);
  msfgResultaat->setGeometry(indeling.resultaat);
  setFixedSize(indeling.venster);
}

// --- Activation and closing ---------------------------------------------------

void frmZemlo07::Form_Activate() {
  if (m_kapot) {
    if (!isClosing())
      closeWindow();
    return;
  }
  if (m_opgezet) {
    // Back from the result window.
    if (iVanForm == 7)
      iVanForm = 0;
    zetKnoppen();
    return;
  }
  m_opgezet = true;
  // Once an opening: what the results file holds that no slip could take.
  // It stays in the file as it is.
  if (const QVector<int> ongelezen = m_avond->opslag.OngelezenRegels(); !ongelezen.isEmpty())
    melding(205, scoring::RegelNummers(ongelezen, static_cast<int>(m_avond->kop.regels.size())));
  verversOverzicht();
  cmdRonde_Click(1);
  ControleerAllesIngevoerd();
}

// The open slip holds scores that Klaar has not taken.
bool frmZemlo07::heeftOngenomen() const { return m_avond && m_open.IsGewijzigd(m_avond->opslag); }

bool frmZemlo07::neemOver() {
  if (!neemSlipOver())
    return false;
  ControleerAllesIngevoerd();
  return true;
}

// An evening that could not be opened leaves its files as they are.
bool frmZemlo07::bewaar() {
  if (!m_avond || m_avond->Bewaar())
    return true;
  melding(181, m_avond->paden.invoer.naam);
  return false;
}

// --- Events of the controls ---------------------------------------------------

bool frmZemlo07::eventFilter(QObject *watched, QEvent *event) {
  auto *widget = qobject_cast<QWidget *>(watched);
  if (!m_avond || !widget || widget->window() != this || isClosing())
    return InvoerVenster::eventFilter(watched, event);
  switch (event->type()) {
  case QEvent::MouseButtonPress: {
    const int t = static_cast<int>(optRonde.indexOf(qobject_cast<QRadioButton *>(widget)));
    if (t >= 0 && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
      // The press acts: a box it took the focus from is left first.
      if (isEnabled() && rondVerlatenAf())
        optRonde_RechterKlik(t);
      return true;
    }
    if (widget == cmdDitMoetNog && cmdDitMoetNog->isVisible() && cmdDitMoetNog->isEnabled()) {
      lstNietGevuld->raise();
      lstNietGevuld->show();
    }
    break;
  }
  case QEvent::MouseButtonRelease:
    if (widget == cmdDitMoetNog && lstNietGevuld->isVisible()) {
      lstNietGevuld->hide();
      parkeer();
    }
    break;
  default:
    break;
  }
  return InvoerVenster::eventFilter(watched, event);
}

// --- Rounds and slips -----------------------------------------------------------

QString frmZemlo07::slipKnopTekst(const rounds::TafelPlek &plek) const {
  const rounds::RondeTafel &tafel = m_avond->opslag.Schema().Tafel(plek);
  return m_avond->opslag.ParenTekst(plek) +
         QStringLiteral(" (%1-%2)").arg(tafel.eersteSpel).arg(tafel.laatsteSpel);
}

QString frmZemlo07::paarLabel(int paar) const { return m_avond->paren.labels.value(paar - 1); }

void frmZemlo07::cmdRonde_Click(int ronde) {
  const rounds::RondeSchema &schema = m_avond->opslag.Schema();
  if (ronde < 1 || ronde > schema.AantalRonden())
    return;
  bBezig = true;
  lblLetterKlaar->hide();
  m_ronde = ronde;
  m_slip = -1;
  m_open = rounds::OpenSlip();
  m_slipTafels = schema.Slips(ronde);
  for (int r = 0; r < cmdRonde.size(); ++r)
    kleur(cmdRonde[r], r + 1 == ronde ? kBleekGeel : kWit);
  parkeer();
  for (int t = 0; t < optRonde.size(); ++t) {
    const bool zichtbaar = t < m_slipTafels.size();
    optRonde[t]->setVisible(zichtbaar);
    if (zichtbaar)
      optRonde[t]->setText(slipKnopTekst({ronde, m_slipTafels.at(t)}));
  }
  for (scoring::ScoreRij *rij : *rijen)
    rij->toon({QString(), QString(), false});
  markeerKlareSlips();
  bBezig = false;
  if (m_slipTafels.isEmpty()) {
    // A round without slips: nothing to type.
    lblPaar[0]->clear();
    lblPaar[1]->clear();
    zetKnoppen();
    return;
  }
  optRonde_Click(0);
}

void frmZemlo07::optRonde_Click(int index) {
  if (index < 0 || index >= m_slipTafels.size())
    return;
  bBezig = true;
  m_slip = index;
  {
    const QSignalBlocker stil(optRonde[index]);
    optRonde[index]->setChecked(true);
  }
  lblLetterKlaar->hide();
  m_open = rounds::OpenSlip(m_avond->opslag, {m_ronde, m_slipTafels.at(index)});
  toonRijen();
  lblPaar[0]->setText(paarLabel(m_avond->opslag.NZ(m_open.Plek())));
  lblPaar[1]->setText(paarLabel(m_avond->opslag.OW(m_open.Plek())));
  markeerKlareSlips();
  bBezig = false;
  // Opening a slip always starts at its first row.
  if (rijen->aantal() > 0)
    rijen->rij(0)->focusOp(false);
  zetKnoppen();
}

void frmZemlo07::optRonde_RechterKlik(int index) {
  if (index < 0 || index >= m_slipTafels.size())
    return;
  const rounds::TafelPlek plek{m_ronde, m_slipTafels.at(index)};
  rounds::SlipOpslag &opslag = m_avond->opslag;
  // Scores typed into the open slip count as entered: they belong to the
  // pairs as they sit now.
  if (opslag.HeeftScores(plek) || (plek == m_open.Plek() && m_open.IetsIngevuld())) {
    melding(Tekst(110));
    return;
  }
  const QString voor = opslag.ParenTekst(plek);
  opslag.Wissel(plek);
  const QString na = opslag.ParenTekst(plek);
  optRonde[index]->setText(slipKnopTekst(plek));
  if (index == m_slip) {
    lblPaar[0]->setText(paarLabel(opslag.NZ(plek)));
    lblPaar[1]->setText(paarLabel(opslag.OW(plek)));
  }
  bewaar();
  verversOverzicht();
  melding(TekstMet(111, {{u'~', voor}, {u'#', na}}));
  if (rijen->aantal() > 0)
    rijen->rij(0)->focusOp(false);
}

void frmZemlo07::markeerKlareSlips() {
  for (int t = 0; t < optRonde.size(); ++t) {
    QFont f = optRonde[t]->font();
    f.setStrikeOut(t < m_slipTafels.size() &&
                   m_avond->opslag.IsCompleet({m_ronde, m_slipTafels.at(t)}));
    optRonde[t]->setFont(f);
  }
}

// --- The rows of the open slip --------------------------------------------------

// Row i as the open slip holds it: its board, its scores; a row beyond the
// slip is empty and takes no part.
void frmZemlo07::toonRij(int i) {
  const bool speelt = i < m_open.AantalRijen();
  lblSPel[i]->setText(
      Tekst(82) + QStringLiteral(": ") +
      (speelt ? QString::number(m_open.Spel(i)) + QStringLiteral("  ") : QString()));
  rijen->rij(i)->toon(speelt ? m_open.Rijen().at(i)
                             : scoring::RijInvoer{QString(), QString(), false});
}

void frmZemlo07::toonRijen() {
  for (int i = 0; i < rijen->aantal(); ++i)
    toonRij(i);
}

void frmZemlo07::txtScoreNZ_GotFocus(int i) {
  if (bBezig || !m_open.IsOpen())
    return;
  rijen->rij(i)->toonHuidig(true);
  for (int r = 0; r < lblSPel.size(); ++r) {
    QFont f = lblSPel[r]->font();
    f.setBold(r == i);
    lblSPel[r]->setFont(f);
  }
  intSpelNummer = m_open.Spel(i);
  lblRonde->setText(Tekst(103) + u' ' + QString::number(m_ronde) + QStringLiteral(" - ") +
                    Tekst(82) + QStringLiteral(": ") + QString::number(intSpelNummer) +
                    QStringLiteral("  "));
  intKwetsbaar = scoring::Kwetsbaarheid(intSpelNummer);
  lblKwetsbaar->setText(u' ' + Tekst(86 + intKwetsbaar) + u' ');
  lblKwetsbaar->move(lblKwetsbaar->x(), lblSPel[i]->y());
  if (intKwetsbaar == 0)
    kleur(lblKwetsbaar, kWit, kZwart);
  else
    kleur(lblKwetsbaar, kRood, kWit);
  lblKwetsbaar->show();
}

void frmZemlo07::txtScoreOW_GotFocus(int i) { rijen->rij(i)->toonHuidig(true); }

// Keys in a North-South box before the row's own handling: every key hides
// the Klaar hint, and the letter of Klaar presses it.
bool frmZemlo07::txtScoreNZ_KeyPress(int i, QKeyEvent *event) {
  Q_UNUSED(i);
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
    return false;
  lblLetterKlaar->hide();
  if (!scoring::IsKlaarLetter(event->text(), event->modifiers()))
    return false;
  if (m_open.MagKlaar())
    cmdSpelKlaar_Click();
  return true;
}

// The letter C empties the row.
void frmZemlo07::txtScoreNZ_WisRij(int i) {
  m_open.ZetRij(i, QString(), QString());
  toonRij(i);
  zetKnoppen();
  ZetFocus(this, rijen->rij(i)->txtScoreNZ);
}

void frmZemlo07::txtScore_Change(int i) {
  if (rijen->rij(i)->speelt()) {
    const scoring::RijInvoer &rij = rijen->rij(i)->invoer();
    m_open.ZetRij(i, rij.scoreNZ, rij.scoreOW);
  }
  zetKnoppen();
}

// ENTER in a box of row i: the step's outcome shown, then the focus where
// it goes; after the last row, or with every row filled, to Klaar.
void frmZemlo07::txtScore_Enter(int i, bool ow) {
  if (!m_open.IsOpen() || i >= m_open.AantalRijen())
    return;
  const scoring::StapUitkomst stap = ow ? m_open.EnterOW(i) : m_open.EnterNZ(i);
  toonRij(i);
  zetKnoppen();
  if (stap.iTekst != 0)
    melding(stap.iTekst, stap.sPlaatsvervanger);
  volgFocus(i, ow, stap.focus);
}

// After the last row, or with every row filled, Klaar takes the focus.
void frmZemlo07::naarVolgendeRij(int i, bool ow) {
  if (ow && i + 1 < m_open.AantalRijen()) {
    rijen->rij(i + 1)->focusOp(false);
  } else if (m_open.AlleRijenGevuld()) {
    toonKlaarHint();
    ZetFocus(this, cmdSpelKlaar);
  } else if (!ow) {
    rijen->naarBuur(i, false, true);
  }
}

// A box left: a score typed without ENTER, or changed after its mirror was
// made, gets the ENTER step once the focus has arrived and no mouse button
// is down, or before a control clicked acts.
void frmZemlo07::txtScore_LostFocus(int i, bool ow) {
  rijen->rij(i)->toonHuidig(false);
  if (bBezig || !m_open.IsOpen() || i >= m_open.AantalRijen())
    return;
  wachtMetVerlaten(2 * i + (ow ? 1 : 0), [this, i, ow, plek = m_open.Plek()](bool) {
    verlaatRij(i, ow, plek);
    return true;
  });
}

void frmZemlo07::verlaatRij(int i, bool ow, const rounds::TafelPlek &plek) {
  if (bBezig || isClosing() || !m_open.IsOpen() || !(m_open.Plek() == plek) ||
      i >= m_open.AantalRijen())
    return;
  if (const auto stap = m_open.Verlaat(i)) {
    toonRij(i);
    if (stap->iTekst != 0)
      melding(stap->iTekst, stap->sPlaatsvervanger);
  }
  // Leaving a North-South box offers Klaar when every row is filled.
  if (!ow)
    toonKlaarHint();
  zetKnoppen();
}

// --- Klaar, Wis slip and what follows them ---------------------------------------

void frmZemlo07::cmdSpelKlaar_Click() {
  if (!m_open.IsOpen() || !rondVerlatenAf() || !neemSlipOver())
    return;
  const rounds::TafelPlek plek = m_open.Plek();
  if (m_avond->opslag.IsCompleet(plek)) {
    if (m_slip + 1 < m_slipTafels.size())
      optRonde_Click(m_slip + 1);
    else if (m_ronde + 1 <= m_avond->opslag.Schema().AantalRonden())
      cmdRonde_Click(m_ronde + 1);
    else
      optRonde_Click(m_slip);
  } else {
    // The slip stays open and shows what it holds.
    optRonde_Click(m_slip);
  }
  ControleerAllesIngevoerd();
}

// Klaar's step: every row that still needs it gets the ENTER step again and
// the slip is stored. False when a score does not exist: nothing is stored
// and the slip stays open with the focus in that row.
bool frmZemlo07::neemSlipOver() {
  lblLetterKlaar->hide();
  const rounds::TafelPlek plek = m_open.Plek();
  const rounds::Herziening herzien = m_open.Herzie();
  toonRijen();
  for (const rounds::Melding &m : herzien.meldingen)
    melding(m.iTekst, m.sPlaatsvervanger);
  if (herzien.iFoutRij >= 0) {
    rijen->rij(herzien.iFoutRij)->focusOp(false);
    zetKnoppen();
    return false;
  }
  m_avond->opslag.ZetSlip(plek, m_open.TeBewaren());
  bewaar();
  verversOverzicht();
  return true;
}

void frmZemlo07::cmdWisSpel_Click() {
  if (!m_open.IsOpen())
    return;
  // The slip is emptied: the step of a box left has nothing to test.
  vergeetVerlaten();
  lblLetterKlaar->hide();
  m_avond->opslag.WisSlip(m_open.Plek());
  bewaar();
  verversOverzicht();
  optRonde_Click(m_slip);
  if (rijen->aantal() > 0)
    rijen->rij(0)->focusOp(false);
  ControleerAllesIngevoerd();
}

void frmZemlo07::verversOverzicht() {
  const rounds::OverzichtTeksten teksten{Tekst(103), Tekst(82),
                                         sStilzitTekst.isEmpty() ? Tekst(101) : sStilzitTekst};
  rounds::VulOverzicht(*msfgScore->grid(), m_avond->opslag, teksten);
  GridKolomBreedte(msfgScore);
  // A result shown here no longer holds once a slip changes.
  if (m_resultaatGetoond) {
    m_resultaatGetoond = false;
    msfgResultaat->hide();
    setFixedSize(m_indeling.venster);
  }
  m_nietGevuld = rounds::NietGevuld(m_avond->opslag, teksten);
  lstNietGevuld->clear();
  lstNietGevuld->addItems(m_nietGevuld);
  lstNietGevuld->setGeometry(
      rounds::NietGevuldPlaats(m_indeling, static_cast<int>(m_nietGevuld.size())));
  markeerKlareSlips();
  zetKnoppen();
}

void frmZemlo07::ControleerAllesIngevoerd() {
  zetKnoppen();
  if (!m_avond || !m_avond->opslag.AllesIngevoerd())
    return;
  for (QPushButton *knop : cmdRonde)
    kleur(knop, kWit);
  ZetFocus(this, cmdUitslag);
}

void frmZemlo07::toonKlaarHint() {
  // Every row filled with something Klaar has not yet taken.
  if (m_open.AlleRijenGevuld() && m_open.IsGewijzigd(m_avond->opslag))
    lblLetterKlaar->show();
}

void frmZemlo07::zetKnoppen() {
  if (!m_avond || bBezig)
    return;
  const bool alles = m_avond->opslag.AllesIngevoerd();
  cmdSpelKlaar->setEnabled(m_open.MagKlaar());
  cmdWisSpel->setEnabled(m_open.IsOpen());
  if (!m_open.MagKlaar())
    lblLetterKlaar->hide();
  cmdUitslag->setEnabled(alles && !m_open.IsGewijzigd(m_avond->opslag));
  lblKlaar->setVisible(alles);
  cmdDitMoetNog->setVisible(!m_nietGevuld.isEmpty());
}

// --- The result -------------------------------------------------------------------

void frmZemlo07::cmdUitslag_Click() {
  if (!magWeg() || !m_avond->opslag.AllesIngevoerd())
    return;
  // The result window may fail; what was entered is on disk first.
  bewaar();
  const scoring::Uitslag uitslag = m_avond->Uitslag();
  scoring::VulResultaatGrid(*msfgResultaat->grid(), uitslag, scoring::ResultaatKop());
  GridKolomBreedte(msfgResultaat, 0, NaMeten::Verborgen);
  parkeer();
  if (scoring::HeeftUitslagVenster()) {
    cmdUitslag->setEnabled(false);
    scoring::OpenUitslagVenster(this, 7, uitslag, m_avond->paren.voorMail);
    return;
  }
  // Without the result window the ranked grid is shown here.
  if (!m_resultaatGetoond) {
    m_resultaatGetoond = true;
    setFixedSize(m_indeling.metUitslag);
    msfgResultaat->show();
  }
}

void frmZemlo07::cmdVulSpellen_Click() {
  if (!m_avond || !magWeg())
    return;
  cmdVulSpellen->hide();
  auto *kans = QRandomGenerator::global();
  m_avond->opslag.VulVoorbeeld([kans] { return static_cast<int>(kans->bounded(10)); });
  bewaar();
  verversOverzicht();
  optRonde_Click(m_slip >= 0 ? m_slip : 0);
  ControleerAllesIngevoerd();
}
