#pragma once
// The check for a newer version on the maker's web server, and the fetch and
// start of its setup program.
#include <functional>

class QWidget;

// What the update check needs of the window it runs in: the window, which
// owns its message boxes and is disabled while the setup program comes; the
// control that takes the focus back; and the end of the program.
struct UpdateWindow {
  QWidget *window = nullptr;
  QWidget *focusSink = nullptr;
  std::function<void()> endProgram;
};

// Compares the date of the newest version on the server with the date of the
// last setup program fetched here, and offers the new one once per run. The
// last step of the main window's activation while on line.
void checkForUpdate(const UpdateWindow &w);

// Fetches the setup program, starts it with the program folder and ends the
// program; when either fails the user is told and the program goes on.
void HaalNieuweVersie(const UpdateWindow &w);
