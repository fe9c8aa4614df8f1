#include "testsupport.h"

#include "frame/bas_zemlo.h"
#include "platform/online.h"
#include "platform/state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMetaMethod>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>

#include <sys/resource.h>

namespace testing {

namespace {

struct TestClass {
  const QMetaObject *meta;
  std::function<QObject *()> make;
};

QList<TestClass> &classes() {
  static QList<TestClass> list;
  return list;
}

// QtTest's options that take the next argument as their value.
bool takesValue(const QByteArray &option) {
  static const QByteArrayList withValue = {
      "-o",           "-eventdelay",   "-keydelay",     "-mousedelay", "-maxwarnings",
      "-perfcounter", "-minimumvalue", "-minimumtotal", "-iterations", "-median"};
  return withValue.contains(option);
}

// The functions that QtTest runs of a class, as it tells them: private
// slots without arguments that are no _data, init or cleanup function.
QByteArrayList testFunctions(const QMetaObject &meta) {
  QByteArrayList names;
  for (int i = 0; i < meta.methodCount(); ++i) {
    const QMetaMethod m = meta.method(i);
    const QByteArray name = m.name();
    if (m.methodType() != QMetaMethod::Slot || m.access() != QMetaMethod::Private ||
        m.parameterCount() != 0 || m.returnType() != QMetaType::Void || name.endsWith("_data") ||
        name == "initTestCase" || name == "cleanupTestCase" || name == "init" || name == "cleanup")
      continue;
    names.append(name);
  }
  return names;
}

// The function a command-line name asks for: "function" or "function:data tag".
QByteArray functionOf(const QByteArray &argument) {
  const qsizetype colon = argument.indexOf(':');
  return colon < 0 ? argument : argument.left(colon);
}

int runClass(const TestClass &c, const QByteArrayList &arguments) {
  std::vector<QByteArray> storage(arguments.begin(), arguments.end());
  std::vector<char *> argv;
  for (QByteArray &a : storage)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  std::unique_ptr<QObject> test(c.make());
  return QTest::qExec(test.get(), static_cast<int>(storage.size()), argv.data());
}

} // namespace

int addTestClass(const QMetaObject *meta, std::function<QObject *()> make) {
  classes().append({meta, std::move(make)});
  return static_cast<int>(classes().size());
}

// QtTest runs one object at a time and ends the process when asked for its
// functions, so the names and the list are handled here: each class gets the
// options and the names of its own functions, and runs only when it has one
// of them or when no name was given.
int runTestClasses(int argc, char *argv[]) {
  QByteArrayList options{QByteArray(argv[0])};
  QByteArrayList names;
  bool listFunctions = false;
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (argument == "-functions") {
      listFunctions = true;
    } else if (argument.startsWith('-')) {
      options.append(argument);
      if (takesValue(argument) && i + 1 < argc)
        options.append(QByteArray(argv[++i]));
    } else {
      names.append(argument);
    }
  }

  if (listFunctions) {
    for (const TestClass &c : classes())
      for (const QByteArray &name : testFunctions(*c.meta))
        std::printf("%s()\n", name.constData());
    return 0;
  }

  QList<QByteArrayList> own(classes().size());
  for (const QByteArray &name : names) {
    bool found = false;
    for (qsizetype i = 0; i < classes().size(); ++i)
      if (testFunctions(*classes()[i].meta).contains(functionOf(name))) {
        own[i].append(name);
        found = true;
      }
    if (!found) {
      std::fprintf(stderr, "%s: no test class has the function \"%s\" (-functions lists them)\n",
                   argv[0], functionOf(name).constData());
      return 1;
    }
  }

  int failures = 0;
  for (qsizetype i = 0; i < classes().size(); ++i)
    if (names.isEmpty() || !own[i].isEmpty())
      failures += runClass(classes()[i], options + own[i]);
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

FullDisk::FullDisk(long long bytes) {
  rlimit limit{};
  if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
    return;
  m_saved = true;
  m_oldSoft = limit.rlim_cur;
  m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  m_active = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FullDisk::~FullDisk() {
  if (!m_saved)
    return;
  rlimit limit{};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0) {
    limit.rlim_cur = static_cast<rlim_t>(m_oldSoft);
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  std::signal(SIGXFSZ, m_oldHandler == SIG_ERR ? SIG_DFL : m_oldHandler);
}

QByteArray passendSchema(const QString &naam) {
  const QStringList woorden = QFileInfo(naam).fileName().split(u' ');
  const int paren = woorden.value(0).toInt();
  const int ronden = woorden.value(2).toInt();
  QByteArray uit = "T\r\n";
  for (int r = 1; r <= ronden; ++r) {
    uit += QByteArray::number(r);
    for (int t = 1; 2 * t <= paren; ++t)
      uit += "\t" + QByteArray::number(2 * t - 1) + "- " + QByteArray::number(2 * t) + " (" +
             QByteArray::number(4 * r - 3) + "-" + QByteArray::number(4 * r) + ")";
    uit += "\r\n";
  }
  return uit;
}

void flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

} // namespace testing
