#pragma once
// The check for a newer version on the maker's web server, and the fetch and
// start of its setup program.
class frmZemlo01;

// Compares the date of the newest version on the server with the date of the
// last setup program fetched here, and offers the new one once per run. The
// last step of the main window's activation while on line.
void checkForUpdate(frmZemlo01 *frm);

// Fetches the setup program, starts it with the program folder and ends the
// program; when either fails the user is told and the program goes on.
void HaalNieuweVersie(frmZemlo01 *frm);

// Installs both into the main window (activation and the download button).
void installUpdateCheck();
