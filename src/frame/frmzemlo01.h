#pragma once
// The main window: it sets up what every window shares and offers the tasks.
#include "frame/updatecheck.h"
#include "frame/window.h"

#include <QStringList>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

class frmZemlo01 : public ZemloWindow {
  Q_OBJECT
public:
  frmZemlo01();
  ~frmZemlo01() override;
  static frmZemlo01 *instance();

  void Form_Load() override;
  void Form_Activate() override;

  // Ends the program at once, without a question.
  void beeindigProgramma();
  // Whether the program was ended (also before the event loop ran).
  bool isBeeindigd() const { return m_ended; }
  // The window as the update check needs it: itself, its focus sink and the
  // end of the program.
  UpdateWindow updateWindow();

  QPushButton *cmdNamenInvoeren;
  QPushButton *cmdGroepenMaken;
  QPushButton *cmdInVoerScores;
  QPushButton *cmdSchema;
  QPushButton *cmdMAILTXT;
  QPushButton *cmdDownLoad;
  QPushButton *cmdAfsluiten;
  QLabel *lblZemlo;
  QLabel *lblCopyRight;
  QLabel *lblVersie;
  QLabel *picBack;
  QLabel *picZem;

  // The reader of MAIL.TXT, installed by the mail part of the program.
  static void setMailTxtReader(std::function<void(frmZemlo01 *)> reader);

signals:
  void programEnded();
  // The last step of activation while on line (the update check).
  void activatedOnLine();
  // The download button was pressed (the fetch of the setup program).
  void downloadRequested();

protected:
  void Form_QueryUnload() override;

private:
  void openTask(const QString &window, bool parkFocus, int vanForm = -1);
  bool m_ended = false;

  QPushButton *cmdSetfocus;
};
