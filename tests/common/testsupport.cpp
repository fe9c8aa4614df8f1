#include "testsupport.h"

#include "frame/bas_zemlo.h"
#include "platform/online.h"
#include "platform/state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QTest>

#include <memory>

namespace testing {

static QList<std::function<QObject *()>> &classes() {
  static QList<std::function<QObject *()>> list;
  return list;
}

int addTestClass(std::function<QObject *()> make) {
  classes().append(std::move(make));
  return static_cast<int>(classes().size());
}

int runTestClasses(int argc, char *argv[]) {
  int failures = 0;
  for (const auto &make : classes()) {
    std::unique_ptr<QObject> test(make());
    failures += QTest::qExec(test.get(), argc, argv);
  }
  return failures == 0 ? 0 : 1;
}

void resetSharedState() {
  BAS_Zemlo::HerstelBeginstand();
  platform::resetState();
  // No test asks the machine's own network.
  platform::setOnlineAnswer(false);
}

ProgramFolder::ProgramFolder() {
  resetSharedState();
  BAS_Zemlo::sProgrammaMap = m_dir.path();
}

ProgramFolder::~ProgramFolder() {
  flushDeletes();
  resetSharedState();
  BAS_Zemlo::sProgrammaMap.clear();
}

QString ProgramFolder::path(const QString &relative) const {
  return relative.isEmpty() ? m_dir.path() : m_dir.path() + u'/' + relative;
}

void ProgramFolder::write(const QString &relative, const QByteArray &bytes) const {
  const QString p = path(relative);
  QDir().mkpath(QFileInfo(p).absolutePath());
  QFile f(p);
  if (f.open(QIODevice::WriteOnly))
    f.write(bytes);
}

QByteArray ProgramFolder::read(const QString &relative) const {
  QFile f(path(relative));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ProgramFolder::exists(const QString &relative) const {
  return QFileInfo::exists(path(relative));
}

void flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

} // namespace testing
