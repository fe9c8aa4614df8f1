// Runs every test class registered in a rules test program, without widgets.
#include "testsupport.h"

#include <QCoreApplication>
#include <QTest>
#include <memory>

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  return testing::runTestClasses(argc, argv);
}
