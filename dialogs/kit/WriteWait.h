// Dialogs that must know when a write has ended: the set hook raises the dialog's walk gate, and
// the handler that sent the SET waits for that inside itself, processing every message (user
// input included, so Stop and the SNMP event pump keep working), then reads the table again.
// The wait ends early when the dialog closes; nothing of the dialog's requests is used after.
#pragma once

#include "QsSNMPRequest2Controls.h"

#include <functional>

namespace qs {

class WalkGate;

// How long a reply to request can take at most: its time-out for every try, and some slack.
int ReplyWaitMs(const QsSNMPRequest& request);

// Returns whether done() holds; false when ended() became true first or the time was up.
bool WaitForReply(const std::function<bool()>& done, const std::function<bool()>& ended, int maxMs);

// The set hook: a refused write is shown as the framework shows one (a message box), then the
// gate is raised.
QsSNMPDoneEvent RaisingSetHook(WalkGate& gate);

// One SET of the collected values (no read after it) through an active request; sent() runs
// once it is on its way (clearing the editors); then the reply is waited for and the table is
// walked again. Returns at once, without a walk, when closing() holds during the wait. An
// exception passes on.
void WriteThenWalk(QsSNMPRequest2Controls& request, WalkGate& gate, const std::function<void()>& sent,
                   const std::function<bool()>& closing);

// Lets the reply in flight of a stopped walk (or write) come back before a new walk starts, so
// that it cannot carry on inside the new one. Returns false when ended() became true meanwhile.
bool EndRunningOperation(const QsSNMPRequest2Controls& request, const std::function<bool()>& ended);

} // namespace qs
