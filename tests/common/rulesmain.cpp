// Runs every test class registered in a rules test program, without widgets.
#include "testsupport.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
  if (testing::asksForAList(argc, argv))
    return testing::runTestClasses(argc, argv);
  QCoreApplication app(argc, argv);
  return testing::runTestClasses(argc, argv);
}
