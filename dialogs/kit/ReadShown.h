// Reads whose outcome is never hidden. The framework's blocking read reports a failed reply or a
// time-out only through a hook no dialog sets, so a list or the values would look merely
// unchanged: RefreshShown shows the reason in the request's status output instead (a box without
// one), as an asynchronous read reports it. And two walks of one request must never fill a list
// together: EndRunningRead lets a running walk end before anything else starts on the request.
#pragma once

class QsSNMPRequest2Controls;

namespace qs {

// Runs the request's Refresh; when it failed after asking the device, shows why. A request whose
// active flag is cleared sends nothing and shows nothing. Exceptions pass on. Returns Refresh's
// result.
bool RefreshShown(QsSNMPRequest2Controls& request);

// When the request is busy with an asynchronous walk: clears its active flag, so the walk ends
// after the reply in flight, waits for that (processing messages, user input left queued,
// bounded), and sets the flag again. Returns whether the request is free.
bool EndRunningRead(QsSNMPRequest2Controls& request);

} // namespace qs
