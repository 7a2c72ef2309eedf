#include "DhcpScreeningMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kDhcpScreeningGlobalIllegalServerLogSuppressDuration[] = {
    {1, "duration_1min"}, {2, "duration_5min"}, {3, "duration_30min"}, {}};
const QsOptionList DhcpScreeningGlobalIllegalServerLogSuppressDurationList(
    kDhcpScreeningGlobalIllegalServerLogSuppressDuration, OVT_INT);
const QsOptionList DhcpScreeningGlobalTrapStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList DhcpScreeningGlobalLogStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList DhcpScreeningPortPortStateList(EnabledDisabledOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc DhcpScreeningGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.37.1.3", "Illegal Server Log Suppress Duration", SYN_INTEGER, ACC_READWRITE,
     &DhcpScreeningGlobalIllegalServerLogSuppressDurationList},
    {"1.3.6.1.4.1.58613.12.37.1.5", "Trap State", SYN_INTEGER, ACC_READWRITE,
     &DhcpScreeningGlobalTrapStateList},
    {"1.3.6.1.4.1.58613.12.37.1.6", "Log State", SYN_INTEGER, ACC_READWRITE,
     &DhcpScreeningGlobalLogStateList},
    {nullptr},
};

const QsSNMPVarDesc DhcpScreeningPortVars[] = {
    {"1.3.6.1.4.1.58613.12.37.1.2.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.37.1.2.1.2", "Port State", SYN_INTEGER, ACC_READWRITE,
     &DhcpScreeningPortPortStateList},
    {nullptr},
};
