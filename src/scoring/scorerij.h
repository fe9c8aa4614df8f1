#pragma once
// One row of score boxes, as both entry windows have them: the North-South
// and the East-West box of a table (per board) or of a board (per round), and
// the labels that take the row's colour. The row shows its model, the
// row's RijInvoer, filters the keys typed into its boxes, moves the focus
// with the caret at the end, and hands ENTER, the arrows, the letter C, what
// was typed and the focus coming and going to its window.
#include "scoring/scoreinvoer.h"

#include <QLineEdit>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace scoring {

class ScoreRij;
class ScoreRijen;

// A score box: it passes its keys and focus changes to its row.
class ScoreVak : public QLineEdit {
  Q_OBJECT
public:
  ScoreVak(QWidget *parent, ScoreRij *rij, bool ow);

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  ScoreRij *m_rij;
  bool m_ow;
};

// How a window's rows look and what their boxes take.
struct ScoreRijOpmaak {
  // The characters each box takes, typed or pasted: a paste (Ctrl+V,
  // Shift+Insert, the middle button) or a drop that holds any other
  // character is refused whole.
  QString tekensNZ;
  QString tekensOW;
  int maxLengte = 0; // characters a box holds at most; 0 no limit
  std::uint32_t normaal = 0xFFFFFF;
  std::uint32_t huidig = 0xFFC0C0;      // the row that has the focus
  std::uint32_t nietSpelend = 0xFFFFFF; // a row that takes no part
  std::optional<std::uint32_t> tekst;   // the text colour, when not the style's
};

class ScoreRij : public QObject {
  Q_OBJECT
public:
  ScoreRij(ScoreRijen *rijen, QWidget *parent, int index, const ScoreRijOpmaak &opmaak);

  int index() const { return m_index; }
  ScoreVak *const txtScoreNZ;
  ScoreVak *const txtScoreOW;

  // A label that takes the row's colour and is enabled with it.
  void kleurMee(QWidget *w);

  // The model: what the boxes hold and whether the row takes part.
  const RijInvoer &invoer() const { return m_invoer; }
  bool speelt() const { return m_invoer.actief; }
  // Shows a row: its texts, the boxes and labels enabled while it takes part,
  // and its colour (the focus row's, a normal or a not playing row's).
  void toon(const RijInvoer &rij);
  // No row: empty, disabled, in the normal colour.
  void wis();
  // The colour of the row that has the focus, or back to normal; a row that
  // takes no part keeps its own.
  void toonHuidig(bool huidig);
  // One of the two boxes has the focus.
  bool heeftFocus() const;
  // The focus to a box with the caret behind its text. Events waiting are
  // not handled here: keys typed meanwhile reach the box once the step that
  // moved the focus has ended, in the order typed.
  void focusOp(bool ow);

  // Keys before the row's own handling (all but the arrows): true when the
  // window dealt with the key.
  std::function<bool(bool ow, QKeyEvent *event)> voorToets;

signals:
  void enter(bool ow);
  // Up (omlaag false) or Down.
  void pijl(bool ow, bool omlaag);
  // The letter C in the North-South box.
  void wisRij();
  // The director changed a box's text; the model holds it already.
  void gewijzigd(bool ow);
  // A box's text changed, by the director or by the window.
  void veranderd(bool ow);
  // A box took the focus, or lost it to another control of the window (not
  // to a message box or another program).
  void binnen(bool ow);
  void verlaten(bool ow);

private:
  friend class ScoreVak;
  // A key typed in a box; true when the row dealt with it.
  bool toets(bool ow, QKeyEvent *event);
  void kleur(std::uint32_t achter);

  ScoreRijen *m_rijen;
  int m_index;
  ScoreRijOpmaak m_opmaak;
  RijInvoer m_invoer{QString(), QString(), false};
  std::vector<QWidget *> m_labels;
};

// Before an entry window leaves a board or slip that holds scores Klaar has
// not taken: text 186 with Yes, No and Cancel. Yes runs neemOver, Klaar's
// step; true when the window may leave (No, or Yes and Klaar took them).
bool MagVerlaten(QWidget *venster, const std::function<bool()> &neemOver);
// After a save that failed on closing: text 187, true when the window is to
// close without saving.
bool SluitZonderOpslaan(QWidget *venster);

// The score rows of a window. They follow the focus together: the box that
// has the focus is left once, when the focus goes to another control, also
// when it goes there while a message box held it or the window was not
// active (the focus then comes back to the window on that other control).
class ScoreRijen : public QObject {
  Q_OBJECT
public:
  explicit ScoreRijen(QWidget *venster);

  // Makes row i with its boxes in parent.
  ScoreRij *voegToe(QWidget *parent, const ScoreRijOpmaak &opmaak);
  ScoreRij *rij(int i) const { return m_rijen.at(static_cast<size_t>(i)); }
  int aantal() const { return static_cast<int>(m_rijen.size()); }
  auto begin() const { return m_rijen.begin(); }
  auto end() const { return m_rijen.end(); }

  // From row i the focus goes to the same box of the row above (omlaag
  // false) or below: the nearest row that takes part, wrapping round.
  void naarBuur(int i, bool ow, bool omlaag);

private:
  friend class ScoreVak;
  struct Plek {
    ScoreRij *rij = nullptr;
    bool ow = false;
  };
  void binnen(ScoreRij *rij, bool ow);
  void verlaten(ScoreRij *rij, bool ow);
  void laatGaan();
  void focusVeranderd(QWidget *oud, QWidget *nieuw);

  QWidget *m_venster;
  std::vector<ScoreRij *> m_rijen;
  Plek m_huidig; // the box that has or last had the focus and was not left yet
};

} // namespace scoring
