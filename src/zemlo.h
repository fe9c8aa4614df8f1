#pragma once
// The start of the program, from its folder to the end of its event loop.

// Takes the program folder for this run, shows the main window and runs the
// event loop; the exit code. A second copy on a folder that a running Zemlo
// holds says so and ends without touching a file, and a program that ends
// while it starts (Yes to the update question) ends without a loop. A save
// beyond a file-size limit fails and is reported rather than ending the
// program. QApplication must exist.
int StartZemlo();
