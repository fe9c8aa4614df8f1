#include "scoring/frmzemlo06.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/vensterhulp.h"
#include "platform/clock.h"
#include "platform/gridview.h"
#include "platform/messagebox.h"
#include "platform/textfile.h"
#include "platform/units.h"
#include "scoring/scoreinvoer.h"
#include "scoring/scoretabellen.h"
#include "scoring/uitslag.h"
#include "scoring/uitslagvenster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <utility>

using namespace BAS_Zemlo;
using venster::twips;

namespace {

// Colours (0xBBGGRR).
constexpr std::uint32_t kWit = 0xFFFFFF;
constexpr std::uint32_t kOnafgemaakt = 0xE0E0E0; // a board button not finished
constexpr std::uint32_t kGeenTafel = 0xC0C0FF;   // a row that does not play the board
constexpr std::uint32_t kKwetsbaar = 0x0000FF;

// A label that can be clicked (the North-South pair of a row).
class KlikLabel : public QLabel {
public:
  using QLabel::QLabel;
  std::function<void()> klik;

protected:
  void mouseReleaseEvent(QMouseEvent *event) override {
    QLabel::mouseReleaseEvent(event);
    if (klik && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
      klik();
  }
};

QString naam(const char *basis, int index) {
  return QString::fromLatin1(basis) + QString::number(index);
}

} // namespace

frmZemlo06::frmZemlo06() : InvoerVenster(QStringLiteral("frmZemlo06")) {
  QFont f = font();
  f.setPointSize(9);
  setFont(f);

  fraBack = new QGroupBox(this);
  fraBack->setObjectName(QStringLiteral("fraBack"));

  cmdTerug = venster::maakKnop(fraBack, "cmdTerug", {});
  cmdUitslag = venster::maakKnop(fraBack, "cmdUitslag", {});
  cmdVulAllesIn = venster::maakKnop(fraBack, "cmdVulAllesIn", {});
  cmdVulAllesIn->setText(QStringLiteral("Vul alles in"));
  cmdVulAllesIn->hide();

  // The template of the board buttons; the boards get copies of it.
  cmdSpel.push_back(venster::maakKnop(fraBack, "cmdSpel0", {}));
  cmdSpel[0]->hide();

  lblSpelNummer = venster::maakLabel(fraBack, "lblSpelNummer", {});
  QFont vet = font();
  vet.setBold(true);
  vet.setPointSize(11);
  lblSpelNummer->setFont(vet);

  auto kop = [this](const char *n) {
    QLabel *l = venster::maakLabel(fraBack, n, {});
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return l;
  };
  lblNZKop = kop("lblNZKop");
  lblOWKop = kop("lblOWKop");
  lblScoreNZKop = kop("lblScoreNZKop");
  lblScoreOWKop = kop("lblScoreOWKop");
  lblMPNZKop = kop("lblMPNZKop");
  lblMPOWKop = kop("lblMPOWKop");
  lblKwetsbaar = venster::maakLabel(fraBack, "lblKwetsbaar", {});
  lblKwetsbaar->setAlignment(Qt::AlignCenter);
  lblKwetsbaar->hide();
  for (int i = 0; i < 4; ++i) {
    lblInfo[i] = venster::maakLabel(fraBack, qPrintable(naam("lblInfo", i)), {});
  }

  cmdSpelKlaar = venster::maakKnop(fraBack, "cmdSpelKlaar", {});
  cmdWisSpel = venster::maakKnop(fraBack, "cmdWisSpel", {});
  lblKlaar = venster::maakLabel(fraBack, "lblKlaar", {});
  lblKlaar->setAlignment(Qt::AlignCenter);
  lblKlaar->hide();
  lblNummer = venster::maakLabel(fraBack, "lblNummer", {});

  lblControleer = venster::maakLabel(this, "lblControleer", {});
  lblControleer->setAlignment(Qt::AlignCenter);
  lblControleer->setFrameStyle(QFrame::Box | QFrame::Plain);
  QFont groot = font();
  groot.setPointSize(12);
  groot.setBold(true);
  lblControleer->setFont(groot);
  lblControleer->hide();

  msfgResultaat = new platform::GridView(fraBack);
  msfgResultaat->setObjectName(QStringLiteral("msfgResultaat"));
  msfgResultaat->setFocusPolicy(Qt::ClickFocus);

  kenKnoppen(cmdSpelKlaar, cmdVulAllesIn, cmdTerug);
  connect(cmdWisSpel, &QPushButton::clicked, this, [this] { cmdWisSpel_Click(); });
  connect(cmdUitslag, &QPushButton::clicked, this, [this] { cmdUitslag_Click(); });
  connect(msfgResultaat, &platform::GridView::cellClicked, this,
          [this](int row, int col) { msfgResultaat_Click(row, col); });
}

frmZemlo06::~frmZemlo06() = default;

// ---------------------------------------------------------------------------
// Loading

void frmZemlo06::Form_Load() {
  setWindowTitle(scoring::VensterTitel(sGroepBestand));
  venster::neemIcoon(this);

  cmdTerug->setText(u'&' + Tekst(11));
  cmdSpelKlaar->setText(u'&' + Tekst(83));
  cmdWisSpel->setText(u'&' + Tekst(96));
  cmdUitslag->setText(u'&' + Tekst(98));
  cmdUitslag->setEnabled(false);
  cmdSpelKlaar->setEnabled(false);
  lblNZKop->setText(u' ' + Tekst(74) + u' ');
  lblOWKop->setText(u' ' + Tekst(75) + u' ');
  lblScoreNZKop->setText(u' ' + Tekst(76) + u' ');
  lblScoreOWKop->setText(u' ' + Tekst(77) + u' ');
  lblMPNZKop->setText(u' ' + Tekst(78) + u' ');
  lblMPOWKop->setText(u' ' + Tekst(79) + u' ');
  lblSpelNummer->setText(Tekst(82) + QStringLiteral(": "));
  lblInfo[0]->setText(Tekst(93));
  lblInfo[1]->setText(Tekst(94));
  lblInfo[2]->setText(Tekst(95));
  lblInfo[3]->setText(Tekst(97));
  lblKlaar->setText(TekstMetRegels(118));

  const preparation::AvondOpening open = preparation::OpenAvond(sInvoerBestand, 0);
  if (!open.avond) {
    // The evening cannot be opened: the first activation closes the window,
    // and the results file is left as it was.
    resize(twips(9000), twips(3000));
    venster::centreer(this);
    bFormSluiten = true;
    melding(open.iFoutTekst, open.sFoutNaam);
    return;
  }
  m_avond = scoring::MaakSpelAvond(*open.avond);
  m_model = std::make_unique<scoring::AvondModel>(m_avond.getallen, m_avond.tafels);
  fraBack->setTitle(preparation::KaderTekst(m_avond.bestanden.kop));

  maakKnoppen(m_model->AantalSpellen());
  maakRijen(m_model->AantalTafels());
  toonResultaat();
  GridKolomBreedte(msfgResultaat);
  zetIndeling();
  zetTabVolgorde();
  wisRijen();
  m_bGeladen = true;
}

void frmZemlo06::maakKnoppen(int spellen) {
  for (int b = 1; b <= spellen; ++b) {
    QPushButton *knop = venster::maakKnop(fraBack, qPrintable(naam("cmdSpel", b)), {});
    knop->setText(QString::number(b));
    knop->setFont(cmdSpel[0]->font());
    venster::zetKleuren(knop, kOnafgemaakt);
    connect(knop, &QPushButton::clicked, this, [this, b] {
      if (magWeg())
        cmdSpel_Click(b);
    });
    cmdSpel.push_back(knop);
  }
}

void frmZemlo06::maakRijen(int tafels) {
  scoring::ScoreRijOpmaak opmaak;
  opmaak.tekensNZ = QStringLiteral("1234567890-nN%");
  opmaak.tekensOW = QStringLiteral("1234567890-n%");
  opmaak.nietSpelend = kGeenTafel;
  for (int i = 0; i < tafels; ++i) {
    auto *nz = new KlikLabel(fraBack);
    nz->setObjectName(naam("lblNZ", i));
    nz->klik = [this, i] { lblNZ_Click(i); };
    lblNZ.push_back(nz);
    lblOW.push_back(venster::maakLabel(fraBack, qPrintable(naam("lblOW", i)), {}));
    scoring::ScoreRij *rij = rijen->voegToe(fraBack, opmaak);
    for (QLineEdit *vak :
         {static_cast<QLineEdit *>(rij->txtScoreNZ), static_cast<QLineEdit *>(rij->txtScoreOW)})
      vak->setAlignment(Qt::AlignCenter);
    lblMPNZ.push_back(venster::maakLabel(fraBack, qPrintable(naam("lblMPNZ", i)), {}));
    lblMPOW.push_back(venster::maakLabel(fraBack, qPrintable(naam("lblMPOW", i)), {}));
    for (QLabel *l : {lblNZ[i], lblOW[i], lblMPNZ[i], lblMPOW[i]}) {
      l->setAlignment(Qt::AlignCenter);
      l->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    // The row's colour: its pairs first, its matchpoints after the boxes.
    rij->kleurMee(lblNZ[i]);
    rij->kleurMee(lblOW[i]);
    rij->kleurMee(lblMPNZ[i]);
    rij->kleurMee(lblMPOW[i]);
    connect(rij, &scoring::ScoreRij::enter, this, [this, i](bool ow) { invoerStap(i, ow, true); });
    connect(rij, &scoring::ScoreRij::pijl, this, [this, i](bool ow, bool omlaag) {
      if (intSpelNummer != 0)
        rijen->naarBuur(i, ow, omlaag);
    });
    connect(rij, &scoring::ScoreRij::wisRij, this, [this, i] { txtScoreNZ_WisRij(i); });
    connect(rij, &scoring::ScoreRij::gewijzigd, this,
            [this, i](bool ow) { txtScore_Change(i, ow); });
    connect(rij, &scoring::ScoreRij::binnen, this, [this, i] { txtScore_GotFocus(i); });
    connect(rij, &scoring::ScoreRij::verlaten, this,
            [this, i](bool ow) { txtScore_LostFocus(i, ow); });
  }
}

// What the layout is made of: the evening's numbers, the texts in the
// controls' fonts, the result grid as its columns and rows ask, the screen.
scoring::SpelMaten frmZemlo06::indelingMaten() const {
  const auto breedte = [](const QWidget *w, const QString &tekst) {
    return QFontMetrics(w->font()).horizontalAdvance(tekst);
  };
  scoring::SpelMaten maten;
  const int perRonde = m_model->Kop().intSpellenPerRonde;
  const int ronden = m_model->Kop().intAantalRonden;
  maten.spellenPerRonde = perRonde;
  maten.ronden = ronden;
  maten.tafels = m_model->AantalTafels();
  const QScreen *scherm = screen() ? screen() : QGuiApplication::primaryScreen();
  maten.scherm = scherm ? scherm->availableGeometry().size() : QSize(1280, 1024);
  const QString langsteKop = Tekst(82) + QStringLiteral(": ") + QString::number(ronden * perRonde);
  maten.spelKop = breedte(lblSpelNummer, langsteKop);
  const std::array<const QLabel *, 6> koppen{lblNZKop,      lblOWKop,   lblScoreNZKop,
                                             lblScoreOWKop, lblMPNZKop, lblMPOWKop};
  for (int k = 0; k < 6; ++k)
    maten.koppen[k] = breedte(koppen[k], koppen[k]->text());
  maten.klaarKnop = breedte(cmdSpelKlaar, cmdSpelKlaar->text());
  maten.wisKnop = breedte(cmdWisSpel, cmdWisSpel->text());
  maten.klaarHint = lblKlaar->sizeHint();
  for (int i = 0; i < 4; ++i)
    maten.info[i] = breedte(lblInfo[i], lblInfo[i]->text());
  const platform::GridModel &grid = *msfgResultaat->grid();
  for (int c = 0; c < grid.cols(); ++c)
    maten.gridKolommen.append(grid.colWidth(c));
  for (int r = 0; r < grid.rows(); ++r)
    maten.gridRijen += grid.rowHeight(r);
  maten.spelKolom = breedte(this, QStringLiteral("00.00W"));
  maten.schuif = msfgResultaat->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return maten;
}

// Every control where the layout puts it, the window as large as it says,
// centred on its screen.
void frmZemlo06::zetIndeling() {
  const scoring::SpelIndeling indeling = scoring::MaakSpelIndeling(indelingMaten());
  fraBack->setGeometry(indeling.kader);
  cmdSpel[0]->setGeometry(indeling.sjabloon);
  for (int b = 1; b < static_cast<int>(cmdSpel.size()); ++b)
    cmdSpel[b]->setGeometry(indeling.spellen.at(b - 1));
  lblSpelNummer->setGeometry(indeling.spelNummer);
  const std::array<QLabel *, 6> koppen{lblNZKop,      lblOWKop,   lblScoreNZKop,
                                       lblScoreOWKop, lblMPNZKop, lblMPOWKop};
  for (int k = 0; k < 6; ++k)
    koppen[k]->setGeometry(indeling.koppen[k]);
  for (int i = 0; i < rijen->aantal(); ++i) {
    const scoring::ScoreRij *vakken = rijen->rij(i);
    const std::array<QWidget *, 6> rij{lblNZ[i],           lblOW[i],   vakken->txtScoreNZ,
                                       vakken->txtScoreOW, lblMPNZ[i], lblMPOW[i]};
    for (int k = 0; k < 6; ++k)
      rij[k]->setGeometry(indeling.rijen.at(i)[k]);
  }
  cmdSpelKlaar->setGeometry(indeling.klaar);
  cmdWisSpel->setGeometry(indeling.wisSpel);
  lblKlaar->setGeometry(indeling.klaarHint);
  lblNummer->setGeometry(indeling.nummer);
  for (int i = 0; i < 4; ++i)
    lblInfo[i]->setGeometry(indeling.info[i]);
  lblKwetsbaar->setGeometry(indeling.kwetsbaar);
  msfgResultaat->setGeometry(indeling.grid);
  cmdTerug->setGeometry(indeling.terug);
  cmdUitslag->setGeometry(indeling.uitslag);
  cmdVulAllesIn->setGeometry(indeling.vulAllesIn);

  setFixedSize(indeling.venster);
  venster::centreer(this);
  cmdSetfocus->move(width() + twips(100), 0);
}

// The score boxes row by row, North-South before East-West, then Klaar, the
// boards in order and Back.
void frmZemlo06::zetTabVolgorde() {
  std::vector<QWidget *> volgorde;
  for (const scoring::ScoreRij *rij : *rijen) {
    volgorde.push_back(rij->txtScoreNZ);
    volgorde.push_back(rij->txtScoreOW);
  }
  volgorde.push_back(cmdSpelKlaar);
  for (size_t b = 1; b < cmdSpel.size(); ++b)
    volgorde.push_back(cmdSpel[b]);
  volgorde.push_back(cmdTerug);
  volgorde.push_back(cmdWisSpel);
  volgorde.push_back(cmdUitslag);
  for (size_t k = 1; k < volgorde.size(); ++k)
    setTabOrder(volgorde[k - 1], volgorde[k]);
}

// ---------------------------------------------------------------------------
// Activation and closing

void frmZemlo06::Form_Activate() {
  if (!m_bGeladen) {
    closeWindow();
    return;
  }
  if (iVanForm == 6) {
    // Back from the result window: the ranked grid stays, without its totals.
    platform::GridModel &grid = *msfgResultaat->grid();
    for (int r = 1; r < grid.rows(); ++r) {
      grid.setTextMatrix(r, grid.cols() - 2, QString());
      grid.setTextMatrix(r, grid.cols() - 1, QString());
    }
    msfgResultaat->show();
    cmdUitslag->setEnabled(true);
    parkeer();
    iVanForm = 0;
    return;
  }

  // Every stored board is read and scored again; the grid is made from them.
  // The progress label stands alone in the window meanwhile.
  toonControle(0);
  lblControleer->show();
  bHerberekenen = true;
  fraBack->hide();
  msfgResultaat->hide();
  const bool bEerste = !m_bGelezen;
  m_model->LeesRegels(m_bGelezen ? m_model->Regels() : m_avond.bestanden.regels,
                      [this](int k) { toonControle(k); });
  m_bGelezen = true;
  intSpelNummer = 0;
  lblControleer->hide();
  toonResultaat();
  GridKolomBreedte(msfgResultaat);
  fraBack->show();
  msfgResultaat->show();
  bHerberekenen = false;
  kleurKnoppen();
  // Once an opening, in one box: the boards whose stored lines could not be
  // read, and the other lines that could not (they are kept as they are).
  if (bEerste) {
    QStringList teksten;
    if (const QVector<int> onleesbaar = m_model->OnleesbareSpellen(); !onleesbaar.isEmpty())
      teksten.append(TekstMet(185, scoring::SpelNummers(onleesbaar)));
    if (const QVector<int> onbekend = m_model->OnbekendeRegels(); !onbekend.isEmpty())
      teksten.append(TekstMet(
          205,
          scoring::RegelNummers(onbekend, static_cast<int>(m_avond.bestanden.kop.regels.size()))));
    if (!teksten.isEmpty())
      melding(teksten.join(QStringLiteral("||")));
  }
  naarVolgendSpel();
}

// The open board holds scores that Klaar has not taken.
bool frmZemlo06::heeftOngenomen() const {
  return m_model && intSpelNummer != 0 && m_model->IsGewijzigd(intSpelNummer);
}

void frmZemlo06::Form_QueryUnload() {
  if (m_bGeladen && !m_bOpgeslagen) {
    SlaInvoerOp();
    m_bOpgeslagen = true;
  }
  returnToOpener();
  unload();
}

bool frmZemlo06::SlaInvoerOp() {
  const preparation::GeopendeAvond &bestanden = m_avond.bestanden;
  const QStringList regels = m_bGelezen ? scoring::InvoerRegels(m_avond, *m_model)
                                        : bestanden.kop.regels + bestanden.regels;
  if (platform::writeTextLines(bestanden.paden.invoer.pad, regels))
    return true;
  melding(181, bestanden.paden.invoer.naam);
  return false;
}

// ---------------------------------------------------------------------------
// Boards

void frmZemlo06::cmdSpel_Click(int iSpel) {
  if (!m_model || iSpel < 1 || iSpel > m_model->AantalSpellen())
    return;
  bSpelLaden = true;
  intSpelNummer = iSpel;
  cmdUitslag->setEnabled(false);
  lblNummer->setText(QString::number(iSpel));
  m_model->OpenSpel(iSpel);
  toonRijen();
  cmdSpelKlaar->setEnabled(false);
  lblKlaar->hide();
  lblSpelNummer->setText(Tekst(82) + QStringLiteral(": ") + QString::number(iSpel));

  const int v = scoring::Kwetsbaarheid(iSpel);
  lblKwetsbaar->setText(u' ' + Tekst(86 + v) + u' ');
  venster::zetKleuren(lblKwetsbaar, v != 0 ? kKwetsbaar : kWit, v != 0 ? kWit : 0);
  lblKwetsbaar->adjustSize();
  lblKwetsbaar->setGeometry(lblKwetsbaar->x(), lblMPOWKop->y(), lblKwetsbaar->width() + 8,
                            lblMPOWKop->height());
  lblKwetsbaar->show();

  scrolGrid(iSpel);
  kleurKnoppen();
  if (const int eerste = scoring::EersteSpelendeRij(m_model->Invoer(iSpel)); eerste >= 0)
    rijen->rij(eerste)->focusOp(false);
  else
    parkeer();
  bSpelLaden = false;
}

void frmZemlo06::cmdSpelKlaar_Click() {
  if (!m_model || intSpelNummer == 0 || !rondVerlatenAf() || !neemSpelOver())
    return;
  naarVolgendSpel();
}

// The first board that is not finished opens; with every board finished
// none is open and Uitslag may be pressed.
void frmZemlo06::naarVolgendSpel() {
  if (const int volgende = m_model->VolgendOnafgemaakt()) {
    cmdSpel_Click(volgende);
  } else {
    intSpelNummer = 0;
    wisRijen();
    parkeer();
  }
  zetUitslagKnop();
}

// Klaar's step: the open board scored and stored, its column of the grid
// made anew. False when a row is not complete or was refused: the board
// stays open with the focus in that row.
bool frmZemlo06::neemSpelOver() {
  parkeer();
  lblKlaar->hide();
  const int spel = intSpelNummer;
  const bool herzien = herzieRijen();
  if (!herzien || !m_model->SpelKlaar(spel)) {
    cmdSpelKlaar->setEnabled(false);
    // A score refused has had its message; a row without one gets Klaar's
    // own, so that Yes to the question about unsaved scores never ends
    // in silence.
    if (herzien)
      melding(206, QString::number(spel));
    if (const int rij = scoring::EersteOnvolledigeRij(m_model->Invoer(spel)); rij >= 0)
      rijen->rij(rij)->focusOp(false);
    return false;
  }
  cmdSpelKlaar->setEnabled(false);
  kleurKnoppen();
  toonResultaat();
  scrolGrid(spel);
  if (!bHerberekenen)
    GridKolomBreedte(msfgResultaat);
  // The finished board is on disk at once; a save that fails says so, and
  // the board stays finished here for the next save.
  SlaInvoerOp();
  return true;
}

void frmZemlo06::cmdWisSpel_Click() {
  if (!m_model || intSpelNummer == 0)
    return;
  // The rows are emptied: the step of a row left has nothing to test.
  vergeetVerlaten();
  const QStringList regels = m_model->Regels();
  m_model->WisSpel(intSpelNummer);
  // A finished board cleared is gone from the file too.
  if (m_model->Regels() != regels)
    SlaInvoerOp();
  toonRijen();
  kleurKnoppen();
  cmdSpelKlaar->setEnabled(false);
  lblKlaar->hide();
  zetUitslagKnop();
  rijen->naarBuur(rijen->aantal() - 1, false, true);
}

void frmZemlo06::lblNZ_Click(int i) {
  if (!m_model || intSpelNummer == 0 || i >= m_model->AantalTafels() || !rondVerlatenAf())
    return;
  const scoring::SpelRij &rij = m_model->Rijen(intSpelNummer).at(i);
  if (!rij.doetMee)
    return;
  if (!platform::question(this, windowTitle(), Tekst(rij.omgewisseld ? 85 : 84)))
    return;
  m_model->WisselParen(intSpelNummer, i);
  toonRij(i);
  // The exchange is Klaar's to store, as a typed score is: a board whose
  // rows are complete offers Klaar at once.
  if (m_model->MagKlaar(intSpelNummer)) {
    cmdSpelKlaar->setEnabled(true);
    lblKlaar->show();
    ZetFocus(this, cmdSpelKlaar);
  }
}

void frmZemlo06::msfgResultaat_Click(int row, int col) {
  Q_UNUSED(row);
  const platform::GridModel &grid = *msfgResultaat->grid();
  if (!m_model || col < 2 || col >= grid.cols() - 2) {
    parkeer();
    return;
  }
  // Column b + 1 holds board b.
  if (magWeg())
    cmdSpel_Click(col - 1);
}

void frmZemlo06::cmdUitslag_Click() {
  if (!m_model || !m_model->AlleKlaar() || !rondVerlatenAf())
    return;
  SlaInvoerOp();
  parkeer();
  msfgResultaat->hide();
  const scoring::Uitslag uitslag = scoring::MaakUitslag(m_model->Stand(m_avond.paren.labels));
  toonResultaat(uitslag);
  GridKolomBreedte(msfgResultaat, 0, NaMeten::Verborgen);
  zetLinkerKolom(msfgResultaat->grid()->cols() - 1);
  // The result window shows the ranking and hands the window back.
  if (scoring::OpenUitslagVenster(this, 6, uitslag, m_avond.paren.voorMail))
    return;
  msfgResultaat->show();
}

void frmZemlo06::cmdVulAllesIn_Click() {
  if (!m_model || !rondVerlatenAf())
    return;
  cmdVulAllesIn->hide();
  bHerberekenen = true;
  const QString titel = windowTitle();
  QRandomGenerator toeval(
      static_cast<quint32>(platform::now().time().msecsSinceStartOfDay() / 1000));
  for (int b = 1; b <= m_model->AantalSpellen(); ++b) {
    if (!m_model->MagVoorbeeld(b))
      continue;
    setWindowTitle(titel + QStringLiteral(" Bezig met spel: ") + QString::number(b));
    m_model->VulVoorbeeld(b, [&toeval] { return static_cast<int>(toeval.bounded(10)); });
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  setWindowTitle(titel);
  toonResultaat();
  GridKolomBreedte(msfgResultaat);
  msfgResultaat->show();
  fraBack->show();
  bHerberekenen = false;
  // The boards it finished are on disk, as after Klaar.
  SlaInvoerOp();
  kleurKnoppen();
  if (intSpelNummer != 0 && !m_model->IsKlaar(intSpelNummer)) {
    // The open board keeps what was typed in it.
    parkeer();
    zetUitslagKnop();
  } else {
    naarVolgendSpel();
  }
}

// ---------------------------------------------------------------------------
// The score boxes

// The letter C empties the row.
void frmZemlo06::txtScoreNZ_WisRij(int i) {
  if (!m_model || intSpelNummer == 0)
    return;
  m_model->WisRij(intSpelNummer, i);
  toonRij(i);
  cmdSpelKlaar->setEnabled(false);
  rijen->rij(i)->focusOp(false);
}

void frmZemlo06::txtScore_Change(int i, bool ow) {
  if (!m_model || intSpelNummer == 0 || bSpelLaden)
    return;
  const scoring::RijInvoer rij = scoring::NaTypen(rijen->rij(i)->invoer(), ow);
  m_model->ZetScores(intSpelNummer, i, rij.scoreNZ, rij.scoreOW);
  toonRij(i);
  // Klaar waits for the rows to be complete and tested again.
  cmdSpelKlaar->setEnabled(false);
  lblKlaar->hide();
}

void frmZemlo06::txtScore_GotFocus(int i) {
  if (intSpelNummer != 0)
    rijen->rij(i)->toonHuidig(true);
}

void frmZemlo06::txtScore_LostFocus(int i, bool ow) {
  if (bSpelLaden || intSpelNummer == 0)
    return;
  rijen->rij(i)->toonHuidig(false);
  if (ow)
    return;
  // The rest waits until the focus has arrived where it was going, and
  // while a mouse button is down; a control clicked runs it first. The step
  // tests every row of the board, so one waits at a time.
  wachtMetVerlaten(0, [this, i, spel = intSpelNummer](bool bNaarKlaar) {
    return spel != intSpelNummer || txtScoreNZ_Verlaten(i, bNaarKlaar);
  });
}

// A North-South box was left: rows typed without ENTER, or changed after
// their mirror was made, get the ENTER step; when every row is complete,
// Klaar is offered.
bool frmZemlo06::txtScoreNZ_Verlaten(int i, bool bNaarKlaar) {
  if (!m_model || intSpelNummer == 0 || bSpelLaden || isClosing() || !isEnabled())
    return true;
  // The step runs once the focus has arrived, so keys typed ahead may stand
  // in the North-South box that has the focus now: that row is the
  // director's until it is left in turn. A control clicked runs the step
  // for every row.
  int typtIn = -1;
  if (bNaarKlaar) {
    for (int r = 0; r < rijen->aantal(); ++r) {
      if (rijen->rij(r)->txtScoreNZ->hasFocus())
        typtIn = r;
    }
  }
  if (!herzieRijen(typtIn))
    return false;
  if (!scoring::RijenCompleet(m_model->Invoer(intSpelNummer)))
    return true;
  cmdSpelKlaar->setEnabled(true);
  lblKlaar->show();
  // The focus goes on to Klaar from a score box, but an adjusted score that
  // went on to its East-West box keeps it there, and a control the director
  // clicked keeps it too.
  QWidget *focus = QApplication::focusWidget();
  const bool inVak = focus && focus->window() == this && qobject_cast<scoring::ScoreVak *>(focus);
  if (bNaarKlaar &&
      ((inVak && focus != rijen->rij(i)->txtScoreOW) || !focus || focus == cmdSetfocus))
    ZetFocus(this, cmdSpelKlaar);
  return true;
}

void frmZemlo06::invoerStap(int i, bool ow, bool bVerplaats) {
  const QVector<scoring::RijInvoer> invoer = m_model->Invoer(intSpelNummer);
  if (i < 0 || i >= invoer.size() || !invoer.at(i).actief)
    return;
  const scoring::StapUitkomst u =
      ow ? scoring::InvoerStapOW(invoer, i)
         : scoring::InvoerStapNZ(invoer, i, scoring::Kwetsbaarheid(intSpelNummer),
                                 scoring::Kopie::AlleenNZ);
  m_model->ZetScores(intSpelNummer, i, u.scoreNZ, u.scoreOW);
  toonRij(i);
  if (!scoring::RijenCompleet(m_model->Invoer(intSpelNummer)))
    cmdSpelKlaar->setEnabled(false);
  if (u.iTekst != 0)
    melding(u.iTekst, u.sPlaatsvervanger);
  if (bVerplaats)
    volgFocus(i, ow, u.focus);
}

bool frmZemlo06::herzieRijen(int behalve) {
  for (const int r : m_model->TeHerzien(intSpelNummer)) {
    if (r == behalve)
      continue;
    invoerStap(r, false, false);
    if (!m_model->TeHerzien(intSpelNummer).contains(r) &&
        !m_model->Rijen(intSpelNummer).at(r).scoreNZ.isEmpty())
      continue;
    // Refused: the row waits for a new score.
    rijen->rij(r)->focusOp(false);
    return false;
  }
  return true;
}

// ---------------------------------------------------------------------------
// Showing the model

void frmZemlo06::toonRij(int i) {
  const scoring::SpelRij &rij = m_model->Rijen(intSpelNummer).at(i);
  lblNZ[i]->setText(rij.nz > 0 ? QString::number(rij.nz) : QString());
  lblOW[i]->setText(rij.ow > 0 ? QString::number(rij.ow) : QString());
  lblMPNZ[i]->setText(rij.mpNZ);
  lblMPOW[i]->setText(rij.mpOW);
  rijen->rij(i)->toon({rij.scoreNZ, rij.scoreOW, rij.doetMee});
}

void frmZemlo06::toonRijen() {
  for (int i = rijen->aantal() - 1; i >= 0; --i)
    toonRij(i);
}

// No board open: every row empty and disabled.
void frmZemlo06::wisRijen() {
  for (int i = rijen->aantal() - 1; i >= 0; --i) {
    for (QLabel *l : {lblNZ[i], lblOW[i], lblMPNZ[i], lblMPOW[i]})
      l->clear();
    rijen->rij(i)->wis();
  }
  lblNummer->clear();
  lblSpelNummer->setText(Tekst(82) + QStringLiteral(": "));
  lblKwetsbaar->hide();
  lblKlaar->hide();
  cmdSpelKlaar->setEnabled(false);
}

void frmZemlo06::kleurKnoppen() {
  for (int b = 1; b < static_cast<int>(cmdSpel.size()); ++b)
    venster::zetKleuren(cmdSpel[b], m_model->IsKlaar(b) ? kWit : kOnafgemaakt);
}

// Uitslag once every board is finished and none is open.
void frmZemlo06::zetUitslagKnop() {
  cmdUitslag->setEnabled(m_model && m_model->AlleKlaar() && intSpelNummer == 0);
}

void frmZemlo06::toonResultaat() {
  toonResultaat(scoring::ParenVolgorde(m_model->Stand(m_avond.paren.labels)));
}

void frmZemlo06::toonResultaat(const scoring::Uitslag &uitslag) {
  platform::GridModel &grid = *msfgResultaat->grid();
  scoring::VulResultaatGrid(grid, uitslag, scoring::ResultaatKop());
  grid.setFixedRows(1);
  grid.setFixedCols(1);
}

// The open board's column in sight: column n from board n on in the second
// half of the evening, column 2 (board 1) otherwise.
void frmZemlo06::scrolGrid(int iSpel) {
  zetLinkerKolom(iSpel > m_model->AantalSpellen() / 2 ? iSpel : 2);
}

// Scrolls the grid to a first column, no further than its last columns fill
// the view: a grid that fits is not scrolled at all.
void frmZemlo06::zetLinkerKolom(int col) {
  platform::GridModel &grid = *msfgResultaat->grid();
  int ruimte = platform::pixelsToTwips(msfgResultaat->viewport()->width());
  for (int c = 0; c < grid.fixedCols(); ++c)
    ruimte -= grid.colWidth(c);
  int laatste = grid.cols() - 1;
  for (int breedte = 0; laatste > grid.fixedCols(); --laatste) {
    breedte += grid.colWidth(laatste);
    if (breedte > ruimte) {
      ++laatste;
      break;
    }
  }
  laatste = std::clamp(laatste, grid.fixedCols(), std::max(grid.fixedCols(), grid.cols() - 1));
  grid.setLeftCol(std::clamp(col, grid.fixedCols(), laatste));
}

// Text 99 and the board being scored again (none before the first),
// centred in the window and drawn at once.
void frmZemlo06::toonControle(int iSpel) {
  lblControleer->setText(iSpel > 0 ? Tekst(99) + QStringLiteral(": ") + QString::number(iSpel)
                                   : Tekst(99));
  lblControleer->adjustSize();
  lblControleer->resize(lblControleer->width() + twips(600), lblControleer->height() + twips(240));
  lblControleer->move((width() - lblControleer->width()) / 2,
                      (height() - lblControleer->height()) / 2);
  lblControleer->repaint();
  // A window just shown is drawn only once the system has shown it.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
