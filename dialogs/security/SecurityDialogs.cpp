#include "SecurityDialogs.h"

#include "Agentsupportedupdatefiles.h"
#include "Currenttime.h"
#include "DialogEntry.h"
#include "Networktimeunit.h"
#include "Smtpcontorlunit.h"
#include "Summertimeunit.h"
#include "Systemlogserverunit.h"
#include "Timerangeformunit.h"

namespace qs {

void RegisterSecurityDialogs(DialogRegistry& registry) {
    (void)registry;
    registry.Register("TCurrentTimeForm", DialogEntry<TCurrentTimeForm>(&CurrentTimeForm));
    registry.Register("TfrmNetwroktime", DialogEntry<TfrmNetwroktime>(&frmNetwroktime));
    registry.Register("TfrmSummerTime", DialogEntry<TfrmSummerTime>(&frmSummerTime));
    registry.Register("TSystemLogServerForm", DialogEntry<TSystemLogServerForm>(&SystemLogServerForm));
    registry.Register("TSMTPControlForm", DialogEntry<TSMTPControlForm>(&SMTPControlForm));
    registry.Register("TTimeRangeForm", DialogEntry<TTimeRangeForm>(&TimeRangeForm));
    registry.Register("TfrmAgentSupportedUpdateFiles",
                      DialogEntry<TfrmAgentSupportedUpdateFiles>(&frmAgentSupportedUpdateFiles));
}

} // namespace qs
