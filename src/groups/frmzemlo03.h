#pragma once
// The groups window: composes the pairs of an evening from a names file and
// saves, reloads, deletes and prints group files.
#include "frame/window.h"
#include "groups/groepbestand.h"
#include "groups/samenstelling.h"
#include "platform/grid.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
namespace platform {
class GridView;
}

class frmZemlo03 : public ZemloWindow {
  Q_OBJECT
public:
  frmZemlo03();
  void Form_Load() override;
  void Form_Activate() override;

  QGroupBox *fraNamenBestanden;
  QListWidget *lstNamenBestand;
  QCheckBox *chkSorteerNamen;
  QPushButton *cmdWisNamen;
  QGroupBox *fraGroepBestanden;
  QListWidget *lstGroepBestand;
  QCheckBox *chkSorteerGroepen;
  QPushButton *cmdWisGroepen;
  platform::GridView *msfgNamen;
  platform::GridModel namen;
  std::array<QLabel *, 2> lblNaamNummer;
  std::array<QLabel *, 2> lblNaam; // the two slots
  platform::GridView *msfgGroepen;
  platform::GridModel groepen;
  QLabel *lblAanTalParen;
  QLabel *lblKanNiet;
  QLabel *lblNaamBestand;
  QLineEdit *txtNaamBestand; // the date
  QLabel *lblGroepLetter;
  QLineEdit *txtGroepLetter;
  QScrollBar *vscrGroepLetter;
  QPushButton *cmdToevoegen;
  QPushButton *cmdStilzitter;
  QPushButton *cmdMaakLeeg;
  QPushButton *cmdAfdrukken;
  QPushButton *cmdKalender;
  QPushButton *cmdOpslaan;
  QPushButton *cmdTerug;

  // What the window works on: the names file read, the slots, the group.
  groups::Samenstelling samenstelling;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void sluitVerzoek(Sluiten hoe) override;

private:
  void VulNamenBestanden();
  void VulGroepBestanden();
  void MaakGroepLeeg();
  void leesNamen();
  void toon();

  void cmdTerug_Click();
  bool laatGroepGaan();
  void lstNamenBestand_Click();
  void msfgNamen_Click(int row);
  void lblNaam_Click(int index);
  void cmdToevoegen_Click();
  void cmdStilzitter_Click();
  void msfgGroepen_Click(int row);
  void cmdMaakLeeg_Click();
  void vscrGroepLetter_Change(int value);
  void cmdKalender_Click();
  bool cmdOpslaan_Click(); // true when the group was saved
  void lstGroepBestand_Click();
  void cmdWisGroepen_Click();
  void cmdWisNamen_Click();
  void cmdAfdrukken_Click();

  QVector<groups::LijstBestand> m_namenBestanden;
  QVector<groups::LijstBestand> m_groepBestanden;
  QString m_namenBestand; // the names file read, as listed; "" none
  QString m_groepBestand; // the group file chosen in its list; "" none
  bool m_laden = false;

  QPushButton *cmdSetfocus;
};
