// A blocking read whose failure the dialog shows: the framework's blocking read reports a
// refused or timed-out read only by its result, so the error is put in the request's status
// output (a box without one), as an asynchronous read's failure would be.
#pragma once

class QsSNMPRequest2Controls;

namespace qs {

// Reads the request (Refresh); returns its result. A read that failed with an error shows that
// error (through reporter's status output when given, for a request that has none of its own);
// a read the inactive request did not send shows nothing. Exceptions pass on.
bool ReadReportingFailure(QsSNMPRequest2Controls& request, QsSNMPRequest2Controls* reporter = nullptr);

} // namespace qs
