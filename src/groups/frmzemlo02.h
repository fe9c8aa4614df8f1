#pragma once
// The names window: opens, edits, sorts, saves and deletes the names files.
#include "frame/window.h"
#include "groups/namenbestand.h"
#include "groups/nameninvoer.h"
#include "groups/namenlijst.h"
#include "platform/grid.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
namespace platform {
class GridView;
}

class frmZemlo02 : public ZemloWindow {
  Q_OBJECT
public:
  frmZemlo02();
  void Form_Load() override;
  void Form_Activate() override;

  QGroupBox *fraInvoer;
  std::array<QLabel *, 3> lblNaam;
  std::array<QLineEdit *, 3> txtNaam; // first name, last name, e-mail address
  std::array<QCheckBox *, 2> chkTitel;
  QLabel *lblTitel;
  QPushButton *cmdToevoegen;
  QLabel *lblNaamBestand;
  QLineEdit *txtNaamBestand;
  QPushButton *cmdOpslaan;
  QGroupBox *fraNamenBestand;
  QListWidget *lstNamenBestand;
  QCheckBox *chkSorteer;
  QPushButton *cmdWissen;
  QPushButton *cmdTerug;
  platform::GridView *msfgNamen;
  platform::GridModel namen; // shows m_lijst: header, players, one empty row

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void sluitVerzoek(Sluiten hoe) override;

private:
  void VulNamenBestanden();
  void cmdTerug_Click();
  bool laatLijstGaan();
  bool naamGetypt() const;
  void NummerNamen();
  void toonLijst();
  void lstNamenBestand_Click();
  void cmdToevoegen_Click();
  void chkTitel_Click(int index);
  void txtNaam_Change();
  void toonInvoer();
  bool txtNaam_KeyPress(int index, QKeyEvent *event);
  bool txtNaam_KeyDown(int index, QKeyEvent *event);
  void txtNaam_KeyUp(int index);
  void txtNaam_Edited(int index);
  void msfgNamen_Click(int row, int col);
  void sorteerOpKolom(int col);
  bool cmdOpslaan_Click(); // true when the list was saved
  void cmdWissen_Click();
  void txtNaamBestand_Edited();
  bool txtNaamBestand_KeyPress(QKeyEvent *event);

  // The focus to a box with the caret behind its text. Events waiting are
  // not handled here: keys typed meanwhile follow once the step has ended.
  void focusAanEind(QLineEdit *box);
  void meldVerboden(const QString &tekens, QLineEdit *terug);
  void meldNietTeBewaren(const QString &teken, QLineEdit *terug);
  void meld(const QString &tekst, QLineEdit *terug);
  void leegRaster();
  QString caption() const { return windowTitle(); }

  groups::NamenLijst m_lijst;   // the list opened or being made
  groups::NamenInvoer m_invoer; // the title hint and Add
  QVector<groups::LijstBestand> m_bestanden;
  QString m_keuze; // the file of the list entry chosen last; "" none
  std::array<QString, 3> m_vorige;
  QString m_vorigeBestand;

  QPushButton *cmdSetfocus;
};
