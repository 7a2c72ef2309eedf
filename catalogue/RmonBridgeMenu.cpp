// The RMON and Bridge menus.
#include "MainMenu.h"
#include "MenuMakers.h"
#include "RmonBridgePages.h"

namespace qs {

namespace {

using enum DialogOwner;
using enum GlobalPolicy;

constexpr DialogDef kSpanningTreeAlgorithmDialog = {"TSpanningTreeAlgorithmForm", "Spanning Tree Algorithm",
                                                    Application};
// Exceptions of the STP dialog go to the main window's status line.
constexpr DialogDef kStpControlDialog = {.className = "TSTP_Info",
                                         .title = "STP Control",
                                         .owner = Application,
                                         .global = Set,
                                         .catchToMainStatus = true};
constexpr DialogDef kMstpInstanceDialog = {"TMSTPVLANUnitForm", "MSTP Instance Control", Application};

constexpr MenuEntry kProbeConfig[] = {
    PageItem("Probe Basic Information", "ProbeBasicInformation1", ProbeBasicInfoPage),
    PageItem("Net Configuration", "NetConfiguration1", NetConfigurationPage),
    PageItem("Net Default Gateway", "NetDefaultGateway1", NetDefaultGatewayPage),
};

constexpr MenuEntry kRmon[] = {
    PageItem("RMON Control", "RMONSetting1", RmonControlPage),
    ToolItem("Statistics", "Statistics1", "/TRmon_Statistics"),
    ToolItem("History", "History1", "/TRmon_History"),
    ToolItem("Alarm/Event", "AlarmEvent1", "/TRmon_AlarmEvent"),
    Separator("N10"),
    Submenu("Probe Config", "ProbeConfig1", kProbeConfig, kHidden),
};

constexpr MenuEntry kDot1d[] = {
    PageItem("Information", "Information1", Dot1dInformationPage),
    PageItem("Port Table", "PortTable1", Dot1dPortTablePage),
};

constexpr MenuEntry kSpanningTree[] = {
    DialogItem("STP Control ", "STPControl1", kStpControlDialog),
    PageItem("Configuration Identification", "ConfigurationIdentification1", MstConfigIdPage),
    DialogItem("MSTP Instance Control", "MSTPInstanceControl1", kMstpInstanceDialog),
    PageItem("Port State Information", "PortStateInformation1", StpPortStatePage),
    PageItem("Port MSTP Information", "PortMSTPInformation1", MstPortInstancePage),
    Placeholder("STP Port Table", "STPPortTable1", kHidden),
};

constexpr MenuEntry kTransparentBridge[] = {
    ToolItem("Forwarding Table", "ForwardingTable1", "/TBridge_Forwarding"),
    Placeholder("Static Table", "StaticTable1", kHidden),
    ToolItem("Port Counters", "PortCounters1", "/TBridge_TpPortInfo"),
};

constexpr MenuEntry kBridge[] = {
    DialogItem("Spanning Tree Algorithm", "SpanningTreeAlgorithm1", kSpanningTreeAlgorithmDialog),
    Submenu("802.1D", "N8021D1", kDot1d),
    Submenu("Spanning Tree", "SpanningTree1", kSpanningTree),
    Submenu("Transparent Bridge", "TransparentBridge1", kTransparentBridge),
};

} // namespace

std::span<const MenuEntry> RmonItems() {
    return kRmon;
}
std::span<const MenuEntry> BridgeItems() {
    return kBridge;
}

} // namespace qs
