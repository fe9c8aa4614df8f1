#include "platform/busy.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QVector>
#include <QWidget>

#include <thread>
#include <utility>

namespace platform {

namespace {

int gBusy = 0;
bool gTransfer = false;

// The windows that were enabled, which are enabled again at the end, each
// with the control that had its focus.
struct Window {
  QPointer<QWidget> window;
  QPointer<QWidget> focus;
};
QVector<Window> gWindows;
bool gCursor = false;

// Drops what a person does to the program (keys, clicks, the close box)
// while it is installed.
class InputBlocker : public QObject {
public:
  InputBlocker() { QCoreApplication::instance()->installEventFilter(this); }
  ~InputBlocker() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
  bool eventFilter(QObject *, QEvent *event) override {
    switch (event->type()) {
    case QEvent::Close:
      event->ignore();
      return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
    }
  }
};

} // namespace

Busy::Busy() {
  if (gBusy++ > 0 || !qobject_cast<QApplication *>(QCoreApplication::instance()))
    return;
  gWindows.clear();
  for (QWidget *w : QApplication::topLevelWidgets())
    if (w->isEnabled())
      gWindows.append(Window{w, w->focusWidget()});
  for (const Window &w : std::as_const(gWindows))
    w.window->setEnabled(false);
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  gCursor = true;
}

Busy::~Busy() {
  if (--gBusy > 0)
    return;
  // Disabling took the focus away; it goes back where it was, unless the
  // program has put it elsewhere meanwhile.
  for (const Window &w : std::as_const(gWindows)) {
    if (!w.window)
      continue;
    w.window->setEnabled(true);
    if (w.focus && !w.window->focusWidget() && w.focus->isVisible() && w.focus->isEnabled())
      w.focus->setFocus(Qt::OtherFocusReason);
  }
  gWindows.clear();
  if (gCursor)
    QGuiApplication::restoreOverrideCursor();
  gCursor = false;
}

void runWhilePainting(const std::function<void()> &work) {
  QCoreApplication *app = QCoreApplication::instance();
  if (!app || QThread::currentThread() != app->thread() || gTransfer) {
    work();
    return;
  }
  const Busy busy;
  gTransfer = true;
  {
    QEventLoop loop;
    const InputBlocker blocker;
    std::thread worker([&] {
      // An exception must not end the program from the worker thread; the
      // transfer then counts as failed by what work() left in its results.
      try {
        work();
      } catch (...) {
      }
      QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
  }
  gTransfer = false;
}

} // namespace platform
