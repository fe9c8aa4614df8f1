#pragma once
// The start of the program, from its folder to the end of its event loop.

// Takes the program folder for this run, shows the main window and runs the
// event loop; the exit code. A second copy on a folder that a running Zemlo
// of this computer holds says so and ends without touching a file; a lock of
// another computer is taken over only when the director says Yes (No ends
// the same way); a lock file that cannot be removed is named before the
// program ends; and a program that ends while it starts (Yes to the update
// question) ends without a loop. A save beyond a file-size limit fails and is
// reported rather than ending the program. QApplication must exist.
int StartZemlo();
