#pragma once
// Sending keystrokes, in the send-keys notation, to the control that has the focus.
#include <QString>

void SendKeys(const QString &sToetsen, bool bWachten = false);
