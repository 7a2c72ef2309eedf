#include "QosMib.h"

#include "QsOptionList.h"

namespace {

const QsOption kMechanismControl[] = {{1, "strict"}, {2, "weightfair"}, {3, "none"}, {}};
const QsOption kClassMechanism[] = {{1, "strict"}, {2, "roundrobin"}, {3, "weightfair"}, {}};

const QsOptionList MechanismControlList(kMechanismControl, OVT_INT);
const QsOptionList ClassMechanismList(kClassMechanism, OVT_INT);

} // namespace

const QsSNMPVarDesc QosSchedulingMechanismVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.5", "QoS Scheduling Mechanism Control", SYN_INTEGER, ACC_READWRITE,
     &MechanismControlList},
    {nullptr},
};

const QsSNMPVarDesc BandwidthControlVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.1.1.2", "RX Rate", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.1.1.3", "TX Rate", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.1.1.4", "RADIUS RX Rate", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.1.1.5", "RADIUS TX Rate", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc SchedulingVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.2.1.1", "Class Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.2.1.4", "Max Weight", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.2.1.5", "Mechanism", SYN_INTEGER, ACC_READONLY, &ClassMechanismList},
    {nullptr},
};

const QsSNMPVarDesc UserPriorityVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.3.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.3.1.2", "Class", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc DefaultPriorityVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.4.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.4.1.2", "Default Priority", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.3.4.1.3", "RADIUS Priority", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};
