#pragma once
// What the window tests of this folder share: a stand-in entry window that
// opens the result window, and an evening in a program folder.
#include "common/testsupport.h"
#include "frame/bas_zemlo.h"
#include "frame/window.h"
#include "mailfixture.h"
#include "scoring/uitslag.h"

#include <QStringList>

namespace venstertest {

// An entry window as the result window sees it: the ranked result and the
// players lstVoorMail that it hands over. It counts its activations.
class Invoer : public ZemloWindow {
  Q_OBJECT
public:
  explicit Invoer(const QString &name) : ZemloWindow(name) {}
  void Form_Activate() override {
    ++activaties;
    vanFormBijActivatie = BAS_Zemlo::iVanForm;
  }

  QStringList lstVoorMail;
  scoring::Uitslag uitslag;
  int activaties = 0;
  int vanFormBijActivatie = -1;
};

// Types a text key by key, letters beyond ASCII too (QTest::keyClicks
// knows only ASCII): each character as the key a keyboard gives for it.
void typ(QWidget *widget, const QString &tekst);

// Registers the stand-ins as frmZemlo06 and frmZemlo07.
void registreerInvoer();

// The ranked result of an entry window: `paren` pairs of two boards, each
// with its place, its pair, its total and its percentage.
scoring::Uitslag uitslag(int paren);

// The players of the evening as the entry windows list them.
QStringList spelers();

// The group 12-03-2024 Groep A with its .mail file (unless without), and
// standaard.ini with the own address and name (when given).
void schrijfAvond(const testing::ProgramFolder &folder, bool metMail = true,
                  const QString &adres = QString(), const QString &naam = QString());

} // namespace venstertest
