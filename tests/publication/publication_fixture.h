#pragma once
// What the window tests of this folder share: a stand-in entry window that
// opens the result window, and an evening in a program folder.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "frame/window.h"
#include "mailfixture.h"
#include "platform/grid.h"
#include "platform/gridview.h"

#include <QStringList>

namespace venstertest {

// An entry window as the result window sees it: the grid msfgResultaat and
// the players lstVoorMail. It counts its activations.
class Invoer : public ZemloWindow {
  Q_OBJECT
  Q_PROPERTY(QStringList lstVoorMail MEMBER lstVoorMail)
public:
  explicit Invoer(const QString &name) : ZemloWindow(name) {
    msfgResultaat = new platform::GridView(this);
    msfgResultaat->setObjectName(QStringLiteral("msfgResultaat"));
    msfgResultaat->setModel(&grid);
  }
  void Form_Activate() override {
    ++activaties;
    vanFormBijActivatie = BAS_Zemlo::iVanForm;
  }

  QStringList lstVoorMail;
  platform::GridModel grid;
  platform::GridView *msfgResultaat;
  int activaties = 0;
  int vanFormBijActivatie = -1;
};

// Types a text key by key, letters beyond ASCII too (QTest::keyClicks
// knows only ASCII): each character as the key a keyboard gives for it.
void typ(QWidget *widget, const QString &tekst);

// Registers the stand-ins as frmZemlo06 and frmZemlo07.
void registreerInvoer();

// The ranked grid of an entry window: a header, `paren` pairs and a totals
// row, with two boards: rank, pair, board 1, board 2, total, percentage.
void vulUitslag(platform::GridModel &grid, int paren);

// The players of the evening as the entry windows list them.
QStringList spelers();

// The group 12-03-2024 Groep A with its .mail file (unless without), and
// standaard.ini with the own address and name (when given).
void schrijfAvond(const testing::ProgramFolder &folder, bool metMail = true,
                  const QString &adres = QString(), const QString &naam = QString());

} // namespace venstertest
