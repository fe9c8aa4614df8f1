#pragma once
// The schema download window: the list of schemas that the maker's web server
// offers, by number of pairs, and the download of the schemas chosen.
#include "frame/window.h"
#include "preparation/schemalijst.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

class frmZemlo12 : public ZemloWindow {
  Q_OBJECT
public:
  frmZemlo12();
  ~frmZemlo12() override;

  void Form_Load() override;
  void Form_Activate() override;

  std::array<QLabel *, 2> lblInfo;
  QLineEdit *txtSchema;
  QScrollBar *vscrSchema;
  QGroupBox *fraSchema;
  QListWidget *lstOpInternet;
  QCheckBox *chkSelecteer;
  QPushButton *cmdDownLoad;
  QPushButton *cmdTerug;

protected:
  void sluitVerzoek(Sluiten hoe) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void vscrSchema_Change();
  void lstOpInternet_Click();
  void chkSelecteer_Click();
  void cmdDownLoad_Click();
  void cmdTerug_Click();
  // Download is enabled exactly while a name is selected.
  void zetDownLoad();
  // The check box offers to select all, or (deselecteer) to deselect all.
  void zetSelecteer(bool deselecteer);
  void parkeer();

  // The groups of the list file, the spinner's pair counts and what is shown.
  preparation::SchemaKeuze staat;

  QPushButton *cmdFocus;
};
