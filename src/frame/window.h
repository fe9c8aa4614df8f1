#pragma once
// The protocol every window follows. A window exists once, is created when it
// is first shown and deletes itself in its closing step. Its opener disables
// itself while it is open; the closing step (Back, Escape, the close box)
// saves what the window owns, enables the opener again and runs the opener's
// Form_Activate. Form_Activate runs after the first show and when a window
// that this one opened closes, never on a switch between programs.
//
// The window sees the keys typed in any of its controls before the control
// does. Escape (when pressed, never on its release), Ctrl+F4 in the windows
// that take it, and the close box of an enabled window each become one
// closing request, which the window turns into its closing step.
#include <QPointer>
#include <QWidget>
#include <functional>

class QKeyEvent;

class ZemloWindow : public QWidget {
  Q_OBJECT
public:
  explicit ZemloWindow(const QString &name, QWidget *parent = nullptr);
  ~ZemloWindow() override;

  void setOpener(ZemloWindow *opener) { m_opener = opener; }

  virtual void Form_Load() {}
  virtual void Form_Activate() {}

  // The one closing step; runs once.
  void closeWindow();
  bool isClosing() const { return m_closing; }

  // How the director asked the window to close.
  enum class Sluiten { Escape, CtrlF4, SluitKnop };

protected:
  // Saves, hands back to the opener and unloads; windows with more to do on
  // closing override it and call the helpers below.
  virtual void Form_QueryUnload();
  // A closing request; the closing step by default. A window whose Back
  // button does more than close (it saves, or clears a choice) runs that.
  virtual void sluitVerzoek(Sluiten hoe);
  // Ctrl+F4 closes this window too.
  void sluitOokMetCtrlF4() { m_ctrlF4 = true; }
  // Other keys typed anywhere in the window, before its controls see them;
  // true when handled.
  virtual bool Form_KeyDown(QKeyEvent *event);

  // Enables the window given (the opener by default) and runs its activation.
  void returnTo(ZemloWindow *window);
  void returnToOpener() { returnTo(m_opener); }
  // Hides and deletes the window.
  void unload();

  void closeEvent(QCloseEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // The open window this one waits on while disabled: the window it opened,
  // or the one that window waits on in turn.
  ZemloWindow *wachtOp() const;
  // Sees the events of a widget of the window and of every widget added to it.
  void volg(QObject *object);
  bool venstertoets(QKeyEvent *event);

  QPointer<ZemloWindow> m_opener;
  bool m_closing = false;
  bool m_ctrlF4 = false;
  struct LastKey {
    const QEvent *event = nullptr;
    QPointer<QWidget> receiver;
    int key = 0;
    Qt::KeyboardModifiers modifiers;
  } m_lastKey;
};

// Windows by class name. A library registers the windows it builds; a window
// that is not registered cannot be opened yet.
using WindowFactory = std::function<ZemloWindow *()>;
void registerWindow(const QString &name, WindowFactory factory);
bool isWindowRegistered(const QString &name);

// What a window is handed when it is made, before it loads: the values it
// shows, given by the window that opens it.
using WindowValues = std::function<void(ZemloWindow *)>;

// Opens a window from another: the opener disables itself, iVanForm is set
// when vanForm is 0 or more, the window is made and handed its values, loads,
// shows and activates. Returns nullptr and changes nothing when the window is
// not registered.
ZemloWindow *openWindow(const QString &name, ZemloWindow *opener, int vanForm = -1,
                        const WindowValues &values = {});
// Creates, loads, shows and activates a window that no other window opens.
ZemloWindow *showWindow(const QString &name, ZemloWindow *opener = nullptr,
                        const WindowValues &values = {});
