#include "frame/window.h"

#include "frame/bas_zemlo.h"

#include <QApplication>
#include <QChildEvent>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>

namespace {

struct Entry {
  WindowFactory factory;
  QPointer<ZemloWindow> instance;
};

QHash<QString, Entry> &registry() {
  static QHash<QString, Entry> r;
  return r;
}

} // namespace

ZemloWindow::ZemloWindow(const QString &name, QWidget *parent) : QWidget(parent, Qt::Window) {
  setObjectName(name);
  setWindowTitle(name);
  volg(this);
}

ZemloWindow::~ZemloWindow() = default;

void ZemloWindow::volg(QObject *object) {
  object->installEventFilter(this);
  for (QObject *child : object->children())
    if (child->isWidgetType())
      volg(child);
}

void ZemloWindow::closeWindow() {
  if (m_closing)
    return;
  m_closing = true;
  Form_QueryUnload();
}

void ZemloWindow::Form_QueryUnload() {
  returnToOpener();
  unload();
}

void ZemloWindow::sluitVerzoek(Sluiten) { closeWindow(); }

bool ZemloWindow::Form_KeyDown(QKeyEvent *) { return false; }

bool ZemloWindow::venstertoets(QKeyEvent *event) {
  const Qt::KeyboardModifiers toetsen =
      event->modifiers() &
      (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (event->key() == Qt::Key_Escape) {
    sluitVerzoek(Sluiten::Escape);
    return true;
  }
  if (m_ctrlF4 && event->key() == Qt::Key_F4 && toetsen == Qt::ControlModifier) {
    sluitVerzoek(Sluiten::CtrlF4);
    return true;
  }
  return Form_KeyDown(event);
}

void ZemloWindow::returnTo(ZemloWindow *window) {
  hide();
  if (!window)
    return;
  window->setEnabled(true);
  window->activateWindow();
  window->Form_Activate();
}

void ZemloWindow::unload() {
  hide();
  for (auto &entry : registry())
    if (entry.instance == this)
      entry.instance = nullptr;
  deleteLater();
}

void ZemloWindow::closeEvent(QCloseEvent *event) {
  // The close box is ignored while the window is disabled, and the closing
  // step deletes the window itself.
  event->ignore();
  if (isEnabled() && !m_closing)
    sluitVerzoek(Sluiten::SluitKnop);
}

ZemloWindow *ZemloWindow::wachtOp() const {
  for (const auto &entry : registry()) {
    ZemloWindow *w = entry.instance;
    if (w && w != this && w->m_opener == this && w->isVisible() && !w->m_closing) {
      ZemloWindow *verder = w->isEnabled() ? nullptr : w->wachtOp();
      return verder ? verder : w;
    }
  }
  return nullptr;
}

bool ZemloWindow::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::WindowActivate && watched == this && !isEnabled()) {
    // A window manager raises and activates a window clicked while it
    // waits disabled; the window that takes input comes back on top.
    if (ZemloWindow *w = wachtOp())
      QMetaObject::invokeMethod(
          w,
          [w] {
            w->raise();
            w->activateWindow();
          },
          Qt::QueuedConnection);
    return false;
  }
  if (event->type() == QEvent::ChildAdded) {
    QObject *child = static_cast<QChildEvent *>(event)->child();
    if (child->isWidgetType())
      volg(child);
    return false;
  }
  if (event->type() != QEvent::KeyPress) {
    if (event->type() == QEvent::KeyRelease)
      m_lastKey = {};
    return false;
  }
  auto *widget = qobject_cast<QWidget *>(watched);
  if (!widget || widget->window() != this || !isEnabled() || m_closing)
    return false;
  // A key that its control ignores travels on to the control's parents as
  // the same event; see it once. A new key may reuse the event's address, but
  // then it goes to the focus again, not to a parent of the last receiver.
  auto *key = static_cast<QKeyEvent *>(event);
  const bool travelling = event == m_lastKey.event && m_lastKey.receiver &&
                          widget->isAncestorOf(m_lastKey.receiver) && key->key() == m_lastKey.key &&
                          key->modifiers() == m_lastKey.modifiers;
  m_lastKey = {event, widget, key->key(), key->modifiers()};
  if (travelling)
    return false;
  if (venstertoets(key))
    return true;
  // An Alt letter that no enabled control took as its shortcut types
  // nothing, as on Windows: X11 gives it its letter as text, and a box would
  // take "o" from Alt+O pressed while Add is disabled. AltGr typing comes as
  // Ctrl+Alt and goes on.
  const Qt::KeyboardModifiers toetsen =
      key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  return toetsen == Qt::AltModifier && key->text().size() == 1 && key->text().at(0).isPrint();
}

void registerWindow(const QString &name, WindowFactory factory) {
  registry()[name].factory = std::move(factory);
}

bool isWindowRegistered(const QString &name) {
  return registry().contains(name) && registry()[name].factory;
}

ZemloWindow *showWindow(const QString &name, ZemloWindow *opener, const WindowValues &values) {
  auto it = registry().find(name);
  if (it == registry().end() || !it->factory)
    return nullptr;
  ZemloWindow *window = it->instance;
  const bool fresh = !window;
  if (fresh) {
    window = it->factory();
    it->instance = window;
    window->setOpener(opener);
    if (values)
      values(window);
    window->Form_Load();
    if (window->isClosing())
      return nullptr;
  }
  window->show();
  if (QGuiApplication::platformName() != QLatin1String("offscreen"))
    window->raise(); // the offscreen platform of the tests has no stacking
  window->activateWindow();
  window->Form_Activate();
  return window;
}

ZemloWindow *openWindow(const QString &name, ZemloWindow *opener, int vanForm,
                        const WindowValues &values) {
  if (!isWindowRegistered(name))
    return nullptr;
  if (opener)
    opener->setEnabled(false);
  if (vanForm >= 0)
    BAS_Zemlo::iVanForm = vanForm;
  return showWindow(name, opener, values);
}
