#pragma once
// The e-mail settings window: the own address, the name that signs the mails
// and the mail server, kept in standaard.ini.
#include "frame/window.h"
#include "publication/mailinstelling.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmZemlo09 : public ZemloWindow {
  Q_OBJECT
public:
  frmZemlo09();
  ~frmZemlo09() override;

  void Form_Load() override;
  void Form_Activate() override;

  QLabel *lblWaarvoor;
  QLabel *lblInfo;
  QLabel *lblNaam;
  QLabel *lblProvider;
  QLineEdit *txtEMailAdres;
  QLineEdit *txtNaam;
  std::array<QRadioButton *, 2> optProvider;
  QPushButton *cmdOK;
  QPushButton *cmdTerug;
  QPushButton *cmdDownLoad;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void txtEMailAdres_Change();
  void txtNaam_Change();
  void optProvider_Click(int index);
  void cmdOK_Click();
  void cmdDownLoad_Click();

  QPushButton *cmdFocus;

  // What the boxes hold and the provider chosen last.
  publication::MailInstelling instelling;
};
