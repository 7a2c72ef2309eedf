// Reads whose outcome is never hidden. The framework's blocking read shows a failed reply or a
// time-out only in the request's own status output, so a list or the values of a request without
// one would look merely unchanged: RefreshShown shows the reason in a box then, or in another
// request's status output, as an asynchronous read reports it. And two walks of one request must
// never fill a list together: EndRunningRead lets a running walk end before anything else starts
// on the request, and AwaitIdleForWrite lets it run to its end before a write.
#pragma once

class QsSNMPRequest2Controls;

namespace qs {

// Runs the request's Refresh; when it failed after asking the device, shows why (through
// reporter's status output when given, for a request that has none of its own). A request whose
// active flag is cleared sends nothing and shows nothing. Exceptions pass on. Returns Refresh's
// result.
bool RefreshShown(QsSNMPRequest2Controls& request, QsSNMPRequest2Controls* reporter = nullptr);

// When the request is busy with an asynchronous walk: clears its active flag, so the walk ends
// after the reply in flight, waits for that (processing messages, user input left queued,
// bounded), and sets the flag again. Returns whether the request is free.
bool EndRunningRead(QsSNMPRequest2Controls& request);

// Waits (processing messages, bounded) until a running walk has ended, then makes the request
// active, so that the next write is sent. False when the walk did not end in time: the caller
// must not write.
bool AwaitIdleForWrite(QsSNMPRequest2Controls& request);

} // namespace qs
