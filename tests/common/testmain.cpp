// Runs every test class registered in a window test program.
#include "testsupport.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  // A list is written without a screen, so that the build can ask for it.
  if (testing::asksForAList(argc, argv))
    return testing::runTestClasses(argc, argv);
  QApplication app(argc, argv);
  return testing::runTestClasses(argc, argv);
}
