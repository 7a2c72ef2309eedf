#include "PortMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kMedium[] = {{100, "copper"}, {101, "fiber"}, {}};
const QsOption kLinkStatus[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {}};
const QsOption kNwayStatus[] = {{1, "auto"},
                                {2, "half-10Mbps"},
                                {3, "full-10Mbps"},
                                {4, "half-100Mbps"},
                                {5, "full-100Mbps"},
                                {7, "full-1Gigabps"},
                                {}};
const QsOption kFlowControlOper[] = {{1, "none"}, {2, "ieee8023x"}, {3, "backPressure"}, {}};
const QsOption kNwayState[] = {{1, "nway-auto"},
                               {2, "nway-disabled-10Mbps-Half"},
                               {3, "nway-disabled-10Mbps-Full"},
                               {4, "nway-disabled-100Mbps-Half"},
                               {5, "nway-disabled-100Mbps-Full"},
                               {7, "nway-disabled-1Gigabps-Full"},
                               {8, "nway-disabled-1Gigabps-Full-Master"},
                               {9, "nway-disabled-1Gigabps-Full-Slave"},
                               {}};
const QsOption kMulticastFilter[] = {
    {2, "forward-unregistered-groups"}, {3, "filter-unregistered-groups"}, {}};
const QsOption kMdixState[] = {{1, "auto"}, {2, "normal"}, {3, "cross"}, {4, "other"}, {}};
const QsOption kErrorStatus[] = {{1, "other"}, {2, "err-disabled"}, {}};
const QsOption kErrorReason[] = {
    {1, "stp-lbd"}, {2, "storm-control"}, {3, "storm-control-lbd"}, {4, "loopdetect"}, {}};
const QsOption kEnableDisable23[] = {{2, "enable"}, {3, "disable"}, {}};
const QsOption kSecurityMode[] = {{2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {}};
const QsOption kTrunkAlgorithm[] = {
    {1, "other"},     {2, "mac-source"},     {3, "mac-destination"}, {4, "mac-source-dest"},
    {5, "ip-source"}, {6, "ip-destination"}, {7, "ip-source-dest"},  {}};
const QsOption kLacpMode[] = {{1, "active"}, {2, "passive"}, {}};

const QsOptionList InfoMediumList(kMedium, OVT_INT);
const QsOptionList LinkStatusList(kLinkStatus, OVT_INT);
const QsOptionList NwayStatusList(kNwayStatus, OVT_INT);
const QsOptionList FlowControlOperList(kFlowControlOper, OVT_INT);
const QsOptionList ControlMediumList(kMedium, OVT_INT);
const QsOptionList PortAdminStateList(DisabledEnabledOptions, OVT_INT);
const QsOptionList NwayStateList(kNwayState, OVT_INT);
const QsOptionList FlowControlStateList(DisabledEnabledOptions, OVT_INT);
const QsOptionList AddressLearningList(DisabledEnabledOptions, OVT_INT);
const QsOptionList PortMacNotifyList(DisabledEnabledOptions, OVT_INT);
const QsOptionList MulticastFilterList(kMulticastFilter, OVT_INT);
const QsOptionList MdixStateList(kMdixState, OVT_INT);
const QsOptionList ErrorStateList(DisabledEnabled12Options, OVT_INT);
const QsOptionList ErrorStatusList(kErrorStatus, OVT_INT);
const QsOptionList ErrorReasonList(kErrorReason, OVT_INT);
const QsOptionList JumboFrameStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList SecurityTrapLogList(kEnableDisable23, OVT_INT);
const QsOptionList SecurityModeList(kSecurityMode, OVT_INT);
const QsOptionList SecurityAdminStateList(kEnableDisable23, OVT_INT);
const QsOptionList SecurityClearList(OtherStartOptions, OVT_INT);
const QsOptionList TrunkAlgorithmList(kTrunkAlgorithm, OVT_INT);
const QsOptionList LacpModeList(kLacpMode, OVT_INT);
const QsOptionList TrunkVlanStateList(EnabledDisabledOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc PortInformationVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.1.1.2", "Medium Type", SYN_INTEGER, ACC_NOTACCESS, &InfoMediumList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.1.1.4", "Link Status", SYN_INTEGER, ACC_READONLY, &LinkStatusList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.1.1.5", "Nway Status", SYN_INTEGER, ACC_READONLY, &NwayStatusList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.1.1.10", "Flow Control Oper Status", SYN_INTEGER, ACC_READONLY,
     &FlowControlOperList},
    {nullptr},
};

const QsSNMPVarDesc PortControlVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.1", "Port Index", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.2", "Medium Type", SYN_INTEGER, ACC_READONLY, &ControlMediumList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.3", "Admin State", SYN_INTEGER, ACC_READWRITE,
     &PortAdminStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.4", "Nway State", SYN_INTEGER, ACC_READWRITE, &NwayStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.5", "Flow Control State", SYN_INTEGER, ACC_READWRITE,
     &FlowControlStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.6", "Description", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.7", "Address Learning", SYN_INTEGER, ACC_READWRITE,
     &AddressLearningList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.8", "MAC Notify State", SYN_INTEGER, ACC_READWRITE,
     &PortMacNotifyList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.9", "Multicast filter", SYN_INTEGER, ACC_READWRITE,
     &MulticastFilterList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.2.1.10", "MDIX State", SYN_INTEGER, ACC_READWRITE, &MdixStateList},
    {nullptr},
};

const QsSNMPVarDesc ErrorPortVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.3.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.3.1.2", "State", SYN_INTEGER, ACC_READONLY, &ErrorStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.3.1.3", "Status", SYN_INTEGER, ACC_READONLY, &ErrorStatusList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.3.1.4", "Reason", SYN_INTEGER, ACC_READONLY, &ErrorReasonList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.3.1.5", "Description", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc JumboFrameVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.4", "Jumbo Frame State", SYN_INTEGER, ACC_READWRITE,
     &JumboFrameStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.2.5", "Max Size", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc PortSecurityTrapLogVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.15.2", "Port Security Trap Log State", SYN_INTEGER, ACC_READWRITE,
     &SecurityTrapLogList},
    {nullptr},
};

const QsSNMPVarDesc PortSecurityControlVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.15.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.15.1.1.2", "Max Learn Address", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.15.1.1.3", "Mode", SYN_INTEGER, ACC_READWRITE, &SecurityModeList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.15.1.1.4", "Admin State", SYN_INTEGER, ACC_READWRITE,
     &SecurityAdminStateList},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.15.1.1.5", "Clear Control", SYN_INTEGER, ACC_READWRITE,
     &SecurityClearList},
    {nullptr},
};

const QsSNMPVarDesc TrunkInformationVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.4.1", "Max Entries", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.4.2", "Max Port Members", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.4.4", "Trunk Algorithm", SYN_INTEGER, ACC_READWRITE,
     &TrunkAlgorithmList},
    {nullptr},
};

const QsSNMPVarDesc TrunkLacpPortVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.4.5.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.4.5.1.2", "Port State", SYN_INTEGER, ACC_READWRITE, &LacpModeList},
    {nullptr},
};

const QsSNMPVarDesc TrunkVlanVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.4.6.1.1", "Port", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.11.113.1.6.2.4.6.1.2", "State", SYN_INTEGER, ACC_READWRITE, &TrunkVlanStateList},
    {nullptr},
};
