#pragma once
// The windows of this folder, and the main window's hook into them.
class frmZemlo01;

// Reads MAIL.TXT; a missing or damaged file gives its critical box, titled
// with the window's caption.
void LeesMailTxt(frmZemlo01 *frm);

void registerPublicationWindows();
