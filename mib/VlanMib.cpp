#include "VlanMib.h"

#include "SharedOptions.h"

namespace {

// -1 marks a group without a priority of its own.
const QsOption kGroupPriority[] = {{-1, "-"}, {0, "0"}, {1, "1"}, {2, "2"}, {3, "3"},
                                   {4, "4"},  {5, "5"}, {6, "6"}, {7, "7"}, {}};
const QsOption kMacVlanType[] = {{1, "static"},
                                 {2, "mac-based-access-control"},
                                 {3, "ieee8021x"},
                                 {4, "wac"},
                                 {5, "jwac"},
                                 {6, "multiple-authentication"},
                                 {}};
const QsOption kPortRole[] = {{1, "nni"}, {2, "uni"}, {}};
const QsOption kSvidOperation[] = {{1, "add"}, {2, "replace"}, {}};
const QsOption kAdvertiseState[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
const QsOption kAdvertisement[] = {{1, "other"}, {2, "enabled"}, {3, "disabled"}, {}};
const QsOption kMemberPortsAction[] = {{1, "other"},         {2, "add-tagged"}, {3, "add-untagged"},
                                       {4, "add-forbidden"}, {5, "delete"},     {}};
const QsOption kMultiplyAction[] = {{1, "other"}, {2, "create"}, {3, "configure"}, {4, "delete"}, {}};

const QsOptionList GroupPriorityList(kGroupPriority, OVT_INT);
const QsOptionList MacVlanTypeList(kMacVlanType, OVT_INT);
const QsOptionList MacVlanStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList QinQStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList PortRoleList(kPortRole, OVT_INT);
const QsOptionList TrustCvidList(EnabledDisabledOptions, OVT_INT);
const QsOptionList VlanTranslationList(EnabledDisabledOptions, OVT_INT);
const QsOptionList SvidOperationList(kSvidOperation, OVT_INT);
const QsOptionList CvidRowStatusList(RowStatusShortOptions, OVT_INT);
const QsOptionList PvidAutoAssignList(EnabledDisabledOptions, OVT_INT);
const QsOptionList AdvertiseStateList(kAdvertiseState, OVT_INT);
const QsOptionList AdvertisementList(kAdvertisement, OVT_INT);
const QsOptionList MemberPortsActionList(kMemberPortsAction, OVT_INT);
const QsOptionList MultiplyActionList(kMultiplyAction, OVT_INT);

} // namespace

const QsSNMPVarDesc ProtocolGroupPriorityVars[] = {
    {kIndexOid, "Base Port", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Group ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.16.1.2.1.1", "Group Priority", SYN_INTEGER, ACC_READWRITE, &GroupPriorityList},
    {nullptr},
};

const QsSNMPVarDesc MacBasedVlanVars[] = {
    {"1.3.6.1.4.1.58613.12.56.3.2.1.1", "MAC", SYN_MACADDRESS, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.56.3.2.1.2", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.56.3.2.1.3", "Type", SYN_INTEGER, ACC_READONLY, &MacVlanTypeList},
    {"1.3.6.1.4.1.58613.12.56.3.2.1.4", "Status", SYN_INTEGER, ACC_READWRITE, &MacVlanStatusList},
    {nullptr},
};

const QsSNMPVarDesc QinQStateVars[] = {
    {"1.3.6.1.4.1.58613.12.57.1.1", "Q-in-Q State", SYN_INTEGER, ACC_READWRITE, &QinQStateList},
    {nullptr},
};

const QsSNMPVarDesc QinQPortVars[] = {
    {"1.3.6.1.4.1.58613.12.57.3.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.57.3.1.1.2", "Port Role", SYN_INTEGER, ACC_READWRITE, &PortRoleList},
    {"1.3.6.1.4.1.58613.12.57.3.1.1.4", "Tpid", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.57.3.1.1.8", "Trust CVID", SYN_INTEGER, ACC_READWRITE, &TrustCvidList},
    {"1.3.6.1.4.1.58613.12.57.3.1.1.9", "VLAN Translation", SYN_INTEGER, ACC_READWRITE, &VlanTranslationList},
    {nullptr},
};

const QsSNMPVarDesc VlanTranslationCvidVars[] = {
    {"1.3.6.1.4.1.58613.12.57.4.3.1.1", "CVID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.57.4.3.1.2", "SVID", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.57.4.3.1.3", "SVID Operation", SYN_INTEGER, ACC_READWRITE, &SvidOperationList},
    {"1.3.6.1.4.1.58613.12.57.4.3.1.4", "CVID Row Status", SYN_INTEGER, ACC_READWRITE, &CvidRowStatusList},
    {nullptr},
};

const QsSNMPVarDesc PvidAutoAssignVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.23.3", "State", SYN_INTEGER, ACC_READWRITE, &PvidAutoAssignList},
    {nullptr},
};

const QsSNMPVarDesc VlanAdvertisementVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.23.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.23.1.1.2", "Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.23.1.1.3", "Advertise State", SYN_INTEGER, ACC_READWRITE,
     &AdvertiseStateList},
    {nullptr},
};

const QsSNMPVarDesc VlanMultiplyVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.23.2.1", "VLAN List", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.23.2.2", "Advertisement", SYN_INTEGER, ACC_READWRITE,
     &AdvertisementList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.23.2.3", "Member Ports", SYN_BITSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.23.2.4", "Member Ports Action", SYN_INTEGER, ACC_READWRITE,
     &MemberPortsActionList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.23.2.5", "Action", SYN_INTEGER, ACC_READWRITE, &MultiplyActionList},
    {nullptr},
};
