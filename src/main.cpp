#include "frame/bas_zemlo.h"
#include "frame/window.h"
#include "frame/windows.h"
#include "groups/windows.h"
#include "preparation/windows.h"
#include "publication/windows.h"
#include "rounds/windows.h"
#include "scoring/windows.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  BAS_Zemlo::sProgrammaMap = QCoreApplication::applicationDirPath();
  registerFrameWindows();
  registerGroupsWindows();
  registerPreparationWindows();
  registerScoringWindows();
  registerRoundsWindows();
  registerPublicationWindows();
  if (!showWindow(QStringLiteral("frmZemlo01")))
    return 1;
  return app.exec();
}
