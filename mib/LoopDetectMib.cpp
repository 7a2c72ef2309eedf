#include "LoopDetectMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kLoopDetectMode[] = {{1, "vlan-based"}, {2, "port-based"}, {}};
const QsOption kLoopDetectTrapMode[] = {
    {1, "none"}, {2, "loop_detected"}, {3, "loop_cleared"}, {4, "both"}, {}};
const QsOption kLoopDetectPortStatus[] = {{1, "normal"}, {2, "loop"}, {3, "error"}, {4, "none"}, {}};

const QsOptionList LoopDetectStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList LoopDetectModeList(kLoopDetectMode, OVT_INT);
const QsOptionList LoopDetectTrapModeList(kLoopDetectTrapMode, OVT_INT);
const QsOptionList LoopDetectPortStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList LoopDetectPortStatusList(kLoopDetectPortStatus, OVT_INT);

} // namespace

const QsSNMPVarDesc LoopDetectControlVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.21.1.1", "Admin State", SYN_INTEGER, ACC_READWRITE,
     &LoopDetectStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.21.1.2", "Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.21.1.3", "Recover Time", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.21.1.4", "Mode", SYN_INTEGER, ACC_READWRITE, &LoopDetectModeList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.21.1.5", "Trap Mode", SYN_INTEGER, ACC_READWRITE,
     &LoopDetectTrapModeList},
    {nullptr},
};

const QsSNMPVarDesc LoopDetectPortVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.21.2.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.21.2.1.1.2", "State", SYN_INTEGER, ACC_READWRITE,
     &LoopDetectPortStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.21.2.1.1.3", "Loop VLAN", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.21.2.1.1.4", "Status", SYN_INTEGER, ACC_READONLY,
     &LoopDetectPortStatusList},
    {nullptr},
};
