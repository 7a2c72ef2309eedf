#include "DosPreventionMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kTrapLog[] = {{1, "enable"}, {2, "disable"}, {3, "other"}, {}};
// Clearing names the attack types of the control table, plus all of them and "other".
const QsOption kClearCounters[] = {{1, "land-attack"},
                                   {2, "blat-attack"},
                                   {3, "smurf-attack"},
                                   {4, "tcp-null-scan"},
                                   {5, "tcp-xmascan"},
                                   {6, "tcp-synfin"},
                                   {7, "tcp-syn-srcport-less-1024"},
                                   {8, "all"},
                                   {9, "other"},
                                   {}};
const QsOption kAttackType[] = {{1, "land-attack"},
                                {2, "blat-attack"},
                                {3, "smurf-attack"},
                                {4, "tcp-null-scan"},
                                {5, "tcp-xmascan"},
                                {6, "tcp-synfin"},
                                {7, "tcp-syn-srcport-less-1024"},
                                {}};
const QsOption kActionType[] = {{1, "drop"}, {2, "mirror"}, {}};

const QsOptionList TrapLogList(kTrapLog, OVT_INT);
const QsOptionList ClearCountersList(kClearCounters, OVT_INT);
const QsOptionList AttackTypeList(kAttackType, OVT_INT);
const QsOptionList AttackStateList(EnableDisableOptions, OVT_INT);
const QsOptionList ActionTypeList(kActionType, OVT_INT);

} // namespace

const QsSNMPVarDesc DosGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.59.1.1", "DoS Trap Log", SYN_INTEGER, ACC_READWRITE, &TrapLogList},
    {"1.3.6.1.4.1.58613.12.59.1.2", "DoS Clear Counters", SYN_INTEGER, ACC_READWRITE, &ClearCountersList},
    {nullptr},
};

const QsSNMPVarDesc DosControlVars[] = {
    {"1.3.6.1.4.1.58613.12.59.1.3.1.1", "Type", SYN_INTEGER, ACC_NOTACCESS, &AttackTypeList},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.2", "State", SYN_INTEGER, ACC_READWRITE, &AttackStateList},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.3", "Action Type", SYN_INTEGER, ACC_READWRITE, &ActionTypeList},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.4", "Mirror Port", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.5", "Mirror Priority", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.6", "Mirror RX Rate", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.59.1.3.1.7", "Frame Count", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};
