#pragma once
// Runs the MAIL.TXT maker (tools/zemlo_mailtxt) with the options given.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace fixture {

struct MakerRun {
  int exitCode = -1;
  QString out;
  QString err;
};

inline MakerRun makeMailTxt(const QStringList &arguments) {
  QProcess process;
  process.start(QStringLiteral(ZEMLO_MAILTXT), arguments);
  MakerRun run;
  if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
    return run;
  run.exitCode = process.exitCode();
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

} // namespace fixture
