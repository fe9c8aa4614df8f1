// Runs every test class registered in the program.
#include "testsupport.h"

#include <QApplication>
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
} // namespace testing

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  int failures = 0;
  for (const auto &make : testing::classes()) {
    std::unique_ptr<QObject> test(make());
    failures += QTest::qExec(test.get(), argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
