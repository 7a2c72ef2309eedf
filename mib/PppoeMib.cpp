#include "PppoeMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kCircuitId[] = {{1, "switch-ip"}, {2, "switch-mac"}, {3, "udf-string"}, {}};

const QsOptionList PppoeStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList PppoePortStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList PppoeCircuitIdList(kCircuitId, OVT_INT);

} // namespace

const QsSNMPVarDesc PppoeGlobalVars[] = {
    {"1.3.6.1.4.1.58613.12.79.1.1", "State", SYN_INTEGER, ACC_READWRITE, &PppoeStateList},
    {nullptr},
};

const QsSNMPVarDesc PppoePortVars[] = {
    {"1.3.6.1.4.1.58613.12.79.1.2.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.79.1.2.1.1.2", "State", SYN_INTEGER, ACC_READWRITE, &PppoePortStateList},
    {"1.3.6.1.4.1.58613.12.79.1.2.1.1.3", "Circuit ID", SYN_INTEGER, ACC_READWRITE, &PppoeCircuitIdList},
    {"1.3.6.1.4.1.58613.12.79.1.2.1.1.4", "UDF String", SYN_DISPLAYSTR, ACC_READWRITE},
    {nullptr},
};
