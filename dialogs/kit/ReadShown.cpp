#include "ReadShown.h"

#include "FailureReport.h"
#include "QsSNMPRequest2Controls.h"
#include "RequestShutdown.h"

namespace qs {

// The driver shows a failed read itself: an asynchronous one always, a blocking one in its status
// output (unless an error hook takes it). What is left is another request's output, or a box for
// a blocking request without one.
bool RefreshShown(QsSNMPRequest2Controls& request, QsSNMPRequest2Controls* reporter) {
    const std::uint64_t before = request.Request.GetErrorSequence();
    const bool ok = request.Refresh();
    const bool shownByRead = request.Mode == RM_ASYNC || (request.StatusOutput && !request.Request.ErrorHook);
    if (!ok && request.Request.GetErrorSequence() != before && (reporter || !shownByRead)) {
        QsSNMPError error = request.Request.LastError;
        (reporter ? reporter : &request)->ShowReadFailure(error.message, request.Origin());
    }
    return ok;
}

bool EndRunningRead(QsSNMPRequest2Controls& request) {
    if (request.Busy && request.Mode == RM_ASYNC) {
        request.Request.Active = false;
        WaitUntil([&request] { return !request.Busy; }, RequestShutdown::kWaitMs);
        request.Request.Active = true;
    }
    return !request.Busy;
}

bool AwaitIdleForWrite(QsSNMPRequest2Controls& request) {
    if (!WaitUntil([&request] { return !request.Busy; }, RequestShutdown::kWaitMs)) {
        return false;
    }
    request.Request.Active = true;
    return true;
}

} // namespace qs
