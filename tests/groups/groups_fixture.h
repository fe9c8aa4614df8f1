#pragma once
// What the window tests of this folder share: a program folder with the main
// window started in a language, and clicks on grid cells.
#include "common/testsupport.h"
#include "common/vensters.h"
#include "frame/frmzemlo01.h"
#include "platform/gridview.h"
#include "platform/messagebox.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace groupstest {

QByteArray fixture(const QString &name);

class Program {
public:
  // Starts the main window with taal.txt holding the language given.
  explicit Program(int taal);
  ~Program();
  testing::ProgramFolder folder;
  platform::RecordingAnswerer boxes;
  frmZemlo01 *main = nullptr;

  // Clicks a task button of the main window and returns the window it opened.
  template <class W> W *open(QWidget *button) {
    click(button);
    return findWindowAs<W>();
  }
  template <class W> static W *findWindowAs() {
    return qobject_cast<W *>(findWindow(W::staticMetaObject.className()));
  }
  static void click(QWidget *button);
  // The texts of the boxes shown since the last call, and forgets them.
  QStringList takeBoxes();
};

void clickCell(platform::GridView *view, int row, int col);
// The texts of a grid row from column first to last, joined by "|".
QString row(const platform::GridModel &grid, int r, int first = 0, int last = -1);

} // namespace groupstest
