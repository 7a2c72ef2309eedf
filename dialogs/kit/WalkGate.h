// The walk gate of a table dialog: a flag that is down from the start of a walk (or a write that
// walks again) until the request's get hook reports that the walk ended, was stopped or failed.
// Refresh, the writes and, in some dialogs, closing refuse while it is down, each with the
// dialog's own wording; a dialog may also refuse while its request is busy.
#pragma once

#include "QsSNMPRequest2Controls.h"

#include <QString>
#include <functional>

namespace qs {

struct WalkGateConfig {
    // Shown when a write is refused ("Get data not complete", ...); writes are always gated.
    QString writeMessage;
    bool writesCheckBusy = true;
    // Refresh: not gated at all, refused silently, or refused with refreshMessage.
    enum class Refresh : std::uint8_t { Open, Silent, Message } refresh = Refresh::Silent;
    QString refreshMessage;
    bool refreshChecksBusy = false;
    // Closing is refused with closeMessage while the flag is down.
    bool closeGate = false;
    QString closeMessage;
    // Stop raises the flag at once instead of leaving that to the hook.
    bool stopRaises = false;
};

class WalkGate {
public:
    WalkGate(WalkGateConfig config, QsSNMPRequest2Controls* request);

    // The request whose busy flag and active flag the gate looks at.
    void Attach(QsSNMPRequest2Controls* request) { request_ = request; }
    bool Ready() const { return ready_; }
    // A walk or a write that is followed by a walk starts.
    void Begin() { ready_ = false; }
    // The walk ended, was stopped or failed; or an exception ended the operation.
    void Raise() { ready_ = true; }

    // Each shows the configured text and returns false when the operation must not run.
    bool AllowWrite() const;
    bool AllowRefresh() const;
    bool AllowClose() const;
    // Clears the request's active flag (a running walk ends after the reply in flight).
    void Stop();

    // The request's get hook: reports a failed read (status output), raises the flag, then
    // runs then (may be empty).
    QsSNMPDoneEvent Hook(std::function<void(QsSNMPError*)> then = {});

private:
    WalkGateConfig config_;
    QsSNMPRequest2Controls* request_;
    bool ready_ = false;
};

} // namespace qs
