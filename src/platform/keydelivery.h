#pragma once
// Delivery of key records as key events to the control that has the focus.
#include "platform/keys.h"

namespace platform {

// Sends the records in order as key presses and releases. Each record goes to
// the widget that has the focus when it is sent (the active window when no
// widget has it), with the Shift, Ctrl and Alt that earlier records hold down,
// so that a Tab moves the later keys on to the next control. Nothing is sent
// while no window of the program is active.
void sendKeyRecords(const QList<KeyRecord> &records);

} // namespace platform
