#pragma once
// The entry per board: one button a board, one row a table with the pairs,
// the two score boxes and the matchpoints, and the result grid. The evening
// lives in an AvondModel; the controls show it. Klaar scores the open board,
// Uitslag ranks the evening, and the results file is written at every Klaar,
// when a finished board is cleared, at every result step and when the window
// closes.
#include "scoring/avondbestand.h"
#include "scoring/avondmodel.h"
#include "scoring/invoervenster.h"
#include "scoring/scorerij.h"
#include "scoring/spelindeling.h"

#include <array>
#include <memory>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;

namespace platform {
class GridView;
}

class frmZemlo06 : public scoring::InvoerVenster {
  Q_OBJECT
public:
  frmZemlo06();
  ~frmZemlo06() override;

  void Form_Load() override;
  void Form_Activate() override;

  // The pairs with their matchpoints a board, totals and percentages.
  platform::GridView *msfgResultaat;

  // The evening as entered; nothing until the window has opened its files.
  const scoring::AvondModel *model() const { return m_model.get(); }
  // The open board; 0 when none is open.
  int spelNummer() const { return intSpelNummer; }

  QGroupBox *fraBack;
  std::vector<QPushButton *> cmdSpel; // index 0 is the template, not a board
  std::vector<QLabel *> lblNZ, lblOW, lblMPNZ, lblMPOW;
  QLabel *lblNZKop, *lblOWKop, *lblScoreNZKop, *lblScoreOWKop, *lblMPNZKop, *lblMPOWKop;
  QLabel *lblSpelNummer, *lblNummer, *lblKwetsbaar, *lblKlaar;
  QLabel *lblControleer; // shows the board being scored again
  std::array<QLabel *, 4> lblInfo;
  QPushButton *cmdTerug, *cmdSpelKlaar, *cmdWisSpel, *cmdUitslag, *cmdVulAllesIn;

protected:
  void Form_QueryUnload() override;
  void klaar() override { cmdSpelKlaar_Click(); }
  void vulIn() override { cmdVulAllesIn_Click(); }
  bool heeftOngenomen() const override;
  bool neemOver() override { return neemSpelOver(); }
  bool bewaar() override { return !m_bGeladen || SlaInvoerOp(); }
  void gaatSluiten() override { m_bOpgeslagen = true; }

private:
  // The controls' events.
  void cmdSpel_Click(int iSpel);
  void cmdSpelKlaar_Click();
  bool neemSpelOver();
  void naarVolgendSpel();
  void cmdWisSpel_Click();
  void cmdUitslag_Click();
  void cmdVulAllesIn_Click();
  void lblNZ_Click(int i);
  void msfgResultaat_Click(int row, int col);
  void txtScoreNZ_WisRij(int i);
  void txtScore_Change(int i, bool ow);
  void txtScore_GotFocus(int i);
  void txtScore_LostFocus(int i, bool ow);
  // The leaving step of North-South box i; bNaarKlaar: a board it
  // completes gives Klaar the focus, unless the director put it elsewhere.
  // False when a score was refused: the row waits for a new one.
  bool txtScoreNZ_Verlaten(int i, bool bNaarKlaar);

  void maakRijen(int tafels);
  void maakKnoppen(int spellen);
  void zetIndeling();
  // What the layout is made of: the evening's numbers, the texts as the
  // controls' fonts draw them, the result grid and the screen.
  scoring::SpelMaten indelingMaten() const;
  void zetTabVolgorde();

  // The ENTER step of a row; bVerplaats: the focus follows the step.
  void invoerStap(int i, bool ow, bool bVerplaats);
  // Rows whose North-South score changed after its mirror was made get the
  // ENTER step again, all but row behalve; false when one was refused.
  bool herzieRijen(int behalve = -1);
  void toonRij(int i);
  void toonRijen();
  void wisRijen();
  void kleurKnoppen();
  void zetUitslagKnop();
  // The grid in pair order, or the result given.
  void toonResultaat();
  void toonResultaat(const scoring::Uitslag &uitslag);
  void scrolGrid(int iSpel);
  void zetLinkerKolom(int col);
  bool SlaInvoerOp();
  void toonControle(int iSpel);

  std::unique_ptr<scoring::AvondModel> m_model;
  scoring::SpelAvond m_avond;
  bool m_bGeladen = false;    // the evening's files were read
  bool m_bGelezen = false;    // its board lines were scored
  bool m_bOpgeslagen = false; // the closing step has written the file
  int intSpelNummer = 0;      // the open board; 0 when none is open
  bool bSpelLaden = false;    // a board's rows are being filled
  bool bHerberekenen = false; // every board is being scored in one run
};
