#include "ReadShown.h"

#include "FailureReport.h"
#include "QsSNMPRequest2Controls.h"
#include "RequestShutdown.h"

namespace qs {

bool RefreshShown(QsSNMPRequest2Controls& request, QsSNMPRequest2Controls* reporter) {
    const std::uint64_t before = request.Request.GetErrorSequence();
    const bool ok = request.Refresh();
    if (!ok && request.Request.GetErrorSequence() != before) {
        QsSNMPError error = request.Request.LastError;
        ReportReadFailure(reporter ? reporter : &request, &error);
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
