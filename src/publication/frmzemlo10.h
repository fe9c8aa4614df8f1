#pragma once
// The mail-settings-file window: fetches a fresh MAIL.TXT from the maker's
// web server and sends a test mail through the provider chosen.
#include "frame/window.h"

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmZemlo10 : public ZemloWindow {
  Q_OBJECT
public:
  frmZemlo10();
  ~frmZemlo10() override;

  void Form_Load() override;
  void Form_Activate() override;

  QLabel *lblInfo;
  QGroupBox *fraMailadres;
  QLabel *lblAdres;
  QLineEdit *txtEMailAdres;
  QLabel *lblProvider;
  std::array<QRadioButton *, 2> optProvider;
  QFrame *picVoorVerstuurDeMail;
  QLabel *picVerStuurDeMail;
  QLabel *lblVerstuurDeMail;
  QPushButton *cmdDownLoad;
  QPushButton *cmdOK;
  QPushButton *cmdTerug;

protected:
  void Form_QueryUnload() override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void cmdDownLoad_Click();
  void cmdOK_Click();
  void optProvider_Click(int index);
  void txtEMailAdres_Change();
  void VulPictureWit();
  void parkeer();
  // Text 181 for standaard.ini.
  void meldIniNietBewaard();

  QString m_adres; // the address box trimmed, as its last change left it

  QPushButton *cmdFocus;

  bool bGedownload = false; // MAIL.TXT was fetched in this window
  int iProvider = 0;        // the provider index stored when the window loaded
};
