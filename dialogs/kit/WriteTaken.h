// The write of an add or edit sub-dialog: the sub-dialog closes only once the agent took the SET.
// A write that was not sent, that the agent refused or that got no reply leaves it open with what
// was typed, the reason shown as the request shows a refused write (a message box), so the user
// can correct it and send again.
#pragma once

#include <functional>

class QsSNMPRequest2Controls;

namespace qs {

// Runs send(), which starts one SET through request (blocking or through the event pump) and
// returns whether it was sent, then waits for the reply of an asynchronous one (processing
// messages, at most the request's time-out for every try and some slack; ended early when ended()
// holds, after which request is not touched). True when the agent took the write. The request's
// own set hook still runs, or, without one, the request shows the outcome as it always does.
bool WriteTaken(QsSNMPRequest2Controls& request, const std::function<bool()>& send,
                const std::function<bool()>& ended);

} // namespace qs
