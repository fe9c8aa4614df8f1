#pragma once
// What the two entry windows (per board and per round) share: their score
// rows and the focus sink, their messages, their keys (Klaar's letter on
// Klaar, Ctrl+Shift+T for the hidden sample fill), the focus after an ENTER
// step, leaving an open board or slip (the question about scores Klaar has
// not taken), Back with its save, and the leaving step of a score box.
//
// A box's leaving step waits until the focus has arrived where it was going,
// and while a mouse button is down in the window: a message of the step
// would otherwise take the release, and with it the click. A control the
// director clicks runs the waiting step itself before it acts, so every
// click acts at once.
#include "frame/bas_zemlo.h"
#include "frame/window.h"
#include "scoring/scoreinvoer.h"

#include <QString>
#include <functional>
#include <vector>

class QPushButton;

namespace scoring {

class ScoreRijen;

class InvoerVenster : public ZemloWindow {
  Q_OBJECT
public:
  explicit InvoerVenster(const QString &name);
  ~InvoerVenster() override;

protected:
  ScoreRijen *rijen;        // the rows' score boxes
  QPushButton *cmdSetfocus; // out of sight: holds the focus where no box should

  // The window's buttons that the shared steps drive: Klaar (clicked or
  // its letter typed on it), the hidden sample fill (Ctrl+Shift+T shows and
  // hides it) and Back.
  void kenKnoppen(QPushButton *klaar, QPushButton *vul, QPushButton *terug);

  // What the window does for the shared steps.
  // Klaar.
  virtual void klaar() = 0;
  // The sample fill's click.
  virtual void vulIn() = 0;
  // The open board or slip holds scores that Klaar has not taken.
  virtual bool heeftOngenomen() const = 0;
  // Klaar's step for Yes to the question; true when it took the scores.
  virtual bool neemOver() = 0;
  // Back's save; false, after its message, when the file was not written.
  virtual bool bewaar() = 0;
  // Back has saved (or the director chose to close without): the window
  // closes next.
  virtual void gaatSluiten() {}
  // An ENTER step moves on to the next row.
  virtual void naarVolgendeRij(int i, bool ow);

  // The focus to the sink.
  void parkeer();
  void melding(const QString &tekst);
  void melding(int iTekst, const QString &plaats) { melding(BAS_Zemlo::TekstMet(iTekst, plaats)); }
  // After the ENTER step of row i (ow: in its East-West box), the focus goes
  // where the step says.
  void volgFocus(int i, bool ow, Focus focus);

  // A box was left: stap runs once the focus has arrived and no mouse button
  // is down (bNaarKlaar true), or when a control clicked runs it (false);
  // it returns false when it refused a score. A step waiting under the same
  // sleutel is replaced.
  void wachtMetVerlaten(int sleutel, std::function<bool(bool bNaarKlaar)> stap);
  // The rows were emptied: the waiting steps have nothing left to test.
  void vergeetVerlaten();
  // A control clicked runs the waiting steps before it acts; false when one
  // refused a score (the control then does nothing).
  bool rondVerlatenAf();
  // Before the open board or slip is left: the waiting steps, then, when it
  // holds scores Klaar has not taken, text 186 (Yes takes them as Klaar
  // does, No drops them, Cancel stays). True when the window may go on.
  bool magWeg();
  // Back, Escape and the close box: leaves as magWeg does and saves; a save
  // that fails keeps the window open, with all it holds, unless the
  // director chooses to close without saving.
  void terug();

  void sluitVerzoek(Sluiten hoe) override;
  bool Form_KeyDown(QKeyEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  struct Verlaten {
    int sleutel;
    std::function<bool(bool)> stap;
  };
  // The steps that wait, in the order the boxes were left; false when one
  // refused a score (the rest are dropped).
  bool voerVerlatenUit(bool bNaarKlaar);
  void verlaatNaKlik();

  QPushButton *m_klaar = nullptr;
  QPushButton *m_vul = nullptr;
  std::vector<Verlaten> m_verlaten;
  bool m_bMuis = false; // a mouse button went down in the window, not yet up
};

} // namespace scoring
