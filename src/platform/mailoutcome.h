#pragma once
// What became of one mail handed to a server.

namespace platform {

// The error of a send from the transfer's own code (0: it ended well) and
// whether the server answered the end of the message's data with a 2xx
// reply: a message the server took counts as sent (0), however the
// connection ended after it; otherwise the transfer's code.
long mailError(long transferCode, bool accepted);

} // namespace platform
