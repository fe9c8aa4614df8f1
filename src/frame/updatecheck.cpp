#include "frame/updatecheck.h"

#include "frame/bas_vensters.h"
#include "frame/bas_zemlo.h"
#include "platform/clock.h"
#include "platform/download.h"
#include "platform/messagebox.h"
#include "platform/process.h"
#include "platform/textfile.h"

#include <QFile>
#include <QGuiApplication>
#include <QWidget>

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

// Gives the window back to the user after a failed update.
void goOn(const UpdateWindow &w) {
  w.window->setEnabled(true);
  ZetFocus(w.window, w.focusSink);
}

} // namespace

void checkForUpdate(const UpdateWindow &w) {
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
    if (platform::question(w.window, w.window->windowTitle(),
                           QStringLiteral("Er is een nieuwe versie van Zemlo.\n"
                                          "Wilt u de nieuwe versie downloaden en installeren?"))) {
      ZetFocus(w.window, w.focusSink);
      HaalNieuweVersie(w);
    }
  }
  ZetFocus(w.window, w.focusSink);
}

void HaalNieuweVersie(const UpdateWindow &w) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  w.window->setEnabled(false);
  makeUpdateFolder();
  const QString setup = Pad(kSetupFile);
  QFile::remove(setup);
  const int result =
      platform::downloadFile(platform::serverUrl(QStringLiteral("/ZEMLO/zemloupdate.exe")), setup);
  QGuiApplication::restoreOverrideCursor();
  if (result != 0) {
    platform::information(w.window, w.window->windowTitle(), Tekst(115));
    goOn(w);
    return;
  }

  // Told first, then marked as fetched, then the setup program starts with
  // the program folder as one argument, in the program folder, and the
  // program ends. A setup program that does not start leaves the mark as it
  // was, so that the update is offered again later, and the program goes on.
  w.window->setEnabled(true);
  platform::information(w.window, w.window->windowTitle(), Tekst(117));
  const QString marker = Pad(kMarkerFile);
  QFile oud(marker);
  const bool hadMarker = oud.open(QIODevice::ReadOnly);
  const QByteArray oudeMarker = hadMarker ? oud.readAll() : QByteArray();
  oud.close();
  const bool marked = platform::writeTextLines(marker, {DatumTekst(platform::today())});
  if (!marked)
    platform::information(w.window, w.window->windowTitle(), TekstMet(181, kMarkerFile));
  const bool executable =
      QFile::setPermissions(setup, QFile::permissions(setup) | QFile::ExeOwner | QFile::ExeUser |
                                       QFile::ExeGroup | QFile::ExeOther);
  const bool started =
      executable &&
      platform::startDetached(setup, {QStringLiteral("/p=") + sProgrammaMap}, sProgrammaMap);
  if (!started) {
    if (marked && hadMarker)
      platform::writeBytes(marker, oudeMarker);
    else if (marked)
      QFile::remove(marker);
    platform::information(w.window, w.window->windowTitle(), Tekst(115));
    goOn(w);
    return;
  }
  if (w.endProgram)
    w.endProgram();
}
