#pragma once
// Holding the program while a transfer runs: its windows keep painting, but
// no control of any window can act.
#include <functional>

namespace platform {

// While one lives, every window of the program is disabled: no control can
// act by any means (keys, clicks, a screen reader's press, a click given by
// code), the buttons show it, and no window takes its close box. The mouse
// pointer is the hourglass. One made while another lives changes nothing.
// When the last one ends, the windows it disabled are enabled again, and the
// control that had the focus gets it back. A message box shown meanwhile,
// between transfers, can be answered.
class Busy {
public:
  Busy();
  ~Busy();
  Busy(const Busy &) = delete;
  Busy &operator=(const Busy &) = delete;
};

// Runs work on a thread of its own under a Busy, while the calling thread
// handles its events: the windows keep painting, and whatever is typed or
// clicked meanwhile is dropped, not kept for later. Work asked for by an
// event handled meanwhile runs at once on the calling thread instead, so
// that transfers never wait inside each other. Without an application, or
// off its thread, work runs at once.
void runWhilePainting(const std::function<void()> &work);

} // namespace platform
