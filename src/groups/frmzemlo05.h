#pragma once
// The calendar: the director picks the date of an evening, handed back
// through sKalenderDatum.
#include "frame/window.h"

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

class frmZemlo05 : public ZemloWindow {
  Q_OBJECT
public:
  frmZemlo05();
  void Form_Load() override;
  void Form_Activate() override;

  std::array<QLabel *, 43> lblDatum{}; // 1 to 42
  std::array<QLabel *, 8> lblDag{};    // 1 to 7
  QComboBox *comMaand;
  QComboBox *comJaar;
  QPushButton *cmdOK;
  QPushButton *cmdTerug;
  QFrame *fraBackGround;

protected:
  void sluitVerzoek(Sluiten hoe) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;

private:
  void ToonDatum();
  void lblDatum_Click(int index);
  void kiesMaandOfJaar();
  void cmdOK_Click();
  void cmdTerug_Click();
  void zetCaption();

  QStringList m_maanden;
  std::array<int, 43> m_cellen{}; // the day each cell shows, 0 none
  bool bLaden = false;

  QPushButton *cmdFocus;

  int iDag = 1;
  int iMaand = 1;
  int iJaar = 2024;
  QString sDatum;
  QString cmdTerugTag;
};
