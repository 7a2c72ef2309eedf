#include "QBridgeMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kFdbStatus[] = {{1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {}};
const QsOption kFrameType[] = {{1, "ethernet"}, {2, "rfc1042"}, {}};

const QsOptionList TrafficClassesEnabledList(TrueFalseOptions, OVT_INT);
const QsOptionList GvrpStatusList(EnabledDisabledOptions, OVT_INT);
const QsOptionList TpFdbStatusList(kFdbStatus, OVT_INT);
const QsOptionList FrameTypeList(kFrameType, OVT_INT);
const QsOptionList ProtocolGroupRowStatusList(RowStatusOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc Dot1pBasicVars[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", SYN_INTEGER, ACC_READONLY,
     &TrafficClassesEnabledList},
    {nullptr},
};

const QsSNMPVarDesc Dot1pDefaultPriorityVars[] = {
    {kIndexOid, "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Number Traffic Classes", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot1pRegenPriorityVars[] = {
    {kIndexOid, "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc Dot1pTrafficClassVars[] = {
    {kIndexOid, "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc Dot1pOutboundAccessVars[] = {
    {kIndexOid, "Port", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Regenerated User Priority", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Outbound Access Priority", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc Dot1qBasicVars[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.17.7.1.1.4", "Number VLANs", SYN_GUAGE, ACC_READONLY},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", SYN_INTEGER, ACC_READWRITE, &GvrpStatusList},
    {nullptr},
};

const QsSNMPVarDesc Dot1qTpFdbVars[] = {
    {kIndexOid, "FDB ID", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", SYN_INTEGER, ACC_READONLY, &TpFdbStatusList},
    {nullptr},
};

const QsSNMPVarDesc Dot1qFdbVars[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", SYN_GUAGE, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc ProtocolGroupVars[] = {
    {"1.3.6.1.2.1.17.7.1.5.1.1.1", "Template Frame Type", SYN_INTEGER, ACC_NOTACCESS, &FrameTypeList},
    {"1.3.6.1.2.1.17.7.1.5.1.1.2", "Template Protocol Value", SYN_OCTETSTR, ACC_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.5.1.1.3", "Group ID", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.2.1.17.7.1.5.1.1.4", "Group Row Status", SYN_INTEGER, ACC_READWRITE,
     &ProtocolGroupRowStatusList},
    {nullptr},
};
