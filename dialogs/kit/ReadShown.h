// Reads whose outcome is never hidden. The framework's blocking read reports a failed reply or a
// time-out only through a hook no dialog sets, so a list or the values would look merely
// unchanged: RefreshShown shows the reason in the request's status output instead (a box without
// one), as an asynchronous read reports it. And two walks of one request must never fill a list
// together: EndRunningRead lets a running walk end before anything else starts on the request,
// and AwaitIdleForWrite lets it run to its end before a write.
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
