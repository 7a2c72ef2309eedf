#include "ReadShown.h"

#include "FailureReport.h"
#include "QsSNMPRequest2Controls.h"
#include "RequestShutdown.h"

namespace qs {

bool RefreshShown(QsSNMPRequest2Controls& request) {
    const std::uint64_t before = request.Request.GetErrorSequence();
    const bool ok = request.Refresh();
    if (!ok && request.Request.GetErrorSequence() != before) {
        QsSNMPError error = request.Request.LastError;
        ReportReadFailure(&request, &error);
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

} // namespace qs
