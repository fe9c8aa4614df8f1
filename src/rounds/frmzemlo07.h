#pragma once
// The entry per round: the director picks a round and a table of it and
// types the score slip of that table, board by board. Klaar stores the slip,
// the overview shows what is entered and what is still missing, and the
// result step ranks the evening with the same rules as the entry per board.
#include "rounds/openslip.h"
#include "rounds/rondeavond.h"
#include "rounds/rondeindeling.h"
#include "scoring/invoervenster.h"
#include "scoring/scorerij.h"

#include <QStringList>
#include <QVector>
#include <array>
#include <optional>
#include <vector>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
namespace platform {
class GridView;
}

class frmZemlo07 : public scoring::InvoerVenster {
  Q_OBJECT
public:
  frmZemlo07();
  ~frmZemlo07() override;

  void Form_Load() override;
  void Form_Activate() override;

  // Controls; element i of a row array is row i of the open slip.
  QVector<QPushButton *> cmdRonde; // round r at index r - 1
  QVector<QRadioButton *> optRonde;
  QVector<QLabel *> lblSPel;
  QLabel *lblScoreNZKop, *lblScoreOWKop, *lblKwetsbaar, *lblRonde;
  std::array<QLabel *, 2> lblPaar;
  std::array<QLabel *, 4> lblInfo;
  QLabel *lblLetterKlaar, *lblKlaar;
  QPushButton *cmdSpelKlaar, *cmdWisSpel, *cmdUitslag, *cmdTerug, *cmdDitMoetNog, *cmdVulSpellen;
  QListWidget *lstNietGevuld;
  QGroupBox *fraBack;
  platform::GridView *msfgScore;
  platform::GridView *msfgResultaat;

protected:
  void klaar() override { cmdSpelKlaar_Click(); }
  void vulIn() override { cmdVulSpellen_Click(); }
  bool heeftOngenomen() const override;
  bool neemOver() override;
  bool bewaar() override;
  void gaatSluiten() override { bBezig = true; }
  void naarVolgendeRij(int i, bool ow) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void cmdRonde_Click(int ronde);
  void optRonde_Click(int index);
  void optRonde_RechterKlik(int index);
  void txtScoreNZ_GotFocus(int i);
  void txtScoreOW_GotFocus(int i);
  void txtScore_LostFocus(int i, bool ow);
  // A key typed in a North-South box before the row's own handling; true
  // when handled.
  bool txtScoreNZ_KeyPress(int i, QKeyEvent *event);
  void txtScoreNZ_WisRij(int i);
  void txtScore_Change(int i);
  void txtScore_Enter(int i, bool ow);
  void cmdSpelKlaar_Click();
  bool neemSlipOver();
  void cmdWisSpel_Click();
  void cmdUitslag_Click();
  void cmdVulSpellen_Click();

  // The controls of the evening's rounds, tables and rows, and the layout.
  void maakVenster();
  rounds::RondeMaten indelingMaten() const;
  void zetIndeling();
  void toonRij(int i);
  void toonRijen();
  // The leaving step of a box of row i (ow: its East-West box) of the slip
  // at plek; nothing when another slip has opened since.
  void verlaatRij(int i, bool ow, const rounds::TafelPlek &plek);
  void markeerKlareSlips();
  void verversOverzicht();
  void ControleerAllesIngevoerd();
  // Buttons and labels that follow the store and the rows.
  void zetKnoppen();
  void toonKlaarHint();
  QString slipKnopTekst(const rounds::TafelPlek &plek) const;
  QString paarLabel(int paar) const;

  std::optional<rounds::RondeAvond> m_avond;
  bool m_kapot = false;            // the evening could not be opened: the window closes
  bool m_opgezet = false;          // the first activation has built the window
  bool bBezig = false;             // the window's own code is filling the boxes
  int m_ronde = 0;                 // the open round
  int m_slip = -1;                 // the open slip: index among the round's table buttons
  QVector<int> m_slipTafels;       // the open round's slips, as tables of the round
  rounds::OpenSlip m_open;         // the open slip and what its rows hold
  QStringList m_nietGevuld;        // what is still missing
  bool m_resultaatGetoond = false; // the ranking stands under the overview
  int intSpelNummer = 0;           // the board of the row whose North-South box has the focus
  int intKwetsbaar = 0;

  // Where the controls stand, and the window's size with and without the
  // ranking.
  rounds::RondeIndeling m_indeling;
};
