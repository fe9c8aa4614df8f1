#pragma once
// Real message boxes in a window test: while it lives, every box the program
// shows is a real QMessageBox, which takes the focus from its window; each is
// closed by a key pressed on it, as a person would, and its text and icon
// are kept. And keys typed ahead, waiting in the event queue as the window
// system hands them over.
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <Qt>
#include <functional>

namespace platform {
class MessageAnswerer;
}
class QTimer;
class QWidget;

namespace testing {

class EchteBoxen {
public:
  // Each box is answered with the next key of the list, Enter once the list
  // has run out.
  explicit EchteBoxen(QList<Qt::Key> toetsen = {});
  ~EchteBoxen();
  EchteBoxen(const EchteBoxen &) = delete;
  EchteBoxen &operator=(const EchteBoxen &) = delete;

  QStringList teksten;             // the boxes shown, their texts as shown
  QList<QMessageBox::Icon> iconen; // and their icons
  // What the hand does when a box has shown, before it presses the key:
  // letting go of a mouse button it held, say.
  std::function<void()> voorToets;

private:
  void kijk();
  QList<Qt::Key> m_toetsen;
  QPointer<QMessageBox> m_beantwoord; // the box answered last, while it lives
  platform::MessageAnswerer *m_vorige;
  QTimer *m_timer;
};

// The window gets the focus back from the window system, as a window manager
// gives it after a box has closed; false when it did not become active.
bool activeer(QWidget *venster);

// What the hand does ahead, as the window system hands it over: each step
// waits in the event queue until an event loop takes it, a loop run inside
// a handler too (as the window system's queue is seen by every loop).
void inWachtrij(const std::function<void()> &stap);
// Keys typed ahead: each press and release goes to the control that has the
// focus when it is delivered, a button's Alt letter to its button. "~" is
// Enter.
void inWachtrij(QWidget *venster, const QString &toetsen, Qt::KeyboardModifiers mods = {});
void inWachtrij(QWidget *venster, Qt::Key toets, Qt::KeyboardModifiers mods = {});

} // namespace testing
