#include "SysLogMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kLogSaveMethod[] = {{1, "time-interval"}, {2, "on-demand"}, {3, "log-trigger"}, {}};

const QsOptionList SysLogStateList(DisabledEnabledOptions, OVT_INT);
const QsOptionList LogSaveMethodList(kLogSaveMethod, OVT_INT);
const QsOptionList ClearLogList(OtherStartOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc SystemLogVars[] = {
    {"1.3.6.1.4.1.58613.12.12.1", "State", SYN_INTEGER, ACC_READWRITE, &SysLogStateList},
    {"1.3.6.1.4.1.58613.12.12.3.1", "Log Save Method", SYN_INTEGER, ACC_READWRITE, &LogSaveMethodList},
    {"1.3.6.1.4.1.58613.12.12.3.2", "Log Save Time Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.12.4.1", "Clear Log", SYN_INTEGER, ACC_READWRITE, &ClearLogList},
    {nullptr},
};
