#pragma once
// What the window tests of the entry per round share: a program folder with
// an evening's group, schema and results file, the main window started, and
// the entry window opened and driven by keys and clicks.
#include "common/testsupport.h"
#include "frame/frmzemlo01.h"
#include "platform/messagebox.h"
#include "rounds/frmzemlo07.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QStringList>

class QLineEdit;

namespace roundstest {

QByteArray fixture(const QString &name);

// The evenings the tests play: the Mitchell of six pairs, with or without
// pair six sitting out, two or four boards a round.
struct AvondOpzet {
  int stilzit = 0;
  int spellen = 2;
  QByteArray body; // the results file's lines after its header
};

class Program {
public:
  explicit Program(int taal = 10, const AvondOpzet &avond = {});
  ~Program();
  testing::ProgramFolder folder;
  platform::RecordingAnswerer boxes;
  frmZemlo01 *main = nullptr;

  // The group's name and the results file, relative to the program folder,
  // in the language of the program.
  QString groep() const;
  QString invoer() const;
  QByteArray header() const;
  // Opens the entry window from the main window, as the preparation window
  // hands over; nullptr when it did not stay open.
  frmZemlo07 *open();
  // The texts of the boxes shown since the last call, and forgets them.
  QStringList takeBoxes();

private:
  AvondOpzet m_avond;
};

// The score boxes of row i of an entry window, found by their names.
QLineEdit *vakNZ(const QWidget *w, int i);
QLineEdit *vakOW(const QWidget *w, int i);
void click(QWidget *w);
// Types text into a score box and presses Enter.
void typeEnter(QWidget *box, const QString &text);
// Types one score a row into the open slip, each followed by Enter.
void typeSlip(frmZemlo07 *w, const QStringList &scores);
// The texts of a grid row, joined by "|".
QString row(const platform::GridModel &grid, int r);
// The items of the missing list.
QStringList missing(const frmZemlo07 *w);

} // namespace roundstest
