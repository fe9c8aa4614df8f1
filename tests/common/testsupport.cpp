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
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

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

// What the class that runs now leaves to be done when it ends.
std::vector<std::function<void()>> &classEnds() {
  static std::vector<std::function<void()>> ends;
  return ends;
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

// A file that QtTest's "-o file[,format]" names. QtTest writes it anew for
// every class it runs, so each class writes a part of its own and the parts
// are joined when all have run.
struct Output {
  qsizetype value = 0; // the option's value in the options
  QString file;
  QByteArray format; // "" when none is given
  QByteArray suffix; // ",format" when the option names it
  QStringList parts;
};

// QtTest's formats, as "-o" names them and as options of their own.
bool isFormat(const QByteArray &format) {
  static const QByteArrayList formats = {"txt",      "csv", "xunitxml", "junitxml",
                                         "lightxml", "xml", "teamcity", "tap"};
  return formats.contains(format);
}

// The value of "-o": the file and the format after its last comma, when that
// is one of QtTest's.
Output output(qsizetype value, const QByteArray &text, const QByteArrayList &options) {
  Output o;
  o.value = value;
  const qsizetype comma = text.lastIndexOf(',');
  const bool withFormat = comma >= 0 && isFormat(text.mid(comma + 1));
  o.file = QString::fromLocal8Bit(withFormat ? text.left(comma) : text);
  if (withFormat) {
    o.format = text.mid(comma + 1);
    o.suffix = text.mid(comma);
  } else {
    for (const QByteArray &option : options)
      if (option.startsWith('-') && isFormat(option.mid(1)))
        o.format = option.mid(1);
  }
  return o;
}

// The JUnit XML of the classes, one <testsuite> each, under one <testsuites>
// that holds their totals.
QByteArray joinJUnit(const QList<QByteArray> &parts) {
  QByteArray body;
  long long counts[4] = {0, 0, 0, 0};
  const char *names[4] = {"tests", "failures", "errors", "skipped"};
  double time = 0;
  for (QByteArray part : parts) {
    QXmlStreamReader reader(part);
    while (!reader.atEnd() && !reader.isStartElement())
      reader.readNext();
    if (reader.isStartElement()) {
      for (int k = 0; k < 4; ++k)
        counts[k] += reader.attributes().value(QLatin1String(names[k])).toLongLong();
      time += reader.attributes().value(QLatin1String("time")).toDouble();
    }
    if (part.startsWith("<?xml"))
      part = part.mid(part.indexOf('\n') + 1);
    if (!part.endsWith('\n'))
      part.append('\n');
    body += part;
  }
  QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<testsuites";
  for (int k = 0; k < 4; ++k)
    head += ' ' + QByteArray(names[k]) + "=\"" + QByteArray::number(counts[k]) + '"';
  head += " time=\"" + QByteArray::number(time, 'f', 3) + "\">\n";
  return head + body + "</testsuites>\n";
}

// Writes an output file from the parts of the classes that ran: JUnit XML as
// one document, any other format the parts one after another.
bool joinParts(const Output &o) {
  QList<QByteArray> parts;
  for (const QString &path : o.parts) {
    QFile part(path);
    if (part.open(QIODevice::ReadOnly))
      parts.append(part.readAll());
  }
  QFile f(o.file);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return false;
  const QByteArray bytes =
      o.format == "junitxml" || o.format == "xunitxml" ? joinJUnit(parts) : parts.join();
  return f.write(bytes) == bytes.size();
}

int runClass(const TestClass &c, const QByteArrayList &arguments) {
  std::vector<QByteArray> storage(arguments.begin(), arguments.end());
  std::vector<char *> argv;
  for (QByteArray &a : storage)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  std::unique_ptr<QObject> test(c.make());
  const int failed = QTest::qExec(test.get(), static_cast<int>(storage.size()), argv.data());
  test.reset();
  // Last asked, first done; an end may ask for another.
  while (!classEnds().empty()) {
    const std::function<void()> end = std::move(classEnds().back());
    classEnds().pop_back();
    end();
  }
  return failed;
}

} // namespace

int addTestClass(const QMetaObject *meta, std::function<QObject *()> make) {
  classes().append({meta, std::move(make)});
  return static_cast<int>(classes().size());
}

void atClassEnd(std::function<void()> end) { classEnds().push_back(std::move(end)); }

bool asksForAList(int argc, char *argv[]) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (argument == "-classes" || argument == "-functions")
      return true;
    if (argument == "-class" || takesValue(argument))
      ++i;
  }
  return false;
}

// QtTest runs one object at a time and ends the process when asked for its
// functions, so the names and the list are handled here: each class gets the
// options and the names of its own functions, and runs only when it has one
// of them or when no name was given.
int runTestClasses(int argc, char *argv[]) {
  QByteArrayList options{QByteArray(argv[0])};
  QByteArrayList names;
  QByteArrayList classNames;
  bool listFunctions = false;
  bool listClasses = false;
  for (int i = 1; i < argc; ++i) {
    const QByteArray argument(argv[i]);
    if (argument == "-functions") {
      listFunctions = true;
    } else if (argument == "-classes") {
      listClasses = true;
    } else if (argument == "-class") {
      if (i + 1 == argc) {
        std::fprintf(stderr, "%s: -class needs the name of a test class\n", argv[0]);
        return 1;
      }
      classNames.append(QByteArray(argv[++i]));
    } else if (argument.startsWith('-')) {
      options.append(argument);
      if (takesValue(argument) && i + 1 < argc)
        options.append(QByteArray(argv[++i]));
    } else {
      names.append(argument);
    }
  }

  // The classes that may run: those named, or all.
  QList<bool> chosen(classes().size(), classNames.isEmpty());
  for (const QByteArray &className : classNames) {
    bool found = false;
    for (qsizetype i = 0; i < classes().size(); ++i)
      if (className == classes()[i].meta->className()) {
        chosen[i] = true;
        found = true;
      }
    if (!found) {
      std::fprintf(stderr, "%s: no test class is named \"%s\" (-classes lists them)\n", argv[0],
                   className.constData());
      return 1;
    }
  }

  if (listClasses) {
    for (const TestClass &c : classes())
      std::printf("%s\n", c.meta->className());
    return 0;
  }
  if (listFunctions) {
    for (qsizetype i = 0; i < classes().size(); ++i)
      if (chosen[i])
        for (const QByteArray &name : testFunctions(*classes()[i].meta))
          std::printf("%s()\n", name.constData());
    return 0;
  }

  QList<QByteArrayList> own(classes().size());
  for (const QByteArray &name : names) {
    bool found = false;
    for (qsizetype i = 0; i < classes().size(); ++i)
      if (chosen[i] && testFunctions(*classes()[i].meta).contains(functionOf(name))) {
        own[i].append(name);
        found = true;
      }
    if (!found) {
      std::fprintf(stderr, "%s: no test class has the function \"%s\" (-functions lists them)\n",
                   argv[0], functionOf(name).constData());
      return 1;
    }
  }

  // Every output file but standard output gets a part from each class.
  QList<Output> outputs;
  for (qsizetype i = 1; i + 1 < options.size(); ++i)
    if (options[i] == "-o") {
      Output o = output(i + 1, options[i + 1], options);
      if (o.file != u"-")
        outputs.append(o);
    }
  QTemporaryDir partsDir;
  if (!outputs.isEmpty() && !partsDir.isValid()) {
    std::fprintf(stderr, "%s: no folder for the output of the test classes\n", argv[0]);
    return 1;
  }

  int failures = 0;
  for (qsizetype i = 0; i < classes().size(); ++i) {
    if (!chosen[i] || (!names.isEmpty() && own[i].isEmpty()))
      continue;
    for (qsizetype k = 0; k < outputs.size(); ++k) {
      Output &o = outputs[k];
      o.parts.append(partsDir.filePath(QStringLiteral("%1-%2").arg(k).arg(i)));
      options[o.value] = QFile::encodeName(o.parts.last()) + o.suffix;
    }
    failures += runClass(classes()[i], options + own[i]);
  }
  for (const Output &o : outputs)
    if (!joinParts(o)) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(o.file));
      ++failures;
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

ProgramFolder::ProgramFolder(const QString &naam)
    : m_dir(QDir::tempPath() + u'/' + naam + QStringLiteral("-XXXXXX")) {
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

QStringList AlleTeksten(const QString &tekens, int lengte) {
  QStringList uit;
  QStringList vorige{QString()};
  for (int n = 1; n <= lengte; ++n) {
    QStringList nieuw;
    for (const QString &t : vorige)
      for (const QChar c : tekens)
        nieuw.append(t + c);
    uit += nieuw;
    vorige = nieuw;
  }
  return uit;
}

void flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

} // namespace testing
