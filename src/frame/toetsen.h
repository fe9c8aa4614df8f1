#pragma once
// Sending keystrokes, in the send-keys notation of sendkeys.h, to the control
// that has the focus.
#include <QString>

// Sends the keys of sToetsen to the control that has the focus. The keys are
// delivered before SendKeys returns, so bWachten has nothing left to wait for.
void SendKeys(const QString &sToetsen, bool bWachten = false);
