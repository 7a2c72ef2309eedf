// Reads and writes of table dialogs that must never fail silently: a blocking read that fails
// shows the request's error in its status output, and a write that meets a running walk waits
// for the walk to end, so the write is really sent and the list stays whole.
#pragma once

class QsSNMPRequest2Controls;

namespace qs {

// Reads the request; a failed read shows its error text through the status line. Returns
// whether it succeeded.
bool ReadReported(QsSNMPRequest2Controls& request);
// Waits (processing messages, bounded) until a running walk has ended, then makes the request
// active, so that the next write is sent. False when the walk did not end in time: the caller
// must not write.
bool AwaitIdleForWrite(QsSNMPRequest2Controls& request);

} // namespace qs
