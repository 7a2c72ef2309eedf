#include "DialogClasses.h"

#include <algorithm>

namespace qs {

namespace {

using F = DialogFamily;

constexpr DialogClassDef kClasses[] = {
    {"TAboutForm", F::Shell},
    // Layer 2
    {"Tdot3ControlForm", F::Layer2},
    {"Tdot3PauseForm", F::Layer2},
    {"TSpanningTreeAlgorithmForm", F::Layer2},
    {"TSTP_Info", F::Layer2},
    {"TMSTPVLANUnitForm", F::Layer2, true, false, false, true},
    {"TVLanPortInfomationForm", F::Layer2},
    {"TVlanStaticForm", F::Layer2},
    {"TVLanCurrentTableForm", F::Layer2},
    {"TUnicastFilterInformationForm", F::Layer2},
    {"TMulticastFilterInformationForm", F::Layer2},
    {"TPortCapabilities8021dForm", F::Layer2},
    {"Tdot1vProtocolPortForm", F::Layer2},
    {"TGuestVlanForm", F::Layer2},
    {"TPortTrunkForm", F::Layer2, false},
    {"TPortMirrorForm", F::Layer2},
    {"TTrafficSegmentationForm", F::Layer2},
    {"TIGMPRouterPortsForm", F::Layer2},
    {"TISMVLANForm", F::Layer2},
    {"TIGMPMulticastVlanForm", F::Layer2},
    {"TIGMP_SnoopingGroupTableForm", F::Layer2},
    {"TIGMPSnoopingClearDnyIpMultForm", F::Layer2},
    {"TIGMPSnoopingDataDrivenLearingGroupForm", F::Layer2},
    {"TMLD_SnoopingGroupForm", F::Layer2},
    {"TMLD_SnoopingRouterPortsForm", F::Layer2},
    {"TLLDPPortConfigForm", F::Layer2, true, false, true},
    {"TLLDPLocSysDataForm", F::Layer2},
    {"TLLDPRemoteForm", F::Layer2},
    {"TLLDPConfigVLANNameForm", F::Layer2},
    {"TLLDPConfigProtocolVLANForm", F::Layer2},
    {"TLLDPConfigProtocolForm", F::Layer2},
    {"TLLDPDot3PortConfigForm", F::Layer2, true, false, true},
    {"TLLDPDot3LinkAggForm", F::Layer2},
    {"TLLDPDot3RemoteLinkAggForm", F::Layer2},
    {"TERPSVLANUnitForm", F::Layer2, true, false, true, true},
    {"TNLBUnicastFDBForm", F::Layer2},
    {"TNLBMulticastFDBForm", F::Layer2},
    // Security and management
    {"TfrmAgentSupportedUpdateFiles", F::Security, true, false, false, true},
    {"TCurrentTimeForm", F::Security},
    {"TfrmNetwroktime", F::Security},
    {"TfrmSummerTime", F::Security},
    {"TSystemLogServerForm", F::Security},
    {"TSMTPControlForm", F::Security},
    {"TARPConfigForm", F::Security},
    {"TSSLManagementForm", F::Security},
    {"TCertificateFileForm", F::Security},
    {"TSSHUserCtrlList", F::Security},
    {"TBulwarkCtrlForm", F::Security},
    {"TLoginMethodListForm", F::Security, true, true},
    {"TServerInformationForm", F::Security},
    {"TAAASrvCtrlForm", F::Security},
    {"TIPMACBindingForm", F::Security},
    {"TMBAControlForm", F::Security},
    {"TFilterDHCPPermitForm", F::Security, false},
    {"TMSInformationForm", F::Security},
    {"TIpv6StaticRouteForm", F::Security},
    {"TBOOTCtrlTableForm", F::Security},
    {"TPrtSecDelCtrlForm", F::Security},
    {"TCoSBrandwidthctrlForm", F::Security},
    {"TTimeRangeForm", F::Security},
    {"TARPSpoofingPreventMgmtForm", F::Security},
    // ACL and CPU-filter rule editors
    {"TEthernetMaskInformationForm", F::Acl},
    {"TEthernetInformationRuleForm", F::Acl},
    {"TIPMaskInformationForm", F::Acl},
    {"TIPRuleForm", F::Acl},
    {"TPacketContentRuleForm", F::Acl, true, false, false, true},
    {"TIPv6MaskInfoForm", F::Acl},
    {"TIpv6RuleForm", F::Acl},
    {"TCPUEthernetInformationForm", F::Acl},
    {"TCPUEthernetInformationRuleForm", F::Acl},
    {"TCPUIPMaskInformationForm", F::Acl},
    {"TCPUIPRuleForm", F::Acl},
    {"TCPUUserMaskInfoForm", F::Acl},
    {"TCPUUserMaskRuleForm", F::Acl},
    {"TCPUFilterIPV6RuleForm", F::Acl, true, false, false, true},
};

} // namespace

std::span<const DialogClassDef> DialogClasses() {
    return kClasses;
}

const DialogClassDef* FindDialogClass(std::string_view className) {
    const auto* it = std::find_if(std::begin(kClasses), std::end(kClasses),
                                  [&](const DialogClassDef& c) { return className == c.className; });
    return it == std::end(kClasses) ? nullptr : it;
}

std::string DialogGlobalName(const DialogClassDef& cls) {
    return cls.hasGlobal ? std::string(cls.className + 1) : std::string();
}

bool DialogRegistry::Register(std::string_view className, DialogClassEntry entry) {
    if (FindDialogClass(className) == nullptr || !entry.create) {
        return false;
    }
    entries_.insert_or_assign(std::string(className), std::move(entry));
    return true;
}

const DialogClassEntry* DialogRegistry::Find(std::string_view className) const {
    const auto it = entries_.find(className);
    return it == entries_.end() ? nullptr : &it->second;
}

std::vector<std::string> DialogRegistry::Missing(std::span<const DialogDef* const> commands) const {
    std::vector<std::string> missing;
    for (const DialogDef* command : commands) {
        const std::string name = command->className;
        if (Find(name) == nullptr && std::find(missing.begin(), missing.end(), name) == missing.end()) {
            missing.push_back(name);
        }
    }
    return missing;
}

DialogRegistry& Dialogs() {
    static DialogRegistry registry;
    return registry;
}

} // namespace qs
