#include "frame/updatecheck.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "platform/clock.h"
#include "platform/download.h"
#include "platform/messagebox.h"
#include "platform/process.h"
#include "platform/textfile.h"

#include <QFile>
#include <QGuiApplication>
#include <QPushButton>

using namespace BAS_Zemlo;

namespace {

const QString kVersionFile = QStringLiteral("Update/zemlo.txt");
const QString kSetupFile = QStringLiteral("Update/zemloupdate.exe");
const QString kMarkerFile = QStringLiteral("laatsteupdate.txt");
// The version file is fetched at every activation while on line: a slow
// server may hold the main window only this long.
constexpr long kVersionFileSeconds = 8;

void makeUpdateFolder() {
  QString folder = Pad(QStringLiteral("Update"));
  MaakPad(folder);
}

// The trimmed first line of a file that holds something, else "".
QString firstLine(const QString &path) {
  return BestandBestaat(path) == 1 ? platform::readFirstLine(path).trimmed() : QString();
}

// Gives the main window back to the user after a failed update.
void goOn(frmZemlo01 *frm) {
  frm->setEnabled(true);
  ZetFocus(frm, frm->cmdSetfocus);
}

} // namespace

void checkForUpdate(frmZemlo01 *frm) {
  if (bInternet != -1)
    return;
  makeUpdateFolder();
  // The old version file goes first, so that a failed fetch leaves none.
  const QString versionFile = Pad(kVersionFile);
  QFile::remove(versionFile);
  platform::downloadFile(platform::serverUrl(QStringLiteral("/ZEMLO/zemlo.txt")), versionFile,
                         kVersionFileSeconds);

  const QString serverText = firstLine(versionFile);
  const QString localText = firstLine(Pad(kMarkerFile));
  // Without a laatsteupdate.txt no question is ever asked; a text that is no
  // date (an error page, for instance) ends the check without a word.
  if (serverText.isEmpty() || localText.isEmpty())
    return;
  const std::optional<QDate> serverDate = LeesDatum(serverText);
  const std::optional<QDate> localDate = LeesDatum(localText);
  if (!serverDate || !localDate || *serverDate <= *localDate)
    return;

  if (bUpdateGevraagd == 0) {
    // Set before the question, so that no second question can come.
    bUpdateGevraagd = -1;
    if (platform::question(frm, frm->windowTitle(),
                           QStringLiteral("Er is een nieuwe versie van Zemlo.\n"
                                          "Wilt u de nieuwe versie downloaden en installeren?"))) {
      ZetFocus(frm, frm->cmdSetfocus);
      HaalNieuweVersie(frm);
    }
  }
  ZetFocus(frm, frm->cmdSetfocus);
}

void HaalNieuweVersie(frmZemlo01 *frm) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  frm->setEnabled(false);
  makeUpdateFolder();
  const QString setup = Pad(kSetupFile);
  QFile::remove(setup);
  const int result =
      platform::downloadFile(platform::serverUrl(QStringLiteral("/ZEMLO/zemloupdate.exe")), setup);
  QGuiApplication::restoreOverrideCursor();
  if (result != 0) {
    platform::information(frm, frm->windowTitle(), Tekst(115));
    goOn(frm);
    return;
  }

  // The setup program is started with the program folder as one argument,
  // in the program folder. Only a program that has started ends this one and
  // marks the update as fetched; otherwise the update is offered again later.
  const bool executable =
      QFile::setPermissions(setup, QFile::permissions(setup) | QFile::ExeOwner | QFile::ExeUser |
                                       QFile::ExeGroup | QFile::ExeOther);
  const bool started =
      executable &&
      platform::startDetached(setup, {QStringLiteral("/p=") + sProgrammaMap}, sProgrammaMap);
  if (!started) {
    platform::information(frm, frm->windowTitle(), Tekst(115));
    goOn(frm);
    return;
  }
  frm->setEnabled(true);
  platform::writeTextLines(Pad(kMarkerFile), {DatumTekst(platform::today())});
  platform::information(frm, frm->windowTitle(), Tekst(117));
  frm->beeindigProgramma();
}

void installUpdateCheck() {
  frmZemlo01::setActivationCheck(checkForUpdate);
  frmZemlo01::setDownloadAction(HaalNieuweVersie);
}
