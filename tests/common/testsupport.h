#pragma once
// What every test program shares: registration of test classes and a fresh
// program folder with the shared state reset.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace testing {

int addTestClass(const QMetaObject *meta, std::function<QObject *()> make);
// Runs the registered classes with QtTest's arguments; 0 when all passed.
// Without test function names every class runs; with names, each class that
// has one of them runs those alone, and a name that no class has fails
// before any test runs. "-class NAME" (as often as wanted) runs only the
// classes named, the names then chosen among their functions; a class that
// the program lacks fails before any test runs. -functions lists the
// functions of every class (of the classes named), -classes the names of the
// classes, one a line. A file that -o names holds the results of every class
// that ran (JUnit XML as one document of one <testsuite> a class).
int runTestClasses(int argc, char *argv[]);
// Whether the arguments ask only for a list (-classes, -functions): then
// runTestClasses needs no application object.
bool asksForAList(int argc, char *argv[]);

// Runs `end` once the test class that runs now has ended, after its
// cleanupTestCase: for what the cases of one class share, such as a test
// server started for the first case that needs it.
void atClassEnd(std::function<void()> end);

// A temporary program folder, made the program folder while it lives; the
// shared state is reset to what it is at program start.
class ProgramFolder {
public:
  ProgramFolder();
  // A program folder whose own name begins with naam: a folder name with a
  // ";" or a blank, say.
  explicit ProgramFolder(const QString &naam);
  ~ProgramFolder();
  QString path(const QString &relative = QString()) const;
  void write(const QString &relative, const QByteArray &bytes) const;
  QByteArray read(const QString &relative) const;
  bool exists(const QString &relative) const;

private:
  QTemporaryDir m_dir;
};

// While it lives, no file of this process can grow beyond `bytes` bytes: a
// write past that fails with EFBIG, as on a full disk (RLIMIT_FSIZE, with
// SIGXFSZ ignored so that the write fails instead of ending the process).
// Files that exist can still be read, and files can be created and renamed.
class FullDisk {
public:
  explicit FullDisk(long long bytes = 0);
  ~FullDisk();
  FullDisk(const FullDisk &) = delete;
  FullDisk &operator=(const FullDisk &) = delete;
  bool isActive() const { return m_active; }

private:
  bool m_saved = false;
  bool m_active = false;
  unsigned long long m_oldSoft = 0;
  void (*m_oldHandler)(int) = nullptr;
};

// The shared state and the stand-ins' answers as at program start, except
// that the on-line test answers "off line".
void resetSharedState();

// Runs posted deletions so that closed windows are gone.
void flushDeletes();

// A schema file that fits an evening of the pairs and rounds its file name
// begins with ("08 Paren 06 Ronden X.txt", a folder before it allowed):
// every round pairs 1-2, 3-4, ... at its tables, all on the round's boards.
QByteArray passendSchema(const QString &naam);

// Every text of 1 to lengte characters of tekens, shortest first.
QStringList AlleTeksten(const QString &tekens, int lengte);

} // namespace testing

#define ZEMLO_TEST_CLASS(Class)                                                                    \
  static const int zemloTestRegistration_##Class =                                                 \
      ::testing::addTestClass(&Class::staticMetaObject, []() -> QObject * { return new Class; });
