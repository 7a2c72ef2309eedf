#include "Layer2Dialogs.h"

#include "DialogEntry.h"
#include "ERPSVLANUnitForm.h"
#include "GuestVlanForm.h"
#include "IGMPMulticastVlanForm.h"
#include "IGMPRouterPortsForm.h"
#include "IGMPSnoopingClearDnyIpMultForm.h"
#include "IGMPSnoopingDataDrivenLearingGroupForm.h"
#include "IGMP_SnoopingGroupTableForm.h"
#include "ISMVLANForm.h"
#include "LLDPConfigProtocolForm.h"
#include "LLDPConfigProtocolVLANForm.h"
#include "LLDPConfigVLANNameForm.h"
#include "LLDPDot3LinkAggForm.h"
#include "LLDPDot3PortConfigForm.h"
#include "LLDPDot3RemoteLinkAggForm.h"
#include "LLDPLocSysDataForm.h"
#include "LLDPPortConfigForm.h"
#include "LLDPRemoteForm.h"
#include "MLD_SnoopingGroupForm.h"
#include "MLD_SnoopingRouterPortsForm.h"
#include "MSTPVLANUnitForm.h"
#include "MulticastFilterInformationForm.h"
#include "NLBMulticastFDBForm.h"
#include "NLBUnicastFDBForm.h"
#include "PortCapabilities8021dForm.h"
#include "PortMirrorForm.h"
#include "PortTrunkForm.h"
#include "STP_Info.h"
#include "SpanningTreeAlgorithmForm.h"
#include "TrafficSegmentationForm.h"
#include "UnicastFilterInformationForm.h"
#include "VLanCurrentTableForm.h"
#include "VLanPortInfomationForm.h"
#include "VlanStaticForm.h"
#include "dot1vProtocolPortForm.h"
#include "dot3ControlForm.h"
#include "dot3PauseForm.h"

namespace qs {

void RegisterLayer2Dialogs(DialogRegistry& registry) {
    registry.Register("TVlanStaticForm", DialogEntry<TVlanStaticForm>(&VlanStaticForm));
    registry.Register("Tdot1vProtocolPortForm", DialogEntry<Tdot1vProtocolPortForm>(&dot1vProtocolPortForm));
    registry.Register("Tdot3ControlForm", DialogEntry<Tdot3ControlForm>(&dot3ControlForm));
    registry.Register("Tdot3PauseForm", DialogEntry<Tdot3PauseForm>(&dot3PauseForm));
    registry.Register("TGuestVlanForm", DialogEntry<TGuestVlanForm>(&GuestVlanForm));
    registry.Register("TUnicastFilterInformationForm",
                      DialogEntry<TUnicastFilterInformationForm>(&UnicastFilterInformationForm));
    registry.Register("TMulticastFilterInformationForm",
                      DialogEntry<TMulticastFilterInformationForm>(&MulticastFilterInformationForm));
    registry.Register("TNLBUnicastFDBForm", DialogEntry<TNLBUnicastFDBForm>(&NLBUnicastFDBForm));
    registry.Register("TNLBMulticastFDBForm", DialogEntry<TNLBMulticastFDBForm>(&NLBMulticastFDBForm));
    registry.Register("TPortCapabilities8021dForm",
                      DialogEntry<TPortCapabilities8021dForm>(&PortCapabilities8021dForm));
    registry.Register("TVLanCurrentTableForm", DialogEntry<TVLanCurrentTableForm>(&VLanCurrentTableForm));
    registry.Register("TVLanPortInfomationForm",
                      DialogEntry<TVLanPortInfomationForm>(&VLanPortInfomationForm));
    registry.Register("TIGMPRouterPortsForm", DialogEntry<TIGMPRouterPortsForm>(&IGMPRouterPortsForm));
    registry.Register("TMLD_SnoopingRouterPortsForm",
                      DialogEntry<TMLD_SnoopingRouterPortsForm>(&MLD_SnoopingRouterPortsForm));
    registry.Register("TIGMP_SnoopingGroupTableForm",
                      DialogEntry<TIGMP_SnoopingGroupTableForm>(&IGMP_SnoopingGroupTableForm));
    registry.Register("TMLD_SnoopingGroupForm", DialogEntry<TMLD_SnoopingGroupForm>(&MLD_SnoopingGroupForm));
    registry.Register("TISMVLANForm", DialogEntry<TISMVLANForm>(&ISMVLANForm));
    registry.Register("TIGMPMulticastVlanForm", DialogEntry<TIGMPMulticastVlanForm>(&IGMPMulticastVlanForm));
    registry.Register(
        "TIGMPSnoopingDataDrivenLearingGroupForm",
        DialogEntry<TIGMPSnoopingDataDrivenLearingGroupForm>(&IGMPSnoopingDataDrivenLearingGroupForm));
    registry.Register("TIGMPSnoopingClearDnyIpMultForm",
                      DialogEntry<TIGMPSnoopingClearDnyIpMultForm>(&IGMPSnoopingClearDnyIpMultForm));
    registry.Register("TLLDPPortConfigForm", DialogEntry<TLLDPPortConfigForm>(&LLDPPortConfigForm));
    registry.Register("TLLDPDot3PortConfigForm",
                      DialogEntry<TLLDPDot3PortConfigForm>(&LLDPDot3PortConfigForm));
    registry.Register("TLLDPLocSysDataForm", DialogEntry<TLLDPLocSysDataForm>(&LLDPLocSysDataForm));
    registry.Register("TLLDPRemoteForm", DialogEntry<TLLDPRemoteForm>(&LLDPRemoteForm));
    registry.Register("TLLDPDot3LinkAggForm", DialogEntry<TLLDPDot3LinkAggForm>(&LLDPDot3LinkAggForm));
    registry.Register("TLLDPDot3RemoteLinkAggForm",
                      DialogEntry<TLLDPDot3RemoteLinkAggForm>(&LLDPDot3RemoteLinkAggForm));
    registry.Register("TLLDPConfigProtocolForm",
                      DialogEntry<TLLDPConfigProtocolForm>(&LLDPConfigProtocolForm));
    registry.Register("TLLDPConfigProtocolVLANForm",
                      DialogEntry<TLLDPConfigProtocolVLANForm>(&LLDPConfigProtocolVLANForm));
    registry.Register("TLLDPConfigVLANNameForm",
                      DialogEntry<TLLDPConfigVLANNameForm>(&LLDPConfigVLANNameForm));
    registry.Register("TPortTrunkForm", DialogEntry<TPortTrunkForm>(nullptr));
    registry.Register("TSpanningTreeAlgorithmForm",
                      DialogEntry<TSpanningTreeAlgorithmForm>(&SpanningTreeAlgorithmForm));
    registry.Register("TSTP_Info", DialogEntry<TSTP_Info>(&STP_Info));
    registry.Register("TPortMirrorForm", DialogEntry<TPortMirrorForm>(&PortMirrorForm));
    registry.Register("TTrafficSegmentationForm",
                      DialogEntry<TTrafficSegmentationForm>(&TrafficSegmentationForm));
    registry.Register("TMSTPVLANUnitForm", DialogEntry<TMSTPVLANUnitForm>(&MSTPVLANUnitForm));
    registry.Register("TERPSVLANUnitForm", DialogEntry<TERPSVLANUnitForm>(&ERPSVLANUnitForm));
}

} // namespace qs
