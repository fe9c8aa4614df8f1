// Runs every test class registered in a window test program.
#include "testsupport.h"

#include <QApplication>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  return testing::runTestClasses(argc, argv);
}
