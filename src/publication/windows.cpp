#include "publication/windows.h"

#include "frame/bas_zemlo.h"
#include "frame/frmzemlo01.h"
#include "platform/messagebox.h"
#include "publication/mailtxt.h"

void LeesMailTxt(frmZemlo01 *frm) {
  if (const int tekst = LeesMailTxtBestand())
    platform::critical(frm, frm->windowTitle(), BAS_Zemlo::Tekst(tekst));
}

void registerPublicationWindows() { frmZemlo01::setMailTxtReader(&LeesMailTxt); }
