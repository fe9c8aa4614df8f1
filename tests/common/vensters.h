#pragma once
// The windows of the program as a window test finds them.
#include "frame/window.h"

#include <QApplication>
#include <QString>

// The live instance of a window: the one of that name that is open and not
// closing; nullptr when there is none.
inline ZemloWindow *findWindow(const QString &name) {
  for (QWidget *widget : QApplication::topLevelWidgets()) {
    auto *window = qobject_cast<ZemloWindow *>(widget);
    if (window && window->objectName() == name && !window->isClosing())
      return window;
  }
  return nullptr;
}
