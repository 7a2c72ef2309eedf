#include "BlockingRead.h"

#include "FailureReport.h"
#include "QsSNMPRequest2Controls.h"

namespace qs {

bool ReadReportingFailure(QsSNMPRequest2Controls& request, QsSNMPRequest2Controls* reporter) {
    const std::uint64_t before = request.Request.GetErrorSequence();
    const bool ok = request.Refresh();
    if (!ok && request.Request.GetErrorSequence() != before) {
        QsSNMPError error = request.Request.LastError;
        ReportReadFailure(reporter ? reporter : &request, &error);
    }
    return ok;
}

} // namespace qs
