#include "RmonMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kResetControl[] = {{1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {}};

const QsOptionList ResetControlList(kResetControl, OVT_INT);
const QsOptionList NetConfigStatusList(RowStatusShortOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc ProbeBasicInfoVars[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.6.1.2.1.16.19.2", "Software Revision", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.16.19.3", "Hardware Revision", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", SYN_INTEGER, ACC_READWRITE, &ResetControlList},
    {nullptr},
};

// A table without key columns: an editor page over it shows the last row walked.
const QsSNMPVarDesc NetConfigurationVars[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "Net Configure IP Address", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.16.19.11.1.2", "Net Configure Subnet Mask", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.2.1.16.19.11.1.3", "Net Configure Status", SYN_INTEGER, ACC_READONLY, &NetConfigStatusList},
    {nullptr},
};

const QsSNMPVarDesc NetDefaultGatewayVars[] = {
    {"1.3.6.1.2.1.16.19.12", "Net Default Gateway", SYN_IPADDRESS, ACC_READWRITE},
    {nullptr},
};
