#pragma once
// The result window: the ranking of the evening, published as an HTML page,
// printed, and mailed to every player whose address is known.
#include "frame/window.h"
#include "platform/grid.h"
#include "publication/mailinglijst.h"
#include "scoring/uitslag.h"

#include <QStringList>

class QFrame;
class QLabel;
class QPushButton;
namespace platform {
class GridView;
}

class frmZemlo08 : public ZemloWindow {
  Q_OBJECT
public:
  frmZemlo08();
  ~frmZemlo08() override;

  // What the entry window hands over before the window loads: the ranked
  // result and the players of the evening (its lstVoorMail).
  void neemUitslag(const scoring::Uitslag &uitslag, const QStringList &lstVoorMail);

  void Form_Load() override;
  void Form_Activate() override;

  // The players of the evening in the opener's order, and the usable lines
  // of the group's .mail file.
  QStringList lstWieMailen;
  QVector<publication::MailRegel> lstMailingList;
  platform::GridView *msfgResultaat;
  QFrame *picVerStuurDeMail;
  QLabel *lblVerstuurDeMail;
  QLabel *lblGeenAdressen;
  QPushButton *cmdMaakHTML;
  QPushButton *cmdAfdrukken;
  QPushButton *cmdVerstuur;
  QPushButton *cmdInstelling;
  QPushButton *cmdTerug;

protected:
  void Form_QueryUnload() override;

private:
  // Writes the page and fills the clipboard; silent: no question and no
  // closing message (the mailing's run). False when the page was not written.
  bool cmdMaakHTML_Click(bool bStil);
  void cmdAfdrukken_Click();
  void cmdVerstuur_Click();
  void cmdInstelling_Click();
  void toonUitslag();
  void leesMailBestand();
  void zetIndeling();
  void parkeer();

  int m_vanForm = 0; // iVanForm when the window loaded
  scoring::Uitslag m_uitslag;
  QStringList m_voorMail;

  // The group's .mail file was there; without it no address is known.
  bool bMailBestand = false;
  QString sHTMLMap;
  QString sHTMLBestand;

  platform::GridModel resultaat;
  QPushButton *cmdSetfocus;
};
