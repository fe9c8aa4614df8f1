#include "frame/frmzemlo01.h"
#include "publication/mailtxt.h"

void registerPublicationWindows() { frmZemlo01::setMailTxtReader(&LeesMailTxt); }
