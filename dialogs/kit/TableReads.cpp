#include "TableReads.h"

#include "QsSNMPRequest2Controls.h"
#include "RequestShutdown.h"

namespace qs {

bool ReadReported(QsSNMPRequest2Controls& request) {
    if (request.Refresh()) {
        return true;
    }
    request.LastOperation = 0;
    request.ShowStatus(request.Request.LastError.message);
    return false;
}

bool AwaitIdleForWrite(QsSNMPRequest2Controls& request) {
    if (!WaitUntil([&request] { return !request.Busy; }, RequestShutdown::kWaitMs)) {
        return false;
    }
    request.Request.Active = true;
    return true;
}

} // namespace qs
