#include "DosPreventionMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kDosGlobalDoSTrapLog[] = {{1, "enable"}, {2, "disable"}, {3, "other"}, {}};
const QsOptionList DosGlobalDoSTrapLogList(kDosGlobalDoSTrapLog, OVT_INT);
const QsOption kDosGlobalDoSClearCounters[] = {{1, "land-attack"},
                                               {2, "blat-attack"},
                                               {3, "smurf-attack"},
                                               {4, "tcp-null-scan"},
                                               {5, "tcp-xmascan"},
                                               {6, "tcp-synfin"},
                                               {7, "tcp-syn-srcport-less-1024"},
                                               {8, "all"},
                                               {9, "other"},
                                               {}};
const QsOptionList DosGlobalDoSClearCountersList(kDosGlobalDoSClearCounters, OVT_INT);
const QsOption kDosControlType[] = {{1, "land-attack"},
                                    {2, "blat-attack"},
                                    {3, "smurf-attack"},
                                    {4, "tcp-null-scan"},
                                    {5, "tcp-xmascan"},
                                    {6, "tcp-synfin"},
                                    {7, "tcp-syn-srcport-less-1024"},
                                    {}};
const QsOptionList DosControlTypeList(kDosControlType, OVT_INT);
const QsOptionList DosControlStateList(EnableDisableOptions, OVT_INT);
const QsOption kDosControlActionType[] = {{1, "drop"}, {2, "mirror"}, {}};
const QsOptionList DosControlActionTypeList(kDosControlActionType, OVT_INT);

} // namespace

const QsSNMPVarDesc DosGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.59.1.1", "DoS Trap Log", SYN_INTEGER, ACC_READWRITE, &DosGlobalDoSTrapLogList},
    {"1.3.6.1.4.1.58613.12.59.1.2", "DoS Clear Counters", SYN_INTEGER, ACC_READWRITE,
     &DosGlobalDoSClearCountersList},
    {nullptr},
};

const QsSNMPVarDesc DosControlVars[] = {
    {"1.3.6.1.4.1.58613.12.59.1.3.1.1", "Type", SYN_INTEGER, ACC_NOTACCESS, &DosControlTypeList},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.2", "State", SYN_INTEGER, ACC_READWRITE, &DosControlStateList},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.3", "Action Type", SYN_INTEGER, ACC_READWRITE, &DosControlActionTypeList},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.4", "Mirror Port", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.5", "Mirror Priority", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.6", "Mirror RX Rate", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.7", "Frame Count", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};
