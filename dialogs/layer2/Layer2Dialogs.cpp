#include "Layer2Dialogs.h"

#include "DialogEntry.h"
#include "Dot1vprotocolportunit.h"
#include "Dot3controlformunit.h"
#include "Dot3pauseformunit.h"
#include "Erpsvlanformunit.h"
#include "Guestvlanformunit.h"
#include "Mstpportinstanceunit.h"
#include "Multicastfilterinformationformunit.h"
#include "Nlbmulticastfdbformunit.h"
#include "Nlbunicastfdbformunit.h"
#include "Portcapabilities8021dformunit.h"
#include "Portmirror.h"
#include "Porttrunk.h"
#include "Spanningtreealgorithmunit.h"
#include "Stpinfo.h"
#include "Trafficforwardunit1.h"
#include "Unicastfilterinformationformunit.h"
#include "Vlancurrenttableformunit.h"
#include "Vlanportinfomationunit.h"
#include "Vlanstaticformunit.h"

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
